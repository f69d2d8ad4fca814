#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

class CGuest;

// The guest lines of every table id with the sums of their head counts, built from the guest
// list in two passes (a counting sort by table id). The document keeps one so that the tables
// list, which asks for the counts of every table, costs one walk of the guest list instead of
// one walk per table.
//
// It holds raw pointers into the list it was built from and cannot see the guests change: its
// owner calls Invalidate whenever guests may have changed (every record setter reaches the
// owner's unsaved-changes flag, which invalidates), and Update rebuilds a stale index before it
// is read. Update also rebuilds when the list's length differs from the one it was built from.
class CSeatingIndex
{
public:
    // The lines of one table id, in guest-list order.
    struct SLines
    {
        CGuest* const* first = nullptr;
        CGuest* const* last = nullptr;
        CGuest* const* begin() const { return first; }
        CGuest* const* end() const { return last; }
        std::size_t size() const { return static_cast<std::size_t>(last - first); }
        bool empty() const { return first == last; }
    };

    void Invalidate() { m_valid = false; }
    bool IsValid() const { return m_valid; }

    // Makes the index current for this guest list: a rebuild when it is stale.
    void Update(const std::vector<std::unique_ptr<CGuest>>& guests);

    // Only after Update, and only until the guests change.
    SLines LinesAt(int tableId) const;
    // mode: IRecordOwner::ECountMode; 0 for another mode. Sums beyond the int range are clamped.
    int Sum(int tableId, int mode) const;
    // The number of lines at the table whose coming count is above 0.
    int LinesWithPeople(int tableId) const;

private:
    // The slot of a table id, or -1 when no guest carries it.
    int SlotOf(int tableId) const;

    bool m_valid = false;
    std::size_t m_guestCount = 0;
    int m_lowestId = 0;
    std::vector<int> m_start;     // slot s holds m_lines[m_start[s] .. m_start[s + 1])
    std::vector<CGuest*> m_lines; // every guest, grouped by table id, list order kept in a group
    std::vector<std::array<long long, 3>> m_sums;
    std::vector<int> m_withPeople;
};
