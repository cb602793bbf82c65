#pragma once

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QToolBar;
class QTreeView;
class QWidget;
class RefillingComboBox;

// The controls of the order form, named as their objectNames.
struct OrderFormControls {
    QToolBar* 工具条2 = nullptr;
    QLineEdit* 编辑框_编号 = nullptr;
    RefillingComboBox* 组合框_票头 = nullptr;
    RefillingComboBox* 组合框_店铺名称 = nullptr;
    QLineEdit* 编辑框_时间 = nullptr;
    QPushButton* 按钮_时间设置 = nullptr;
    QGroupBox* 分组框_已点商品 = nullptr;
    QTableWidget* 高级表格1 = nullptr;
    QGroupBox* 分组框_折扣信息 = nullptr;
    RefillingComboBox* 组合框_减免 = nullptr;
    QLineEdit* 编辑框_减免份数 = nullptr;
    QLineEdit* 编辑框_减免金额 = nullptr;
    QGroupBox* 分组框_付款信息 = nullptr;
    QLineEdit* 编辑框_合计 = nullptr;
    RefillingComboBox* 组合框_付款方式 = nullptr;
    QLineEdit* 编辑框_已支付 = nullptr;
    QLineEdit* 编辑框_实付 = nullptr;
    QGroupBox* 分组框1 = nullptr; // 点单(F1)
    QLineEdit* 编辑框_项目代号 = nullptr;
    QTreeView* 超级列表框2 = nullptr;
    QGroupBox* 分组框4 = nullptr; // 桌号/号牌(F2), hidden for the goods trade
    QLineEdit* 编辑框_时间2 = nullptr;
    RefillingComboBox* 组合框_桌号 = nullptr;
    QGroupBox* 分组框_配送信息 = nullptr;
    QLineEdit* 编辑框_电话 = nullptr;
    QLineEdit* 编辑框_姓名 = nullptr;
    QLineEdit* 编辑框_地址 = nullptr;
    QGroupBox* 分组框_备注信息 = nullptr;
    QPlainTextEdit* 编辑框_备注 = nullptr;
    QLineEdit* ID = nullptr;
    QPushButton* 按钮_保存客户 = nullptr;
    QPushButton* 按钮_预览 = nullptr;
    QPushButton* 按钮_清空 = nullptr;
    QPushButton* 按钮_打单结算1 = nullptr;
    QPushButton* 按钮_打单结算 = nullptr;
    QLabel* 标签_使用教程 = nullptr;
    QLabel* 标签_无法打印 = nullptr;
    QStatusBar* 状态条1 = nullptr;
    QLabel* 状态条1_今日数量 = nullptr; // status bar part 0
    QLabel* 状态条1_今日收入 = nullptr; // status bar part 1
};

// Builds every control at its place on the 791 x 723 form.
void BuildOrderFormControls(QWidget* form, OrderFormControls& ui);
