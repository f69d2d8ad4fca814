// The automatic table arrangement: tables made per group and filled greedily in two passes, with
// the default table size as the limit, so a group's lines sit together and no line is split.
//
// The rules are those of the step-by-step description (see CArranger::FillGroup); what is added
// here is only bookkeeping that keeps a large event fast without changing a result: the guests
// of every group are collected in one pass of the guest list, the next free place in the hall is
// followed as tables are added (places only ever get taken, so it only grows) instead of being
// searched for per table, and the names in use are kept in a hash set.

#include "seating/TableArrangement.h"

#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace
{
// At most this many tables can exist: guests keep table ids in 16 bits.
constexpr int kMostTables = 32768;

// NextFreeHallNumber, kept current while only this arrangement adds tables.
class CFreePlaces
{
public:
    explicit CFreePlaces(const CNewOrvDoc& doc)
        : m_used(static_cast<std::size_t>(std::max(doc.GetTableCount(), kMostTables)) + 2, false)
    {
        for (const auto& table : doc.GetTables())
            Take(table->GetHallNumber());
    }

    // The smallest place in 1..tableCount no table uses; 0 when all are used.
    int Next(int tableCount)
    {
        while (m_next <= tableCount && m_next < static_cast<int>(m_used.size()) &&
               m_used[static_cast<std::size_t>(m_next)])
            ++m_next;
        return m_next <= tableCount ? m_next : 0;
    }

    void Take(int place)
    {
        if (place >= 1 && place < static_cast<int>(m_used.size()))
            m_used[static_cast<std::size_t>(place)] = true;
    }

private:
    std::vector<bool> m_used;
    int m_next = 1;
};

class CArranger
{
public:
    // firstFreeNames: skip the names any table already has (the tableless variant).
    CArranger(CNewOrvDoc& doc, bool firstFreeNames)
        : m_doc(doc), m_tableSize(doc.GetSettings().GetGuestsPerTable()),
          m_firstFreeNames(firstFreeNames), m_places(doc)
    {
        if (m_firstFreeNames)
            for (const auto& table : doc.GetTables())
                m_names.insert(table->GetName());
    }

    // Every group in collection order; a guest belongs to the group whose name equals its group
    // name exactly, and guests of no group stay where they are.
    void Run()
    {
        std::vector<std::string> groups;
        std::unordered_map<std::string, std::vector<CGuest*>> guestsOf;
        for (const auto& group : m_doc.GetGroups())
        {
            groups.push_back(group->GetName());
            guestsOf.emplace(group->GetName(), std::vector<CGuest*>());
        }
        for (const auto& guest : m_doc.GetGuests())
        {
            auto found = guestsOf.find(guest->GetGroupName());
            if (found != guestsOf.end())
                found->second.push_back(guest.get());
        }
        for (const std::string& group : groups)
            FillGroup(group, guestsOf[group]);
    }

private:
    // Pass 1 fills the open table first-fit and postpones lines that do not fit; pass 2 goes on
    // with the same open table and places the postponed lines in list order, opening a new table
    // whenever one does not fit. Only lines still unseated (table id 0) are considered, so a
    // line seated in pass 1 or before the command is passed over.
    void FillGroup(const std::string& group, const std::vector<CGuest*>& guests)
    {
        if (guests.empty())
            return;
        CTable* open = nullptr;
        long long used = 0;
        int counter = 0;
        for (int pass = 1; pass <= 2; ++pass)
        {
            for (CGuest* guest : guests)
            {
                if (guest == nullptr || guest->GetTable() != 0)
                    continue;
                const int needed = guest->GetComingCount();
                if (used + needed > m_tableSize)
                {
                    if (pass == 1)
                        continue;
                    used = 0;
                    open = nullptr;
                }
                if (open == nullptr)
                {
                    open = NewTable(NextName(group, counter));
                    if (open == nullptr)
                        break; // the rest of this pass is abandoned
                }
                used += needed;
                guest->SetTable(static_cast<std::int16_t>(open->GetId()));
            }
        }
    }

    // "%s - %d" with the group's name and the counter, which goes up by one per name made.
    std::string NextName(const std::string& group, int& counter)
    {
        std::string name;
        do
            name = group + " - " + std::to_string(counter++);
        while (m_firstFreeNames && m_names.count(name) != 0);
        return name;
    }

    CTable* NewTable(const std::string& name)
    {
        const int place = m_places.Next(m_doc.GetTableCount());
        CTable* table = m_doc.CreateTable(name, place, m_tableSize);
        if (table == nullptr)
            return nullptr;
        m_places.Take(place);
        if (m_firstFreeNames)
            m_names.insert(name);
        return table;
    }

    CNewOrvDoc& m_doc;
    const int m_tableSize;
    const bool m_firstFreeNames;
    CFreePlaces m_places;
    std::unordered_set<std::string> m_names;
};
} // namespace

bool ArrangeTablelessGuests(CNewOrvDoc& doc)
{
    if (AskString(doc.GetPrompt(), IDS_ARRANGE_TABLELESS_QUESTION, IDS_AUTO_ARRANGE_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    if (doc.GetTableAt(0) == nullptr || !doc.TableHasGuests(0, false))
        return true;
    CArranger(doc, true).Run();
    doc.Broadcast(HINT_ARRANGEMENT_DONE, nullptr);
    return true;
}

bool ArrangeAllGuests(CNewOrvDoc& doc)
{
    if (AskString(doc.GetPrompt(), IDS_ARRANGE_ALL_QUESTION, IDS_AUTO_ARRANGE_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    // As for a new event, without the example table; ids start again at 0.
    doc.ResetTables();
    CArranger(doc, false).Run();
    doc.Broadcast(HINT_ARRANGEMENT_DONE, nullptr);
    return true;
}
