#pragma once

#include "order/OrderFormControls.h"
#include "storage/SettingsStore.h"

#include <QDate>
#include <QWidget>
#include <memory>

class Database;
class DeliveryDetails;
class ItemLookup;
class OrderClock;
class OrderLines;

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

    OrderLines& lines() { return *m_lines; }
    ItemLookup& lookup() { return *m_lookup; }
    DeliveryDetails& delivery() { return *m_delivery; }
    OrderClock& clock() { return *m_clock; }

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
};
