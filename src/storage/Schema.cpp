#include "storage/Schema.h"

#include "app/AppPaths.h"
#include "common/Numbers.h"
#include "resources/CarriedResources.h"
#include "storage/Database.h"
#include "storage/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

bool folderIsWritable(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

QString templateScript()
{
    return QString::fromUtf8(CarriedBytes(QStringLiteral(":/storage/template.sql")));
}

// Builds the file under a temporary name and renames it into place, so a
// crash half-way never leaves a partial database behind.
bool createFromTemplate(const QString& path)
{
    const QString partial = path + QStringLiteral(".new");
    QFile::remove(partial);
    QFile::remove(partial + QStringLiteral("-wal"));
    QFile::remove(partial + QStringLiteral("-shm"));
    bool ok = false;
    {
        Database db;
        const QString script = templateScript();
        ok = !script.isEmpty() && db.create(partial) && db.executeScript(script)
            && db.applyColumnRules();
        db.close();
    }
    if (ok)
        ok = QFile::rename(partial, path);
    if (!ok)
        QFile::remove(partial);
    return ok;
}

} // namespace

DatabaseStartup OpenAndMigrateDatabase(Database& db, const QString& programDir,
                                       const QString& iniPath)
{
    DatabaseStartup startup;
    const QString dataDir = programDir + QStringLiteral("/data");
    const QString path = dataDir + QStringLiteral("/data.mdb");

    if (!QDir().mkpath(dataDir) || !folderIsWritable(dataDir)) {
        startup.result = DatabaseOpenResult::FolderNotWritable;
        return startup;
    }
    if (!QFileInfo::exists(path) && !createFromTemplate(path)) {
        startup.result = DatabaseOpenResult::CannotOpen;
        return startup;
    }
    if (!db.open(path)) {
        startup.result = DatabaseOpenResult::CannotOpen;
        return startup;
    }

    if (db.openQuery(QStringLiteral("Select [备注] from [存单]")))
        db.closeQuery();
    else
        db.execute(QStringLiteral("alter table [存单] add 备注 varchar(255)"));

    SettingsStore settings(db);
    settings.WriteDefaultSettings(iniPath);

    int decimals = textToInt(settings.ReadSetting(QStringLiteral("小数位数")));
    if (settings.ReadSetting(QStringLiteral("数据库版本")) != QString::fromUtf16(kVersionText)) {
        db.execute(QStringLiteral("alter table 存单详单 alter column 数量 double"));
        db.execute(QStringLiteral("alter table 存单 alter column 实付 double"));
        db.execute(QStringLiteral("alter table 存单 alter column 已付 double"));
        settings.WriteSetting(QStringLiteral("数据库版本"), QString::fromUtf16(kVersionText));
        if (decimals == 0) {
            settings.WriteSetting(QStringLiteral("小数位数"), QStringLiteral("1"));
            decimals = 1;
        }
    }
    startup.result = DatabaseOpenResult::Opened;
    startup.quantityDecimals = decimals;
    return startup;
}
