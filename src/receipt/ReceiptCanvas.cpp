#include "receipt/ReceiptCanvas.h"

#include <QPainter>

ReceiptCanvas::ReceiptCanvas(QWidget* parent) : QWidget(parent) {}

void ReceiptCanvas::setImage(QImage image)
{
    m_image = std::move(image);
    update();
}

void ReceiptCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(0, 0, m_image);
}
