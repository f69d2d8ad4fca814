#include "seating/SeatingBoard.h"

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

namespace
{
// The event setting that numbers the lines of a cell.
constexpr const char* kShowSerialKey = "ShowSerial";

bool ContainsFolded(const std::string& foldedText, const std::string& foldedPart)
{
    return foldedText.find(foldedPart) != std::string::npos;
}
} // namespace

CSeatingBoard::CSeatingBoard(CNewOrvDoc& doc) : m_doc(doc) {}

std::vector<CTable*> CSeatingBoard::CellTables() const
{
    std::vector<CTable*> cells;
    cells.reserve(m_doc.GetTables().size());
    for (const auto& table : m_doc.GetTables())
        cells.push_back(table.get());
    if (!m_doc.GetSettings().GetArrangeTablesByHallNumber())
        return cells;
    auto ordered = [](const CTable* table)
    { return table->GetHallNumber() >= 0 && table->GetHallNumber() <= kLastOrderedPlace; };
    // Ordered places first, ascending; the rest keep their collection order behind them.
    std::stable_sort(cells.begin(), cells.end(),
                     [&](const CTable* a, const CTable* b)
                     {
                         if (ordered(a) != ordered(b))
                             return ordered(a);
                         return ordered(a) && a->GetHallNumber() < b->GetHallNumber();
                     });
    return cells;
}

int CSeatingBoard::CellOf(const std::vector<CTable*>& cells, const CTable* table)
{
    if (table == nullptr)
        return -1;
    const auto it = std::find(cells.begin(), cells.end(), table);
    return it == cells.end() ? -1 : static_cast<int>(it - cells.begin());
}

std::vector<CGuest*> CSeatingBoard::CellGuests(const CTable& table) const
{
    std::vector<CGuest*> guests;
    m_doc.GetGuestsAtTable(table.GetId(), guests, false);
    if (m_doc.GetSettings().GetDontShowNonComing())
        guests.erase(std::remove_if(guests.begin(), guests.end(),
                                    [](const CGuest* guest)
                                    { return guest->GetComingCount() < 1; }),
                     guests.end());
    // The names once, not once per comparison.
    std::vector<std::pair<std::string, CGuest*>> named;
    named.reserve(guests.size());
    for (CGuest* guest : guests)
        named.emplace_back(guest->GetFullName(), guest);
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < named.size(); ++i)
        guests[i] = named[i].second;
    return guests;
}

std::string CSeatingBoard::GuestLineText(const CGuest& guest, int position) const
{
    const std::string count = FormatInt(guest.GetComingCount());
    if (m_doc.GetSettings().GetKeySetting(kShowSerialKey) == "1")
        return FormatText(LoadString(IDS_SEATING_LINE_NUMBERED),
                          {FormatInt(position), guest.GetName(), guest.GetFamilyName(), count});
    return FormatText(LoadString(IDS_SEATING_LINE),
                      {guest.GetName(), guest.GetFamilyName(), count});
}

std::string CSeatingBoard::SeatLine(const CTable& table) const
{
    if (table.GetId() <= 0)
        return {};
    return FormatText(LoadString(IDS_TABLE_CELL_SEATS),
                      {FormatInt(m_doc.CountAtTable(table.GetId(), IRecordOwner::kCountComing)),
                       FormatInt(table.GetSeats())});
}

std::string CSeatingBoard::Caption(const CTable& table) const
{
    return FormatText(LoadString(IDS_TABLE_CELL_CAPTION),
                      {FormatInt(table.GetId()), FormatInt(table.GetHallNumber())});
}

CSeatingBoard::SPosition CSeatingBoard::FindNext(const std::vector<CTable*>& cells,
                                                 const std::string& guestText,
                                                 const std::string& tableText, SPosition from,
                                                 bool backwards) const
{
    const std::string guestPart = FoldCase(TrimSpaces(guestText));
    const std::string tablePart = FoldCase(TrimSpaces(tableText));
    if ((guestPart.empty() && tablePart.empty()) || cells.empty())
        return {};

    // Every position of the board in order: a cell (line -1) then its lines.
    std::vector<SPosition> positions;
    std::vector<std::vector<CGuest*>> lines(cells.size());
    for (std::size_t c = 0; c < cells.size(); ++c)
    {
        positions.push_back({static_cast<int>(c), -1});
        if (guestPart.empty())
            continue;
        lines[c] = CellGuests(*cells[c]);
        for (std::size_t l = 0; l < lines[c].size(); ++l)
            positions.push_back({static_cast<int>(c), static_cast<int>(l)});
    }
    auto matches = [&](const SPosition& at)
    {
        const CTable& table = *cells[static_cast<std::size_t>(at.cell)];
        if (!tablePart.empty() && !ContainsFolded(FoldCase(table.GetName()), tablePart))
            return false;
        if (guestPart.empty())
            return at.line < 0;
        if (at.line < 0)
            return false;
        const CGuest& guest =
            *lines[static_cast<std::size_t>(at.cell)][static_cast<std::size_t>(at.line)];
        return ContainsFolded(FoldCase(guest.GetFullName()), guestPart);
    };

    const int count = static_cast<int>(positions.size());
    int start = -1;
    for (int i = 0; i < count; ++i)
        if (positions[static_cast<std::size_t>(i)] == from)
            start = i;
    if (start < 0)
        start = backwards ? count : -1;
    const int step = backwards ? -1 : 1;
    for (int i = 1; i <= count; ++i)
    {
        const int at = ((start + step * i) % count + count) % count;
        if (matches(positions[static_cast<std::size_t>(at)]))
            return positions[static_cast<std::size_t>(at)];
    }
    return {};
}
