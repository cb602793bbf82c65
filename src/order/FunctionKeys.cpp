#include "order/FunctionKeys.h"

#include "order/OrderForm.h"
#include "order/RefillingComboBox.h"
#include "order/Settling.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

FunctionKeys::FunctionKeys(OrderForm& form) : QObject(&form), m_form(form)
{
    qApp->installEventFilter(this);
}

FunctionKeys::~FunctionKeys() { qApp->removeEventFilter(this); }

bool FunctionKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key < Qt::Key_F1 || key > Qt::Key_F12 || !watched->isWidgetType() || QApplication::activeWindow() != &m_form)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyRelease && !keyEvent->isAutoRepeat())
        Dispatch(key);
    return true; // the keys belong to the form: no field sees them
}

void FunctionKeys::Dispatch(int key)
{
    OrderFormControls& ui = m_form.ui();
    m_form.activateWindow();
    switch (key) {
    case Qt::Key_F1: ui.编辑框_项目代号->setFocus(); break;
    case Qt::Key_F2:
        ui.编辑框_时间2->setFocus();
        ui.编辑框_时间2->selectAll();
        break;
    case Qt::Key_F3: ui.编辑框_电话->setFocus(); break;
    case Qt::Key_F4: ui.组合框_减免->setFocus(); break;
    case Qt::Key_F5: ui.组合框_付款方式->setFocus(); break;
    case Qt::Key_F6: ui.高级表格1->setFocus(); break;
    case Qt::Key_F7:
        ui.编辑框_备注->setFocus();
        ui.编辑框_备注->selectAll();
        break;
    case Qt::Key_F10: m_form.settling().AskClearForm(); break;
    case Qt::Key_F11: m_form.settling().PrintOnly(); break;
    case Qt::Key_F12: m_form.settling().SettleOrder(); break;
    default: break; // F8, F9: nothing
    }
}
