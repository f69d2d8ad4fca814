#include "platform/NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace
{
// Room for the integer digits of the largest double, a sign, a point and the decimals.
constexpr int kMaxIntegerDigits = 310;
// Enough digits to write any double exactly (its smallest fraction has 1074 decimals).
constexpr int kExactDecimals = 1100;

// True when the value lies exactly half-way between two numbers of that many decimals.
bool IsExactHalf(double value, int decimals)
{
    char buffer[kMaxIntegerDigits + kExactDecimals + 4];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                kExactDecimals);
    if (result.ec != std::errc())
        return false;
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return false;
    std::string_view rest = text.substr(point + 1 + static_cast<std::size_t>(decimals));
    return !rest.empty() && rest.front() == '5' &&
           rest.find_first_not_of('0', 1) == std::string_view::npos;
}
} // namespace

std::string FormatInt(long long value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    // to_chars rounds an exact half to even ("0.125" to "0.12"); the files' numbers were always
    // written with halves away from zero. One step past the half gives that.
    if (IsExactHalf(value, decimals))
        value = std::nextafter(value, value < 0 ? -HUGE_VAL : HUGE_VAL);
    char buffer[kMaxIntegerDigits + kMaxDecimals + 4];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}

std::string FormatShortest(float value)
{
    if (!std::isfinite(value))
        return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc())
        return "0";
    return std::string(buffer, result.ptr);
}

int ParseLeadingInt(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
    {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
    {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

double ParseLeadingDouble(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() &&
           (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' || text[pos] == '\r'))
        ++pos;
    // from_chars takes a '-' but no '+'; one sign only.
    if (pos + 1 < text.size() && text[pos] == '+' && text[pos + 1] != '-')
        ++pos;
    double value = 0.0;
    auto result = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    // Out of range, "inf" and "nan" read as no number: nothing downstream expects them.
    if (result.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}
