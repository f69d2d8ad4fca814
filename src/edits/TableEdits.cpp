#include "edits/TableEdits.h"

#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "seating/SeatingRules.h"
#include "seating/TableArrangement.h"
#include "store/NewOrvDoc.h"

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
    return doc.CreateTable(CTable::NameFromUser(name), place, seats);
}

bool EditTable(CNewOrvDoc& doc, CTable* table, const std::string& name, int place, int seats,
               IDocView* sender)
{
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
    return DeleteTableWithQuestion(doc, table);
}

bool SwapTables(CNewOrvDoc& doc, CTable* a, CTable* b)
{
    return doc.SwapTables(a, b);
}

bool MoveTable(CNewOrvDoc& doc, int from, int to)
{
    return doc.MoveTable(from, to);
}

void SetTableSetup(CNewOrvDoc& doc, const STableSetup& setup, IDocView* sender)
{
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
    return ::ArrangeAllGuests(doc);
}

bool ArrangeTablelessGuests(CNewOrvDoc& doc)
{
    return ::ArrangeTablelessGuests(doc);
}
} // namespace Edits
