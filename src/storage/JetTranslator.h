#pragma once

#include <QString>

// Jet (Access) SQL to SQLite SQL, one statement at a time. A pure function:
// string literals are left as they are ('#', keywords or brackets inside
// '...' are text).
struct JetTranslation {
    enum class Kind { Sql, AlterColumn };
    Kind kind = Kind::Sql;
    QString sql;     // Kind::Sql: the SQLite statement
    QString table;   // Kind::AlterColumn: table, column and new Jet type
    QString column;
    QString type;
};

JetTranslation translateJet(const QString& jetStatement);

// The declared SQLite column type for a Jet type name: double → DOUBLE,
// single → SINGLE, short → SHORT, integer/long → INTEGER, datetime → DATETIME,
// bit/yesno → BIT, text(n)/varchar(n) → VARCHAR(n); others upper-cased.
QString jetDeclaredType(const QString& jetType);
