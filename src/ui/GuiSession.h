#pragma once

#include "app/NewOrvApp.h"

#include <QStringList>
#include <memory>

class CMainFrame;
class CQtProgress;
class CQtPrompt;

// The GUI's start-up and shutdown around the application object: used by main() and by the GUI
// tests, which start and close the program in-process.
class CGuiSession
{
public:
    explicit CGuiSession(SAppOptions options);
    ~CGuiSession();

    // The command line of velloran: --lang en|he, --data-root DIR, --program-dir DIR.
    // False (with *error set) for bad usage: an unknown option, a missing value, a data root that
    // is empty or not a folder.
    static bool ParseArguments(const QStringList& arguments, SAppOptions& options, QString* error);

    // Runs the start-up up to a shown main window. False when the program must end instead, with
    // the exit code in exitCode (0 after "I Disagree", or when the active event is open in another
    // program and the user chose neither to open it read-only nor another event).
    bool Start(int& exitCode, bool showWindow = true);

    CNewOrvApp& App() { return *m_app; }
    CMainFrame* Frame() { return m_frame.get(); }

private:
    SAppOptions m_options;
    std::unique_ptr<CQtPrompt> m_prompt;
    std::unique_ptr<CQtProgress> m_progress;
    std::unique_ptr<CNewOrvApp> m_app;
    std::unique_ptr<CMainFrame> m_frame;
};
