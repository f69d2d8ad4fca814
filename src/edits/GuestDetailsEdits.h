#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;
class IDocView;

// The edits of the guest details panel and of "Multiple guests change", with their rules. Each
// announces HINT_GUEST_CHANGED with every guest it changed to every view but the sender; nothing
// is announced when nothing changed.
namespace Edits
{
// The largest count a user gives a guest line (invited, coming, kids, invitations), in the panel,
// the dialogs and on the command line alike.
constexpr int kMaxGuestCount = 9999;
// Transportations are numbered 1 to this; 0 is none.
constexpr int kTransportCount = 5;

// Both names trimmed of blanks; the family name is stored first, then the first name (each
// setter keeps the other guests' restriction lists in step with the new full name). True when
// either changed.
bool SetGuestNames(CNewOrvDoc& doc, CGuest* guest, const std::string& firstName,
                   const std::string& familyName, IDocView* sender);

// The counts rule: the coming count never exceeds the invited count. A new coming count above
// the invited count raises the invited count to it; a new invited count below the coming count
// lowers the coming count to it. Counts below 0 are taken as 0. True when either changed.
bool SetGuestInvited(CNewOrvDoc& doc, CGuest* guest, int invited, IDocView* sender);
bool SetGuestComing(CNewOrvDoc& doc, CGuest* guest, int coming, IDocView* sender);

// The status rule: CGuest::kStatusNotComing also sets the coming count to 0; the other two
// statuses leave the counts alone. False for a status out of range (nothing changes).
bool SetGuestStatus(CNewOrvDoc& doc, CGuest* guest, int status, IDocView* sender);

enum class ETableChange
{
    NoSuchTable, // told to the user ("This table does not exist"); nothing changed
    Unchanged,   // the guest sits there already
    Seated,
    Refused, // CanSeatGuest said no (a question answered No or Cancel)
};
// The table rule: seats the guest at the table of that id through CanSeatGuest (its restriction
// and capacity questions). The table change announces HINT_RECORD_CHANGED, then the guest
// HINT_GUEST_CHANGED.
ETableChange SetGuestTable(CNewOrvDoc& doc, CGuest* guest, int tableId, IDocView* sender);

// The Kids dialog's two values (kids below 0 taken as 0). True when either changed.
bool SetGuestKids(CNewOrvDoc& doc, CGuest* guest, int kids, bool childSeat, IDocView* sender);

// The people travelling with transportation number transport: already, the sum of the coming
// counts of the guests on it now; withGuest, that sum plus this guest's coming count when the
// guest is not on it yet. Both 0 for 0 (no transportation). Asked before the choice is stored.
struct STransportCounts
{
    int already = 0;
    int withGuest = 0;
};
STransportCounts TransportCounts(const CNewOrvDoc& doc, const CGuest& guest, int transport);

// "Send SMS": opens an "sms:" link to the guest's mobile with the event's "SmsMessage" text and
// counts it in the guest's SMS count. Tells the user and counts nothing when the guest has no
// mobile number or the desktop has no SMS program (HasSmsHandler); counts nothing when open
// fails. True when the link was opened.
using SmsOpener = std::function<bool(const std::string& link)>;
bool SendSmsToGuest(CNewOrvDoc& doc, CGuest* guest, const SmsOpener& open, IDocView* sender);

// "Update Guests": the values that are set, in this order, to each guest: coming count, invited
// count, group, relation, invitation sent, status. The counts are applied as given (the counts
// rule does not apply here) and a status of "Not coming" keeps the counts.
struct SGuestsUpdate
{
    std::optional<int> coming;
    std::optional<int> invited;
    std::optional<std::string> group;
    std::optional<std::string> relation;
    std::optional<bool> invitationSent;
    std::optional<int> status; // CGuest::kStatusUnknown, kStatusApproved or kStatusNotComing

    bool IsEmpty() const
    {
        return !coming && !invited && !group && !relation && !invitationSent && !status;
    }
};
// Returns the number of guests changed (each changed guest marks the document changed, so the
// next save writes it). A status out of range is not applied.
int UpdateGuests(CNewOrvDoc& doc, const std::vector<CGuest*>& guests, const SGuestsUpdate& update,
                 IDocView* sender);
} // namespace Edits
