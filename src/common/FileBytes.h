#pragma once

#include <QByteArray>
#include <QString>

// The whole content of a file or resource; empty when it cannot be read.
QByteArray ReadFileBytes(const QString& path);
