#include "reference/UnitList.h"

#include "storage/Database.h"

#include <QComboBox>

void FillUnitList(QComboBox* box, Database& db)
{
    box->clear();
    if (!db.openQuery(QStringLiteral("Select * from 单位")))
        return;
    for (; !db.atEnd(); db.moveNext())
        box->addItem(db.text(QStringLiteral("单位名称")));
    db.closeQuery();
}
