#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class QTableWidget;

// Columns of the ordered-items grid; row 0 holds their headers.
enum OrderLineColumn { NameColumn = 0, QuantityColumn = 1, UnitColumn = 2, AmountColumn = 3 };

// The text of a grid cell; a cell without an item reads as empty text.
QString GridCellText(const QTableWidget* grid, int row, int column);

// Editors of the ordered-items grid. Whether a cell may be edited is decided
// here, each time an edit starts: the name column always, the unit column
// never, quantity and line amount only on a row that has a name; the header
// row never. The name editor offers the catalogue names as a drop-down.
class LineCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // The stored column lengths of 菜名 and 单位.
    static constexpr int kNameLength = 32;
    static constexpr int kUnitLength = 8;

    using QStyledItemDelegate::QStyledItemDelegate;

    void setNameChoices(const QStringList& names) { m_names = names; }
    const QStringList& nameChoices() const { return m_names; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    // The operator changed the cell's text (typing or choosing a name).
    void cellEdited(int row, int column);

private:
    QStringList m_names;
};
