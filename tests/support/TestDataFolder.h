#pragma once

#include "storage/Database.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <memory>

// A fresh program folder with a database made from the template and brought
// up to date, as at a first start. AppPaths points at it while it lives.
class TestDataFolder {
public:
    TestDataFolder();
    ~TestDataFolder();

    QString path() const { return m_dir.path(); }
    QString iniPath() const;
    Database& db() { return m_db; }
    int quantityDecimals() const { return m_decimals; }
    // Runs a statement and fails the test when it does not succeed.
    void exec(const QString& statement);
    // The first column of the first row of a query, as text ("" when none).
    QString scalar(const QString& query);

private:
    QTemporaryDir m_dir;
    Database m_db;
    int m_decimals = 0;
};
