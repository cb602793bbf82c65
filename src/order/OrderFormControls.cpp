#include "order/OrderFormControls.h"

#include "order/RefillingComboBox.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeView>

namespace {

template <typename T>
T* place(QWidget* parent, const char16_t* name, int x, int y, int w, int h)
{
    auto* widget = new T(parent);
    widget->setObjectName(QString::fromUtf16(name));
    widget->setGeometry(x, y, w, h);
    return widget;
}

void label(QWidget* parent, const char16_t* text, int x, int y, int w = 70)
{
    auto* l = new QLabel(QString::fromUtf16(text), parent);
    l->setGeometry(x, y, w, 24);
}

QGroupBox* group(QWidget* parent, const char16_t* name, const char16_t* title, int x, int y,
                 int w, int h)
{
    auto* box = place<QGroupBox>(parent, name, x, y, w, h);
    box->setTitle(QString::fromUtf16(title));
    return box;
}

QLineEdit* edit(QWidget* parent, const char16_t* name, int x, int y, int w, int h, int maxLength)
{
    auto* e = place<QLineEdit>(parent, name, x, y, w, h);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    return e;
}

QPushButton* button(QWidget* parent, const char16_t* name, const char16_t* text, int x, int y,
                    int w, int h)
{
    auto* b = place<QPushButton>(parent, name, x, y, w, h);
    b->setText(QString::fromUtf16(text));
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

} // namespace

void BuildOrderFormControls(QWidget* form, OrderFormControls& ui)
{
    form->setFixedSize(791, 723);

    ui.工具条2 = place<QToolBar>(form, u"工具条2", 0, 0, 586, 72);
    ui.工具条2->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);

    label(form, u"编      号：", 6, 80);
    ui.编辑框_编号 = edit(form, u"编辑框_编号", 77, 79, 200, 27, 9);
    label(form, u"票      头：", 6, 111);
    ui.组合框_票头 = place<RefillingComboBox>(form, u"组合框_票头", 77, 110, 200, 27);
    label(form, u"店铺名称：", 6, 144);
    ui.组合框_店铺名称 = place<RefillingComboBox>(form, u"组合框_店铺名称", 77, 143, 200, 27);
    label(form, u"下单时间：", 6, 175);
    ui.编辑框_时间 = edit(form, u"编辑框_时间", 77, 174, 176, 27, 0);
    ui.按钮_时间设置 = button(form, u"按钮_时间设置", u"…", 256, 174, 24, 27);

    ui.分组框_已点商品 = group(form, u"分组框_已点商品", u"已点商品(F6)", 6, 202, 279, 208);
    ui.高级表格1 = place<QTableWidget>(ui.分组框_已点商品, u"高级表格1", 8, 20, 264, 182);
    ui.高级表格1->horizontalHeader()->hide();
    ui.高级表格1->verticalHeader()->hide();

    ui.分组框_折扣信息 = group(form, u"分组框_折扣信息", u"折扣信息(F4)", 6, 410, 280, 114);
    label(ui.分组框_折扣信息, u"减 免(F7)：", 8, 21);
    ui.组合框_减免 = place<RefillingComboBox>(ui.分组框_折扣信息, u"组合框_减免", 80, 20, 190, 26);
    label(ui.分组框_折扣信息, u"减免份数：", 8, 52);
    ui.编辑框_减免份数 = edit(ui.分组框_折扣信息, u"编辑框_减免份数", 80, 51, 190, 26, 6);
    label(ui.分组框_折扣信息, u"减免金额：", 8, 83);
    ui.编辑框_减免金额 = edit(ui.分组框_折扣信息, u"编辑框_减免金额", 80, 82, 190, 26, 18);

    ui.分组框_付款信息 = group(form, u"分组框_付款信息", u"付款信息(F5)", 5, 522, 280, 147);
    label(ui.分组框_付款信息, u"合      计：", 8, 21);
    ui.编辑框_合计 = edit(ui.分组框_付款信息, u"编辑框_合计", 80, 20, 190, 26, 24);
    label(ui.分组框_付款信息, u"支付方式：", 8, 52);
    ui.组合框_付款方式 = place<RefillingComboBox>(ui.分组框_付款信息, u"组合框_付款方式", 80, 51, 190, 26);
    label(ui.分组框_付款信息, u"已      付：", 8, 83);
    ui.编辑框_已支付 = edit(ui.分组框_付款信息, u"编辑框_已支付", 80, 82, 190, 26, 24);
    label(ui.分组框_付款信息, u"实      付：", 8, 114);
    ui.编辑框_实付 = edit(ui.分组框_付款信息, u"编辑框_实付", 80, 113, 190, 26, 24);

    ui.分组框1 = group(form, u"分组框1", u"点单(F1)", 291, 76, 488, 278);
    label(ui.分组框1, u"商品代码：", 10, 21);
    ui.编辑框_项目代号 = edit(ui.分组框1, u"编辑框_项目代号", 80, 20, 200, 26, 16);
    ui.超级列表框2 = place<QTreeView>(ui.分组框1, u"超级列表框2", 8, 52, 472, 218);

    ui.分组框4 = group(form, u"分组框4", u"桌号/号牌(F2)", 291, 351, 488, 50);
    label(ui.分组框4, u"桌号代码：", 10, 18);
    ui.编辑框_时间2 = edit(ui.分组框4, u"编辑框_时间2", 80, 18, 120, 24, 8);
    ui.组合框_桌号 = place<RefillingComboBox>(ui.分组框4, u"组合框_桌号", 210, 18, 200, 24);

    ui.分组框_配送信息 = group(form, u"分组框_配送信息", u"配送信息(F3)", 291, 401, 488, 89);
    label(ui.分组框_配送信息, u"电      话：", 10, 20);
    ui.编辑框_电话 = edit(ui.分组框_配送信息, u"编辑框_电话", 80, 20, 180, 24, 16);
    label(ui.分组框_配送信息, u"姓      名：", 270, 20);
    ui.编辑框_姓名 = edit(ui.分组框_配送信息, u"编辑框_姓名", 340, 20, 140, 24, 16);
    label(ui.分组框_配送信息, u"地      址：", 10, 54);
    ui.编辑框_地址 = edit(ui.分组框_配送信息, u"编辑框_地址", 80, 54, 400, 24, 255);

    ui.分组框_备注信息 = group(form, u"分组框_备注信息", u"备注信息(F7)", 291, 488, 488, 89);
    label(ui.分组框_备注信息, u"备      注：", 10, 20);
    ui.编辑框_备注 = place<QPlainTextEdit>(ui.分组框_备注信息, u"编辑框_备注", 80, 18, 400, 64);

    label(form, u"存单ID：", 300, 596, 56);
    ui.ID = edit(form, u"ID", 356, 594, 100, 28, 0);
    ui.ID->setReadOnly(true);
    ui.按钮_保存客户 = button(form, u"按钮_保存客户", u"保存客户", 466, 594, 100, 28);

    ui.按钮_预览 = button(form, u"按钮_预览", u"预览", 300, 640, 114, 30);
    ui.按钮_清空 = button(form, u"按钮_清空", u"清空(F10)", 421, 640, 114, 30);
    ui.按钮_打单结算1 = button(form, u"按钮_打单结算1", u"打单(F11)", 542, 640, 114, 30);
    ui.按钮_打单结算 = button(form, u"按钮_打单结算", u"打单结算(F12)", 663, 640, 116, 30);

    ui.标签_使用教程 = place<QLabel>(form, u"标签_使用教程", 300, 674, 110, 22);
    ui.标签_使用教程->setText(QStringLiteral("查看使用教程"));
    ui.标签_无法打印 = place<QLabel>(form, u"标签_无法打印", 420, 674, 140, 22);
    ui.标签_无法打印->setText(QStringLiteral("无法打印怎么办？"));
    for (QLabel* link : {ui.标签_使用教程, ui.标签_无法打印}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setAutoFillBackground(true);
    }

    ui.状态条1 = place<QStatusBar>(form, u"状态条1", 0, 723 - 24, 791, 24);
    ui.状态条1->setSizeGripEnabled(false);
    ui.状态条1_今日数量 = new QLabel(ui.状态条1);
    ui.状态条1_今日数量->setObjectName(QStringLiteral("状态条1_0"));
    ui.状态条1_今日收入 = new QLabel(ui.状态条1);
    ui.状态条1_今日收入->setObjectName(QStringLiteral("状态条1_1"));
    ui.状态条1->addWidget(ui.状态条1_今日数量, 1);
    ui.状态条1->addWidget(ui.状态条1_今日收入, 1);
}
