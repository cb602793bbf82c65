#pragma once

#include "receipt/ReceiptPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>

class PainterSurface;
class QWidget;

// ReceiptPrinter on a QPrinter. The program sets no paper size, orientation
// or margins: the printer's own settings apply.
class QtReceiptPrinter final : public ReceiptPrinter {
public:
    // Asks the operator for the printer; true when confirmed.
    using PrinterChooser = std::function<bool(QPrinter&)>;

    // Without a chooser the QPrintDialog is shown, parented to `parent`.
    explicit QtReceiptPrinter(QWidget* parent = nullptr, PrinterChooser chooser = {});
    ~QtReceiptPrinter() override;

    bool startJob(bool showDialog) override;
    ReceiptSurface& page() override;
    void endJob() override;

    QPrinter& printer() { return m_printer; }

private:
    QWidget* m_parent;
    PrinterChooser m_chooser;
    QPrinter m_printer;
    QPainter m_painter;
    std::unique_ptr<PainterSurface> m_surface;
};
