#include "app/FillComboFromTable.h"

#include "storage/Database.h"

#include <QComboBox>
#include <QSignalBlocker>

void FillComboFromTable(QComboBox* box, Database& db, const QString& query, const QString& column)
{
    const QString remembered = box->currentText();
    const QSignalBlocker blocker(box);
    box->clear();
    if (!db.openQuery(query))
        return;
    box->addItem(QString());
    int current = -1;
    for (; !db.atEnd(); db.moveNext()) {
        const QString value = db.text(column);
        box->addItem(value);
        if (value == remembered)
            current = box->count() - 1;
    }
    db.closeQuery();
    if (current >= 0)
        box->setCurrentIndex(current);
    else if (box->isEditable())
        box->setEditText(remembered);
    else
        box->setCurrentIndex(-1);
}

void SelectComboText(QComboBox* box, const QString& text)
{
    if (text.isEmpty() || text == QStringLiteral("无")) {
        box->setCurrentIndex(-1);
        return;
    }
    if (text == box->currentText())
        return;
    const int index = box->findText(text, Qt::MatchExactly);
    if (index >= 0)
        box->setCurrentIndex(index);
}
