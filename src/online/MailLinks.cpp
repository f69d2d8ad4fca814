#include "online/MailLinks.h"

#include "model/Guest.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "settings/GeneralSettings.h"
#include "store/EventInfo.h"
#include "store/NewOrvDoc.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace
{
// The encodings the mail body keeps as written: a line break, and "&" between the query
// parameters of the approval page (a plain "&" would end the body).
constexpr const char* kLineBreak = "%0D%0A";
constexpr const char* kQueryAmpersand = "%26";

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool HasNotAnswered(const CGuest& guest)
{
    return !guest.IsApproved() && !guest.IsNotComing();
}

std::string Label(int id, const std::string& value)
{
    return PercentEncode(FormatText(LoadString(id), {value}), EUrlPart::MailValue);
}
} // namespace

SApprovalMailInfo MakeApprovalMailInfo(const CGeneralSettings& general, const CNewOrvDoc& doc)
{
    SApprovalMailInfo info;
    info.eventCode = doc.GetEventSettings()->GetKeySetting("EventCode");
    if (const CEventInfo* event = doc.GetActiveEvent())
        info.eventName = event->GetName();
    info.approvalPageUrl = general.approvalPageUrl;
    info.verificationFactor = general.verificationFactor;
    return info;
}

long long VerificationNumber(int guestCode, double factor)
{
    const double product = std::trunc(static_cast<double>(guestCode) * factor);
    // 2^63 and beyond (or not a number) would be undefined to convert.
    constexpr double kLimit = 9.2e18;
    if (!std::isfinite(product))
        return product < 0 ? -static_cast<long long>(kLimit) : static_cast<long long>(kLimit);
    if (product >= kLimit)
        return static_cast<long long>(kLimit);
    if (product <= -kLimit)
        return -static_cast<long long>(kLimit);
    return static_cast<long long>(product);
}

std::vector<std::string> GuestAddresses(const CNewOrvDoc& doc, bool unansweredOnly)
{
    std::vector<std::string> addresses;
    for (const auto& guest : doc.GetGuests())
    {
        if (unansweredOnly && !HasNotAnswered(*guest))
            continue;
        std::string address = Trimmed(guest->GetEmail());
        if (!address.empty())
            addresses.push_back(std::move(address));
    }
    return addresses;
}

std::string BccMailLink(const std::vector<std::string>& addresses)
{
    if (addresses.empty())
        return {};
    std::string link = "mailto:?bcc=";
    for (std::size_t i = 0; i < addresses.size(); ++i)
    {
        if (i > 0)
            link += ',';
        link += PercentEncode(addresses[i], EUrlPart::MailAddress);
    }
    return link;
}

std::string ApprovalMailLink(const CGuest& guest, const SApprovalMailInfo& info)
{
    const std::string address = Trimmed(guest.GetEmail());
    if (address.empty())
        return {};
    const std::string guestCode = FormatInt(guest.GetUniqueId());
    const int subject =
        IsHebrewUi() ? IDS_APPROVAL_MAIL_SUBJECT_WITH_EVENT : IDS_APPROVAL_MAIL_SUBJECT;
    std::string link = "mailto:" + PercentEncode(address, EUrlPart::MailAddress) +
                       "?Subject=" + Label(subject, info.eventName) + "&Body=";
    if (IsHebrewUi())
    {
        const std::string verification =
            FormatInt(VerificationNumber(guest.GetUniqueId(), info.verificationFactor));
        const std::string queryCode = PercentEncode(info.eventCode, EUrlPart::QueryValue);
        link += PercentEncode(info.approvalPageUrl, EUrlPart::MailValue) +
                "?event=" + PercentEncode(queryCode, EUrlPart::MailValue) + kQueryAmpersand +
                "gid=" + guestCode + kQueryAmpersand + "aid=" + verification;
        link += kLineBreak + Label(IDS_APPROVAL_MAIL_EVENT_CODE, info.eventCode);
        link += kLineBreak + Label(IDS_APPROVAL_MAIL_GUEST_CODE, guestCode);
        link += kLineBreak + Label(IDS_APPROVAL_MAIL_VERIFICATION, verification);
    }
    else
    {
        link += PercentEncode(info.approvalPageUrl, EUrlPart::MailValue);
        link += kLineBreak + Label(IDS_APPROVAL_MAIL_EVENT_CODE, info.eventCode);
        link += kLineBreak + Label(IDS_APPROVAL_MAIL_GUEST_CODE, guestCode);
    }
    return link;
}

bool SendMailToAllGuests(CNewOrvDoc& doc, const LinkOpener& open)
{
    const std::string link = BccMailLink(GuestAddresses(doc, false));
    if (link.empty())
        return false;
    open(link);
    return true;
}

bool SendMailToUnansweredGuests(CNewOrvDoc& doc, const LinkOpener& open)
{
    const std::string link = BccMailLink(GuestAddresses(doc, true));
    if (link.empty())
    {
        AskString(doc.GetPrompt(), IDS_NO_MATCHING_GUESTS_TEXT, IDS_NO_GUESTS_FOUND_CAPTION,
                  EButtons::Ok);
        return false;
    }
    open(link);
    return true;
}

int SendApprovalRequests(CNewOrvDoc& doc, const SApprovalMailInfo& info, const LinkOpener& open)
{
    std::vector<const CGuest*> guests;
    for (const auto& guest : doc.GetGuests())
        if (HasNotAnswered(*guest) && !Trimmed(guest->GetEmail()).empty())
            guests.push_back(guest.get());
    IPrompt& prompt = doc.GetPrompt();
    if (guests.empty())
    {
        AskString(prompt, IDS_NO_MATCHING_GUESTS_TEXT, IDS_NO_GUESTS_FOUND_CAPTION, EButtons::Ok);
        return 0;
    }
    const std::string question = FormatText(LoadString(IDS_OPEN_MAIL_WINDOWS_QUESTION),
                                            {FormatInt(static_cast<long long>(guests.size()))});
    if (prompt.Ask(question, LoadString(IDS_OPEN_MAIL_WINDOWS_CAPTION), EButtons::YesNo) !=
        EAnswer::Yes)
        return 0;
    for (const CGuest* guest : guests)
        open(ApprovalMailLink(*guest, info));
    return static_cast<int>(guests.size());
}
