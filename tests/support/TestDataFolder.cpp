#include "support/TestDataFolder.h"

#include "app/AppPaths.h"
#include "storage/Schema.h"

#include <gtest/gtest.h>

TestDataFolder::TestDataFolder()
{
    AppPaths::setProgramDir(m_dir.path());
    const DatabaseStartup startup = OpenAndMigrateDatabase(m_db, m_dir.path(), iniPath());
    EXPECT_EQ(startup.result, DatabaseOpenResult::Opened) << m_db.lastError().toStdString();
    m_decimals = startup.quantityDecimals;
}

TestDataFolder::~TestDataFolder() { m_db.close(); }

QString TestDataFolder::iniPath() const { return AppPaths::iniPath(); }

void TestDataFolder::exec(const QString& statement)
{
    EXPECT_TRUE(m_db.execute(statement))
        << statement.toStdString() << ": " << m_db.lastError().toStdString();
}

QString TestDataFolder::scalar(const QString& query)
{
    if (!m_db.openQuery(query))
        return QString();
    const QString value = m_db.text(0);
    m_db.closeQuery();
    return value;
}
