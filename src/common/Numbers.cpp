#include "common/Numbers.h"

#include <QByteArray>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

QString formatG(double value, int digits)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", digits, value);
    QString text = QString::fromLatin1(buffer);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

// Length of the decimal number at the start of text (after blanks), 0 if none.
qsizetype leadingNumberEnd(const QString& text, qsizetype start)
{
    qsizetype i = start;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit()) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return start;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && text[j].unicode() < 128 && text[j].isDigit()) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i;
}

qsizetype skipBlanks(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    return i;
}

} // namespace

QString numberToText(double value) { return formatG(value, 13); }

QString singleToText(double value) { return formatG(static_cast<float>(value), 6); }

double textToNumber(const QString& text)
{
    const qsizetype start = skipBlanks(text);
    const qsizetype end = leadingNumberEnd(text, start);
    if (end == start)
        return 0.0;
    const QByteArray bytes = text.mid(start, end - start).toLatin1();
    const double value = std::strtod(bytes.constData(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool isFiniteNumberText(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || leadingNumberEnd(trimmed, 0) != trimmed.size())
        return false;
    return std::isfinite(std::strtod(trimmed.toLatin1().constData(), nullptr));
}

int truncToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    const double t = std::trunc(value);
    if (t >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (t <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(t);
}

int textToInt(const QString& text) { return truncToInt(textToNumber(text)); }

double roundHalfAway(double value, int decimals)
{
    if (!std::isfinite(value))
        return 0.0;
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::fabs(value) * scale + 1e-12;
    double whole = std::floor(scaled);
    if (scaled - whole >= 0.5)
        whole += 1.0;
    const double result = whole / scale;
    return value < 0 ? -result : result;
}

bool isZero(double value) { return std::fabs(value) <= 1e-7; }

bool nearlyEqual(double a, double b) { return std::fabs(a - b) <= 1e-7; }
