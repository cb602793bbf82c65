#pragma once

#include "order/OrderFormControls.h"
#include "receipt/PrintPreview.h"
#include "storage/SettingsStore.h"

#include <QDate>
#include <QPointer>
#include <QWidget>
#include <memory>

class Database;
class DeliveryDetails;
class FieldBehaviour;
class FunctionKeys;
class ItemLookup;
class MainMenu;
class OrderClock;
class OrderLines;
class ReceiptPrinter;
class Settling;
struct ReceiptContent;

// The main window: the order being keyed, numbered and settled. It owns the
// program's state while it lives and opens every other window.
class OrderForm : public QWidget {
    Q_OBJECT
public:
    OrderForm(Database& db, int quantityDecimals, QWidget* parent = nullptr);
    ~OrderForm() override;

    OrderFormControls& ui() { return m_ui; }
    Database& database() { return m_db; }
    SettingsStore& settings() { return m_settings; }

    int quantityDecimals() const { return m_quantityDecimals; }
    void setQuantityDecimals(int decimals) { m_quantityDecimals = decimals; }

    // The stored order being changed; empty unless in modify mode.
    QString modifyOrderId() const { return m_modifyOrderId; }
    bool isModifyMode() const;
    // Modify mode: the settle button reads "修改(F12)" and settling changes
    // the stored order with this ID.
    void EnterModifyMode(const QString& id);
    void LeaveModifyMode();

    OrderLines& lines() { return *m_lines; }
    ItemLookup& lookup() { return *m_lookup; }
    DeliveryDetails& delivery() { return *m_delivery; }
    OrderClock& clock() { return *m_clock; }
    Settling& settling() { return *m_settling; }
    FunctionKeys& functionKeys() { return *m_functionKeys; }
    MainMenu& mainMenu() { return *m_mainMenu; }

    // The fields the receipt shows, as they stand now.
    ReceiptContent receiptContent() const;
    // Prints the receipt of the order on the form: once, or after settling
    // with the configured copies. False when nothing was printed.
    bool PrintOrder(bool afterSettling);
    // The printer used; the default prints through the system's print dialog.
    void setReceiptPrinter(ReceiptPrinter* printer) { m_printer = printer; }

    // The print preview beside the form.
    PrintPreview* preview() const { return m_preview; }
    void ShowPreview();
    void TogglePreview();
    void OpenPrintSettingsWindow();
    // Redraws the print preview when it is open.
    void RefreshPreview();
    // Stores the last choices (header, shop, discount, payment).
    void StoreLastChoices();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillNameBoxes();
    void RestoreLastChoices();
    void ConnectNameBoxRefills();

    Database& m_db;
    SettingsStore m_settings;
    OrderFormControls m_ui;
    int m_quantityDecimals = 0;
    QString m_modifyOrderId;
    bool m_choicesStored = false;

    std::unique_ptr<OrderLines> m_lines;
    std::unique_ptr<ItemLookup> m_lookup;
    std::unique_ptr<DeliveryDetails> m_delivery;
    std::unique_ptr<OrderClock> m_clock;
    Settling* m_settling = nullptr;
    FunctionKeys* m_functionKeys = nullptr;
    MainMenu* m_mainMenu = nullptr;
    FieldBehaviour* m_fieldBehaviour = nullptr;
    std::unique_ptr<ReceiptPrinter> m_systemPrinter;
    ReceiptPrinter* m_printer = nullptr;
    QPointer<PrintPreview> m_preview;
};
