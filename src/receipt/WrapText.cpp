#include "receipt/WrapText.h"

#include <QList>

namespace {

// Whole code points, so a character outside the BMP is never split in two.
using Chars = QList<uint>;

int columnsOf(char32_t c) { return c < 127 ? 1 : 2; }

qint64 columnsOf(const Chars& chars, qsizetype from, qsizetype to)
{
    qint64 total = 0;
    for (qsizetype i = from; i < to; ++i)
        total += columnsOf(chars[i]);
    return total;
}

bool isOpeningMark(char32_t c)
{
    return c == U'《' || c == U'（' || c == U'“' || c == U'〈' || c == U'‘';
}

bool isClosingMark(char32_t c)
{
    static constexpr char32_t marks[] = {U'》', U'）', U'”', U'〉', U'，', U'。',
                                         U'？', U'：', U'’', U'；', U'、'};
    for (char32_t mark : marks)
        if (c == mark)
            return true;
    return false;
}

bool isBreakAt(const Chars& chars, qsizetype i)
{
    return i + 1 < chars.size() && chars[i] == U'\r' && chars[i + 1] == U'\n';
}

// Number of characters of the next line, starting at `start`; the line may
// end with the text's own CR LF.
qsizetype nextCut(const Chars& chars, qsizetype start, int columns)
{
    int e = 0;
    qsizetype i = start;
    qsizetype wordStart = start; // character index of column w
    int w = 0;
    bool inWord = false;
    bool ownBreak = false;
    while (e < columns && i < chars.size()) {
        const char32_t c = chars[i];
        if (columnsOf(c) == 2) {
            inWord = false;
            w = 0;
            if (e == columns - 1)
                break;
            e += 2;
            ++i;
        } else if (c == U' ') {
            e += 1;
            inWord = false;
            w = 0;
            ++i;
        } else if (isBreakAt(chars, i)) {
            e += 2;
            i += 2;
            ownBreak = true;
            break;
        } else {
            if (!inWord) {
                w = e;
                wordStart = i;
                inWord = true;
            }
            e += 1;
            ++i;
        }
    }

    qsizetype cut = i;
    if (!ownBreak) {
        if (e == columns && w > 0 && i < chars.size() && columnsOf(chars[i]) == 1)
            cut = wordStart;
        // One punctuation adjustment, never one that would leave the line empty.
        if (cut - start >= 2) {
            const char32_t before = chars[cut - 1];
            if (isOpeningMark(before))
                cut -= 1; // the mark is two columns wide
            else if (cut < chars.size() && isClosingMark(chars[cut]))
                cut -= 1;
        }
    }
    if (cut == start) // widths of 0 or 1: take one character (or one own break)
        cut = isBreakAt(chars, start) ? start + 2 : start + 1;
    return cut - start;
}

} // namespace

QString WrapText(const QString& text, int columns)
{
    const Chars chars = text.toUcs4();
    QString result;
    qsizetype start = 0;
    qint64 remaining = columnsOf(chars, 0, chars.size());
    const auto piece = [&](qsizetype from, qsizetype length) {
        return QString::fromUcs4(reinterpret_cast<const char32_t*>(chars.constData()) + from, length);
    };
    // At widths below one character the last piece can itself be too wide;
    // it still ends the text without a break after it.
    while (remaining > columns && start < chars.size()) {
        const qsizetype length = nextCut(chars, start, columns);
        remaining -= columnsOf(chars, start, start + length);
        const bool endsWithBreak = length >= 2 && isBreakAt(chars, start + length - 2);
        result += piece(start, length);
        start += length;
        if (!endsWithBreak && start < chars.size())
            result += QStringLiteral("\r\n");
    }
    result += piece(start, chars.size() - start);
    return result;
}
