#include "edits/GuestDetailsEdits.h"

#include "edits/GuestEdits.h"
#include "edits/UndoSteps.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "online/SmsLink.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "seating/SeatingRules.h"
#include "settings/EventSettings.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace Edits
{
namespace
{
bool Announce(CNewOrvDoc& doc, CGuest* guest, bool changed, IDocView* sender)
{
    if (changed)
        doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    return changed;
}

bool IsStatus(int status)
{
    return status == CGuest::kStatusUnknown || status == CGuest::kStatusApproved ||
           status == CGuest::kStatusNotComing;
}
} // namespace

bool SetGuestNames(CNewOrvDoc& doc, CGuest* guest, const std::string& firstName,
                   const std::string& familyName, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr)
        return false;
    bool changed = guest->SetFamilyName(TrimSpaces(familyName));
    changed = guest->SetName(TrimSpaces(firstName)) || changed;
    return Announce(doc, guest, changed, sender);
}

bool SetGuestInvited(CNewOrvDoc& doc, CGuest* guest, int invited, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr)
        return false;
    invited = std::max(0, invited);
    const int coming = std::min(guest->GetComingCount(), invited);
    bool changed = guest->SetInvitedCount(invited);
    changed = guest->SetComingCount(coming) || changed;
    return Announce(doc, guest, changed, sender);
}

bool SetGuestComing(CNewOrvDoc& doc, CGuest* guest, int coming, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr)
        return false;
    coming = std::max(0, coming);
    const int invited = std::max(guest->GetInvitedCount(), coming);
    bool changed = guest->SetInvitedCount(invited);
    changed = guest->SetComingCount(coming) || changed;
    return Announce(doc, guest, changed, sender);
}

bool SetGuestStatus(CNewOrvDoc& doc, CGuest* guest, int status, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr || !IsStatus(status))
        return false;
    bool changed = guest->SetStatus(status);
    if (status == CGuest::kStatusNotComing)
        changed = guest->SetComingCount(0) || changed;
    return Announce(doc, guest, changed, sender);
}

ETableChange SetGuestTable(CNewOrvDoc& doc, CGuest* guest, int tableId, IDocView* sender)
{
    NameStep(doc, IDS_STEP_MOVE_TO_TABLE);
    if (guest == nullptr)
        return ETableChange::Refused;
    CTable* table = doc.FindTableById(tableId);
    if (table == nullptr)
    {
        AskString(doc.GetPrompt(), IDS_TABLE_NOT_EXIST_TEXT, IDS_TABLE_NOT_EXIST_CAPTION,
                  EButtons::Ok);
        return ETableChange::NoSuchTable;
    }
    if (guest->GetTable() == tableId)
        return ETableChange::Unchanged;
    if (!SeatGuest(doc, guest, table))
        return ETableChange::Refused;
    doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    return ETableChange::Seated;
}

bool SetGuestKids(CNewOrvDoc& doc, CGuest* guest, int kids, bool childSeat, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr)
        return false;
    const auto count = static_cast<std::int16_t>(
        std::clamp(kids, 0, static_cast<int>(std::numeric_limits<std::int16_t>::max())));
    bool changed = guest->SetKids(count);
    changed = guest->SetChildSeat(childSeat) || changed;
    return Announce(doc, guest, changed, sender);
}

STransportCounts TransportCounts(const CNewOrvDoc& doc, const CGuest& guest, int transport)
{
    STransportCounts counts;
    if (transport == 0)
        return counts;
    counts.already = doc.ComingByTransport(transport);
    counts.withGuest = counts.already;
    if (guest.GetTransportation() != transport)
        counts.withGuest += guest.GetComingCount();
    return counts;
}

bool SendSmsToGuest(CNewOrvDoc& doc, CGuest* guest, const SmsOpener& open, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr)
        return false;
    const std::string link =
        SmsLink(guest->GetMobile(), doc.GetEventSettings()->GetKeySetting("SmsMessage"));
    if (link.empty())
    {
        AskString(doc.GetPrompt(), IDS_SMS_NO_MOBILE, IDS_SMS_CAPTION, EButtons::Ok);
        return false;
    }
    if (!HasSmsHandler())
    {
        AskString(doc.GetPrompt(), IDS_SMS_NO_PROGRAM, IDS_SMS_CAPTION, EButtons::Ok);
        return false;
    }
    if (!open(link))
        return false;
    const std::uint16_t count = guest->GetSmsCount();
    if (count < std::numeric_limits<std::uint16_t>::max())
        Announce(doc, guest, guest->SetSmsCount(static_cast<std::uint16_t>(count + 1)), sender);
    return true;
}

int UpdateGuests(CNewOrvDoc& doc, const std::vector<CGuest*>& guests, const SGuestsUpdate& update,
                 IDocView* sender)
{
    NameStep(doc, IDS_STEP_MULTIPLE_GUESTS);
    int changedGuests = 0;
    for (CGuest* guest : guests)
    {
        if (guest == nullptr)
            continue;
        bool changed = false;
        if (update.coming)
            changed = guest->SetComingCount(std::max(0, *update.coming)) || changed;
        if (update.invited)
            changed = guest->SetInvitedCount(std::max(0, *update.invited)) || changed;
        if (update.group)
            changed = guest->SetGroupName(*update.group) || changed;
        if (update.relation)
            changed = guest->SetRelation(*update.relation) || changed;
        if (update.invitationSent)
            changed = guest->SetInvitationSent(*update.invitationSent) || changed;
        if (update.status && IsStatus(*update.status))
            changed = guest->SetStatus(*update.status) || changed;
        if (Announce(doc, guest, changed, sender))
            ++changedGuests;
    }
    return changedGuests;
}
} // namespace Edits
