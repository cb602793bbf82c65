#include "reference/QuantityDecimals.h"

#include "common/Numbers.h"

std::optional<int> QuantityDecimalsFromText(const QString& text)
{
    const int value = textToInt(text);
    if (value < 0 || value > 3)
        return std::nullopt;
    return value;
}
