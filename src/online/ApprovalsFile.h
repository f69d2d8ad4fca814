#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

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
