#include "help/HelpDocuments.h"
#include "order/MainMenu.h"
#include "support/OrderFormFixture.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QToolBar>

namespace {

QStringList itemsOf(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

class MainMenuTest : public OrderFormFixture {};

TEST_F(MainMenuTest, MenusHoldTheirItemsWithSeparators)
{
    EXPECT_EQ(itemsOf(form->mainMenu().settingsMenu()),
              QStringList({"票头设置", "-", "店名设置", "-", "减免设置", "-", "设置", "-", "打印设置"}));
    EXPECT_EQ(itemsOf(form->mainMenu().helpMenu()),
              QStringList({"使用教程", "-", "无法打印", "-", "关于"}));
    QStringList buttons;
    for (const QAction* action : ui().工具条2->actions())
        buttons << action->text();
    EXPECT_EQ(buttons, QStringList({"设置", "帮助"}));
}

TEST_F(MainMenuTest, TheMenuAndTheLinksOpenTheHelpDocuments)
{
    QStringList opened;
    SetDocumentOpener([&opened](const QString& path) { opened << path; });
    form->mainMenu().helpMenu()->actions().at(0)->trigger();
    QTest::mouseClick(ui().标签_无法打印, Qt::LeftButton);
    QTest::mouseClick(ui().标签_使用教程, Qt::LeftButton);
    SetDocumentOpener({});
    EXPECT_EQ(opened, QStringList({data.path() + QStringLiteral("/怎样使用软件.docx"),
                                   data.path() + QStringLiteral("/打印不了怎么办.docx"),
                                   data.path() + QStringLiteral("/怎样使用软件.docx")}));
    EXPECT_TRUE(QFile::exists(opened.front()));
}

} // namespace
