#include "storage/JetDate.h"

#include <QRegularExpression>
#include <cmath>

namespace JetDate {

namespace {

const QDate oleEpoch(1899, 12, 30);

int expandYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() <= 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

QDateTime build(int year, int month, int day, int hour, int minute, int second)
{
    const QDate date(year, month, day);
    if (!date.isValid() || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return {};
    return QDateTime(date, QTime(hour, minute, second));
}

int part(const QRegularExpressionMatch& m, int group)
{
    const QString text = m.captured(group);
    return text.isEmpty() ? 0 : text.toInt();
}

QString pad2(int value) { return QString::number(value).rightJustified(2, u'0'); }

} // namespace

QDateTime parse(const QString& input, int currentYear)
{
    const QString text = input.trimmed();
    if (text.isEmpty())
        return {};
    if (isCanonical(text)) {
        const QDateTime fast
            = build(QStringView(text).mid(0, 4).toInt(), QStringView(text).mid(5, 2).toInt(),
                QStringView(text).mid(8, 2).toInt(), QStringView(text).mid(11, 2).toInt(),
                QStringView(text).mid(14, 2).toInt(), QStringView(text).mid(17, 2).toInt());
        if (fast.isValid())
            return fast;
    }

    static const QRegularExpression chinese(QStringLiteral(
        "^(?:([0-9]{1,4})\\s*年)?\\s*([0-9]{1,2})\\s*月\\s*([0-9]{1,2})\\s*日\\s*"
        "(?:([0-9]{1,2})\\s*[时点]\\s*(?:([0-9]{1,2})\\s*分\\s*(?:([0-9]{1,2})\\s*秒)?)?)?$"));
    static const QRegularExpression numeric(QStringLiteral(
        "^(?:([0-9]{1,4})[-/.])?([0-9]{1,2})[-/.]([0-9]{1,2})"
        "(?:(?:\\s+|T)([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?)?$"));
    static const QRegularExpression timeOnly(
        QStringLiteral("^([0-9]{1,2}):([0-9]{1,2})(?::([0-9]{1,2}))?$"));

    for (const QRegularExpression* re : {&chinese, &numeric}) {
        const QRegularExpressionMatch m = re->match(text);
        if (!m.hasMatch())
            continue;
        const QString yearText = m.captured(1);
        const int year = yearText.isEmpty() ? currentYear : expandYear(yearText);
        return build(year, part(m, 2), part(m, 3), part(m, 4), part(m, 5), part(m, 6));
    }
    const QRegularExpressionMatch m = timeOnly.match(text);
    if (m.hasMatch())
        return build(oleEpoch.year(), oleEpoch.month(), oleEpoch.day(), part(m, 1), part(m, 2),
            part(m, 3));
    return {};
}

QString canonical(const QDateTime& time)
{
    if (!time.isValid())
        return {};
    const QDate d = time.date();
    const QTime t = time.time();
    return QString::number(d.year()).rightJustified(4, u'0') + u'-' + pad2(d.month()) + u'-'
        + pad2(d.day()) + u' ' + pad2(t.hour()) + u':' + pad2(t.minute()) + u':'
        + pad2(t.second());
}

bool isCanonical(const QString& text)
{
    static const char shape[] = "0000-00-00 00:00:00";
    if (text.size() != 19)
        return false;
    for (int i = 0; i < 19; ++i) {
        const QChar c = text[i];
        if (shape[i] == '0') {
            if (c < u'0' || c > u'9')
                return false;
        } else if (c != QLatin1Char(shape[i])) {
            return false;
        }
    }
    return true;
}

QDateTime fromOleDate(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3e6)
        return {};
    // Jet: the integer part counts days, the fraction's magnitude is the time.
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    qint64 seconds = std::llround(fraction * 86400.0);
    qint64 dayCount = static_cast<qint64>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        dayCount += days < 0 ? -1 : 1;
    }
    return QDateTime(oleEpoch.addDays(dayCount), QTime(0, 0).addSecs(static_cast<int>(seconds)));
}

double toOleDate(const QDateTime& time)
{
    if (!time.isValid())
        return 0.0;
    const qint64 days = oleEpoch.daysTo(time.date());
    const double fraction = time.time().msecsSinceStartOfDay() / 86400000.0;
    return days >= 0 ? days + fraction : days - fraction;
}

QString format(const QDateTime& time, const QString& pattern)
{
    const QDate d = time.date();
    const QTime t = time.time();
    QString out;
    bool afterHour = false; // the last date part written was h or hh
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    auto runLength = [&](QChar letter) {
        qsizetype j = i;
        while (j < n && pattern[j].toLower() == letter)
            ++j;
        return j - i;
    };
    // True when the next date part after position `from` is s or ss.
    auto secondsFollow = [&](qsizetype from) {
        for (qsizetype j = from; j < n; ++j) {
            const QChar c = pattern[j].toLower();
            if (c == u's')
                return true;
            if (c == u'y' || c == u'm' || c == u'd' || c == u'h' || c == u'n')
                return false;
        }
        return false;
    };
    while (i < n) {
        const QChar c = pattern[i];
        const QChar lower = c.toLower();
        if (c == u'\\' && i + 1 < n) {
            out += pattern[i + 1];
            i += 2;
            continue;
        }
        if (c == u'"') {
            const qsizetype close = pattern.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? n : close;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (lower == u'y') {
            const qsizetype len = runLength(u'y');
            if (len >= 3) {
                out += QString::number(d.year()).rightJustified(4, u'0');
                i += qMin<qsizetype>(len, 4);
            } else if (len == 2) {
                out += pad2(d.year() % 100);
                i += 2;
            } else {
                out += c;
                ++i;
            }
            afterHour = false;
            continue;
        }
        if (lower == u'm' || lower == u'd' || lower == u'h' || lower == u'n' || lower == u's') {
            const qsizetype len = qMin<qsizetype>(runLength(lower), 2);
            int value = 0;
            bool hour = false;
            if (lower == u'm') {
                const bool minutes = afterHour || secondsFollow(i + len);
                value = minutes ? t.minute() : d.month();
            } else if (lower == u'd') {
                value = d.day();
            } else if (lower == u'h') {
                value = t.hour();
                hour = true;
            } else if (lower == u'n') {
                value = t.minute();
            } else {
                value = t.second();
            }
            out += len == 2 ? pad2(value) : QString::number(value);
            i += len;
            afterHour = hour;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace JetDate
