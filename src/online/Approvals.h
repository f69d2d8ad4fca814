#pragma once

#include "online/ApprovalsFile.h"

#include <optional>
#include <string>
#include <vector>

class CCancelToken;
class CGuest;
class CNewOrvDoc;
struct SOnlineConfig;

// Downloads and parses the approvals of the event (config.eventCode). False, with an empty map,
// when there is no event code or the file could not be read; error (when given) says why.
bool DownloadApprovals(const SOnlineConfig& config, ApprovalMap& approvals,
                       const CCancelToken* cancel, std::string* error = nullptr);

// One entry of the map as the guest list sees it.
struct SApprovalEntry
{
    std::string code; // as in the file
    std::optional<int> guestCode;
    std::optional<int> coming;   // no number: a malformed record, never applied
    std::vector<CGuest*> guests; // the guests whose unique id is the code, in list order
    // Some of those guests lacks this number coming with an answer.
    bool needsAttention = false;
};

// Every entry of the map, in the map's order. Entries whose code or number is no number match
// no guest.
std::vector<SApprovalEntry> MatchApprovals(const CNewOrvDoc& doc, const ApprovalMap& approvals);

// Whether the approvals dialog is to open: some entry needs attention.
bool ApprovalsNeedAttention(const CNewOrvDoc& doc, const ApprovalMap& approvals);

// Whether the entry would change the guest: the guest's unique id is the code and it does not
// already have that number coming with an answer (approved or not coming).
bool ApprovalChangesGuest(const CGuest& guest, int guestCode, int coming);
