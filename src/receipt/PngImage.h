#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// PNG pictures decoded with libpng. A missing, damaged or non-PNG file gives
// a null image, which the receipt treats as a missing picture.
QImage loadPng(const QString& path);
QImage loadPngFromBytes(const QByteArray& bytes);
