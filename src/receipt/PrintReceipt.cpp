#include "receipt/PrintReceipt.h"

#include "app/AppPaths.h"
#include "common/Numbers.h"
#include "receipt/PaperType.h"
#include "receipt/PngImage.h"
#include "receipt/ReceiptLayout.h"
#include "receipt/ReceiptPrinter.h"
#include "receipt/ReceiptStyle.h"
#include "storage/ConfigFile.h"
#include "storage/SettingsStore.h"

#include <QFile>
#include <QImage>

namespace {

QImage pictureIfEnabled(const ReceiptStyle& style, ReceiptOptionIndex option, const QString& path)
{
    if (!style.option(option).enabled || !QFile::exists(path))
        return {};
    return loadPng(path);
}

} // namespace

int ReadPrintWidth(const SettingsStore& settings, const QString& iniPath)
{
    const bool mm58 = ReadPaperType(settings) == PaperType::Mm58;
    const QString key = mm58 ? QStringLiteral("58小票打印宽度") : QStringLiteral("80小票打印宽度");
    const int fallback = mm58 ? 480 : 700;
    const int width = textToInt(ReadConfigEntry(iniPath, key, QString::number(fallback), true));
    // 0, a negative or a non-numeric width would leave nothing to lay out on
    // or draw left of the page.
    return width > 0 ? width : fallback;
}

bool PrintReceipt(ReceiptPrinter& printer, PrintMode mode, const ReceiptContent& content,
                  const SettingsStore& settings, const QString& iniPath)
{
    const ReceiptStyle style = ReceiptStyle::fromSettings(settings);
    const int width = ReadPrintWidth(settings, iniPath);
    const QImage top = pictureIfEnabled(style, ReceiptOptionIndex::TopPicture, AppPaths::topPicturePath());
    const QImage bottom =
        pictureIfEnabled(style, ReceiptOptionIndex::BottomPicture, AppPaths::bottomPicturePath());

    if (!printer.startJob(true))
        return false;
    ReceiptLayout(printer.page(), width, style, content, &top, &bottom, ReceiptTarget::Printer);
    printer.endJob();

    const int copies =
        mode == PrintMode::AfterSettling ? textToInt(settings.ReadSetting(QStringLiteral("打印份数"))) : 1;
    for (int copy = 2; copy <= copies; ++copy) {
        if (!printer.startJob(false))
            return false;
        ReceiptLayout(printer.page(), width, style, content, nullptr, nullptr, ReceiptTarget::Printer);
        printer.endJob();
    }
    return true;
}
