#include "order/DeliveryDetails.h"
#include "order/RefillingComboBox.h"
#include "support/OrderFormFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class DeliveryDetailsTest : public OrderFormFixture {
protected:
    QString customers() { return data.scalar(QStringLiteral("select count(*) from 客户")); }
    QStringList tableItems()
    {
        QStringList names;
        for (int i = 0; i < ui().组合框_桌号->count(); ++i)
            names << ui().组合框_桌号->itemText(i);
        return names;
    }
};

TEST_F(DeliveryDetailsTest, ATelephoneFillsNameAndAddressOnlyWhileItMatches)
{
    data.exec(QStringLiteral("insert into 客户 (电话,姓名,地址) values ('13800','张三','人民路1号')"));
    data.exec(QStringLiteral("insert into 客户 (电话,姓名,地址) values ('13800','张三二','重复号')"));
    ui().编辑框_姓名->setText(QStringLiteral("先填的名字"));
    QTest::keyClicks(ui().编辑框_电话, QStringLiteral("1380"));
    EXPECT_EQ(ui().编辑框_姓名->text(), QString());
    QTest::keyClicks(ui().编辑框_电话, QStringLiteral("0"));
    EXPECT_EQ(ui().编辑框_姓名->text(), QStringLiteral("张三")); // the first in table order
    EXPECT_EQ(ui().编辑框_地址->text(), QStringLiteral("人民路1号"));
    QTest::keyClicks(ui().编辑框_电话, QStringLiteral("1"));
    EXPECT_EQ(ui().编辑框_姓名->text(), QString());
    EXPECT_EQ(ui().编辑框_地址->text(), QString());
    ui().编辑框_电话->setText(QStringLiteral(" 13800 ")); // also when the program writes it
    EXPECT_EQ(ui().编辑框_姓名->text(), QStringLiteral("张三"));
}

TEST_F(DeliveryDetailsTest, SaveCustomerAddsOnlyANewTelephoneWithANameOrAddress)
{
    struct Case {
        QString telephone, name, address;
        QString customersAfter;
    };
    const Case cases[] = {
        {QStringLiteral("139"), QString(), QString(), QStringLiteral("0")},
        {QString(), QStringLiteral("王五"), QStringLiteral("地址"), QStringLiteral("0")},
        {QStringLiteral(" 139 "), QStringLiteral(" 王五 "), QString(), QStringLiteral("1")},
        {QStringLiteral("139"), QStringLiteral("别的名字"), QStringLiteral("别的地址"), QStringLiteral("1")},
    };
    for (const Case& c : cases) {
        ui().编辑框_电话->setText(c.telephone);
        ui().编辑框_姓名->setText(c.name);
        ui().编辑框_地址->setText(c.address);
        ui().按钮_保存客户->click();
        EXPECT_EQ(customers(), c.customersAfter);
    }
    EXPECT_EQ(data.scalar(QStringLiteral("select 电话 || '|' || 姓名 || '|' || 地址 from 客户")),
              QStringLiteral("139|王五|"));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(DeliveryDetailsTest, TheTableCodeSelectsItsTable)
{
    ui().编辑框_时间2->setText(QStringLiteral("101"));
    EXPECT_EQ(tableItems().size(), 11);
    EXPECT_EQ(tableItems().last(), QStringLiteral("桌号 2楼1桌"));
    EXPECT_EQ(ui().组合框_桌号->currentText(), QStringLiteral("桌号 2楼1桌"));

    ui().编辑框_时间2->setText(QStringLiteral("7"));
    EXPECT_EQ(tableItems().size(), 7);
    EXPECT_EQ(ui().组合框_桌号->currentText(), QStringLiteral("号牌 7"));

    ui().编辑框_时间2->setText(QStringLiteral("99"));
    EXPECT_EQ(tableItems().size(), 18);
    EXPECT_EQ(ui().组合框_桌号->currentIndex(), -1);
}

TEST_F(DeliveryDetailsTest, StoredTextsAreLimitedToTheirColumns)
{
    EXPECT_EQ(ui().编辑框_电话->maxLength(), 16);
    EXPECT_EQ(ui().编辑框_姓名->maxLength(), 16);
    EXPECT_EQ(ui().编辑框_地址->maxLength(), 255);
    ui().编辑框_备注->setPlainText(QString(300, u'注'));
    EXPECT_EQ(ui().编辑框_备注->toPlainText().size(), 255);
}

} // namespace
