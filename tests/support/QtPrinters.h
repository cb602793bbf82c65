#pragma once

#include <QString>
#include <ostream>

// Failing comparisons of texts show the text, not its bytes.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
