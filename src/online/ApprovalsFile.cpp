#include "online/ApprovalsFile.h"

#include "online/PercentEncode.h"

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
