// The optimised table arrangement: a greedy start, then tabu search.
//
// Design. The search works on its own copy of the seating: for every line its table, for every
// table its people, lines, free lines and the groups at it with their counts, for every group the
// tables it sits at. New tables are slots after the problem's own tables, all of the default
// size; an empty slot is a table not created. A move is a short list of changes (line, table):
// one line to another table, two lines exchanged, the free lines of a group at one table moved to
// another, or those of two groups exchanged, or an unseated line seated with one line making room
// for it. A move is judged by applying it, reading the cost, and undoing it: every change updates
// the cost's parts for the two tables and the group it touches, so a move costs a few steps
// whatever the size of the event. A move that would break a hard rule (too many people at a
// table it adds to, or someone there its lines must not meet) is never taken.
//
// Each step samples a few lines (and prefers an unseated one while there is one), builds the
// moves of each towards the tables its group sits at, a few random used tables and an empty
// table, and takes the best move that is not tabu, even when it makes the seating worse: that is
// what lets the search leave a local optimum. A line that leaves a table may not return to it for
// a few steps (the tabu tenure), unless that would give the best seating yet (aspiration). When
// the best seating has not improved for a while, the search goes back to it.
//
// The random numbers come from our own generator and no decision depends on the order of a hash
// container, so a seed and a number of steps always give the same plan.

#include "seating/SeatingOptimiser.h"

#include "seating/SeatingProblem.h"

#include <algorithm>
#include <cassert>
#include <chrono>
#include <limits>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
constexpr int kUnseated = CSeatingProblem::kUnseated;
constexpr int kNoGroup = CSeatingProblem::kNoGroup;

// Lines sampled per step, and what each of them looks at.
constexpr int kAnchorsPerStep = 2;
constexpr int kRandomTargets = 4;
constexpr std::size_t kMostGroupTargets = 6;
constexpr std::size_t kMostSwapPartners = 12;
// Steps a line stays away from the table it left: kTenureBase plus up to kTenureSpread.
constexpr int kTenureBase = 7;
constexpr int kTenureSpread = 8;
// The evenness part: empty seats squared, times this, over the seats.
constexpr long long kEvennessScale = 64;

// splitmix64: small, fast and the same on every platform.
class CRandom
{
public:
    explicit CRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 to n - 1 (0 for n below 2).
    int Below(int n)
    {
        return n <= 1 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n));
    }

private:
    std::uint64_t m_state;
};

// The parts of a seating's cost, weighed in this order.
struct SCost
{
    long long unseated = 0;    // free lines without a table
    long long groupTables = 0; // per group, the tables it sits at
    long long gaps = 0;        // per group, the problem's tables between its first and last not its
    long long evenness = 0;    // per table in the hall, its empty seats squared over its seats
    long long newTables = 0;   // new tables in use

    bool operator<(const SCost& other) const
    {
        return std::tie(unseated, groupTables, gaps, evenness, newTables) <
               std::tie(other.unseated, other.groupTables, other.gaps, other.evenness,
                        other.newTables);
    }
};

struct SChange
{
    int line;
    int to;
};

class CSearch
{
public:
    CSearch(const CSeatingProblem& problem, const SOptimiserOptions& options)
        : m_problem(problem), m_options(options), m_random(options.seed),
          m_fixedTables(problem.TableCount())
    {
        int freeLines = 0;
        for (int line = 0; line < problem.LineCount(); ++line)
            if (problem.IsFree(line))
            {
                m_free.push_back(line);
                ++freeLines;
            }
        // No plan needs more new tables than it has free lines.
        const int slots = std::min(problem.MaxNewTables(), freeLines);
        const int tables = m_fixedTables + slots;
        m_seats.resize(static_cast<std::size_t>(tables));
        for (int table = 0; table < tables; ++table)
            m_seats[static_cast<std::size_t>(table)] = problem.SeatsOf(table);
        m_people.assign(static_cast<std::size_t>(tables), 0);
        m_lineCount.assign(static_cast<std::size_t>(tables), 0);
        m_members.assign(static_cast<std::size_t>(tables), {});
        m_groupsAt.assign(static_cast<std::size_t>(tables), {});
        m_usedAt.assign(static_cast<std::size_t>(tables), -1);
        for (int table = m_fixedTables; table < tables; ++table)
            m_emptySlots.insert(table);
        m_tablesOf.assign(static_cast<std::size_t>(problem.GroupCount()), {});
        m_fixedOf.assign(static_cast<std::size_t>(problem.GroupCount()), {});
        m_seat.assign(static_cast<std::size_t>(problem.LineCount()), kUnseated);
        m_memberAt.assign(static_cast<std::size_t>(problem.LineCount()), -1);
        m_tabu.assign(static_cast<std::size_t>(problem.LineCount()), {});
        m_cost.unseated = freeLines;
        for (int table = 0; table < m_fixedTables; ++table)
            m_cost.evenness += TableTerm(table);
        for (int line = 0; line < problem.LineCount(); ++line)
            if (problem.Line(line).locked && problem.Line(line).table != kUnseated)
                Place(line, problem.Line(line).table);
    }

    SSeatingPlan Run()
    {
        Construct();
        m_best = m_seat;
        m_bestCost = m_cost;
        const long long budget = m_options.iterations > 0
                                     ? m_options.iterations
                                     : CSeatingOptimiser::DefaultIterations(m_problem);
        Search(budget);
        return MakePlan();
    }

private:
    using Clock = std::chrono::steady_clock;

    const CSeatingProblem::SLine& LineOf(int line) const { return m_problem.Line(line); }
    bool IsFixed(int table) const { return table < m_fixedTables; }
    int Room(int table) const
    {
        return static_cast<int>(
            std::max<long long>(0, m_seats[static_cast<std::size_t>(table)] -
                                       m_people[static_cast<std::size_t>(table)]));
    }

    // --- The seating and its cost --------------------------------------------------------------

    long long TableTerm(int table) const
    {
        const std::size_t t = static_cast<std::size_t>(table);
        // The event's own tables stand in the hall, used or not; a new table only once used.
        if (m_lineCount[t] == 0 && !IsFixed(table))
            return 0;
        const long long bound = CSeatingProblem::kMostPeople;
        const long long empty = std::clamp<long long>(m_seats[t] - m_people[t], -bound, bound);
        return empty * empty * kEvennessScale / std::max(1, m_seats[t]);
    }

    long long GapOf(int group) const
    {
        const std::set<int>& fixed = m_fixedOf[static_cast<std::size_t>(group)];
        if (fixed.empty())
            return 0;
        return *fixed.rbegin() - *fixed.begin() + 1 - static_cast<long long>(fixed.size());
    }

    void SetUsed(int table, bool used)
    {
        int& at = m_usedAt[static_cast<std::size_t>(table)];
        if (used)
        {
            at = static_cast<int>(m_used.size());
            m_used.push_back(table);
            if (!IsFixed(table))
            {
                ++m_cost.newTables;
                m_emptySlots.erase(table);
            }
            return;
        }
        const int last = m_used.back();
        m_used[static_cast<std::size_t>(at)] = last;
        m_usedAt[static_cast<std::size_t>(last)] = at;
        m_used.pop_back();
        at = -1;
        if (!IsFixed(table))
        {
            --m_cost.newTables;
            m_emptySlots.insert(table);
        }
    }

    void GroupJoins(int group, int table)
    {
        auto& groups = m_groupsAt[static_cast<std::size_t>(table)];
        for (auto& [each, count] : groups)
            if (each == group)
            {
                ++count;
                return;
            }
        groups.emplace_back(group, 1);
        ++m_cost.groupTables;
        m_tablesOf[static_cast<std::size_t>(group)].push_back(table);
        if (IsFixed(table))
        {
            m_cost.gaps -= GapOf(group);
            m_fixedOf[static_cast<std::size_t>(group)].insert(table);
            m_cost.gaps += GapOf(group);
        }
    }

    void GroupLeaves(int group, int table)
    {
        auto& groups = m_groupsAt[static_cast<std::size_t>(table)];
        for (std::size_t i = 0; i < groups.size(); ++i)
        {
            if (groups[i].first != group)
                continue;
            if (--groups[i].second > 0)
                return;
            groups[i] = groups.back();
            groups.pop_back();
            break;
        }
        --m_cost.groupTables;
        auto& tables = m_tablesOf[static_cast<std::size_t>(group)];
        tables.erase(std::find(tables.begin(), tables.end(), table));
        if (IsFixed(table))
        {
            m_cost.gaps -= GapOf(group);
            m_fixedOf[static_cast<std::size_t>(group)].erase(table);
            m_cost.gaps += GapOf(group);
        }
    }

    void Join(int line, int table)
    {
        const std::size_t t = static_cast<std::size_t>(table);
        const auto& each = LineOf(line);
        m_cost.evenness -= TableTerm(table);
        if (m_lineCount[t] == 0)
            SetUsed(table, true);
        m_people[t] += each.people;
        ++m_lineCount[t];
        m_cost.evenness += TableTerm(table);
        if (!each.locked)
        {
            m_memberAt[static_cast<std::size_t>(line)] = static_cast<int>(m_members[t].size());
            m_members[t].push_back(line);
        }
        if (each.group != kNoGroup)
            GroupJoins(each.group, table);
    }

    void Leave(int line, int table)
    {
        const std::size_t t = static_cast<std::size_t>(table);
        const auto& each = LineOf(line);
        m_cost.evenness -= TableTerm(table);
        m_people[t] -= each.people;
        --m_lineCount[t];
        m_cost.evenness += TableTerm(table);
        if (m_lineCount[t] == 0)
            SetUsed(table, false);
        if (!each.locked)
        {
            std::vector<int>& members = m_members[t];
            const int at = m_memberAt[static_cast<std::size_t>(line)];
            members[static_cast<std::size_t>(at)] = members.back();
            m_memberAt[static_cast<std::size_t>(members.back())] = at;
            members.pop_back();
            m_memberAt[static_cast<std::size_t>(line)] = -1;
        }
        if (each.group != kNoGroup)
            GroupLeaves(each.group, table);
    }

    // Moves a line; every part of the cost follows.
    void Place(int line, int to)
    {
        int& seat = m_seat[static_cast<std::size_t>(line)];
        const int from = seat;
        if (from == to)
            return;
        const bool free = !LineOf(line).locked;
        if (from != kUnseated)
            Leave(line, from);
        else if (free)
            --m_cost.unseated;
        seat = to;
        if (to != kUnseated)
            Join(line, to);
        else if (free)
            ++m_cost.unseated;
    }

    // No line at the table that this line must not meet.
    bool CanSit(int line, int table) const
    {
        return !m_problem.AnyRestricted(
            line, [&](int other) { return m_seat[static_cast<std::size_t>(other)] == table; });
    }

    bool Fits(int table) const
    {
        const std::size_t t = static_cast<std::size_t>(table);
        return m_people[t] <= m_seats[t];
    }

    // --- Moves ---------------------------------------------------------------------------------

    // Applies the changes; false (and undone) when a hard rule would break, else the cost they
    // give, undone unless keep.
    bool Try(const SChange* changes, std::size_t count, SCost& cost, bool keep)
    {
        m_undo.clear();
        for (std::size_t i = 0; i < count; ++i)
        {
            m_undo.push_back({changes[i].line, m_seat[static_cast<std::size_t>(changes[i].line)]});
            Place(changes[i].line, changes[i].to);
        }
        bool valid = true;
        for (std::size_t i = 0; i < count && valid; ++i)
            if (changes[i].to != kUnseated)
                valid = Fits(changes[i].to) && CanSit(changes[i].line, changes[i].to);
        cost = m_cost;
        if (!valid || !keep)
            for (auto undo = m_undo.rbegin(); undo != m_undo.rend(); ++undo)
                Place(undo->line, undo->to);
        return valid;
    }

    bool IsTabu(const SChange* changes, std::size_t count) const
    {
        for (std::size_t i = 0; i < count; ++i)
            for (const auto& [table, until] : m_tabu[static_cast<std::size_t>(changes[i].line)])
                if (table == changes[i].to && until > m_step)
                    return true;
        return false;
    }

    void MakeTabu(int line, int table, long long until)
    {
        auto& entries = m_tabu[static_cast<std::size_t>(line)];
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [this](const auto& entry) { return entry.second <= m_step; }),
                      entries.end());
        entries.emplace_back(table, until);
    }

    void BeginMove() { m_moveStart.push_back(m_changes.size()); }
    void AddChange(int line, int to) { m_changes.push_back({line, to}); }
    void AddTarget(std::vector<int>& targets, int table, int except) const
    {
        if (table != except && table != kUnseated &&
            std::find(targets.begin(), targets.end(), table) == targets.end())
            targets.push_back(table);
    }

    // The free lines of a group at a table.
    void FreeLinesOf(int group, int table, std::vector<int>& lines) const
    {
        lines.clear();
        for (const int line : m_members[static_cast<std::size_t>(table)])
            if (LineOf(line).group == group)
                lines.push_back(line);
    }

    int RandomUsedTable()
    {
        return m_used.empty() ? kUnseated : m_used[m_random.Below(static_cast<int>(m_used.size()))];
    }

    // An empty table: the first empty new one, and a random empty one of the problem's.
    void AddEmptyTargets(std::vector<int>& targets, int except)
    {
        if (!m_emptySlots.empty())
            AddTarget(targets, *m_emptySlots.begin(), except);
        for (int attempt = 0; attempt < 3 && m_fixedTables > 0; ++attempt)
        {
            const int table = m_random.Below(m_fixedTables);
            if (m_lineCount[static_cast<std::size_t>(table)] == 0)
            {
                AddTarget(targets, table, except);
                break;
            }
        }
    }

    int PickAnchor(bool unseatedFirst)
    {
        if (unseatedFirst)
        {
            // Lines seated since they were listed leave the list as they are met.
            while (!m_unseated.empty())
            {
                const std::size_t at =
                    static_cast<std::size_t>(m_random.Below(static_cast<int>(m_unseated.size())));
                const int line = m_unseated[at];
                if (m_seat[static_cast<std::size_t>(line)] == kUnseated)
                    return line;
                m_unseated[at] = m_unseated.back();
                m_unseated.pop_back();
            }
        }
        return m_free[static_cast<std::size_t>(m_random.Below(static_cast<int>(m_free.size())))];
    }

    void BuildMoves(int line)
    {
        const int from = m_seat[static_cast<std::size_t>(line)];
        const int group = LineOf(line).group;
        std::vector<int>& targets = m_targets;
        targets.clear();
        if (group != kNoGroup)
        {
            const auto& tables = m_tablesOf[static_cast<std::size_t>(group)];
            for (std::size_t i = 0; i < tables.size() && targets.size() < kMostGroupTargets; ++i)
                AddTarget(targets, tables[i], from);
        }
        for (int i = 0; i < kRandomTargets; ++i)
            AddTarget(targets, RandomUsedTable(), from);
        AddEmptyTargets(targets, from);

        std::vector<int>& block = m_block;
        if (from != kUnseated && group != kNoGroup)
            FreeLinesOf(group, from, block);
        else
            block.assign(1, line);

        for (const int to : targets)
        {
            BeginMove();
            AddChange(line, to);
            if (block.size() > 1)
            {
                BeginMove();
                for (const int each : block)
                    AddChange(each, to);
            }
            const auto& members = m_members[static_cast<std::size_t>(to)];
            for (std::size_t i = 0; i < members.size() && i < kMostSwapPartners; ++i)
            {
                const int other = members[i];
                if (from != kUnseated)
                {
                    BeginMove();
                    AddChange(line, to);
                    AddChange(other, from);
                }
                else
                {
                    // Room for an unseated line: the other one goes to another table of its
                    // group, an empty table or a random one.
                    m_elsewhere.clear();
                    const int otherGroup = LineOf(other).group;
                    if (otherGroup != kNoGroup)
                        for (const int table : m_tablesOf[static_cast<std::size_t>(otherGroup)])
                            if (table != to)
                            {
                                m_elsewhere.push_back(table);
                                break;
                            }
                    AddEmptyTargets(m_elsewhere, to);
                    AddTarget(m_elsewhere, RandomUsedTable(), to);
                    for (const int elsewhere : m_elsewhere)
                    {
                        BeginMove();
                        AddChange(other, elsewhere);
                        AddChange(line, to);
                    }
                }
            }
            if (from == kUnseated || group == kNoGroup)
                continue;
            // The group's lines here exchanged with another group's lines there.
            for (const auto& entry : m_groupsAt[static_cast<std::size_t>(to)])
            {
                const int otherGroup = entry.first;
                if (otherGroup == group || otherGroup == kNoGroup)
                    continue;
                FreeLinesOf(otherGroup, to, m_otherBlock);
                if (m_otherBlock.empty())
                    continue;
                BeginMove();
                for (const int each : block)
                    AddChange(each, to);
                for (const int each : m_otherBlock)
                    AddChange(each, from);
            }
        }
    }

    // One step: the best move that is not tabu (or beats the best seating). False when no move
    // keeps the rules.
    bool Step()
    {
        m_changes.clear();
        m_moveStart.clear();
        for (int anchor = 0; anchor < kAnchorsPerStep; ++anchor)
            BuildMoves(PickAnchor(anchor == 0 && m_cost.unseated > 0));
        m_moveStart.push_back(m_changes.size());

        std::size_t chosen = m_moveStart.size();
        SCost chosenCost;
        for (std::size_t move = 0; move + 1 < m_moveStart.size(); ++move)
        {
            const SChange* changes = m_changes.data() + m_moveStart[move];
            const std::size_t count = m_moveStart[move + 1] - m_moveStart[move];
            SCost cost;
            if (count == 0 || !Try(changes, count, cost, false))
                continue;
            if (IsTabu(changes, count) && !(cost < m_bestCost))
                continue;
            if (chosen == m_moveStart.size() || cost < chosenCost)
            {
                chosen = move;
                chosenCost = cost;
            }
        }
        if (chosen == m_moveStart.size())
            return false;

        const SChange* changes = m_changes.data() + m_moveStart[chosen];
        const std::size_t count = m_moveStart[chosen + 1] - m_moveStart[chosen];
        const long long until = m_step + kTenureBase + m_random.Below(kTenureSpread + 1);
        for (std::size_t i = 0; i < count; ++i)
        {
            const int from = m_seat[static_cast<std::size_t>(changes[i].line)];
            if (from != kUnseated)
                MakeTabu(changes[i].line, from, until);
        }
        SCost cost;
        Try(changes, count, cost, true);
        return true;
    }

    void Restore(const std::vector<int>& seat)
    {
        // Leave first, so no table holds more than it may on the way.
        for (const int line : m_free)
            if (m_seat[static_cast<std::size_t>(line)] != seat[static_cast<std::size_t>(line)])
                Place(line, kUnseated);
        for (const int line : m_free)
            Place(line, seat[static_cast<std::size_t>(line)]);
        ListUnseated();
    }

    void ListUnseated()
    {
        m_unseated.clear();
        for (const int line : m_free)
            if (m_seat[static_cast<std::size_t>(line)] == kUnseated)
                m_unseated.push_back(line);
    }

    void Search(long long budget)
    {
        if (m_free.empty())
            return;
        ListUnseated();
        const bool timed = m_options.seconds > 0.0;
        const Clock::time_point deadline =
            Clock::now() + std::chrono::duration_cast<Clock::duration>(
                               std::chrono::duration<double>(timed ? m_options.seconds : 0.0));
        // Back to the best seating after this many steps without a better one.
        const long long patience =
            std::max<long long>(500, 2 * static_cast<long long>(m_free.size()));
        long long lastBetter = 0;
        int percent = -1;
        for (m_step = 0; m_step < budget; ++m_step)
        {
            if ((m_options.stop != nullptr && m_options.stop->load(std::memory_order_relaxed)) ||
                (timed && Clock::now() >= deadline))
            {
                m_stoppedEarly = true;
                break;
            }
            const int now = static_cast<int>(m_step * 100 / budget);
            if (now != percent && m_options.progress)
                m_options.progress(percent = now);
            if (!Step())
                continue;
            if (m_cost < m_bestCost)
            {
                m_bestCost = m_cost;
                m_best = m_seat;
                lastBetter = m_step;
            }
            else if (m_step - lastBetter > patience)
            {
                Restore(m_best);
                lastBetter = m_step;
            }
        }
        if (m_options.progress)
            m_options.progress(100);
        assert(!(CostFromScratch() < m_cost) && !(m_cost < CostFromScratch()));
    }

    // What the cost kept step by step must equal (debug builds check it), from the seats alone.
    SCost CostFromScratch() const
    {
        SCost cost;
        const std::size_t tableCount = m_seats.size();
        std::vector<long long> people(tableCount, 0);
        std::vector<int> lines(tableCount, 0);
        std::vector<std::set<int>> tables(static_cast<std::size_t>(m_problem.GroupCount()));
        for (int line = 0; line < m_problem.LineCount(); ++line)
        {
            const int at = m_seat[static_cast<std::size_t>(line)];
            if (at == kUnseated)
            {
                cost.unseated += m_problem.IsFree(line) ? 1 : 0;
                continue;
            }
            people[static_cast<std::size_t>(at)] += LineOf(line).people;
            ++lines[static_cast<std::size_t>(at)];
            if (LineOf(line).group != kNoGroup)
                tables[static_cast<std::size_t>(LineOf(line).group)].insert(at);
        }
        for (std::size_t table = 0; table < tableCount; ++table)
        {
            if (lines[table] == 0 && !IsFixed(static_cast<int>(table)))
                continue;
            const long long bound = CSeatingProblem::kMostPeople;
            const long long empty =
                std::clamp<long long>(m_seats[table] - people[table], -bound, bound);
            cost.evenness += empty * empty * kEvennessScale / std::max(1, m_seats[table]);
            cost.newTables += IsFixed(static_cast<int>(table)) ? 0 : 1;
        }
        for (const std::set<int>& each : tables)
        {
            cost.groupTables += static_cast<long long>(each.size());
            std::vector<int> fixed;
            for (const int table : each)
                if (IsFixed(table))
                    fixed.push_back(table);
            if (!fixed.empty())
                cost.gaps +=
                    fixed.back() - fixed.front() + 1 - static_cast<long long>(fixed.size());
        }
        return cost;
    }

    // --- The greedy start ----------------------------------------------------------------------

    // Seats the lines at the table when all of them fit and may meet; otherwise changes nothing.
    bool SeatAllAt(const std::vector<int>& lines, int table)
    {
        long long people = 0;
        for (const int line : lines)
            people += LineOf(line).people;
        if (people > Room(table))
            return false;
        for (const int line : lines)
            Place(line, table);
        bool valid = Fits(table);
        for (std::size_t i = 0; i < lines.size() && valid; ++i)
            valid = CanSit(lines[i], table);
        if (!valid)
            for (const int line : lines)
                Place(line, kUnseated);
        return valid;
    }

    // The table of list where the line leaves the least room, among those it may sit at.
    int BestFit(int line, const std::vector<int>& list) const
    {
        const int people = LineOf(line).people;
        int best = kUnseated;
        int bestRoom = std::numeric_limits<int>::max();
        for (const int table : list)
        {
            const int room = Room(table) - people;
            if (!Fits(table) || room < 0 || room > bestRoom || (room == bestRoom && table > best) ||
                !CanSit(line, table))
                continue;
            best = table;
            bestRoom = room;
        }
        return best;
    }

    // An empty table for a line: the one with the most seats (the event's own before a new one).
    int OpenTable(int line) const
    {
        const int people = LineOf(line).people;
        int best = kUnseated;
        for (int table = 0; table < m_fixedTables; ++table)
            if (m_lineCount[static_cast<std::size_t>(table)] == 0 &&
                m_seats[static_cast<std::size_t>(table)] >= people &&
                (best == kUnseated || m_seats[static_cast<std::size_t>(table)] >
                                          m_seats[static_cast<std::size_t>(best)]))
                best = table;
        if (!m_emptySlots.empty() && m_problem.DefaultSeats() >= people &&
            (best == kUnseated ||
             m_problem.DefaultSeats() > m_seats[static_cast<std::size_t>(best)]))
            best = *m_emptySlots.begin();
        return best;
    }

    // Tables that may take all of these lines, in the order of preference: those the group sits at
    // and the other used ones, least room left first; then the event's empty tables, fewest
    // seats first; then a new table.
    std::vector<int> WholeTables(int group, long long people) const
    {
        std::vector<std::pair<long long, int>> own, used, empty;
        for (const int table : m_used)
        {
            const long long left = Room(table) - people;
            if (left < 0)
                continue;
            const bool groupsTable =
                group != kNoGroup &&
                std::find(m_tablesOf[static_cast<std::size_t>(group)].begin(),
                          m_tablesOf[static_cast<std::size_t>(group)].end(),
                          table) != m_tablesOf[static_cast<std::size_t>(group)].end();
            (groupsTable ? own : used).emplace_back(left, table);
        }
        for (int table = 0; table < m_fixedTables; ++table)
            if (m_lineCount[static_cast<std::size_t>(table)] == 0 &&
                m_seats[static_cast<std::size_t>(table)] >= people)
                empty.emplace_back(m_seats[static_cast<std::size_t>(table)], table);
        std::sort(own.begin(), own.end());
        std::sort(used.begin(), used.end());
        std::sort(empty.begin(), empty.end());
        std::vector<int> tables;
        for (const auto* list : {&own, &used, &empty})
            for (const auto& entry : *list)
                tables.push_back(entry.second);
        if (!m_emptySlots.empty() && people <= m_problem.DefaultSeats())
            tables.push_back(*m_emptySlots.begin());
        return tables;
    }

    // One line: its group's tables, else a table of its own, else any table with room.
    void SeatLine(int line)
    {
        const int group = LineOf(line).group;
        int table = group != kNoGroup ? BestFit(line, m_tablesOf[static_cast<std::size_t>(group)])
                                      : kUnseated;
        if (table == kUnseated && group == kNoGroup)
            table = BestFit(line, m_used);
        if (table == kUnseated)
            table = OpenTable(line);
        if (table == kUnseated)
            table = BestFit(line, m_used);
        if (table != kUnseated)
            Place(line, table);
    }

    // Each group whole at one table where it can be; otherwise largest lines first into the
    // group's tables, opening the largest empty table when none has room. Lines without a group
    // go one by one where they fit best.
    void Construct()
    {
        std::vector<std::vector<int>> lines(static_cast<std::size_t>(m_problem.GroupCount()) + 1);
        for (const int line : m_free)
        {
            const int group = LineOf(line).group;
            lines[group == kNoGroup ? lines.size() - 1 : static_cast<std::size_t>(group)].push_back(
                line);
        }
        for (std::size_t group = 0; group + 1 < lines.size(); ++group)
        {
            std::vector<int>& block = lines[group];
            if (block.empty())
                continue;
            std::stable_sort(block.begin(), block.end(),
                             [this](int a, int b) { return LineOf(a).people > LineOf(b).people; });
            long long people = 0;
            for (const int line : block)
                people += LineOf(line).people;
            bool whole = false;
            for (const int table : WholeTables(static_cast<int>(group), people))
                if ((whole = SeatAllAt(block, table)))
                    break;
            if (!whole)
                for (const int line : block)
                    SeatLine(line);
        }
        for (const int line : lines.back())
            SeatLine(line);
    }

    // --- The plan ------------------------------------------------------------------------------

    SSeatingPlan MakePlan()
    {
        SSeatingPlan plan;
        plan.iterations = m_step;
        plan.stoppedEarly = m_stoppedEarly;
        std::vector<int> seat = m_best;

        // The exact check: a line that breaks a rule is not seated (the search never lets one,
        // so this only guards against a fault of our own).
        const int slots = static_cast<int>(m_seats.size()) - m_fixedTables;
        for (int round = 0; round < 3; ++round)
        {
            const std::vector<int> breaking = m_problem.LinesBreakingRules(seat, slots);
            if (breaking.empty())
                break;
            for (const int line : breaking)
                if (!LineOf(line).locked)
                    seat[static_cast<std::size_t>(line)] = kUnseated;
        }

        // New tables in use, ordered so that a group's tables follow each other.
        Restore(seat);
        struct SNewTable
        {
            int group; // the group with most people at it
            int side;  // 0: it shares with an earlier group, 1: alone, 2: with a later one
            int other; // that other group
            int slot;
        };
        std::vector<SNewTable> tables;
        for (int slot = m_fixedTables; slot < static_cast<int>(m_seats.size()); ++slot)
        {
            if (m_lineCount[static_cast<std::size_t>(slot)] == 0)
                continue;
            std::vector<std::pair<long long, int>> people; // (-people, group)
            for (const auto& entry : m_groupsAt[static_cast<std::size_t>(slot)])
            {
                const int group = entry.first;
                long long sum = 0;
                for (const int line : m_members[static_cast<std::size_t>(slot)])
                    if (LineOf(line).group == group)
                        sum += LineOf(line).people;
                people.emplace_back(-sum, group);
            }
            std::sort(people.begin(), people.end());
            const int groups = m_problem.GroupCount();
            SNewTable table{groups, 1, groups, slot};
            if (!people.empty())
                table.group = people[0].second;
            if (people.size() > 1)
            {
                table.other = people[1].second;
                table.side = table.other < table.group ? 0 : 2;
            }
            tables.push_back(table);
        }
        std::sort(tables.begin(), tables.end(),
                  [](const SNewTable& a, const SNewTable& b)
                  {
                      return std::tie(a.group, a.side, a.other, a.slot) <
                             std::tie(b.group, b.side, b.other, b.slot);
                  });
        std::vector<int> newIndex(m_seats.size(), kUnseated);
        for (std::size_t i = 0; i < tables.size(); ++i)
        {
            newIndex[static_cast<std::size_t>(tables[i].slot)] =
                m_fixedTables + static_cast<int>(i);
            plan.newTableGroups.push_back(tables[i].group < m_problem.GroupCount() ? tables[i].group
                                                                                   : kNoGroup);
        }
        for (int& each : seat)
            if (each != kUnseated && !IsFixed(each))
                each = newIndex[static_cast<std::size_t>(each)];

        for (int line = 0; line < m_problem.LineCount(); ++line)
            if (!LineOf(line).locked && seat[static_cast<std::size_t>(line)] == kUnseated)
                plan.conflicts.push_back({line, LineOf(line).blocked != ESeatConflict::None
                                                    ? LineOf(line).blocked
                                                    : ESeatConflict::NoRoom});
        plan.summary = m_problem.Summarise(seat);
        plan.seat = std::move(seat);
        return plan;
    }

    const CSeatingProblem& m_problem;
    const SOptimiserOptions& m_options;
    CRandom m_random;
    const int m_fixedTables;

    // Per table (the problem's, then the new slots).
    std::vector<int> m_seats;
    std::vector<long long> m_people;
    std::vector<int> m_lineCount;
    std::vector<std::vector<int>> m_members;                  // its free lines
    std::vector<std::vector<std::pair<int, int>>> m_groupsAt; // (group, lines), locked included
    std::vector<int> m_usedAt;                                // its place in m_used, or -1
    std::vector<int> m_used;                                  // tables holding a line
    std::set<int> m_emptySlots;                               // new tables not in use
    // Per group.
    std::vector<std::vector<int>> m_tablesOf;
    std::vector<std::set<int>> m_fixedOf; // the problem's tables it sits at
    // Per line.
    std::vector<int> m_seat;
    std::vector<int> m_memberAt;
    std::vector<std::vector<std::pair<int, long long>>> m_tabu; // (table, first step allowed)
    std::vector<int> m_free;                                    // the lines that may move
    std::vector<int> m_unseated; // free lines without a table (some may have been seated since)

    SCost m_cost;
    SCost m_bestCost;
    std::vector<int> m_best;
    long long m_step = 0;
    bool m_stoppedEarly = false;

    // Scratch of one step.
    std::vector<SChange> m_changes;
    std::vector<std::size_t> m_moveStart;
    std::vector<SChange> m_undo;
    std::vector<int> m_targets;
    std::vector<int> m_block;
    std::vector<int> m_otherBlock;
    std::vector<int> m_elsewhere;
};
} // namespace

CSeatingOptimiser::CSeatingOptimiser(const CSeatingProblem& problem, SOptimiserOptions options)
    : m_problem(problem), m_options(std::move(options))
{
}

long long CSeatingOptimiser::DefaultIterations(const CSeatingProblem& problem)
{
    return std::clamp<long long>(10LL * problem.LineCount(), 5000, 100000);
}

SSeatingPlan CSeatingOptimiser::Run()
{
    return CSearch(m_problem, m_options).Run();
}
