#include "seating/ArrivalRules.h"

#include "model/Guest.h"
#include "model/RecordOwner.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"

#include <climits>

namespace
{
STableChoiceLine TableLine(const CTable& table, int freeSeats)
{
    STableChoiceLine line;
    line.kind = STableChoiceLine::kTable;
    line.tableId = table.GetId();
    line.freeSeats = freeSeats;
    // The same in both languages: the name, then the free seats in brackets.
    line.text = table.GetName() + " [" + FormatInt(freeSeats) + "]";
    return line;
}

STableChoiceLine Line(STableChoiceLine::EKind kind, const char* text)
{
    STableChoiceLine line;
    line.kind = kind;
    line.text = text;
    return line;
}
} // namespace

std::vector<STableChoiceLine> TableChoiceLines(CNewOrvDoc& doc, int people)
{
    std::vector<STableChoiceLine> enough;
    std::vector<STableChoiceLine> some;
    for (const auto& table : doc.GetTables())
    {
        if (table->GetId() <= 0)
            continue;
        const long long free = static_cast<long long>(table->GetSeats()) -
                               doc.CountAtTable(table->GetId(), IRecordOwner::kCountComing);
        if (free <= 0)
            continue;
        const int shown = free > INT_MAX ? INT_MAX : static_cast<int>(free);
        (free >= people ? enough : some).push_back(TableLine(*table, shown));
    }
    std::vector<STableChoiceLine> lines = std::move(enough);
    if (people > 1 && !lines.empty())
    {
        lines.push_back(Line(STableChoiceLine::kBlank, ""));
        lines.push_back(Line(STableChoiceLine::kSeparator, kTableChoiceSeparator));
        lines.push_back(Line(STableChoiceLine::kBlank, ""));
    }
    lines.insert(lines.end(), some.begin(), some.end());
    return lines;
}

int FreeSeatsForArrival(CNewOrvDoc& doc, const CGuest& guest, const CTable& table)
{
    long long arrived = doc.CountAtTable(table.GetId(), IRecordOwner::kCountArrived);
    if (guest.GetTable() == table.GetId())
        arrived -= guest.GetArrivedCount();
    const long long free = static_cast<long long>(table.GetSeats()) - arrived;
    return free > INT_MAX ? INT_MAX : (free < INT_MIN ? INT_MIN : static_cast<int>(free));
}

SArrivalTotals CountArrivals(const CNewOrvDoc& doc)
{
    SArrivalTotals totals;
    for (const auto& guest : doc.GetGuests())
    {
        if (!guest->IsArrived())
            continue;
        ++totals.lines;
        totals.people += guest->GetArrivedCount();
    }
    return totals;
}
