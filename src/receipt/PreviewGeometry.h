#pragma once

#include "receipt/PaperType.h"

// Sizes of the preview window, in pixels.
struct PreviewWidths {
    int canvas;     // 画板1 and 画板2, the receipt width W
    int scrollLeft; // 纵向滚动条1
    int frame;      // 分组框1
    int window;
};

inline constexpr int kPreviewCanvasHeight = 5000;

PreviewWidths previewWidthsFor(PaperType paper);

// Largest scroll position for a receipt ending at `receiptBottom` shown
// `visibleHeight` pixels at a time; the canvas ends at kPreviewCanvasHeight.
int previewScrollMaximum(int receiptBottom, int visibleHeight);
