#pragma once

#include <QByteArray>
#include <QString>

// Registers the files the program carries (the database template, the default
// receipt pictures and the help documents) so that ":/pictures/..." and ":/help/..."
// can be read. They sit in a static library, where the linker drops their
// self-registration unless something calls in; any code reading them calls
// this first. Safe to call any number of times.
void InitCarriedResources();

// The bytes of one carried file (":/help/..."), registering the files first.
QByteArray CarriedBytes(const QString& resourcePath);
