// The check-in desk at 10,000 guest lines, measured on the real widgets (offscreen platform): the
// main frame in real-time mode is shown at 1280x800 with the desk, and every measured step ends
// with the repaint it causes.
//   realtime_view_bench [--guests N] [benchmark options]

#include "app/NewOrvApp.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/ProfileFile.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "ui/ArrivalDialog.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/RealTimeGuestsModel.h"
#include "ui/RealTimeView.h"
#include "ui/ViewCodes.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
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

// A wedding of `count` guest lines at tables of 12 seats, ten people planned a table: names from
// small lists (so a letter matches many lines), one line in twenty unseated, a third arrived.
void GenerateEvent(const SAppOptions& options, int count)
{
    static const char* const kFirst[] = {
        "Dana",  "David", "Ada",  "Michael", "Sarah", "Yossi", "Noa", "Avi",  "Rachel", "Daniel",
        "Tamar", "Eli",   "Maya", "Ron",     "Shira", "Benny", "Gil", "Orly", "Moshe",  "Lea"};
    static const char* const kFamily[] = {"Cohen",   "Levi",  "Mizrahi", "Peretz", "Biton",
                                          "Dahan",   "Katz",  "Shapiro", "Klein",  "Friedman",
                                          "Avraham", "Golan", "Segal",   "Amar",   "Baruch"};
    CSilentPrompt prompt;
    CNewOrvApp app(options, prompt);
    app.Initialize();
    app.OpenDocument();
    CNewOrvDoc& doc = app.GetDocument();
    int table = 0;
    int people = 10;
    for (int i = 0; i < count; ++i)
    {
        CGuest* guest = doc.AddGuest(kFirst[i % 20],
                                     std::string(kFamily[(i / 20) % 15]) + std::to_string(i / 300));
        const int coming = 1 + i % 3;
        guest->SetComingCount(coming);
        guest->SetInvitedCount(coming);
        if (i % 20 == 19)
            continue;
        if (people + coming > 10)
        {
            table =
                doc.CreateTable("Table " + std::to_string(doc.GetTableCount()), -1, 12)->GetId();
            people = 0;
        }
        guest->SetTable(static_cast<std::int16_t>(table));
        people += coming;
        if (i % 3 == 0)
        {
            guest->SetArrivedCount(coming);
            guest->SetArrived(true);
        }
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
    CRealTimeView* view = nullptr;
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

// One letter typed into the first-name filter ("D": every line whose first name holds a capital D,
// about a fifth), with the rebuild and the repaint; Backspace (not measured) brings every line
// back.
void BM_FilterKeystroke(benchmark::State& state)
{
    QLineEdit* field = g_fixture->view->FirstNameFilter();
    for (auto _ : state)
    {
        TypeKey(field, Qt::Key_D, QStringLiteral("D"));
        Settle();
        state.PauseTiming();
        state.counters["rows"] = g_fixture->view->GuestsModel()->rowCount();
        TypeKey(field, Qt::Key_Backspace, QString());
        Settle();
        state.ResumeTiming();
    }
}

// The keystroke that widens the filter again: Backspace back to every line not arrived.
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
    state.counters["rows"] = g_fixture->view->GuestsModel()->rowCount();
}

// Enter on the selected line of the whole list, the arrival dialog accepted as it opens: the
// rules, the line leaving the list, the tables list and the status line, the repaint.
void BM_Arrival(benchmark::State& state)
{
    QLineEdit* field = g_fixture->view->FirstNameFilter();
    for (auto _ : state)
    {
        TypeKey(field, Qt::Key_Return, QStringLiteral("\r"));
        Settle();
    }
    state.counters["rows"] = g_fixture->view->GuestsModel()->rowCount();
}

// A scanned check-in code: the digits of the last line's unique id typed into the filter, then
// Enter: the guest found, the filter cleared (every line back), the arrival.
void BM_ScannedArrival(benchmark::State& state)
{
    QLineEdit* field = g_fixture->view->FirstNameFilter();
    CNewOrvDoc& doc = g_fixture->session->App().GetDocument();
    int next = doc.GetGuestCount() - 1;
    for (auto _ : state)
    {
        state.PauseTiming();
        while (next > 0 && doc.GetGuestAt(next)->IsArrived())
            --next;
        const QString code = QString::number(doc.GetGuestAt(next)->GetUniqueId());
        state.ResumeTiming();
        for (const QChar digit : code)
            TypeKey(field, static_cast<Qt::Key>(digit.unicode()), QString(digit));
        TypeKey(field, Qt::Key_Return, QStringLiteral("\r"));
        Settle();
    }
    state.counters["rows"] = g_fixture->view->GuestsModel()->rowCount();
}

BENCHMARK(BM_FilterKeystroke)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FilterBackspace)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Arrival)->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_ScannedArrival)->Unit(benchmark::kMillisecond)->Iterations(300);
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
    fs::create_directories(fixture.root / "xdg-config" / "Velloran");
    WriteProfileString(fixture.root / "xdg-config" / "Velloran" / "General.ini", "General",
                       "REALTIME", "1");

    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);

    SAppOptions options;
    options.language = ELanguage::English;
    options.dataRoot = fixture.root / "data";
    options.programDir = fixture.root / "program";
    GenerateEvent(options, guests);

    // Terms of use and tip of the day accepted; the start-up question keeps the real-time mode;
    // every arrival dialog accepted with the number it proposes, a table question answered Yes.
    bool started = false;
    CModalSeam::SetDialogHandler(
        [&started](QDialog& dialog)
        {
            if (qobject_cast<QMessageBox*>(&dialog) != nullptr)
                return static_cast<int>(started ? QMessageBox::Yes : QMessageBox::No);
            dialog.accept();
            return dialog.result();
        });
    fixture.session = std::make_unique<CGuiSession>(options);
    int exitCode = 0;
    if (!fixture.session->Start(exitCode, false))
        return 1;
    started = true;
    CMainFrame& frame = *fixture.session->Frame();
    frame.resize(1280, 800);
    frame.show();
    if (!frame.ShowView(VIEW_REAL_TIME))
        return 1;
    Settle();
    fixture.view = static_cast<CRealTimeView*>(frame.ActiveView());
    std::cerr << "guest lines: " << guests
              << ", not arrived: " << fixture.view->GuestsModel()->rowCount() << "\n";
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
