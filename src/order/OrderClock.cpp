#include "order/OrderClock.h"

#include "common/Clock.h"
#include "common/DateText.h"
#include "common/Numbers.h"
#include "order/OrderForm.h"
#include "order/TimeFormatWindow.h"
#include "storage/Database.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

OrderClock::OrderClock(OrderForm& form) : m_form(form), m_today(Clock::current().now().date())
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &OrderClock::Tick);
    connect(form.ui().按钮_时间设置, &QPushButton::clicked, this, &OrderClock::OpenTimeFormatWindow);
}

void OrderClock::start() { m_timer.start(); }

void OrderClock::stop() { m_timer.stop(); }

int OrderClock::NextOrderNumber()
{
    Database& db = m_form.database();
    const QString where = QStringLiteral(" where  时间>cdate('") + dateText(m_today)
        + QStringLiteral("') and 时间<=cdate('") + dateText(m_today.addDays(1))
        + QStringLiteral("')");

    int highest = 0;
    if (db.openQuery(QStringLiteral("Select max(编号) from 存单") + where)) {
        highest = db.integer(0);
        db.closeQuery();
    }
    QString count;
    if (db.openQuery(QStringLiteral("select count(*) from 存单") + where)) {
        count = db.text(0);
        db.closeQuery();
    }
    double income = 0;
    if (db.openQuery(QStringLiteral("SELECT sum(实付) FROM 存单") + where)) {
        income = db.number(0);
        db.closeQuery();
    }
    m_form.ui().状态条1_今日数量->setText(QStringLiteral("今日打单数量：") + count);
    m_form.ui().状态条1_今日收入->setText(QStringLiteral("今日收入总额：") + numberToText(income));
    return highest + 1;
}

QString OrderClock::FormatTime(const QDateTime& time, int format)
{
    switch (format) {
    case 1: return time.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    case 2: return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    default: return time.toString(QStringLiteral("MM-dd HH:mm"));
    }
}

void OrderClock::FormatOrderTime(const QDateTime& time)
{
    m_form.ui().编辑框_时间->setText(FormatTime(time, m_timeFormat));
}

void OrderClock::FormatOrderTime() { FormatOrderTime(Clock::current().now()); }

void OrderClock::Tick()
{
    m_blinkYellow = !m_blinkYellow;
    const QString colour = m_blinkYellow ? QStringLiteral("background-color: rgb(255, 255, 0);")
                                         : QStringLiteral("background-color: rgb(128, 224, 0);");
    m_form.ui().标签_使用教程->setStyleSheet(colour);
    m_form.ui().标签_无法打印->setStyleSheet(colour);

    const QDateTime now = Clock::current().now();
    if (now.date() != m_today) {
        m_today = now.date();
        m_form.ui().编辑框_编号->setText(QString::number(NextOrderNumber()));
    }
    if (!m_form.isModifyMode())
        FormatOrderTime(now);
}

void OrderClock::setTimeFormat(int format)
{
    m_timeFormat = format;
    m_form.settings().WriteSetting(QStringLiteral("时间格式"), QString::number(format));
}

void OrderClock::ReadTimeFormat()
{
    m_timeFormat = textToInt(m_form.settings().ReadSetting(QStringLiteral("时间格式"),
                                                            QStringLiteral("0")));
}

void OrderClock::OpenTimeFormatWindow()
{
    TimeFormatWindow window(*this, &m_form);
    window.exec();
    m_form.RefreshPreview();
}
