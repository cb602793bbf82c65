#pragma once

#include <QObject>
#include <QStringList>

class OrderForm;

// The order form's in-memory copy of 桌号: code and name per row, in table order.
struct TableList {
    QStringList codes;
    QStringList names;
};

// Table code and name, the delivery customer (telephone, name, address) and
// the note. A known telephone fills in the customer's name and address.
class DeliveryDetails : public QObject {
    Q_OBJECT
public:
    explicit DeliveryDetails(OrderForm& form);

    void LoadTableList();
    const TableList& tableList() const { return m_tables; }

    void TableCodeChanged();
    void TelephoneChanged();
    void SaveCustomer();

private:
    OrderForm& m_form;
    TableList m_tables;
};
