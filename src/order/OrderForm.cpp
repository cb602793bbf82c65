#include "order/OrderForm.h"

#include "app/AppPaths.h"
#include "app/FillComboFromTable.h"
#include "order/DeliveryDetails.h"
#include "order/FieldBehaviour.h"
#include "order/FunctionKeys.h"
#include "order/LineCellDelegate.h"
#include "order/MainMenu.h"
#include "order/Settling.h"
#include "receipt/PrintPreview.h"
#include "receipt/PrintReceipt.h"
#include "receipt/PrintSettingsWindow.h"
#include "receipt/QtReceiptPrinter.h"
#include "receipt/ReceiptContent.h"
#include "order/ItemLookup.h"
#include "order/OrderClock.h"
#include "order/OrderLines.h"
#include "order/RefillingComboBox.h"
#include "storage/Database.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>

namespace {

const QStringList& paymentMethods()
{
    static const QStringList methods = {
        QStringLiteral("现金支付"), QStringLiteral("微信支付"), QStringLiteral("支付宝支付"),
        QStringLiteral("在线支付"), QStringLiteral("到付"),     QStringLiteral("混合支付"),
        QStringLiteral("预付")};
    return methods;
}

} // namespace

OrderForm::OrderForm(Database& db, int quantityDecimals, QWidget* parent)
    : QWidget(parent), m_db(db), m_settings(db), m_quantityDecimals(quantityDecimals)
{
    setObjectName(QStringLiteral("OrderForm"));
    BuildOrderFormControls(this, m_ui);

    // Goods trade: no table group; the pick list takes its room.
    setWindowTitle(QStringLiteral("Marovell ") + QString::fromUtf16(kVersionText));
    m_ui.分组框4->hide();
    m_ui.分组框1->resize(m_ui.分组框1->width(), m_ui.分组框1->height() + 50);
    m_ui.超级列表框2->resize(m_ui.超级列表框2->width(), m_ui.超级列表框2->height() + 50);

    m_ui.组合框_付款方式->addItems(paymentMethods());
    m_ui.组合框_付款方式->setCurrentIndex(-1);

    m_lines = std::make_unique<OrderLines>(*this);
    m_lookup = std::make_unique<ItemLookup>(*this);
    m_delivery = std::make_unique<DeliveryDetails>(*this);
    m_clock = std::make_unique<OrderClock>(*this);
    m_fieldBehaviour = new FieldBehaviour(*this);
    m_settling = new Settling(*this);
    m_functionKeys = new FunctionKeys(*this);
    m_mainMenu = new MainMenu(*this);
    m_systemPrinter = std::make_unique<QtReceiptPrinter>(this);
    m_printer = m_systemPrinter.get();
    connect(m_ui.按钮_预览, &QPushButton::clicked, this, &OrderForm::TogglePreview);

    FillNameBoxes();
    m_delivery->LoadTableList();
    RestoreLastChoices();
    m_ui.编辑框_编号->setText(QString::number(m_clock->NextOrderNumber()));
    m_lines->SetUpGrid();
    m_lookup->LoadMenuCatalogue();
    m_clock->FormatOrderTime();
    ConnectNameBoxRefills();
    m_clock->start();
    m_ui.编辑框_项目代号->setFocus();
    ShowPreview();
}

OrderForm::~OrderForm()
{
    // The preview and the helpers refer to the members below: they go first.
    delete m_preview;
    delete m_functionKeys;
    delete m_mainMenu;
    delete m_settling;
    delete m_fieldBehaviour;
}

bool OrderForm::isModifyMode() const
{
    return m_ui.按钮_打单结算->text() == QStringLiteral("修改(F12)");
}

void OrderForm::EnterModifyMode(const QString& id)
{
    m_modifyOrderId = id;
    m_ui.ID->setText(id);
    m_ui.按钮_打单结算->setText(QStringLiteral("修改(F12)"));
}

void OrderForm::LeaveModifyMode()
{
    m_modifyOrderId.clear();
    m_ui.按钮_打单结算->show();
    m_ui.按钮_打单结算->setText(QStringLiteral("打单结算(F12)"));
}

ReceiptContent OrderForm::receiptContent() const
{
    ReceiptContent c;
    c.orderNumber = m_ui.编辑框_编号->text();
    c.header = m_ui.组合框_票头->currentText();
    c.shopName = m_ui.组合框_店铺名称->currentText();
    c.payment = m_ui.组合框_付款方式->currentText();
    c.orderTime = m_ui.编辑框_时间->text();
    const QTableWidget* grid = m_ui.高级表格1;
    for (int row = 1; row < grid->rowCount(); ++row) {
        c.lines.push_back({GridCellText(grid, row, NameColumn), GridCellText(grid, row, QuantityColumn),
                           GridCellText(grid, row, UnitColumn), GridCellText(grid, row, AmountColumn)});
    }
    c.discountName = m_ui.组合框_减免->currentText();
    c.discountCount = m_ui.编辑框_减免份数->text();
    c.discountAmount = m_ui.编辑框_减免金额->text();
    c.total = m_ui.编辑框_合计->text();
    c.paid = m_ui.编辑框_已支付->text();
    c.table = m_ui.组合框_桌号->currentText();
    c.name = m_ui.编辑框_姓名->text();
    c.telephone = m_ui.编辑框_电话->text();
    c.address = m_ui.编辑框_地址->text();
    // The receipt breaks lines at CR LF, as the operator's own line breaks.
    c.notes = m_ui.编辑框_备注->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    return c;
}

bool OrderForm::PrintOrder(bool afterSettling)
{
    return PrintReceipt(*m_printer, afterSettling ? PrintMode::AfterSettling : PrintMode::PrintOnly,
                        receiptContent(), m_settings, AppPaths::iniPath());
}

void OrderForm::ShowPreview()
{
    if (!m_preview) {
        m_preview = new PrintPreview(
            this, m_settings, [this] { return receiptContent(); },
            [this](int key) { m_functionKeys->Dispatch(key); });
    }
    m_preview->show(); // showing draws it
}

void OrderForm::TogglePreview()
{
    if (m_preview)
        m_preview->TogglePreview();
    else
        ShowPreview();
}

void OrderForm::OpenPrintSettingsWindow()
{
    PrintSettingsWindow window(m_settings, [this] { RefreshPreview(); }, this);
    window.exec();
}

void OrderForm::RefreshPreview()
{
    if (m_preview && m_preview->isVisible())
        m_preview->RefreshPreview();
}

void OrderForm::FillNameBoxes()
{
    FillComboFromTable(m_ui.组合框_票头, m_db, QStringLiteral("Select * from 票头设置"),
                       QStringLiteral("票头"));
    FillComboFromTable(m_ui.组合框_店铺名称, m_db, QStringLiteral("Select * from 店名"),
                       QStringLiteral("店铺名称"));
    FillComboFromTable(m_ui.组合框_减免, m_db, QStringLiteral("Select * from 减免"),
                       QStringLiteral("减免名称"));
}

void OrderForm::ConnectNameBoxRefills()
{
    const struct {
        RefillingComboBox* box;
        const char16_t* query;
        const char16_t* column;
    } boxes[] = {
        {m_ui.组合框_票头, u"Select * from 票头设置", u"票头"},
        {m_ui.组合框_店铺名称, u"Select * from 店名", u"店铺名称"},
        {m_ui.组合框_减免, u"Select * from 减免", u"减免名称"},
        {m_ui.组合框_桌号, u"Select * from 桌号", u"桌号名称"},
    };
    for (const auto& b : boxes) {
        connect(b.box, &RefillingComboBox::aboutToShowPopup, this,
                [this, box = b.box, query = QString::fromUtf16(b.query),
                 column = QString::fromUtf16(b.column)] {
                    FillComboFromTable(box, m_db, query, column);
                });
    }
    for (RefillingComboBox* box : {m_ui.组合框_票头, m_ui.组合框_店铺名称}) {
        connect(box, &QComboBox::activated, this, [this] { RefreshPreview(); });
    }
}

void OrderForm::RestoreLastChoices()
{
    m_clock->ReadTimeFormat();
    SelectComboText(m_ui.组合框_票头, m_settings.ReadSetting(QStringLiteral("票头")));
    SelectComboText(m_ui.组合框_店铺名称, m_settings.ReadSetting(QStringLiteral("店铺名称")));
    SelectComboText(m_ui.组合框_减免, m_settings.ReadSetting(QStringLiteral("减免")));
    m_ui.编辑框_减免份数->setText(m_settings.ReadSetting(QStringLiteral("减免份数")));
    m_ui.编辑框_减免金额->setText(m_settings.ReadSetting(QStringLiteral("减免金额")));
    SelectComboText(m_ui.组合框_付款方式, m_settings.ReadSetting(QStringLiteral("付款方式")));
}

void OrderForm::StoreLastChoices()
{
    m_settings.WriteSetting(QStringLiteral("票头"), m_ui.组合框_票头->currentText());
    m_settings.WriteSetting(QStringLiteral("店铺名称"), m_ui.组合框_店铺名称->currentText());
    m_settings.WriteSetting(QStringLiteral("减免"), m_ui.组合框_减免->currentText());
    m_settings.WriteSetting(QStringLiteral("减免份数"), m_ui.编辑框_减免份数->text());
    m_settings.WriteSetting(QStringLiteral("减免金额"), m_ui.编辑框_减免金额->text());
    m_settings.WriteSetting(QStringLiteral("付款方式"), m_ui.组合框_付款方式->currentText());
}

void OrderForm::closeEvent(QCloseEvent* event)
{
    if (!m_choicesStored) {
        m_choicesStored = true;
        m_clock->stop();
        StoreLastChoices();
        if (m_preview)
            m_preview->close();
    }
    event->accept();
}
