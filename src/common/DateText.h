#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// 2024年3月5日: year, month and day without leading zeros.
QString dateText(const QDate& date);
// 2024年3月5日9时5分: the date text plus hours, minutes and seconds, trailing
// zero parts dropped (seconds first, then minutes, then hours).
QString dateTimeText(const QDateTime& time);
