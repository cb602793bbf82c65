#include "receipt/WrapText.h"

#include <gtest/gtest.h>

namespace {

struct WrapCase {
    const char* what;
    const char16_t* text;
    int columns;
    const char16_t* expected;
};

const WrapCase kCases[] = {
    {"fits unchanged", u"abc defg", 10, u"abc defg"},
    {"empty text", u"", 10, u""},
    {"word kept whole", u"abc defghijk", 10, u"abc \r\ndefghijk"},
    {"run from line start cut hard", u"abcdefghijklm", 10, u"abcdefghij\r\nklm"},
    {"run before a wide character cut hard", u"ab cdefghi中", 10, u"ab cdefghi\r\n中"},
    {"chinese run at the 10th column", u"一二三四五六七八", 10, u"一二三四五\r\n六七八"},
    {"10th column inside a character", u"a一二三四五六", 10, u"a一二三四\r\n五六"},
    {"comma never begins a line", u"一二三四五，六", 10, u"一二三四\r\n五，六"},
    {"full stop after a letter", u"abcdefghij。x", 10, u"abcdefghi\r\nj。x"},
    {"opening bracket never ends a line", u"一二三四（五六", 10, u"一二三四\r\n（五六"},
    {"own breaks kept, none added", u"ab\r\ncd\r\nefghijklmnop", 10, u"ab\r\ncd\r\nefghijklmn\r\nop"},
    {"short text with own break", u"ab\r\ncd", 10, u"ab\r\ncd"},
    {"bracket alone before a run still progresses", u"（abcdefghijkl", 10,
     u"（\r\nabcdefghij\r\nkl"},
    {"width 2", u"中a文", 2, u"中\r\na\r\n文"},
    {"width 1 wide characters", u"中文", 1, u"中\r\n文"},
    {"width 1 letters", u"abc", 1, u"a\r\nb\r\nc"},
    {"width 0", u"ab", 0, u"a\r\nb"},
    {"width 0 keeps break whole", u"\r\nab", 0, u"\r\na\r\nb"},
    {"negative width", u"ab", -3, u"a\r\nb"},
};

TEST(WrapTextTest, Cases)
{
    for (const WrapCase& c : kCases) {
        EXPECT_EQ(WrapText(QString::fromUtf16(c.text), c.columns), QString::fromUtf16(c.expected))
            << c.what;
    }
}

TEST(WrapTextTest, NoLineWiderThanTheWidth)
{
    const QString text = QStringLiteral("订餐电话:1305526**** 地址：北京市（朝阳区）建国路88号，"
                                        "SOHO现代城A座1808室。welcome to our shop!");
    for (int columns = 2; columns <= 40; ++columns) {
        const QStringList lines = WrapText(text, columns).split(QStringLiteral("\r\n"));
        EXPECT_EQ(lines.join(QString()), text) << columns;
        for (const QString& line : lines) {
            int width = 0;
            for (QChar c : line)
                width += c.unicode() < 127 ? 1 : 2;
            EXPECT_LE(width, columns) << line.toStdString();
            EXPECT_FALSE(line.isEmpty()) << columns;
        }
    }
}

} // namespace
