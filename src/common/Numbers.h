#pragma once

#include <QString>

// Number rules shared by every window: texts become numbers by their leading
// decimal number, numbers become texts with at most 13 significant digits.

// "%.13g" of a double; a value that is not finite gives "0" so that no
// statement or field ever holds "inf" or "nan".
QString numberToText(double value);
// "%.6g" of a single-precision value, as prices read from 菜单 are held.
QString singleToText(double value);
// The leading decimal number of the text (blanks in front allowed); 0 when
// the text does not start with one or the number is not finite.
double textToNumber(const QString& text);
// True when the text holds nothing but one finite decimal number.
bool isFiniteNumberText(const QString& text);
// Truncation toward zero, clamped to the int range.
int truncToInt(double value);
// The integer value of a text: its leading number truncated toward zero.
int textToInt(const QString& text);
// Half away from zero, with the 1e-12 nudge: 0.25 to 1 decimal gives 0.3.
double roundHalfAway(double value, int decimals);
// Comparisons within 1e-7.
bool isZero(double value);
bool nearlyEqual(double a, double b);
