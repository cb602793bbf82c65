#include "order/LineCellDelegate.h"

#include <QTableWidget>

#include <QComboBox>
#include <QLineEdit>

namespace {

bool mayEdit(const QModelIndex& index)
{
    if (index.row() == 0 || index.column() == UnitColumn)
        return false;
    if (index.column() == NameColumn)
        return true;
    return !index.siblingAtColumn(NameColumn).data().toString().trimmed().isEmpty();
}

} // namespace

QWidget* LineCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const
{
    if (!mayEdit(index))
        return nullptr;
    if (index.column() != NameColumn)
        return new QLineEdit(parent);

    auto* box = new QComboBox(parent);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(m_names);
    box->lineEdit()->setMaxLength(kNameLength);
    // A name picked from the list is taken at once, as if typed and confirmed.
    connect(box, &QComboBox::activated, this, [this, box] {
        auto* self = const_cast<LineCellDelegate*>(this);
        emit self->commitData(box);
        emit self->closeEditor(box);
    });
    return box;
}

void LineCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data().toString();
    if (auto* box = qobject_cast<QComboBox*>(editor))
        box->setEditText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->setText(text);
}

void LineCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    QString text;
    if (auto* box = qobject_cast<QComboBox*>(editor))
        text = box->currentText();
    else if (auto* edit = qobject_cast<QLineEdit*>(editor))
        text = edit->text();
    else
        return;
    if (text == index.data().toString())
        return;
    model->setData(index, text);
    emit const_cast<LineCellDelegate*>(this)->cellEdited(index.row(), index.column());
}

QString GridCellText(const QTableWidget* grid, int row, int column)
{
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}
