#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class LineCellDelegate;
class OrderForm;
class QPoint;

// The ordered-items grid 高级表格1 and the discount and payment fields: the
// grid's rows (header row, lines, one blank row), the arithmetic that turns
// them into a total, and the rules by which each field follows the others.
class OrderLines : public QObject {
    Q_OBJECT
public:
    explicit OrderLines(OrderForm& form);

    // Header row "品名" "数量" "单位" "小计", first column 115 px, one blank row.
    void SetUpGrid();
    // The catalogue names offered by the name column's drop-down.
    void SetNameChoices(const QStringList& names);

    // Puts an item into the blank last row and recalculates; false when there is none.
    bool AddLine(const QString& name, const QString& quantity);
    void RecalculateRow();
    void RecalculateTotals();
    void DeleteCurrentRow();
    // Header and one blank row again.
    void ClearLines();
    // Rows below the header whose trimmed name is not empty.
    int lineCount() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RecalculateRow(int row, int column);
    // Column 3 of every row, header included (its text reads as 0).
    double SumOfLines() const;
    // The discount amount, or 0 when no discount name is chosen.
    double DiscountAmount() const;
    // 合计, then 已支付 (unless paid on delivery), then 实付.
    void WriteTotals(double total);
    // 已支付 follows 实付, or is empty when nothing is paid yet.
    void ApplyPaymentRule();
    void AppendBlankRow();
    void PaintCellsWhite();
    void ShowContextMenu(const QPoint& pos);
    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString& text);

    OrderForm& m_form;
    LineCellDelegate* m_delegate = nullptr;
};
