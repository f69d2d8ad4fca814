// The tables view after an automatic arrangement of a large event: 10,000 guest lines in 100
// groups seated at about 1,000 tables. The arrangement sends a hint per table and per guest; the
// view must turn them into one refresh, and that refresh must stay well under 100 ms.
//
//   velloran_bench_tables_view [--benchmark_...]
//
// Runs offscreen; the event lives in a temporary folder removed at the end.

#include "budget/DefaultContent.h"
#include "model/Guest.h"
#include "platform/Language.h"
#include "platform/Prompt.h"
#include "seating/TableArrangement.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "ui/TablesModel.h"
#include "ui/TablesView.h"

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace
{
constexpr int kGuests = 10000;
constexpr int kGroups = 100;
// Coming counts 1, 2, 3 in turn (20,000 people) at 20 seats a table: about 1,000 tables.
constexpr int kTableSize = 20;

// Counts the paints of the tables list, to show that the timed refresh includes the repaint.
class CPaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

class CYesPrompt : public IPrompt
{
public:
    EAnswer Ask(const std::string&, const std::string&, EButtons buttons) override
    {
        return buttons == EButtons::Ok ? EAnswer::Ok : EAnswer::Yes;
    }
};

// A generated event in a temporary data root, with the tables view shown over it.
class CBenchEvent
{
public:
    CBenchEvent()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velloran-bench-XXXXXX").string();
        m_root = mkdtemp(pattern.data());
        SetUiLanguage(ELanguage::English);
        m_folders = std::make_unique<CProgramFolders>(m_root, m_root / "program", false, true);
        m_doc = std::make_unique<CNewOrvDoc>(*m_folders, m_prompt);
        m_doc->SetDefaultContentSource(&m_defaults);
        m_doc->OnNewDocument();
        m_doc->GetSettings().SetGuestsPerTable(kTableSize);
        for (int g = 0; g < kGroups; ++g)
            m_doc->AddGroup("Group " + std::to_string(g));
        for (int i = 0; i < kGuests; ++i)
        {
            CGuest* guest = m_doc->AddGuest("Guest" + std::to_string(i), "Family");
            guest->SetGroupName("Group " + std::to_string(i % kGroups));
            guest->SetComingCount(1 + i % 3);
        }
        m_view = std::make_unique<CTablesView>(*m_doc);
        m_view->resize(1280, 800);
        m_view->show();
        QApplication::processEvents();
        CTablesModel* model = m_view->TablesModel();
        QObject::connect(model, &CTablesModel::modelReset, [this] { ++m_rebuilds; });
        QObject::connect(model, &CTablesModel::dataChanged, [this] { ++m_rebuilds; });
        m_view->TablesList()->viewport()->installEventFilter(&m_paints);
    }

    ~CBenchEvent()
    {
        m_view.reset();
        m_doc.reset();
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    CNewOrvDoc& Doc() { return *m_doc; }
    CTablesView& View() { return *m_view; }
    int TakeRebuilds() { return std::exchange(m_rebuilds, 0); }
    int TakePaints() { return std::exchange(m_paints.paints, 0); }

private:
    std::filesystem::path m_root;
    CYesPrompt m_prompt;
    CDefaultContent m_defaults;
    std::unique_ptr<CProgramFolders> m_folders;
    std::unique_ptr<CNewOrvDoc> m_doc;
    std::unique_ptr<CTablesView> m_view;
    int m_rebuilds = 0;
    CPaintCounter m_paints;
};

// Made by main() once the application object exists, and gone before it.
CBenchEvent* g_event = nullptr;

CBenchEvent& Event()
{
    return *g_event;
}

// Only the refresh: the arrangement runs untimed, then the queued refresh (and the repaint it
// causes) runs in the event loop.
void BM_RefreshAfterArrangement(benchmark::State& state)
{
    CBenchEvent& event = Event();
    int rebuilds = 0;
    int paints = 0;
    for (auto _ : state)
    {
        state.PauseTiming();
        ArrangeAllGuests(event.Doc());
        event.TakeRebuilds(); // the drop on HINT_TABLES_REMOVING
        event.TakePaints();
        state.ResumeTiming();
        QApplication::processEvents();
        rebuilds += event.TakeRebuilds();
        paints += event.TakePaints();
    }
    state.counters["tables"] = event.View().TablesModel()->rowCount() - 1;
    state.counters["rebuilds"] = benchmark::Counter(rebuilds, benchmark::Counter::kAvgIterations);
    state.counters["paints"] = benchmark::Counter(paints, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RefreshAfterArrangement)->Unit(benchmark::kMillisecond)->Iterations(20);

// The whole command as the user sees it: the arrangement with the view taking its hints, then
// the refresh.
void BM_ArrangementWithView(benchmark::State& state)
{
    CBenchEvent& event = Event();
    for (auto _ : state)
    {
        ArrangeAllGuests(event.Doc());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ArrangementWithView)->Unit(benchmark::kMillisecond)->Iterations(10);
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
        CBenchEvent event;
        g_event = &event;
        benchmark::RunSpecifiedBenchmarks();
        g_event = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
