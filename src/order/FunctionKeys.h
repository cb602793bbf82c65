#pragma once

#include <QObject>
#include <QPointer>

class OrderForm;
class QWidget;

// F1 to F12 for the order form, caught application-wide so they work
// whatever field has the focus, but only while the order form or its print
// preview is the active window. A key acts once, when it is released.
class FunctionKeys : public QObject {
    Q_OBJECT
public:
    explicit FunctionKeys(OrderForm& form);
    ~FunctionKeys() override;

    // Another window whose function keys go to the order form (the preview).
    void setCompanionWindow(QWidget* window) { m_companion = window; }

    // Runs the action of one function key.
    void Dispatch(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsOurWindowActive() const;

    OrderForm& m_form;
    QPointer<QWidget> m_companion;
};
