#pragma once

#include "reference/NameList.h"

#include <QDialog>

class Database;
class QComboBox;

// One of the four name-list windows: an editable combo box mirroring the
// table, "保存" and "删除". Owners that must react when it closes (the unit
// boxes of the item dialogs) connect to finished().
class NameListWindow : public QDialog {
    Q_OBJECT
public:
    NameListWindow(NameListKind kind, Database& db, QWidget* parent);

private:
    void save();
    void remove();
    QStringList entries() const;
    void showEntries(const QStringList& entries, const QString& text);

    NameList m_list;
    QComboBox* m_box;
};

// Opens the window modally and returns once it has closed.
void OpenNameListWindow(NameListKind kind, Database& db, QWidget* parent);
