#include "common/DateText.h"

QString dateText(const QDate& date)
{
    return QString::number(date.year()) + u'年' + QString::number(date.month()) + u'月'
        + QString::number(date.day()) + u'日';
}

QString dateTimeText(const QDateTime& time)
{
    const QTime t = time.time();
    QString text = dateText(time.date());
    const int parts = t.second() != 0 ? 3 : t.minute() != 0 ? 2 : t.hour() != 0 ? 1 : 0;
    if (parts >= 1)
        text += QString::number(t.hour()) + u'时';
    if (parts >= 2)
        text += QString::number(t.minute()) + u'分';
    if (parts >= 3)
        text += QString::number(t.second()) + u'秒';
    return text;
}
