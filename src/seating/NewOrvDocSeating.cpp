// Seating rules of the document: the table collection, whose position k always holds the table
// with id k, and the guests that point at tables by id.

#include <vector>

#include "model/Table.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

CTable* CNewOrvDoc::CreateTable(const std::string& name, int hallNumber, int seats)
{
    auto table = std::make_unique<CTable>(this, static_cast<int>(m_tables.size()));
    SetDataChanged(true);
    table->SetSeats(seats == -1 ? m_eventSettings.GetGuestsPerTable() : seats);
    table->SetName(name);
    table->SetHallNumber(hallNumber == -1 ? NextFreeHallNumber() : hallNumber);
    CTable* created = table.get();
    m_tables.push_back(std::move(table));
    Broadcast(HINT_TABLE_CREATED, created);
    return created;
}

CTable* CNewOrvDoc::CreateUnseatedTable()
{
    if (!m_tables.empty())
        return m_tables.front().get();
    return CreateTable(LoadString(IDS_UNSEATED_GUESTS), 0, 0);
}

int CNewOrvDoc::NextFreeHallNumber() const
{
    // One pass over the tables, not one per candidate: the arrangement calls this per new table.
    const int count = GetTableCount();
    std::vector<bool> used(static_cast<std::size_t>(count) + 1, false);
    for (const auto& table : m_tables)
        if (table->GetHallNumber() >= 1 && table->GetHallNumber() <= count)
            used[static_cast<std::size_t>(table->GetHallNumber())] = true;
    for (int n = 1; n <= count; ++n)
        if (!used[static_cast<std::size_t>(n)])
            return n;
    return 0;
}

bool CNewOrvDoc::IsHallNumberFree(int number, int* usingId, std::string* usingName) const
{
    if (number == 0)
        return true;
    for (const auto& table : m_tables)
    {
        if (table->GetHallNumber() == number)
        {
            if (usingId != nullptr)
                *usingId = table->GetId();
            if (usingName != nullptr)
                *usingName = table->GetName();
            return false;
        }
    }
    return true;
}
