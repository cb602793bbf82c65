#include "order/OrderLines.h"

#include "common/Dialogs.h"
#include "common/Numbers.h"
#include "order/ItemLookup.h"
#include "order/LineCellDelegate.h"
#include "order/OrderForm.h"
#include "order/RefillingComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <cmath>

namespace {

// Quantities and amounts this large are typing or paste accidents; they would
// print in exponent form or overflow, so they count as no number at all.
constexpr double kAmountLimit = 1e12;

double bounded(double value) { return std::fabs(value) < kAmountLimit ? value : 0.0; }

double boundedNumber(const QString& text) { return bounded(textToNumber(text)); }

// The operator's text as it stands when it is a sane number (or empty), its
// cleaned number otherwise, so "inf" or "1e400" never travels further.
QString cleanAmountText(const QString& text)
{
    if (text.trimmed().isEmpty()
        || (isFiniteNumberText(text) && std::fabs(textToNumber(text)) < kAmountLimit))
        return text;
    return numberToText(boundedNumber(text));
}

bool isPaidOnDelivery(const QString& method)
{
    return method.isEmpty() || method == QStringLiteral("到付");
}

} // namespace

OrderLines::OrderLines(OrderForm& form) : m_form(form)
{
    OrderFormControls& ui = m_form.ui();
    QTableWidget* grid = ui.高级表格1;
    m_delegate = new LineCellDelegate(grid);
    grid->setItemDelegate(m_delegate);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setContextMenuPolicy(Qt::CustomContextMenu);
    grid->installEventFilter(this);

    connect(m_delegate, &LineCellDelegate::cellEdited, this,
            [this](int row, int column) { RecalculateRow(row, column); });
    connect(grid, &QTableWidget::currentCellChanged, this, [this] { PaintCellsWhite(); });
    connect(grid, &QTableWidget::cellClicked, this, [this] { PaintCellsWhite(); });
    connect(grid, &QWidget::customContextMenuRequested, this, &OrderLines::ShowContextMenu);

    connect(ui.组合框_减免, &QComboBox::activated, this, [this] {
        RecalculateTotals();
        m_form.RefreshPreview();
    });
    connect(ui.编辑框_减免金额, &QLineEdit::textChanged, this, [this] { RecalculateTotals(); });
    connect(ui.编辑框_实付, &QLineEdit::textChanged, this, [this] { ApplyPaymentRule(); });
    connect(ui.组合框_付款方式, &QComboBox::activated, this, [this] {
        ApplyPaymentRule();
        m_form.RefreshPreview();
    });
}

void OrderLines::SetUpGrid()
{
    QTableWidget* grid = m_form.ui().高级表格1;
    grid->clear();
    grid->setColumnCount(4);
    grid->setRowCount(1);
    const QStringList headers = {QStringLiteral("品名"), QStringLiteral("数量"),
                                 QStringLiteral("单位"), QStringLiteral("小计")};
    for (int column = 0; column < headers.size(); ++column) {
        auto* item = new QTableWidgetItem(headers[column]);
        item->setFlags(Qt::ItemIsEnabled);
        item->setTextAlignment(Qt::AlignCenter);
        item->setBackground(grid->palette().button());
        grid->setItem(0, column, item);
    }
    grid->setColumnWidth(NameColumn, 115);
    // The other three share what is left of the 264-pixel grid.
    for (int column = QuantityColumn; column <= AmountColumn; ++column)
        grid->setColumnWidth(column, 44);
    AppendBlankRow();
}

void OrderLines::SetNameChoices(const QStringList& names) { m_delegate->setNameChoices(names); }

bool OrderLines::AddLine(const QString& name, const QString& quantity)
{
    QTableWidget* grid = m_form.ui().高级表格1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (!cellText(row, QuantityColumn).isEmpty())
            continue;
        setCellText(row, NameColumn, name.left(LineCellDelegate::kNameLength));
        setCellText(row, QuantityColumn, quantity);
        grid->setCurrentCell(row, QuantityColumn);
        RecalculateRow();
        return true;
    }
    return false;
}

void OrderLines::RecalculateRow()
{
    const QTableWidget* grid = m_form.ui().高级表格1;
    RecalculateRow(grid->currentRow(), grid->currentColumn());
}

void OrderLines::RecalculateRow(int row, int column)
{
    QTableWidget* grid = m_form.ui().高级表格1;
    // Row 0 is the header; its texts are not a line.
    if (row < 1 || row >= grid->rowCount())
        return;
    const QString name = cellText(row, NameColumn);
    if (name.trimmed().isEmpty())
        return;

    double quantity = roundHalfAway(boundedNumber(cellText(row, QuantityColumn)),
                                    m_form.quantityDecimals());
    if (isZero(quantity))
        quantity = 1;
    setCellText(row, QuantityColumn, numberToText(quantity));

    double amount = 0;
    const MenuCatalogue& catalogue = m_form.lookup().catalogue();
    const qsizetype entry = catalogue.indexOfName(name);
    if (entry >= 0) {
        setCellText(row, UnitColumn, catalogue.units[entry].left(LineCellDelegate::kUnitLength));
        amount = textToNumber(catalogue.prices[entry]) * quantity;
    }
    if (column == AmountColumn)
        amount = boundedNumber(cellText(row, AmountColumn));
    setCellText(row, AmountColumn, numberToText(bounded(roundHalfAway(amount, 1))));

    WriteTotals(SumOfLines() - DiscountAmount());

    if (!cellText(grid->rowCount() - 1, NameColumn).trimmed().isEmpty())
        AppendBlankRow();
    m_form.RefreshPreview();
}

void OrderLines::RecalculateTotals()
{
    const double sum = SumOfLines();
    if (isZero(sum))
        return;
    WriteTotals(sum - DiscountAmount());
}

void OrderLines::DeleteCurrentRow()
{
    QTableWidget* grid = m_form.ui().高级表格1;
    const int row = grid->currentRow();
    if (row < 1 || cellText(row, NameColumn).trimmed().isEmpty())
        return;
    if (!askYesNo(&m_form, QStringLiteral("是否删除光标所在的整行数据。")))
        return;
    grid->removeRow(row);
    RecalculateRow();
    WriteTotals(SumOfLines() - DiscountAmount());
    m_form.RefreshPreview();
}

void OrderLines::ClearLines()
{
    QTableWidget* grid = m_form.ui().高级表格1;
    grid->setRowCount(1);
    AppendBlankRow();
    grid->setCurrentCell(1, NameColumn);
}

int OrderLines::lineCount() const
{
    const QTableWidget* grid = m_form.ui().高级表格1;
    int lines = 0;
    for (int row = 1; row < grid->rowCount(); ++row) {
        if (!cellText(row, NameColumn).trimmed().isEmpty())
            ++lines;
    }
    return lines;
}

bool OrderLines::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form.ui().高级表格1 && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteCurrentRow();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

double OrderLines::SumOfLines() const
{
    const QTableWidget* grid = m_form.ui().高级表格1;
    double sum = 0;
    for (int row = 0; row < grid->rowCount(); ++row)
        sum += boundedNumber(cellText(row, AmountColumn));
    return sum;
}

double OrderLines::DiscountAmount() const
{
    OrderFormControls& ui = m_form.ui();
    const QString discount = ui.组合框_减免->currentText();
    if (discount.isEmpty() || discount == QStringLiteral("无"))
        return 0;
    return boundedNumber(ui.编辑框_减免金额->text());
}

void OrderLines::WriteTotals(double total)
{
    OrderFormControls& ui = m_form.ui();
    const QString text = numberToText(total);
    ui.编辑框_合计->setText(text);
    if (!isPaidOnDelivery(ui.组合框_付款方式->currentText()))
        ui.编辑框_已支付->setText(text);
    // Writing 实付 runs the payment rule; an unchanged text emits nothing,
    // yet 已支付 was just written, so the rule runs here instead.
    const bool unchanged = ui.编辑框_实付->text() == text;
    ui.编辑框_实付->setText(text);
    if (unchanged)
        ApplyPaymentRule();
}

void OrderLines::ApplyPaymentRule()
{
    OrderFormControls& ui = m_form.ui();
    if (isPaidOnDelivery(ui.组合框_付款方式->currentText())) {
        ui.编辑框_已支付->clear();
        return;
    }
    const QString charged = ui.编辑框_实付->text();
    if (nearlyEqual(boundedNumber(charged), textToNumber(ui.编辑框_合计->text())))
        ui.编辑框_已支付->setText(ui.编辑框_合计->text());
    else
        ui.编辑框_已支付->setText(cleanAmountText(charged));
}

void OrderLines::AppendBlankRow()
{
    QTableWidget* grid = m_form.ui().高级表格1;
    const int row = grid->rowCount();
    grid->insertRow(row);
    for (int column = 0; column < grid->columnCount(); ++column) {
        auto* item = new QTableWidgetItem;
        item->setBackground(Qt::white);
        grid->setItem(row, column, item);
    }
}

void OrderLines::PaintCellsWhite()
{
    QTableWidget* grid = m_form.ui().高级表格1;
    for (int row = 1; row < grid->rowCount(); ++row) {
        for (int column = 0; column < grid->columnCount(); ++column) {
            if (QTableWidgetItem* item = grid->item(row, column))
                item->setBackground(Qt::white);
        }
    }
    if (QTableWidgetItem* current = grid->currentItem())
        current->setSelected(true);
}

void OrderLines::ShowContextMenu(const QPoint& pos)
{
    QTableWidget* grid = m_form.ui().高级表格1;
    const int row = grid->currentRow();
    if (row < 1 || row >= grid->rowCount() - 1)
        return;
    QMenu menu(grid);
    menu.setObjectName(QStringLiteral("A菜单"));
    menu.addAction(QStringLiteral("删除行"), this, &OrderLines::DeleteCurrentRow);
    menu.exec(grid->viewport()->mapToGlobal(pos));
}

QString OrderLines::cellText(int row, int column) const
{
    return GridCellText(m_form.ui().高级表格1, row, column);
}

void OrderLines::setCellText(int row, int column, const QString& text)
{
    QTableWidget* grid = m_form.ui().高级表格1;
    if (QTableWidgetItem* item = grid->item(row, column))
        item->setText(text);
    else
        grid->setItem(row, column, new QTableWidgetItem(text));
}
