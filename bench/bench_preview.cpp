// Preview redraw of a 20-line order: style read from the settings store,
// layout and drawing onto the 5000-pixel canvas (target: under 5 ms).
#include "BenchSupport.h"

#include "app/AppPaths.h"
#include "receipt/PrintPreview.h"
#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/SettingsStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

ReceiptContent twentyLineOrder()
{
    ReceiptContent c;
    c.orderNumber = QStringLiteral("12");
    c.header = QStringLiteral("微信点餐");
    c.shopName = QStringLiteral("白云快餐");
    c.payment = QStringLiteral("现金");
    c.orderTime = QStringLiteral("12:30:05");
    for (int i = 0; i < 20; ++i)
        c.lines.append({QStringLiteral("鱼香肉丝") + QString::number(i), QStringLiteral("1"),
                        QStringLiteral("份"), QStringLiteral("18")});
    c.total = QStringLiteral("360");
    c.paid = QStringLiteral("400");
    c.telephone = QStringLiteral("13055260000");
    c.address = QStringLiteral("建国路88号");
    return c;
}

void BM_PreviewRedraw20Lines(benchmark::State& state)
{
    QTemporaryDir dir;
    AppPaths::setProgramDir(dir.path());
    Database db;
    if (OpenAndMigrateDatabase(db, dir.path(), AppPaths::iniPath()).result != DatabaseOpenResult::Opened) {
        state.SkipWithError("database");
        return;
    }
    SettingsStore settings(db);
    QWidget form;
    form.resize(600, 737);
    form.show();
    const ReceiptContent content = twentyLineOrder();
    auto* preview = new PrintPreview(&form, settings, [&] { return content; }, [](int) {});
    preview->show(); // writes the default pictures on the first redraw
    for (auto _ : state)
        preview->RefreshPreview();
    db.close();
}
BENCHMARK(BM_PreviewRedraw20Lines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
