#include "storage/JetTranslator.h"

#include <gtest/gtest.h>

namespace {

struct SqlCase {
    const char* jet;
    const char* sqlite;
};

// Statements as the windows write them, and what SQLite is given.
const SqlCase sqlCases[] = {
    // note-column probe and migration
    {"Select [备注] from [存单]", "Select \"备注\" from \"存单\""},
    {"alter table [存单] add 备注 varchar(255)", "ALTER TABLE \"存单\" ADD COLUMN 备注 VARCHAR(255)"},
    // settings
    {"Select 记录信息 from 记录 where 记录内容='小票类型'", "Select 记录信息 from 记录 where 记录内容='小票类型'"},
    {"Select 记录内容 from 记录", "Select 记录内容 from 记录"},
    {"update 记录 set 记录信息 = '9|9' where 记录内容 = '字体大小'",
        "update 记录 set 记录信息 = '9|9' where 记录内容 = '字体大小'"},
    {"insert into 记录 (记录内容,记录信息) values ('票头','微信点餐')",
        "insert into 记录 (记录内容,记录信息) values ('票头','微信点餐')"},
    // order number and daily totals (two blanks after where)
    {"Select max(编号) from 存单 where  时间>cdate('2024年3月5日') and 时间<=cdate('2024年3月6日')",
        "Select max(编号) from 存单 where  时间>jet_cdate('2024年3月5日') and 时间<=jet_cdate('2024年3月6日')"},
    {"select count(*) from 存单 where  时间>CDate('2024年3月5日') and 时间<=cdate ('2024年3月6日')",
        "select count(*) from 存单 where  时间>jet_cdate('2024年3月5日') and 时间<=jet_cdate ('2024年3月6日')"},
    // settling
    {"insert into 存单 (编号,时间,是否结算,备注) values (3,'03-07 09:05','1','')",
        "insert into 存单 (编号,时间,是否结算,备注) values (3,'03-07 09:05','1','')"},
    {"Select * from 存单 where 时间=#03-07 09:05# and 编号=3",
        "Select * from 存单 where 时间=jet_cdate('03-07 09:05') and 编号=3"},
    {"Delete * from 存单详单 where 存单ID =12", "Delete from 存单详单 where 存单ID =12"},
    {"update 存单 set 编号=3,时间='2024/03/07 09:05' where ID =12",
        "update 存单 set 编号=3,时间='2024/03/07 09:05' where ID =12"},
    // name lists
    {"delete * from 票头设置 where 票头 = '淘点点'", "delete from 票头设置 where 票头 = '淘点点'"},
    {"DELETE  *  FROM 单位", "DELETE FROM 单位"},
    // history page query
    {"select top 5 * from (select top 20 * from 存单 order by [id])order by [id] desc",
        "select * from (select * from 存单 order by \"id\" limit 20)order by \"id\" desc limit 5"},
    {"select top 200 * from (select top 400 * from 存单 where 电话='1' order by [id])order by [id] desc",
        "select * from (select * from 存单 where 电话='1' order by \"id\" limit 400)order by \"id\" desc limit 200"},
    {"select top 3 菜名 from 菜单;", "select 菜名 from 菜单 limit 3;"},
    // report group-by on format()
    {"select count(*),format(时间,'yyyy-mm'),sum(实付) from 存单 where format(时间,'yyyy')='2024'  group by format(时间,'yyyy-mm')",
        "select count(*),jet_format(时间,'yyyy-mm'),sum(实付) from 存单 where jet_format(时间,'yyyy')='2024'  group by jet_format(时间,'yyyy-mm')"},
    {"select format(销售时间,'yyyy-mm-dd'),count(*),sum(小计) from 存单详单 where  format(销售时间,'yyyy-mm')='2024-03'  group by format(销售时间,'yyyy-mm-dd')",
        "select jet_format(销售时间,'yyyy-mm-dd'),count(*),sum(小计) from 存单详单 where  jet_format(销售时间,'yyyy-mm')='2024-03'  group by jet_format(销售时间,'yyyy-mm-dd')"},
    {"Select 存单.ID,编号 from 存单,存单详单 where 存单详单.存单ID = 存单.ID",
        "Select 存单.ID,编号 from 存单,存单详单 where 存单详单.存单ID = 存单.ID"},
    // keywords
    {"update 存单 set 是否结算=True where 备注<>false", "update 存单 set 是否结算=1 where 备注<>0"},
    // string-literal safety: nothing inside '...' changes
    {"insert into 菜单 (菜名) values ('a#1#b top 5 [x] delete * from cdate( it''s true')",
        "insert into 菜单 (菜名) values ('a#1#b top 5 [x] delete * from cdate( it''s true')"},
    {"select * from 客户 where 地址='#5'' [楼]' and 姓名=''", "select * from 客户 where 地址='#5'' [楼]' and 姓名=''"},
};

class JetSqlTest : public ::testing::TestWithParam<SqlCase> {};

TEST_P(JetSqlTest, Translates)
{
    const SqlCase& c = GetParam();
    const JetTranslation t = translateJet(QString::fromUtf8(c.jet));
    EXPECT_EQ(t.kind, JetTranslation::Kind::Sql);
    EXPECT_EQ(t.sql.toStdString(), std::string(c.sqlite));
}

INSTANTIATE_TEST_SUITE_P(ProgramStatements, JetSqlTest, ::testing::ValuesIn(sqlCases));

TEST(JetTranslator, AlterColumnIsRecognized)
{
    struct Case {
        const char* jet;
        const char* table;
        const char* column;
    };
    const Case cases[] = {
        {"alter table 存单详单 alter column 数量 double", "存单详单", "数量"},
        {"alter table 存单 alter column 实付 double", "存单", "实付"},
        {"ALTER TABLE [存单] ALTER COLUMN [已付] DOUBLE;", "存单", "已付"},
    };
    for (const Case& c : cases) {
        const JetTranslation t = translateJet(QString::fromUtf8(c.jet));
        EXPECT_EQ(t.kind, JetTranslation::Kind::AlterColumn) << c.jet;
        EXPECT_EQ(t.table.toStdString(), c.table);
        EXPECT_EQ(t.column.toStdString(), c.column);
        EXPECT_EQ(jetDeclaredType(t.type).toStdString(), "DOUBLE");
    }
}

TEST(JetTranslator, DeclaredTypes)
{
    EXPECT_EQ(jetDeclaredType(QStringLiteral("double")), QStringLiteral("DOUBLE"));
    EXPECT_EQ(jetDeclaredType(QStringLiteral("varchar(255)")), QStringLiteral("VARCHAR(255)"));
    EXPECT_EQ(jetDeclaredType(QStringLiteral("text(16)")), QStringLiteral("VARCHAR(16)"));
    EXPECT_EQ(jetDeclaredType(QStringLiteral("short")), QStringLiteral("SHORT"));
    EXPECT_EQ(jetDeclaredType(QStringLiteral("decimal(18,0)")), QStringLiteral("DECIMAL(18,0)"));
}

} // namespace
