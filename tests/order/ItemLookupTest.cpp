#include "order/ItemLookup.h"
#include "order/OrderLines.h"
#include "support/OrderFormFixture.h"

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

namespace {

class ItemLookupTest : public OrderFormFixture {
protected:
    QLineEdit* codeBox() { return ui().编辑框_项目代号; }
    QTreeView* pickList() { return ui().超级列表框2; }

    void type(const QString& text)
    {
        codeBox()->clear();
        QTest::keyClicks(codeBox(), text);
    }
    // One column of the pick list, top to bottom (1 code, 2 letters, 3 name).
    QStringList listed(int column)
    {
        QStringList texts;
        const QAbstractItemModel* model = pickList()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            texts << model->index(r, column).data().toString();
        return texts;
    }
    int selectedRow()
    {
        const QModelIndex current = pickList()->currentIndex();
        return current.isValid() && pickList()->selectionModel()->isRowSelected(current.row())
                   ? current.row()
                   : -1;
    }
    QString gridCell(int r, int c) { return ui().高级表格1->item(r, c)->text(); }
    int gridRows() { return ui().高级表格1->rowCount(); }
};

TEST_F(ItemLookupTest, PickListModelStaysConsistentWhileFiltering)
{
    QAbstractItemModelTester tester(pickList()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const char* text : {"1", "hs", "", "HS", "0", "kxc"})
        type(QString::fromLatin1(text));
    form->lookup().LoadMenuCatalogue();
}

TEST_F(ItemLookupTest, PickListHasItsColumns)
{
    const QAbstractItemModel* model = pickList()->model();
    QStringList headers;
    for (int c = 0; c < model->columnCount(); ++c)
        headers << model->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"", "数字代号", "字母代号", "品名", "价格", "单位"}));
}

TEST_F(ItemLookupTest, DigitListsMatchingCodesInTableOrderWithFirstSelected)
{
    type(QStringLiteral("1"));
    EXPECT_EQ(listed(1), QStringList({"001", "010", "011", "012", "013", "014", "015", "016",
                                      "017", "018", "019", "101", "102", "103", "104", "201",
                                      "105", "108"}));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(pickList()->model()->index(0, 3).data().toString(), "红烧排骨饭");
    EXPECT_EQ(pickList()->model()->index(0, 4).data().toString(), "18");
    EXPECT_EQ(pickList()->model()->index(0, 5).data().toString(), "份");
}

TEST_F(ItemLookupTest, LettersMatchCaseSensitivelyAnywhereInTheCode)
{
    const struct {
        const char* typed;
        QStringList names;
    } cases[] = {
        {"hs", {"红烧排骨饭", "西红柿炒蛋", "红烧鱼块", "芙蓉王香烟黄色"}},
        {" hs ", {"红烧排骨饭", "西红柿炒蛋", "红烧鱼块", "芙蓉王香烟黄色"}},
        {"HS", {}},
        {"wl", {"王老吉"}},
        {"q", {"茄子豆角", "芹菜香干", "青岛纯生"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        type(QString::fromUtf8(c.typed));
        EXPECT_EQ(listed(3), c.names);
        EXPECT_EQ(selectedRow(), c.names.isEmpty() ? -1 : 0);
    }
    codeBox()->clear();
    EXPECT_EQ(pickList()->model()->rowCount(), 0);
}

TEST_F(ItemLookupTest, EntryMatchingByCodeAndLettersIsListedTwice)
{
    data.exec(QStringLiteral("insert into 菜单 (代码, 字母, 菜名, 价格, 单位) "
                             "values ('909', 'ab9', '九九汤', 9, '碗')"));
    form->lookup().LoadMenuCatalogue();
    type(QStringLiteral("9"));
    const QStringList names = listed(3);
    EXPECT_EQ(names.count(QStringLiteral("九九汤")), 2);
    EXPECT_EQ(names.mid(names.size() - 2), QStringList({"九九汤", "九九汤"}));
}

TEST_F(ItemLookupTest, ArrowKeysMoveTheSelectionWithinTheList)
{
    type(QStringLiteral("hs"));
    const struct {
        Qt::Key key;
        int row;
    } steps[] = {{Qt::Key_Up, 0},   {Qt::Key_Down, 1}, {Qt::Key_Down, 2}, {Qt::Key_Down, 3},
                 {Qt::Key_Down, 3}, {Qt::Key_Up, 2}};
    for (const auto& s : steps) {
        QTest::keyClick(codeBox(), s.key);
        EXPECT_EQ(selectedRow(), s.row);
    }
    EXPECT_EQ(codeBox()->text(), "hs");
}

TEST_F(ItemLookupTest, MainKeyboardFullStopIsIgnoredButKeypadOneIsNot)
{
    type(QStringLiteral("1"));
    QTest::keyClick(codeBox(), Qt::Key_Period);
    EXPECT_EQ(codeBox()->text(), "1");
    QTest::keyClick(codeBox(), Qt::Key_Period, Qt::KeypadModifier);
    EXPECT_EQ(codeBox()->text(), "1.");
}

TEST_F(ItemLookupTest, EnterAsksTheQuantityAndAddsTheSelectedItem)
{
    type(QStringLiteral("hs"));
    QTest::keyClick(codeBox(), Qt::Key_Down);
    dialogs.answerPrompt(QStringLiteral("2"));
    QTest::keyClick(codeBox(), Qt::Key_Return);

    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.last().kind, "prompt");
    EXPECT_EQ(dialogs.last().title, "菜品选择");
    EXPECT_EQ(dialogs.last().text, "请输入菜品：西红柿炒蛋 的数量。\r\n\r\n按 Esc键 取消选择。");
    EXPECT_EQ(dialogs.lastPromptInitial, "1");

    EXPECT_EQ(gridCell(1, 0), "西红柿炒蛋");
    EXPECT_EQ(gridCell(1, 1), "2");
    EXPECT_EQ(gridCell(1, 3), "26");
    EXPECT_EQ(gridRows(), 3);
    EXPECT_EQ(codeBox()->selectedText(), "hs");
    EXPECT_EQ(codeBox()->text(), "hs");
}

TEST_F(ItemLookupTest, EnterWithNothingToAddShowsNoPrompt)
{
    type(QStringLiteral("zzz"));
    QTest::keyClick(codeBox(), Qt::Key_Return);
    codeBox()->clear();
    QTest::keyClick(codeBox(), Qt::Key_Enter);
    QTest::keyClick(pickList(), Qt::Key_Return);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(gridRows(), 2);
}

TEST_F(ItemLookupTest, CancelledPromptAddsNothing)
{
    type(QStringLiteral("hs"));
    dialogs.answerPrompt(std::nullopt);
    QTest::keyClick(codeBox(), Qt::Key_Return);
    EXPECT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(gridRows(), 2);
    EXPECT_EQ(form->lines().lineCount(), 0);
    EXPECT_EQ(ui().编辑框_合计->text(), "");
}

TEST_F(ItemLookupTest, EnteredQuantityIsRoundedOrBecomesOne)
{
    const struct {
        const char* entered;
        const char* quantity;
    } cases[] = {{"2.25", "2.3"}, {"", "1"}, {"0", "1"}, {"inf", "1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entered);
        form->lines().ClearLines();
        type(QStringLiteral("hsyk"));
        dialogs.answerPrompt(QString::fromUtf8(c.entered));
        QTest::keyClick(codeBox(), Qt::Key_Return);
        EXPECT_EQ(gridCell(1, 1), QString::fromUtf8(c.quantity));
    }
}

TEST_F(ItemLookupTest, SameItemTwiceGivesTwoLines)
{
    type(QStringLiteral("wlj"));
    dialogs.answerPrompt(QStringLiteral("1"));
    dialogs.answerPrompt(QStringLiteral("2"));
    QTest::keyClick(codeBox(), Qt::Key_Return);
    QTest::keyClick(codeBox(), Qt::Key_Return);
    EXPECT_EQ(form->lines().lineCount(), 2);
    EXPECT_EQ(gridCell(1, 3), "3.5");
    EXPECT_EQ(gridCell(2, 3), "7");
    EXPECT_EQ(ui().编辑框_合计->text(), "10.5");
}

TEST_F(ItemLookupTest, EnterAndDoubleClickInThePickListAddTheItem)
{
    type(QStringLiteral("wlj"));
    dialogs.answerPrompt(QStringLiteral("1"));
    QTest::keyClick(pickList(), Qt::Key_Return);
    EXPECT_EQ(form->lines().lineCount(), 1);

    dialogs.answerPrompt(QStringLiteral("1"));
    emit pickList()->doubleClicked(pickList()->model()->index(0, 3));
    EXPECT_EQ(form->lines().lineCount(), 2);
}

TEST_F(ItemLookupTest, ReloadedCatalogueFindsNewItemsAndOffersEachNameOnce)
{
    data.exec(QStringLiteral("insert into 菜单 (代码, 字母, 菜名, 价格, 单位) "
                             "values ('301', 'wlj', '王老吉', 4, '罐')"));
    form->lookup().LoadMenuCatalogue();
    type(QStringLiteral("301"));
    EXPECT_EQ(listed(3), QStringList({"王老吉"}));
    EXPECT_EQ(form->lookup().catalogue().names.size(), 29);

    QTableWidget* grid = ui().高级表格1;
    grid->setCurrentCell(1, 0);
    grid->editItem(grid->item(1, 0));
    auto* names = qobject_cast<QComboBox*>(grid->indexWidget(grid->model()->index(1, 0)));
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->count(), 28);
    QTest::keyClick(names, Qt::Key_Escape);

    // The grid prices a name by its first entry.
    dialogs.answerPrompt(QStringLiteral("1"));
    QTest::keyClick(codeBox(), Qt::Key_Return);
    EXPECT_EQ(gridCell(1, 2), "瓶");
    EXPECT_EQ(gridCell(1, 3), "3.5");
}

} // namespace
