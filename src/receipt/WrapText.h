#pragma once

#include <QString>

// Breaks a text into receipt lines of at most `columns` columns, joined by
// CR LF. A character below code 127 is one column, any other two. Latin words
// stay whole where they fit, the text's own CR LF breaks are kept, and opening
// or closing Chinese punctuation is kept off the wrong end of a line. Every
// line takes at least one character, so any width (even 0) terminates.
QString WrapText(const QString& text, int columns);
