// The commands of the tables: the tables list, seating a guest, adding, deleting and reordering
// tables, a table for a group and the automatic arrangement. Questions go through the run's
// prompt (--yes, --no, --cancel), as the tables view's go through its message boxes.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliPrompt.h"
#include "cli/Commands.h"
#include "edits/GroupEdits.h"
#include "edits/GuestEdits.h"
#include "edits/TableEdits.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "seating/SeatingOptimiser.h"
#include "seating/SeatingProblem.h"
#include "store/NewOrvDoc.h"

#include <climits>
#include <optional>
#include <ostream>

using nlohmann::json;

namespace
{
int TableId(const std::string& text)
{
    return CCliArgs::ParseInt(text, "a table id");
}

// The table with that id, or null after telling why (the status goes to status).
CTable* FindTable(CCliContext& context, int id, int& status)
{
    CTable* table = context.Doc().FindTableById(id);
    if (table == nullptr)
        status = context.Fail(kExitNotFound, "no table " + std::to_string(id));
    return table;
}

// A table the user may change: any but the unseated table.
CTable* FindMovableTable(CCliContext& context, int id, int& status)
{
    if (id == 0)
    {
        status = context.Fail(kExitRefused, "the unseated table (id 0) cannot be changed");
        return nullptr;
    }
    return FindTable(context, id, status);
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// How long "arrange optimise" searches unless told: the dialog's default.
constexpr int kDefaultOptimiseSeconds = 10;

const char* ReasonKey(ESeatConflict reason)
{
    switch (reason)
    {
    case ESeatConflict::TooLarge:
        return "tooLarge";
    case ESeatConflict::SelfRestricted:
        return "selfRestricted";
    default:
        return "noRoom";
    }
}

int ReasonText(ESeatConflict reason)
{
    switch (reason)
    {
    case ESeatConflict::TooLarge:
        return IDS_OPT_REASON_TOO_LARGE;
    case ESeatConflict::SelfRestricted:
        return IDS_OPT_REASON_SELF_RESTRICTED;
    default:
        return IDS_OPT_REASON_NO_ROOM;
    }
}

void PrintPlan(CCliContext& context, const CSeatingProblem& problem, const SSeatingPlan& plan)
{
    const SPlanSummary& summary = plan.summary;
    const int newTables = static_cast<int>(plan.newTableGroups.size());
    if (context.Json())
    {
        json conflicts = json::array();
        for (const SSeatConflict& conflict : plan.conflicts)
            conflicts.push_back({{"uniqueId", problem.GuestOf(conflict.line)->GetUniqueId()},
                                 {"reason", ReasonKey(conflict.reason)}});
        context.PrintJson({{"tablesUsed", summary.tablesUsed},
                           {"newTables", newTables},
                           {"groupsSplit", summary.groupsSplit},
                           {"linesSeated", summary.linesSeated},
                           {"linesUnseated", summary.linesUnseated},
                           {"restrictedPairs", summary.restrictedPairs},
                           {"restrictionsHonoured", summary.restrictionsHonoured},
                           {"iterations", plan.iterations},
                           {"stoppedEarly", plan.stoppedEarly},
                           {"conflicts", conflicts}});
        return;
    }
    std::ostream& out = context.Out();
    out << LoadString(IDS_OPT_TABLES_USED) << " " << summary.tablesUsed << "\n"
        << LoadString(IDS_OPT_NEW_TABLES) << " " << newTables << "\n"
        << LoadString(IDS_OPT_GROUPS_SPLIT) << " " << summary.groupsSplit << "\n"
        << LoadString(IDS_OPT_LINES_SEATED) << " " << summary.linesSeated << "\n"
        << LoadString(IDS_OPT_LINES_UNSEATED) << " " << summary.linesUnseated << "\n"
        << LoadString(IDS_OPT_RESTRICTIONS) << " "
        << FormatText(LoadString(IDS_OPT_RESTRICTIONS_VALUE),
                      {std::to_string(summary.restrictionsHonoured),
                       std::to_string(summary.restrictedPairs)})
        << "\n";
    if (plan.stoppedEarly)
        out << LoadString(IDS_OPT_STOPPED_EARLY) << "\n";
    if (!plan.conflicts.empty())
        out << LoadString(IDS_OPT_CONFLICTS_CAPTION) << "\n";
    for (const SSeatConflict& conflict : plan.conflicts)
    {
        const CGuest* guest = problem.GuestOf(conflict.line);
        out << "  " << guest->GetDisplayName() << " (" << guest->GetUniqueId()
            << "): " << LoadString(ReasonText(conflict.reason)) << "\n";
    }
    out.flush();
}

// "arrange optimise": the plan is found, printed and carried out once accepted.
int RunOptimise(CCliContext& context, const SOptimiserOptions& options, bool rebuild)
{
    CNewOrvDoc& doc = context.Doc();
    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, rebuild);
    const SSeatingPlan plan = CSeatingOptimiser(problem, options).Run();
    PrintPlan(context, problem, plan);
    if (AskString(doc.GetPrompt(), IDS_OPT_ACCEPT_QUESTION, IDS_OPT_TITLE, EButtons::YesNo) !=
        EAnswer::Yes)
        return context.Fail(kExitRefused, "the plan was declined; nothing changed");
    if (!Edits::ApplySeatingPlan(doc, problem, plan, nullptr))
        return context.Fail(kExitRefused, LoadString(IDS_OPT_EVENT_CHANGED));
    return kExitOk;
}
} // namespace

int RunTables(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    CNewOrvDoc& doc = context.Doc();
    if (context.Json())
    {
        json tables = json::array();
        for (const auto& table : doc.GetTables())
        {
            const int id = table->GetId();
            tables.push_back({{"id", id},
                              {"name", table->GetName()},
                              {"hallNumber", table->GetHallNumber()},
                              {"seats", table->GetSeats()},
                              {"invited", doc.CountAtTable(id, IRecordOwner::kCountPlanned)},
                              {"coming", doc.CountAtTable(id, IRecordOwner::kCountComing)},
                              {"arrivedCount", doc.CountAtTable(id, IRecordOwner::kCountArrived)},
                              {"lines", doc.CountLinesAtTable(id)}});
        }
        context.PrintJson({{"tables", tables}});
        return kExitOk;
    }

    // As the tables list shows it: "--" for the unseated table's place and seats, and a mark on
    // a table whose people exceed its seats.
    std::ostream& out = context.Out();
    const std::string none = LoadString(IDS_TABLES_NO_VALUE);
    out << FormatText(LoadString(IDS_TABLES_COUNT_CAPTION), {FormatInt(doc.GetTableCount() - 1)})
        << "\n";
    out << LoadString(IDS_TABLES_COLUMN_ID) << "\t" << LoadString(IDS_TABLES_COLUMN_NAME) << "\t"
        << LoadString(IDS_TABLES_COLUMN_HALL_NUMBER) << "\t" << LoadString(IDS_TABLES_COLUMN_SEATS)
        << "\t" << LoadString(IDS_TABLES_COLUMN_GUESTS) << "\t"
        << LoadString(IDS_TABLES_COLUMN_LINES) << "\n";
    for (const auto& table : doc.GetTables())
    {
        const int id = table->GetId();
        const int coming = doc.CountAtTable(id, IRecordOwner::kCountComing);
        const bool unseated = id == 0;
        out << id << "\t" << table->GetName() << "\t"
            << (unseated ? none : FormatInt(table->GetHallNumber())) << "\t"
            << (unseated ? none : FormatInt(table->GetSeats())) << "\t" << coming << "\t"
            << doc.CountLinesAtTable(id) << (id > 0 && coming > table->GetSeats() ? "\t!" : "")
            << "\n";
    }
    out.flush();
    return kExitOk;
}

int RunSeat(CCliContext& context)
{
    const auto positionals = CCliArgs(context.Args()).Positionals(2);
    const int uniqueId = CCliArgs::ParseInt(positionals[0], "a guest's unique id");
    const int tableId = TableId(positionals[1]);
    CNewOrvDoc& doc = context.Doc();
    CGuest* guest = doc.FindGuestByUniqueId(uniqueId);
    if (guest == nullptr)
        return context.Fail(kExitNotFound, "no guest with unique id " + positionals[0]);
    int status = kExitOk;
    CTable* table = FindTable(context, tableId, status);
    if (table == nullptr)
        return status;

    if (!Edits::SeatGuest(doc, guest, table))
        return context.Fail(kExitRefused, guest->GetDisplayName() + " was not seated");
    if (context.Json())
        context.PrintJson({{"guest", uniqueId}, {"table", tableId}, {"seats", table->GetSeats()}});
    else
        context.Out() << guest->GetDisplayName() << " sits at table " << tableId << " "
                      << Quoted(table->GetName()) << std::endl;
    return kExitOk;
}

int RunLockSeat(CCliContext& context)
{
    CCliArgs args(context.Args());
    const bool locked = !args.Flag("--off");
    const int uniqueId = CCliArgs::ParseInt(args.Positionals(1).front(), "a guest's unique id");
    CNewOrvDoc& doc = context.Doc();
    CGuest* guest = doc.FindGuestByUniqueId(uniqueId);
    if (guest == nullptr)
        return context.Fail(kExitNotFound, "no guest with unique id " + std::to_string(uniqueId));
    Edits::SetSeatLocked(doc, guest, locked, nullptr);
    if (context.Json())
        context.PrintJson(
            {{"uniqueId", uniqueId}, {"locked", locked}, {"tableId", guest->GetTable()}});
    else if (locked)
        context.Out() << guest->GetDisplayName() << " keeps table " << guest->GetTable()
                      << " in the optimised arrangement" << std::endl;
    else
        context.Out() << guest->GetDisplayName() << " may move in the optimised arrangement"
                      << std::endl;
    return kExitOk;
}

int RunCreateTable(CCliContext& context)
{
    CCliArgs args(context.Args());
    CNewOrvDoc& doc = context.Doc();
    const int place = args.IntOption("--hall", CTable::kMinHallNumber, CTable::kMaxHallNumber)
                          .value_or(doc.NextFreeHallNumber());
    const int seats = args.IntOption("--seats", CTable::kMinSeats, CTable::kMaxSeats)
                          .value_or(doc.GetSettings().GetGuestsPerTable());
    const std::string name = args.Positionals(1).front();
    if (Edits::ReportHallNumberTaken(doc, place))
        return kExitRefused;
    CTable* table = Edits::CreateTable(doc, name, place, seats);
    if (table == nullptr)
        return context.Fail(kExitRefused, "no more tables can be added");
    if (context.Json())
        context.PrintJson({{"id", table->GetId()},
                           {"name", table->GetName()},
                           {"hallNumber", table->GetHallNumber()},
                           {"seats", table->GetSeats()}});
    else
        context.Out() << "Created table " << table->GetId() << " " << Quoted(table->GetName())
                      << ": place " << table->GetHallNumber() << ", " << table->GetSeats()
                      << " seats" << std::endl;
    return kExitOk;
}

int RunDeleteTable(CCliContext& context)
{
    const int id = TableId(CCliArgs(context.Args()).Positionals(1).front());
    int status = kExitOk;
    CTable* table = FindMovableTable(context, id, status);
    if (table == nullptr)
        return status;
    const std::string name = table->GetName();
    if (!Edits::DeleteTable(context.Doc(), table))
        return context.Fail(kExitRefused, "table " + std::to_string(id) + " was not deleted");
    context.Out() << "Deleted table " << id << " " << Quoted(name)
                  << "; its guests are unseated and the later tables renumbered" << std::endl;
    return kExitOk;
}

int RunSwapTables(CCliContext& context)
{
    const auto positionals = CCliArgs(context.Args()).Positionals(2);
    const int first = TableId(positionals[0]);
    const int second = TableId(positionals[1]);
    int status = kExitOk;
    CTable* a = FindMovableTable(context, first, status);
    CTable* b = a != nullptr ? FindMovableTable(context, second, status) : nullptr;
    if (a == nullptr || b == nullptr)
        return status;
    if (a == b)
        return context.Fail(kExitRefused, "a table cannot be swapped with itself");
    Edits::SwapTables(context.Doc(), a, b);
    context.Out() << "Swapped tables " << first << " and " << second << std::endl;
    return kExitOk;
}

int RunMoveTable(CCliContext& context)
{
    const auto positionals = CCliArgs(context.Args()).Positionals(2);
    const int from = TableId(positionals[0]);
    const int to = TableId(positionals[1]);
    int status = kExitOk;
    if (FindMovableTable(context, from, status) == nullptr ||
        FindMovableTable(context, to, status) == nullptr)
        return status;
    if (from == to)
    {
        context.Out() << "Table " << from << " stays where it is" << std::endl;
        return kExitOk;
    }
    Edits::MoveTable(context.Doc(), from, to);
    context.Out() << "Moved table " << from << " to position " << to << std::endl;
    return kExitOk;
}

int RunTableForGroup(CCliContext& context)
{
    const std::string groupName = CCliArgs(context.Args()).Positionals(1).front();
    CNewOrvDoc& doc = context.Doc();
    const CGroup* group = doc.FindGroup(groupName);
    if (group == nullptr)
        return context.Fail(kExitNotFound, "no group " + Quoted(groupName));
    const int tablesBefore = doc.GetTableCount();
    const int seated = Edits::AddTableForGroup(doc, group);
    const bool created = doc.GetTableCount() > tablesBefore;
    const std::string message =
        seated >= 1 ? FormatText(LoadString(IDS_TABLE_FOR_GROUP_CREATED), {FormatInt(seated)})
                    : LoadString(IDS_TABLE_FOR_GROUP_DONE);
    if (context.Json())
        context.PrintJson({{"tableId", created ? json(tablesBefore) : json(nullptr)},
                           {"seated", seated},
                           {"message", message}});
    else
        context.Out() << message << std::endl;
    return created ? kExitOk : context.Fail(kExitRefused, "no table could be added");
}

int RunArrange(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<int> seconds = args.IntOption("--seconds", 0, 24 * 3600);
    const std::optional<int> iterations = args.IntOption("--iterations", 1, INT_MAX);
    const std::optional<int> seed = args.IntOption("--seed", 0, INT_MAX);
    const bool rebuild = args.Flag("--rebuild");
    const std::string which = args.Positionals(1).front();
    if (which == "optimise")
    {
        SOptimiserOptions options;
        options.seconds = seconds.value_or(kDefaultOptimiseSeconds);
        options.iterations = iterations.value_or(0);
        options.seed = static_cast<std::uint64_t>(seed.value_or(1));
        return RunOptimise(context, options, rebuild);
    }
    if (which != "all" && which != "tableless")
        throw SCliUsageError{"arrange takes all, tableless or optimise, not " + which};
    if (seconds || iterations || seed || rebuild)
        throw SCliUsageError{
            "--seconds, --iterations, --seed and --rebuild are for arrange optimise"};
    CNewOrvDoc& doc = context.Doc();
    const int tablesBefore = doc.GetTableCount();
    const int unseatedBefore = doc.CountLinesAtTable(0);

    const bool all = which == "all";
    if (!(all ? Edits::ArrangeAllGuests(doc) : Edits::ArrangeTablelessGuests(doc)))
        return context.Fail(kExitRefused, "the arrangement was declined");

    const int unseated = doc.CountLinesAtTable(0);
    const int newTables = all ? doc.GetTableCount() - 1 : doc.GetTableCount() - tablesBefore;
    const int seated = all ? doc.GetGuestCount() - unseated : unseatedBefore - unseated;
    if (context.Json())
        context.PrintJson(
            {{"tablesCreated", newTables}, {"linesSeated", seated}, {"linesUnseated", unseated}});
    else if (!all && unseatedBefore == 0)
        context.Out() << "No guest line is unseated; nothing to arrange" << std::endl;
    else
        context.Out() << "Created " << newTables << " tables and seated " << seated
                      << " guest lines; " << unseated << " stay unseated" << std::endl;
    return kExitOk;
}
