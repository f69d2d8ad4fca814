#pragma once

#include <string>
#include <variant>
#include <vector>

class CGuest;
class CNewOrvDoc;
class CTable;
class IDocView;

// The user's edits of guests. Each applies the rules, asks and tells through the document's
// prompt, and announces the change to every view but the sender.
namespace Edits
{
// The fields of a guest a user edits one at a time.
enum class EGuestField : int
{
    FirstName,      // text, trimmed; the restriction lists follow the new full name
    FamilyName,     // text, trimmed; as the first name
    Relation,       // text: the stored relation word
    Group,          // text: the group name
    Phone,          // text
    Mobile,         // text
    Email,          // text
    Address,        // text
    Info,           // text: the additional information
    InvitationSent, // number: 0 or 1
    Invited,        // number: the invited count, below 0 taken as 0
    Coming,         // number: the coming count, below 0 taken as 0
    Status,         // number: CGuest::kStatusUnknown, kStatusApproved or kStatusNotComing
    Kids,           // number
    ChildSeat,      // number: 0 or 1
    Invitations,    // number
    Transportation, // number
};

// A text for the text fields, a number for the others.
using GuestFieldValue = std::variant<int, std::string>;

// True for the fields that take a text.
bool IsTextField(EGuestField field);

// Appends a guest with these names. Announces HINT_GUEST_ADDED.
CGuest* AddGuest(CNewOrvDoc& doc, const std::string& firstName, const std::string& familyName,
                 IDocView* sender);

// Asks "Are you sure you want to delete guest ...?" (Yes/No) and on Yes deletes the guest (the
// pointer is then gone; HINT_GUEST_REMOVING goes first). True when it was deleted.
bool DeleteGuestWithQuestion(CNewOrvDoc& doc, CGuest* guest);

// Stores one field through the guest's setter. True when the value changed; then announces
// HINT_GUEST_CHANGED with the guest. A value of the wrong kind (a text for a number field) or a
// status out of range changes nothing.
bool EditGuestField(CNewOrvDoc& doc, CGuest* guest, EGuestField field, const GuestFieldValue& value,
                    IDocView* sender);

// Gives the guest exactly these restricted full names. bothWays: a name taken off is also taken
// off the other guest's list, a name put on is put on the other's list too. Returns the guests
// whose lists changed, each announced with HINT_GUEST_CHANGED.
std::vector<CGuest*> SetRestrictedNames(CNewOrvDoc& doc, CGuest& guest,
                                        const std::vector<std::string>& names, bool bothWays,
                                        IDocView* sender);

// Locks the line's seat for the optimised arrangement (it keeps its table there) or frees it. True
// when the flag changed; then announces HINT_GUEST_CHANGED with the guest.
bool SetSeatLocked(CNewOrvDoc& doc, CGuest* guest, bool locked, IDocView* sender);

// Seats the guest at the table after the restriction and capacity questions (CanSeatGuest).
// A guest already at that table is left alone without a question (true). The guest's table
// change announces HINT_RECORD_CHANGED. False when refused or for null.
bool SeatGuest(CNewOrvDoc& doc, CGuest* guest, CTable* table);
} // namespace Edits
