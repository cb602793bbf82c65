#include "storage/ConfigFile.h"

#include "common/Gbk.h"

#include <QFile>

QString ReadConfigEntry(const QString& iniPath, const QString& key, const QString& defaultValue,
                        bool append)
{
    QByteArray bytes;
    {
        QFile file(iniPath);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
    }
    const QString text = fromGbk(bytes);
    const QString opening = key + QStringLiteral(" = {");
    const qsizetype at = text.indexOf(opening, 0, Qt::CaseInsensitive);
    if (at >= 0) {
        const qsizetype start = at + opening.size();
        const qsizetype end = text.indexOf(u'}', start);
        return end < 0 ? QString() : text.mid(start, end - start);
    }
    if (append) {
        // Appending the bytes keeps everything already in the file exactly as it was.
        QFile file(iniPath);
        if (file.open(QIODevice::WriteOnly | QIODevice::Append))
            file.write(toGbk(key + QStringLiteral(" = {") + defaultValue + QStringLiteral("}\r\n")));
    }
    return defaultValue;
}
