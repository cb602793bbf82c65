#pragma once

#include <QString>

class Database;

// Text values under text keys in table 记录.
class SettingsStore {
public:
    explicit SettingsStore(Database& db) : m_db(db) {}

    // The value; the default when there is no row or the value is empty.
    QString ReadSetting(const QString& key, const QString& defaultValue = QString()) const;
    bool SettingExists(const QString& key) const;
    bool UpdateSetting(const QString& key, const QString& value);
    bool InsertSetting(const QString& key, const QString& value);
    // Updates the key when it exists, else inserts it.
    void WriteSetting(const QString& key, const QString& value);

    // The three default groups, each written only when its sentinel is absent.
    void WriteDefaultSettings(const QString& iniPath);

private:
    Database& m_db;
};
