#include "common/Clock.h"
#include "storage/Database.h"
#include "storage/JetDate.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString u8(const char* text) { return QString::fromUtf8(text); }

class FixedClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime(QDate(2024, 3, 7), QTime(10, 0)); }
};

// A small database with the declared types the schema uses.
bool makeFixture(Database& db, const QString& path)
{
    const char* statements[] = {
        "CREATE TABLE 记录 (记录内容 VARCHAR(16), 记录信息 VARCHAR(255))",
        "CREATE TABLE 存单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 编号 INTEGER, 时间 DATETIME, "
        "减免份数 SHORT, 减免金额 DECIMAL(18,0), 合计 SINGLE, 实付 DOUBLE, 电话 VARCHAR(16), "
        "是否结算 BIT, 备注 VARCHAR(255))",
        "CREATE TABLE 存单详单 (ID INTEGER PRIMARY KEY AUTOINCREMENT, 存单ID INTEGER, "
        "销售时间 DATETIME, 菜名 VARCHAR(32), 数量 SHORT, 小计 SINGLE)",
        "CREATE INDEX 存单详单_存单ID ON 存单详单 (存单ID)",
    };
    if (!db.create(path))
        return false;
    for (const char* s : statements)
        if (!db.execute(u8(s)))
            return false;
    return true;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::install(&clock);
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("data.mdb"));
        ASSERT_TRUE(makeFixture(db, path)) << db.lastError().toStdString();
    }
    void TearDown() override { Clock::install(nullptr); }

    // Column 0 of the first row of a query, as text.
    QString scalar(const QString& query)
    {
        EXPECT_TRUE(db.openQuery(query)) << query.toStdString() << ": " << db.lastError().toStdString();
        const QString value = db.text(0);
        db.closeQuery();
        return value;
    }
    bool insertOrder(int number, const QString& time, double paid = 10)
    {
        return db.execute(u8("insert into 存单 (编号,时间,实付) values (") + QString::number(number) + u8(",'")
            + time + u8("',") + QString::number(paid) + u8(")"));
    }

    FixedClock clock;
    QTemporaryDir dir;
    QString path;
    Database db;
};

TEST_F(DatabaseTest, ReadsTextByDeclaredType)
{
    ASSERT_TRUE(db.execute(u8("insert into 存单 (编号,时间,减免份数,减免金额,合计,实付,电话,是否结算,备注) "
                              "values (7,'2016-05-03 09:30:05',2,12.5,12.5,12.5,'13800','1','')")));
    ASSERT_TRUE(db.openQuery(u8("Select * from 存单")));
    ASSERT_FALSE(db.atEnd());
    EXPECT_EQ(db.text(u8("ID")), u8("1"));
    EXPECT_EQ(db.text(u8("编号")), u8("7"));
    EXPECT_EQ(db.text(u8("时间")), u8("2016-05-03 09:30:05"));
    EXPECT_EQ(db.text(u8("减免份数")), u8("2"));
    EXPECT_EQ(db.text(u8("减免金额")), u8("13.00000000")); // decimal(18,0): whole units
    EXPECT_EQ(db.text(u8("合计")), u8("12.5000"));
    EXPECT_EQ(db.text(u8("实付")), u8("12.50000000"));
    EXPECT_EQ(db.text(u8("电话")), u8("13800"));
    EXPECT_EQ(db.text(u8("是否结算")), u8("TRUE"));
    EXPECT_EQ(db.text(u8("备注")), u8(""));
    EXPECT_EQ(db.text(u8("no such column")), u8(""));
    EXPECT_EQ(db.integer(u8("减免份数")), 2);
    EXPECT_DOUBLE_EQ(db.number(u8("实付")), 12.5);
    EXPECT_EQ(db.dateTime(u8("时间")), QDateTime(QDate(2016, 5, 3), QTime(9, 30, 5)));
    db.moveNext();
    EXPECT_TRUE(db.atEnd());
    EXPECT_EQ(db.text(0), u8(""));
    EXPECT_EQ(db.integer(0), 0);
    db.closeQuery();
    // expressions render by their value
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("1"));
    EXPECT_EQ(scalar(u8("select sum(实付) from 存单")), u8("12.50000000"));
    EXPECT_EQ(scalar(u8("select max(编号) from 存单 where 编号>100")), u8(""));
}

TEST_F(DatabaseTest, CoercesNumbersAndFlags)
{
    struct Case {
        const char* values; // 减免份数, 减免金额, 合计, 是否结算
        const char* shortText;
        const char* decimalText;
        const char* singleText;
        const char* bitText;
    };
    const Case cases[] = {
        {"2.5, 2.5, 0.1, 1", "3", "3.00000000", "0.1000", "TRUE"},
        {"-2.5, -0.5, 1e3, 0", "-3", "-1.00000000", "1000.0000", "FALSE"},
        {"'4', '7.49', '12.5', 'true'", "4", "7.00000000", "12.5000", "TRUE"},
        {"'1', 0, 3, 'TRUE'", "1", "0.00000000", "3.0000", "TRUE"},
        {"0, 0, 0, -1", "0", "0.00000000", "0.0000", "TRUE"},
        {"0, 0, 0, 'false'", "0", "0.00000000", "0.0000", "FALSE"},
        {"0, 0, 0, '0'", "0", "0.00000000", "0.0000", "FALSE"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(db.execute(u8("delete * from 存单")));
        ASSERT_TRUE(db.execute(u8("insert into 存单 (减免份数,减免金额,合计,是否结算) values (") + u8(c.values) + u8(")")))
            << c.values << db.lastError().toStdString();
        ASSERT_TRUE(db.openQuery(u8("select 减免份数,减免金额,合计,是否结算 from 存单")));
        EXPECT_EQ(db.text(0), u8(c.shortText)) << c.values;
        EXPECT_EQ(db.text(1), u8(c.decimalText)) << c.values;
        EXPECT_EQ(db.text(2), u8(c.singleText)) << c.values;
        EXPECT_EQ(db.text(3), u8(c.bitText)) << c.values;
        db.closeQuery();
    }
    // single precision is kept, and updates are coerced too
    ASSERT_TRUE(db.execute(u8("update 存单 set 合计=0.1, 减免份数='9.5'")));
    ASSERT_TRUE(db.openQuery(u8("select 合计,减免份数 from 存单")));
    EXPECT_EQ(db.number(0), static_cast<double>(0.1f));
    EXPECT_EQ(db.integer(1), 10);
    db.closeQuery();
}

TEST_F(DatabaseTest, StoresEveryDateForm)
{
    struct Case {
        const char* input;
        const char* stored;
    };
    const Case cases[] = {
        {"2024年3月5日", "2024-03-05 00:00:00"},
        {"2024年3月5日0时0分0秒", "2024-03-05 00:00:00"},
        {"2016年5月3日12时5分", "2016-05-03 12:05:00"},
        {"2016年5月3日12时", "2016-05-03 12:00:00"},
        {"2024年3月5日23时59分59秒", "2024-03-05 23:59:59"},
        {"03-07 09:05", "2024-03-07 09:05:00"}, // the clock's year
        {"2024/03/07 09:05", "2024-03-07 09:05:00"},
        {"2024-03-07 09:05", "2024-03-07 09:05:00"},
        {"2016/3/5 7:4", "2016-03-05 07:04:00"},
        {"2016/3/5 7:4:3", "2016-03-05 07:04:03"},
        {"2016-05-03 09:30:05", "2016-05-03 09:30:05"},
        {"2016-05-03", "2016-05-03 00:00:00"},
        {"2016/5/3", "2016-05-03 00:00:00"},
        {"", ""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(db.execute(u8("delete * from 存单")));
        ASSERT_TRUE(insertOrder(1, u8(c.input))) << c.input << db.lastError().toStdString();
        EXPECT_EQ(scalar(u8("select 时间 from 存单")), u8(c.stored)) << c.input;
        EXPECT_EQ(scalar(u8("select cdate('") + u8(c.input) + u8("')")), u8(c.stored)) << c.input;
        if (*c.stored) {
            EXPECT_EQ(scalar(u8("select count(*) from 存单 where 时间=#") + u8(c.input) + u8("#")), u8("1"));
        }
    }
    // a text that is not a date is refused, as Jet's type mismatch
    for (const char* bad : {"abc", "2024-13-01", "2024年2月30日", "25:00"}) {
        EXPECT_FALSE(insertOrder(2, u8(bad))) << bad;
        EXPECT_FALSE(db.lastError().isEmpty());
        EXPECT_FALSE(db.execute(u8("update 存单 set 时间='") + u8(bad) + u8("'"))) << bad;
    }
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("1"));
}

TEST_F(DatabaseTest, DayRangeAndMidnight)
{
    // 3/6 00:00:00 belongs to 3/5; 3/7 00:00:00 belongs to 3/6.
    ASSERT_TRUE(insertOrder(9, u8("2024-03-06 00:00:00"), 1));
    ASSERT_TRUE(insertOrder(1, u8("2024/3/6 0:0:1"), 2));
    ASSERT_TRUE(insertOrder(2, u8("03-06 12:30"), 4));
    ASSERT_TRUE(insertOrder(3, u8("2024-03-07 00:00:00"), 8));
    ASSERT_TRUE(insertOrder(1, u8("2024-03-07 00:00:01"), 16));
    const QString range = u8(" from 存单 where  时间>cdate('2024年3月6日') and 时间<=cdate('2024年3月7日')");
    EXPECT_EQ(scalar(u8("Select max(编号)") + range), u8("3"));
    EXPECT_EQ(scalar(u8("select count(*)") + range), u8("3"));
    ASSERT_TRUE(db.openQuery(u8("SELECT sum(实付)") + range));
    EXPECT_DOUBLE_EQ(db.number(0), 14.0);
    db.closeQuery();
    // a day report range
    EXPECT_EQ(scalar(u8("select count(*) from 存单 where 时间>cdate('2024年3月6日0时0分0秒') and "
                        "时间<=cdate('2024年3月6日23时59分59秒')")),
        u8("2"));
    // the settle look-up by the time text as entered
    EXPECT_EQ(scalar(u8("Select ID from 存单 where 时间=#03-06 12:30# and 编号=2")), u8("3"));
}

TEST_F(DatabaseTest, FormatGroupBy)
{
    ASSERT_TRUE(insertOrder(1, u8("2024/1/5 7:4"), 10));
    ASSERT_TRUE(insertOrder(2, u8("2024/1/20 9:00"), 20));
    ASSERT_TRUE(insertOrder(1, u8("2024/3/7 9:05"), 5));
    ASSERT_TRUE(insertOrder(1, u8("2023/12/31 23:59"), 100));
    ASSERT_TRUE(db.openQuery(u8("select count(*),format(时间,'yyyy-mm'),sum(实付) from 存单 where "
                                "format(时间,'yyyy')='2024'  group by format(时间,'yyyy-mm')")));
    QStringList rows;
    for (; !db.atEnd(); db.moveNext())
        rows << db.text(0) + u'|' + db.text(1) + u'|' + db.text(2);
    db.closeQuery();
    EXPECT_EQ(rows.join(u8(";")), u8("2|2024-01|30.00000000;1|2024-03|5.00000000"));
    EXPECT_EQ(scalar(u8("select format(时间,'yyyy年m月d日') from 存单 where 编号=2")), u8("2024年1月20日"));
    EXPECT_EQ(scalar(u8("select format(时间,'yyyy-mm-dd hh:mm:ss') from 存单 where 编号=2")),
        u8("2024-01-20 09:00:00"));
}

TEST_F(DatabaseTest, NestedTopPage)
{
    ASSERT_TRUE(db.begin());
    for (int i = 1; i <= 25; ++i)
        ASSERT_TRUE(insertOrder(i, u8("2024-03-07 09:05")));
    ASSERT_TRUE(db.commit());
    ASSERT_TRUE(db.execute(u8("update 存单 set 合计=12.5, 是否结算=true")));
    // page 4 of 5-row pages: IDs 16..20, returned in descending order
    ASSERT_TRUE(db.openQuery(u8("select top 5 * from (select top 20 * from 存单 order by [id])order by [id] desc")));
    QStringList ids;
    for (; !db.atEnd(); db.moveNext())
        ids << db.text(u8("ID"));
    db.closeQuery();
    EXPECT_EQ(ids.join(u8(",")), u8("20,19,18,17,16"));
    // the last, partial page: Upper 30, Take 5
    ASSERT_TRUE(db.openQuery(u8("select top 5 * from (select top 30 * from 存单 where 编号>0 order by [id])order by [id] desc")));
    EXPECT_EQ(db.text(u8("ID")), u8("25"));
    EXPECT_EQ(db.text(u8("时间")), u8("2024-03-07 09:05:00"));
    EXPECT_EQ(db.text(u8("合计")), u8("12.5000")); // declared types reach through the subquery
    EXPECT_EQ(db.text(u8("是否结算")), u8("TRUE"));
    db.closeQuery();
}

TEST_F(DatabaseTest, AlterColumnKeepsRowsIdsAndSequence)
{
    for (int i = 1; i <= 4; ++i)
        ASSERT_TRUE(db.execute(u8("insert into 存单详单 (存单ID,销售时间,菜名,数量,小计) values (1,'2016/3/5 7:4','菜',")
            + QString::number(i) + u8(",12.5)")));
    ASSERT_TRUE(db.execute(u8("Delete * from 存单详单 where ID=4"))); // sequence stays at 4
    ASSERT_TRUE(db.execute(u8("alter table 存单详单 alter column 数量 double"))) << db.lastError().toStdString();
    ASSERT_TRUE(db.openQuery(u8("Select ID,数量,销售时间,小计 from 存单详单 order by ID")));
    QStringList rows;
    for (; !db.atEnd(); db.moveNext())
        rows << db.text(0) + u'|' + db.text(1) + u'|' + db.text(2) + u'|' + db.text(3);
    db.closeQuery();
    EXPECT_EQ(rows.join(u8(";")),
        u8("1|1.00000000|2016-03-05 07:04:00|12.5000;2|2.00000000|2016-03-05 07:04:00|12.5000;"
           "3|3.00000000|2016-03-05 07:04:00|12.5000"));
    // IDs are not reused, the new type takes fractions, the rules still apply
    ASSERT_TRUE(db.execute(u8("insert into 存单详单 (存单ID,销售时间,数量,小计) values (1,'03-07 09:05',1.5,0.1)")));
    EXPECT_EQ(db.lastInsertId(), 5);
    EXPECT_EQ(scalar(u8("select 数量 from 存单详单 where ID=5")), u8("1.50000000"));
    EXPECT_EQ(scalar(u8("select 销售时间 from 存单详单 where ID=5")), u8("2024-03-07 09:05:00"));
    EXPECT_EQ(scalar(u8("select count(*) from sqlite_master where type='index' and name='存单详单_存单ID'")), u8("1"));
    // running it again is harmless
    db.execute(u8("alter table 存单详单 alter column 数量 double"));
    EXPECT_EQ(scalar(u8("select count(*) from 存单详单")), u8("4"));
    EXPECT_EQ(scalar(u8("select sum(数量) from 存单详单")), u8("7.50000000"));
    ASSERT_TRUE(db.execute(u8("Delete * from 存单详单 where ID=5")));
    ASSERT_TRUE(db.execute(u8("insert into 存单详单 (存单ID) values (2)")));
    EXPECT_EQ(db.lastInsertId(), 6);
    EXPECT_FALSE(db.execute(u8("alter table 存单详单 alter column 没有 double")));
    EXPECT_FALSE(db.execute(u8("alter table 没有 alter column 数量 double")));
}

TEST_F(DatabaseTest, ApostropheRoundTrip)
{
    const QString text = u8("O'Brien's #1 -- ; drop table 存单;\n第二行 '' [x]");
    ASSERT_TRUE(db.execute(u8("insert into 存单 (备注,电话) values ('") + sqlText(text) + u8("','1')")));
    EXPECT_EQ(scalar(u8("select 备注 from 存单 where 备注='") + sqlText(text) + u8("'")), text);
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("1"));
    EXPECT_EQ(sqlText(u8("it's")), u8("it''s"));
}

TEST_F(DatabaseTest, FindSearchesForward)
{
    for (const char* phone : {"13800", "13900", "13800", "13700"})
        ASSERT_TRUE(db.execute(u8("insert into 存单 (电话) values ('") + u8(phone) + u8("')")));
    ASSERT_TRUE(db.openQuery(u8("Select * from 存单 order by ID")));
    EXPECT_TRUE(db.find(u8(" 电话='13800'")));
    EXPECT_EQ(db.text(u8("ID")), u8("1"));
    db.moveNext();
    EXPECT_TRUE(db.find(u8("电话='13800'")));
    EXPECT_EQ(db.text(u8("ID")), u8("3"));
    EXPECT_FALSE(db.find(u8("电话='13900'"))); // behind the cursor
    EXPECT_TRUE(db.atEnd());
    db.closeQuery();
}

TEST_F(DatabaseTest, StatementFailures)
{
    EXPECT_FALSE(db.openQuery(u8("Select [没有这列] from [存单]")));
    EXPECT_FALSE(db.lastError().isEmpty());
    EXPECT_TRUE(db.atEnd());
    EXPECT_FALSE(db.execute(u8("insert into 存单 (编号) values (1); delete from 存单")));
    EXPECT_TRUE(db.execute(u8("insert into 存单 (编号) values (1) ;  ")));
    EXPECT_EQ(db.lastInsertId(), 1);
    EXPECT_FALSE(db.execute(u8("")));
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("1"));
}

TEST_F(DatabaseTest, TransactionRollback)
{
    {
        Transaction t(db);
        ASSERT_TRUE(t.isActive());
        ASSERT_TRUE(insertOrder(1, u8("2024-03-07")));
    } // not committed
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("0"));
    ASSERT_TRUE(db.begin());
    ASSERT_TRUE(insertOrder(1, u8("2024-03-07")));
    db.rollback();
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("0"));
    {
        Transaction t(db);
        ASSERT_TRUE(insertOrder(1, u8("2024-03-07")));
        EXPECT_TRUE(t.commit());
    }
    EXPECT_EQ(scalar(u8("select count(*) from 存单")), u8("1"));
}

TEST_F(DatabaseTest, ReopensAndSurvives)
{
    ASSERT_TRUE(db.execute(u8("insert into 记录 (记录内容,记录信息) values ('小数位数','1')")));
    db.close();
    EXPECT_FALSE(db.create(path)); // exists
    ASSERT_TRUE(db.open(path)) << db.lastError().toStdString();
    EXPECT_EQ(scalar(u8("Select 记录信息 from 记录 where 记录内容='小数位数'")), u8("1"));
    EXPECT_EQ(scalar(u8("PRAGMA journal_mode")), u8("wal"));
    EXPECT_EQ(scalar(u8("PRAGMA synchronous")), u8("2"));
    ASSERT_TRUE(insertOrder(1, u8("2024/3/7 9:5"))); // rules still in place
    EXPECT_EQ(scalar(u8("select 时间 from 存单")), u8("2024-03-07 09:05:00"));
}

TEST_F(DatabaseTest, OpenRefusesForeignFilesUntouched)
{
    db.close();
    const QByteArray valid = fileBytes(path);
    ASSERT_GT(valid.size(), 1000);

    Database other;
    const QString otherSqlite = dir.filePath(QStringLiteral("other.db"));
    ASSERT_TRUE(other.create(otherSqlite));
    ASSERT_TRUE(other.execute(u8("create table 别的 (x VARCHAR(8))")));
    other.close();

    struct Case {
        const char* name;
        QByteArray bytes; // empty: keep the file as made above
    };
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const Case cases[] = {
        {"random.mdb", random},
        {"zero.mdb", QByteArray()},
        {"truncated.mdb", valid.left(512)},
        {"other.db", QByteArray()},
    };
    for (const Case& c : cases) {
        const QString file = dir.filePath(QString::fromUtf8(c.name));
        if (QString::fromUtf8(c.name) != u8("other.db")) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(c.bytes);
        }
        const QByteArray before = fileBytes(file);
        Database probe;
        EXPECT_FALSE(probe.open(file)) << c.name;
        EXPECT_FALSE(probe.isOpen());
        EXPECT_FALSE(probe.lastError().isEmpty());
        EXPECT_EQ(fileBytes(file), before) << c.name;
    }
    Database missing;
    EXPECT_FALSE(missing.open(dir.filePath(QStringLiteral("missing.mdb"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing.mdb"))));
}

TEST(JetDate, FormatAndParse)
{
    const QDateTime t(QDate(2024, 3, 7), QTime(9, 5, 3));
    struct Case {
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {"yyyy", "2024"},
        {"yyyy-mm", "2024-03"},
        {"yyyy-mm-dd", "2024-03-07"},
        {"yyyy年m月d日", "2024年3月7日"},
        {"yy/m/d h:m", "24/3/7 9:5"},
        {"hh:mm:ss", "09:05:03"},
        {"hh:nn", "09:05"},
        {"mm:ss", "05:03"},
        {"YYYY-MM-DD", "2024-03-07"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JetDate::format(t, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.text)) << c.pattern;
    EXPECT_EQ(JetDate::parse(u8("03-07 09:05"), 2031), QDateTime(QDate(2031, 3, 7), QTime(9, 5)));
    EXPECT_FALSE(JetDate::parse(u8("2024-02-30"), 2024).isValid());
    EXPECT_EQ(JetDate::canonical(JetDate::fromOleDate(45358.5)), u8("2024-03-07 12:00:00"));
    EXPECT_DOUBLE_EQ(JetDate::toOleDate(QDateTime(QDate(2024, 3, 7), QTime(12, 0))), 45358.5);
}

} // namespace
