#include "reference/QuantityDecimalsWindow.h"
#include "storage/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDataFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class QuantityDecimalsWindowTest : public ::testing::Test {
protected:
    void open(int current)
    {
        window = std::make_unique<QuantityDecimalsWindow>(current, data.db(), nullptr);
        edit = window->findChild<QLineEdit*>(QStringLiteral("小数位数_编辑框"));
        confirmButton = window->findChild<QPushButton*>(QStringLiteral("确认"));
        ASSERT_TRUE(edit && confirmButton);
        window->show();
    }
    QString stored() { return SettingsStore(data.db()).ReadSetting(QStringLiteral("小数位数")); }

    TestDataFolder data;
    ScriptedDialogs dialogs;
    std::unique_ptr<QuantityDecimalsWindow> window;
    QLineEdit* edit = nullptr;
    QPushButton* confirmButton = nullptr;
};

TEST_F(QuantityDecimalsWindowTest, OpensWithTheCurrentValueSelected)
{
    open(1);
    EXPECT_EQ(window->objectName(), QStringLiteral("设置"));
    EXPECT_EQ(edit->text(), QStringLiteral("1"));
    EXPECT_EQ(window->focusWidget(), edit);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1"));
}

TEST_F(QuantityDecimalsWindowTest, ConfirmStoresTheIntegerValueAndCloses)
{
    const struct {
        QString text;
        int decimals;
    } cases[] = {{"2", 2}, {"2.9", 2}, {"abc", 0}, {"3", 3}, {"0", 0}};
    for (const auto& c : cases) {
        open(1);
        edit->setText(c.text);
        confirmButton->click();
        EXPECT_EQ(stored(), QString::number(c.decimals)) << c.text.toStdString();
        EXPECT_EQ(window->chosenDecimals(), c.decimals) << c.text.toStdString();
        EXPECT_FALSE(window->isVisible()) << c.text.toStdString();
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(QuantityDecimalsWindowTest, OutOfRangeKeepsTheWindowOpen)
{
    const QString before = stored();
    for (const QString& text : {QStringLiteral("4"), QStringLiteral("-1")}) {
        open(1);
        edit->setText(text);
        confirmButton->setFocus();
        edit->deselect();
        dialogs.clear();
        confirmButton->click();
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().text, QStringLiteral("数值超出设定，请将小数位数控制在数值 0-3 的范围内。"));
        EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
        EXPECT_EQ(dialogs.last().icon, DialogIcon::Information);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->focusWidget(), edit);
        EXPECT_EQ(edit->selectedText(), text);
        EXPECT_FALSE(window->chosenDecimals());
        EXPECT_EQ(stored(), before);
    }
}

} // namespace
