#pragma once

#include <QString>

class Database;

enum class DatabaseOpenResult { Opened, FolderNotWritable, CannotOpen };

struct DatabaseStartup {
    DatabaseOpenResult result = DatabaseOpenResult::CannotOpen;
    int quantityDecimals = 0; // the setting 小数位数 after the migrations
};

// Opens <programDir>/data/data.mdb, creating the folder and the file from the
// built-in template when missing, and brings it up to date: the 备注 column,
// the default settings and the column migrations keyed by 数据库版本.
DatabaseStartup OpenAndMigrateDatabase(Database& db, const QString& programDir,
                                       const QString& iniPath);
