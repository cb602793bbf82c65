#include "reference/NameListWindow.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDataFolder.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class NameListWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<NameListWindow> open(NameListKind kind)
    {
        auto window = std::make_unique<NameListWindow>(kind, data.db(), nullptr);
        box = window->findChild<QComboBox*>(QStringLiteral("组合框1"));
        saveButton = window->findChild<QPushButton*>(QStringLiteral("按钮1"));
        deleteButton = window->findChild<QPushButton*>(QStringLiteral("按钮2"));
        EXPECT_TRUE(box && saveButton && deleteButton);
        return window;
    }
    // Types the text into the box, clicks the button and returns the message shown.
    QString press(QPushButton* button, const QString& text)
    {
        box->setEditText(text);
        dialogs.clear();
        button->click();
        EXPECT_EQ(dialogs.shown().size(), 1);
        if (dialogs.shown().isEmpty())
            return QString();
        EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
        EXPECT_EQ(dialogs.last().icon, DialogIcon::Information);
        EXPECT_EQ(dialogs.last().buttons, DialogButtons::Ok);
        return dialogs.last().text;
    }
    int rows(NameListKind kind, const QString& name)
    {
        const NameListDescription& d = DescribeNameList(kind);
        return data.scalar(QStringLiteral("select count(*) from %1 where %2 = '%3'")
                               .arg(d.table, d.column, sqlText(name)))
            .toInt();
    }
    QStringList items() const
    {
        QStringList names;
        for (int i = 0; i < box->count(); ++i)
            names.append(box->itemText(i));
        return names;
    }

    TestDataFolder data;
    ScriptedDialogs dialogs;
    QComboBox* box = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* deleteButton = nullptr;
};

class EveryNameList : public NameListWindowTest, public ::testing::WithParamInterface<NameListKind> {};

// The whole life of a name, run on each member so a wrong table or column shows.
TEST_P(EveryNameList, SaveAndDeleteOutcomes)
{
    const NameListKind kind = GetParam();
    auto window = open(kind);
    EXPECT_EQ(window->objectName(), DescribeNameList(kind).window);
    EXPECT_EQ(window->windowTitle(), DescribeNameList(kind).window);
    const int before = box->count();

    struct Step {
        bool save;
        QString text;
        QString message;
    };
    const Step steps[] = {
        {true, "", "请填入要添加的内容"},
        {true, "小份", "保存完成"},
        {true, "小份", "该项已存在"},
        {true, "小份 ", "保存完成"}, // compared as typed: the trailing blank makes it new
        {false, "", "请填入或选择要删除的内容"},
        {false, "不存在", "请填入或选择要删除的内容"},
        {false, "小份", "删除完成"},
    };
    for (const Step& step : steps)
        EXPECT_EQ(press(step.save ? saveButton : deleteButton, step.text), step.message)
            << (step.save ? "save " : "delete ") << step.text.toStdString();

    EXPECT_EQ(rows(kind, "小份"), 0);
    EXPECT_EQ(rows(kind, "小份 "), 1);
    EXPECT_EQ(box->currentText(), QString());
    EXPECT_EQ(box->count(), before + 1);
    EXPECT_EQ(items().last(), QStringLiteral("小份 "));
}

INSTANTIATE_TEST_SUITE_P(NameListWindow, EveryNameList,
                         ::testing::Values(NameListKind::ReceiptHeaders, NameListKind::ShopNames,
                                           NameListKind::Discounts, NameListKind::Units));

TEST_F(NameListWindowTest, SavedNameIsInsertedOnceAndAppended)
{
    auto window = open(NameListKind::ReceiptHeaders);
    EXPECT_EQ(press(saveButton, "小份"), "保存完成");
    EXPECT_EQ(press(saveButton, "小份"), "该项已存在");
    EXPECT_EQ(rows(NameListKind::ReceiptHeaders, "小份"), 1);
    EXPECT_EQ(items().count("小份"), 1);
    EXPECT_EQ(box->currentText(), QStringLiteral("小份"));
}

TEST_F(NameListWindowTest, BlankFirstEntryOnlyOutsideTheUnitList)
{
    {
        auto window = open(NameListKind::Discounts);
        ASSERT_GT(box->count(), 0);
        EXPECT_EQ(box->itemText(0), QString());
        box->setCurrentIndex(0);
        dialogs.clear();
        deleteButton->click();
        EXPECT_EQ(dialogs.messages(), QStringList{"请填入或选择要删除的内容"});
    }
    auto window = open(NameListKind::Units);
    EXPECT_EQ(box->count(), data.scalar("select count(*) from 单位").toInt());
    EXPECT_FALSE(items().contains(QString()));
    EXPECT_EQ(box->itemText(0), data.scalar("select 单位名称 from 单位 order by ID"));
}

TEST_F(NameListWindowTest, DeleteRemovesEveryRowOfTheName)
{
    data.exec("insert into 店名 (店铺名称) values ('分店')");
    data.exec("insert into 店名 (店铺名称) values ('分店')");
    data.exec("insert into 店名 (店铺名称) values ('总店')");
    auto window = open(NameListKind::ShopNames);
    box->setCurrentIndex(box->findText("分店"));
    dialogs.clear();
    deleteButton->click();
    EXPECT_EQ(dialogs.messages(), QStringList{"删除完成"});
    EXPECT_EQ(rows(NameListKind::ShopNames, "分店"), 0);
    EXPECT_EQ(rows(NameListKind::ShopNames, "总店"), 1);
    EXPECT_EQ(box->currentText(), QString());
    // Only the first matching entry leaves the list.
    EXPECT_EQ(items().count("分店"), 1);
}

TEST_F(NameListWindowTest, ApostrophesAreStoredAndMatchedLiterally)
{
    const int units = data.scalar("select count(*) from 单位").toInt();
    auto window = open(NameListKind::Units);
    for (const QString& name : {QStringLiteral("Tom's"), QStringLiteral("a' or '1'='1")}) {
        EXPECT_EQ(press(saveButton, name), "保存完成");
        EXPECT_EQ(rows(NameListKind::Units, name), 1);
        EXPECT_EQ(press(deleteButton, name), "删除完成");
        EXPECT_EQ(rows(NameListKind::Units, name), 0);
    }
    EXPECT_EQ(data.scalar("select count(*) from 单位").toInt(), units);
}

TEST_F(NameListWindowTest, FailedStatementsAreReported)
{
    auto window = open(NameListKind::ReceiptHeaders);
    box->addItem("旧票头");
    data.exec("drop table 票头设置");
    EXPECT_EQ(press(saveButton, "新票头"), "保存失败");
    EXPECT_EQ(press(deleteButton, "旧票头"), "删除失败");
    EXPECT_FALSE(items().contains("新票头"));
    EXPECT_TRUE(items().contains("旧票头"));
    EXPECT_EQ(box->currentText(), QStringLiteral("旧票头"));
}

} // namespace
