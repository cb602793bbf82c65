#include "order/FieldBehaviour.h"

#include "order/OrderForm.h"
#include "order/RefillingComboBox.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
// The stored length of 备注.
constexpr int kNoteLength = 255;
}

FieldBehaviour::FieldBehaviour(OrderForm& form) : QObject(&form), m_form(form)
{
    OrderFormControls& ui = form.ui();
    m_enterNext = {
        {ui.组合框_减免, ui.编辑框_减免份数},   {ui.编辑框_减免份数, ui.编辑框_减免金额},
        {ui.组合框_付款方式, ui.编辑框_已支付}, {ui.编辑框_已支付, ui.编辑框_实付},
        {ui.编辑框_时间2, ui.组合框_桌号},      {ui.组合框_桌号, ui.编辑框_电话},
        {ui.编辑框_电话, ui.编辑框_姓名},       {ui.编辑框_姓名, ui.编辑框_地址},
        {ui.编辑框_地址, ui.编辑框_备注},
    };
    m_enterStays = {ui.编辑框_减免金额, ui.编辑框_实付, ui.编辑框_编号, ui.编辑框_时间,
                    ui.编辑框_合计};
    m_selectOnFocus = {ui.编辑框_减免份数, ui.编辑框_减免金额, ui.编辑框_已支付,
                       ui.编辑框_实付,     ui.编辑框_电话,     ui.编辑框_姓名,
                       ui.编辑框_地址};
    m_refreshOnLeave = {ui.编辑框_减免份数, ui.编辑框_减免金额, ui.编辑框_合计,
                        ui.编辑框_已支付,   ui.编辑框_实付,     ui.编辑框_时间2,
                        ui.编辑框_电话,     ui.编辑框_姓名,     ui.编辑框_地址,
                        ui.编辑框_备注};

    QSet<QObject*> watched = m_enterStays | m_selectOnFocus | m_refreshOnLeave;
    for (auto it = m_enterNext.cbegin(); it != m_enterNext.cend(); ++it)
        watched.insert(it.key());
    for (QObject* field : watched)
        field->installEventFilter(this);

    connect(ui.编辑框_备注, &QPlainTextEdit::textChanged, this, &FieldBehaviour::LimitNoteLength);
}

bool FieldBehaviour::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            break;
        if (QWidget* next = m_enterNext.value(watched)) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (m_enterStays.contains(watched))
            return true;
        break;
    }
    case QEvent::FocusIn:
        if (m_selectOnFocus.contains(watched)) {
            // Deferred so the click that gave the focus does not undo the selection.
            auto* edit = static_cast<QLineEdit*>(watched);
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
        }
        break;
    case QEvent::FocusOut:
        if (m_refreshOnLeave.contains(watched))
            m_form.RefreshPreview();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FieldBehaviour::LimitNoteLength()
{
    QPlainTextEdit* note = m_form.ui().编辑框_备注;
    const QString text = note->toPlainText();
    if (text.size() <= kNoteLength)
        return;
    note->setPlainText(text.left(kNoteLength));
    note->moveCursor(QTextCursor::End);
}
