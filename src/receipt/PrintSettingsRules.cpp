#include "receipt/PrintSettingsRules.h"

#include "common/Numbers.h"
#include "receipt/ReceiptStyle.h"

namespace {

constexpr int kSmallestSize = 7;
constexpr int kLargestSize = 30;

bool outOfRange(int size) { return size < kSmallestSize || size > kLargestSize; }

} // namespace

QString CheckedCopies(const QString& copiesText)
{
    const int copies = textToInt(copiesText);
    if (copies > 4)
        return QStringLiteral("4");
    if (copies <= 0)
        return QStringLiteral("1");
    return copiesText;
}

FontSizeCheck CheckFontSizes(const QStringList& sizeTexts)
{
    const auto size = [&](int box) { return box < sizeTexts.size() ? textToInt(sizeTexts[box]) : 0; };
    const int paid = static_cast<int>(ReceiptSection::Paid);
    if (size(paid) != 0 && outOfRange(size(paid))) {
        return {paid, QStringLiteral("已支付 字体大小超出设定，请将字体大小控制在数值 7-30 的范围内。\n"
                                     "注意：已支付 字体大小数值设置为 0 时打印及预览将不显示 已支付 ")};
    }
    for (int box = 0; box < kSectionCount; ++box) {
        if (box != paid && outOfRange(size(box)))
            return {box, QStringLiteral("字体大小超出设定，请将字体大小控制在数值 7-30 的范围内。")};
    }
    return {};
}
