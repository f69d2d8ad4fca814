// The table collection of the document, whose position k always holds the table with id k, and
// the guests that point at tables by id. The rules of seating a guest and the automatic
// arrangement are in seating/.
//
// Design. Tables know nothing of their guests; a guest carries its table's id. Every count a view
// shows about a table (people by mode, lines, the guests themselves) is therefore a question
// about the whole guest list, and a tables list that asked it by walking the list once per table
// would cost tables x guests. The queries read a CSeatingIndex instead (store/SeatingIndex.h):
// the guests grouped by table id with the sums of their counts, built in one pass of the guest
// list by the first query after a change. It cannot be read stale: SetDataChanged drops it, and
// every setter of an owned record ends there (table id, counts, names included); ClearAll drops
// it too, and a guest list of another length rebuilds it. A query right after a single change
// costs one walk, as before; a run of queries costs one walk in all.
//
// Operations that change many guests never read the index while they write: they collect the
// guests first, or make one pass of the guest list that maps each old id to its new one. That
// gives exactly the result of the step-by-step rules (renumbering table after table, swapping
// through a temporary id, moving a table by successive swaps) in one pass.
// UseSeatingIndex(false) answers every query by walking the list, so tests can prove that both
// ways agree.

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

namespace
{
// Guests store their table id as a 16-bit number.
constexpr int kHighestTableId = INT16_MAX;

bool IsStorableTableId(int id)
{
    return id >= INT16_MIN && id <= INT16_MAX;
}

int ClampToInt(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int PositionOf(const std::vector<std::unique_ptr<CTable>>& tables, const CTable* table)
{
    if (table == nullptr)
        return -1;
    for (std::size_t i = 0; i < tables.size(); ++i)
        if (tables[i].get() == table)
            return static_cast<int>(i);
    return -1;
}

// What SwapTables and MoveTable carry from one position to another besides the guests.
struct STableContents
{
    std::string name;
    std::string info;
    int hallNumber = 0;
    int seats = 0;

    static STableContents Of(const CTable& table)
    {
        return {table.GetName(), table.GetInfo(), table.GetHallNumber(), table.GetSeats()};
    }
    void GiveTo(CTable& table) const
    {
        table.SetName(name);
        table.SetInfo(info);
        table.SetHallNumber(hallNumber);
        table.SetSeats(seats);
    }
};
} // namespace

// --- Lookups and counts -----------------------------------------------------------------------

CTable* CNewOrvDoc::GetTableAt(int i) const
{
    if (i < 0 || i >= GetTableCount())
        return nullptr;
    return m_tables[static_cast<std::size_t>(i)].get();
}

CTable* CNewOrvDoc::FindTableById(int id) const
{
    // Ids are positions, so the table at that position is the one, short of damaged data.
    if (CTable* table = GetTableAt(id); table != nullptr && table->GetId() == id)
        return table;
    for (const auto& table : m_tables)
        if (table->GetId() == id)
            return table.get();
    return nullptr;
}

CTable* CNewOrvDoc::FindTableByHallNumber(int number) const
{
    for (const auto& table : m_tables)
        if (table->GetHallNumber() == number)
            return table.get();
    return nullptr;
}

int CNewOrvDoc::HallNumberOfTable(int id) const
{
    if (id == 0)
        return 0;
    const CTable* table = FindTableById(id);
    return table != nullptr ? table->GetHallNumber() : 0;
}

void CNewOrvDoc::UseSeatingIndex(bool use)
{
    m_useSeatingIndex = use;
    m_seatingIndex.Invalidate();
}

const CSeatingIndex* CNewOrvDoc::SeatingIndex()
{
    if (!m_useSeatingIndex)
        return nullptr;
    m_seatingIndex.Update(m_guests);
    return &m_seatingIndex;
}

int CNewOrvDoc::CountAtTable(int tableId, int mode)
{
    if (const CSeatingIndex* index = SeatingIndex())
        return index->Sum(tableId, mode);
    long long sum = 0;
    for (const auto& guest : m_guests)
    {
        if (guest->GetTable() != tableId)
            continue;
        switch (mode)
        {
        case kCountPlanned:
            sum += guest->GetInvitedCount();
            break;
        case kCountComing:
            sum += guest->GetComingCount();
            break;
        case kCountArrived:
            sum += guest->GetArrivedCount();
            break;
        default:
            break;
        }
    }
    return ClampToInt(sum);
}

int CNewOrvDoc::CountLinesAtTable(int tableId)
{
    if (const CSeatingIndex* index = SeatingIndex())
        return static_cast<int>(index->LinesAt(tableId).size());
    return static_cast<int>(std::count_if(m_guests.begin(), m_guests.end(),
                                          [&](const auto& g) { return g->GetTable() == tableId; }));
}

bool CNewOrvDoc::TableHasGuests(int tableId, bool peopleOnly)
{
    if (const CSeatingIndex* index = SeatingIndex())
        return peopleOnly ? index->LinesWithPeople(tableId) > 0 : !index->LinesAt(tableId).empty();
    return std::any_of(m_guests.begin(), m_guests.end(),
                       [&](const auto& guest) {
                           return guest->GetTable() == tableId &&
                                  (!peopleOnly || guest->GetComingCount() > 0);
                       });
}

void CNewOrvDoc::GetGuestsAtTable(int tableId, std::vector<CGuest*>& guests, bool sortedByName)
{
    std::vector<CGuest*> lines;
    if (const CSeatingIndex* index = SeatingIndex())
        lines.assign(index->LinesAt(tableId).begin(), index->LinesAt(tableId).end());
    else
        for (const auto& guest : m_guests)
            if (guest->GetTable() == tableId)
                lines.push_back(guest.get());

    if (!sortedByName)
    {
        guests.insert(guests.end(), lines.begin(), lines.end());
        return;
    }
    // Byte order (std::string compares as unsigned char); the stable sort keeps the first line
    // of equal full names in front, and only that one is given.
    std::vector<std::pair<std::string, CGuest*>> named;
    named.reserve(lines.size());
    for (CGuest* guest : lines)
        named.emplace_back(guest->GetFullName(), guest);
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < named.size(); ++i)
        if (i == 0 || named[i].first != named[i - 1].first)
            guests.push_back(named[i].second);
}

// --- Creating and numbering tables ------------------------------------------------------------

CTable* CNewOrvDoc::CreateTable(const std::string& name, int hallNumber, int seats)
{
    // A table no guest could sit at (its id would wrap in the guests' 16-bit field) is refused.
    if (m_tables.size() > static_cast<std::size_t>(kHighestTableId))
        return nullptr;
    auto table = std::make_unique<CTable>(this, static_cast<int>(m_tables.size()));
    SetDataChanged(true);
    table->SetSeats(seats == -1 ? m_eventSettings.GetGuestsPerTable() : seats);
    table->SetName(name);
    table->SetHallNumber(hallNumber == -1 ? NextFreeHallNumber() : hallNumber);
    CTable* created = table.get();
    m_undo.CollectionChanging(ERecordClass::Table);
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
    // One pass over the tables, not one per candidate.
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

bool CNewOrvDoc::DeleteTable(CTable* table)
{
    const int position = PositionOf(m_tables, table);
    if (position <= 0)
        return false;
    const int id = position;
    const int lastId = GetTableCount() - 1;
    // Views drop what they hold of the table before it goes, whoever deletes it.
    Broadcast(HINT_TABLE_DELETING, table);
    SetDataChanged(true);

    MoveGuestsBetweenTables(id, 0);
    m_undo.CollectionChanging(ERecordClass::Table);
    m_undo.RecordChanging(*table);
    m_tables.erase(m_tables.begin() + position);
    for (int i = position; i < GetTableCount(); ++i)
        m_tables[static_cast<std::size_t>(i)]->SetIndex(i);
    // Every later table moved down by one; its guests follow it. One pass does what moving the
    // guests table after table would (no guest is at the deleted id any more).
    for (const auto& guest : m_guests)
    {
        const int tableId = guest->GetTable();
        if (tableId > id && tableId <= lastId)
            guest->SetTable(static_cast<std::int16_t>(tableId - 1));
    }
    return true;
}

void CNewOrvDoc::MoveGuestsBetweenTables(int fromId, int toId)
{
    if (fromId == toId || !IsStorableTableId(toId))
        return;
    // Collected first: every SetTable drops the index.
    std::vector<CGuest*> moving;
    GetGuestsAtTable(fromId, moving, false);
    for (CGuest* guest : moving)
        guest->SetTable(static_cast<std::int16_t>(toId));
}

bool CNewOrvDoc::SwapTables(CTable* a, CTable* b)
{
    if (a == b || PositionOf(m_tables, a) <= 0 || PositionOf(m_tables, b) <= 0)
        return false;
    SetDataChanged(true);
    const int idA = a->GetId();
    const int idB = b->GetId();
    // Both lists are taken before anyone moves, which keeps the two sets of guests apart as a
    // temporary id would.
    std::vector<CGuest*> atA;
    std::vector<CGuest*> atB;
    GetGuestsAtTable(idA, atA, false);
    GetGuestsAtTable(idB, atB, false);
    for (CGuest* guest : atA)
        guest->SetTable(static_cast<std::int16_t>(idB));
    for (CGuest* guest : atB)
        guest->SetTable(static_cast<std::int16_t>(idA));

    const STableContents contentsOfA = STableContents::Of(*a);
    STableContents::Of(*b).GiveTo(*a);
    contentsOfA.GiveTo(*b);
    Broadcast(HINT_RECORD_CHANGED, a);
    Broadcast(HINT_RECORD_CHANGED, b);
    return true;
}

bool CNewOrvDoc::MoveTable(int from, int to)
{
    const int count = GetTableCount();
    if (from < 1 || to < 1 || from >= count || to >= count)
        return false;
    if (from == to)
        return true;
    SetDataChanged(true);

    // Successive swaps along the way rotate the contents of positions low..high by one place:
    // the moved table's contents land at to, those in between shift towards from.
    const int low = std::min(from, to);
    const int high = std::max(from, to);
    const int step = from < to ? -1 : 1; // where the tables in between go
    auto newId = [&](int id)
    {
        if (id == from)
            return to;
        if (id >= low && id <= high)
            return id + step;
        return id;
    };
    // Each guest is visited once and mapped from its old id, so no two sets mix.
    for (const auto& guest : m_guests)
    {
        const int id = guest->GetTable();
        const int moved = newId(id);
        if (moved != id)
            guest->SetTable(static_cast<std::int16_t>(moved));
    }

    std::vector<STableContents> before;
    for (int i = low; i <= high; ++i)
        before.push_back(STableContents::Of(*m_tables[static_cast<std::size_t>(i)]));
    for (int i = low; i <= high; ++i)
        before[static_cast<std::size_t>(i - low)].GiveTo(
            *m_tables[static_cast<std::size_t>(newId(i))]);
    for (int i = low; i <= high; ++i)
        Broadcast(HINT_RECORD_CHANGED, m_tables[static_cast<std::size_t>(i)].get());
    return true;
}

void CNewOrvDoc::ResetTables()
{
    Broadcast(HINT_TABLES_REMOVING, nullptr);
    for (const auto& guest : m_guests)
        guest->SetTable(0);
    m_undo.CollectionChanging(ERecordClass::Table);
    for (const auto& table : m_tables)
        m_undo.RecordChanging(*table);
    m_tables.clear();
    SetDataChanged(true);
    CreateUnseatedTable();
}

void CNewOrvDoc::RemoveTablesExcept(const std::vector<int>& keepIds)
{
    Broadcast(HINT_TABLES_REMOVING, nullptr);
    SetDataChanged(true);
    // Old id to new id: the unseated table and every kept one in order; anything else unseats.
    std::vector<int> newId(m_tables.size(), 0);
    std::vector<std::unique_ptr<CTable>> kept;
    m_undo.CollectionChanging(ERecordClass::Table);
    for (std::size_t i = 0; i < m_tables.size(); ++i)
    {
        const bool keep = i == 0 || std::find(keepIds.begin(), keepIds.end(),
                                              static_cast<int>(i)) != keepIds.end();
        if (!keep)
        {
            m_undo.RecordChanging(*m_tables[i]);
            continue;
        }
        newId[i] = static_cast<int>(kept.size());
        kept.push_back(std::move(m_tables[i]));
    }
    m_tables = std::move(kept);
    for (std::size_t i = 0; i < m_tables.size(); ++i)
        m_tables[i]->SetIndex(static_cast<int>(i));
    for (const auto& guest : m_guests)
    {
        const int id = guest->GetTable();
        const int moved =
            id > 0 && id < static_cast<int>(newId.size()) ? newId[static_cast<std::size_t>(id)] : 0;
        if (moved != id)
            guest->SetTable(static_cast<std::int16_t>(moved));
    }
    CreateUnseatedTable();
}
