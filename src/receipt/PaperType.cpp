#include "receipt/PaperType.h"

#include "common/Numbers.h"
#include "storage/SettingsStore.h"

PaperType paperTypeFromText(const QString& value)
{
    return textToInt(value) == 0 ? PaperType::Mm58 : PaperType::Mm80;
}

PaperType ReadPaperType(const SettingsStore& settings)
{
    return paperTypeFromText(settings.ReadSetting(QStringLiteral("小票类型")));
}
