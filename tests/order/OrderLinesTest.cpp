#include "order/LineCellDelegate.h"
#include "order/OrderLines.h"
#include "order/RefillingComboBox.h"
#include "support/OrderFormFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

class OrderLinesTest : public OrderFormFixture {
protected:
    void SetUp() override
    {
        OrderFormFixture::SetUp();
        form->show();
    }

    QTableWidget* grid() { return ui().高级表格1; }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    QStringList row(int r) { return {cell(r, 0), cell(r, 1), cell(r, 2), cell(r, 3)}; }
    QStringList amounts()
    {
        return {ui().编辑框_合计->text(), ui().编辑框_已支付->text(), ui().编辑框_实付->text()};
    }

    // Opens the cell's editor as the operator would; nullptr when the cell may not be edited.
    QWidget* openEditor(int r, int c)
    {
        grid()->setCurrentCell(r, c);
        grid()->editItem(grid()->item(r, c));
        return grid()->indexWidget(grid()->model()->index(r, c));
    }

    // Types the text into the cell and confirms it with Enter.
    void typeIntoCell(int r, int c, const QString& text)
    {
        QWidget* editor = openEditor(r, c);
        ASSERT_NE(editor, nullptr) << "cell " << r << "," << c << " is not editable";
        QLineEdit* edit = qobject_cast<QLineEdit*>(editor);
        if (auto* box = qobject_cast<QComboBox*>(editor))
            edit = box->lineEdit();
        ASSERT_NE(edit, nullptr);
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
        // The delegate commits an Enter through a queued call.
        QCoreApplication::processEvents();
    }

    static void choose(QComboBox* box, const QString& text)
    {
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    void chooseDiscount(const QString& name, const QString& amount)
    {
        ui().编辑框_减免金额->setText(amount);
        choose(ui().组合框_减免, name);
    }
};

const QString kDumplings = QStringLiteral("白菜肉水饺"); // 15.5 per 份
const QString kEggplant = QStringLiteral("茄子豆角");    // 14 per 份

TEST_F(OrderLinesTest, SetUpGridHasHeaderRowAndOneBlankRow)
{
    EXPECT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(row(0), QStringList({"品名", "数量", "单位", "小计"}));
    EXPECT_EQ(grid()->columnWidth(0), 115);
    EXPECT_EQ(form->lines().lineCount(), 0);
}

TEST_F(OrderLinesTest, AddedItemFillsLineTotalAndPayment)
{
    choose(ui().组合框_付款方式, QStringLiteral("现金支付"));
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));

    EXPECT_EQ(row(1), QStringList({kDumplings, "2", "份", "31"}));
    EXPECT_EQ(amounts(), QStringList({"31", "31", "31"}));
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(form->lines().lineCount(), 1);
}

TEST_F(OrderLinesTest, TypedQuantityIsRoundedAndCleaned)
{
    const struct {
        int decimals;
        const char* typed;
        const char* quantity;
        const char* amount;
    } cases[] = {
        {1, "2.25", "2.3", "32.2"},
        {0, "2.25", "2", "28"},
        {1, "0.04", "1", "14"},
        {1, "-2", "-2", "-28"},
        {1, "abc", "1", "14"},
        {1, "inf", "1", "14"},
        {1, "nan", "1", "14"},
        {1, "1e400", "1", "14"},
        {1, "1e300", "1", "14"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        form->setQuantityDecimals(c.decimals);
        form->lines().ClearLines();
        ASSERT_TRUE(form->lines().AddLine(kEggplant, QStringLiteral("1")));
        typeIntoCell(1, 1, QString::fromUtf8(c.typed));
        EXPECT_EQ(cell(1, 1), QString::fromUtf8(c.quantity));
        EXPECT_EQ(cell(1, 3), QString::fromUtf8(c.amount));
        EXPECT_EQ(ui().编辑框_合计->text(), QString::fromUtf8(c.amount));
    }
}

TEST_F(OrderLinesTest, TypedAmountIsRoundedUntilQuantityChanges)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    typeIntoCell(1, 3, QStringLiteral("9.96"));
    EXPECT_EQ(cell(1, 3), "10");
    EXPECT_EQ(ui().编辑框_合计->text(), "10");

    typeIntoCell(1, 1, QStringLiteral("3"));
    EXPECT_EQ(cell(1, 3), "46.5");
    EXPECT_EQ(ui().编辑框_合计->text(), "46.5");
}

TEST_F(OrderLinesTest, AbsurdTypedAmountCountsAsZero)
{
    for (const char* typed : {"inf", "1e400", "1e12", "-1e15"}) {
        SCOPED_TRACE(typed);
        form->lines().ClearLines();
        ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
        typeIntoCell(1, 3, QString::fromUtf8(typed));
        EXPECT_EQ(cell(1, 3), "0");
        EXPECT_EQ(amounts(), QStringList({"0", "", "0"}));
    }
}

TEST_F(OrderLinesTest, DiscountIsSubtractedOnceAndCountIsIgnored)
{
    ui().组合框_减免->addItem(QStringLiteral("无"));
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));

    chooseDiscount(QStringLiteral("立减优惠"), QStringLiteral("5"));
    EXPECT_EQ(amounts(), QStringList({"26", "", "26"}));

    ui().编辑框_减免份数->setText(QStringLiteral("3"));
    EXPECT_EQ(ui().编辑框_合计->text(), "26");

    QTest::keyClick(ui().编辑框_减免金额, Qt::Key_0); // "50": larger than the sum
    EXPECT_EQ(ui().编辑框_合计->text(), "-19");
    ui().编辑框_减免金额->setText(QStringLiteral("5"));

    choose(ui().组合框_减免, QStringLiteral("无"));
    EXPECT_EQ(ui().编辑框_合计->text(), "31");
    choose(ui().组合框_减免, QStringLiteral("立减优惠"));
    EXPECT_EQ(ui().编辑框_合计->text(), "26");
    choose(ui().组合框_减免, QString());
    EXPECT_EQ(ui().编辑框_合计->text(), "31");

    // A later line keeps the discount.
    ui().编辑框_减免金额->setText(QStringLiteral("5"));
    choose(ui().组合框_减免, QStringLiteral("立减优惠"));
    ASSERT_TRUE(form->lines().AddLine(kEggplant, QStringLiteral("1")));
    EXPECT_EQ(ui().编辑框_合计->text(), "40");
}

TEST_F(OrderLinesTest, DiscountOnEmptyGridWritesNothing)
{
    chooseDiscount(QStringLiteral("立减优惠"), QStringLiteral("5"));
    ui().编辑框_减免金额->setText(QStringLiteral("8"));
    EXPECT_EQ(amounts(), QStringList({"", "", ""}));
}

TEST_F(OrderLinesTest, PaymentOnDeliveryLeavesAmountPaidEmpty)
{
    choose(ui().组合框_付款方式, QStringLiteral("到付"));
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    EXPECT_EQ(amounts(), QStringList({"31", "", "31"}));

    choose(ui().组合框_付款方式, QStringLiteral("现金支付"));
    EXPECT_EQ(amounts(), QStringList({"31", "31", "31"}));

    // The amount paid follows an amount charged the operator overwrites.
    ui().编辑框_实付->setText(QStringLiteral("20"));
    EXPECT_EQ(ui().编辑框_已支付->text(), "20");
    ui().编辑框_实付->setText(QStringLiteral("31.00"));
    EXPECT_EQ(ui().编辑框_已支付->text(), "31");
    ui().编辑框_实付->setText(QStringLiteral("inf"));
    EXPECT_EQ(ui().编辑框_已支付->text(), "0");

    choose(ui().组合框_付款方式, QStringLiteral("到付"));
    EXPECT_EQ(ui().编辑框_已支付->text(), "");
}

TEST_F(OrderLinesTest, RecalculationKeepsAmountPaidEmptyOnDeliveryWhenTotalIsUnchanged)
{
    choose(ui().组合框_付款方式, QStringLiteral("现金支付"));
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    ui().编辑框_减免金额->setText(QStringLiteral("5"));
    ui().组合框_付款方式->setCurrentIndex(ui().组合框_付款方式->findText(QStringLiteral("到付")));
    // Same total, so 实付 does not change; 已支付 must still end up empty.
    form->lines().RecalculateTotals();
    EXPECT_EQ(amounts(), QStringList({"31", "", "31"}));
}

TEST_F(OrderLinesTest, UnknownTypedNameGetsQuantityOneAndNoPrice)
{
    typeIntoCell(1, 0, QStringLiteral("自带酒水"));
    EXPECT_EQ(row(1), QStringList({"自带酒水", "1", "", "0"}));
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(row(2), QStringList({"", "", "", ""}));
}

TEST_F(OrderLinesTest, TypedNameIsLimitedToTheStoredLength)
{
    typeIntoCell(1, 0, QString(40, QChar(u'鱼')));
    EXPECT_EQ(cell(1, 0), QString(LineCellDelegate::kNameLength, QChar(u'鱼')));
}

TEST_F(OrderLinesTest, NameDropDownOffersCatalogueNamesAndFillsTheLine)
{
    auto* box = qobject_cast<QComboBox*>(openEditor(1, 0));
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 28);
    EXPECT_EQ(box->itemText(0), "红烧排骨饭");
    choose(box, kDumplings);
    EXPECT_EQ(row(1), QStringList({kDumplings, "1", "份", "15.5"}));
    EXPECT_EQ(grid()->rowCount(), 3);
}

TEST_F(OrderLinesTest, OnlyNamedRowsOfferQuantityAndAmountForEditing)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    const struct {
        int row, column;
        bool editable;
    } cases[] = {
        {0, 0, false}, {0, 1, false}, // header
        {1, 0, true},  {1, 1, true},  {1, 2, false}, {1, 3, true},
        {2, 0, true},  {2, 1, false}, {2, 2, false}, {2, 3, false}, // blank row
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column);
        QWidget* editor = openEditor(c.row, c.column);
        EXPECT_EQ(editor != nullptr, c.editable);
        if (editor)
            QTest::keyClick(editor, Qt::Key_Escape);
    }
    EXPECT_EQ(row(1), QStringList({kDumplings, "2", "份", "31"}));
}

TEST_F(OrderLinesTest, DeletingTheOnlyLine)
{
    const struct {
        bool discount;
        bool yes;
        int rows;
        const char* total;
    } cases[] = {
        {false, true, 2, "0"},
        {true, true, 2, "-5"},
        {false, false, 3, "31"},
        {true, false, 3, "26"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.discount << c.yes);
        form->lines().ClearLines();
        chooseDiscount(c.discount ? QStringLiteral("立减优惠") : QString(), QStringLiteral("5"));
        ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
        grid()->setCurrentCell(1, 0);
        c.yes ? dialogs.answerYes() : dialogs.answerNo();
        dialogs.clear();
        QTest::keyClick(grid(), Qt::Key_Delete);

        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().text, "是否删除光标所在的整行数据。");
        EXPECT_EQ(dialogs.last().title, "信息：");
        EXPECT_EQ(dialogs.last().icon, DialogIcon::Question);
        EXPECT_EQ(dialogs.last().buttons, DialogButtons::YesNo);
        EXPECT_EQ(grid()->rowCount(), c.rows);
        EXPECT_EQ(ui().编辑框_合计->text(), QString::fromUtf8(c.total));
        EXPECT_EQ(ui().编辑框_实付->text(), QString::fromUtf8(c.total));
    }
}

TEST_F(OrderLinesTest, DeletingAMiddleLineKeepsTheOthers)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    ASSERT_TRUE(form->lines().AddLine(kEggplant, QStringLiteral("1")));
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("1")));
    grid()->setCurrentCell(2, 0);
    dialogs.answerYes();
    form->lines().DeleteCurrentRow();
    EXPECT_EQ(grid()->rowCount(), 4);
    EXPECT_EQ(cell(1, 3), "31");
    EXPECT_EQ(cell(2, 3), "15.5");
    EXPECT_EQ(ui().编辑框_合计->text(), "46.5");
}

TEST_F(OrderLinesTest, DeleteOnBlankRowOrHeaderAsksNothing)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    for (int r : {0, 2}) {
        grid()->setCurrentCell(r, 0);
        QTest::keyClick(grid(), Qt::Key_Delete);
    }
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(grid()->rowCount(), 3);
    EXPECT_EQ(row(0), QStringList({"品名", "数量", "单位", "小计"}));
}

TEST_F(OrderLinesTest, ContextMenuIsOfferedOnlyOnALine)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    for (int r : {0, 1, 2}) {
        SCOPED_TRACE(r);
        grid()->setCurrentCell(r, 0);
        QStringList offered;
        QString menuName;
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                menuName = menu->objectName();
                for (QAction* action : menu->actions())
                    offered << action->text();
                menu->close();
            }
        });
        emit grid()->customContextMenuRequested(QPoint(5, 5));
        QCoreApplication::processEvents();
        if (r == 1) {
            EXPECT_EQ(menuName, "A菜单");
            EXPECT_EQ(offered, QStringList({"删除行"}));
        } else {
            EXPECT_TRUE(offered.isEmpty());
        }
    }
}

TEST_F(OrderLinesTest, MovingTheCurrentCellPaintsCellsWhite)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    grid()->item(1, 2)->setBackground(Qt::yellow);
    grid()->setCurrentCell(1, 0);
    grid()->setCurrentCell(2, 1);
    EXPECT_EQ(grid()->item(1, 2)->background().color(), QColor(Qt::white));
    EXPECT_TRUE(grid()->item(2, 1)->isSelected());
}

TEST_F(OrderLinesTest, ClearLinesLeavesHeaderAndBlankRow)
{
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    ASSERT_TRUE(form->lines().AddLine(kDumplings, QStringLiteral("2")));
    EXPECT_EQ(form->lines().lineCount(), 2);
    form->lines().ClearLines();
    EXPECT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(form->lines().lineCount(), 0);
    ASSERT_TRUE(form->lines().AddLine(kEggplant, QStringLiteral("1")));
    EXPECT_EQ(row(1), QStringList({kEggplant, "1", "份", "14"}));
}

} // namespace
