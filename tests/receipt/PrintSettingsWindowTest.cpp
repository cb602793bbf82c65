#include "app/AppPaths.h"
#include "receipt/PrintSettingsRules.h"
#include "receipt/PrintSettingsWindow.h"
#include "storage/SettingsStore.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDataFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QString kRangeMessage = QStringLiteral("字体大小超出设定，请将字体大小控制在数值 7-30 的范围内。");

TEST(PrintSettingsRulesTest, Copies)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7", "4"}, {"4", "4"}, {"0", "1"}, {"-2", "1"}, {"", "1"}, {"x", "1"}, {"2", "2"}};
    for (const auto& [typed, checked] : cases)
        EXPECT_EQ(CheckedCopies(QString::fromLatin1(typed)), QString::fromLatin1(checked)) << typed;
}

TEST(PrintSettingsRulesTest, FontSizes)
{
    struct Case {
        const char* sizes;
        int failingBox;
    };
    const Case cases[] = {
        {"9|9|9|9|9|9|12|9|9|12|12", -1}, {"7|30|9|9|9|9|9|9|9|0|9", -1},
        {"9|9|9|9|9|9|9|9|9|6|9", 9},     {"9|9|9|9|9|9|9|9|9|31|9", 9},
        {"0|9|9|9|9|9|9|9|9|9|9", 0},     {"9|9|9|9|9|6|9|9|9|9|9", 5},
        {"9|9|9|9|9|9|9|9|9|9|31", 10},   {"9|abc|9|9|9|9|9|9|9|9|9", 1},
        {"31|9|9|9|9|9|9|9|9|6|9", 9}, // 已支付 is checked first
    };
    for (const Case& c : cases) {
        const FontSizeCheck check = CheckFontSizes(QString::fromLatin1(c.sizes).split(u'|'));
        EXPECT_EQ(check.failingBox, c.failingBox) << c.sizes;
        if (c.failingBox == 9) {
            EXPECT_TRUE(check.message.startsWith(u"已支付 字体大小超出设定")) << c.sizes;
        } else if (c.failingBox >= 0) {
            EXPECT_EQ(check.message, kRangeMessage);
        }
    }
}

class PrintSettingsWindowTest : public ::testing::Test {
protected:
    PrintSettingsWindowTest() : settings(folder.db())
    {
        const QList<QPair<QString, QString>> values = {
            {QStringLiteral("小票类型"), QStringLiteral("0")},
            {QStringLiteral("设置类型"), QStringLiteral("1")},
            {QStringLiteral("字体大小"), QStringLiteral("9|9|9|9|9|9|12|9|9|12|12")},
            {QStringLiteral("勾选加粗"), QStringLiteral("0|0|0|0|0|0|1|0|0|1|1")},
            {QStringLiteral("附带信息1勾选"), QStringLiteral("1")},
            {QStringLiteral("附带信息1"), QStringLiteral("电话123")},
            {QStringLiteral("附带信息2勾选"), QStringLiteral("0")},
            {QStringLiteral("附带信息2"), QString()},
            {QStringLiteral("顶部图片勾选"), QStringLiteral("1")},
            {QStringLiteral("底部图片勾选"), QStringLiteral("1")},
            {QStringLiteral("打印份数"), QStringLiteral("2")}};
        for (const auto& [key, value] : values)
            settings.WriteSetting(key, value);
    }

    void open()
    {
        window = std::make_unique<PrintSettingsWindow>(settings, [this] { ++refreshes; });
        window->show();
    }
    template<typename T> T* child(const QString& name) { return window->findChild<T*>(name); }
    QLineEdit* sizeBox(int n) { return child<QLineEdit>(QStringLiteral("编辑框字体大小") + QString::number(n)); }
    QString stored(const char16_t* key) { return settings.ReadSetting(QString::fromUtf16(key)); }

    TestDataFolder folder;
    SettingsStore settings;
    ScriptedDialogs dialogs;
    std::unique_ptr<PrintSettingsWindow> window;
    int refreshes = 0;
};

TEST_F(PrintSettingsWindowTest, OpensWithTheStoredValues)
{
    open();
    EXPECT_EQ(window->windowTitle(), u"打印设置");
    EXPECT_EQ(child<QComboBox>(QStringLiteral("组合框_小票类型"))->currentText(), u"58小票");
    EXPECT_EQ(child<QComboBox>(QStringLiteral("组合框_设置类型"))->currentText(), u"自定义");
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("编辑框1"))->text(), u"电话123");
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("编辑框2"))->text(), u"订餐微信号:wqmt****");
    EXPECT_TRUE(child<QCheckBox>(QStringLiteral("选择框1"))->isChecked());
    EXPECT_FALSE(child<QCheckBox>(QStringLiteral("选择框2"))->isChecked());
    EXPECT_EQ(sizeBox(7)->text(), u"12");
    EXPECT_TRUE(child<QCheckBox>(QStringLiteral("选择框_加粗_11"))->isChecked());
    EXPECT_FALSE(child<QCheckBox>(QStringLiteral("选择框_加粗_1"))->isChecked());
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("编辑框份数"))->text(), u"2");
    EXPECT_FALSE(child<QLabel>(QStringLiteral("图片框1"))->pixmap().isNull()); // the default picture
    EXPECT_FALSE(QFile::exists(AppPaths::topPicturePath()));
}

TEST_F(PrintSettingsWindowTest, ApplySavesEveryValue)
{
    open();
    child<QComboBox>(QStringLiteral("组合框_小票类型"))->setCurrentIndex(1);
    child<QCheckBox>(QStringLiteral("选择框2"))->setChecked(true);
    child<QLineEdit>(QStringLiteral("编辑框2"))->setText(QStringLiteral("微信abc"));
    sizeBox(10)->setText(QStringLiteral("0"));
    sizeBox(1)->setText(QStringLiteral("14"));
    child<QCheckBox>(QStringLiteral("选择框_加粗_2"))->setChecked(true);
    child<QLineEdit>(QStringLiteral("编辑框份数"))->setText(QStringLiteral("7"));
    child<QPushButton>(QStringLiteral("按钮2"))->click();

    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("编辑框份数"))->text(), u"4");
    EXPECT_EQ(stored(u"打印份数"), u"4");
    EXPECT_EQ(stored(u"小票类型"), u"1");
    EXPECT_EQ(stored(u"设置类型"), u"1");
    EXPECT_EQ(stored(u"附带信息2勾选"), u"1");
    EXPECT_EQ(stored(u"附带信息2"), u"微信abc");
    EXPECT_EQ(stored(u"字体大小"), u"14|9|9|9|9|9|12|9|9|0|12");
    EXPECT_EQ(stored(u"勾选加粗"), u"0|1|0|0|0|0|1|0|0|1|1");
    // No picture was chosen, so none is written.
    EXPECT_FALSE(QFile::exists(AppPaths::topPicturePath()));
    EXPECT_FALSE(QFile::exists(AppPaths::bottomPicturePath()));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(PrintSettingsWindowTest, CopiesBoxNeverBelowOne)
{
    open();
    auto* copies = child<QLineEdit>(QStringLiteral("编辑框份数"));
    for (const QString& text : {QStringLiteral("-"), QString(), QStringLiteral("0")}) {
        copies->setText(text);
        EXPECT_EQ(copies->text(), u"1") << text.toStdString();
    }
    copies->setText(QStringLiteral("3"));
    EXPECT_EQ(copies->text(), u"3");
}

TEST_F(PrintSettingsWindowTest, OutOfRangeSizeStopsWithFocus)
{
    struct Case {
        int box;
        const char* text;
        bool paidMessage;
    };
    for (const Case& c : {Case{10, "6", true}, Case{3, "31", false}, Case{1, "0", false}}) {
        open();
        sizeBox(c.box)->setText(QString::fromLatin1(c.text));
        dialogs.clear();
        child<QPushButton>(QStringLiteral("按钮1"))->click();
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.last().title, u"提示");
        EXPECT_EQ(dialogs.last().icon, DialogIcon::Information);
        const QString expected =
            c.paidMessage ? QStringLiteral("已支付 字体大小超出设定，请将字体大小控制在数值 7-30 的范围内。\n"
                                           "注意：已支付 字体大小数值设置为 0 时打印及预览将不显示 已支付 ")
                          : kRangeMessage;
        EXPECT_EQ(dialogs.last().text, expected);
        EXPECT_EQ(window->focusWidget(), sizeBox(c.box));
        EXPECT_EQ(sizeBox(c.box)->selectedText(), QString::fromLatin1(c.text));
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(refreshes, 0);
        EXPECT_EQ(stored(u"字体大小"), u"9|9|9|9|9|9|12|9|9|12|12");
    }
}

TEST_F(PrintSettingsWindowTest, DefaultModeGreysOutCustomControls)
{
    open();
    auto* mode = child<QComboBox>(QStringLiteral("组合框_设置类型"));
    mode->setCurrentIndex(0);
    for (const char16_t* name : {u"选择框3", u"选择框4", u"编辑框_顶部图片", u"编辑框_底部图片",
                                 u"顶部图片选择按钮1", u"顶部图片选择按钮2", u"编辑框字体大小5",
                                 u"选择框_加粗_11"}) {
        EXPECT_FALSE(child<QWidget>(QString::fromUtf16(name))->isEnabled());
    }
    for (const char16_t* name : {u"选择框1", u"编辑框2", u"组合框_小票类型", u"编辑框份数"})
        EXPECT_TRUE(child<QWidget>(QString::fromUtf16(name))->isEnabled());

    child<QPushButton>(QStringLiteral("按钮1"))->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(stored(u"设置类型"), u"0");
    EXPECT_EQ(stored(u"字体大小"), u"9|9|9|9|9|9|12|9|9|12|12");

    open();
    EXPECT_FALSE(sizeBox(1)->isEnabled());
    child<QComboBox>(QStringLiteral("组合框_设置类型"))->setCurrentIndex(1);
    EXPECT_TRUE(sizeBox(1)->isEnabled());
}

TEST_F(PrintSettingsWindowTest, ChosenPictureWithAdviceIsWrittenOnApply)
{
    const QString chosen = folder.path() + QStringLiteral("/logo.png");
    ASSERT_TRUE(QImage(500, 300, QImage::Format_RGB32).save(chosen, "PNG"));
    open();
    dialogs.answerFile(chosen);
    child<QPushButton>(QStringLiteral("顶部图片选择按钮1"))->click();
    EXPECT_EQ(dialogs.lastFilter, u"PNG图片|*.png");
    ASSERT_EQ(dialogs.shown().size(), 2); // the file dialog, then the advice
    EXPECT_EQ(dialogs.last().text,
              u"选用图片时建议选用较低清晰度的图片，图片过于清晰将影响您的打印速度。");
    EXPECT_EQ(dialogs.last().icon, DialogIcon::Warning);
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("编辑框_顶部图片"))->text(), chosen);

    child<QPushButton>(QStringLiteral("按钮2"))->click();
    QFile written(AppPaths::topPicturePath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    QFile original(chosen);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), original.readAll());
    EXPECT_FALSE(QFile::exists(AppPaths::bottomPicturePath()));
}

TEST_F(PrintSettingsWindowTest, MissingSentinelSavesNothing)
{
    folder.exec(QStringLiteral("delete from 记录 where 记录内容='字体大小'"));
    open();
    sizeBox(1)->setText(QStringLiteral("9")); // the missing list left it empty
    child<QComboBox>(QStringLiteral("组合框_小票类型"))->setCurrentIndex(1);
    child<QPushButton>(QStringLiteral("按钮2"))->click();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.last().text, u"设置失败.错误7763");
    EXPECT_EQ(dialogs.last().icon, DialogIcon::None);
    EXPECT_EQ(stored(u"小票类型"), u"0");
    EXPECT_EQ(refreshes, 1);
}

} // namespace
