#include "order/Settling.h"

#include "common/Dialogs.h"
#include "common/Numbers.h"
#include "order/OrderClock.h"
#include "order/OrderForm.h"
#include "order/LineCellDelegate.h"
#include "order/OrderLines.h"
#include "order/RefillingComboBox.h"
#include "storage/Database.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

// A field read as a number and written back, so the statement always holds a valid number.
QString numberField(const QLineEdit* edit) { return numberToText(textToNumber(edit->text())); }

} // namespace

Settling::Settling(OrderForm& form) : QObject(&form), m_form(form)
{
    OrderFormControls& ui = form.ui();
    connect(ui.按钮_打单结算, &QPushButton::clicked, this, &Settling::SettleOrder);
    connect(ui.按钮_打单结算1, &QPushButton::clicked, this, &Settling::PrintOnly);
    connect(ui.按钮_清空, &QPushButton::clicked, this, &Settling::AskClearForm);
}

bool Settling::CheckHasLines()
{
    if (m_form.lines().lineCount() > 0)
        return true;
    showMessage(&m_form, QStringLiteral("无法完成，还没有选择任何菜品。"), DialogIcon::Information,
                QStringLiteral("提示"));
    return false;
}

Settling::OrderValues Settling::ReadOrderValues() const
{
    const OrderFormControls& ui = m_form.ui();
    OrderValues v;
    // The number goes into the statement unquoted: only its integer value may.
    v.number = QString::number(textToInt(ui.编辑框_编号->text().trimmed()));
    v.header = ui.组合框_票头->currentText();
    v.shopName = ui.组合框_店铺名称->currentText();
    v.time = ui.编辑框_时间->text();
    v.discountName = ui.组合框_减免->currentText();
    v.discountCount = numberField(ui.编辑框_减免份数);
    v.discountAmount = numberField(ui.编辑框_减免金额);
    v.total = numberField(ui.编辑框_合计);
    v.payment = ui.组合框_付款方式->currentText();
    v.paid = numberField(ui.编辑框_已支付);
    v.charged = numberField(ui.编辑框_实付);
    v.table = ui.组合框_桌号->currentText();
    v.telephone = ui.编辑框_电话->text();
    v.name = ui.编辑框_姓名->text();
    v.address = ui.编辑框_地址->text();
    v.settled = isZero(textToNumber(ui.编辑框_实付->text())) ? QStringLiteral("0")
                                                               : QStringLiteral("1");
    v.note = ui.编辑框_备注->toPlainText();
    return v;
}

bool Settling::InsertNewOrder(const OrderValues& v)
{
    return m_form.database().execute(
        QStringLiteral("insert into 存单 (编号,票头,店铺名称,时间,减免,减免份数,减免金额,合计,支付方式,"
                       "已付,实付,桌号,电话,姓名,地址,是否结算,备注) values (")
        + v.number + u',' + sqlLiteral(v.header) + u',' + sqlLiteral(v.shopName) + u',' + sqlLiteral(v.time)
        + u',' + sqlLiteral(v.discountName) + u',' + v.discountCount + u',' + v.discountAmount + u','
        + v.total + u',' + sqlLiteral(v.payment) + u',' + v.paid + u',' + v.charged + u','
        + sqlLiteral(v.table) + u',' + sqlLiteral(v.telephone) + u',' + sqlLiteral(v.name) + u','
        + sqlLiteral(v.address) + u',' + sqlLiteral(v.settled) + u',' + sqlLiteral(v.note) + u')');
}

bool Settling::UpdateStoredOrder(const OrderValues& v, const QString& id)
{
    // The note is not among the columns: a changed order keeps the note it was stored with.
    return m_form.database().execute(
        QStringLiteral("update 存单 set 编号=") + v.number + QStringLiteral(",票头=")
        + sqlLiteral(v.header) + QStringLiteral(",店铺名称=") + sqlLiteral(v.shopName)
        + QStringLiteral(",时间=") + sqlLiteral(v.time) + QStringLiteral(",减免=")
        + sqlLiteral(v.discountName) + QStringLiteral(",减免份数=") + v.discountCount
        + QStringLiteral(",减免金额=") + v.discountAmount + QStringLiteral(",合计=") + v.total
        + QStringLiteral(",支付方式=") + sqlLiteral(v.payment) + QStringLiteral(",已付=") + v.paid
        + QStringLiteral(",实付=") + v.charged + QStringLiteral(",桌号=") + sqlLiteral(v.table)
        + QStringLiteral(",电话=") + sqlLiteral(v.telephone) + QStringLiteral(",姓名=")
        + sqlLiteral(v.name) + QStringLiteral(",地址=") + sqlLiteral(v.address)
        + QStringLiteral(",是否结算=") + sqlLiteral(v.settled) + QStringLiteral(" where ID =") + id);
}

bool Settling::StoreLines(const QString& id, const QString& time)
{
    const QTableWidget* grid = m_form.ui().高级表格1;
    Database& db = m_form.database();
    for (int row = 1; row < grid->rowCount(); ++row) {
        const QString name = GridCellText(grid, row, 0).trimmed();
        if (name.isEmpty())
            continue;
        const QString quantity = numberToText(textToNumber(GridCellText(grid, row, 1).trimmed()));
        const QString unit = GridCellText(grid, row, 2).trimmed();
        const QString amount = numberToText(textToNumber(GridCellText(grid, row, 3).trimmed()));
        if (!db.execute(QStringLiteral("insert into 存单详单 (存单ID,销售时间,菜名,数量,单位,小计) values (")
                        + id + u',' + sqlLiteral(time) + u',' + sqlLiteral(name) + u',' + quantity + u','
                        + sqlLiteral(unit) + u',' + amount + u')'))
            return false;
    }
    return true;
}

bool Settling::StoreCustomer(const OrderValues& v)
{
    if (v.telephone.isEmpty())
        return true;
    Database& db = m_form.database();
    QString storedTelephone;
    int count = 0;
    if (!db.openQuery(QStringLiteral("Select * from 客户 where 电话=") + sqlLiteral(v.telephone)))
        return false;
    storedTelephone = db.text(QStringLiteral("电话"));
    count = db.integer(QStringLiteral("订餐次数"));
    db.closeQuery();
    if (storedTelephone != v.telephone) {
        return db.execute(
            QStringLiteral("insert into 客户 (电话,姓名,地址,最近订餐日期,订餐次数) values (")
            + sqlLiteral(v.telephone) + u',' + sqlLiteral(v.name) + u',' + sqlLiteral(v.address) + u','
            + sqlLiteral(v.time) + QStringLiteral(",1)"));
    }
    return db.execute(QStringLiteral("update 客户 set 最近订餐日期 = ") + sqlLiteral(v.time)
                      + QStringLiteral(",订餐次数 =") + QString::number(count + 1)
                      + QStringLiteral(" where 电话 = ") + sqlLiteral(v.telephone));
}

void Settling::SettleOrder()
{
    if (!CheckHasLines())
        return;
    // The order on the form is already stored and only its print was
    // cancelled: F12 prints it again instead of storing it a second time.
    if (m_form.ui().按钮_打单结算->isHidden()) {
        if (m_form.PrintOrder(true))
            ClearForm();
        return;
    }
    const OrderValues v = ReadOrderValues();
    Database& db = m_form.database();

    if (!m_form.isModifyMode()) {
        // Header, lines and customer go in together or not at all, and the new
        // order's ID is the one its own insert produced.
        Transaction transaction(db);
        const bool stored = transaction.isActive() && InsertNewOrder(v)
            && StoreLines(QString::number(db.lastInsertId()), v.time) && StoreCustomer(v)
            && transaction.commit();
        if (!stored) {
            showMessage(&m_form, QStringLiteral("订单保存失败，点单数据仍保留在界面上，请检查后重新结算。"),
                        DialogIcon::Critical);
            return;
        }
        m_form.ui().按钮_打单结算->hide();
        if (m_form.PrintOrder(true))
            ClearForm();
        return;
    }

    const QString id = m_form.modifyOrderId();
    {
        Transaction transaction(db);
        const bool stored = transaction.isActive()
            && db.execute(QStringLiteral("Delete * from 存单详单 where 存单ID =") + id)
            && UpdateStoredOrder(v, id) && StoreLines(id, v.time) && transaction.commit();
        if (!stored) {
            showMessage(&m_form, QStringLiteral("订单修改失败，原订单未改变，请检查后重试。"),
                        DialogIcon::Critical);
            return;
        }
    }
    if (!askYesNo(&m_form, QStringLiteral("修改成功。是否打印小票？"))) {
        ClearForm();
        return;
    }
    if (m_form.PrintOrder(true))
        ClearForm();
}

void Settling::PrintOnly()
{
    if (CheckHasLines())
        m_form.PrintOrder(false);
}

void Settling::ClearForm()
{
    OrderFormControls& ui = m_form.ui();
    ui.编辑框_编号->setText(QString::number(m_form.clock().NextOrderNumber()));
    m_form.LeaveModifyMode();
    m_form.lines().ClearLines();
    for (QLineEdit* edit : {ui.编辑框_合计, ui.编辑框_已支付, ui.编辑框_实付, ui.编辑框_时间2,
                            ui.编辑框_电话, ui.编辑框_姓名, ui.编辑框_地址})
        edit->clear();
    ui.编辑框_备注->clear();
    ui.编辑框_项目代号->setFocus();
    m_form.RefreshPreview();
}

void Settling::AskClearForm()
{
    if (askYesNo(&m_form, QStringLiteral("是否清空点单数据？")))
        ClearForm();
}
