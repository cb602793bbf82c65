#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/SettingsStore.h"
#include "support/TestDataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString columnType(Database& db, const QString& table, const QString& column)
{
    QString type;
    if (db.openQuery(QStringLiteral("select type from pragma_table_info('") + table
                     + QStringLiteral("') where name='") + column + u'\'')) {
        type = db.text(0);
        db.closeQuery();
    }
    return type;
}

int countRows(TestDataFolder& data, const QString& table)
{
    return data.scalar(QStringLiteral("select count(*) from ") + table).toInt();
}

void reopen(TestDataFolder& data)
{
    data.db().close();
    const DatabaseStartup again = OpenAndMigrateDatabase(data.db(), data.path(), data.iniPath());
    ASSERT_EQ(again.result, DatabaseOpenResult::Opened);
}

} // namespace

TEST(Schema, FirstStartCreatesTheTemplateMigratedWithDefaultSettings)
{
    TestDataFolder data;
    EXPECT_EQ(data.quantityDecimals(), 1);
    EXPECT_EQ(countRows(data, QStringLiteral("菜单")), 28);
    EXPECT_EQ(countRows(data, QStringLiteral("桌号")), 18);
    EXPECT_EQ(countRows(data, QStringLiteral("存单")), 0);
    EXPECT_EQ(columnType(data.db(), QStringLiteral("存单详单"), QStringLiteral("数量")), QStringLiteral("DOUBLE"));
    EXPECT_EQ(columnType(data.db(), QStringLiteral("存单"), QStringLiteral("实付")), QStringLiteral("DOUBLE"));
    EXPECT_EQ(columnType(data.db(), QStringLiteral("存单"), QStringLiteral("已付")), QStringLiteral("DOUBLE"));
    EXPECT_FALSE(columnType(data.db(), QStringLiteral("存单"), QStringLiteral("备注")).isEmpty());

    SettingsStore settings(data.db());
    const std::pair<const char16_t*, const char16_t*> expected[] = {
        {u"小票类型", u"0"}, {u"设置类型", u"1"}, {u"字体大小", u"9|9|9|9|9|9|12|9|9|12|12"},
        {u"勾选加粗", u"0|0|0|0|0|0|1|0|0|1|1"}, {u"票头", u"微信点餐"}, {u"店铺名称", u"白云快餐"},
        {u"附带信息1勾选", u"1"}, {u"附带信息2勾选", u"0"}, {u"附带信息1", u"订餐电话:1305526****"},
        {u"顶部图片勾选", u"1"}, {u"底部图片勾选", u"1"}, {u"打印份数", u"1"},
        {u"数据库版本", u"3.2"}, {u"小数位数", u"1"}};
    for (const auto& [key, value] : expected)
        EXPECT_EQ(settings.ReadSetting(QString::fromUtf16(key)), QString::fromUtf16(value))
            << QString::fromUtf16(key).toStdString();
    EXPECT_TRUE(settings.SettingExists(QStringLiteral("附带信息2")));
    EXPECT_EQ(settings.ReadSetting(QStringLiteral("附带信息2")), QString());

    // The template's IDs stand and autonumbers continue after the highest.
    EXPECT_EQ(data.scalar(QStringLiteral("select 票头 from 票头设置 where ID=8")), QStringLiteral("欢迎光临"));
    data.exec(QStringLiteral("insert into 票头设置 (票头) values ('新')"));
    EXPECT_EQ(data.scalar(QStringLiteral("select max(ID) from 票头设置")), QStringLiteral("9"));
}

TEST(Schema, RestartingWritesNothingAgain)
{
    TestDataFolder data;
    const int settingsRows = countRows(data, QStringLiteral("记录"));
    SettingsStore(data.db()).WriteSetting(QStringLiteral("打印份数"), QStringLiteral("3"));
    reopen(data);
    reopen(data);
    EXPECT_EQ(countRows(data, QStringLiteral("记录")), settingsRows);
    EXPECT_EQ(SettingsStore(data.db()).ReadSetting(QStringLiteral("打印份数")), QStringLiteral("3"));
}

TEST(Schema, ACurrentFileWithZeroDecimalsKeepsThem)
{
    TestDataFolder data;
    SettingsStore(data.db()).WriteSetting(QStringLiteral("小数位数"), QStringLiteral("0"));
    data.db().close();
    const DatabaseStartup again = OpenAndMigrateDatabase(data.db(), data.path(), data.iniPath());
    EXPECT_EQ(again.quantityDecimals, 0);
}

TEST(Schema, AnOldFileGainsTheNoteColumnAndItsMigrationsKeepRows)
{
    TestDataFolder data;
    // Make the file look like an older release: old column types, no 备注, no version.
    data.exec(QStringLiteral("insert into 存单 (编号,时间,实付,已付) values (3,'2024-03-05 10:00:00',12,12)"));
    data.exec(QStringLiteral("insert into 存单详单 (存单ID,菜名,数量) values (1,'x',2)"));
    data.db().executeScript(QStringLiteral(
        "CREATE TABLE old AS SELECT ID,编号,票头,店铺名称,时间,减免,减免份数,减免金额,合计,支付方式,已付,实付,桌号,电话,姓名,地址,是否结算 FROM 存单;"
        "DROP TABLE 存单;"
        "CREATE TABLE 存单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 INTEGER, 票头 VARCHAR(32), 店铺名称 VARCHAR(32), 时间 DATETIME, 减免 VARCHAR(32), 减免份数 SHORT, 减免金额 DECIMAL(18,0), 合计 SINGLE, 支付方式 VARCHAR(255), 已付 DECIMAL(18,0), 实付 DECIMAL(18,0), 桌号 VARCHAR(32), 电话 VARCHAR(16), 姓名 VARCHAR(16), 地址 VARCHAR(255), 是否结算 BIT);"
        "INSERT INTO 存单 SELECT * FROM old; DROP TABLE old;"
        "DELETE FROM 记录 WHERE 记录内容 IN ('数据库版本','小数位数');"));
    data.db().applyColumnRules();
    EXPECT_EQ(columnType(data.db(), QStringLiteral("存单"), QStringLiteral("备注")), QString());

    reopen(data);
    EXPECT_FALSE(columnType(data.db(), QStringLiteral("存单"), QStringLiteral("备注")).isEmpty());
    EXPECT_EQ(columnType(data.db(), QStringLiteral("存单"), QStringLiteral("实付")), QStringLiteral("DOUBLE"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 编号 from 存单 where ID=1")), QStringLiteral("3"));
    EXPECT_EQ(SettingsStore(data.db()).ReadSetting(QStringLiteral("小数位数")), QStringLiteral("1"));
    reopen(data); // running the migrations again changes nothing
    EXPECT_EQ(countRows(data, QStringLiteral("存单")), 1);
}

TEST(Schema, AnApostropheInAnyTextIsStoredExactly)
{
    TestDataFolder data;
    const QString nasty = QStringLiteral("O'Brien's #1 -- ; drop table 存单;\n'); x");
    SettingsStore settings(data.db());
    settings.WriteSetting(QStringLiteral("票头"), nasty);
    EXPECT_EQ(settings.ReadSetting(QStringLiteral("票头")), nasty);
    data.exec(QStringLiteral("insert into 客户 (电话,姓名) values ('1','") + sqlText(nasty) + QStringLiteral("')"));
    EXPECT_EQ(data.scalar(QStringLiteral("select 姓名 from 客户 where 姓名='") + sqlText(nasty) + u'\''), nasty);
    EXPECT_EQ(countRows(data, QStringLiteral("存单")), 0);
}
