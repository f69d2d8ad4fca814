#include "office/GuestSheet.h"

#include "office/SpreadsheetReader.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace
{
enum EColumn : int
{
    kName,
    kLastName,
    kRelation,
    kGroup,
    kAddress,
    kPhone,
    kMobile,
    kEmail,
    kInvited,
    kComing,
    kUniqueId,
    kColumnCount,
};

constexpr std::array<int, kColumnCount> kHeaderIds = {
    IDS_IMPORT_COL_NAME,   IDS_IMPORT_COL_LAST_NAME, IDS_IMPORT_COL_RELATION,
    IDS_IMPORT_COL_GROUP,  IDS_IMPORT_COL_ADDRESS,   IDS_IMPORT_COL_PHONE,
    IDS_IMPORT_COL_MOBILE, IDS_IMPORT_COL_EMAIL,     IDS_IMPORT_COL_INVITED,
    IDS_IMPORT_COL_COMING, IDS_IMPORT_COL_UNIQUE_ID,
};

int ReadCount(const std::string& text)
{
    const std::string trimmed = TrimSpaces(text);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (ec != std::errc() || end == trimmed.data() || !std::isfinite(value) || value <= 0.0)
        return 0;
    return value >= kMaxImportedCount ? kMaxImportedCount : static_cast<int>(value);
}

// A unique id is a whole number above 0; anything else is none.
int ReadId(const std::string& text)
{
    const std::string trimmed = TrimSpaces(text);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (ec != std::errc() || end != trimmed.data() + trimmed.size() || !(value >= 1.0) ||
        value > 2147483647.0 || std::trunc(value) != value)
        return 0;
    return static_cast<int>(value);
}

// Spreadsheets break lines with "\n"; the records keep "\r\n".
std::string RecordText(const std::string& cell)
{
    std::string text;
    const std::string trimmed = TrimSpaces(cell);
    text.reserve(trimmed.size());
    for (std::size_t i = 0; i < trimmed.size(); ++i)
    {
        if (trimmed[i] == '\r')
            continue;
        if (trimmed[i] == '\n')
            text += "\r\n";
        else
            text += trimmed[i];
    }
    return text;
}
} // namespace

SGuestSheetResult ReadGuestSheet(const SSheetCells& sheet, IPrompt& prompt)
{
    SGuestSheetResult result;
    std::array<int, kColumnCount> columns;
    columns.fill(-1);
    const std::size_t headerCells = sheet.rows.empty() ? 0 : sheet.rows.front().size();
    for (int which = 0; which < kColumnCount; ++which)
    {
        const std::string local = LoadString(kHeaderIds[which]);
        const std::string english = LoadStringIn(kHeaderIds[which], false);
        for (std::size_t c = 0; c < headerCells && columns[which] < 0; ++c)
        {
            const std::string& header = sheet.Cell(0, c);
            if (header == local || header == english)
                columns[which] = static_cast<int>(c);
        }
    }
    for (const auto& [column, messageId] : {std::pair{kRelation, IDS_IMPORT_RELATION_MISSING},
                                            std::pair{kLastName, IDS_IMPORT_LAST_NAME_MISSING},
                                            std::pair{kName, IDS_IMPORT_NAME_MISSING}})
    {
        if (columns[column] >= 0)
            continue;
        result.state = EGuestSheetRead::MissingColumn;
        result.message = LoadString(messageId);
        prompt.Ask(result.message, LoadString(IDS_IMPORT_READ_ERROR_CAPTION), EButtons::Ok);
        return result;
    }

    auto cell = [&](std::size_t row, int which) -> std::string
    { return columns[which] < 0 ? std::string() : sheet.Cell(row, columns[which]); };
    const std::string bride = LoadString(IDS_RELATION_BRIDE);
    const std::string groom = LoadString(IDS_RELATION_GROOM);
    const std::string mutual = LoadString(IDS_RELATION_MUTUAL);
    for (std::size_t row = 1; row < sheet.rows.size(); ++row)
    {
        SImportedGuest guest;
        guest.firstName = RecordText(cell(row, kName));
        if (guest.firstName.empty())
            break;
        guest.familyName = RecordText(cell(row, kLastName));
        guest.relation = RecordText(cell(row, kRelation));
        if (guest.relation != bride && guest.relation != groom && guest.relation != mutual)
        {
            const std::string question = FormatText(LoadString(IDS_IMPORT_RELATION_QUESTION),
                                                    {guest.firstName, guest.familyName});
            if (prompt.Ask(question, LoadString(IDS_IMPORT_READ_ERROR_CAPTION), EButtons::YesNo) !=
                EAnswer::Yes)
            {
                result.state = EGuestSheetRead::Stopped;
                return result;
            }
            guest.relation = mutual;
        }
        guest.group = RecordText(cell(row, kGroup));
        guest.address = RecordText(cell(row, kAddress));
        guest.phone = RecordText(cell(row, kPhone));
        guest.mobile = RecordText(cell(row, kMobile));
        guest.email = RecordText(cell(row, kEmail));
        guest.invited = ReadCount(cell(row, kInvited));
        guest.coming = ReadCount(cell(row, kComing));
        guest.uniqueId = ReadId(cell(row, kUniqueId));
        result.guests.push_back(std::move(guest));
    }
    return result;
}
