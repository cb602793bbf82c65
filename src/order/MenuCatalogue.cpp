#include "order/MenuCatalogue.h"

#include "common/Numbers.h"
#include "storage/Database.h"

void MenuCatalogue::load(Database& db)
{
    names.clear();
    prices.clear();
    codes.clear();
    letters.clear();
    units.clear();
    if (!db.openQuery(QStringLiteral("Select * from 菜单")))
        return;
    while (!db.atEnd()) {
        names << db.text(QStringLiteral("菜名"));
        prices << singleToText(db.single(QStringLiteral("价格")));
        codes << db.text(QStringLiteral("代码"));
        letters << db.text(QStringLiteral("字母"));
        units << db.text(QStringLiteral("单位"));
        db.moveNext();
    }
    db.closeQuery();
}
