#include "edits/TableEdits.h"

#include "edits/UndoSteps.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "seating/SeatingProblem.h"
#include "seating/SeatingRules.h"
#include "seating/TableArrangement.h"
#include "store/NewOrvDoc.h"

#include <cstdint>
#include <unordered_set>

namespace Edits
{
namespace
{
// The settings key of the ids shown in the graphic seating view.
constexpr const char* kShowSerialKey = "ShowSerial";
} // namespace

bool ReportHallNumberTaken(CNewOrvDoc& doc, int place, const CTable* except)
{
    int usingId = 0;
    std::string usingName;
    if (doc.IsHallNumberFree(place, &usingId, &usingName) ||
        (except != nullptr && usingId == except->GetId()))
        return false;
    doc.GetPrompt().Ask(
        FormatText(LoadString(IDS_HALL_PLACE_USED_TEXT), {FormatInt(usingId), usingName}),
        LoadString(IDS_HALL_PLACE_USED_CAPTION), EButtons::Ok);
    return true;
}

CTable* CreateTable(CNewOrvDoc& doc, const std::string& name, int place, int seats)
{
    NameStep(doc, IDS_STEP_ADD_TABLE);
    return doc.CreateTable(CTable::NameFromUser(name), place, seats);
}

bool EditTable(CNewOrvDoc& doc, CTable* table, const std::string& name, int place, int seats,
               IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_TABLE);
    if (table == nullptr || table->GetId() <= 0 || doc.GetTableAt(table->GetId()) != table)
        return false;
    bool changed = table->SetName(CTable::NameFromUser(name));
    changed = table->SetHallNumber(place) || changed;
    changed = table->SetSeats(seats) || changed;
    if (changed)
        doc.UpdateAllViews(sender, HINT_RECORD_CHANGED, table);
    return changed;
}

bool DeleteTable(CNewOrvDoc& doc, CTable* table)
{
    NameStep(doc, IDS_STEP_DELETE_TABLE);
    return DeleteTableWithQuestion(doc, table);
}

bool SwapTables(CNewOrvDoc& doc, CTable* a, CTable* b)
{
    NameStep(doc, IDS_STEP_SWAP_TABLES);
    return doc.SwapTables(a, b);
}

bool MoveTable(CNewOrvDoc& doc, int from, int to)
{
    NameStep(doc, IDS_STEP_MOVE_TABLE);
    return doc.MoveTable(from, to);
}

void SetTableSetup(CNewOrvDoc& doc, const STableSetup& setup, IDocView* sender)
{
    NameStep(doc, IDS_STEP_TABLE_SETUP);
    CEventSettings& settings = doc.GetSettings();
    settings.SetGuestsPerTable(static_cast<short>(setup.seats));
    // An absent "ShowSerial" reads as off: writing "0" for it is no change to tell the views.
    const bool showedId = settings.GetKeySetting(kShowSerialKey) == "1";
    settings.SetKeySetting(kShowSerialKey, setup.showId ? "1" : "0");
    const bool changes[] = {
        settings.SetArrangeTablesByHallNumber(setup.byHallNumber),
        settings.SetDontShowNonComing(setup.hideNotComing),
        showedId != setup.showId,
    };
    for (const bool changed : changes)
        if (changed)
            doc.UpdateAllViews(sender, HINT_RECORD_CHANGED);
}

STableSetup GetTableSetup(CNewOrvDoc& doc)
{
    const CEventSettings& settings = doc.GetSettings();
    STableSetup setup;
    setup.seats = settings.GetGuestsPerTable();
    setup.byHallNumber = settings.GetArrangeTablesByHallNumber();
    setup.hideNotComing = settings.GetDontShowNonComing();
    setup.showId = settings.GetKeySetting(kShowSerialKey) == "1";
    return setup;
}

bool ArrangeAllGuests(CNewOrvDoc& doc)
{
    NameStep(doc, IDS_STEP_ARRANGEMENT);
    return ::ArrangeAllGuests(doc);
}

bool ArrangeTablelessGuests(CNewOrvDoc& doc)
{
    NameStep(doc, IDS_STEP_ARRANGEMENT);
    return ::ArrangeTablelessGuests(doc);
}

bool ApplySeatingPlan(CNewOrvDoc& doc, const CSeatingProblem& problem, const SSeatingPlan& plan,
                      IDocView* sender)
{
    NameStep(doc, IDS_STEP_OPTIMISED);
    const int tables = problem.TableCount() + static_cast<int>(plan.newTableGroups.size());
    if (!problem.IsCurrentFor(doc) ||
        plan.seat.size() != static_cast<std::size_t>(problem.LineCount()))
        return false;
    for (const int at : plan.seat)
        if (at != CSeatingProblem::kUnseated && (at < 0 || at >= tables))
            return false;

    // The document id of every table of the plan.
    std::vector<int> idOf;
    if (problem.Rebuilds())
    {
        std::vector<int> keep;
        for (int table = 0; table < problem.TableCount(); ++table)
            keep.push_back(problem.Table(table).tableId);
        doc.RemoveTablesExcept(keep);
        for (int table = 0; table < problem.TableCount(); ++table)
            idOf.push_back(table + 1);
    }
    else
    {
        for (int table = 0; table < problem.TableCount(); ++table)
            idOf.push_back(problem.Table(table).tableId);
    }

    std::unordered_set<std::string> names;
    for (const auto& table : doc.GetTables())
        names.insert(table->GetName());
    std::vector<int> counters(static_cast<std::size_t>(problem.GroupCount()) + 1, 0);
    for (const int group : plan.newTableGroups)
    {
        const bool grouped = group != CSeatingProblem::kNoGroup;
        const std::string base =
            grouped ? problem.GroupName(group) : CTable::NameFromUser(std::string());
        int& counter = counters[grouped ? static_cast<std::size_t>(group) : counters.size() - 1];
        std::string name;
        do
            name = base + " - " + std::to_string(counter++);
        while (names.count(name) != 0);
        names.insert(name);
        const CTable* table = doc.CreateTable(name, -1, problem.DefaultSeats());
        // The plan never asks for more tables than may be made; should it, those lines stay
        // unseated.
        idOf.push_back(table != nullptr ? table->GetId() : 0);
    }

    for (int line = 0; line < problem.LineCount(); ++line)
    {
        if (problem.Line(line).locked)
            continue;
        const int at = plan.seat[static_cast<std::size_t>(line)];
        const int id = at == CSeatingProblem::kUnseated ? 0 : idOf[static_cast<std::size_t>(at)];
        problem.GuestOf(line)->SetTable(static_cast<std::int16_t>(id));
    }
    doc.UpdateAllViews(sender, HINT_ARRANGEMENT_DONE);
    return true;
}
} // namespace Edits
