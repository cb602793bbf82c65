#pragma once

#include <QByteArray>
#include <QString>

// The built-in pictures that stand in for data/stp.png and data/xtp.png. An
// empty result means the program was built without them.
QByteArray defaultTopPictureBytes();
QByteArray defaultBottomPictureBytes();

// Writes the default picture bytes into `path` when that file is missing.
// True when the file exists afterwards.
bool ensurePictureFile(const QString& path, const QByteArray& defaultBytes);
