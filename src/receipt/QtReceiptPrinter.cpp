#include "receipt/QtReceiptPrinter.h"

#include "receipt/PainterSurface.h"

#include <QPrintDialog>

QtReceiptPrinter::QtReceiptPrinter(QWidget* parent, PrinterChooser chooser)
    : m_parent(parent), m_chooser(std::move(chooser)), m_printer(QPrinter::HighResolution)
{
}

QtReceiptPrinter::~QtReceiptPrinter()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool QtReceiptPrinter::startJob(bool showDialog)
{
    if (showDialog) {
        if (m_chooser) {
            if (!m_chooser(m_printer))
                return false;
        } else {
            QPrintDialog dialog(&m_printer, m_parent);
            if (dialog.exec() != QDialog::Accepted)
                return false;
        }
    }
    if (!m_painter.begin(&m_printer))
        return false;
    // The painter's origin is the top left of the printable area; one
    // logical unit becomes 0.1 mm at the printer's resolution.
    const double devicePerTenthMm = m_printer.resolution() / 254.0;
    m_painter.scale(devicePerTenthMm, devicePerTenthMm);
    m_surface = std::make_unique<PainterSurface>(m_painter, PainterSurface::kTenthMillimetresPerPoint);
    return true;
}

ReceiptSurface& QtReceiptPrinter::page() { return *m_surface; }

void QtReceiptPrinter::endJob()
{
    m_surface.reset();
    m_painter.end();
}
