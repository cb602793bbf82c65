#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

// The decoded picture of one file, decoded again only when the file's size
// or modification time changes. Decoding dominates a preview redraw.
class PictureFileCache {
public:
    // The file's picture; null when missing or not a readable PNG.
    QImage load(const QString& path);

private:
    QString m_path;
    QDateTime m_modified;
    qint64 m_size = -1;
    QImage m_image;
};
