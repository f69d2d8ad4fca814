// The commands of the online services: the connectivity check, the update check, the web
// approvals and the mail links. Each reads the addresses of General.ini; --url replaces the one
// address a command fetches, for this run only. None of them is started by any other command.

#include "app/NewOrvApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliPrompt.h"
#include "cli/Commands.h"
#include "edits/ApprovalEdits.h"
#include "model/Guest.h"
#include "online/Approvals.h"
#include "online/Connectivity.h"
#include "online/MailLinks.h"
#include "online/OnlineConfig.h"
#include "online/UpdateCheck.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <cstdlib>
#include <ostream>

using nlohmann::json;

namespace
{
SOnlineConfig Config(CCliContext& context)
{
    return MakeOnlineConfig(context.App().GetGeneral(), context.Doc());
}

// A graphical session to open a link in; without one the link is printed instead.
bool HaveDisplay()
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
    {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return true;
    }
    return false;
}

const char* YesNo(bool value)
{
    return value ? "yes" : "no";
}

// Downloads the approvals of the active event; false after telling why.
bool Download(CCliContext& context, CCliArgs& args, ApprovalMap& approvals, int& status)
{
    SOnlineConfig config = Config(context);
    if (auto url = args.Option("--url"))
        config.approvalsUrl = *url;
    args.Positionals(0);
    std::string error;
    if (!DownloadApprovals(config, approvals, nullptr, &error))
    {
        status = context.Fail(kExitRefused, "the approvals could not be read: " + error);
        return false;
    }
    return true;
}
} // namespace

int RunOnlineCheck(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const SOnlineConfig config = Config(context);
    CConnectivityCheck check(config, nullptr);
    SConnectivityResult result;
    check.IsInternetConnected(&result);
    if (context.Json())
        context.PrintJson({{"connected", result.connected},
                           {"localNetwork", result.localNetwork},
                           {"ping", result.ping},
                           {"page", result.page}});
    else
        context.Out() << "connected: " << YesNo(result.connected)
                      << "\nlocal network: " << YesNo(result.localNetwork)
                      << "\nping: " << YesNo(result.ping) << "\npage: " << YesNo(result.page)
                      << std::endl;
    return kExitOk;
}

int RunCheckUpdates(CCliContext& context)
{
    CCliArgs args(context.Args());
    SOnlineConfig config = Config(context);
    if (auto url = args.Option("--url"))
        config.newVersionUrl = *url;
    args.Positionals(0);

    // The question of the program, answered by --yes/--no; the approvals the check downloads are
    // not applied here (that is apply-approvals).
    std::string printedSite;
    SUpdateHooks hooks;
    hooks.newerVersion = [&](double)
    {
        if (AskString(context.Prompt(), IDS_NEW_VERSION_QUESTION, IDS_NEW_VERSION_CAPTION,
                      EButtons::YesNo) != EAnswer::Yes)
            return;
        if (HaveDisplay() && ShellOpen(config.webSite))
            return;
        printedSite = config.webSite;
    };
    double version = -1.0;
    const int result = CheckForUpdates(config, hooks, nullptr, &version);
    if (context.Json())
    {
        json answer = {{"result", result}, {"version", version}};
        if (!printedSite.empty())
            answer["webSite"] = printedSite;
        context.PrintJson(answer);
    }
    else
    {
        context.Out() << "result: " << result << "\nversion: " << version << std::endl;
        if (!printedSite.empty())
            context.Out() << printedSite << std::endl;
    }
    return result == kUpdateNewer || result == kUpdateNone ? kExitOk : kExitRefused;
}

int RunApprovals(CCliContext& context)
{
    CCliArgs args(context.Args());
    ApprovalMap approvals;
    int status = kExitOk;
    if (!Download(context, args, approvals, status))
        return status;
    const std::vector<SApprovalEntry> entries = MatchApprovals(context.Doc(), approvals);
    if (context.Json())
    {
        json list = json::array();
        for (const SApprovalEntry& entry : entries)
            list.push_back(
                {{"code", entry.code},
                 {"coming", entry.coming ? json(*entry.coming) : json(nullptr)},
                 {"uniqueId",
                  entry.guests.empty() ? json(nullptr) : json(entry.guests.front()->GetUniqueId())},
                 {"needsAttention", entry.needsAttention}});
        context.PrintJson({{"approvals", list}});
        return kExitOk;
    }
    for (const SApprovalEntry& entry : entries)
        context.Out() << entry.code << "\t" << (entry.coming ? std::to_string(*entry.coming) : "?")
                      << "\t"
                      << (entry.guests.empty() ? "-" : entry.guests.front()->GetDisplayName())
                      << (entry.needsAttention ? "\t*" : "") << "\n";
    context.Out().flush();
    return kExitOk;
}

int RunApplyApprovals(CCliContext& context)
{
    CCliArgs args(context.Args());
    ApprovalMap approvals;
    int status = kExitOk;
    if (!Download(context, args, approvals, status))
        return status;
    CNewOrvDoc& doc = context.Doc();
    // As the program opens its dialog only when an answer is new, nothing is told otherwise.
    std::vector<CGuest*> changed;
    if (ApprovalsNeedAttention(doc, approvals))
        changed = Edits::UpdateGuestsFromApprovals(doc, approvals, nullptr);
    if (context.Json())
    {
        json ids = json::array();
        for (const CGuest* guest : changed)
            ids.push_back(guest->GetUniqueId());
        context.PrintJson({{"updated", ids}});
    }
    else
        context.Out() << changed.size() << " guests updated" << std::endl;
    return kExitOk;
}

int RunMailto(CCliContext& context)
{
    CCliArgs args(context.Args());
    const bool print = args.Flag("--print");
    const std::string which = args.Positionals(1).front();
    if (which != "all" && which != "unanswered" && which != "requests")
        throw SCliUsageError{"mailto takes all, unanswered or requests"};

    int failed = 0;
    const LinkOpener open = [&](const std::string& link)
    {
        if (print)
            context.Out() << link << "\n";
        else if (!ShellOpen(link))
            ++failed;
    };
    CNewOrvDoc& doc = context.Doc();
    bool opened = false;
    if (which == "all")
        opened = SendMailToAllGuests(doc, open);
    else if (which == "unanswered")
        opened = SendMailToUnansweredGuests(doc, open);
    else
        opened = SendApprovalRequests(doc, MakeApprovalMailInfo(context.App().GetGeneral(), doc),
                                      open) > 0;
    context.Out().flush();
    if (failed > 0)
        return context.Fail(kExitRefused, "the mail program could not be started");
    return opened ? kExitOk : kExitRefused;
}
