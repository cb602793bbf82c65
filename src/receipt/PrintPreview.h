#pragma once

#include "receipt/PictureFileCache.h"
#include "receipt/ReceiptContent.h"

#include <QWidget>
#include <functional>

class QGroupBox;
class QScrollBar;
class ReceiptCanvas;
class SettingsStore;

// 打印预览: the receipt of the order being keyed, drawn beside the order form
// and docked to its right edge. The order form owns it and calls
// RefreshPreview after every change the receipt shows.
class PrintPreview final : public QWidget {
    Q_OBJECT
public:
    using ContentSource = std::function<ReceiptContent()>;
    // Receives the Qt key of each function key released in this window.
    using FunctionKeyHandler = std::function<void(int qtKey)>;

    // `orderForm` is required: the window is owned by it and docks to it.
    PrintPreview(QWidget* orderForm, SettingsStore& settings, ContentSource content,
                 FunctionKeyHandler functionKey);

    // Redraws the whole receipt from the top when the window is open.
    void RefreshPreview();
    // The 预览 button: closes the window when open, else opens it.
    void TogglePreview();

    // Where the last redraw ended, in canvas pixels.
    int receiptBottom() const { return m_receiptBottom; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void dockToOrderForm();
    void redraw();
    void showFrom(int position);
    int visibleHeight() const;

    QWidget* m_orderForm;
    SettingsStore& m_settings;
    ContentSource m_content;
    FunctionKeyHandler m_functionKey;
    QGroupBox* m_frame;
    ReceiptCanvas* m_visible;
    QScrollBar* m_scrollBar;
    ReceiptCanvas* m_canvas;
    PictureFileCache m_topPicture;
    PictureFileCache m_bottomPicture;
    int m_receiptBottom = 0;
    bool m_docking = false;
};
