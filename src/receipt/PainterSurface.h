#pragma once

#include "receipt/ReceiptSurface.h"

#include <QFont>

class QPainter;

// Draws the receipt with a QPainter whose logical unit is the surface unit:
// a pixel on the preview canvas, 0.1 mm on the printer page. Fonts are set by
// pixel size in that unit so that a point stays a true point on either.
class PainterSurface final : public ReceiptSurface {
public:
    // Units per typographic point: 96/72 on screen, 254/72 at 0.1 mm.
    static constexpr double kScreenUnitsPerPoint = 96.0 / 72.0;
    static constexpr double kTenthMillimetresPerPoint = 254.0 / 72.0;

    PainterSurface(QPainter& painter, double unitsPerPoint);

    void setFont(int size, bool bold) override;
    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    void drawText(int x, int y, const QString& text) override;
    void drawPicture(const QImage& picture, const QRect& target) override;

private:
    QPainter& m_painter;
    const double m_unitsPerPoint;
    QFont m_font;
};
