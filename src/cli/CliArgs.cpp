#include "cli/CliArgs.h"

#include "cli/CliContext.h"

#include <charconv>

CCliArgs::CCliArgs(std::vector<std::string> args)
    : m_args(std::move(args)), m_taken(m_args.size(), false)
{
}

bool CCliArgs::Flag(const std::string& name)
{
    for (std::size_t i = 0; i < m_args.size(); ++i)
    {
        if (!m_taken[i] && m_args[i] == name)
        {
            m_taken[i] = true;
            return true;
        }
    }
    return false;
}

std::optional<std::string> CCliArgs::Option(const std::string& name)
{
    for (std::size_t i = 0; i < m_args.size(); ++i)
    {
        if (m_taken[i])
            continue;
        if (m_args[i] == name)
        {
            if (i + 1 >= m_args.size() || m_taken[i + 1])
                throw SCliUsageError{name + " needs a value"};
            m_taken[i] = m_taken[i + 1] = true;
            return m_args[i + 1];
        }
        const std::string prefix = name + "=";
        if (m_args[i].compare(0, prefix.size(), prefix) == 0)
        {
            m_taken[i] = true;
            return m_args[i].substr(prefix.size());
        }
    }
    return std::nullopt;
}

std::optional<int> CCliArgs::IntOption(const std::string& name, int minimum, int maximum)
{
    std::optional<std::string> text = Option(name);
    if (!text)
        return std::nullopt;
    int value = ParseInt(*text, name);
    if (value < minimum || value > maximum)
        throw SCliUsageError{name + " must be from " + std::to_string(minimum) + " to " +
                             std::to_string(maximum)};
    return value;
}

std::vector<std::string> CCliArgs::Positionals(std::size_t count)
{
    return Positionals(count, count);
}

std::vector<std::string> CCliArgs::Positionals(std::size_t minimum, std::size_t maximum)
{
    std::vector<std::string> positionals;
    for (std::size_t i = 0; i < m_args.size(); ++i)
    {
        if (m_taken[i])
            continue;
        if (m_args[i].size() > 1 && m_args[i][0] == '-' && m_args[i] != "--" &&
            !(m_args[i][1] >= '0' && m_args[i][1] <= '9'))
            throw SCliUsageError{"unknown option " + m_args[i]};
        m_taken[i] = true;
        positionals.push_back(m_args[i]);
    }
    if (positionals.size() < minimum)
        throw SCliUsageError{"missing argument"};
    if (positionals.size() > maximum)
        throw SCliUsageError{"unexpected argument " + positionals[maximum]};
    return positionals;
}

int CCliArgs::ParseInt(const std::string& text, const std::string& what)
{
    int value = 0;
    const char* end = text.data() + text.size();
    auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc() || result.ptr != end)
        throw SCliUsageError{what + " must be a whole number: " + text};
    return value;
}

SDate CCliArgs::ParseDate(const std::string& text, const std::string& option)
{
    const SCliUsageError bad{option + " must be a calendar date YYYY-MM-DD: " + text};
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        throw bad;
    for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
        if (text[i] < '0' || text[i] > '9')
            throw bad;
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(5, 2));
    const int day = std::stoi(text.substr(8, 2));
    static const int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        throw bad;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const int days = kDaysInMonth[month - 1] + (month == 2 && leap ? 1 : 0);
    if (day > days)
        throw bad;
    return SDate(static_cast<short>(year), static_cast<short>(month), static_cast<short>(day));
}
