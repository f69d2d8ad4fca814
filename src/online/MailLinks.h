#pragma once

#include "online/PercentEncode.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class CGeneralSettings;
class CGuest;
class CNewOrvDoc;

// The mail commands: links opened in the user's mail program ("mailto:"), one for many guests or
// one per guest asking for the approval on the vendor's page.
//
// Every text put into a link is percent-encoded (UTF-8) where the link would otherwise break or
// change meaning: a space, "&", "?", "#", "%", "=" in an address, controls and letters beyond
// ASCII; the fixed encodings of the mail body (a line break "%0D%0A", "%26" between the page's
// query parameters) are written as they are. The event code in the page's query is encoded for
// the query first and then for the mail, so the page receives it intact. Mails to many guests
// put the addresses in Bcc, separated by commas, so guests do not see each other's addresses.

// What the approval mails say besides the guest: the event's code and name, the vendor's
// approval page and the verification factor.
struct SApprovalMailInfo
{
    std::string eventCode;
    std::string eventName;
    std::string approvalPageUrl;
    double verificationFactor = 0;
};
SApprovalMailInfo MakeApprovalMailInfo(const CGeneralSettings& general, const CNewOrvDoc& doc);

// The guest code times the factor with the fraction dropped (the vendor's page checks the same
// rule); held within the range of long long.
long long VerificationNumber(int guestCode, double factor);

// The trimmed, non-empty e-mail addresses of the guests in list order; unansweredOnly: only of
// guests that have not answered (neither approved nor not coming).
std::vector<std::string> GuestAddresses(const CNewOrvDoc& doc, bool unansweredOnly);

// "mailto:?bcc=a,b,..."; empty for no address.
std::string BccMailLink(const std::vector<std::string>& addresses);

// The approval request to one guest in the interface language: the subject, the approval page
// and the event and guest codes (the Hebrew edition's page takes them as a query, with the
// verification number). Empty when the guest has no address.
std::string ApprovalMailLink(const CGuest& guest, const SApprovalMailInfo& info);

// Opens a link (xdg-open in the program, printing in the command line's --print).
using LinkOpener = std::function<void(const std::string& link)>;

// "Send email to all guests": one link with every address; nothing happens when no guest has
// one. True when a link was opened.
bool SendMailToAllGuests(CNewOrvDoc& doc, const LinkOpener& open);

// "Send email to guests that didn't approve": as above for the guests without an answer; when
// there is none the user is told so (59897, 59895). True when a link was opened.
bool SendMailToUnansweredGuests(CNewOrvDoc& doc, const LinkOpener& open);

// "Send approval details to guests that haven't approved": one mail per unanswered guest with an
// address, in list order, after the user agreed to the number of windows (59898, 59902); told
// when there is none. Returns the number of links opened.
int SendApprovalRequests(CNewOrvDoc& doc, const SApprovalMailInfo& info, const LinkOpener& open);
