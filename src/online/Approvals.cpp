#include "online/Approvals.h"

#include "model/Guest.h"
#include "online/HttpFetch.h"
#include "online/MailLinks.h"
#include "online/OnlineConfig.h"
#include "platform/Trace.h"
#include "store/NewOrvDoc.h"

#include <climits>

namespace
{
constexpr std::string_view kRecordEnd = "<br>";
constexpr std::size_t kRecordStep = 5; // "<br>" and the one separator after it
constexpr std::size_t kFileBytes = 10240;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
} // namespace

ApprovalMap ParseApprovals(std::string_view text)
{
    text = text.substr(0, kFileBytes);
    ApprovalMap approvals;
    std::size_t start = 0;
    while (start < text.size())
    {
        const std::size_t end = text.find(kRecordEnd, start);
        if (end == std::string_view::npos)
            break;
        const std::string_view record = text.substr(start, end - start);
        const std::size_t equals = record.find('=');
        if (equals != std::string_view::npos && equals > 0)
            approvals[std::string(record.substr(0, equals))] =
                std::string(record.substr(equals + 1));
        start = end + kRecordStep;
    }
    return approvals;
}

std::optional<int> ParseApprovalNumber(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string ApprovalsAddress(const std::string& pattern, const std::string& eventCode)
{
    const std::size_t marker = pattern.find("%s");
    if (marker == std::string::npos)
        return pattern;
    return pattern.substr(0, marker) + PercentEncode(eventCode, EUrlPart::PathSegment) +
           pattern.substr(marker + 2);
}

bool DownloadApprovals(const SOnlineConfig& config, ApprovalMap& approvals,
                       const CCancelToken* cancel, std::string* error)
{
    approvals.clear();
    if (config.eventCode.empty())
    {
        if (error != nullptr)
            *error = "the event has no event code";
        return false;
    }
    SFetchRequest request;
    request.url = ApprovalsAddress(config.approvalsUrl, config.eventCode);
    request.agent = config.approvalsAgent;
    request.maxBytes = kFileBytes;
    request.limits = config.limits;
    const SFetchResult result = FetchUrl(request, cancel);
    if (!result.ok)
    {
        if (error != nullptr)
            *error = result.error;
        return false;
    }
    approvals = ParseApprovals(result.body);
    Trace("DownloadApprovals", std::to_string(approvals.size()) + " entries");
    return true;
}

bool ApprovalChangesGuest(const CGuest& guest, int guestCode, int coming)
{
    if (guest.GetUniqueId() != guestCode)
        return false;
    // A guest added in this run still carries the new-guest status, which is no answer either.
    const bool answered = guest.IsApproved() || guest.IsNotComing();
    return !(guest.GetComingCount() == coming && answered);
}

std::vector<SApprovalEntry> MatchApprovals(const CNewOrvDoc& doc, const ApprovalMap& approvals)
{
    std::vector<SApprovalEntry> entries;
    entries.reserve(approvals.size());
    for (const auto& [code, number] : approvals)
    {
        SApprovalEntry entry;
        entry.code = code;
        entry.guestCode = ParseApprovalNumber(code);
        entry.coming = ParseApprovalNumber(number);
        if (entry.guestCode)
        {
            for (const auto& guest : doc.GetGuests())
            {
                if (guest->GetUniqueId() != *entry.guestCode)
                    continue;
                entry.guests.push_back(guest.get());
                if (entry.coming && ApprovalChangesGuest(*guest, *entry.guestCode, *entry.coming))
                    entry.needsAttention = true;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool ApprovalsNeedAttention(const CNewOrvDoc& doc, const ApprovalMap& approvals)
{
    for (const SApprovalEntry& entry : MatchApprovals(doc, approvals))
        if (entry.needsAttention)
            return true;
    return false;
}
