#include "receipt/PreviewGeometry.h"

#include <algorithm>

PreviewWidths previewWidthsFor(PaperType paper)
{
    if (paper == PaperType::Mm58)
        return {194, 196, 215, 233};
    return {267, 269, 288, 306};
}

int previewScrollMaximum(int receiptBottom, int visibleHeight)
{
    // Past the canvas there is nothing drawn to scroll to.
    const int bottom = std::min(receiptBottom, kPreviewCanvasHeight);
    return bottom > visibleHeight ? bottom - visibleHeight : 0;
}
