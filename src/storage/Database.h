#pragma once

#include "storage/SqlQuoting.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

struct sqlite3;
struct sqlite3_stmt;

// The one connection to data/data.mdb and its one shared record set. Every
// statement is Jet SQL as the windows write it; it is translated to SQLite
// (see JetTranslator.h) before it runs. Failures are results: every operation
// returns its flag and nothing throws.
class Database {
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens an existing database file. Fails, leaving the file untouched, when
    // it is not a readable database of this program.
    bool open(const QString& path);
    // Creates a new, empty database file (used for the template); fails when it exists.
    bool create(const QString& path);
    void close();
    bool isOpen() const;

    bool execute(const QString& statement);
    // Runs several ';'-separated SQLite statements as they are (template script).
    bool executeScript(const QString& sqliteScript);

    // The record set. A query is opened, read and closed before the next.
    bool openQuery(const QString& statement);
    bool atEnd() const;
    void moveNext();
    // criterion: column name, "='", text, "'" (blanks around allowed). Searches
    // forward from the current row; leaves the cursor on the match or past the end.
    bool find(const QString& criterion);
    void closeQuery();

    // Field reads of the current row. No row, or a field without a value,
    // gives empty text or zero.
    QString text(const QString& column) const;
    QString text(int index) const;
    double number(const QString& column) const;
    double number(int index) const;
    int integer(const QString& column) const;
    int integer(int index) const;
    double single(const QString& column) const;
    double single(int index) const;
    QDateTime dateTime(const QString& column) const;
    QDateTime dateTime(int index) const;
    int columnCount() const;
    QString columnName(int index) const;

    // The ID the last successful insert gave its row.
    qint64 lastInsertId() const;
    QString lastError() const;

    // Writes that belong together. Nested use is not supported.
    bool begin();
    bool commit();
    void rollback();

    // (Re)creates, for every user table, the AFTER INSERT and AFTER UPDATE
    // triggers that coerce stored values by the column's declared type as Jet
    // would: DATETIME to 'YYYY-MM-DD HH:MM:SS' (a text that is not a date aborts
    // the statement, empty text becomes NULL), SINGLE to float precision,
    // SHORT/INTEGER and DECIMAL to whole numbers (half away from zero), BIT to
    // 1/0, DOUBLE to real. Only triggers that differ are rewritten. Called by
    // open(), executeScript(), and execute() of CREATE TABLE / ALTER TABLE.
    bool applyColumnRules();

private:
    struct Field {
        QVariant value;   // null, qint64, double or QString
        QString declType; // upper-case declared type of the column, empty for expressions
    };
    int columnIndex(const QString& column) const;
    const Field* field(int index) const;
    bool fetchRow();
    bool runAlterColumn(const QString& table, const QString& column, const QString& type);
    bool exec(const QString& sqlite);
    bool openConnection(const QString& path, int flags, const QString& failure);
    bool configure();
    void registerFunctions();
    void setError(const QString& message);

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_query = nullptr;
    QStringList m_columns;
    QStringList m_declTypes;
    QVector<Field> m_row;
    bool m_failed = false;
    qint64 m_lastInsertId = 0;
    bool m_atEnd = true;
    QString m_error;
};

// RAII transaction: rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db) : m_db(db), m_active(db.begin()) {}
    ~Transaction()
    {
        if (m_active)
            m_db.rollback();
    }
    bool isActive() const { return m_active; }
    bool commit()
    {
        if (!m_active)
            return false;
        m_active = false;
        return m_db.commit();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Database& m_db;
    bool m_active;
};
