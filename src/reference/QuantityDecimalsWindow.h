#pragma once

#include <QDialog>
#include <optional>

class Database;
class QLineEdit;

// The 设置 window: how many decimals a quantity keeps, 0 to 3.
class QuantityDecimalsWindow : public QDialog {
    Q_OBJECT
public:
    QuantityDecimalsWindow(int current, Database& db, QWidget* parent);

    // The value confirmed and stored; nothing while the window was closed without one.
    std::optional<int> chosenDecimals() const { return m_chosen; }

private:
    void confirm();

    Database& m_db;
    QLineEdit* m_edit;
    std::optional<int> m_chosen;
};

// Opens the window modally; the new quantity decimals when the operator confirmed one.
std::optional<int> AskQuantityDecimals(int current, Database& db, QWidget* parent);
