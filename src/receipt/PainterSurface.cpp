#include "receipt/PainterSurface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

PainterSurface::PainterSurface(QPainter& painter, double unitsPerPoint)
    : m_painter(painter), m_unitsPerPoint(unitsPerPoint), m_font(painter.font())
{
    m_painter.setPen(Qt::black);
}

void PainterSurface::setFont(int size, bool bold)
{
    // A stored size of 0 or less still needs a drawable font.
    m_font.setPixelSize(std::max(1, int(std::lround(size * m_unitsPerPoint))));
    m_font.setBold(bold);
    m_painter.setFont(m_font);
}

int PainterSurface::textWidth(const QString& text)
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

int PainterSurface::textHeight(const QString& text)
{
    Q_UNUSED(text); // one line of any text is as high as the font
    return m_painter.fontMetrics().height();
}

void PainterSurface::drawText(int x, int y, const QString& text)
{
    if (!text.isEmpty())
        m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void PainterSurface::drawPicture(const QImage& picture, const QRect& target)
{
    m_painter.drawImage(target, picture);
}
