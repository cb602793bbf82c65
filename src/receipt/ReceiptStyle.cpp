#include "receipt/ReceiptStyle.h"

#include "common/Numbers.h"
#include "storage/SettingsStore.h"

#include <QStringList>

ReceiptStyle ReceiptStyle::fromLookup(const std::function<QString(const QString&)>& lookup)
{
    ReceiptStyle style;
    const auto flag = [&](const char16_t* key) { return lookup(QString::fromUtf16(key)) == u"1"; };

    style.options[0] = {flag(u"附带信息1勾选"), lookup(QStringLiteral("附带信息1"))};
    style.options[1] = {flag(u"附带信息2勾选"), lookup(QStringLiteral("附带信息2"))};

    // Default mode: the built-in look, no pictures, the custom keys unread.
    if (textToInt(lookup(QStringLiteral("设置类型"))) == 0)
        return style;

    style.options[2].enabled = flag(u"顶部图片勾选");
    style.options[3].enabled = flag(u"底部图片勾选");
    const QStringList sizes = lookup(QStringLiteral("字体大小")).split(u'|');
    const QStringList bolds = lookup(QStringLiteral("勾选加粗")).split(u'|');
    for (int i = 0; i < kSectionCount; ++i) {
        style.fonts[i].size = i < sizes.size() ? textToInt(sizes[i]) : 0;
        style.fonts[i].bold = i < bolds.size() && textToInt(bolds[i]) != 0;
    }
    return style;
}

ReceiptStyle ReceiptStyle::fromSettings(const SettingsStore& settings)
{
    return fromLookup([&](const QString& key) { return settings.ReadSetting(key); });
}
