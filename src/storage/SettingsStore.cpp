#include "storage/SettingsStore.h"

#include "storage/ConfigFile.h"
#include "storage/Database.h"

QString SettingsStore::ReadSetting(const QString& key, const QString& defaultValue) const
{
    QString value;
    if (m_db.openQuery(QStringLiteral("Select 记录信息 from 记录 where 记录内容='") + sqlText(key)
                       + u'\'')) {
        value = m_db.text(QStringLiteral("记录信息"));
        m_db.closeQuery();
    }
    return value.isEmpty() ? defaultValue : value;
}

bool SettingsStore::SettingExists(const QString& key) const
{
    if (!m_db.openQuery(QStringLiteral("Select 记录内容 from 记录")))
        return false;
    const bool found = m_db.find(QStringLiteral("记录内容='") + sqlText(key) + u'\'');
    m_db.closeQuery();
    return found;
}

bool SettingsStore::UpdateSetting(const QString& key, const QString& value)
{
    return m_db.execute(QStringLiteral("update 记录 set 记录信息 = '") + sqlText(value)
                        + QStringLiteral("' where 记录内容 = '") + sqlText(key) + u'\'');
}

bool SettingsStore::InsertSetting(const QString& key, const QString& value)
{
    return m_db.execute(QStringLiteral("insert into 记录 (记录内容,记录信息) values ('")
                        + sqlText(key) + QStringLiteral("','") + sqlText(value)
                        + QStringLiteral("')"));
}

void SettingsStore::WriteSetting(const QString& key, const QString& value)
{
    if (SettingExists(key))
        UpdateSetting(key, value);
    else
        InsertSetting(key, value);
}

void SettingsStore::WriteDefaultSettings(const QString& iniPath)
{
    if (!SettingExists(QStringLiteral("字体大小"))) {
        InsertSetting(QStringLiteral("小票类型"), QStringLiteral("0"));
        InsertSetting(QStringLiteral("设置类型"), QStringLiteral("1"));
        InsertSetting(QStringLiteral("字体大小"), QStringLiteral("9|9|9|9|9|9|12|9|9|12|12"));
        InsertSetting(QStringLiteral("勾选加粗"), QStringLiteral("0|0|0|0|0|0|1|0|0|1|1"));
        InsertSetting(QStringLiteral("票头"), QStringLiteral("微信点餐"));
        InsertSetting(QStringLiteral("店铺名称"), QStringLiteral("白云快餐"));
    }
    if (!SettingExists(QStringLiteral("附带信息1勾选"))) {
        InsertSetting(QStringLiteral("附带信息1勾选"), QStringLiteral("1"));
        const QString tx = ReadConfigEntry(iniPath, QStringLiteral("TX"), QString(), false);
        InsertSetting(QStringLiteral("附带信息2勾选"),
                      tx == QStringLiteral("Y") ? QStringLiteral("1") : QStringLiteral("0"));
        const QString phone = ReadConfigEntry(iniPath, QStringLiteral("DHH"), QString(), false);
        InsertSetting(QStringLiteral("附带信息1"),
                      phone.isEmpty() ? QStringLiteral("订餐电话:1305526****") : phone);
        InsertSetting(QStringLiteral("附带信息2"),
                      ReadConfigEntry(iniPath, QStringLiteral("QQ"), QString(), false));
    }
    for (const QString& key : {QStringLiteral("顶部图片勾选"), QStringLiteral("底部图片勾选"),
                              QStringLiteral("打印份数")}) {
        if (!SettingExists(key))
            WriteSetting(key, QStringLiteral("1"));
    }
}
