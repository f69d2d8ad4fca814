// The rules of seating a guest: the restricted names and the capacity of the table, the user's
// delete of a table and a table for a group.

#include "seating/SeatingRules.h"

#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace
{
int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
} // namespace

bool DeleteTableWithQuestion(CNewOrvDoc& doc, CTable* table)
{
    if (table == nullptr || table->GetId() <= 0 || doc.GetTableAt(table->GetId()) != table)
        return false;
    if (doc.CountAtTable(table->GetId(), IRecordOwner::kCountComing) > 0 &&
        AskString(doc.GetPrompt(), IDS_DELETE_TABLE_QUESTION, IDS_DELETE_TABLE_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    return doc.DeleteTable(table);
}

// --- Seating a guest --------------------------------------------------------------------------

bool CanSeatGuest(CNewOrvDoc& doc, CGuest* guest, CTable* table)
{
    if (guest == nullptr || table == nullptr)
        return false;
    const int id = table->GetId();
    std::vector<CGuest*> seated;
    doc.GetGuestsAtTable(id, seated, false);

    // Only the moving guest's own list is consulted; the unseated table never objects.
    if (id > 0)
    {
        const std::string movingName = guest->GetFullName();
        for (CGuest* other : seated)
        {
            const std::string otherName = other->GetFullName();
            if (!guest->IsRestricted(otherName))
                continue;
            const std::string text =
                FormatText(LoadString(IDS_RESTRICTED_SEATING_QUESTION), {movingName, otherName});
            if (doc.GetPrompt().Ask(text, LoadString(IDS_RESTRICTED_SEATING_CAPTION),
                                    EButtons::YesNo) != EAnswer::Yes)
                return false;
        }
    }

    // A line that brings nobody never asks for room, even at a table already over capacity.
    const int coming = guest->GetComingCount();
    if (coming <= 0)
        return true;
    const long long total =
        static_cast<long long>(doc.CountAtTable(id, IRecordOwner::kCountComing)) + coming;
    if (total <= table->GetSeats())
        return true;
    if (id > 0)
    {
        const EAnswer answer = AskString(doc.GetPrompt(), IDS_ENLARGE_TABLE_QUESTION,
                                         IDS_ENLARGE_TABLE_CAPTION, EButtons::YesNoCancel);
        if (answer == EAnswer::Yes)
            table->SetSeats(ClampToInt(total));
        else if (answer != EAnswer::No)
            return false;
    }
    else
        table->SetSeats(ClampToInt(total));
    doc.Broadcast(HINT_RECORD_CHANGED, table);
    return true;
}

int AddTableForGroup(CNewOrvDoc& doc, const CGroup* group)
{
    if (group == nullptr)
        return -1;
    const std::string groupName = group->GetName();
    CTable* table = doc.CreateTable(groupName, -1, -1);
    if (table == nullptr)
        return -1;
    if (!doc.TableHasGuests(0, false))
        return -1;

    const int limit = doc.GetSettings().GetGuestsPerTable();
    std::vector<CGuest*> unseated;
    doc.GetGuestsAtTable(0, unseated, false);
    long long total = 0;
    for (CGuest* guest : unseated)
    {
        if (guest->GetGroupName() != groupName)
            continue;
        // No capacity or restriction check: the table is the group's own.
        guest->SetTable(static_cast<std::int16_t>(table->GetId()));
        total += guest->GetComingCount();
        if (total >= limit)
            break;
    }
    return ClampToInt(total);
}
