// Fuzz target for the texts the online services download: the approvals file and the version
// file, and the percent-encoding of what goes into addresses and mail links.
//
// Input: the bytes of a downloaded file. Any broken invariant aborts:
// - approvals: every code is non-empty and holds no "=", no code or number holds "<br>", there
//   are no more entries than "<br>" in the first 10 240 bytes, and the entries written back as a
//   file (when it fits) parse to the same entries; a number that reads is at least 0 and reads
//   the same when written again;
// - version file: -1 exactly when a marker is missing from the first 10 240 bytes; otherwise a
//   finite number;
// - percent-encoding: only unreserved characters, the part's kept characters and "%XX" come out,
//   and decoding gives the input back.

#include "FuzzCheck.h"
#include "online/ApprovalsFile.h"
#include "online/PercentEncode.h"
#include "online/VersionFile.h"
#include "platform/NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{
constexpr std::size_t kFileBytes = 10240;

std::size_t Count(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void CheckApprovals(std::string_view text)
{
    const ApprovalMap approvals = ParseApprovals(text);
    const std::string_view read = text.substr(0, kFileBytes);
    FUZZ_CHECK(approvals.size() <= Count(read, "<br>"), read);
    std::string written;
    for (const auto& [code, number] : approvals)
    {
        FUZZ_CHECK(!code.empty(), read);
        FUZZ_CHECK(code.find('=') == std::string::npos, code);
        FUZZ_CHECK(code.find("<br>") == std::string::npos, code);
        FUZZ_CHECK(number.find("<br>") == std::string::npos, number);
        written += code + "=" + number + "<br>\n";
        for (const std::string* part : {&code, &number})
        {
            if (const auto value = ParseApprovalNumber(*part))
            {
                FUZZ_CHECK(*value >= 0, *part);
                FUZZ_CHECK(ParseApprovalNumber(FormatInt(*value)) == value, *part);
            }
        }
    }
    // A record may end in text that forms "<br>" with what follows it in the rewritten file
    // ("<b" then "r>"): such a rewrite is not the same file.
    if (written.size() <= kFileBytes && Count(written, "<br>") == approvals.size())
        FUZZ_CHECK(ParseApprovals(written) == approvals, written);
}

void CheckVersion(std::string_view text)
{
    const double version = ParseVersionFile(text);
    const std::string_view read = text.substr(0, kFileBytes);
    const bool markers = read.find("VerVerVerVer") != std::string_view::npos &&
                         read.find("CurCurCurCur") != std::string_view::npos;
    if (!markers)
        FUZZ_CHECK(version == -1.0, read);
    FUZZ_CHECK(std::isfinite(version), read);
}

void CheckEncoding(std::string_view text)
{
    for (EUrlPart part :
         {EUrlPart::PathSegment, EUrlPart::QueryValue, EUrlPart::MailAddress, EUrlPart::MailValue})
    {
        const std::string encoded = PercentEncode(text, part);
        std::string decoded;
        for (std::size_t i = 0; i < encoded.size(); ++i)
        {
            const char c = encoded[i];
            FUZZ_CHECK(c > 0x20 && c < 0x7F, encoded);
            FUZZ_CHECK(c != '&' && c != '#' && c != '?' && c != '"' && c != ' ', encoded);
            if (c != '%')
            {
                decoded += c;
                continue;
            }
            FUZZ_CHECK(i + 2 < encoded.size(), encoded);
            const int high = HexValue(encoded[i + 1]);
            const int low = HexValue(encoded[i + 2]);
            FUZZ_CHECK(high >= 0 && low >= 0, encoded);
            decoded += static_cast<char>(high * 16 + low);
            i += 2;
        }
        FUZZ_CHECK(decoded == text, encoded);
        if (part == EUrlPart::QueryValue || part == EUrlPart::MailAddress)
            FUZZ_CHECK(encoded.find('=') == std::string::npos, encoded);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckApprovals(text);
    CheckVersion(text);
    CheckEncoding(text.substr(0, 4096));
    return 0;
}
