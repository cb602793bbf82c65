#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QTimer>

class OrderForm;

// The day's order number and totals, the one-second clock (time field,
// midnight, blinking help links) and the order-time format.
class OrderClock : public QObject {
    Q_OBJECT
public:
    explicit OrderClock(OrderForm& form);

    void start();
    void stop();

    // One more than the highest 编号 of today's orders; also writes today's
    // count and income into the status bar.
    int NextOrderNumber();
    // Writes the time into 编辑框_时间 in the current format.
    void FormatOrderTime(const QDateTime& time);
    void FormatOrderTime();
    void Tick();

    int timeFormat() const { return m_timeFormat; }
    void setTimeFormat(int format);
    void ReadTimeFormat();
    QDate today() const { return m_today; }
    // Opens the time-format window and refreshes the preview after it.
    void OpenTimeFormatWindow();

    static QString FormatTime(const QDateTime& time, int format);

private:
    OrderForm& m_form;
    QTimer m_timer;
    QDate m_today;
    int m_timeFormat = 0;
    bool m_blinkYellow = false;
};
