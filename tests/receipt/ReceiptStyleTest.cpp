#include "StyleLookup.h"

#include <gtest/gtest.h>

namespace {

TEST(ReceiptStyleTest, FirstStartSettings)
{
    const ReceiptStyle style = styleFrom(firstStartSettings());
    const int sizes[] = {9, 9, 9, 9, 9, 9, 12, 9, 9, 12, 12};
    const bool bolds[] = {false, false, false, false, false, false, true, false, false, true, true};
    for (int i = 0; i < kSectionCount; ++i) {
        EXPECT_EQ(style.fonts[i].size, sizes[i]) << i;
        EXPECT_EQ(style.fonts[i].bold, bolds[i]) << i;
    }
    EXPECT_TRUE(style.option(ReceiptOptionIndex::ExtraInfo1).enabled);
    EXPECT_EQ(style.option(ReceiptOptionIndex::ExtraInfo1).text, u"订餐电话:1305526****");
    EXPECT_FALSE(style.option(ReceiptOptionIndex::ExtraInfo2).enabled);
    EXPECT_TRUE(style.option(ReceiptOptionIndex::TopPicture).enabled);
    EXPECT_TRUE(style.option(ReceiptOptionIndex::BottomPicture).enabled);
}

TEST(ReceiptStyleTest, DefaultModeIgnoresCustomKeysButNotExtraLines)
{
    auto values = firstStartSettings();
    values[QStringLiteral("设置类型")] = QStringLiteral("0");
    values[QStringLiteral("字体大小")] = QStringLiteral("20|20|20|20|20|20|20|20|20|20|20");
    values[QStringLiteral("勾选加粗")] = QStringLiteral("1|1|1|1|1|1|1|1|1|1|1");
    values[QStringLiteral("附带信息2勾选")] = QStringLiteral("1");
    values[QStringLiteral("附带信息2")] = QStringLiteral("微信");
    const ReceiptStyle style = styleFrom(values);
    for (const SectionFont& font : style.fonts) {
        EXPECT_EQ(font.size, 9);
        EXPECT_FALSE(font.bold);
    }
    EXPECT_FALSE(style.option(ReceiptOptionIndex::TopPicture).enabled);
    EXPECT_FALSE(style.option(ReceiptOptionIndex::BottomPicture).enabled);
    EXPECT_TRUE(style.option(ReceiptOptionIndex::ExtraInfo2).enabled);
    EXPECT_EQ(style.option(ReceiptOptionIndex::ExtraInfo2).text, u"微信");
}

TEST(ReceiptStyleTest, ShortOrOddListsAndFlags)
{
    auto values = firstStartSettings();
    values[QStringLiteral("字体大小")] = QStringLiteral("10|11|x|12.7|-3");
    values[QStringLiteral("勾选加粗")] = QStringLiteral("1|0|2|abc");
    values[QStringLiteral("附带信息1勾选")] = QStringLiteral("01");
    values[QStringLiteral("顶部图片勾选")] = QStringLiteral("Y");
    const ReceiptStyle style = styleFrom(values);
    const int sizes[] = {10, 11, 0, 12, -3, 0, 0, 0, 0, 0, 0};
    const bool bolds[] = {true, false, true, false, false, false, false, false, false, false, false};
    for (int i = 0; i < kSectionCount; ++i) {
        EXPECT_EQ(style.fonts[i].size, sizes[i]) << i;
        EXPECT_EQ(style.fonts[i].bold, bolds[i]) << i;
    }
    EXPECT_FALSE(style.option(ReceiptOptionIndex::ExtraInfo1).enabled);
    EXPECT_FALSE(style.option(ReceiptOptionIndex::TopPicture).enabled);

    values[QStringLiteral("字体大小")] = QStringLiteral("1|2|3|4|5|6|7|8|9|10|11|12|13");
    EXPECT_EQ(styleFrom(values).fonts[10].size, 11);
}

} // namespace
