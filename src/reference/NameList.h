#pragma once

#include <QString>
#include <QStringList>

class Database;

// The four one-column name tables the order form offers in its combo boxes.
enum class NameListKind { ReceiptHeaders, ShopNames, Discounts, Units };

// How one member of the family differs from the others.
struct NameListDescription {
    QString window; // window name and caption
    QString table;
    QString column;
    // The unit list has no blank first entry and is filled by FillUnitList.
    bool blankFirstEntry;
};

const NameListDescription& DescribeNameList(NameListKind kind);

enum class SaveOutcome { NothingEntered, AlreadyThere, Saved, Failed };
enum class DeleteOutcome { NothingChosen, Deleted, Failed };

// Saving and deleting names of one table. `entries` mirrors the window's
// combo box and is changed only when the statement succeeded. Names are
// compared exactly as typed.
class NameList {
public:
    NameList(NameListKind kind, Database& db);

    const NameListDescription& description() const { return m_description; }

    SaveOutcome Save(const QString& text, QStringList& entries);
    DeleteOutcome Delete(const QString& text, QStringList& entries);

private:
    const NameListDescription& m_description;
    Database& m_db;
};
