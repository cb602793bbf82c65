#include "receipt/DefaultPictures.h"

#include "resources/CarriedResources.h"

#include <QFile>
#include <QSaveFile>

QByteArray defaultTopPictureBytes() { return CarriedBytes(QStringLiteral(":/pictures/default_top.png")); }

QByteArray defaultBottomPictureBytes()
{
    return CarriedBytes(QStringLiteral(":/pictures/default_bottom.png"));
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
