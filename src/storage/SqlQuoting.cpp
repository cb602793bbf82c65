#include "storage/SqlQuoting.h"

QString sqlText(const QString& text)
{
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return quoted;
}

QString sqlLiteral(const QString& text) { return u'\'' + sqlText(text) + u'\''; }

QString sqlName(const QString& name)
{
    QString inner = name;
    inner.replace(u'"', QStringLiteral("\"\""));
    return u'"' + inner + u'"';
}
