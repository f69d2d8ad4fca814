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
