#include "order/OrderClock.h"
#include "order/TimeFormatWindow.h"
#include "storage/SettingsStore.h"
#include "support/OrderFormFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class OrderClockTest : public OrderFormFixture {
protected:
    void store(int number, const QString& time, double charged = 10)
    {
        data.exec(QStringLiteral("insert into 存单 (编号,时间,实付) values (%1,'%2',%3)")
                      .arg(number)
                      .arg(time)
                      .arg(charged));
    }
};

TEST_F(OrderClockTest, NumbersFollowTodaysStoredOrders)
{
    EXPECT_EQ(form->clock().NextOrderNumber(), 1);
    for (int n = 1; n <= 5; ++n)
        store(n, QStringLiteral("2024-03-07 08:0%1:00").arg(n));
    store(9, QStringLiteral("2024-03-06 12:00:00")); // yesterday's numbers do not count
    EXPECT_EQ(form->clock().NextOrderNumber(), 6);
    EXPECT_EQ(ui().状态条1_今日数量->text(), QStringLiteral("今日打单数量：5"));
    EXPECT_EQ(ui().状态条1_今日收入->text(), QStringLiteral("今日收入总额：50"));
    store(6, QStringLiteral("2024-03-07 09:00:00"));
    data.exec(QStringLiteral("delete * from 存单 where 编号=6"));
    EXPECT_EQ(form->clock().NextOrderNumber(), 6);
}

TEST_F(OrderClockTest, AnOrderAtExactlyMidnightBelongsToTheDayBefore)
{
    store(4, QStringLiteral("2024-03-07 00:00:00"));    // the end of 6 March
    store(2, QStringLiteral("2024-03-08 00:00:00"));    // the end of 7 March
    EXPECT_EQ(form->clock().NextOrderNumber(), 3);
    EXPECT_EQ(ui().状态条1_今日数量->text(), QStringLiteral("今日打单数量：1"));
}

TEST_F(OrderClockTest, MidnightRenewsTheNumberInEveryMode)
{
    store(1, QStringLiteral("2024-03-07 09:00:00"), 12.5);
    form->clock().Tick();
    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("1")); // the form was built before the order

    form->EnterModifyMode(QStringLiteral("1"));
    ui().编辑框_时间->setText(QStringLiteral("03-01 08:00"));
    clock.set(QDateTime(QDate(2024, 3, 8), QTime(0, 0, 1)));
    form->clock().Tick();
    EXPECT_EQ(ui().编辑框_编号->text(), QStringLiteral("1"));
    EXPECT_EQ(ui().状态条1_今日数量->text(), QStringLiteral("今日打单数量：0"));
    EXPECT_EQ(ui().状态条1_今日收入->text(), QStringLiteral("今日收入总额：0"));
    EXPECT_EQ(ui().编辑框_时间->text(), QStringLiteral("03-01 08:00")); // modify mode keeps it

    form->LeaveModifyMode();
    form->clock().Tick();
    EXPECT_EQ(ui().编辑框_时间->text(), QStringLiteral("03-08 00:00"));
}

TEST_F(OrderClockTest, TheThreeTimeFormats)
{
    const QDateTime at(QDate(2024, 3, 7), QTime(9, 5, 59));
    const std::pair<int, const char16_t*> cases[] = {
        {0, u"03-07 09:05"}, {1, u"2024/03/07 09:05"}, {2, u"2024-03-07 09:05"}, {7, u"03-07 09:05"}};
    for (const auto& [format, text] : cases)
        EXPECT_EQ(OrderClock::FormatTime(at, format), QString::fromUtf16(text));
}

TEST_F(OrderClockTest, TheFormatWindowStoresTheChoice)
{
    TimeFormatWindow window(form->clock(), form.get());
    const auto boxes = window.findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_TRUE(boxes[0]->isChecked());
    boxes[1]->click();
    EXPECT_FALSE(boxes[0]->isChecked());
    EXPECT_TRUE(boxes[1]->isChecked());
    EXPECT_EQ(SettingsStore(data.db()).ReadSetting(QStringLiteral("时间格式")), QStringLiteral("1"));
    form->clock().Tick();
    EXPECT_EQ(ui().编辑框_时间->text(), QStringLiteral("2024/03/07 09:05"));
}

} // namespace
