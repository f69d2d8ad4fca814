#include "office/NumberCells.h"

#include <charconv>
#include <cmath>

std::string NumberCellText(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return "0"; // also -0
    char buffer[64];
    std::to_chars_result result{};
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        result = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
    else
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
