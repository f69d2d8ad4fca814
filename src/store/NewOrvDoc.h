#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/RecordOwner.h"
#include "settings/AppSettings.h"
#include "settings/EventSettings.h"
#include "store/EventInfo.h"

class CProgramFolders;
class IDocView;
class IPrompt;
class IProgress;

// The document: every record of the active event, the events list, the event's and the shared
// settings. It is the only owner of the records and the only way they change; it broadcasts
// update hints to the attached views.
//
// Construction reads the shared settings, builds the events list, picks the active event and
// reads its settings. Nothing is written until a save or WriteShutdownState; a read-only
// document (the CLI's reading commands) never writes a file.
class CNewOrvDoc : public IRecordOwner
{
public:
    static constexpr double kProgramVersion = 2.52;

    CNewOrvDoc(CProgramFolders& folders, IPrompt& prompt, bool readOnly = false);
    ~CNewOrvDoc() override;

    CNewOrvDoc(const CNewOrvDoc&) = delete;
    CNewOrvDoc& operator=(const CNewOrvDoc&) = delete;

    void SetProgress(IProgress* progress);
    IPrompt& GetPrompt() { return m_prompt; }
    CProgramFolders& GetFolders() { return m_folders; }
    bool IsReadOnly() const { return m_readOnly; }

    // --- Start-up and shutdown ---------------------------------------------------------------

    // The new-document handler: migration of an old installation's data, loading the active
    // event, the calculator path, the title. False when the user refused the terms of use.
    bool OnNewDocument();

    // The terms-of-use notice, shown at the end of the first load while the terms were never
    // accepted; answers true for "I Agree". Without a handler it is not shown (the CLI).
    void SetTermsNotice(std::function<bool()> notice) { m_termsNotice = std::move(notice); }

    // The close prompt: true when the document may close. Not modified: true. "AutoSaveOnExit":
    // saves. Otherwise asks Yes/No/Cancel: Yes saves, No closes without saving, Cancel keeps the
    // program running. A failed save answers false.
    bool SaveModified();

    // The shutdown writes, in order: the checkpoint index, the active event's name into its
    // settings, "Active" in events.ini, the unique guest id counter, Settings.ini, AppSettings.ini.
    // Returns false when a write failed (each failure is told through the prompt). Read-only
    // documents write nothing.
    bool WriteShutdownState();

    const std::string& GetTitle() const { return m_title; }

    // --- Event data ---------------------------------------------------------------------------

    // Saves the event: the settings, pending in-place edits, the data file. False (told to the
    // user, the unsaved-changes flag kept) when a write failed.
    bool SaveEventData();

    // --- Events -------------------------------------------------------------------------------

    const std::vector<std::unique_ptr<CEventInfo>>& GetEvents() const { return m_events; }
    CEventInfo* GetActiveEvent() const { return m_activeEvent; }
    CEventInfo* FindEvent(const std::string& id) const;

    // Makes the entry the active one and points the active event folder at it.
    void Activate(CEventInfo* event);

    // Works on another event for this run only: "Active" of events.ini stays as it was.
    void ActivateForRun(CEventInfo* event);

    // Select Event: offers to save the current event (as at shutdown; false on Cancel or a failed
    // save), writes the current event's settings, activates the chosen event and reloads.
    bool SelectEvent(CEventInfo* event);

    // --- Settings -----------------------------------------------------------------------------

    CEventSettings& GetSettings() { return m_eventSettings; }
    const CEventSettings* GetEventSettings() const override { return &m_eventSettings; }
    CAppSettings& GetAppSettings() { return m_appSettings; }

    // Reads the active event's Settings.ini again.
    void ReloadEventSettings();
    // Writes the active event's Settings.ini when changed; false (told to the user) on failure.
    bool SaveEventSettings();
    bool SaveAppSettings();

    // --- Changes and views --------------------------------------------------------------------

    void SetDataChanged(bool changed) override { m_dataChanged = changed; }
    bool IsDataChanged() const { return m_dataChanged; }

    void AddView(IDocView* view);
    void RemoveView(IDocView* view);
    // Calls OnUpdate of every attached view but the sender.
    void UpdateAllViews(IDocView* sender, EUpdateHint hint, CRecord* record = nullptr);
    void Broadcast(EUpdateHint hint, CRecord* record) override;
    // Asks every view to commit an in-place edit it holds.
    void CommitPendingEdits();

    // --- IRecordOwner (records arrive with the event data) ------------------------------------

    CGuest* FindGuestByFullName(const std::string& fullName) override;
    void AddMutualRestriction(CGuest* guest, const std::string& fullName) override;
    bool IsGroupUsed(const CGroup* group) override;
    int CountAtTable(int tableId, int mode) override;
    bool TableHasGuests(int tableId, bool peopleOnly) override;
    void GetGuestsAtTable(int tableId, std::vector<CGuest*>& guests, bool sortedByName) override;

private:
    void LoadEventsList();
    void MigrateOldData();
    void FillCalculatorPath();
    bool ShowTermsNoticeIfNeeded();
    void ReportWriteFailure(const std::string& error);

    CProgramFolders& m_folders;
    IPrompt& m_prompt;
    IProgress* m_progress;
    bool m_readOnly;

    CAppSettings m_appSettings;
    CEventSettings m_eventSettings;
    std::vector<std::unique_ptr<CEventInfo>> m_events;
    CEventInfo* m_activeEvent = nullptr;
    std::string m_persistedActiveId; // what "Active" of events.ini becomes at shutdown

    std::vector<IDocView*> m_views;
    bool m_dataChanged = false;
    std::string m_title;
    std::function<bool()> m_termsNotice;
};
