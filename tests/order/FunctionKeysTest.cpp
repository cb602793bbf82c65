#include "order/FunctionKeys.h"
#include "order/OrderLines.h"
#include "order/RefillingComboBox.h"
#include "receipt/RecordingPrinter.h"
#include "support/OrderFormFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

namespace {

class FunctionKeysTest : public OrderFormFixture {
protected:
    void SetUp() override
    {
        OrderFormFixture::SetUp();
        form->setReceiptPrinter(&printer);
        form->show();
        activate(form.get());
    }
    void activate(QWidget* window)
    {
        window->show();
        QApplication::setActiveWindow(window);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // One press and release, as a keyboard sends them, at the focused widget.
    void press(QWidget* target, int key, int repeats = 0)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &down);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(target, &up);
            QKeyEvent again(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(target, &again);
        }
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(target, &up);
    }
    QString orders() { return data.scalar(QStringLiteral("select count(*) from 存单")); }

    RecordingPrinter printer;
};

TEST_F(FunctionKeysTest, EachKeyMovesTheFocusToItsGroup)
{
    ui().编辑框_备注->setPlainText(QStringLiteral("abc"));
    const std::pair<int, QWidget*> keys[] = {
        {Qt::Key_F3, ui().编辑框_电话},     {Qt::Key_F4, ui().组合框_减免},
        {Qt::Key_F5, ui().组合框_付款方式}, {Qt::Key_F6, ui().高级表格1},
        {Qt::Key_F7, ui().编辑框_备注},     {Qt::Key_F1, ui().编辑框_项目代号},
    };
    for (const auto& [key, target] : keys) {
        press(QApplication::focusWidget(), key);
        EXPECT_EQ(QApplication::focusWidget(), target) << key;
    }
    press(ui().编辑框_项目代号, Qt::Key_F7);
    EXPECT_EQ(ui().编辑框_备注->textCursor().selectedText(), QStringLiteral("abc"));
}

TEST_F(FunctionKeysTest, HeldF12SettlesOnceOnReleaseAndF8F9DoNothing)
{
    form->lines().AddLine(QStringLiteral("王老吉"), QStringLiteral("1"));
    QWidget* focus = QApplication::focusWidget();
    press(focus, Qt::Key_F8);
    press(focus, Qt::Key_F9);
    EXPECT_EQ(orders(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    QKeyEvent down(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(focus, &down);
    EXPECT_EQ(orders(), QStringLiteral("0")); // nothing until released
    press(focus, Qt::Key_F12, 5);
    EXPECT_EQ(orders(), QStringLiteral("1"));
    EXPECT_EQ(printer.jobs.size(), 1);
}

TEST_F(FunctionKeysTest, F12InThePreviewSettlesTheOrderOnTheForm)
{
    form->lines().AddLine(QStringLiteral("王老吉"), QStringLiteral("1"));
    ASSERT_TRUE(form->preview());
    activate(form->preview());
    press(form->preview(), Qt::Key_F12);
    EXPECT_EQ(orders(), QStringLiteral("1"));
}

TEST_F(FunctionKeysTest, KeysDoNothingWhileAnotherWindowIsActive)
{
    form->lines().AddLine(QStringLiteral("王老吉"), QStringLiteral("1"));
    QWidget other;
    activate(&other);
    press(&other, Qt::Key_F12);
    press(&other, Qt::Key_F10);
    EXPECT_EQ(orders(), QStringLiteral("0"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(FunctionKeysTest, F12WhileTheSettleButtonIsHiddenPrintsAgainWithoutStoringTwice)
{
    printer.cancelDialog = true;
    form->lines().AddLine(QStringLiteral("王老吉"), QStringLiteral("1"));
    press(QApplication::focusWidget(), Qt::Key_F12);
    ASSERT_TRUE(ui().按钮_打单结算->isHidden());
    press(QApplication::focusWidget(), Qt::Key_F12); // cancelled again: the form stays
    EXPECT_EQ(form->lines().lineCount(), 1);
    printer.cancelDialog = false;
    press(QApplication::focusWidget(), Qt::Key_F12);
    EXPECT_EQ(orders(), QStringLiteral("1"));
    EXPECT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(form->lines().lineCount(), 0);
    EXPECT_FALSE(ui().按钮_打单结算->isHidden());
}

TEST_F(FunctionKeysTest, F10AsksBeforeClearing)
{
    form->lines().AddLine(QStringLiteral("王老吉"), QStringLiteral("1"));
    dialogs.answerNo();
    press(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("是否清空点单数据？"));
    EXPECT_EQ(form->lines().lineCount(), 1);
    dialogs.answerYes();
    press(QApplication::focusWidget(), Qt::Key_F10);
    EXPECT_EQ(form->lines().lineCount(), 0);
}

TEST_F(FunctionKeysTest, EnterWalksThroughTheFieldsAndStaysInTheAmountCharged)
{
    const std::pair<QWidget*, QWidget*> walk[] = {
        {ui().组合框_减免, ui().编辑框_减免份数},   {ui().编辑框_减免份数, ui().编辑框_减免金额},
        {ui().编辑框_减免金额, ui().编辑框_减免金额}, {ui().组合框_付款方式, ui().编辑框_已支付},
        {ui().编辑框_已支付, ui().编辑框_实付},     {ui().编辑框_实付, ui().编辑框_实付},
        {ui().编辑框_电话, ui().编辑框_姓名},       {ui().编辑框_姓名, ui().编辑框_地址},
        {ui().编辑框_地址, ui().编辑框_备注},
    };
    for (const auto& [from, to] : walk) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), to) << from->objectName().toStdString();
    }
    ui().编辑框_实付->setText(QStringLiteral("7"));
    ui().编辑框_合计->setText(QStringLiteral("9"));
    QTest::keyClick(ui().编辑框_实付, Qt::Key_Return);
    EXPECT_EQ(ui().编辑框_实付->text(), QStringLiteral("7"));
    EXPECT_EQ(ui().编辑框_合计->text(), QStringLiteral("9"));
}

} // namespace
