#include "order/ItemLookup.h"

#include "common/Dialogs.h"
#include "order/OrderForm.h"
#include "order/OrderLines.h"
#include "order/PickListModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeView>

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

} // namespace

ItemLookup::ItemLookup(OrderForm& form) : m_form(form)
{
    OrderFormControls& ui = m_form.ui();
    QTreeView* list = ui.超级列表框2;
    m_pickList = new PickListModel(m_catalogue, this); // goes with the catalogue it reads
    list->setModel(m_pickList);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setItemsExpandable(false);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setStretchLastSection(true);
    list->setColumnWidth(0, 8);
    list->setColumnWidth(3, 160);
    list->installEventFilter(this);

    ui.编辑框_项目代号->installEventFilter(this);
    connect(ui.编辑框_项目代号, &QLineEdit::textChanged, this, &ItemLookup::FilterPickList);
    connect(list, &QAbstractItemView::doubleClicked, this, &ItemLookup::AddSelectedItem);
}

void ItemLookup::LoadMenuCatalogue()
{
    m_catalogue.load(m_form.database());
    QStringList names = m_catalogue.names;
    names.removeDuplicates();
    m_form.lines().SetNameChoices(names);
    // The rows on show point into the old catalogue.
    FilterPickList();
}

void ItemLookup::FilterPickList()
{
    const QString text = m_form.ui().编辑框_项目代号->text().trimmed();
    m_pickList->setEntries(text.isEmpty() ? QVector<qsizetype>()
                                          : MatchingEntries(m_catalogue, text));
    SelectRow(0);
}

void ItemLookup::AddSelectedItem()
{
    OrderFormControls& ui = m_form.ui();
    const QModelIndex current = ui.超级列表框2->currentIndex();
    if (!current.isValid() || !ui.超级列表框2->selectionModel()->isRowSelected(current.row()))
        return;
    const QString name = m_catalogue.names.value(m_pickList->entryAt(current.row()));
    const std::optional<QString> quantity = Dialogs::current().prompt(
        &m_form, QStringLiteral("菜品选择"),
        QStringLiteral("请输入菜品：") + name
            + QStringLiteral(" 的数量。\r\n\r\n按 Esc键 取消选择。"),
        QStringLiteral("1"), true);
    if (!quantity)
        return;
    if (!m_form.lines().AddLine(name, *quantity))
        return;
    ui.编辑框_项目代号->setFocus();
    ui.编辑框_项目代号->selectAll();
}

bool ItemLookup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    OrderFormControls& ui = m_form.ui();
    if (watched == ui.超级列表框2) {
        if (!isEnter(key->key()))
            return false;
        AddSelectedItem();
        return true;
    }
    if (watched != ui.编辑框_项目代号)
        return false;
    switch (key->key()) {
    case Qt::Key_Up: MoveSelection(-1); return true;
    case Qt::Key_Down: MoveSelection(1); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: AddSelectedItem(); return true;
    case Qt::Key_Period: return !(key->modifiers() & Qt::KeypadModifier);
    default: return false;
    }
}

void ItemLookup::MoveSelection(int step)
{
    const QModelIndex current = m_form.ui().超级列表框2->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row() + step;
    if (row >= 0 && row < m_pickList->rowCount())
        SelectRow(row);
}

void ItemLookup::SelectRow(int row)
{
    QTreeView* list = m_form.ui().超级列表框2;
    const QModelIndex index = m_pickList->index(row, 0);
    if (!index.isValid())
        return;
    list->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list->scrollTo(index);
}
