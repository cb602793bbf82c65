#pragma once

#include <QDateTime>
#include <QString>

// Date parsing and formatting as the Jet engine does it for cdate(), date
// literals between '#' and format(). Pure functions: the current year, needed
// for a month-day text without a year, is passed in.
namespace JetDate {

// Reads the date and time forms the program writes (blanks around allowed):
//   2024年3月5日, 2024年3月5日0时0分0秒, 2016年5月3日12时5分, 2016年5月3日12时
//   03-07 09:05 (month-day: the given current year), 2024/03/07 09:05,
//   2024-03-07 09:05, 2016/3/5 7:4, 2016/3/5 7:4:3, 2016-05-03 09:30:05,
//   2016-05-03, 2016/5/3, and a time alone (09:05, on 1899-12-30 as in Jet).
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
// Returns an invalid QDateTime when the text is not a valid date.
QDateTime parse(const QString& text, int currentYear);

// The canonical stored form: 2016-05-03 09:30:05.
QString canonical(const QDateTime& time);
// True when the text is already in the canonical form (a fast path).
bool isCanonical(const QString& text);

// OLE automation date (days since 1899-12-30, fraction = time of day), as Jet
// converts between numbers and dates.
QDateTime fromOleDate(double days);
double toOleDate(const QDateTime& time);

// Jet format() of a date: yyyy, yy, m, mm, d, dd, h, hh, n, nn, s, ss (letters
// in any case); m/mm right after h/hh (literals between allowed) or right
// before s/ss means minutes; "..." and \x are literal; anything else is copied.
QString format(const QDateTime& time, const QString& pattern);

} // namespace JetDate
