#include "receipt/PictureFileCache.h"

#include "receipt/PngImage.h"

#include <QFileInfo>

QImage PictureFileCache::load(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (path != m_path || info.lastModified() != m_modified || info.size() != m_size) {
        m_image = loadPng(path);
        m_path = path;
        m_modified = info.lastModified();
        m_size = info.size();
    }
    return m_image;
}
