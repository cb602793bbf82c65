#pragma once

#include <QObject>

class OrderForm;
class QMenu;

// The toolbar 工具条2 with its two drop-down menus "设置菜单" and "帮助",
// and the two help links at the foot of the form.
class MainMenu : public QObject {
    Q_OBJECT
public:
    explicit MainMenu(OrderForm& form);

    QMenu* settingsMenu() const { return m_settingsMenu; }
    QMenu* helpMenu() const { return m_helpMenu; }

    void OpenQuantityDecimals();
    void OpenPrintSettings();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OrderForm& m_form;
    QMenu* m_settingsMenu;
    QMenu* m_helpMenu;
};
