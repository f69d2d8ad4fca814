#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CCancelToken;
class CGuest;
class CNewOrvDoc;
struct SOnlineConfig;

// The guests' answers collected on the vendor's web site: guest code -> number coming, both as
// the texts of the file.
using ApprovalMap = std::map<std::string, std::string>;

// The approvals file: records "<guest code>=<number coming>", each ended by "<br>" and one
// separator character. The first record starts the text, each later one 5 characters after the
// start of the previous "<br>"; text after the last "<br>" is ignored; a record without "=", or
// with "=" first, is skipped; a later record of the same code replaces the earlier one. Only
// the first 10 240 bytes are read.
ApprovalMap ParseApprovals(std::string_view text);

// A code or a number of the file: the text trimmed of blanks and line breaks must be decimal
// digits only and fit an int; anything else (empty, a sign, a letter) is no number.
std::optional<int> ParseApprovalNumber(std::string_view text);

// The approvals address: the pattern with its first "%s" replaced by the event code,
// percent-encoded so that any code stays one path segment.
std::string ApprovalsAddress(const std::string& pattern, const std::string& eventCode);

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
