// Storage engine timings: translation, settling inserts (with the column
// rules' triggers and synchronous=FULL commits), and the history page query.
#include "storage/Database.h"
#include "storage/JetTranslator.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

bool makeOrders(Database& db, const QString& path, int orders)
{
    if (!db.create(path)
        || !db.execute(u8("CREATE TABLE 记录 (记录内容 VARCHAR(16), 记录信息 VARCHAR(255))"))
        || !db.execute(u8("CREATE TABLE 存单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 INTEGER, 时间 DATETIME, "
                          "合计 SINGLE, 实付 DOUBLE, 电话 VARCHAR(16), 是否结算 BIT)")))
        return false;
    Transaction t(db);
    for (int i = 0; i < orders; ++i)
        db.execute(u8("insert into 存单 (编号,时间,合计,实付,电话,是否结算) values (") + QString::number(i % 300 + 1)
            + u8(",'2016/3/5 7:4',12.5,12.5,'13800','1')"));
    return t.commit();
}

// A scratch database holding `orders` orders; skips the benchmark when it cannot be made.
struct Orders {
    QTemporaryDir dir;
    Database db;
    bool ready;
    Orders(benchmark::State& state, int orders)
        : ready(makeOrders(db, dir.filePath(QStringLiteral("b.mdb")), orders))
    {
        if (!ready)
            state.SkipWithError("fixture");
    }
};

void BM_Translate(benchmark::State& state)
{
    const QString jet = u8("select top 200 * from (select top 400 * from 存单 where 时间>cdate('2024年3月5日') "
                           "and 电话='13800' order by [id])order by [id] desc");
    for (auto _ : state)
        benchmark::DoNotOptimize(translateJet(jet));
}
BENCHMARK(BM_Translate);

// One settled order header, committed on its own as the order form does.
void BM_InsertCommitted(benchmark::State& state)
{
    Orders fixture(state, 0);
    if (!fixture.ready)
        return;
    Database& db = fixture.db;
    int n = 0;
    for (auto _ : state)
        db.execute(u8("insert into 存单 (编号,时间,合计,实付,电话,是否结算) values (") + QString::number(++n)
            + u8(",'03-07 09:05',12.5,12.5,'13800','1')"));
}
BENCHMARK(BM_InsertCommitted)->Unit(benchmark::kMicrosecond);

void BM_HistoryPage(benchmark::State& state)
{
    Orders fixture(state, 20000);
    if (!fixture.ready)
        return;
    Database& db = fixture.db;
    for (auto _ : state) {
        db.openQuery(u8("select top 200 * from (select top 10000 * from 存单 order by [id])order by [id] desc"));
        int rows = 0;
        for (; !db.atEnd(); db.moveNext()) {
            benchmark::DoNotOptimize(db.text(u8("时间")));
            ++rows;
        }
        db.closeQuery();
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_HistoryPage)->Unit(benchmark::kMillisecond);

void BM_MonthReport(benchmark::State& state)
{
    Orders fixture(state, 20000);
    if (!fixture.ready)
        return;
    Database& db = fixture.db;
    for (auto _ : state) {
        db.openQuery(u8("select count(*),format(时间,'yyyy-mm'),sum(实付) from 存单 where format(时间,'yyyy')='2016'  "
                        "group by format(时间,'yyyy-mm')"));
        for (; !db.atEnd(); db.moveNext())
            benchmark::DoNotOptimize(db.number(2));
        db.closeQuery();
    }
}
BENCHMARK(BM_MonthReport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
