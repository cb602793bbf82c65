#pragma once

#include <QString>
#include <array>
#include <functional>

class SettingsStore;

// The eleven text sections of the receipt, in the order of the settings lists
// "字体大小" and "勾选加粗".
enum class ReceiptSection {
    Header,       // 票头
    ShopName,     // 店铺名称
    Payment,      // 支付方式
    OrderTime,    // 下单时间
    ItemHeading,  // 表单标题
    ItemRow,      // 表单内容
    Total,        // 合计
    DiscountTitle,// 减免标题
    DiscountRow,  // 减免内容
    Paid,         // 已支付
    Delivery,     // 桌号送餐信息
};
inline constexpr int kSectionCount = 11;

struct SectionFont {
    int size = 9;
    bool bold = false;
};

struct ReceiptOption {
    bool enabled = false;
    QString text;
};

// Indexes of ReceiptStyle::options.
enum class ReceiptOptionIndex { ExtraInfo1, ExtraInfo2, TopPicture, BottomPicture };

struct ReceiptStyle {
    std::array<SectionFont, kSectionCount> fonts{};
    std::array<ReceiptOption, 4> options{};

    const SectionFont& font(ReceiptSection section) const
    {
        return fonts[static_cast<int>(section)];
    }
    const ReceiptOption& option(ReceiptOptionIndex index) const
    {
        return options[static_cast<int>(index)];
    }

    // `lookup` gives the stored value of a settings key, empty when absent.
    static ReceiptStyle fromLookup(const std::function<QString(const QString&)>& lookup);
    static ReceiptStyle fromSettings(const SettingsStore& settings);
};
