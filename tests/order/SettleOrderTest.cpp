#include "order/ItemLookup.h"
#include "order/OrderClock.h"
#include "order/OrderLines.h"
#include "order/RefillingComboBox.h"
#include "order/Settling.h"
#include "receipt/RecordingPrinter.h"
#include "storage/SettingsStore.h"
#include "support/OrderFormFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

class SettleOrderTest : public OrderFormFixture {
protected:
    void SetUp() override
    {
        OrderFormFixture::SetUp();
        form->setReceiptPrinter(&printer);
    }
    void add(const QString& name, const QString& quantity)
    {
        ASSERT_TRUE(form->lines().AddLine(name, quantity));
    }
    void choose(QComboBox* box, const QString& text)
    {
        box->setCurrentIndex(box->findText(text));
        emit box->activated(box->currentIndex());
    }
    QString order(const QString& column, int id = 1)
    {
        return data.scalar(QStringLiteral("select ") + column + QStringLiteral(" from 存单 where ID=")
                           + QString::number(id));
    }
    QString count(const QString& table)
    {
        return data.scalar(QStringLiteral("select count(*) from ") + table);
    }
    void settle() { form->settling().SettleOrder(); }

    RecordingPrinter printer;
};

TEST_F(SettleOrderTest, ANewOrderIsStoredPrintedAndTheFormCleared)
{
    SettingsStore(data.db()).WriteSetting(QStringLiteral("打印份数"), QStringLiteral("3"));
    add(QStringLiteral("白菜肉水饺"), QStringLiteral("2"));
    choose(ui().组合框_付款方式, QStringLiteral("现金支付"));
    ui().编辑框_电话->setText(QStringLiteral("13800000000"));
    ui().编辑框_姓名->setText(QStringLiteral("张三"));
    ui().编辑框_地址->setText(QStringLiteral("人民路1号"));
    ui().编辑框_备注->setPlainText(QStringLiteral("少辣"));
    form->RefreshPreview();
    const int filledReceipt = form->preview()->receiptBottom();
    settle();

    EXPECT_EQ(count(QStringLiteral("存单")), QStringLiteral("1"));
    const std::pair<const char16_t*, const char16_t*> stored[] = {
        {u"编号", u"1"}, {u"票头", u"微信点餐"}, {u"店铺名称", u"白云快餐"},
        {u"时间", u"2024-03-07 09:05:00"}, {u"合计", u"31.0000"}, {u"已付", u"31.00000000"},
        {u"实付", u"31.00000000"}, {u"支付方式", u"现金支付"}, {u"减免份数", u"0"},
        {u"电话", u"13800000000"}, {u"是否结算", u"TRUE"}, {u"备注", u"少辣"}};
    for (const auto& [column, value] : stored)
        EXPECT_EQ(order(QString::fromUtf16(column)), QString::fromUtf16(value))
            << QString::fromUtf16(column).toStdString();
    EXPECT_EQ(data.scalar(QStringLiteral("select 菜名 || '|' || 数量 || '|' || 单位 || '|' || (小计 + 0.0) || '|' || 存单ID from 存单详单")),
              QStringLiteral("白菜肉水饺|2.0|份|31.0|1"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 姓名 || '|' || 地址 || '|' || 订餐次数 from 客户")),
              QStringLiteral("张三|人民路1号|1"));

    ASSERT_EQ(printer.jobs.size(), 3);
    EXPECT_TRUE(printer.jobs[0].dialog);
    EXPECT_FALSE(printer.jobs[1].dialog);
    EXPECT_NE(printer.jobs[0].page.find(QStringLiteral("白菜肉水饺")), nullptr);

    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("2"));
    EXPECT_EQ(form->lines().lineCount(), 0);
    EXPECT_EQ(ui().编辑框_电话->text(), QString());
    EXPECT_EQ(ui().编辑框_备注->toPlainText(), QString());
    EXPECT_EQ(ui().编辑框_合计->text(), QString());
    EXPECT_EQ(ui().组合框_付款方式->currentText(), QStringLiteral("现金支付")); // stays
    EXPECT_EQ(ui().状态条1_今日数量->text(), QStringLiteral("今日打单数量：1"));
    EXPECT_EQ(ui().状态条1_今日收入->text(), QStringLiteral("今日收入总额：31"));
    EXPECT_LT(form->preview()->receiptBottom(), filledReceipt); // the preview follows the cleared form
}

TEST_F(SettleOrderTest, PaymentOnDeliveryAndTheSettledFlag)
{
    struct Case {
        QString item;
        QString paid, charged, settled;
    };
    const Case cases[] = {
        {QStringLiteral("白菜肉水饺"), QStringLiteral("0.00000000"), QStringLiteral("15.50000000"), QStringLiteral("TRUE")},
        {QStringLiteral("不在菜单里"), QStringLiteral("0.00000000"), QStringLiteral("0.00000000"), QStringLiteral("FALSE")},
    };
    int id = 0;
    for (const Case& c : cases) {
        add(c.item, QStringLiteral("1"));
        choose(ui().组合框_付款方式, QStringLiteral("到付"));
        settle();
        ++id;
        EXPECT_EQ(order(QStringLiteral("已付"), id), c.paid);
        EXPECT_EQ(order(QStringLiteral("实付"), id), c.charged);
        EXPECT_EQ(order(QStringLiteral("是否结算"), id), c.settled);
    }
    EXPECT_EQ(count(QStringLiteral("客户")), QStringLiteral("0")); // no telephone, no customer
}

TEST_F(SettleOrderTest, OneCustomerSettledTwiceIsCountedNotDuplicated)
{
    data.exec(QStringLiteral("insert into 客户 (电话,姓名,地址,订餐次数) values ('139','李四','老地址',1)"));
    for (const QTime at : {QTime(9, 5), QTime(10, 30)}) {
        clock.set(QDateTime(QDate(2024, 3, 7), at));
        form->clock().FormatOrderTime();
        add(QStringLiteral("王老吉"), QStringLiteral("1"));
        ui().编辑框_电话->setText(QStringLiteral("139"));
        ui().编辑框_地址->setText(QStringLiteral("新地址"));
        settle();
    }
    EXPECT_EQ(count(QStringLiteral("客户")), QStringLiteral("1"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 订餐次数 || '|' || 最近订餐日期 || '|' || 地址 from 客户")),
              QStringLiteral("3|2024-03-07 10:30:00|老地址"));
}

TEST_F(SettleOrderTest, ACancelledPrintKeepsTheStoredOrderOnTheFormUntilCleared)
{
    printer.cancelDialog = true;
    add(QStringLiteral("王老吉"), QStringLiteral("2"));
    settle();
    EXPECT_EQ(count(QStringLiteral("存单")), QStringLiteral("1"));
    EXPECT_TRUE(ui().按钮_打单结算->isHidden());
    EXPECT_EQ(form->lines().lineCount(), 1);
    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("1"));

    dialogs.answerYes();
    ui().按钮_清空->click();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否清空点单数据？"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Question);
    EXPECT_FALSE(ui().按钮_打单结算->isHidden());
    EXPECT_EQ(form->lines().lineCount(), 0);
    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("2"));
}

TEST_F(SettleOrderTest, NothingToSettleOrPrintShowsTheMessage)
{
    settle();
    form->settling().PrintOnly();
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("无法完成，还没有选择任何菜品。"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Information);
    EXPECT_TRUE(printer.jobs.isEmpty());
    EXPECT_EQ(count(QStringLiteral("存单")), QStringLiteral("0"));
}

TEST_F(SettleOrderTest, PrintOnlyPrintsOnceAndKeepsTheForm)
{
    SettingsStore(data.db()).WriteSetting(QStringLiteral("打印份数"), QStringLiteral("3"));
    add(QStringLiteral("王老吉"), QStringLiteral("2"));
    ui().编辑框_备注->setPlainText(QStringLiteral("少辣\n多葱"));
    form->settling().PrintOnly();
    ASSERT_EQ(printer.jobs.size(), 1);
    // The note's own line break ends a printed line.
    const auto* first = printer.jobs[0].page.find(QStringLiteral("少辣"));
    const auto* second = printer.jobs[0].page.find(QStringLiteral("多葱"));
    ASSERT_TRUE(first && second);
    EXPECT_GT(second->y, first->y);
    EXPECT_EQ(form->lines().lineCount(), 1);
    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("存单")), QStringLiteral("0"));
}

TEST_F(SettleOrderTest, ModifyModeReplacesTheLinesAndAsksAboutPrinting)
{
    add(QStringLiteral("王老吉"), QStringLiteral("2"));
    ui().编辑框_备注->setPlainText(QStringLiteral("原备注"));
    settle();
    printer.jobs.clear();

    // No: stored without printing, back to a new order.
    form->EnterModifyMode(QStringLiteral("1"));
    add(QStringLiteral("酸菜鱼"), QStringLiteral("1"));
    ui().编辑框_备注->setPlainText(QStringLiteral("新备注"));
    dialogs.answerNo();
    settle();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("修改成功。是否打印小票？"));
    EXPECT_TRUE(printer.jobs.isEmpty());
    EXPECT_FALSE(form->isModifyMode());
    EXPECT_EQ(ui().按钮_打单结算->text(), QStringLiteral("打单结算(F12)"));
    EXPECT_EQ(data.scalar(QStringLiteral("select group_concat(菜名) from 存单详单")), QStringLiteral("酸菜鱼"));
    EXPECT_EQ(order(QStringLiteral("备注")), QStringLiteral("原备注"));
    EXPECT_EQ(order(QStringLiteral("合计")), QStringLiteral("16.0000"));

    // Yes with a cancelled print: stays in modify mode with the change stored.
    form->EnterModifyMode(QStringLiteral("1"));
    add(QStringLiteral("空心菜"), QStringLiteral("1"));
    printer.cancelDialog = true;
    dialogs.answerYes();
    settle();
    EXPECT_TRUE(form->isModifyMode());
    EXPECT_EQ(data.scalar(QStringLiteral("select group_concat(菜名) from 存单详单")), QStringLiteral("空心菜"));
    EXPECT_EQ(count(QStringLiteral("存单")), QStringLiteral("1"));
}

TEST_F(SettleOrderTest, AFailedInsertKeepsTheOrderOnTheFormAndStoresNothing)
{
    add(QStringLiteral("王老吉"), QStringLiteral("2"));
    ui().编辑框_电话->setText(QStringLiteral("139"));
    ui().编辑框_时间->setText(QStringLiteral("不是时间"));
    settle();
    EXPECT_EQ(count(QStringLiteral("存单")), QStringLiteral("0"));
    EXPECT_EQ(count(QStringLiteral("存单详单")), QStringLiteral("0"));
    EXPECT_EQ(count(QStringLiteral("客户")), QStringLiteral("0"));
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Critical);
    EXPECT_EQ(form->lines().lineCount(), 1);
    EXPECT_FALSE(ui().按钮_打单结算->isHidden());
    EXPECT_TRUE(printer.jobs.isEmpty());

    form->clock().FormatOrderTime(); // mended by the operator: settles now
    settle();
    EXPECT_EQ(count(QStringLiteral("存单详单")), QStringLiteral("1"));
}

TEST_F(SettleOrderTest, LinesGoToTheOrderTheirInsertCreated)
{
    // An older order with the same number and minute must not receive the lines.
    data.exec(QStringLiteral("insert into 存单 (编号,时间,实付) values (1,'2024-03-07 09:05:00',0)"));
    data.exec(QStringLiteral("delete * from 存单 where ID=1"));
    data.exec(QStringLiteral("insert into 存单 (编号,时间,实付) values (1,'2024-03-06 09:05:00',0)"));
    ui().编辑框_编号->setText(QStringLiteral("1"));
    add(QStringLiteral("王老吉"), QStringLiteral("1"));
    settle();
    EXPECT_EQ(data.scalar(QStringLiteral("select 存单ID from 存单详单")), QStringLiteral("3"));
}

TEST_F(SettleOrderTest, ApostrophesInEveryStoredFieldAreKeptExactly)
{
    const QString text = QStringLiteral("O'Neil's #1 -- ;");
    data.exec(QStringLiteral("insert into 票头设置 (票头) values ('") + sqlText(text) + QStringLiteral("')"));
    data.exec(QStringLiteral("insert into 店名 (店铺名称) values ('") + sqlText(text) + QStringLiteral("')"));
    data.exec(QStringLiteral("insert into 减免 (减免名称) values ('") + sqlText(text) + QStringLiteral("')"));
    data.exec(QStringLiteral("insert into 菜单 (代码,字母,菜名,价格,单位) values ('999','x','") + sqlText(text)
              + QStringLiteral("',5,'''份')"));
    form->lookup().LoadMenuCatalogue();
    for (RefillingComboBox* box : {ui().组合框_票头, ui().组合框_店铺名称, ui().组合框_减免}) {
        emit box->aboutToShowPopup();
        choose(box, text);
    }
    add(text, QStringLiteral("1"));
    ui().编辑框_电话->setText(text.left(16));
    ui().编辑框_姓名->setText(text.left(16));
    ui().编辑框_地址->setText(text);
    ui().编辑框_备注->setPlainText(text);
    settle();
    for (const char16_t* column : {u"票头", u"店铺名称", u"减免", u"地址", u"备注"})
        EXPECT_EQ(order(QString::fromUtf16(column)), text) << QString::fromUtf16(column).toStdString();
    EXPECT_EQ(order(QStringLiteral("电话")), text.left(16));
    EXPECT_EQ(data.scalar(QStringLiteral("select 菜名 || 单位 from 存单详单")), text + QStringLiteral("'份"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 姓名 from 客户")), text.left(16));
}

} // namespace
