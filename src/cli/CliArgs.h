#pragma once

#include "model/Date.h"

#include <optional>
#include <string>
#include <vector>

// The arguments of one command: "--name value" options, "--flag" switches and positionals.
// Every accessor takes what it reads; Finish() refuses anything left over. Bad usage throws
// SCliUsageError.
class CCliArgs
{
public:
    explicit CCliArgs(std::vector<std::string> args);

    bool Flag(const std::string& name);
    std::optional<std::string> Option(const std::string& name);
    // An option's whole-number value in [minimum, maximum]; the default when absent.
    std::optional<int> IntOption(const std::string& name, int minimum, int maximum);

    // The positionals, exactly count of them.
    std::vector<std::string> Positionals(std::size_t count);
    std::vector<std::string> Positionals(std::size_t minimum, std::size_t maximum);

    // A whole number; throws a usage error naming what it is.
    static int ParseInt(const std::string& text, const std::string& what);
    // "YYYY-MM-DD" naming a real calendar date; anything else is a usage error naming the option.
    static SDate ParseDate(const std::string& text, const std::string& option);

private:
    std::vector<std::string> m_args;
    std::vector<bool> m_taken;
};
