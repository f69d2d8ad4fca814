#include "GuiTestSupport.h"

#include "model/Guest.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "ui/FrameView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <cstdlib>
#include <filesystem>

CGuiTestBench::CGuiTestBench()
{
    setenv("HOME", m_root.Path().c_str(), 1);
    setenv("XDG_DATA_HOME", (m_root / "xdg-data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_root / "xdg-config").c_str(), 1);
    setenv("VELLORAN_NO_KEYRING", "1", 1); // never the desktop keyring of whoever runs the tests
    CModalSeam::SetDialogHandler(
        [this](QDialog& dialog)
        {
            m_titles.push_back(dialog.windowTitle());
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                m_messages.push_back(box->text());
            if (m_answers.empty())
            {
                ++m_unanswered;
                return qobject_cast<QMessageBox*>(&dialog) ? static_cast<int>(QMessageBox::Cancel)
                                                           : static_cast<int>(QDialog::Rejected);
            }
            auto answer = std::move(m_answers.front());
            m_answers.erase(m_answers.begin());
            return answer(dialog);
        });
}

CGuiTestBench::~CGuiTestBench()
{
    CModalSeam::SetDialogHandler({});
    CModalSeam::SetMenuHandler({});
}

void CGuiTestBench::Answer(std::function<int(QDialog&)> answer)
{
    m_answers.push_back(std::move(answer));
}

void CGuiTestBench::AcceptNext()
{
    Answer(
        [](QDialog& dialog)
        {
            dialog.accept(); // a dialog may refuse (and stay open): report what it did
            return dialog.result();
        });
}

void CGuiTestBench::CancelNext()
{
    Answer([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
}

void CGuiTestBench::PassFirstStart()
{
    AcceptNext();
    AcceptNext();
}

void CGuiTestBench::StartInRealTimeMode(int answer)
{
    const std::filesystem::path config = m_root / "xdg-config" / "Velloran";
    std::filesystem::create_directories(config);
    if (!WriteProfileString(config / "General.ini", "General", "REALTIME", "1"))
        QTest::qFail("the real-time mode cannot be set", __FILE__, __LINE__);
    AcceptNext();
    AnswerMessage(answer);
    AcceptNext();
}

void CGuiTestBench::AnswerMessage(int button)
{
    Answer([button](QDialog&) { return button; });
}

void CGuiTestBench::AnswerFile(const QString& path)
{
    Answer(
        [path](QDialog& dialog)
        {
            static_cast<QFileDialog&>(dialog).selectFile(path);
            return static_cast<int>(QDialog::Accepted);
        });
}

void CGuiTestBench::ShowWindow(QMainWindow& window)
{
    Answer([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(LastTitle(), QStringLiteral("Wedding Information"));
}

void MakeNumberedTables(CNewOrvDoc& doc, int count, int seats)
{
    while (doc.GetTableCount() > 1)
        doc.DeleteTable(doc.GetTables().back().get());
    for (int i = 1; i <= count; ++i)
        doc.CreateTable("T" + std::to_string(i), i, seats);
}

CGuest* AddSeatedGuest(CNewOrvDoc& doc, const std::string& name, int coming, int table,
                       const std::string& group)
{
    CGuest* guest = doc.AddGuest(name, "Levi");
    guest->SetComingCount(coming);
    guest->SetTable(static_cast<std::int16_t>(table));
    guest->SetGroupName(group);
    return guest;
}

std::unique_ptr<CGuiSession> CGuiTestBench::Start(ELanguage language, bool* started, int* exitCode)
{
    SAppOptions options;
    options.language = language;
    options.dataRoot = m_root / "data";
    options.programDir = m_root / "program";
    auto session = std::make_unique<CGuiSession>(options);
    int code = 0;
    const bool ok = session->Start(code, false);
    if (started != nullptr)
        *started = ok;
    if (exitCode != nullptr)
        *exitCode = code;
    return session;
}

CViewTestSession::CViewTestSession(int viewCode, ELanguage language)
    : m_viewCode(viewCode), m_language(language)
{
    m_bench.PassFirstStart();
    Start();
}

CViewTestSession::~CViewTestSession()
{
    CModalSeam::SetMenuHandler({});
    m_session.reset();
}

void CViewTestSession::Start()
{
    m_session = m_bench.Start(m_language);
    if (!Frame().ShowView(m_viewCode))
        QTest::qFail("the view cannot be shown", __FILE__, __LINE__);
}

void CViewTestSession::Stop()
{
    Doc().SaveEventData();
    Frame().close();
    m_session.reset();
}

CMainFrame& CViewTestSession::Frame()
{
    return *m_session->Frame();
}

CNewOrvDoc& CViewTestSession::Doc()
{
    return m_session->App().GetDocument();
}

CFrameView* CViewTestSession::ActiveView()
{
    return Frame().ActiveView();
}

QAction* FindAction(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* action : actions)
    {
        if (action->text() == text)
            return action;
        if (action->menu() != nullptr)
            if (QAction* inner = FindAction(action->menu()->actions(), text))
                return inner;
    }
    return nullptr;
}

void PickMenuEntry(const QString& text)
{
    CModalSeam::SetMenuHandler([text](QMenu& menu) { return FindAction(menu.actions(), text); });
}

QStringList MenuBarTitles(const QMainWindow& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions())
        titles << action->text();
    return titles;
}
