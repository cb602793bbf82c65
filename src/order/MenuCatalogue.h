#pragma once

#include <QString>
#include <QStringList>

class Database;

// The order form's in-memory copy of 菜单, five parallel lists in table order.
struct MenuCatalogue {
    QStringList names;
    QStringList prices; // single-precision price as "%.6g" text
    QStringList codes;
    QStringList letters;
    QStringList units;

    void load(Database& db);
    // Index of the first entry with exactly this name, -1 when none.
    qsizetype indexOfName(const QString& name) const { return names.indexOf(name); }
};
