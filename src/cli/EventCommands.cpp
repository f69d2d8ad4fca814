#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "store/NewOrvDoc.h"

#include <ostream>

int RunVersion(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    if (context.Json())
        context.PrintJson({{"name", "Velloran"}, {"version", VELLORAN_VERSION_TEXT}});
    else
        context.Out() << "Velloran " << VELLORAN_VERSION_TEXT << std::endl;
    return kExitOk;
}

int RunEvents(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    CNewOrvDoc& doc = context.Doc();
    if (context.Json())
    {
        nlohmann::json events = nlohmann::json::array();
        for (const auto& event : doc.GetEvents())
            events.push_back({{"id", event->GetId()},
                              {"name", event->GetName()},
                              {"folder", event->GetFolder().string()},
                              {"active", event.get() == doc.GetActiveEvent()}});
        context.PrintJson({{"events", events}});
        return kExitOk;
    }
    for (const auto& event : doc.GetEvents())
        context.Out() << (event.get() == doc.GetActiveEvent() ? "* " : "  ") << event->GetId()
                      << "\t" << event->GetName() << "\t" << event->GetFolder().string()
                      << std::endl;
    return kExitOk;
}

int RunSelectEvent(CCliContext& context)
{
    const std::string id = CCliArgs(context.Args()).Positionals(1).front();
    CNewOrvDoc& doc = context.Doc();
    CEventInfo* event = doc.FindEvent(id);
    if (event == nullptr)
        return context.Fail(kExitNotFound, "no event " + id);
    if (event != doc.GetActiveEvent() && !doc.SelectEvent(event))
        return kExitRefused;
    doc.Activate(event);
    context.Out() << "Active event: " << event->GetId() << " " << event->GetName() << std::endl;
    return kExitOk;
}

const std::vector<SCliCommand>& CliCommands()
{
    static const std::vector<SCliCommand> commands = {
        {"version", false, "", RunVersion},
        {"events", false, "", RunEvents},
        {"select-event", true, "ID", RunSelectEvent},
        {"add-event", true,
         "--type N --date YYYY-MM-DD --bride NAME [--groom NAME] [--bride-family NAME] "
         "[--groom-family NAME] [--phone TEXT] [--name TEXT] [--copy-from ID] [--no-groups]",
         RunAddEvent},
        {"dump", false, "", RunDump},
        {"save", true, "", RunSave},
        {"export-hall-draft", false, "FILE", RunExportHallDraft},
        {"import-hall-draft", true, "FILE", RunImportHallDraft},
        {"tables", false, "", RunTables},
        {"seat", true, "GUEST_UNIQUE_ID TABLE_ID", RunSeat},
        {"lock-seat", true, "GUEST_UNIQUE_ID [--off]", RunLockSeat},
        {"create-table", true, "NAME [--hall N] [--seats N]", RunCreateTable},
        {"delete-table", true, "ID", RunDeleteTable},
        {"swap-tables", true, "ID ID", RunSwapTables},
        {"move-table", true, "FROM TO", RunMoveTable},
        {"table-for-group", true, "GROUP_NAME", RunTableForGroup},
        {"arrange", true,
         "all|tableless|optimise [--seconds N] [--iterations N] [--seed N] [--rebuild]",
         RunArrange},
        {"meetings", false, "", RunMeetings},
        {"add-meeting", true,
         "NAME --date YYYY-MM-DD [--contact-name T] [--contact-job T] [--contact-phone T] "
         "[--contact-address T] [--info T]",
         RunAddMeeting},
        {"tasks", false, "", RunTasks},
        {"add-task", true, "NAME [--parent ID]", RunAddTask},
        {"check-task", true, "ID [--off]", RunCheckTask},
        {"export-ics", false, "FILE [--meeting INDEX] [--tasks]", RunExportIcs},
        {"online-check", false, "", RunOnlineCheck},
        {"check-updates", false, "[--url URL]", RunCheckUpdates},
        {"approvals", false, "[--url URL]", RunApprovals},
        {"apply-approvals", true, "[--url URL]", RunApplyApprovals},
        {"mailto", false, "all|unanswered|requests [--print]", RunMailto},
        {"expenses", false, "", RunExpenses},
        {"add-expense", true, "NAME [--category C] [--payer P] [--dollars N] [--shekels N]",
         RunAddExpense},
        {"add-payment", true, "INDEX [--dollars N] [--shekels N] [--date YYYY-MM-DD] [--paid]",
         RunAddPayment},
        {"pay-expense", true, "INDEX (--all | --payment N)", RunPayExpense},
        {"budget", false, "", RunBudget},
        {"add-offer", true,
         "NAME --category C (--price N | --per-guest N [--guests N]) [--comments T] "
         "[--combination 1|2|3 ...]",
         RunAddOffer},
        {"gifts", false, "", RunGifts},
        {"set-gift", true,
         "GUEST_UNIQUE_ID ([--description T] [--comments T] [--dollars N] [--shekels N] | --clear)",
         RunSetGift},
        {"arrive", true, "GUEST_UNIQUE_ID N [--table ID]", RunArrive},
        {"arrivals", false, "", RunArrivals},
        {"checkin-codes", false, "FILE.pdf", RunCheckinCodes},
        {"backup", true, "", RunBackup},
        {"backups", false, "", RunBackups},
        {"restore", true, "FOLDER", RunRestore},
        {"export-folder", false, "DIR", RunExportFolder},
        {"import-folder", true, "DIR", RunImportFolder},
        {"csv-unanswered", false, "FILE", RunCsvUnanswered},
        {"add-guest", true,
         "FIRST [--family T] [--group G] [--relation R] [--invited N] [--phone T] [--mobile T] "
         "[--email T] [--address T]",
         RunAddGuest},
        {"set-guest", true, "GUEST_UNIQUE_ID FIELD VALUE", RunSetGuest},
        {"delete-guest", true, "GUEST_UNIQUE_ID", RunDeleteGuest},
        {"update-guests", true,
         "--ids ID,ID,... [--group G] [--relation R] [--invited N] [--coming N] "
         "[--invitation-sent 0|1] [--status 0|1|2]",
         RunUpdateGuests},
        {"report", false,
         "KIND [-o FILE] [--text | --pdf] [--columns MASK] [--lines-per-page N] [--abc-in-group] "
         "[--combination 1|2|3] [--cards-per-line N] [--page-per-card] [--filter-group G] "
         "[--filter-relation R] [--filter-first P] [--filter-family P] "
         "[--filter-status all|unknown|approved|not-coming]",
         RunReport},
        {"export-tsv", false, "guests|tables FILE", RunExportTsv},
        {"export-xlsx", false, "FILE", RunExportXlsx},
        {"import-guests", true, "FILE [--group NAME] [--all | --rows N,N...]", RunImportGuests},
        {"share-upload", true, "", RunShareUpload},
        {"share-download", true, "", RunShareDownload},
        {"share-settings", true,
         "[--protocol ftp|ftps|webdav] [--host H] [--port N] [--user U] [--password-stdin] "
         "[--folder F] [--ca-file F] [--save-password 0|1] [--auto-upload 0|1] "
         "[--auto-download 0|1]",
         RunShareSettings},
    };
    return commands;
}
