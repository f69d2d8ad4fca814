#pragma once

#include "app/NewOrvApp.h"
#include "support/TempDir.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CFrameView;
class CGuiSession;
class CMainFrame;
class CNewOrvDoc;
class QAction;
class QDialog;
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
    // Answers the next message box with this button (a QMessageBox::StandardButton).
    void AnswerMessage(int button);
    // The next file dialog chooses this path.
    void AnswerFile(const QString& path);
    // Shows the window as a user meets it (mouse and keys reach it); its first activation's
    // event details dialog is cancelled. A test failure when the window is not shown.
    void ShowWindow(QMainWindow& window);

    // Titles of every dialog opened so far, and the texts of the message boxes.
    const std::vector<QString>& DialogTitles() const { return m_titles; }
    const std::vector<QString>& MessageTexts() const { return m_messages; }
    int Unanswered() const { return m_unanswered; }

    // Starts the GUI in-process over this bench's data root, without showing the window.
    std::unique_ptr<CGuiSession> Start(ELanguage language, bool* started = nullptr,
                                       int* exitCode = nullptr);

    const CTempDir& Root() const { return m_root; }

private:
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
