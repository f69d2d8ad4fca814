#pragma once

#include "budget/DefaultContent.h"
#include "platform/Language.h"
#include "settings/GeneralSettings.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class CNewOrvDoc;
class CProgramFolders;
class IPrompt;

// How the program was started (command-line options of both executables).
struct SAppOptions
{
    std::optional<ELanguage> language; // --lang en|he
    std::filesystem::path dataRoot;    // --data-root DIR: the data root itself
    std::filesystem::path programDir;  // --program-dir DIR; empty: the executable's folder
    bool readOnly = false;             // the CLI's reading commands: no file is ever written
};

// The application object: the start-up and shutdown order shared by the GUI and the CLI.
//
// Start-up: the interface language (fixed for the run), General.ini, the document (shared
// settings, events list, active event's settings), then the new-document handler (migration,
// loading the event, calculator path, title). Shutdown: the close prompt, then the shutdown
// writes. What needs a person at a screen (tip of the day, terms of use) is left to the GUI.
class CNewOrvApp
{
public:
    CNewOrvApp(SAppOptions options, IPrompt& prompt);
    ~CNewOrvApp();

    // --lang wins; otherwise "ForceEnglish" = 1 in orv.ini gives English; otherwise a Hebrew
    // locale (LANG beginning with "he") gives Hebrew; anything else English.
    static ELanguage ResolveLanguage(std::optional<ELanguage> requested,
                                     const std::filesystem::path& orvIni, const char* langVariable);

    // Fixes the language, reads General.ini and constructs the document.
    void Initialize();

    // The new-document handler. False when the user refused the terms of use (the program then
    // ends at once with exit code 0).
    bool OpenDocument();

    CNewOrvDoc& GetDocument() { return *m_document; }
    CProgramFolders& GetFolders() { return *m_folders; }
    const CGeneralSettings& GetGeneral() const { return m_general; }
    const SAppOptions& GetOptions() const { return m_options; }

    // The real-time mode in force for this run, and the one requested for the next start.
    bool IsRealTime() const { return m_realTime; }
    bool IsRealTimeRequested() const { return m_realTimeRequested; }
    // The "Real Time State" command: flips the requested mode, writes "REALTIME" and tells the user
    // that the change comes at the next start.
    bool ToggleRealTime();
    // The start-up question answered Yes: regular mode for this run and the next start.
    bool LeaveRealTime();

    // The language commands: "ForceEnglish" in orv.ini ("1" English, "0" the default language),
    // read at the next start.
    bool SetForceEnglish(bool forceEnglish);

    // Tip of the day: true when it is to be shown, with the tip to start at (1 or more).
    bool ShouldShowTip(int& firstTip) const;
    void StoreTipState(int nextTip, bool showAtStartup);

    // The close prompt (see CNewOrvDoc::SaveModified).
    bool CanClose();
    // The shutdown writes; false when one failed (already told to the user).
    bool Shutdown();

private:
    SAppOptions m_options;
    IPrompt& m_prompt;
    CGeneralSettings m_general;
    CDefaultContent m_defaultContent;
    bool m_realTime = false;
    bool m_realTimeRequested = false;
    std::unique_ptr<CProgramFolders> m_folders;
    std::unique_ptr<CNewOrvDoc> m_document;
};
