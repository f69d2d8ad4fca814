// The optimised table arrangement against the greedy "All Guests" on generated weddings: 400 guest
// lines in 50 groups with 40 restricted pairs, and 10,000 lines in 1,250 groups with 1,000 pairs.
// Lines come 1 to 5 people (mostly couples), groups 1 to 30 lines (a few large families, many
// small circles), tables of ten. Each run reports the plan's figures as counters: tables used,
// groups split (and how many of them a restricted pair inside the group forces apart), lines left
// unseated, the mean fill of the used tables and the share of tables filled to 80 % or more.
//
//   BM_Optimise/<lines>/<steps>    the search with that many steps (0: the default for the size)
//   BM_GreedyStart/<lines>         the search stopped at once: the greedy start, already valid
//   BM_AllGuests/<lines>           the greedy arrangement on the same event

#include "BenchEvent.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "seating/SeatingOptimiser.h"
#include "seating/SeatingProblem.h"
#include "seating/TableArrangement.h"
#include "store/NewOrvDoc.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <random>
#include <set>

namespace
{
// The wedding of that many lines, made once.
CBenchEvent& Wedding(int lines)
{
    static std::map<int, std::unique_ptr<CBenchEvent>> events;
    auto& event = events[lines];
    if (event)
        return *event;
    SBenchEventShape shape;
    shape.guestLines = lines;
    shape.linesPerGroup = 8; // 50 groups per 400 lines
    shape.linesPerTable = 0;
    shape.seated = false;
    shape.restrictedEvery = 0;
    shape.seatsPerTable = 10;
    event = std::make_unique<CBenchEvent>(shape);

    CNewOrvDoc& doc = event->Doc();
    std::mt19937 random(static_cast<unsigned>(lines));
    const int groups = doc.GetGroupCount();
    // Group sizes: a few large families, many small circles (sizes drawn, then lines dealt out).
    std::vector<int> groupOf;
    for (int g = 0; g < groups; ++g)
        groupOf.push_back(g); // every group gets at least one line
    std::discrete_distribution<int> weight({50, 25, 15, 10});
    const int sizes[] = {4, 8, 14, 24};
    std::vector<int> wanted;
    for (int g = 0; g < groups; ++g)
        wanted.push_back(sizes[weight(random)]);
    while (static_cast<int>(groupOf.size()) < lines)
    {
        const int g = static_cast<int>(random() % static_cast<unsigned>(groups));
        if (random() % 30 < static_cast<unsigned>(wanted[static_cast<std::size_t>(g)]))
            groupOf.push_back(g);
    }
    std::shuffle(groupOf.begin(), groupOf.end(), random);
    std::discrete_distribution<int> people({0, 30, 45, 10, 10, 5});
    for (int i = 0; i < lines; ++i)
    {
        CGuest* guest = doc.GetGuestAt(i);
        guest->SetComingCount(people(random));
        guest->SetGroupName(doc.GetGroupAt(groupOf[static_cast<std::size_t>(i)])->GetName());
    }
    for (int pair = 0; pair < lines / 10; ++pair)
    {
        CGuest* a = doc.GetGuestAt(static_cast<int>(random() % static_cast<unsigned>(lines)));
        CGuest* b = doc.GetGuestAt(static_cast<int>(random() % static_cast<unsigned>(lines)));
        if (a != b && !a->IsRestricted(b->GetFullName()))
            a->AddRestricted(b->GetFullName(), false);
        else
            --pair;
    }
    return *event;
}

// The counters of a seating of the problem.
void Report(benchmark::State& state, const CSeatingProblem& problem, const std::vector<int>& seat)
{
    const SPlanSummary summary = problem.Summarise(seat);
    std::map<int, long long> people;
    std::set<int> forced;
    for (int i = 0; i < problem.LineCount(); ++i)
    {
        if (seat[static_cast<std::size_t>(i)] != CSeatingProblem::kUnseated)
            people[seat[static_cast<std::size_t>(i)]] += problem.Line(i).people;
        for (int j = i + 1; j < problem.LineCount(); ++j)
            if (problem.Line(i).group == problem.Line(j).group && problem.MustNotMeet(i, j))
                forced.insert(problem.Line(i).group);
    }
    double fill = 0.0;
    int full = 0;
    for (const auto& [table, count] : people)
    {
        const double share = static_cast<double>(count) / problem.SeatsOf(table);
        fill += share;
        full += share >= 0.8 ? 1 : 0;
    }
    state.counters["tables"] = summary.tablesUsed;
    state.counters["split"] = summary.groupsSplit;
    std::set<std::pair<int, int>> groupTables;
    for (int i = 0; i < problem.LineCount(); ++i)
        if (seat[static_cast<std::size_t>(i)] != CSeatingProblem::kUnseated)
            groupTables.insert({problem.Line(i).group, seat[static_cast<std::size_t>(i)]});
    state.counters["groupTables"] = static_cast<double>(groupTables.size());
    state.counters["splitForced"] = static_cast<double>(forced.size());
    state.counters["unseated"] = summary.linesUnseated;
    state.counters["fill%"] =
        people.empty() ? 0.0 : 100.0 * fill / static_cast<double>(people.size());
    state.counters["full%"] =
        people.empty() ? 0.0 : 100.0 * full / static_cast<double>(people.size());
    state.counters["honoured"] =
        static_cast<double>(summary.restrictionsHonoured) / std::max(1LL, summary.restrictedPairs);
}

void BM_Optimise(benchmark::State& state)
{
    CNewOrvDoc& doc = Wedding(static_cast<int>(state.range(0))).Doc();
    SSeatingPlan plan;
    std::unique_ptr<CSeatingProblem> problem;
    for (auto _ : state)
    {
        problem = std::make_unique<CSeatingProblem>(CSeatingProblem::FromDocument(doc, true));
        SOptimiserOptions options;
        options.iterations = state.range(1);
        plan = CSeatingOptimiser(*problem, options).Run();
        benchmark::DoNotOptimize(plan.seat.data());
    }
    state.counters["steps"] = static_cast<double>(plan.iterations);
    Report(state, *problem, plan.seat);
}

void BM_GreedyStart(benchmark::State& state)
{
    CNewOrvDoc& doc = Wedding(static_cast<int>(state.range(0))).Doc();
    SSeatingPlan plan;
    std::unique_ptr<CSeatingProblem> problem;
    const std::atomic<bool> stop{true};
    for (auto _ : state)
    {
        problem = std::make_unique<CSeatingProblem>(CSeatingProblem::FromDocument(doc, true));
        SOptimiserOptions options;
        options.stop = &stop;
        plan = CSeatingOptimiser(*problem, options).Run();
        benchmark::DoNotOptimize(plan.seat.data());
    }
    Report(state, *problem, plan.seat);
}

void BM_AllGuests(benchmark::State& state)
{
    // A copy of the wedding's guests on an event of its own, so the others keep theirs unseated.
    static std::map<int, std::unique_ptr<CBenchEvent>> copies;
    const int lines = static_cast<int>(state.range(0));
    CNewOrvDoc& source = Wedding(lines).Doc();
    auto& copy = copies[lines];
    if (!copy)
    {
        SBenchEventShape shape = Wedding(lines).Shape();
        copy = std::make_unique<CBenchEvent>(shape);
        for (int i = 0; i < lines; ++i)
        {
            CGuest* guest = copy->Doc().GetGuestAt(i);
            guest->SetComingCount(source.GetGuestAt(i)->GetComingCount());
            guest->SetGroupName(source.GetGuestAt(i)->GetGroupName());
            guest->SetRestrictedList(source.GetGuestAt(i)->GetRestrictedList());
        }
    }
    CNewOrvDoc& doc = copy->Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(ArrangeAllGuests(doc));
    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, false);
    Report(state, problem, problem.CurrentSeating());
}
} // namespace

BENCHMARK(BM_GreedyStart)->Arg(400)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllGuests)->Arg(400)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Optimise)
    ->Args({400, 0})
    ->Args({10000, 20000})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
