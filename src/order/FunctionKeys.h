#pragma once

#include <QObject>

class OrderForm;

// F1 to F12 for the order form, caught application-wide so they work
// whatever field has the focus, but only while the order form is the active
// window (the print preview hands its own keys to Dispatch). A key acts
// once, when it is released.
class FunctionKeys : public QObject {
    Q_OBJECT
public:
    explicit FunctionKeys(OrderForm& form);
    ~FunctionKeys() override;

    // Runs the action of one function key.
    void Dispatch(int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    OrderForm& m_form;
};
