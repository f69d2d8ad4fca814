// Fuzz target for the spreadsheet readers of the guest import (.xlsx, .ods, .xls and delimited
// text) and the guest sheet rules over what they read.
//
// Input: the bytes of a file a user picked. Any broken invariant aborts:
// - a refused file comes back with a reason and no cells;
// - a read sheet stays within the limits: no more rows than kMaxRows, no more cells in a row than
//   kMaxColumns, every text valid UTF-8 of at most kMaxCellChars characters;
// - the guest lines read from it all have a name, counts from 0 to the largest count taken, a
//   relation that is one of the interface's three words, and never more lines than data rows.

#include "FuzzCheck.h"
#include "office/GuestSheet.h"
#include "office/SpreadsheetReader.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{
// Answers every relation question with Yes, so the whole sheet is read.
class CYesPrompt : public IPrompt
{
public:
    EAnswer Ask(const std::string&, const std::string&, EButtons buttons) override
    {
        return buttons == EButtons::Ok ? EAnswer::Ok : EAnswer::Yes;
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    SSheetCells sheet;
    std::string error;
    if (!CSpreadsheetReader::ReadBytes(bytes, kGuestsSheetName, sheet, error))
    {
        if (error.empty())
            FuzzFail("a refused file without a reason");
        if (!sheet.rows.empty())
            FuzzFail("a refused file with cells", error);
        return 0;
    }
    if (sheet.rows.size() > CSpreadsheetReader::kMaxRows)
        FuzzFail("too many rows");
    for (const auto& row : sheet.rows)
    {
        if (row.size() > CSpreadsheetReader::kMaxColumns)
            FuzzFail("too many cells in a row");
        for (const auto& cell : row)
        {
            if (!IsValidUtf8(cell))
                FuzzFail("a cell that is no UTF-8", cell);
            if (Utf8Length(cell) > CSpreadsheetReader::kMaxCellChars)
                FuzzFail("a cell beyond its length", cell);
        }
    }
    CYesPrompt prompt;
    const SGuestSheetResult result = ReadGuestSheet(sheet, prompt);
    if (result.guests.size() + 1 > sheet.rows.size() && !result.guests.empty())
        FuzzFail("more lines than data rows");
    const std::string words[] = {LoadString(IDS_RELATION_BRIDE), LoadString(IDS_RELATION_GROOM),
                                 LoadString(IDS_RELATION_MUTUAL)};
    for (const auto& guest : result.guests)
    {
        if (guest.firstName.empty())
            FuzzFail("a line without a name");
        if (guest.invited < 0 || guest.coming < 0 || guest.invited > kMaxImportedCount ||
            guest.coming > kMaxImportedCount || guest.uniqueId < 0)
            FuzzFail("a count out of range", guest.firstName);
        if (guest.relation != words[0] && guest.relation != words[1] && guest.relation != words[2])
            FuzzFail("a relation that is no word of the interface", guest.relation);
    }
    return 0;
}
