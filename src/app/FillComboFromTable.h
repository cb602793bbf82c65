#pragma once

#include <QString>

class Database;
class QComboBox;

// Refills a drop-down from one column of a query: an empty item first, then
// the column of every row; the text shown before stays the current item when
// it is still among them.
void FillComboFromTable(QComboBox* box, Database& db, const QString& query, const QString& column);

// Selecting by text: empty or "无" clears the selection; the current text
// changes nothing; otherwise the first item with that text becomes current,
// and when none matches the box keeps its selection.
void SelectComboText(QComboBox* box, const QString& text);
