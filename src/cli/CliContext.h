#pragma once

#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

class CNewOrvApp;
class CNewOrvDoc;
class CCliPrompt;

// Exit statuses of velloran-cli.
enum ECliExit : int
{
    kExitOk = 0,
    kExitRefused = 1,  // refused, declined or failed (a failed save included)
    kExitUsage = 2,    // bad usage
    kExitNotFound = 3, // something named does not exist (an event, a guest, a table, a group)
};

// What a command works with: the started application, its arguments and the output streams.
class CCliContext
{
public:
    CCliContext(CNewOrvApp& app, CCliPrompt& prompt, std::vector<std::string> args, bool json,
                std::ostream& out, std::ostream& err)
        : m_app(app), m_prompt(prompt), m_args(std::move(args)), m_json(json), m_out(out),
          m_err(err)
    {
    }

    CNewOrvApp& App() { return m_app; }
    CNewOrvDoc& Doc();
    CCliPrompt& Prompt() { return m_prompt; }
    const std::vector<std::string>& Args() const { return m_args; }
    bool Json() const { return m_json; }
    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }

    // Writes the one JSON value of the run to standard output.
    void PrintJson(const nlohmann::json& value);

    // A one-line error; returns the status to exit with.
    int Fail(int status, const std::string& message);

private:
    CNewOrvApp& m_app;
    CCliPrompt& m_prompt;
    std::vector<std::string> m_args;
    bool m_json;
    std::ostream& m_out;
    std::ostream& m_err;
};

// The exception a command throws for bad usage; the dispatcher prints it with the usage.
struct SCliUsageError
{
    std::string message;
};
