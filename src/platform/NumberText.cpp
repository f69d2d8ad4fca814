#include "platform/NumberText.h"

#include <charconv>
#include <climits>
#include <cmath>

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
    char buffer[400];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
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
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' ||
                                 text[pos] == '\r'))
        ++pos;
    if (pos < text.size() && text[pos] == '+')
        ++pos;
    double value = 0.0;
    auto result = std::from_chars(text.data() + pos, text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return 0.0;
    if (result.ec != std::errc())
        return 0.0;
    return value;
}
