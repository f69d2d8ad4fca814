#include "seating/SeatingProblem.h"

#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace
{
// Table ids are 16-bit in the guests, so there are at most this many tables, the unseated one
// included.
constexpr int kMostTables = INT16_MAX + 1;

int Bounded(int count)
{
    return std::clamp(count, 0, CSeatingProblem::kMostPeople);
}
} // namespace

CSeatingProblem::CSeatingProblem(int defaultSeats, int maxNewTables)
    : m_defaultSeats(std::clamp(defaultSeats, 1, kMostPeople)),
      m_maxNewTables(std::max(0, maxNewTables))
{
}

CSeatingProblem CSeatingProblem::FromDocument(CNewOrvDoc& doc, bool rebuild)
{
    // Rebuilding keeps only the tables where a locked line sits.
    std::unordered_set<int> lockedTables;
    for (const auto& guest : doc.GetGuests())
        if (guest->IsSeatLocked() && guest->GetTable() > 0)
            lockedTables.insert(guest->GetTable());
    std::vector<const CTable*> usable;
    for (int id = 1; id < doc.GetTableCount(); ++id)
        if (!rebuild || lockedTables.count(id) != 0)
            usable.push_back(doc.GetTableAt(id));

    CSeatingProblem problem(doc.GetSettings().GetGuestsPerTable(),
                            kMostTables - 1 - static_cast<int>(usable.size()));
    problem.m_rebuild = rebuild;
    std::unordered_map<int, int> tableOfId;
    for (const CTable* table : usable)
        tableOfId[table->GetId()] = problem.AddTable(table->GetId(), table->GetSeats());

    std::unordered_map<std::string, int> groupOf;
    for (const auto& group : doc.GetGroups())
        if (groupOf.count(group->GetName()) == 0)
            groupOf[group->GetName()] = problem.AddGroup(group->GetName());
    for (const auto& guest : doc.GetGuests())
    {
        SLine line;
        line.fullName = guest->GetFullName();
        line.people = guest->GetComingCount();
        const std::string& groupName = guest->GetGroupName();
        if (!groupName.empty())
        {
            auto found = groupOf.find(groupName);
            line.group = found != groupOf.end()
                             ? found->second
                             : (groupOf[groupName] = problem.AddGroup(groupName));
        }
        auto table = tableOfId.find(guest->GetTable());
        line.table = table != tableOfId.end() ? table->second : kUnseated;
        line.locked = guest->IsSeatLocked();
        line.restricted = guest->GetRestrictedList();
        problem.AddLine(std::move(line));
        problem.m_guests.push_back(guest.get());
    }
    problem.Finish();
    problem.m_doc = &doc;
    problem.m_changeCount = doc.GetChangeCount();
    return problem;
}

int CSeatingProblem::AddGroup(const std::string& name)
{
    m_groups.push_back(name);
    return GroupCount() - 1;
}

int CSeatingProblem::AddTable(int tableId, int seats)
{
    m_tables.push_back({tableId, Bounded(seats)});
    return TableCount() - 1;
}

int CSeatingProblem::AddLine(SLine line)
{
    line.people = Bounded(line.people);
    if (line.group < 0 || line.group >= GroupCount())
        line.group = kNoGroup;
    if (line.table < 0 || line.table >= TableCount())
        line.table = kUnseated;
    m_lines.push_back(std::move(line));
    return LineCount() - 1;
}

void CSeatingProblem::Finish()
{
    std::unordered_map<std::string, int> classOfName;
    m_classOf.assign(m_lines.size(), 0);
    m_linesOfClass.clear();
    for (std::size_t i = 0; i < m_lines.size(); ++i)
    {
        auto [found, added] =
            classOfName.emplace(m_lines[i].fullName, static_cast<int>(m_linesOfClass.size()));
        if (added)
            m_linesOfClass.emplace_back();
        m_classOf[i] = found->second;
        m_linesOfClass[static_cast<std::size_t>(found->second)].push_back(static_cast<int>(i));
    }

    m_namedClasses.assign(m_lines.size(), {});
    m_namedBy.assign(m_linesOfClass.size(), {});
    for (std::size_t i = 0; i < m_lines.size(); ++i)
    {
        std::vector<int>& named = m_namedClasses[i];
        for (const std::string& name : m_lines[i].restricted)
        {
            auto found = classOfName.find(name);
            if (!name.empty() && found != classOfName.end())
                named.push_back(found->second);
        }
        std::sort(named.begin(), named.end());
        named.erase(std::unique(named.begin(), named.end()), named.end());
        for (const int each : named)
            m_namedBy[static_cast<std::size_t>(each)].push_back(static_cast<int>(i));
    }

    int largest = m_maxNewTables > 0 ? m_defaultSeats : 0;
    for (const STable& table : m_tables)
        largest = std::max(largest, table.seats);
    for (SLine& line : m_lines)
    {
        line.blocked = ESeatConflict::None;
        if (line.locked)
            continue;
        const bool namesItself =
            !line.fullName.empty() && std::find(line.restricted.begin(), line.restricted.end(),
                                                line.fullName) != line.restricted.end();
        if (namesItself)
            line.blocked = ESeatConflict::SelfRestricted;
        else if (line.people > largest)
            line.blocked = ESeatConflict::TooLarge;
    }
}

bool CSeatingProblem::IsFree(int line) const
{
    const SLine& each = Line(line);
    return !each.locked && each.blocked == ESeatConflict::None;
}

bool CSeatingProblem::MustNotMeet(int a, int b) const
{
    return a != b && AnyRestricted(a, [b](int other) { return other == b; });
}

std::vector<int> CSeatingProblem::CurrentSeating() const
{
    std::vector<int> seat;
    seat.reserve(m_lines.size());
    for (const SLine& line : m_lines)
        seat.push_back(line.table);
    return seat;
}

int CSeatingProblem::SeatsOf(int table) const
{
    return table < TableCount() ? Table(table).seats : m_defaultSeats;
}

std::vector<int> CSeatingProblem::LinesBreakingRules(const std::vector<int>& seat,
                                                     int newTables) const
{
    std::vector<int> breaking;
    if (seat.size() != m_lines.size())
    {
        for (int i = 0; i < LineCount(); ++i)
            breaking.push_back(i);
        return breaking;
    }
    const int tables = TableCount() + std::max(0, newTables);
    std::vector<long long> people(static_cast<std::size_t>(tables), 0);
    for (int i = 0; i < LineCount(); ++i)
    {
        const int at = seat[static_cast<std::size_t>(i)];
        if (at >= 0 && at < tables)
            people[static_cast<std::size_t>(at)] += Line(i).people;
    }
    for (int i = 0; i < LineCount(); ++i)
    {
        const SLine& line = Line(i);
        const int at = seat[static_cast<std::size_t>(i)];
        bool breaks = false;
        if (line.locked)
            breaks = at != line.table;
        else if (at == kUnseated)
            breaks = false;
        else if (line.blocked != ESeatConflict::None || at < 0 || at >= tables)
            breaks = true;
        else
            breaks = people[static_cast<std::size_t>(at)] > SeatsOf(at) ||
                     AnyRestricted(i, [&](int other)
                                   { return seat[static_cast<std::size_t>(other)] == at; });
        if (breaks)
            breaking.push_back(i);
    }
    return breaking;
}

SPlanSummary CSeatingProblem::Summarise(const std::vector<int>& seat) const
{
    SPlanSummary summary;
    std::vector<char> used;
    std::vector<int> firstTableOfGroup(m_groups.size(), kUnseated);
    std::vector<char> split(m_groups.size(), 0);
    for (int i = 0; i < LineCount() && i < static_cast<int>(seat.size()); ++i)
    {
        const int at = seat[static_cast<std::size_t>(i)];
        if (at < 0)
        {
            ++summary.linesUnseated;
            continue;
        }
        ++summary.linesSeated;
        if (static_cast<std::size_t>(at) >= used.size())
            used.resize(static_cast<std::size_t>(at) + 1, 0);
        used[static_cast<std::size_t>(at)] = 1;
        const int group = Line(i).group;
        if (group == kNoGroup)
            continue;
        int& first = firstTableOfGroup[static_cast<std::size_t>(group)];
        if (first == kUnseated)
            first = at;
        else if (first != at)
            split[static_cast<std::size_t>(group)] = 1;
    }
    summary.tablesUsed = static_cast<int>(std::count(used.begin(), used.end(), 1));
    summary.groupsSplit = static_cast<int>(std::count(split.begin(), split.end(), 1));

    // Each pair once: from the line that names the other, or from the first of two that name each
    // other.
    for (int i = 0; i < LineCount() && i < static_cast<int>(seat.size()); ++i)
    {
        const int at = seat[static_cast<std::size_t>(i)];
        const int ownClass = m_classOf[static_cast<std::size_t>(i)];
        for (const int named : m_namedClasses[static_cast<std::size_t>(i)])
        {
            for (const int other : m_linesOfClass[static_cast<std::size_t>(named)])
            {
                if (other == i)
                    continue;
                const auto& otherNames = m_namedClasses[static_cast<std::size_t>(other)];
                if (other < i && std::binary_search(otherNames.begin(), otherNames.end(), ownClass))
                    continue;
                ++summary.restrictedPairs;
                if (at < 0 || at != seat[static_cast<std::size_t>(other)])
                    ++summary.restrictionsHonoured;
            }
        }
    }
    return summary;
}

bool CSeatingProblem::IsCurrentFor(const CNewOrvDoc& doc) const
{
    if (&doc != m_doc || doc.GetChangeCount() != m_changeCount ||
        doc.GetGuestCount() != static_cast<int>(m_guests.size()))
        return false;
    for (int i = 0; i < doc.GetGuestCount(); ++i)
        if (doc.GetGuestAt(i) != m_guests[static_cast<std::size_t>(i)])
            return false;
    return true;
}
