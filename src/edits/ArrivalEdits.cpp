#include "edits/ArrivalEdits.h"

#include "edits/UndoSteps.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <cstdint>

namespace Edits
{
EArrival GuestArrived(CNewOrvDoc& doc, CGuest* guest, int people, const TableChooser& choose,
                      IDocView* sender)
{
    NameStep(doc, IDS_STEP_ARRIVAL);
    if (guest == nullptr || doc.IndexOfGuest(guest) < 0)
        return EArrival::Cancelled;
    if (people <= 0)
    {
        AskString(doc.GetPrompt(), IDS_FILL_ARRIVED_COUNT, IDS_FILL_MISSING_DETAILS_CAPTION,
                  EButtons::Ok);
        return EArrival::InvalidCount;
    }

    // The table the guest will sit at: its own until a choice names another. Nothing is changed
    // before the arrival is accepted, so every Cancel leaves the guest as it was.
    int tableId = guest->GetTable();
    bool mustChoose = tableId == 0;
    for (;;)
    {
        if (mustChoose)
        {
            if (!choose)
                return EArrival::Cancelled;
            const std::optional<int> chosen = choose(TableChoiceLines(doc, people), people);
            if (!chosen)
                return EArrival::Cancelled;
            if (*chosen > 0 && doc.FindTableById(*chosen) != nullptr)
                tableId = *chosen;
            mustChoose = false;
        }
        const CTable* table = tableId > 0 ? doc.FindTableById(tableId) : nullptr;
        if (table == nullptr || FreeSeatsForArrival(doc, *guest, *table) >= people)
            break;
        const EAnswer answer = doc.GetPrompt().Ask(
            FormatText(LoadString(IDS_ARRIVAL_TABLE_FULL_QUESTION), {table->GetName()}),
            LoadString(IDS_ARRIVAL_TABLE_FULL_CAPTION), EButtons::YesNoCancel);
        if (answer == EAnswer::Yes)
            break;
        if (answer != EAnswer::No)
            return EArrival::Cancelled;
        mustChoose = true;
    }

    if (tableId != guest->GetTable())
        guest->SetTable(static_cast<std::int16_t>(tableId));
    guest->SetArrived(true);
    guest->SetArrivedCount(people);
    guest->SetComingCount(people);
    guest->SetInvitedCount(people);
    doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    return EArrival::Accepted;
}

CGuest* AddWalkInGuest(CNewOrvDoc& doc, const std::string& firstName, const std::string& familyName,
                       IDocView* sender)
{
    NameStep(doc, IDS_STEP_WALK_IN);
    CGuest* guest = doc.AddGuest(TrimSpaces(firstName), TrimSpaces(familyName), sender);
    guest->SetInvitedCount(0);
    guest->SetComingCount(0);
    doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    return guest;
}
} // namespace Edits
