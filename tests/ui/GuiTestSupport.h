#pragma once

#include "app/NewOrvApp.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFrameView;
class CGuiSession;
class CMainFrame;
class QAction;
class QMainWindow;

// What GUI tests share: their own XDG folders and data root, and a queue of answers for the modal
// dialogs the program opens (message boxes included). A dialog nobody scripted fails the test and
// is cancelled, so no test ever waits for a person.
class CGuiTestBench
{
public:
    CGuiTestBench();
    ~CGuiTestBench();

    // The next dialog the program opens gets this answer.
    void Answer(std::function<int(QDialog&)> answer);
    // Accepts the next dialog as it stands.
    void AcceptNext();
    // Accepts what a first start shows: the terms of use and the tip of the day.
    void PassFirstStart();
    // Makes the next start one in real-time mode, whose question ("go back to regular mode?")
    // gets this answer; the terms of use and the tip are accepted.
    void StartInRealTimeMode(int answer);
    // Answers the next message box with this button (a QMessageBox::StandardButton).
    void AnswerMessage(int button);
    // The next dialog must be a TDialog (another one fails the test): `fill` fills it in and it
    // is accepted as it stands, its own checks on OK skipped.
    template <class TDialog, class TFill>
    void Fill(TFill fill)
    {
        AnswerAs<TDialog>(fill, false);
    }
    // As Fill, then OK is pressed: the dialog's checks run and it may refuse and stay open, which
    // is then the answer.
    template <class TDialog, class TFill>
    void Submit(TFill fill)
    {
        AnswerAs<TDialog>(fill, true);
    }
    // Cancels the next dialog.
    void CancelNext();
    // The next file dialog chooses this path.
    void AnswerFile(const QString& path);
    // Shows the window as a user meets it (mouse and keys reach it); its first activation's
    // event details dialog is cancelled. A test failure when the window is not shown.
    void ShowWindow(QMainWindow& window);

    // Titles of every dialog opened so far, and the texts of the message boxes.
    const std::vector<QString>& DialogTitles() const { return m_titles; }
    const std::vector<QString>& MessageTexts() const { return m_messages; }
    // The last of them; empty when there was none, so a missing dialog fails a comparison
    // instead of reading past an empty list.
    QString LastTitle() const { return m_titles.empty() ? QString() : m_titles.back(); }
    QString LastMessage() const { return m_messages.empty() ? QString() : m_messages.back(); }
    int Unanswered() const { return m_unanswered; }

    // Starts the GUI in-process over this bench's data root, without showing the window.
    std::unique_ptr<CGuiSession> Start(ELanguage language, bool* started = nullptr,
                                       int* exitCode = nullptr);

    const CTempDir& Root() const { return m_root; }

private:
    template <class TDialog, class TFill>
    void AnswerAs(TFill fill, bool pressOk)
    {
        Answer(
            [fill, pressOk](QDialog& dialog)
            {
                auto* typed = dynamic_cast<TDialog*>(&dialog);
                if (typed == nullptr)
                {
                    QTest::qFail("another dialog opened", __FILE__, __LINE__);
                    return static_cast<int>(QDialog::Rejected);
                }
                fill(*typed);
                if (!pressOk)
                    return static_cast<int>(QDialog::Accepted);
                dialog.accept(); // the public QDialog::accept, overridden or not
                return dialog.result();
            });
    }

    CTempDir m_root;
    std::vector<std::function<int(QDialog&)>> m_answers;
    std::vector<QString> m_titles;
    std::vector<QString> m_messages;
    int m_unanswered = 0;
};

// What the tests of one view share: a fresh bench whose first start is passed, the program started
// over it (in English unless told) and the view shown. Stop and Start again test what survives a
// restart.
class CViewTestSession
{
public:
    explicit CViewTestSession(int viewCode, ELanguage language = ELanguage::English);
    ~CViewTestSession();

    // Starts the program and shows the view (a test failure when it cannot be shown).
    void Start();
    // Saves (so no close question is asked), closes the window and ends the session.
    void Stop();

    CGuiTestBench& Bench() { return m_bench; }
    bool IsRunning() const { return m_session != nullptr; }
    CMainFrame& Frame();
    CNewOrvDoc& Doc();
    template <class TView>
    TView* View()
    {
        return static_cast<TView*>(ActiveView());
    }

private:
    CFrameView* ActiveView();

    int m_viewCode;
    ELanguage m_language;
    CGuiTestBench m_bench;
    std::unique_ptr<CGuiSession> m_session;
};

// What the tests of one view keep from init to cleanup: the session on the view, its bench, the
// view, and a spy on the hints the view sends.
template <class TView>
class CViewFixture
{
protected:
    // Starts the program on the view (ending an earlier session first).
    void Open(int viewCode, ELanguage language = ELanguage::English)
    {
        Close();
        m_gui = std::make_unique<CViewTestSession>(viewCode, language);
        m_bench = &m_gui->Bench();
        Attach();
    }
    // Starts the program again over the same bench (after m_gui->Stop()).
    void Restart()
    {
        m_gui->Start();
        Attach();
    }
    // Ends the session; gives the number of dialogs nobody answered.
    int Close()
    {
        if (!m_gui)
            return 0;
        const int unanswered = m_bench->Unanswered();
        if (m_gui->IsRunning())
            Doc().RemoveView(&m_spy);
        m_spy.hints.clear();
        m_gui.reset();
        return unanswered;
    }

    CNewOrvDoc& Doc() { return m_gui->Doc(); }
    CMainFrame& Frame() { return m_gui->Frame(); }

    std::unique_ptr<CViewTestSession> m_gui;
    CGuiTestBench* m_bench = nullptr;
    TView* m_view = nullptr;
    CSpyView m_spy;

private:
    void Attach()
    {
        m_view = m_gui->View<TView>();
        Doc().AddView(&m_spy);
    }
};

// The main of a GUI test program: the program's resources, an application, then the tests.
#define VELLORAN_GUI_TEST_MAIN(TestClass)                                                          \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        Q_INIT_RESOURCE(ui);                                                                       \
        QApplication application(argc, argv);                                                      \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

// The unseated table and tables "T1".."Tn" at places 1..n with the given seats (the example
// table of a new event is replaced).
void MakeNumberedTables(CNewOrvDoc& doc, int count, int seats = 10);
// A guest "NAME Levi" of that many people at that table (0: unseated), in that group.
class CGuest;
CGuest* AddSeatedGuest(CNewOrvDoc& doc, const std::string& name, int coming, int table,
                       const std::string& group = {});

// The action with this text among the actions, searched in their submenus too.
QAction* FindAction(const QList<QAction*>& actions, const QString& text);

// Answers the next popup menus with their entry of this text (searched in submenus too).
void PickMenuEntry(const QString& text);

// The titles of the window's menu bar, in order.
QStringList MenuBarTitles(const QMainWindow& window);
