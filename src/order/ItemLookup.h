#pragma once

#include "order/MenuCatalogue.h"

#include <QObject>

class OrderForm;
class PickListModel;

// The code box 编辑框_项目代号 and the pick list 超级列表框2: items are found
// by numeric or letter code and added to the grid with a quantity.
class ItemLookup : public QObject {
    Q_OBJECT
public:
    explicit ItemLookup(OrderForm& form);

    void LoadMenuCatalogue();
    void FilterPickList();
    void AddSelectedItem();
    const MenuCatalogue& catalogue() const { return m_catalogue; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Moves the pick list's selection by one row, staying within the list.
    void MoveSelection(int step);
    void SelectRow(int row);

    OrderForm& m_form;
    MenuCatalogue m_catalogue;
    PickListModel* m_pickList = nullptr;
};
