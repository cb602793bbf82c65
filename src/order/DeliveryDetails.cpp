#include "order/DeliveryDetails.h"

#include "order/OrderForm.h"
#include "order/RefillingComboBox.h"
#include "storage/Database.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

DeliveryDetails::DeliveryDetails(OrderForm& form) : m_form(form)
{
    OrderFormControls& ui = form.ui();
    connect(ui.编辑框_时间2, &QLineEdit::textChanged, this, &DeliveryDetails::TableCodeChanged);
    connect(ui.编辑框_电话, &QLineEdit::textChanged, this, &DeliveryDetails::TelephoneChanged);
    connect(ui.按钮_保存客户, &QPushButton::clicked, this, &DeliveryDetails::SaveCustomer);
    connect(ui.组合框_桌号, &QComboBox::activated, &form, [&form] { form.RefreshPreview(); });
}

void DeliveryDetails::LoadTableList()
{
    m_tables = TableList();
    Database& db = m_form.database();
    if (!db.openQuery(QStringLiteral("Select * from 桌号")))
        return;
    for (; !db.atEnd(); db.moveNext()) {
        m_tables.codes << db.text(QStringLiteral("代号"));
        m_tables.names << db.text(QStringLiteral("桌号名称"));
    }
    db.closeQuery();
}

void DeliveryDetails::TableCodeChanged()
{
    RefillingComboBox* box = m_form.ui().组合框_桌号;
    const QString code = m_form.ui().编辑框_时间2->text();
    const QSignalBlocker blocker(box);
    box->clear();
    for (qsizetype i = 0; i < m_tables.names.size(); ++i) {
        box->addItem(m_tables.names[i]);
        if (m_tables.codes[i] == code) {
            box->setCurrentIndex(box->count() - 1);
            return;
        }
    }
    box->setCurrentIndex(-1);
}

void DeliveryDetails::TelephoneChanged()
{
    const QString telephone = m_form.ui().编辑框_电话->text().trimmed();
    QString name;
    QString address;
    Database& db = m_form.database();
    // Asks for the matching row rather than walking every customer: the first
    // customer in table order with exactly this telephone.
    if (db.openQuery(QStringLiteral("Select 姓名,地址 from 客户 where 电话='") + sqlText(telephone)
                     + QStringLiteral("' order by ID"))) {
        name = db.text(QStringLiteral("姓名"));
        address = db.text(QStringLiteral("地址"));
        db.closeQuery();
    }
    m_form.ui().编辑框_姓名->setText(name);
    m_form.ui().编辑框_地址->setText(address);
}

void DeliveryDetails::SaveCustomer()
{
    const QString telephone = m_form.ui().编辑框_电话->text().trimmed();
    const QString name = m_form.ui().编辑框_姓名->text().trimmed();
    const QString address = m_form.ui().编辑框_地址->text().trimmed();
    if (telephone.isEmpty() || (name.isEmpty() && address.isEmpty()))
        return;
    Database& db = m_form.database();
    bool known = false;
    if (db.openQuery(QStringLiteral("Select ID from 客户 where 电话='") + sqlText(telephone)
                     + u'\'')) {
        known = !db.atEnd();
        db.closeQuery();
    }
    if (!known) {
        db.execute(QStringLiteral("insert into 客户 (电话,姓名,地址) values ('") + sqlText(telephone)
                   + QStringLiteral("','") + sqlText(name) + QStringLiteral("','")
                   + sqlText(address) + QStringLiteral("')"));
    }
}
