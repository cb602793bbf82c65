#pragma once

#include <QString>

class QImage;
class QRect;

// What the receipt layout draws on: the printer page or the preview canvas.
// Coordinates are integers in the surface's own unit, y downwards.
class ReceiptSurface {
public:
    virtual ~ReceiptSurface() = default;

    // Size in points; the typeface stays the surface's default.
    virtual void setFont(int size, bool bold) = 0;
    virtual int textWidth(const QString& text) = 0;
    virtual int textHeight(const QString& text) = 0;
    // The text with its top left corner at (x, y).
    virtual void drawText(int x, int y, const QString& text) = 0;
    // The picture scaled into the rectangle.
    virtual void drawPicture(const QImage& picture, const QRect& target) = 0;
};
