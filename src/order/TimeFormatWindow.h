#pragma once

#include <QDialog>

class OrderClock;
class QCheckBox;

// Three check boxes, one per order-time format, and "确定".
class TimeFormatWindow : public QDialog {
    Q_OBJECT
public:
    TimeFormatWindow(OrderClock& clock, QWidget* parent);

private:
    void choose(int format);

    OrderClock& m_clock;
    QCheckBox* m_boxes[3];
};
