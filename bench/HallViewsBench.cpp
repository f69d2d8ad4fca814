// The seat arrangement and hall layout views over 1,000 tables and 10,000 guest lines, on the real
// widgets (offscreen platform, each view shown at 1280x800); every measured step ends with the
// repaint it causes.
//   hall_views_bench [benchmark options]

#include "BenchEvent.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "seating/HallLayout.h"
#include "store/NewOrvDoc.h"
#include "ui/GanDesignView.h"
#include "ui/GrapicTablesView.h"
#include "ui/HallScene.h"
#include "ui/SeatingScene.h"

#include <QApplication>
#include <QGraphicsView>
#include <QScrollBar>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

namespace
{
SBenchEventShape Shape()
{
    SBenchEventShape shape;
    shape.guestLines = 10000;
    shape.linesPerTable = 10; // 1,000 tables
    shape.seatsPerTable = 20; // room for a dropped guest: no question
    return shape;
}

struct SViews
{
    CBenchEvent event{Shape()};
    std::unique_ptr<CGrapicTablesView> board;
    std::unique_ptr<CGanDesignView> hall;

    SViews()
    {
        board = std::make_unique<CGrapicTablesView>(event.Doc());
        hall = std::make_unique<CGanDesignView>(event.Doc());
        for (QWidget* view :
             {static_cast<QWidget*>(board.get()), static_cast<QWidget*>(hall.get())})
        {
            view->resize(1280, 800);
            view->show();
        }
        QApplication::processEvents();
        hall->HideHelp();
        board->FlushRefresh();
        hall->FlushRefresh();
    }
};

SViews* g_views = nullptr;

void Repaint(QGraphicsView* canvas)
{
    canvas->viewport()->repaint();
}

// A guest line dragged from the first table's cell onto the second's and back, as the drop
// handler runs it: the seating check, the two cells loaded again, the repaint.
void BM_BoardGuestDrop(benchmark::State& state)
{
    CNewOrvDoc& doc = g_views->event.Doc();
    CGrapicTablesView& board = *g_views->board;
    CTable* first = doc.GetTableAt(1);
    CTable* second = doc.GetTableAt(2);
    std::vector<CGuest*> guests;
    doc.GetGuestsAtTable(first->GetId(), guests, false);
    CGuest* guest = guests.front();
    bool there = false;
    for (auto _ : state)
    {
        if (!board.DropGuest(guest, there ? first : second))
            state.SkipWithError("the drop was refused");
        there = !there;
        Repaint(board.Canvas());
    }
    // What other views do with the drop's hints happens later, once: not part of the answer.
    QApplication::processEvents();
}
BENCHMARK(BM_BoardGuestDrop)->Unit(benchmark::kMillisecond)->Iterations(50);

// Another view's change: the board built again (1,001 cells and their sorted lines), repainted.
void BM_BoardRebuild(benchmark::State& state)
{
    CGrapicTablesView& board = *g_views->board;
    for (auto _ : state)
    {
        g_views->event.Doc().UpdateAllViews(nullptr, HINT_RECORD_CHANGED);
        board.FlushRefresh();
        Repaint(board.Canvas());
    }
    state.counters["cells"] = static_cast<double>(board.Scene()->Cells().size());
}
BENCHMARK(BM_BoardRebuild)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_BoardScrollPage(benchmark::State& state)
{
    QScrollBar* bar = g_views->board->Canvas()->verticalScrollBar();
    for (auto _ : state)
    {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        Repaint(g_views->board->Canvas());
    }
}
BENCHMARK(BM_BoardScrollPage)->Unit(benchmark::kMillisecond)->Iterations(100);

// The hall with 1,000 table objects: built again, repainted.
void BM_HallRebuild(benchmark::State& state)
{
    CGanDesignView& hall = *g_views->hall;
    for (auto _ : state)
    {
        g_views->event.Doc().UpdateAllViews(nullptr, HINT_RECORD_CHANGED);
        hall.FlushRefresh();
        Repaint(hall.Canvas());
    }
    state.counters["objects"] = static_cast<double>(hall.Scene()->Items().size());
}
BENCHMARK(BM_HallRebuild)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_HallScrollPage(benchmark::State& state)
{
    QScrollBar* bar = g_views->hall->Canvas()->verticalScrollBar();
    for (auto _ : state)
    {
        const int next = bar->value() + bar->pageStep();
        bar->setValue(next > bar->maximum() ? 0 : next);
        Repaint(g_views->hall->Canvas());
    }
}
BENCHMARK(BM_HallScrollPage)->Unit(benchmark::kMillisecond)->Iterations(100);

// An arrow key on a selected table: the edit, the item moved, the repaint.
void BM_HallNudge(benchmark::State& state)
{
    CGanDesignView& hall = *g_views->hall;
    hall.SelectObject(SHallObject::Of(g_views->event.Doc().GetTableAt(1)));
    bool right = true;
    for (auto _ : state)
    {
        hall.Nudge(right ? EHallNudge::Right : EHallNudge::Left);
        right = !right;
        Repaint(hall.Canvas());
    }
    QApplication::processEvents();
}
BENCHMARK(BM_HallNudge)->Unit(benchmark::kMillisecond)->Iterations(100);
} // namespace

int main(int argc, char** argv)
{
    // Before the application object exists: no display is needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    {
        SViews views;
        g_views = &views;
        benchmark::RunSpecifiedBenchmarks();
        g_views = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
