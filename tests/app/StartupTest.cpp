#include "app/AppPaths.h"
#include "app/Program.h"
#include "order/OrderForm.h"
#include "order/RefillingComboBox.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class StartupTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ScriptedDialogs dialogs;

    QByteArray writeDatabaseFile(const QByteArray& bytes)
    {
        QDir(dir.path()).mkpath(QStringLiteral("data"));
        QFile file(dir.path() + QStringLiteral("/data/data.mdb"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return bytes;
    }
    QByteArray databaseBytes()
    {
        QFile file(dir.path() + QStringLiteral("/data/data.mdb"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

} // namespace

TEST_F(StartupTest, FirstStartOnAnEmptyFolderShowsTheFirstStartChoices)
{
    auto program = Program::Start(dir.path());
    ASSERT_TRUE(program);
    OrderFormControls& ui = program->form().ui();
    EXPECT_EQ(program->form().windowTitle(), QStringLiteral("Marovell 3.2"));
    EXPECT_EQ(ui.组合框_票头->currentText(), QStringLiteral("微信点餐"));
    EXPECT_EQ(ui.组合框_店铺名称->currentText(), QStringLiteral("白云快餐"));
    EXPECT_EQ(ui.编辑框_减免份数->text(), QString());
    EXPECT_EQ(ui.编辑框_减免金额->text(), QString());
    EXPECT_EQ(ui.编辑框_编号->text(), QStringLiteral("1"));
    EXPECT_TRUE(ui.分组框4->isHidden());
    EXPECT_EQ(ui.分组框1->height(), 328);
    EXPECT_EQ(program->form().size(), QSize(791, 723));
    EXPECT_TRUE(QFile::exists(dir.path() + QStringLiteral("/data/data.mdb")));
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(StartupTest, LastChoicesSurviveARestartAndAVanishedNameLeavesTheBoxEmpty)
{
    {
        auto program = Program::Start(dir.path());
        ASSERT_TRUE(program);
        OrderFormControls& ui = program->form().ui();
        ui.组合框_减免->setCurrentIndex(ui.组合框_减免->findText(QStringLiteral("立减优惠")));
        ui.编辑框_减免金额->setText(QStringLiteral("5"));
        ui.组合框_付款方式->setCurrentIndex(ui.组合框_付款方式->findText(QStringLiteral("到付")));
        program->form().close();
        program->database().execute(QStringLiteral("delete * from 店名 where 店铺名称='白云快餐'"));
    }
    auto program = Program::Start(dir.path());
    ASSERT_TRUE(program);
    OrderFormControls& ui = program->form().ui();
    EXPECT_EQ(ui.组合框_减免->currentText(), QStringLiteral("立减优惠"));
    EXPECT_EQ(ui.编辑框_减免金额->text(), QStringLiteral("5"));
    EXPECT_EQ(ui.组合框_付款方式->currentText(), QStringLiteral("到付"));
    EXPECT_EQ(ui.组合框_店铺名称->currentText(), QString());
}

TEST_F(StartupTest, ASecondCopyIsRefusedAndTheFirstKeepsRunning)
{
    auto first = Program::Start(dir.path());
    ASSERT_TRUE(first);
    auto second = Program::Start(dir.path());
    EXPECT_FALSE(second);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("程序正在运行，无法重复打开！"));
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Warning);
    EXPECT_TRUE(first->database().execute(QStringLiteral("delete * from 单位 where ID=1")));
}

TEST_F(StartupTest, AFileThatIsNoDatabaseIsRefusedAndLeftAsItWas)
{
    const QByteArray cases[] = {
        QByteArray("Standard Jet DB\0\0\0 an old Access file", 38),
        QByteArray(),
        QByteArray("SQLite format 3\0truncated", 25),
    };
    for (const QByteArray& bytes : cases) {
        writeDatabaseFile(bytes);
        dialogs.clear();
        EXPECT_FALSE(Program::Start(dir.path()));
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().text, QStringLiteral("数据库打开失败。"));
        EXPECT_EQ(dialogs.last().icon, DialogIcon::Critical);
        EXPECT_EQ(databaseBytes(), bytes);
    }
}

TEST_F(StartupTest, AFolderThatCannotBeMadeIsReportedNotCrashedOn)
{
    QFile blocker(dir.path() + QStringLiteral("/file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(Program::Start(dir.path() + QStringLiteral("/file/program")));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Critical);
    EXPECT_TRUE(dialogs.last().text.startsWith(QStringLiteral("无法创建程序数据文件夹：")));
}
