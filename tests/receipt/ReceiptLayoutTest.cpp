#include "RecordingSurface.h"
#include "StyleLookup.h"

#include "receipt/ReceiptContent.h"
#include "receipt/ReceiptLayout.h"

#include <gtest/gtest.h>

// Recorded metrics: one column is `size` wide, a line 2 x size high, so at the
// default size 9 every line advances 18 + 6 = 24.
namespace {

constexpr int kPreview58 = 194;

ReceiptStyle defaultStyle()
{
    return styleFrom({{QStringLiteral("设置类型"), QStringLiteral("0")}});
}

ReceiptContent smallOrder()
{
    ReceiptContent c;
    c.orderNumber = QStringLiteral("7");
    c.shopName = QStringLiteral("白云快餐");
    c.payment = QStringLiteral("现金");
    c.orderTime = QStringLiteral("10:00");
    c.lines = {{QStringLiteral("鱼"), QStringLiteral("2"), QStringLiteral("碗"), QStringLiteral("20")}};
    c.total = QStringLiteral("20");
    c.paid = QStringLiteral("0");
    return c;
}

const QString kPreviewDashes = QString(21, u'-'); // (194 - 5) / 9

int layout(RecordingSurface& surface, const ReceiptContent& content,
           const ReceiptStyle& style = defaultStyle(), int width = kPreview58,
           ReceiptTarget target = ReceiptTarget::Preview)
{
    return ReceiptLayout(surface, width, style, content, nullptr, nullptr, target);
}

void expectText(const RecordingSurface& s, const QString& text, int x, int y)
{
    const RecordingSurface::Text* t = s.find(text);
    ASSERT_NE(t, nullptr) << text.toStdString();
    EXPECT_EQ(t->x, x) << text.toStdString();
    EXPECT_EQ(t->y, y) << text.toStdString();
}

TEST(ReceiptLayoutTest, WholeSmallReceiptOnThePreview)
{
    RecordingSurface s;
    const int end = layout(s, smallOrder());
    // " #7 " is 36 wide: diff 148, fill of 8 asterisks on both sides.
    expectText(s, QStringLiteral(" #7 "), 74, 0);
    expectText(s, QStringLiteral("********"), 0, 0);
    EXPECT_EQ(s.texts[2].x, 184 - 72);
    expectText(s, QStringLiteral("白云快餐"), 56, 24);
    expectText(s, QStringLiteral("现金"), 74, 48);
    expectText(s, QStringLiteral("[下单时间] 10:00"), 0, 72);
    expectText(s, kPreviewDashes, 0, 96);
    expectText(s, QStringLiteral("品名"), 0, 120);
    expectText(s, QStringLiteral("数量"), 138 - 36, 120);
    expectText(s, QStringLiteral("小计"), 184 - 36, 120);
    expectText(s, QStringLiteral("鱼"), 0, 168);
    expectText(s, QStringLiteral("2碗"), 138 - 27, 168);
    expectText(s, QStringLiteral("合计 ￥20"), 184 - 81, 216);
    expectText(s, QStringLiteral("     "), 69, 264);
    EXPECT_EQ(s.texts[s.texts.size() - 2].text, u" #7 ");
    EXPECT_EQ(s.texts.last().y, 288);
    EXPECT_EQ(s.count(QStringLiteral(" #7 ")), 2);
    EXPECT_EQ(s.count(kPreviewDashes), 4);
    EXPECT_EQ(end, 312);
    for (const auto& t : s.texts) {
        EXPECT_EQ(t.size, 9);
        EXPECT_FALSE(t.bold);
    }
}

TEST(ReceiptLayoutTest, HeaderTextAndPrinterSeparator)
{
    ReceiptContent c = smallOrder();
    c.orderNumber = QStringLiteral("12");
    c.header = QStringLiteral("微信点餐");
    RecordingSurface s;
    layout(s, c, defaultStyle(), 480, ReceiptTarget::Printer);
    // 14 columns: diff 470 - 126 = 344, 19 asterisks each side.
    expectText(s, QStringLiteral(" #12 微信点餐 "), 172, 0);
    expectText(s, QString(19, u'*'), 0, 0);
    EXPECT_EQ(s.count(QStringLiteral(" #12 微信点餐 ")), 2);
    expectText(s, QString(53, u'-'), 3, 96); // 480 / 9 dashes from 9 / 3
}

TEST(ReceiptLayoutTest, NameAloneOnItsLinePastHalfTheUsableWidth)
{
    struct Column {
        int width;
        ReceiptTarget target;
        int aloneAfter, quantityEnd, amountEnd;
    };
    const Column columns[] = {{480, ReceiptTarget::Printer, 234, 351, 470},
                              {700, ReceiptTarget::Printer, 344, 516, 690},
                              {194, ReceiptTarget::Preview, 92, 138, 184},
                              {267, ReceiptTarget::Preview, 128, 192, 257}};
    auto values = firstStartSettings();
    values[QStringLiteral("字体大小")] = QStringLiteral("9|9|9|9|9|1|12|9|9|12|12");
    const ReceiptStyle style = styleFrom(values);
    for (const Column& col : columns) {
        for (int extra : {0, 1}) {
            ReceiptContent c = smallOrder();
            const QString name(col.aloneAfter + extra, u'a');
            c.lines = {{name, QStringLiteral("3"), QString(), QStringLiteral("45")}};
            RecordingSurface s;
            layout(s, c, style, col.width, col.target);
            const auto* n = s.find(name);
            const auto* q = s.find(QStringLiteral("3"));
            const auto* a = s.find(QStringLiteral("45"));
            ASSERT_TRUE(n && q && a);
            EXPECT_EQ(q->y - n->y, extra ? 2 + 6 : 0) << col.width;
            EXPECT_EQ(a->y, q->y);
            EXPECT_EQ(q->x + 1, col.quantityEnd) << col.width;
            EXPECT_EQ(a->x + 2, col.amountEnd) << col.width;
        }
    }
}

TEST(ReceiptLayoutTest, DefaultModeIgnoresPictureFlagsAndSizes)
{
    auto values = firstStartSettings();
    values[QStringLiteral("设置类型")] = QStringLiteral("0");
    values[QStringLiteral("勾选加粗")] = QStringLiteral("1|1|1|1|1|1|1|1|1|1|1");
    const QImage picture(430, 189, QImage::Format_RGB32);
    RecordingSurface s;
    ReceiptLayout(s, kPreview58, styleFrom(values), smallOrder(), &picture, &picture,
                  ReceiptTarget::Preview);
    EXPECT_TRUE(s.pictures.isEmpty());
    expectText(s, QStringLiteral(" #7 "), 74, 0);
    for (const auto& t : s.texts) {
        EXPECT_EQ(t.size, 9);
        EXPECT_FALSE(t.bold);
    }
    // The extra line follows its own flag: one line, centred with blanks.
    const auto* extra = s.find(QStringLiteral("订餐电话:1305526****"));
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->x, (184 - 20 * 9) / 2);
}

TEST(ReceiptLayoutTest, PicturesSpanTheWidthAndShiftTheText)
{
    const QImage top(430, 189, QImage::Format_RGB32);
    const QImage bottom(430, 430, QImage::Format_RGB32);
    RecordingSurface s;
    const int end = ReceiptLayout(s, kPreview58, styleFrom(firstStartSettings()), smallOrder(),
                                  &top, &bottom, ReceiptTarget::Preview);
    ASSERT_EQ(s.pictures.size(), 2);
    EXPECT_EQ(s.pictures[0].target, QRect(0, 0, 194, 85));
    EXPECT_EQ(s.texts.first().y, 85);
    EXPECT_EQ(s.pictures[1].target.size(), QSize(194, 194));
    EXPECT_EQ(end, s.pictures[1].target.y() + 194);

    RecordingSurface missing;
    const QImage none;
    ReceiptLayout(missing, kPreview58, styleFrom(firstStartSettings()), smallOrder(), &none,
                  nullptr, ReceiptTarget::Preview);
    EXPECT_TRUE(missing.pictures.isEmpty());
    EXPECT_EQ(missing.texts.first().y, 0);
}

TEST(ReceiptLayoutTest, PaymentBlankOrNoneDrawsASeparator)
{
    for (const QString& payment : {QStringLiteral("无"), QString(), QStringLiteral("   ")}) {
        ReceiptContent c = smallOrder();
        c.payment = payment;
        RecordingSurface s;
        layout(s, c);
        expectText(s, kPreviewDashes, 0, 48);
        EXPECT_EQ(s.count(kPreviewDashes), 5) << payment.toStdString();
    }
}

TEST(ReceiptLayoutTest, PaidLine)
{
    struct Case {
        const char* paidSize;
        const char16_t* paid;
        bool shown;
    };
    const Case cases[] = {{"12", u"30", true}, {"0", u"30", false}, {"12", u"0", false},
                          {"12", u"0.00000001", false}};
    for (const Case& c : cases) {
        auto values = firstStartSettings();
        values[QStringLiteral("字体大小")] =
            QStringLiteral("9|9|9|9|9|9|12|9|9|") + QLatin1String(c.paidSize) + QStringLiteral("|12");
        ReceiptContent content = smallOrder();
        content.paid = QString::fromUtf16(c.paid);
        RecordingSurface s;
        layout(s, content, styleFrom(values));
        const auto* line = s.find(QStringLiteral("已支付 ￥") + content.paid);
        EXPECT_EQ(line != nullptr, c.shown) << c.paidSize;
        EXPECT_EQ(s.count(kPreviewDashes), c.shown ? 5 : 4) << c.paidSize;
        if (line) {
            EXPECT_EQ(line->size, 12);
            EXPECT_TRUE(line->bold);
        }
    }
}

TEST(ReceiptLayoutTest, Discount)
{
    ReceiptContent c = smallOrder();
    c.discountName = QStringLiteral("会员");
    c.discountCount = QStringLiteral("2");
    c.discountAmount = QStringLiteral("5");
    RecordingSurface s;
    layout(s, c);
    expectText(s, QStringLiteral("折扣 减免"), (184 - 81) / 2, 192);
    expectText(s, QStringLiteral("会员"), 0, 216);
    expectText(s, QStringLiteral("2份"), 138 - 27, 216);
    expectText(s, QStringLiteral("5"), 184 - 9, 216);
    expectText(s, kPreviewDashes, 0, 96);
    EXPECT_EQ(s.texts[s.indexOf(QStringLiteral("5")) + 1].y, 240); // the separator

    c.discountCount = QStringLiteral("0");
    RecordingSurface noCount;
    layout(noCount, c);
    EXPECT_EQ(noCount.find(QStringLiteral("0份")), nullptr);
    EXPECT_NE(noCount.find(QStringLiteral("会员")), nullptr);

    c.discountAmount = QStringLiteral("0");
    RecordingSurface noAmount;
    const int end = layout(noAmount, c);
    EXPECT_EQ(noAmount.find(QStringLiteral("折扣 减免")), nullptr);
    EXPECT_EQ(noAmount.find(QStringLiteral("会员")), nullptr);
    EXPECT_EQ(noAmount.count(kPreviewDashes), 4);
    EXPECT_EQ(end, 312);
}

TEST(ReceiptLayoutTest, EmptyItemNamesAreSkipped)
{
    ReceiptContent c = smallOrder();
    c.lines.append({QString(), QStringLiteral("1"), QString(), QStringLiteral("3")});
    c.lines.append({QStringLiteral("汤"), QStringLiteral("1"), QString(), QStringLiteral("3")});
    RecordingSurface s;
    layout(s, c);
    expectText(s, QStringLiteral("汤"), 0, 192);
    expectText(s, QStringLiteral("1"), 138 - 9, 192);
}

TEST(ReceiptLayoutTest, TableDeliveryAndNotes)
{
    RecordingSurface empty;
    EXPECT_EQ(layout(empty, smallOrder()), 312);

    ReceiptContent c = smallOrder();
    c.table = QStringLiteral("A1");
    c.name = QStringLiteral(" 张三 ");
    c.address = QStringLiteral("建国路8号");
    c.notes = QStringLiteral("少辣");
    RecordingSurface s;
    const int end = layout(s, c);
    expectText(s, QStringLiteral("A1"), 0, 264);
    expectText(s, QStringLiteral("张三  "), 0, 288);
    expectText(s, QStringLiteral("建国路8号"), 0, 312);
    expectText(s, QStringLiteral(" "), 0, 336);
    expectText(s, QStringLiteral("少辣"), 0, 360);
    expectText(s, QStringLiteral("     "), 69, 384);
    EXPECT_EQ(end, 312 + 5 * 24);

    c = smallOrder();
    c.telephone = QStringLiteral(" 13055260000 ");
    RecordingSurface phone;
    layout(phone, c);
    expectText(phone, QStringLiteral("13055260000"), 0, 264);
}

TEST(ReceiptLayoutTest, LongBlocksWrapAtTheLetterWidth)
{
    ReceiptContent c = smallOrder();
    c.address = QString(30, u'x'); // 21 columns at width 194, size 9
    RecordingSurface s;
    layout(s, c);
    expectText(s, QString(21, u'x'), 0, 264);
    expectText(s, QString(9, u'x'), 0, 288);
}

TEST(ReceiptLayoutTest, OversizedTextsRunPastBothEdges)
{
    ReceiptContent c = smallOrder();
    c.shopName = QString(30, u'店');               // 540 wide
    c.total = QStringLiteral("1234567890123456789012"); // "合计 ￥" + 22 = 29 columns
    RecordingSurface s;
    layout(s, c);
    const auto* shop = s.find(c.shopName);
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->x, (184 - 540) / 2);
    const qsizetype index = s.indexOf(c.shopName);
    EXPECT_TRUE(s.texts[index - 1].text.isEmpty());
    EXPECT_TRUE(s.texts[index + 1].text.isEmpty());
    expectText(s, QStringLiteral("合计 ￥") + c.total, 184 - 261, 216);
}

} // namespace
