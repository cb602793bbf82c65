#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

class OrderForm;
class QWidget;

// How the order form's fields react to the focus and the Enter key: some
// select their whole text on entry, leaving those the receipt shows redraws
// the preview, and Enter walks on to the next field (swallowed in
// single-line boxes so it never reaches them).
class FieldBehaviour : public QObject {
    Q_OBJECT
public:
    explicit FieldBehaviour(OrderForm& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LimitNoteLength();

    OrderForm& m_form;
    QHash<QObject*, QWidget*> m_enterNext; // Enter moves the focus here
    QSet<QObject*> m_enterStays;           // Enter is swallowed, focus stays
    QSet<QObject*> m_selectOnFocus;
    QSet<QObject*> m_refreshOnLeave;
};
