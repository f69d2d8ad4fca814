// The undo history over a generated event of 10,000 guest lines (one group per 20 lines, one
// table per 10, all seated): what it costs in memory and time to keep 100 single-guest edits and
// one "All Guests" arrangement, and to take them back. Memory is the heap in use (glibc's
// mallinfo2) after the steps minus before them, so it counts every byte the history holds;
// "estimate" is the history's own figure, the one its byte budget is checked against.

#include "BenchEvent.h"
#include "edits/GuestEdits.h"
#include "edits/TableEdits.h"
#include "model/Guest.h"
#include "store/NewOrvDoc.h"
#include "store/UndoHistory.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>
#include <string>

namespace
{
constexpr int kLines = 10000;
constexpr int kSteps = 100;
constexpr double kMegabyte = 1024.0 * 1024.0;

CBenchEvent& Event()
{
    static std::unique_ptr<CBenchEvent> event;
    if (!event)
    {
        SBenchEventShape shape;
        shape.guestLines = kLines;
        event = std::make_unique<CBenchEvent>(shape);
        event->Doc().GetUndoHistory().Clear();
    }
    return *event;
}

double HeapInUse()
{
    return static_cast<double>(mallinfo2().uordblks);
}

// 100 steps, each one guest's phone number changed through the guests view's in-place edit.
void BM_HundredSingleGuestEdits(benchmark::State& state)
{
    CNewOrvDoc& doc = Event().Doc();
    CUndoHistory& history = doc.GetUndoHistory();
    double heap = 0.0;
    int round = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        history.Clear();
        const double before = HeapInUse();
        ++round;
        state.ResumeTiming();
        for (int i = 0; i < kSteps; ++i)
        {
            CGuest* guest = doc.GetGuestAt(i * (kLines / kSteps));
            Edits::EditGuestField(doc, guest, Edits::EGuestField::Phone,
                                  "050-" + std::to_string(round * 1000 + i), nullptr);
            history.CloseStep();
        }
        state.PauseTiming();
        heap = HeapInUse() - before;
        state.ResumeTiming();
    }
    state.counters["steps"] = static_cast<double>(history.UndoCount());
    state.counters["heap_MB"] = heap / kMegabyte;
    state.counters["estimate_MB"] = static_cast<double>(history.EstimatedBytes()) / kMegabyte;
}

// One "All Guests" arrangement as a step (the arrangement's own time included).
void BM_ArrangementStep(benchmark::State& state)
{
    CNewOrvDoc& doc = Event().Doc();
    CUndoHistory& history = doc.GetUndoHistory();
    double heap = 0.0;
    for (auto _ : state)
    {
        state.PauseTiming();
        history.Clear();
        const double before = HeapInUse();
        state.ResumeTiming();
        Edits::ArrangeAllGuests(doc);
        history.CloseStep();
        state.PauseTiming();
        heap = HeapInUse() - before;
        state.ResumeTiming();
    }
    state.counters["heap_MB"] = heap / kMegabyte;
    state.counters["estimate_MB"] = static_cast<double>(history.EstimatedBytes()) / kMegabyte;
}

// Taking an arrangement back and forward again (the views' refresh not included).
void BM_UndoRedoArrangement(benchmark::State& state)
{
    CNewOrvDoc& doc = Event().Doc();
    CUndoHistory& history = doc.GetUndoHistory();
    history.Clear();
    Edits::ArrangeAllGuests(doc);
    history.CloseStep();
    for (auto _ : state)
    {
        doc.Undo();
        doc.Redo();
    }
    history.Clear();
}
} // namespace

BENCHMARK(BM_HundredSingleGuestEdits)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ArrangementStep)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_UndoRedoArrangement)->Unit(benchmark::kMillisecond);
