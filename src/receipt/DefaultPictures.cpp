#include "receipt/DefaultPictures.h"

#include <QFile>
#include <QSaveFile>

namespace {

QByteArray resourceBytes(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray defaultTopPictureBytes() { return resourceBytes(QStringLiteral(":/pictures/default_top.png")); }

QByteArray defaultBottomPictureBytes()
{
    return resourceBytes(QStringLiteral(":/pictures/default_bottom.png"));
}

bool ensurePictureFile(const QString& path, const QByteArray& defaultBytes)
{
    if (QFile::exists(path))
        return true;
    if (defaultBytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(defaultBytes) != defaultBytes.size())
        return false;
    return file.commit();
}
