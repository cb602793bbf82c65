#include "order/RefillingComboBox.h"
#include "receipt/RecordingPrinter.h"
#include "storage/SettingsStore.h"
#include "support/OrderFormFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

namespace {

class RoadOfOneOrderTest : public OrderFormFixture {};

// An operator keys one delivery order with the keyboard alone and settles it.
TEST_F(RoadOfOneOrderTest, KeyedSettledPrintedStoredAndCleared)
{
    RecordingPrinter printer;
    form->setReceiptPrinter(&printer);
    SettingsStore(data.db()).WriteSetting(QStringLiteral("打印份数"), QStringLiteral("2"));
    data.exec(QStringLiteral("insert into 客户 (电话,姓名,地址,订餐次数) values ('13912345678','王芳','解放路8号',4)"));
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), ui().编辑框_项目代号);

    QTest::keyClicks(ui().编辑框_项目代号, QStringLiteral("hs"));
    dialogs.answerPrompt(QStringLiteral("2"));
    QTest::keyClick(ui().编辑框_项目代号, Qt::Key_Return);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("菜品选择"));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("请输入菜品：红烧排骨饭 的数量。\r\n\r\n按 Esc键 取消选择。"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("13912345678"));
    EXPECT_EQ(ui().编辑框_姓名->text(), QStringLiteral("王芳"));
    EXPECT_EQ(ui().编辑框_地址->text(), QStringLiteral("解放路8号"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);

    EXPECT_EQ(data.scalar(QStringLiteral(
                  "select 编号 || '|' || 时间 || '|' || (合计+0.0) || '|' || 实付 || '|' || 电话 || '|' || 姓名 || '|' || 地址 from 存单")),
              QStringLiteral("1|2024-03-07 09:05:00|36.0|36.0|13912345678|王芳|解放路8号"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 菜名 || '|' || 数量 || '|' || 单位 || '|' || (小计+0.0) from 存单详单")),
              QStringLiteral("红烧排骨饭|2.0|份|36.0"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 订餐次数 || '|' || 最近订餐日期 from 客户")),
              QStringLiteral("5|2024-03-07 09:05:00"));

    ASSERT_EQ(printer.jobs.size(), 2);
    EXPECT_NE(printer.jobs[0].page.find(QStringLiteral("红烧排骨饭")), nullptr);
    EXPECT_NE(printer.jobs[1].page.find(QStringLiteral("王芳  13912345678")), nullptr);

    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("2"));
    EXPECT_EQ(ui().高级表格1->rowCount(), 2);
    EXPECT_EQ(ui().编辑框_电话->text(), QString());
    EXPECT_EQ(ui().状态条1_今日数量->text(), QStringLiteral("今日打单数量：1"));
    EXPECT_EQ(ui().状态条1_今日收入->text(), QStringLiteral("今日收入总额：36"));
    EXPECT_EQ(QApplication::focusWidget(), ui().编辑框_项目代号);
}

} // namespace
