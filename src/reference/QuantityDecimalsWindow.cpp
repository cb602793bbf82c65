#include "reference/QuantityDecimalsWindow.h"

#include "common/Dialogs.h"
#include "reference/QuantityDecimals.h"
#include "storage/SettingsStore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QuantityDecimalsWindow::QuantityDecimalsWindow(int current, Database& db, QWidget* parent)
    : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("设置"));
    setWindowTitle(QStringLiteral("设置"));
    setModal(true);

    auto* label = new QLabel(QStringLiteral("数量小数位数（0-3）："), this);
    m_edit = new QLineEdit(QString::number(current), this);
    m_edit->setObjectName(QStringLiteral("小数位数_编辑框"));
    label->setBuddy(m_edit);
    auto* confirmButton = new QPushButton(QStringLiteral("确认"), this);
    confirmButton->setObjectName(QStringLiteral("确认"));
    connect(confirmButton, &QPushButton::clicked, this, &QuantityDecimalsWindow::confirm);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(confirmButton, 0, Qt::AlignRight);

    m_edit->setFocus();
    m_edit->selectAll();
}

void QuantityDecimalsWindow::confirm()
{
    const std::optional<int> decimals = QuantityDecimalsFromText(m_edit->text());
    if (!decimals) {
        m_edit->setFocus();
        m_edit->selectAll();
        showMessage(this, QStringLiteral("数值超出设定，请将小数位数控制在数值 0-3 的范围内。"),
                    DialogIcon::Information, QStringLiteral("提示"));
        return;
    }
    SettingsStore(m_db).WriteSetting(QStringLiteral("小数位数"), QString::number(*decimals));
    m_chosen = decimals;
    accept();
}

std::optional<int> AskQuantityDecimals(int current, Database& db, QWidget* parent)
{
    QuantityDecimalsWindow window(current, db, parent);
    window.exec();
    return window.chosenDecimals();
}
