// The optimised arrangement over problems built directly: the hard rules on random events (checked
// here by brute force, not by the problem's own check), the conflict report, locked lines, the
// soft goals on small cases whose best seating is known, and determinism.

#include "seating/SeatingOptimiser.h"
#include "seating/SeatingProblem.h"

#include <algorithm>
#include <atomic>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace
{
using SLine = CSeatingProblem::SLine;
constexpr int kUnseated = CSeatingProblem::kUnseated;

SLine MakeLine(const std::string& name, int people, int group = CSeatingProblem::kNoGroup,
               int table = kUnseated, bool locked = false, std::vector<std::string> restricted = {})
{
    SLine line;
    line.fullName = name;
    line.people = people;
    line.group = group;
    line.table = table;
    line.locked = locked;
    line.restricted = std::move(restricted);
    return line;
}

// A random event: up to 70 lines of 0 to 5 people (now and then one too large), a few groups,
// some lines without one, namesakes, existing tables of 2 to 14 seats, locked lines, restricted
// pairs and now and then a line that names itself. Sometimes no or few new tables may be made.
CSeatingProblem RandomProblem(unsigned seed)
{
    std::mt19937 random(seed);
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int defaultSeats = 4 + below(9);
    const int maxNew = below(4) == 0 ? below(4) : 1000;
    CSeatingProblem problem(defaultSeats, maxNew);
    const int tables = below(9);
    for (int t = 0; t < tables; ++t)
        problem.AddTable(t + 1, 2 + below(13));
    const int groups = 1 + below(10);
    for (int g = 0; g < groups; ++g)
        problem.AddGroup("G" + std::to_string(g));

    const int lines = 5 + below(66);
    const int names = std::max(3, lines - below(6)); // a few namesakes
    std::vector<SLine> made;
    for (int i = 0; i < lines; ++i)
    {
        const std::string name = "Name" + std::to_string(below(names));
        const int people = below(25) == 0 ? 15 + below(5) : below(6);
        const int group = below(10) == 0 ? CSeatingProblem::kNoGroup : below(groups);
        const bool locked = below(8) == 0;
        const int table = tables > 0 && below(2) == 0 ? below(tables) : kUnseated;
        made.push_back(MakeLine(name, people, group, table, locked));
    }
    const int pairs = below(lines / 2 + 1);
    for (int p = 0; p < pairs; ++p)
    {
        SLine& from = made[static_cast<std::size_t>(below(lines))];
        const SLine& to = made[static_cast<std::size_t>(below(lines))];
        if (&from != &to || below(4) == 0)
            from.restricted.push_back(to.fullName);
    }
    for (SLine& line : made)
        problem.AddLine(std::move(line));
    problem.Finish();
    return problem;
}

bool Lists(const SLine& line, const std::string& name)
{
    return std::find(line.restricted.begin(), line.restricted.end(), name) != line.restricted.end();
}

int LargestTable(const CSeatingProblem& problem)
{
    int largest = problem.MaxNewTables() > 0 ? problem.DefaultSeats() : 0;
    for (int t = 0; t < problem.TableCount(); ++t)
        largest = std::max(largest, problem.Table(t).seats);
    return largest;
}

// The hard rules and the plan's own account of itself, by brute force.
void ExpectSoundPlan(const CSeatingProblem& problem, const SSeatingPlan& plan)
{
    const int tables = problem.TableCount() + static_cast<int>(plan.newTableGroups.size());
    ASSERT_EQ(plan.seat.size(), static_cast<std::size_t>(problem.LineCount()));
    std::map<int, long long> people;
    std::set<int> used;
    for (int i = 0; i < problem.LineCount(); ++i)
    {
        const SLine& line = problem.Line(i);
        const int at = plan.seat[static_cast<std::size_t>(i)];
        if (line.locked)
            EXPECT_EQ(at, line.table) << "locked line " << i << " moved";
        else
            ASSERT_TRUE(at == kUnseated || (at >= 0 && at < tables)) << i;
        if (at != kUnseated)
        {
            people[at] += line.people;
            used.insert(at);
        }
    }
    for (int t = problem.TableCount(); t < tables; ++t)
        EXPECT_EQ(used.count(t), 1u) << "new table " << t << " is made but empty";

    std::set<std::pair<int, std::string>> groupTables;
    long long pairs = 0, honoured = 0;
    for (int i = 0; i < problem.LineCount(); ++i)
    {
        const SLine& line = problem.Line(i);
        const int at = plan.seat[static_cast<std::size_t>(i)];
        if (at != kUnseated && line.group != CSeatingProblem::kNoGroup)
            groupTables.insert({line.group, std::to_string(at)});
        if (at != kUnseated && !line.locked)
        {
            const int seats =
                at < problem.TableCount() ? problem.Table(at).seats : problem.DefaultSeats();
            EXPECT_LE(people[at], seats) << "table " << at << " overfull with line " << i;
        }
        for (int j = i + 1; j < problem.LineCount(); ++j)
        {
            const SLine& other = problem.Line(j);
            if (!Lists(line, other.fullName) && !Lists(other, line.fullName))
                continue;
            ++pairs;
            const bool together = at != kUnseated && at == plan.seat[static_cast<std::size_t>(j)];
            honoured += together ? 0 : 1;
            EXPECT_FALSE(together && !(line.locked && other.locked))
                << "lines " << i << " and " << j << " must not meet at " << at;
        }
    }

    // The conflict report: exactly the free lines left unseated, each with its reason.
    std::vector<SSeatConflict> expected;
    for (int i = 0; i < problem.LineCount(); ++i)
    {
        const SLine& line = problem.Line(i);
        if (line.locked || plan.seat[static_cast<std::size_t>(i)] != kUnseated)
            continue;
        ESeatConflict reason = ESeatConflict::NoRoom;
        if (!line.fullName.empty() && Lists(line, line.fullName))
            reason = ESeatConflict::SelfRestricted;
        else if (line.people > LargestTable(problem))
            reason = ESeatConflict::TooLarge;
        expected.push_back({i, reason});
        // A new table can always take a line that fits one and names nobody at an empty table.
        if (reason == ESeatConflict::NoRoom && problem.MaxNewTables() >= problem.LineCount())
        {
            EXPECT_GT(line.people, problem.DefaultSeats()) << "line " << i << " was not seated";
        }
    }
    ASSERT_EQ(plan.conflicts.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
    {
        EXPECT_EQ(plan.conflicts[k].line, expected[k].line);
        EXPECT_EQ(plan.conflicts[k].reason, expected[k].reason) << "line " << expected[k].line;
    }

    std::map<int, int> tablesOfGroup;
    for (const auto& entry : groupTables)
        ++tablesOfGroup[entry.first];
    int split = 0;
    for (const auto& entry : tablesOfGroup)
        split += entry.second > 1 ? 1 : 0;
    const SPlanSummary& summary = plan.summary;
    EXPECT_EQ(summary.tablesUsed, static_cast<int>(used.size()));
    EXPECT_EQ(summary.groupsSplit, split);
    EXPECT_EQ(summary.linesSeated + summary.linesUnseated, problem.LineCount());
    EXPECT_EQ(summary.restrictedPairs, pairs);
    EXPECT_EQ(summary.restrictionsHonoured, honoured);
    EXPECT_TRUE(problem.LinesBreakingRules(plan.seat, tables - problem.TableCount()).empty());
}

SSeatingPlan Optimise(const CSeatingProblem& problem, long long iterations, std::uint64_t seed = 1)
{
    SOptimiserOptions options;
    options.iterations = iterations;
    options.seed = seed;
    return CSeatingOptimiser(problem, options).Run();
}

// The people at each table the plan uses, by table index.
std::map<int, int> PeopleAt(const CSeatingProblem& problem, const SSeatingPlan& plan)
{
    std::map<int, int> people;
    for (int i = 0; i < problem.LineCount(); ++i)
        if (plan.seat[static_cast<std::size_t>(i)] != kUnseated)
            people[plan.seat[static_cast<std::size_t>(i)]] += problem.Line(i).people;
    return people;
}
} // namespace

TEST(OptimiserTest, RandomEventsKeepEveryHardRule)
{
    for (unsigned seed = 1; seed <= 32; ++seed)
    {
        SCOPED_TRACE("event " + std::to_string(seed));
        const CSeatingProblem problem = RandomProblem(seed);
        ExpectSoundPlan(problem, Optimise(problem, 100, seed));
        if (HasFatalFailure())
            return;
    }
}

TEST(OptimiserTest, TheSameSeedAndStepsGiveTheSamePlan)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
    {
        const CSeatingProblem problem = RandomProblem(seed * 7);
        const SSeatingPlan first = Optimise(problem, 100, seed);
        const SSeatingPlan again = Optimise(problem, 100, seed);
        EXPECT_EQ(first.seat, again.seat) << seed;
        EXPECT_EQ(first.newTableGroups, again.newTableGroups) << seed;
        EXPECT_EQ(first.iterations, 100);

        // A time limit that is never reached changes nothing.
        SOptimiserOptions options;
        options.iterations = 100;
        options.seed = seed;
        options.seconds = 3600;
        EXPECT_EQ(CSeatingOptimiser(problem, options).Run().seat, first.seat) << seed;
    }
}

TEST(OptimiserTest, AStopKeepsTheBestValidPlanFoundSoFar)
{
    const CSeatingProblem problem = RandomProblem(5);
    std::atomic<bool> stop{true};
    std::vector<int> percents;
    SOptimiserOptions options;
    options.iterations = 200;
    options.stop = &stop;
    options.progress = [&percents](int percent) { percents.push_back(percent); };
    const SSeatingPlan stopped = CSeatingOptimiser(problem, options).Run();
    EXPECT_TRUE(stopped.stoppedEarly);
    EXPECT_EQ(stopped.iterations, 0);
    ExpectSoundPlan(problem, stopped);
    EXPECT_EQ(percents, std::vector<int>{100});

    stop = false;
    percents.clear();
    const SSeatingPlan full = CSeatingOptimiser(problem, options).Run();
    EXPECT_FALSE(full.stoppedEarly);
    EXPECT_EQ(full.iterations, 200);
    ASSERT_FALSE(percents.empty());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);

    options.stop = nullptr;
    options.seconds = 1e-9;
    EXPECT_TRUE(CSeatingOptimiser(problem, options).Run().stoppedEarly);
}

TEST(OptimiserTest, AnEventWithNothingToMoveGivesAnEmptyPlan)
{
    CSeatingProblem empty(10, 100);
    empty.Finish();
    SSeatingPlan plan = Optimise(empty, 50);
    EXPECT_TRUE(plan.seat.empty());
    EXPECT_TRUE(plan.newTableGroups.empty());
    EXPECT_EQ(plan.summary.tablesUsed, 0);

    CSeatingProblem locked(10, 100);
    locked.AddTable(1, 4);
    locked.AddLine(MakeLine("Dan", 6, CSeatingProblem::kNoGroup, 0, true));
    locked.Finish();
    plan = Optimise(locked, 50);
    ExpectSoundPlan(locked, plan);
    EXPECT_EQ(plan.seat, std::vector<int>{0});
    EXPECT_EQ(plan.iterations, 0) << "nothing may move, so nothing is searched";
}

TEST(OptimiserTest, ConflictsAreReportedAndTheRestIsSeated)
{
    // No new tables: two tables of 4 and 3 seats.
    CSeatingProblem problem(10, 0);
    problem.AddTable(1, 4);
    problem.AddTable(2, 3);
    const int family = problem.AddGroup("Family");
    problem.AddLine(MakeLine("Dan Levi", 2, family, kUnseated, false, {"Dan Levi"}));
    problem.AddLine(MakeLine("Big", 5, family));
    problem.AddLine(MakeLine("Noa", 2, family, kUnseated, false, {"Ron"}));
    problem.AddLine(MakeLine("Ron", 3, family));
    problem.AddLine(MakeLine("Tal", 2));
    problem.AddLine(MakeLine("Avi", 3)); // 10 people fit in 7 seats: someone has no room
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 500);
    ExpectSoundPlan(problem, plan);
    ASSERT_GE(plan.conflicts.size(), 3u);
    EXPECT_EQ(plan.conflicts[0].line, 0);
    EXPECT_EQ(plan.conflicts[0].reason, ESeatConflict::SelfRestricted);
    EXPECT_EQ(plan.conflicts[1].line, 1);
    EXPECT_EQ(plan.conflicts[1].reason, ESeatConflict::TooLarge);
    EXPECT_EQ(plan.conflicts[2].reason, ESeatConflict::NoRoom);
    EXPECT_EQ(plan.summary.linesSeated, 3) << "both tables full: 2 + 2 and 3";
    EXPECT_EQ(PeopleAt(problem, plan), (std::map<int, int>{{0, 4}, {1, 3}}));
}

TEST(OptimiserTest, AnUnseatedLineGetsRoomWhenAnotherMoves)
{
    // The greedy start gives the line of 2 the big table, leaving no room for the line of 4.
    CSeatingProblem problem(10, 0);
    problem.AddTable(1, 4);
    problem.AddTable(2, 2);
    problem.AddLine(MakeLine("Pair", 2));
    problem.AddLine(MakeLine("Four", 4));
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 200);
    ExpectSoundPlan(problem, plan);
    EXPECT_EQ(plan.seat, (std::vector<int>{1, 0}));
    EXPECT_TRUE(plan.conflicts.empty());
}

TEST(OptimiserTest, LockedLinesKeepTheirTablesAndOthersAvoidTheirRestrictions)
{
    CSeatingProblem problem(10, 100);
    problem.AddTable(1, 4);
    problem.AddTable(2, 10);
    const int friends = problem.AddGroup("Friends");
    // Locked over the seats by the user's choice: nobody else may join.
    problem.AddLine(MakeLine("Owner", 5, friends, 0, true));
    problem.AddLine(MakeLine("Boss", 2, CSeatingProblem::kNoGroup, 1, true));
    problem.AddLine(MakeLine("Dana", 2, friends, 1, false, {"Boss"}));
    problem.AddLine(MakeLine("Gil", 0, friends, 0));
    problem.AddLine(MakeLine("Still", 1, CSeatingProblem::kNoGroup, kUnseated, true));
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 300);
    ExpectSoundPlan(problem, plan);
    EXPECT_EQ(plan.seat[0], 0);
    EXPECT_EQ(plan.seat[1], 1);
    EXPECT_NE(plan.seat[2], 1) << "Dana must not meet the boss";
    EXPECT_NE(plan.seat[2], kUnseated);
    EXPECT_NE(plan.seat[3], 0) << "a table over its seats takes nobody, even nobody's line";
    EXPECT_EQ(plan.seat[4], kUnseated) << "a locked unseated line stays unseated";
    EXPECT_TRUE(plan.conflicts.empty()) << "locked lines are not conflicts";
}

TEST(OptimiserTest, SmallGroupsSitWholeAndShareTables)
{
    // Rebuilding with no table kept: groups of 7, 3, 6 and 2 people, tables of 10.
    CSeatingProblem problem(10, 100);
    const std::vector<std::vector<int>> groups = {{2, 2, 2, 1}, {1, 2}, {3, 3}, {2}};
    for (std::size_t g = 0; g < groups.size(); ++g)
    {
        const int group = problem.AddGroup("G" + std::to_string(g));
        for (const int people : groups[g])
            problem.AddLine(MakeLine("L" + std::to_string(problem.LineCount()), people, group));
    }
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 500);
    ExpectSoundPlan(problem, plan);
    EXPECT_EQ(plan.summary.groupsSplit, 0);
    EXPECT_EQ(plan.summary.tablesUsed, 2) << "18 people need two tables of ten";
    for (const auto& [table, people] : PeopleAt(problem, plan))
        EXPECT_EQ(people, 9) << "evenly filled: table " << table;
}

TEST(OptimiserTest, ALargeGroupIsSpreadEvenlyOverTheFewestTables)
{
    // 16 people need two tables of ten; the greedy start gives 9 and 7, the search 8 and 8.
    CSeatingProblem problem(10, 100);
    const int group = problem.AddGroup("Family");
    for (const int people : {6, 3, 3, 2, 2})
        problem.AddLine(MakeLine("L" + std::to_string(problem.LineCount()), people, group));
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 300);
    ExpectSoundPlan(problem, plan);
    EXPECT_EQ(PeopleAt(problem, plan), (std::map<int, int>{{0, 8}, {1, 8}}));
}

TEST(OptimiserTest, AGroupsExistingTablesEndUpNextToEachOther)
{
    // Four tables of ten; another group's locked line sits at the second. The group of 20 needs
    // two whole tables: the third and fourth, not the first and third.
    CSeatingProblem problem(10, 100);
    for (int id = 1; id <= 4; ++id)
        problem.AddTable(id, 10);
    const int group = problem.AddGroup("Family");
    const int other = problem.AddGroup("Work");
    problem.AddLine(MakeLine("Boss", 1, other, 1, true));
    for (int i = 0; i < 10; ++i)
        problem.AddLine(MakeLine("L" + std::to_string(i), 2, group));
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 300);
    ExpectSoundPlan(problem, plan);
    std::set<int> tables;
    for (int i = 1; i < problem.LineCount(); ++i)
        tables.insert(plan.seat[static_cast<std::size_t>(i)]);
    EXPECT_EQ(tables, (std::set<int>{2, 3}));
    EXPECT_TRUE(plan.newTableGroups.empty()) << "the event's tables come before new ones";
}

TEST(OptimiserTest, NewTablesFollowTheirGroupsInOrder)
{
    CSeatingProblem problem(4, 100);
    for (int g = 0; g < 3; ++g)
    {
        const int group = problem.AddGroup("G" + std::to_string(g));
        for (int i = 0; i < 7; ++i)
            problem.AddLine(MakeLine("G" + std::to_string(g) + "L" + std::to_string(i), 1, group));
    }
    problem.Finish();
    const SSeatingPlan plan = Optimise(problem, 300);
    ExpectSoundPlan(problem, plan);
    // Each group's tables are consecutive, in group order.
    for (int g = 0; g < 3; ++g)
    {
        std::set<int> tables;
        for (int i = 0; i < 7; ++i)
            tables.insert(plan.seat[static_cast<std::size_t>(g * 7 + i)]);
        EXPECT_EQ(*tables.rbegin() - *tables.begin() + 1, static_cast<int>(tables.size())) << g;
    }
    EXPECT_TRUE(std::is_sorted(plan.newTableGroups.begin(), plan.newTableGroups.end()));
}
