#include "online/Approvals.h"

#include "model/Guest.h"
#include "online/HttpFetch.h"
#include "online/OnlineConfig.h"
#include "platform/Trace.h"
#include "store/NewOrvDoc.h"

namespace
{
constexpr std::size_t kFileBytes = 10240;
} // namespace

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
