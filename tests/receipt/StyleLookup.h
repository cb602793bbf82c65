#pragma once

#include "receipt/ReceiptStyle.h"

#include <QHash>
#include <QString>

// A ReceiptStyle built from a fixed key/value table instead of the database.
inline ReceiptStyle styleFrom(const QHash<QString, QString>& values)
{
    return ReceiptStyle::fromLookup([&](const QString& key) { return values.value(key); });
}

// The settings of a first start: custom mode, both pictures on.
inline QHash<QString, QString> firstStartSettings()
{
    return {{QStringLiteral("小票类型"), QStringLiteral("0")},
            {QStringLiteral("设置类型"), QStringLiteral("1")},
            {QStringLiteral("字体大小"), QStringLiteral("9|9|9|9|9|9|12|9|9|12|12")},
            {QStringLiteral("勾选加粗"), QStringLiteral("0|0|0|0|0|0|1|0|0|1|1")},
            {QStringLiteral("附带信息1勾选"), QStringLiteral("1")},
            {QStringLiteral("附带信息1"), QStringLiteral("订餐电话:1305526****")},
            {QStringLiteral("附带信息2勾选"), QStringLiteral("0")},
            {QStringLiteral("顶部图片勾选"), QStringLiteral("1")},
            {QStringLiteral("底部图片勾选"), QStringLiteral("1")},
            {QStringLiteral("打印份数"), QStringLiteral("1")}};
}
