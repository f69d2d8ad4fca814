#include "cli/CliApp.h"

#include "app/NewOrvApp.h"
#include "cli/CliContext.h"
#include "cli/CliPrompt.h"
#include "cli/Commands.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"

#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
// How long a writing command waits for another program to let go of the event.
constexpr std::chrono::milliseconds kLockWait{5000};

struct SGlobalOptions
{
    SAppOptions app;
    bool dataRootGiven = false;
    std::string eventId;
    bool json = false;
    CCliPrompt::EPolicy policy = CCliPrompt::EPolicy::AskTerminal;
    bool help = false;
};

const SCliCommand* FindCommand(const std::string& name)
{
    for (const auto& command : CliCommands())
        if (name == command.name)
            return &command;
    return nullptr;
}

// Takes the global options wherever they stand (before or after the command); what is left is
// the command and its own arguments.
std::vector<std::string> TakeGlobalOptions(const std::vector<std::string>& arguments,
                                           SGlobalOptions& options)
{
    std::vector<std::string> rest;
    // A value that is the next option is missing (a folder named "--json" is written "./--json").
    auto value = [&](std::size_t& i) -> std::string
    {
        if (i + 1 >= arguments.size() || arguments[i + 1].rfind("--", 0) == 0)
            throw SCliUsageError{arguments[i] + " needs a value"};
        return arguments[++i];
    };
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        if (argument == "--")
        {
            rest.insert(rest.end(), arguments.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                        arguments.end());
            break;
        }
        if (argument == "--data-root")
        {
            options.app.dataRoot = value(i);
            options.dataRootGiven = true;
        }
        else if (argument == "--program-dir")
            options.app.programDir = value(i);
        else if (argument == "--lang")
        {
            const std::string language = value(i);
            if (language == "en")
                options.app.language = ELanguage::English;
            else if (language == "he")
                options.app.language = ELanguage::Hebrew;
            else
                throw SCliUsageError{"--lang must be en or he"};
        }
        else if (argument == "--event")
            options.eventId = value(i);
        else if (argument == "--yes")
            options.policy = CCliPrompt::EPolicy::Yes;
        else if (argument == "--no")
            options.policy = CCliPrompt::EPolicy::No;
        else if (argument == "--cancel")
            options.policy = CCliPrompt::EPolicy::Cancel;
        else if (argument == "--json")
            options.json = true;
        else if (argument == "--help" || argument == "-h")
            options.help = true;
        else
            rest.push_back(argument);
    }
    // A data root that is no folder would read as an empty event, and a writing command would
    // then save one over nothing.
    if (options.dataRootGiven)
    {
        std::error_code error;
        if (options.app.dataRoot.empty())
            throw SCliUsageError{"--data-root needs a folder"};
        if (fs::exists(options.app.dataRoot, error) &&
            !fs::is_directory(options.app.dataRoot, error))
            throw SCliUsageError{"--data-root " + options.app.dataRoot.string() +
                                 " is not a folder"};
    }
    return rest;
}

int UsageError(std::ostream& err, const std::string& message)
{
    err << "velloran-cli: " << message << "\n" << CliUsage();
    return kExitUsage;
}
} // namespace

CNewOrvDoc& CCliContext::Doc()
{
    return m_app.GetDocument();
}

void CCliContext::PrintJson(const nlohmann::json& value)
{
    m_out << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << std::endl;
}

int CCliContext::Fail(int status, const std::string& message)
{
    m_err << "velloran-cli: " << message << std::endl;
    return status;
}

std::string CliUsage()
{
    std::string usage =
        "usage: velloran-cli [GLOBAL OPTIONS] COMMAND [COMMAND OPTIONS]\n"
        "global options: --data-root DIR  --program-dir DIR  --lang en|he  --event ID\n"
        "                --yes | --no | --cancel  --json\n"
        "commands:\n";
    for (const auto& command : CliCommands())
        usage += std::string("  ") + command.name + (*command.synopsis ? " " : "") +
                 command.synopsis + (command.writes ? "" : "   (reads only)") + "\n";
    return usage;
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    SGlobalOptions options;
    std::vector<std::string> rest;
    try
    {
        rest = TakeGlobalOptions(arguments, options);
    }
    catch (const SCliUsageError& error)
    {
        return UsageError(err, error.message);
    }
    if (options.help)
    {
        out << CliUsage();
        return kExitOk;
    }
    if (rest.empty())
        return UsageError(err, "no command given");
    const SCliCommand* command = FindCommand(rest.front());
    if (command == nullptr)
        return UsageError(err, "unknown command " + rest.front());

    options.app.readOnly = !command->writes;
    CCliPrompt prompt(err, options.policy, ::isatty(STDIN_FILENO) != 0);
    CNewOrvApp app(options.app, prompt);
    app.Initialize();
    CNewOrvDoc& doc = app.GetDocument();

    if (!options.eventId.empty())
    {
        CEventInfo* event = doc.FindEvent(options.eventId);
        if (event == nullptr)
        {
            err << "velloran-cli: no event " << options.eventId << std::endl;
            return kExitNotFound;
        }
        doc.ActivateForRun(event);
        doc.ReloadEventSettings();
    }

    if (command->writes)
    {
        // One writer per event: the run holds the event's lock from before the load until the
        // last shutdown write, and saves over nothing another program changed meanwhile.
        app.GetFolders().EnsureActiveEventFolder();
        doc.UseEventLock("velloran-cli", kLockWait, CNewOrvDoc::EWhenLocked::Refuse);
        doc.SetExternalChangePolicy(CNewOrvDoc::EExternalChange::Refuse);
        if (doc.LockActiveEvent() != CNewOrvDoc::ELockResult::Locked)
            return kExitRefused;
    }
    if (!app.OpenDocument())
        return kExitOk;

    // A writing command's results are printed once they are saved: a failed save must not leave
    // "Created table ..." on the screen.
    std::ostringstream pending;
    CCliContext context(app, prompt, std::vector<std::string>(rest.begin() + 1, rest.end()),
                        options.json, command->writes ? pending : out, err);
    int status = kExitOk;
    // Whether the command changed the event is the document's to say.
    const unsigned long changesBefore = doc.GetChangeCount();
    try
    {
        status = command->run(context);
    }
    catch (const SCliUsageError& error)
    {
        return UsageError(err, error.message);
    }

    if (command->writes)
    {
        const bool changed = doc.GetChangeCount() != changesBefore && doc.IsDataChanged();
        bool saved = true;
        if (changed && status == kExitOk && !doc.SaveEventData())
        {
            saved = false;
            status = kExitRefused;
        }
        if (!app.Shutdown() && status == kExitOk)
            status = kExitRefused;
        if (saved)
            out << pending.str() << std::flush;
    }
    return status;
}
