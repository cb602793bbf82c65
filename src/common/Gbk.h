#pragma once

#include <QByteArray>
#include <QString>

// Chinese code page 936 text, converted through iconv as GB18030 (its
// superset) so that no character is lost either way.
QString fromGbk(const QByteArray& bytes);
QByteArray toGbk(const QString& text);
