#include "edits/GuestEdits.h"

#include "edits/UndoSteps.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "seating/SeatingRules.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace Edits
{
namespace
{
void AddOnce(std::vector<CGuest*>& guests, CGuest* guest)
{
    if (std::find(guests.begin(), guests.end(), guest) == guests.end())
        guests.push_back(guest);
}

bool SetText(CGuest& guest, EGuestField field, const std::string& text)
{
    switch (field)
    {
    case EGuestField::FirstName:
        return guest.SetName(TrimSpaces(text));
    case EGuestField::FamilyName:
        return guest.SetFamilyName(TrimSpaces(text));
    case EGuestField::Relation:
        return guest.SetRelation(text);
    case EGuestField::Group:
        return guest.SetGroupName(text);
    case EGuestField::Phone:
        return guest.SetPhone(text);
    case EGuestField::Mobile:
        return guest.SetMobile(text);
    case EGuestField::Email:
        return guest.SetEmail(text);
    case EGuestField::Address:
        return guest.SetAddress(text);
    case EGuestField::Info:
        return guest.SetInfo(text);
    default:
        return false;
    }
}

bool SetNumber(CGuest& guest, EGuestField field, int number)
{
    switch (field)
    {
    case EGuestField::InvitationSent:
        return guest.SetInvitationSent(number != 0);
    case EGuestField::Invited:
        return guest.SetInvitedCount(std::max(0, number));
    case EGuestField::Coming:
        return guest.SetComingCount(std::max(0, number));
    case EGuestField::Status:
        if (number != CGuest::kStatusUnknown && number != CGuest::kStatusApproved &&
            number != CGuest::kStatusNotComing)
            return false;
        return guest.SetStatus(number);
    case EGuestField::Kids:
        return guest.SetKids(static_cast<std::int16_t>(
            std::clamp(number, 0, static_cast<int>(std::numeric_limits<std::int16_t>::max()))));
    case EGuestField::ChildSeat:
        return guest.SetChildSeat(number != 0);
    case EGuestField::Invitations:
        return guest.SetInvitations(std::max(0, number));
    case EGuestField::Transportation:
        return guest.SetTransportation(std::max(0, number));
    default:
        return false;
    }
}
} // namespace

bool IsTextField(EGuestField field)
{
    return field <= EGuestField::Info;
}

CGuest* AddGuest(CNewOrvDoc& doc, const std::string& firstName, const std::string& familyName,
                 IDocView* sender)
{
    NameStep(doc, IDS_STEP_ADD_GUEST);
    return doc.AddGuest(firstName, familyName, sender);
}

bool DeleteGuestWithQuestion(CNewOrvDoc& doc, CGuest* guest)
{
    NameStep(doc, IDS_STEP_DELETE_GUEST);
    if (guest == nullptr || doc.IndexOfGuest(guest) < 0)
        return false;
    const EAnswer answer = doc.GetPrompt().Ask(
        FormatText(LoadString(IDS_DELETE_GUEST_QUESTION), {guest->GetDisplayName()}),
        LoadString(IDS_DELETE_GUEST_CAPTION), EButtons::YesNo);
    if (answer != EAnswer::Yes)
        return false;
    return doc.RemoveGuest(guest) != nullptr; // destroyed here
}

bool EditGuestField(CNewOrvDoc& doc, CGuest* guest, EGuestField field, const GuestFieldValue& value,
                    IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_GUEST);
    if (guest == nullptr)
        return false;
    const std::string* text = std::get_if<std::string>(&value);
    const int* number = std::get_if<int>(&value);
    if (IsTextField(field) ? text == nullptr : number == nullptr)
        return false;
    const bool changed =
        text != nullptr ? SetText(*guest, field, *text) : SetNumber(*guest, field, *number);
    if (changed)
        doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    return changed;
}

std::vector<CGuest*> SetRestrictedNames(CNewOrvDoc& doc, CGuest& guest,
                                        const std::vector<std::string>& names, bool bothWays,
                                        IDocView* sender)
{
    NameStep(doc, IDS_STEP_RESTRICTIONS);
    std::vector<CGuest*> changed;
    const std::string self = guest.GetFullName();
    auto kept = [&names](const std::string& name)
    { return std::find(names.begin(), names.end(), name) != names.end(); };
    // A copy: the guest's list changes below.
    const std::vector<std::string> before = guest.GetRestrictedList();
    for (const std::string& name : before)
    {
        if (kept(name) || !guest.RemoveRestricted(name))
            continue;
        AddOnce(changed, &guest);
        if (!bothWays)
            continue;
        CGuest* other = doc.FindGuestByFullName(name);
        if (other != nullptr && other != &guest && other->RemoveRestricted(self))
            AddOnce(changed, other);
    }
    for (const std::string& fullName : names)
    {
        CGuest* other = doc.FindGuestByFullName(fullName);
        const bool otherHadIt = other != nullptr && other->IsRestricted(self);
        if (!guest.AddRestricted(fullName, bothWays))
            continue;
        AddOnce(changed, &guest);
        if (bothWays && other != nullptr && !otherHadIt)
            AddOnce(changed, other);
    }
    for (CGuest* each : changed)
        doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, each);
    return changed;
}

bool SetSeatLocked(CNewOrvDoc& doc, CGuest* guest, bool locked, IDocView* sender)
{
    NameStep(doc, IDS_STEP_LOCK_SEAT);
    if (guest == nullptr || !guest->SetSeatLocked(locked))
        return false;
    doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    return true;
}

bool SeatGuest(CNewOrvDoc& doc, CGuest* guest, CTable* table)
{
    NameStep(doc, IDS_STEP_MOVE_TO_TABLE);
    if (guest == nullptr || table == nullptr)
        return false;
    // Where it sits already: the capacity rule would count the line twice.
    if (guest->GetTable() == table->GetId())
        return true;
    if (!CanSeatGuest(doc, guest, table))
        return false;
    guest->SetTable(static_cast<std::int16_t>(table->GetId()));
    return true;
}
} // namespace Edits
