#include "seating/CheckinCodes.h"

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

namespace
{
constexpr std::size_t kMaxCodeDigits = 9;
} // namespace

std::string TableTextOf(const CNewOrvDoc& doc, const CGuest& guest)
{
    const CTable* table = guest.GetTable() > 0 ? doc.FindTableById(guest.GetTable()) : nullptr;
    if (table == nullptr)
        return LoadString(IDS_RT_CODE_NO_TABLE);
    if (table->GetHallNumber() > 0)
        return FormatText(LoadString(IDS_RT_CODE_TABLE),
                          {FormatInt(table->GetHallNumber()), table->GetName()});
    return FormatText(LoadString(IDS_RT_CODE_TABLE_NAME_ONLY), {table->GetName()});
}

std::vector<SCheckinCode> CollectCheckinCodes(CNewOrvDoc& doc)
{
    std::vector<SCheckinCode> codes;
    codes.reserve(doc.GetGuests().size());
    for (const auto& guest : doc.GetGuests())
        codes.push_back(
            {FormatInt(guest->GetUniqueId()), guest->GetDisplayName(), TableTextOf(doc, *guest)});
    return codes;
}

bool IsCheckinCode(std::string_view text)
{
    return !text.empty() && text.size() <= kMaxCodeDigits &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

CGuest* FindGuestByCheckinCode(const CNewOrvDoc& doc, std::string_view text)
{
    if (!IsCheckinCode(text))
        return nullptr;
    int id = 0;
    for (char c : text)
        id = id * 10 + (c - '0');
    return doc.FindGuestByUniqueId(id);
}
