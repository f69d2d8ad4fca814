// The guests view at 10,000 guest lines, measured on the real widgets (offscreen platform): the
// main frame is shown at 1280x800 and every measured step ends with the repaint it causes.
//   guests_view_bench [--guests N] [benchmark options]

#include "app/NewOrvApp.h"
#include "model/Guest.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "ui/GuestsTableModel.h"
#include "ui/GuestsView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/ViewCodes.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace
{
class CSilentPrompt : public IPrompt
{
public:
    EAnswer Ask(const std::string&, const std::string&, EButtons buttons) override
    {
        return buttons == EButtons::Ok ? EAnswer::Ok : EAnswer::Yes;
    }
};

// A wedding of `count` guest lines: names from small lists (so prefixes match many lines), the
// three relations, a dozen groups, mixed statuses and invitations.
void GenerateEvent(const SAppOptions& options, int count)
{
    static const char* const kFirst[] = {
        "Dana",  "David", "Ada",  "Michael", "Sarah", "Yossi", "Noa", "Avi",  "Rachel", "Daniel",
        "Tamar", "Eli",   "Maya", "Ron",     "Shira", "Benny", "Gil", "Orly", "Moshe",  "Lea"};
    static const char* const kFamily[] = {"Cohen",   "Levi",  "Mizrahi", "Peretz", "Biton",
                                          "Dahan",   "Katz",  "Shapiro", "Klein",  "Friedman",
                                          "Avraham", "Golan", "Segal",   "Amar",   "Baruch"};
    static const int kRelations[] = {IDS_RELATION_BRIDE, IDS_RELATION_GROOM, IDS_RELATION_MUTUAL};
    CSilentPrompt prompt;
    CNewOrvApp app(options, prompt);
    app.Initialize();
    app.OpenDocument();
    CNewOrvDoc& doc = app.GetDocument();
    for (int i = 0; i < 12; ++i)
        doc.AddGroup("Group " + std::to_string(i + 1));
    for (int i = 0; i < count; ++i)
    {
        CGuest* guest = doc.AddGuest(kFirst[i % 20],
                                     std::string(kFamily[(i / 20) % 15]) + std::to_string(i / 300));
        guest->SetRelation(LoadString(kRelations[i % 3]));
        guest->SetGroupName("Group " + std::to_string(i % 12 + 1));
        guest->SetInvitedCount(1 + i % 5);
        guest->SetComingCount(i % 6);
        guest->SetStatus(i % 4 == 0
                             ? CGuest::kStatusApproved
                             : (i % 7 == 0 ? CGuest::kStatusNotComing : CGuest::kStatusUnknown));
        guest->SetInvitationSent(i % 3 != 0);
    }
    doc.GetSettings().SetKeySetting("GroumName", "Avi");
    doc.GetSettings().SetKeySetting("BrideName", "Dana");
    doc.SaveEventData();
    doc.WriteShutdownState();
}

struct SFixture
{
    fs::path root;
    std::unique_ptr<CGuiSession> session;
    CGuestsView* view = nullptr;
};
SFixture* g_fixture = nullptr;

void Settle()
{
    QApplication::processEvents();
}

void TypeKey(QWidget* target, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// Switching from the groups view to the guests view while the guest list is stale (another view
// changed a guest): the rebuild of the list and the statistics, and the repaint.
void BM_SwitchToGuestsView(benchmark::State& state)
{
    CMainFrame& frame = *g_fixture->session->Frame();
    CNewOrvDoc& doc = g_fixture->session->App().GetDocument();
    for (auto _ : state)
    {
        state.PauseTiming();
        frame.ShowView(VIEW_GROUPS);
        Settle();
        doc.UpdateAllViews(nullptr, HINT_GUEST_CHANGED, doc.GetGuestAt(0));
        Settle();
        state.ResumeTiming();
        frame.ShowView(VIEW_GUESTS);
        Settle();
    }
    state.counters["rows"] = g_fixture->view->Model()->rowCount();
}

// One letter typed into the first-name filter ("D": about a fifth of the lines stay), with the
// model rebuild, the statistics and the repaint; Backspace (not measured) brings every line back.
void BM_FilterKeystroke(benchmark::State& state)
{
    QLineEdit* field = g_fixture->view->FirstNameFilter();
    for (auto _ : state)
    {
        TypeKey(field, Qt::Key_D, QStringLiteral("D"));
        Settle();
        state.PauseTiming();
        state.counters["rows"] = g_fixture->view->Model()->rowCount();
        TypeKey(field, Qt::Key_Backspace, QString());
        Settle();
        state.ResumeTiming();
    }
}

// The keystroke that widens the filter again: Backspace back to all 10,000 lines.
void BM_FilterBackspace(benchmark::State& state)
{
    QLineEdit* field = g_fixture->view->FirstNameFilter();
    for (auto _ : state)
    {
        state.PauseTiming();
        TypeKey(field, Qt::Key_D, QStringLiteral("D"));
        Settle();
        state.ResumeTiming();
        TypeKey(field, Qt::Key_Backspace, QString());
        Settle();
    }
    state.counters["rows"] = g_fixture->view->Model()->rowCount();
}

// The statistics table over every shown line.
void BM_RebuildStatistics(benchmark::State& state)
{
    for (auto _ : state)
    {
        g_fixture->view->RefreshStatistics();
        Settle();
    }
}

// Page down through the list with the repaint; the model must never be rebuilt for it.
void BM_ScrollPage(benchmark::State& state)
{
    QTableView* list = g_fixture->view->List();
    QScrollBar* bar = list->verticalScrollBar();
    int resets = 0;
    auto connection = QObject::connect(g_fixture->view->Model(), &QAbstractItemModel::modelReset,
                                       [&resets] { ++resets; });
    bar->setValue(0);
    for (auto _ : state)
    {
        bar->setValue(bar->value() + bar->pageStep());
        if (bar->value() >= bar->maximum())
            bar->setValue(0);
        list->viewport()->repaint();
    }
    QObject::disconnect(connection);
    if (resets != 0)
        state.SkipWithError("scrolling rebuilt the model");
}

BENCHMARK(BM_SwitchToGuestsView)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FilterBackspace)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RebuildStatistics)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMillisecond);
} // namespace

int main(int argc, char** argv)
{
    int guests = 10000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--guests")
            guests = std::atoi(argv[i + 1]);

    // Before the application object exists: the real widgets, no display.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char pattern[] = "/tmp/velloran-bench-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    SFixture fixture;
    fixture.root = pattern;
    setenv("HOME", fixture.root.c_str(), 1);
    setenv("XDG_DATA_HOME", (fixture.root / "xdg-data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (fixture.root / "xdg-config").c_str(), 1);

    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    SAppOptions options;
    options.language = ELanguage::English;
    options.dataRoot = fixture.root / "data";
    options.programDir = fixture.root / "program";
    GenerateEvent(options, guests);

    // Terms of use and tip of the day: accepted.
    CModalSeam::SetDialogHandler([](QDialog&) { return static_cast<int>(QDialog::Accepted); });
    fixture.session = std::make_unique<CGuiSession>(options);
    int exitCode = 0;
    if (!fixture.session->Start(exitCode, false))
        return 1;
    CMainFrame& frame = *fixture.session->Frame();
    frame.resize(1280, 800);
    frame.show();
    frame.ShowView(VIEW_GUESTS);
    Settle();
    fixture.view = static_cast<CGuestsView*>(frame.ActiveView());
    std::cerr << "guest lines: " << fixture.view->Model()->rowCount() << "\n";
    g_fixture = &fixture;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    g_fixture = nullptr;
    fixture.session->App().GetDocument().SetDataChanged(false);
    fixture.session.reset();
    CModalSeam::SetDialogHandler({});
    fs::remove_all(fixture.root);
    return 0;
}
