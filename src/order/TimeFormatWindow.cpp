#include "order/TimeFormatWindow.h"

#include "order/OrderClock.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

TimeFormatWindow::TimeFormatWindow(OrderClock& clock, QWidget* parent)
    : QDialog(parent), m_clock(clock)
{
    setObjectName(QStringLiteral("时间格式设置"));
    setWindowTitle(QString());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    const char16_t* captions[3] = {u"月-日 时:分(12-30 01:59)", u"年/月/日 时:分(2000/12/30 01:59)",
                                   u"年-月-日 时:分(2000-12-30 01:59)"};
    const int current = clock.timeFormat() == 1 || clock.timeFormat() == 2 ? clock.timeFormat() : 0;
    for (int i = 0; i < 3; ++i) {
        m_boxes[i] = new QCheckBox(QString::fromUtf16(captions[i]), this);
        m_boxes[i]->setObjectName(QStringLiteral("选择框%1").arg(i + 1));
        m_boxes[i]->setChecked(i == current);
        connect(m_boxes[i], &QCheckBox::clicked, this, [this, i] { choose(i); });
        layout->addWidget(m_boxes[i]);
    }
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("按钮_确定"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok);
}

void TimeFormatWindow::choose(int format)
{
    for (int i = 0; i < 3; ++i)
        m_boxes[i]->setChecked(i == format);
    m_clock.setTimeFormat(format);
}
