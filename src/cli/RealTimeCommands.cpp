// The commands of the check-in desk on the day of the event: a guest line arrives, the arrivals and
// the tables' free seats, and the page of check-in codes. An arrival follows the desk's rules with
// the same questions (--yes, --no, --cancel); where the desk would open "Chose Table", --table is
// the choice.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "edits/ArrivalEdits.h"
#include "model/Guest.h"
#include "model/RecordOwner.h"
#include "model/Table.h"
#include "pages/CheckinCodesPage.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "seating/ArrivalRules.h"
#include "store/NewOrvDoc.h"

#include <QGuiApplication>
#include <algorithm>
#include <iostream>
#include <memory>
#include <ostream>

using nlohmann::json;

namespace
{
// Qt GUI's application object for a command that draws a page, on the offscreen platform so that
// no display is needed; none when the process has one already (tests). Qt's own notes (a missing
// runtime folder and the like) go to the trace, not among the program's messages.
class CPageApplication
{
public:
    CPageApplication()
    {
        m_previousHandler = qInstallMessageHandler(&CPageApplication::QtMessage);
        if (QCoreApplication::instance() == nullptr)
            m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
    }
    ~CPageApplication()
    {
        m_app.reset();
        qInstallMessageHandler(m_previousHandler);
    }
    CPageApplication(const CPageApplication&) = delete;
    CPageApplication& operator=(const CPageApplication&) = delete;

private:
    static void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::cerr << "velloran-cli: " << message.toStdString() << std::endl;
        else
            Trace("Qt", message.toStdString());
    }

    QtMessageHandler m_previousHandler = nullptr;
    static inline char m_name[] = "velloran-cli";
    static inline char m_platformOption[] = "-platform";
    static inline char m_platform[] = "offscreen";
    int m_argc = 3;
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    std::unique_ptr<QGuiApplication> m_app;
};

json GuestJson(const CGuest& guest)
{
    return {{"uniqueId", guest.GetUniqueId()},
            {"fullName", guest.GetFullName()},
            {"invited", guest.GetInvitedCount()},
            {"coming", guest.GetComingCount()},
            {"arrivedCount", guest.GetArrivedCount()},
            {"arrived", guest.IsArrived()},
            {"tableId", guest.GetTable()}};
}

// What the table choice offered, for a rerun with --table: text as the dialog lists it, each table
// line after its id; JSON split into the tables with room enough and those with some room.
void PrintTableChoice(CCliContext& context, const std::vector<STableChoiceLine>& lines, int people)
{
    CNewOrvDoc& doc = context.Doc();
    if (context.Json())
    {
        json enough = json::array();
        json some = json::array();
        for (const STableChoiceLine& line : lines)
        {
            if (line.kind != STableChoiceLine::kTable)
                continue;
            const CTable* table = doc.FindTableById(line.tableId);
            (line.freeSeats >= people ? enough : some)
                .push_back({{"id", line.tableId},
                            {"name", table != nullptr ? table->GetName() : std::string()},
                            {"free", line.freeSeats}});
        }
        context.PrintJson({{"tableChoice", {{"enoughRoom", enough}, {"someRoom", some}}}});
        return;
    }
    std::ostream& out = context.Out();
    out << LoadString(IDS_RT_CHOOSE_TABLE_TITLE) << "\n";
    for (const STableChoiceLine& line : lines)
        out << (line.kind == STableChoiceLine::kTable ? FormatInt(line.tableId) : std::string())
            << "\t" << line.text << "\n";
    out.flush();
}
} // namespace

int RunArrive(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> tableOption = args.Option("--table");
    const auto positionals = args.Positionals(2);
    const int uniqueId = CCliArgs::ParseInt(positionals[0], "a guest's unique id");
    const int people = CCliArgs::ParseInt(positionals[1], "a number of people");
    std::optional<int> tableId;
    if (tableOption)
        tableId = CCliArgs::ParseInt(*tableOption, "--table");

    CNewOrvDoc& doc = context.Doc();
    CGuest* guest = doc.FindGuestByUniqueId(uniqueId);
    if (guest == nullptr)
        return context.Fail(kExitNotFound, "no guest with unique id " + positionals[0]);
    if (tableId && *tableId != 0 && doc.FindTableById(*tableId) == nullptr)
        return context.Fail(kExitNotFound, "no table " + std::to_string(*tableId));

    // --table answers the table choice once; the rules asking again (the chosen table has no room
    // on the event day and --no declined it) end the arrival as a Cancel would.
    enum class EChoice
    {
        NotAsked,
        Taken,
        Missing,
        NotOffered,
        AskedAgain,
    };
    EChoice choice = EChoice::NotAsked;
    std::vector<STableChoiceLine> offered;
    auto choose = [&](const std::vector<STableChoiceLine>& lines, int) -> std::optional<int>
    {
        if (choice != EChoice::NotAsked)
        {
            choice = EChoice::AskedAgain;
            return std::nullopt;
        }
        offered = lines;
        if (!tableId)
        {
            choice = EChoice::Missing;
            return std::nullopt;
        }
        // 0: OK without a table line, the seat stays as it is.
        const bool listed =
            *tableId == 0 || std::any_of(lines.begin(), lines.end(),
                                         [&](const STableChoiceLine& line) {
                                             return line.kind == STableChoiceLine::kTable &&
                                                    line.tableId == *tableId;
                                         });
        if (!listed)
        {
            choice = EChoice::NotOffered;
            return std::nullopt;
        }
        choice = EChoice::Taken;
        return *tableId;
    };

    switch (Edits::GuestArrived(doc, guest, people, choose, nullptr))
    {
    case Edits::EArrival::InvalidCount:
        return kExitRefused; // the rules' message went to standard error
    case Edits::EArrival::Cancelled:
        switch (choice)
        {
        case EChoice::Missing:
            PrintTableChoice(context, offered, people);
            return context.Fail(kExitRefused,
                                guest->GetDisplayName() +
                                    " needs a table: name one of those offered with --table ID");
        case EChoice::NotOffered:
            PrintTableChoice(context, offered, people);
            return context.Fail(kExitRefused, "table " + std::to_string(*tableId) +
                                                  " is full; name one of those offered");
        case EChoice::AskedAgain:
            return context.Fail(kExitRefused, "table " + std::to_string(*tableId) +
                                                  " has no room left on the event day either; "
                                                  "answer --yes to seat the guests there anyway");
        default:
            return context.Fail(kExitRefused, "the arrival was cancelled");
        }
    case Edits::EArrival::Accepted:
        break;
    }
    if (tableId && choice == EChoice::NotAsked)
        context.Err() << "velloran-cli: --table was not needed: the guest's table has room"
                      << std::endl;

    if (context.Json())
    {
        context.PrintJson({{"guest", GuestJson(*guest)}});
        return kExitOk;
    }
    const CTable* table = guest->GetTable() > 0 ? doc.FindTableById(guest->GetTable()) : nullptr;
    context.Out() << guest->GetDisplayName() << " arrived: " << people << " people, "
                  << (table != nullptr
                          ? "table " + FormatInt(table->GetId()) + " \"" + table->GetName() + "\""
                          : std::string("not seated"))
                  << std::endl;
    return kExitOk;
}

int RunArrivals(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    CNewOrvDoc& doc = context.Doc();
    const SArrivalTotals totals = CountArrivals(doc);
    if (context.Json())
    {
        json tables = json::array();
        for (const auto& table : doc.GetTables())
        {
            if (table->GetId() <= 0)
                continue;
            tables.push_back(
                {{"id", table->GetId()},
                 {"name", table->GetName()},
                 {"seats", table->GetSeats()},
                 {"arrivedCount", doc.CountAtTable(table->GetId(), IRecordOwner::kCountArrived)},
                 {"free", table->GetFreeSeatsOnEventDay()}});
        }
        context.PrintJson({{"arrived", {{"lines", totals.lines}, {"people", totals.people}}},
                           {"tables", tables}});
        return kExitOk;
    }
    // As the desk shows it: the status line, then every table with its free seats on the day.
    std::ostream& out = context.Out();
    out << FormatText(LoadString(IDS_ARRIVED_GUESTS_STATUS), {FormatInt(totals.people)}) << "\n";
    out << LoadString(IDS_TABLES_COLUMN_ID) << "\t" << LoadString(IDS_RT_COLUMN_FREE_SEATS) << "\t"
        << LoadString(IDS_RT_COLUMN_TABLE_NAME) << "\t" << LoadString(IDS_RT_COLUMN_PLACE) << "\n";
    const std::string none = LoadString(IDS_TABLES_NO_VALUE);
    for (const auto& table : doc.GetTables())
    {
        if (table->GetId() <= 0)
            continue;
        out << table->GetId() << "\t" << table->GetFreeSeatsOnEventDay() << "\t" << table->GetName()
            << "\t" << (table->GetHallNumber() > 0 ? FormatInt(table->GetHallNumber()) : none)
            << "\n";
    }
    out.flush();
    return kExitOk;
}

int RunCheckinCodes(CCliContext& context)
{
    const std::string file = CCliArgs(context.Args()).Positionals(1).front();
    CPageApplication application;
    int written = 0;
    if (WriteCheckinCodes(context.Doc(), file, &written) != ECheckinCodes::Written)
        return kExitRefused; // told on standard error
    if (context.Json())
        context.PrintJson({{"file", file}, {"codes", written}});
    else
        context.Out() << "Wrote " << written << " check-in codes to " << file << std::endl;
    return kExitOk;
}
