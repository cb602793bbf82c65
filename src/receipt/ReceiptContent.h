#pragma once

#include <QString>
#include <QVector>

// One row of the items grid as the receipt shows it.
struct ReceiptLine {
    QString name, quantity, unit, amount;
};

// The order form's fields at the moment a receipt is drawn.
struct ReceiptContent {
    QString orderNumber, header, shopName, payment, orderTime;
    // Grid rows after the heading row, in grid order, blank rows included.
    QVector<ReceiptLine> lines;
    QString discountName, discountCount, discountAmount, total, paid;
    QString table, name, telephone, address, notes;
};
