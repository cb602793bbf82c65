#pragma once

class QImage;
class ReceiptSurface;
struct ReceiptContent;
struct ReceiptStyle;

// The printer and the preview draw the separator differently.
enum class ReceiptTarget { Printer, Preview };

// Draws the whole receipt from `y` downwards on a surface `width` units wide
// and returns the y below its last line. A picture is drawn when its option
// is enabled and it is given (null or an empty image: left out, no space).
int ReceiptLayout(ReceiptSurface& surface, int width, const ReceiptStyle& style,
                  const ReceiptContent& content, const QImage* top, const QImage* bottom,
                  ReceiptTarget target, int y = 0);
