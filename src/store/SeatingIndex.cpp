#include "store/SeatingIndex.h"

#include "model/Guest.h"
#include "model/RecordOwner.h"

#include <algorithm>
#include <climits>

void CSeatingIndex::Update(const std::vector<std::unique_ptr<CGuest>>& guests)
{
    if (m_valid && m_guestCount == guests.size())
        return;

    // Table ids are 16-bit, so the slots span at most 65,536 ids whatever the data hold.
    int lowest = 0;
    int highest = -1;
    for (const auto& guest : guests)
    {
        const int id = guest->GetTable();
        if (highest < lowest)
            lowest = highest = id;
        lowest = std::min(lowest, id);
        highest = std::max(highest, id);
    }
    const std::size_t slots = highest < lowest ? 0 : static_cast<std::size_t>(highest - lowest) + 1;

    m_lowestId = lowest;
    m_start.assign(slots + 1, 0);
    m_sums.assign(slots, {0, 0, 0});
    m_withPeople.assign(slots, 0);
    for (const auto& guest : guests)
    {
        const std::size_t slot = static_cast<std::size_t>(guest->GetTable() - lowest);
        ++m_start[slot + 1];
        m_sums[slot][IRecordOwner::kCountPlanned] += guest->GetInvitedCount();
        m_sums[slot][IRecordOwner::kCountComing] += guest->GetComingCount();
        m_sums[slot][IRecordOwner::kCountArrived] += guest->GetArrivedCount();
        if (guest->GetComingCount() > 0)
            ++m_withPeople[slot];
    }
    for (std::size_t slot = 0; slot < slots; ++slot)
        m_start[slot + 1] += m_start[slot];

    // Second pass: each guest goes to the next free place of its slot, so list order is kept.
    std::vector<int> next(m_start.begin(), m_start.end() - (slots > 0 ? 1 : 0));
    m_lines.assign(guests.size(), nullptr);
    for (const auto& guest : guests)
    {
        const std::size_t slot = static_cast<std::size_t>(guest->GetTable() - lowest);
        m_lines[static_cast<std::size_t>(next[slot]++)] = guest.get();
    }

    m_guestCount = guests.size();
    m_valid = true;
}

int CSeatingIndex::SlotOf(int tableId) const
{
    const long long slot = static_cast<long long>(tableId) - m_lowestId;
    if (slot < 0 || slot >= static_cast<long long>(m_sums.size()))
        return -1;
    return static_cast<int>(slot);
}

CSeatingIndex::SLines CSeatingIndex::LinesAt(int tableId) const
{
    const int slot = SlotOf(tableId);
    if (slot < 0)
        return {};
    CGuest* const* base = m_lines.data();
    return {base + m_start[static_cast<std::size_t>(slot)],
            base + m_start[static_cast<std::size_t>(slot) + 1]};
}

int CSeatingIndex::Sum(int tableId, int mode) const
{
    const int slot = SlotOf(tableId);
    if (slot < 0 || mode < IRecordOwner::kCountPlanned || mode > IRecordOwner::kCountArrived)
        return 0;
    const long long sum = m_sums[static_cast<std::size_t>(slot)][static_cast<std::size_t>(mode)];
    return static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}

int CSeatingIndex::LinesWithPeople(int tableId) const
{
    const int slot = SlotOf(tableId);
    return slot < 0 ? 0 : m_withPeople[static_cast<std::size_t>(slot)];
}
