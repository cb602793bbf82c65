#pragma once

#include <QString>
#include <optional>

// The quantity decimals a text asks for: its integer value (the leading
// number cut to an integer, 0 when there is none) when it lies in 0..3,
// nothing otherwise.
std::optional<int> QuantityDecimalsFromText(const QString& text);
