#include "office/UnansweredCsv.h"

#include "model/Guest.h"
#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"

namespace
{
// The header is part of the file's format, the same in both editions: "guest name, main phone,
// second phone, estimated guests".
constexpr const char* kHeader = "שם האורח,מס' טלפון ראשי,מס' טלפון נוסף,מס' אורחים משוער";
constexpr const char* kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kLineEnd = "\r\n";

// A field as RFC 4180 writes it: quoted, with its quotes doubled, when it holds a comma, a quote
// or a line break; otherwise as it is.
std::string CsvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
    {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}
} // namespace

std::string BuildUnansweredCsv(const CNewOrvDoc& doc, int* lines)
{
    std::string text = std::string(kByteOrderMark) + kHeader + kLineEnd;
    int count = 0;
    for (const auto& guest : doc.GetGuests())
    {
        // A guest added in this run still carries the new guest's status: no answer either.
        const int status = guest->GetStatus();
        if (status != CGuest::kStatusUnknown && status != CGuest::kStatusNew)
            continue;
        const std::string name = guest->GetFullName();
        if (name.empty())
            continue;
        text += CsvField(name) + "," + CsvField(guest->GetPhone()) + ",," +
                FormatInt(guest->GetInvitedCount()) + kLineEnd;
        ++count;
    }
    if (lines != nullptr)
        *lines = count;
    return text;
}

EUnansweredCsvResult WriteUnansweredCsv(const CNewOrvDoc& doc, const std::filesystem::path& path,
                                        int* lines, std::string* error)
{
    int count = 0;
    const std::string text = BuildUnansweredCsv(doc, &count);
    if (lines != nullptr)
        *lines = count;
    if (count == 0)
        return EUnansweredCsvResult::Nobody;
    return WriteFileAtomic(path, text, error) ? EUnansweredCsvResult::Written
                                              : EUnansweredCsvResult::Failed;
}
