#include "receipt/PrintPreview.h"

#include "app/AppPaths.h"
#include "receipt/DefaultPictures.h"
#include "receipt/PainterSurface.h"
#include "receipt/PictureFileCache.h"
#include "receipt/PreviewGeometry.h"
#include "receipt/ReceiptCanvas.h"
#include "receipt/ReceiptLayout.h"
#include "receipt/ReceiptStyle.h"

#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace {

// An enabled picture, first written from the built-in default when its file
// is missing so that later prints find it.
QImage previewPicture(bool enabled, const QString& path, QByteArray (*defaultBytes)(),
                      PictureFileCache& cache)
{
    if (!enabled || !ensurePictureFile(path, QFile::exists(path) ? QByteArray() : defaultBytes()))
        return {};
    return cache.load(path);
}

} // namespace

PrintPreview::PrintPreview(QWidget* orderForm, SettingsStore& settings, ContentSource content,
                           FunctionKeyHandler functionKey)
    : QWidget(orderForm, Qt::Tool)
    , m_orderForm(orderForm)
    , m_settings(settings)
    , m_content(std::move(content))
    , m_functionKey(std::move(functionKey))
{
    setWindowTitle(QStringLiteral("打印预览"));
    setFocusPolicy(Qt::StrongFocus);

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("分组框1"));
    m_frame->move(6, 0);
    m_visible = new ReceiptCanvas(m_frame);
    m_visible->setObjectName(QStringLiteral("画板1"));
    m_visible->move(2, 7);
    m_scrollBar = new QScrollBar(Qt::Vertical, m_frame);
    m_scrollBar->setObjectName(QStringLiteral("纵向滚动条1"));
    m_scrollBar->setRange(0, 0);
    // The drawing canvas lies outside the window's visible area.
    m_canvas = new ReceiptCanvas(this);
    m_canvas->setObjectName(QStringLiteral("画板2"));
    m_canvas->move(304, 0);

    connect(m_scrollBar, &QScrollBar::valueChanged, this, &PrintPreview::showFrom);
    m_orderForm->installEventFilter(this);
}

void PrintPreview::RefreshPreview()
{
    if (isVisible())
        redraw();
}

void PrintPreview::TogglePreview()
{
    if (isVisible())
        close();
    else
        show();
}

int PrintPreview::visibleHeight() const { return m_frame->height() - 10; }

void PrintPreview::dockToOrderForm()
{
    m_docking = true;
    move(m_orderForm->x() + m_orderForm->frameGeometry().width(), m_orderForm->y());
    m_docking = false;
}

void PrintPreview::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    const int windowHeight = m_orderForm->height() + 5;
    resize(width(), windowHeight);
    m_frame->resize(m_frame->width(), windowHeight - 33);
    m_visible->resize(m_visible->width(), m_frame->height() - 10);
    m_scrollBar->setGeometry(m_scrollBar->x(), 8, 18, m_frame->height() - 10);
    dockToOrderForm();
    m_scrollBar->setMaximum(0);
    redraw();
}

void PrintPreview::redraw()
{
    m_scrollBar->setValue(0);

    const PreviewWidths widths = previewWidthsFor(ReadPaperType(m_settings));
    resize(widths.window, height());
    m_frame->resize(widths.frame, m_frame->height());
    m_visible->resize(widths.canvas, m_visible->height());
    m_scrollBar->move(widths.scrollLeft, 8);
    m_canvas->resize(widths.canvas, kPreviewCanvasHeight);

    const ReceiptStyle style = ReceiptStyle::fromSettings(m_settings);
    // The canvas buffer is kept between redraws; only its pixels are redrawn.
    QImage& canvas = m_canvas->image();
    if (canvas.width() != widths.canvas)
        canvas = QImage(widths.canvas, kPreviewCanvasHeight, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        const QImage top = previewPicture(style.option(ReceiptOptionIndex::TopPicture).enabled,
                                          AppPaths::topPicturePath(), defaultTopPictureBytes, m_topPicture);
        const QImage bottom =
            previewPicture(style.option(ReceiptOptionIndex::BottomPicture).enabled,
                           AppPaths::bottomPicturePath(), defaultBottomPictureBytes,
                           m_bottomPicture);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        PainterSurface surface(painter, PainterSurface::kScreenUnitsPerPoint);
        m_receiptBottom = ReceiptLayout(surface, widths.canvas, style, m_content(), &top, &bottom,
                                        ReceiptTarget::Preview);
    }
    m_canvas->update();

    m_scrollBar->setMaximum(previewScrollMaximum(m_receiptBottom, visibleHeight()));
    showFrom(0);
}

void PrintPreview::showFrom(int position)
{
    const QImage& canvas = m_canvas->image();
    m_visible->setImage(canvas.copy(0, position, canvas.width(), m_visible->height()));
}

bool PrintPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_orderForm && isVisible() && !m_docking
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        dockToOrderForm();
    return QWidget::eventFilter(watched, event);
}

void PrintPreview::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_docking || !isVisible())
        return;
    m_docking = true;
    m_orderForm->move(x() - m_orderForm->frameGeometry().width(), y());
    m_docking = false;
}

void PrintPreview::keyReleaseEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (!event->isAutoRepeat() && key >= Qt::Key_F1 && key <= Qt::Key_F12 && m_functionKey) {
        m_functionKey(key);
        return;
    }
    QWidget::keyReleaseEvent(event);
}
