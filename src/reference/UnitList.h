#pragma once

class Database;
class QComboBox;

// Refills a box with the names of table 单位 in the order the database
// returns them, without a blank first entry. The box is left empty when the
// query fails.
void FillUnitList(QComboBox* box, Database& db);
