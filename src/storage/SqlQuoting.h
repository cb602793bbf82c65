#pragma once

#include <QString>

// Every text placed between single quotes in a statement goes through here:
// apostrophes are doubled, so the stored value is exactly the text entered.
QString sqlText(const QString& text);
// A text as a complete SQL literal: sqlText between single quotes.
QString sqlLiteral(const QString& text);
// A table, column or trigger name as a quoted SQL identifier.
QString sqlName(const QString& name);
