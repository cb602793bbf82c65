#pragma once

#include "app/AppPaths.h"
#include "storage/Database.h"
#include "storage/Schema.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

// A program folder with a database from the template, as at a first start.
struct BenchDataFolder {
    QTemporaryDir dir;
    Database db;
    int decimals = 0;

    BenchDataFolder()
    {
        AppPaths::setProgramDir(dir.path());
        const DatabaseStartup startup = OpenAndMigrateDatabase(db, dir.path(), AppPaths::iniPath());
        if (startup.result != DatabaseOpenResult::Opened) {
            std::fprintf(stderr, "database: %s\n", qPrintable(db.lastError()));
            std::abort();
        }
        decimals = startup.quantityDecimals;
    }
    void script(const QString& sql)
    {
        if (!db.executeScript(sql)) {
            std::fprintf(stderr, "script: %s\n", qPrintable(db.lastError()));
            std::abort();
        }
    }
};

// Benchmarks of windows need a QApplication; headless unless told otherwise.
inline int RunQtBenchmarks(int argc, char** argv, void (*teardown)() = nullptr)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (teardown)
        teardown();
    return 0;
}
