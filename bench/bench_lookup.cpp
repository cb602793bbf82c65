// One keystroke in the code box with 10,000 items in 菜单: the pick list is
// filtered and laid out again. Target: under 5 ms per keystroke.
#include "BenchSupport.h"

#include "app/AppPaths.h"
#include "order/ItemLookup.h"
#include "order/OrderForm.h"
#include "storage/Database.h"
#include "storage/Schema.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

constexpr int kItems = 10000;

// A data folder from the template plus kItems generated items, and a shown
// order form on it; built once for all benchmarks.
struct LookupSetup {
    BenchDataFolder data;
    std::unique_ptr<OrderForm> form;

    LookupSetup()
    {
        Database& db = data.db;
        Transaction transaction(db);
        for (int i = 1; i <= kItems; ++i) {
            const QString n = QString::number(i);
            db.execute(QStringLiteral("insert into 菜单 (代码, 字母, 菜名, 价格, 单位) values ('")
                       + n.rightJustified(5, u'0') + QStringLiteral("', '")
                       + sqlText(QStringLiteral("sp") + QString::number(i, 26)) + QStringLiteral("', '")
                       + sqlText(QStringLiteral("商品") + n) + QStringLiteral("', ")
                       + QString::number(i % 97 + 0.5) + QStringLiteral(", '份')"));
        }
        transaction.commit();
        form = std::make_unique<OrderForm>(db, data.decimals);
        form->lookup().LoadMenuCatalogue();
        form->show();
        QCoreApplication::processEvents();
    }

    QLineEdit* codeBox() { return form->ui().编辑框_项目代号; }

    void press(Qt::Key key, const QString& text)
    {
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(codeBox(), &down);
        QApplication::sendEvent(codeBox(), &up);
        // The list lays itself out and repaints on the pending update, as
        // after a real keystroke.
        QCoreApplication::processEvents();
    }
};

// Made on first use and dropped before the application object goes.
std::unique_ptr<LookupSetup> shared;

LookupSetup& setup()
{
    if (!shared)
        shared = std::make_unique<LookupSetup>();
    return *shared;
}

// "1" typed into an empty box: every code containing 1 (about 3,400 rows).
void BM_KeystrokeWideMatch(benchmark::State& state)
{
    LookupSetup& s = setup();
    for (auto _ : state) {
        state.PauseTiming();
        s.codeBox()->clear();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        s.press(Qt::Key_1, QStringLiteral("1"));
    }
    state.counters["rows"] = s.form->ui().超级列表框2->model()->rowCount();
}
BENCHMARK(BM_KeystrokeWideMatch)->Unit(benchmark::kMillisecond);

// "12" narrowed to "123": the common case while a code is being typed.
void BM_KeystrokeNarrowing(benchmark::State& state)
{
    LookupSetup& s = setup();
    for (auto _ : state) {
        state.PauseTiming();
        s.codeBox()->setText(QStringLiteral("12"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        s.press(Qt::Key_3, QStringLiteral("3"));
    }
    state.counters["rows"] = s.form->ui().超级列表框2->model()->rowCount();
}
BENCHMARK(BM_KeystrokeNarrowing)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, [] { shared.reset(); });
}
