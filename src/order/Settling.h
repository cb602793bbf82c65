#pragma once

#include <QObject>
#include <QString>

class OrderForm;

// The end of the work on an order: settle (store and print), print only,
// and clear the form.
class Settling : public QObject {
    Q_OBJECT
public:
    explicit Settling(OrderForm& form);

    void SettleOrder();
    void PrintOnly();
    void ClearForm();
    // The clear button and F10: asks first.
    void AskClearForm();

private:
    // The 存单 values as they go into the statements.
    struct OrderValues {
        QString number, header, shopName, time, discountName, discountCount, discountAmount,
            total, payment, paid, charged, table, telephone, name, address, settled, note;
    };
    OrderValues ReadOrderValues() const;
    bool InsertNewOrder(const OrderValues& v);
    bool UpdateStoredOrder(const OrderValues& v, const QString& id);
    bool StoreLines(const QString& id, const QString& time);
    bool StoreCustomer(const OrderValues& v);
    // False, after telling the operator, when the grid holds no line.
    bool CheckHasLines();

    OrderForm& m_form;
};
