#include "common/Gbk.h"
#include "storage/ConfigFile.h"
#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ConfigFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ini() const { return dir.path() + QStringLiteral("/配置文件.ini"); }
    void writeGbk(const QString& text)
    {
        QFile file(ini());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(toGbk(text));
    }
    QByteArray bytes() const
    {
        QFile file(ini());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(ConfigFileTest, EntriesAreFoundIgnoringCaseAndEmptyValuesStayEmpty)
{
    writeGbk(QStringLiteral("[打印]\r\ndhh = {订餐电话:020-1234}\r\n58小票打印宽度 = {}\r\nQQ = {no end"));
    EXPECT_EQ(ReadConfigEntry(ini(), QStringLiteral("DHH"), QStringLiteral("x"), false),
              QStringLiteral("订餐电话:020-1234"));
    EXPECT_EQ(ReadConfigEntry(ini(), QStringLiteral("58小票打印宽度"), QStringLiteral("480"), true),
              QString());
    EXPECT_EQ(ReadConfigEntry(ini(), QStringLiteral("QQ"), QStringLiteral("x"), true), QString());
    EXPECT_EQ(ReadConfigEntry(ini(), QStringLiteral("TX"), QStringLiteral("d"), false),
              QStringLiteral("d"));
}

TEST_F(ConfigFileTest, AMissingEntryIsAppendedInGbkAfterEarlierContent)
{
    EXPECT_EQ(ReadConfigEntry(ini(), QStringLiteral("80小票打印宽度"), QStringLiteral("700"), true),
              QStringLiteral("700"));
    EXPECT_EQ(bytes(), toGbk(QStringLiteral("80小票打印宽度 = {700}\r\n")));

    writeGbk(QStringLiteral("DHH = {电话}"));
    ReadConfigEntry(ini(), QStringLiteral("58小票打印宽度"), QStringLiteral("480"), true);
    EXPECT_EQ(bytes(), toGbk(QStringLiteral("DHH = {电话}58小票打印宽度 = {480}\r\n")));
    EXPECT_EQ(ReadConfigEntry(ini(), QStringLiteral("58小票打印宽度"), QString(), false),
              QStringLiteral("480"));
}

TEST_F(ConfigFileTest, FirstStartSeedsTheExtraLinesFromTheFile)
{
    struct Case {
        QString ini;
        QString line1, check2, line2;
    };
    const Case cases[] = {
        {QString(), QStringLiteral("订餐电话:1305526****"), QStringLiteral("0"), QString()},
        {QStringLiteral("TX = {y}\r\nQQ = {微信:abc}"), QStringLiteral("订餐电话:1305526****"),
         QStringLiteral("0"), QStringLiteral("微信:abc")},
        {QStringLiteral("TX = {Y}\r\nDHH = {电话:8888}"), QStringLiteral("电话:8888"),
         QStringLiteral("1"), QString()},
    };
    for (const Case& c : cases) {
        QTemporaryDir program;
        const QString path = program.path() + QStringLiteral("/配置文件.ini");
        if (!c.ini.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(toGbk(c.ini));
        }
        Database db;
        ASSERT_EQ(OpenAndMigrateDatabase(db, program.path(), path).result, DatabaseOpenResult::Opened);
        SettingsStore settings(db);
        EXPECT_EQ(settings.ReadSetting(QStringLiteral("附带信息1")), c.line1);
        EXPECT_EQ(settings.ReadSetting(QStringLiteral("附带信息2勾选")), c.check2);
        EXPECT_EQ(settings.ReadSetting(QStringLiteral("附带信息2")), c.line2);
        EXPECT_EQ(QFile::exists(path), !c.ini.isEmpty()); // seeding never creates the file
    }
}

} // namespace
