// The seating operations over generated events of 2,500 to 20,000 guest lines (one group per 20
// lines, one table per 10, all seated), each timed as a whole: one command, or one refresh of
// what the tables list shows. Questions are answered Yes.

#include "BenchEvent.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "seating/TableArrangement.h"
#include "store/NewOrvDoc.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{
// One event per benchmark and size, made once: generating it is slower than what is measured.
CBenchEvent& EventFor(const std::string& benchmark, int lines)
{
    static std::map<std::pair<std::string, int>, std::unique_ptr<CBenchEvent>> events;
    auto& event = events[{benchmark, lines}];
    if (!event)
    {
        SBenchEventShape shape;
        shape.guestLines = lines;
        event = std::make_unique<CBenchEvent>(shape);
    }
    return *event;
}

int Lines(const benchmark::State& state)
{
    return static_cast<int>(state.range(0));
}

void BM_ArrangeAllGuests(benchmark::State& state)
{
    CNewOrvDoc& doc = EventFor("all", Lines(state)).Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(ArrangeAllGuests(doc));
    state.counters["tables"] = doc.GetTableCount();
    state.SetComplexityN(Lines(state));
}

void BM_ArrangeTablelessGuests(benchmark::State& state)
{
    CNewOrvDoc& doc = EventFor("tableless", Lines(state)).Doc();
    for (auto _ : state)
    {
        state.PauseTiming();
        ArrangeAllGuests(doc);
        for (int i = 0; i < doc.GetGuestCount(); i += 2)
            doc.GetGuestAt(i)->SetTable(0);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ArrangeTablelessGuests(doc));
    }
    state.SetComplexityN(Lines(state));
}

// What the tables list shows of every table: the people coming and the guest lines, asked right
// after a change (the first question rebuilds what the index holds).
void TableCounts(benchmark::State& state, bool indexed)
{
    CNewOrvDoc& doc = EventFor(indexed ? "counts" : "counts walking", Lines(state)).Doc();
    doc.UseSeatingIndex(indexed);
    for (auto _ : state)
    {
        doc.SetDataChanged(true);
        long long sum = 0;
        for (int id = 0; id < doc.GetTableCount(); ++id)
            sum += doc.CountAtTable(id, IRecordOwner::kCountComing) + doc.CountLinesAtTable(id);
        benchmark::DoNotOptimize(sum);
    }
    state.SetComplexityN(Lines(state));
}

void BM_CountsOfEveryTable(benchmark::State& state)
{
    TableCounts(state, true);
}
void BM_CountsOfEveryTableWalking(benchmark::State& state)
{
    TableCounts(state, false);
}

// Every table's guests sorted by name, as the graphic seating view builds its cells.
void SortedLists(benchmark::State& state, bool indexed)
{
    CNewOrvDoc& doc = EventFor(indexed ? "lists" : "lists walking", Lines(state)).Doc();
    doc.UseSeatingIndex(indexed);
    std::vector<CGuest*> guests;
    for (auto _ : state)
    {
        doc.SetDataChanged(true);
        for (int id = 0; id < doc.GetTableCount(); ++id)
        {
            guests.clear();
            doc.GetGuestsAtTable(id, guests, true);
            benchmark::DoNotOptimize(guests.data());
        }
    }
    state.SetComplexityN(Lines(state));
}

void BM_SortedGuestsOfEveryTable(benchmark::State& state)
{
    SortedLists(state, true);
}
void BM_SortedGuestsOfEveryTableWalking(benchmark::State& state)
{
    SortedLists(state, false);
}

// Deleting table 1 renumbers every other table and moves nearly every guest; the table is put
// back between the timed runs.
void BM_DeleteTable1(benchmark::State& state)
{
    CNewOrvDoc& doc = EventFor("delete", Lines(state)).Doc();
    for (auto _ : state)
    {
        state.PauseTiming();
        CTable* first = doc.GetTableAt(1);
        const std::string name = first->GetName();
        const int place = first->GetHallNumber();
        const int seats = first->GetSeats();
        state.ResumeTiming();

        benchmark::DoNotOptimize(doc.DeleteTable(first));

        state.PauseTiming();
        CTable* again = doc.CreateTable(name, place, seats);
        doc.MoveTable(again->GetId(), 1);
        doc.MoveGuestsBetweenTables(0, 1);
        state.ResumeTiming();
    }
    state.SetComplexityN(Lines(state));
}

void Sizes(benchmark::internal::Benchmark* benchmark)
{
    for (int lines : {2500, 5000, 10000, 20000})
        benchmark->Arg(lines);
    benchmark->Unit(benchmark::kMillisecond);
}
} // namespace

BENCHMARK(BM_ArrangeAllGuests)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_ArrangeTablelessGuests)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_CountsOfEveryTable)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_SortedGuestsOfEveryTable)->Apply(Sizes)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_DeleteTable1)->Apply(Sizes)->Complexity(benchmark::oNLogN);
// The same lists without the index, for comparison: one walk of the guest list per table.
BENCHMARK(BM_CountsOfEveryTableWalking)->Apply(Sizes)->Complexity(benchmark::oNSquared);
BENCHMARK(BM_SortedGuestsOfEveryTableWalking)->Apply(Sizes)->Complexity(benchmark::oNSquared);
