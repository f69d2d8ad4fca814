#pragma once

#include "model/Checkpoint.h"
#include "model/RecordOwner.h"
#include "platform/FileFingerprint.h"
#include "settings/AppSettings.h"
#include "settings/EventSettings.h"
#include "store/EventInfo.h"
#include "store/NewEvent.h"
#include "store/SeatingIndex.h"
#include "store/UndoHistory.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCategory;
class CEventLock;
class CExpence;
class CMeeting;
class COffer;
class CProgramFolders;
class CShape;
class CTable;
class CTask;
class IDefaultContentSource;
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

    // --- Events -------------------------------------------------------------------------------

    const std::vector<std::unique_ptr<CEventInfo>>& GetEvents() const { return m_events; }
    CEventInfo* GetActiveEvent() const { return m_activeEvent; }
    CEventInfo* FindEvent(const std::string& id) const;

    // Makes the entry the active one and points the active event folder at it.
    void Activate(CEventInfo* event);

    // Works on another event for this run only: "Active" of events.ini stays as it was.
    void ActivateForRun(CEventInfo* event);

    // Before the first load only (the user chose another event because the active one is open
    // elsewhere): activates the event and reads its settings and unique-id counter.
    void ActivateBeforeLoad(CEventInfo* event);

    // Select Event: offers to save the current event (as at shutdown; false on Cancel or a failed
    // save), writes the current event's settings, activates the chosen event and reloads. With
    // the event lock in use, the chosen event's lock is taken first (see LockActiveEvent; false,
    // nothing changed, when it is refused) and only then is the current one let go.
    bool SelectEvent(CEventInfo* event);

    // --- One writer per event ---------------------------------------------------------------
    //
    // A front end that writes (the GUI, the CLI's writing commands) turns the event lock on
    // before the first load. From then on the document holds the lock (platform/EventLock.h) of
    // its active event until it ends; Select Event and Add Event take the new event's lock before
    // they let go of the old one. A document without the lock (tests, tools) works as before.

    // What to do when another program holds the event.
    enum class EWhenLocked
    {
        Refuse,        // tell the user who holds it (the command line: exit 1)
        OfferReadOnly, // ask: open it read-only (Yes), or let the user choose another event (No)
    };
    enum class ELockResult
    {
        Locked,
        ReadOnly, // the event is open read-only: nothing of its folder is written
        Refused,  // not opened: told, or the user will choose another event
    };
    // program is named in the lock file; wait is how long another holder is waited for.
    void UseEventLock(std::string program, std::chrono::milliseconds wait, EWhenLocked whenLocked);
    // Takes the active event's lock (the event folder is created when missing). A folder that
    // cannot be locked at all (no lock file can be made there) is told and opened read-only
    // (OfferReadOnly) or refused. Locked when the lock is not in use.
    ELockResult LockActiveEvent();
    bool HoldsEventLock() const;
    // True while the active event is open read-only because another program holds it: nothing
    // of its folder is written, a save is refused (told), and closing with changes asks whether
    // to lose them.
    bool IsEventReadOnly() const { return m_eventReadOnly; }

    // Add Event ("Finish" of the wizard). In order: the current event is offered for saving as at
    // shutdown (Cancel or a failed save: null, nothing changed) and its settings are written;
    // the new folder "DB<n>" (smallest n >= 1 not on disk, made by this call: a folder another
    // program made at the same moment is never taken over) becomes the active entry at the end of
    // the list; with copyFrom, that event's WeddingData.xml is copied into it (an event never
    // saved as XML gives its legacy record files instead; nothing is overwritten, and settings,
    // tasks and data version are never copied); the document is reloaded from the new folder;
    // every guest loses its seat, arrival, invitation-sent flag, approval, gifts and SMS count;
    // the names, phone, date, event name and type go to the new event's settings; the default
    // groups are made when asked (a wedding from both first names, other types from the party
    // owner's); HINT_EVENT_RELOADED is broadcast; the new event is saved (a failed save is told to
    // the user and leaves the data marked changed). Returns the new entry (owned by the document),
    // or null when refused or on a read-only document.
    CEventInfo* AddEvent(const SNewEvent& details);

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

    // Also drops the seating index: every setter of an owned record comes through here.
    void SetDataChanged(bool changed) override
    {
        m_seatingIndex.Invalidate();
        if (changed)
            ++m_changeCount;
        if (m_dataChanged == changed)
            return;
        m_dataChanged = changed;
        if (m_dataChangedListener)
            m_dataChangedListener(changed);
    }
    // Told whenever the unsaved-changes flag changes (the frame enables Save by it).
    void SetDataChangedListener(std::function<void(bool)> listener)
    {
        m_dataChangedListener = std::move(listener);
    }
    bool IsDataChanged() const { return m_dataChanged; }
    // Goes up with every change of the data (never down), so a caller can tell whether an
    // operation changed anything.
    unsigned long GetChangeCount() const { return m_changeCount; }

    void AddView(IDocView* view);
    void RemoveView(IDocView* view);
    // Calls OnUpdate of every attached view but the sender.
    void UpdateAllViews(IDocView* sender, EUpdateHint hint, CRecord* record = nullptr);
    void Broadcast(EUpdateHint hint, CRecord* record) override;
    // Asks every view to commit an in-place edit it holds.
    void CommitPendingEdits();

    // --- Undo and redo ------------------------------------------------------------------------
    //
    // Every change of the event's records, of its collections, of its settings and of its task
    // tree is recorded in the history (see CUndoHistory); loading, reloading and switching the
    // event clear it, saving does not.

    CUndoHistory& GetUndoHistory() { return m_undo; }
    void RecordChanging(CRecord& record) override { m_undo.RecordChanging(record); }
    // The task tree is about to change (tasks are not records: the task edits tell it).
    void TasksChanging() { m_undo.TasksChanging(); }
    // Names the step of the operation that runs now ("Delete guest"); see CUndoHistory::NameStep.
    void NameUndoStep(const std::string& name) { m_undo.NameStep(name); }
    // Pending in-place edits are committed and the open step closed first; then the newest step
    // is taken back (forward): HINT_EVENT_RELOADING before, the data marked changed and
    // HINT_EVENT_RELOADED after. False when there is nothing to take back (forward).
    bool Undo();
    bool Redo();

    // --- Event data ---------------------------------------------------------------------------

    // Loads the active event into the (empty) collections: from WeddingData.xml when it exists,
    // otherwise from the legacy INI files; then the default content, the meetings' date order and
    // the task tree. An event read from INI files is marked changed, so the next save converts it.
    // A damaged data file is told to the user; what was read before the damage is kept.
    void LoadEventData();

    // Destroys every record and empties the collections; the task tree keeps only its root.
    void ClearAll();

    // HINT_EVENT_RELOADING, ClearAll, LoadEventData, the event settings read again,
    // HINT_EVENT_RELOADED.
    void ReloadEvent();

    // Saves the event: the event settings, the checkpoint index, pending in-place edits; when the
    // data changed, WeddingData.xml (replaced atomically; a damaged file it replaces is kept
    // beside it first), then the legacy INI files are removed, the guest count and the task tree
    // written. Returns false when a write failed: the user is told what failed, the unsaved-changes
    // flag stays set and the files on disk are as they were.
    // Before WeddingData.xml is replaced:
    // - a document loaded damaged asks once whether to replace the file (No: false);
    // - a text the reader could not read back whole (too large, too many records, a text too
    //   long) is refused and told (false);
    // - a file another program changed since the load (see AdoptDataFile) is, by the external
    //   change policy, refused and told (false), or asked about: Yes replaces it, No loads it
    //   again (the changes here go; true), Cancel saves nothing (false);
    // - our own temporary files left by a save that died are removed, when no other process
    //   holds the event's lock.
    // An event open read-only is never saved (told; false).
    bool SaveEventData();

    // What a save does when WeddingData.xml was changed by another program since the load.
    enum class EExternalChange
    {
        Ask,    // Yes overwrite / No reload / Cancel (the GUI)
        Refuse, // tell and save nothing (the command line)
    };
    void SetExternalChangePolicy(EExternalChange policy) { m_externalChange = policy; }

    // For operations that replace WeddingData.xml on purpose (restoring a backup, importing,
    // downloading from the sharing server): call it, while holding the event's lock, right after
    // the new file is in place, so the next save takes it as the file loaded instead of asking
    // about a change by another program. (ReloadEvent, which such operations usually run next,
    // takes the file's fingerprint as well.)
    void AdoptDataFile();

    // The XML text the save writes (also used by the benchmarks).
    std::string BuildDataFileText() const;

    // Runs the XML reader on a file with this document as its target; false when the file is
    // damaged (the records read before the damage are kept).
    bool ImportXml(const std::filesystem::path& path, std::string* error = nullptr);

    // True after loading a data file the reader reported as damaged, until it was replaced.
    bool IsDataFileDamaged() const { return m_dataFileDamaged; }

    // --- Guests -------------------------------------------------------------------------------

    int GetGuestCount() const { return static_cast<int>(m_guests.size()); }
    CGuest* GetGuestAt(int i) const;
    const std::vector<std::unique_ptr<CGuest>>& GetGuests() const { return m_guests; }

    // Appends a new guest with these names and broadcasts HINT_GUEST_ADDED to the views but the
    // sender.
    CGuest* AddGuest(const std::string& firstName, const std::string& familyName,
                     IDocView* sender = nullptr);
    // Takes the guest out of the list (HINT_GUEST_REMOVING first, so no view keeps a pointer to it)
    // and hands it to the caller; other guests' restriction lists are left alone. Null for none or
    // absent.
    std::unique_ptr<CGuest> RemoveGuest(CGuest* guest);
    int IndexOfGuest(const CGuest* guest) const;
    CGuest* FindGuestByUniqueId(int id) const;
    CGuest* FindGuestBySerial(int serial) const;
    CGuest* FindGuestByName(const std::string& firstName) const;
    CGuest* FindGuestByFullName(const std::string& fullName) override;
    // The guest with that index and its position (-1 and null when absent).
    CGuest* FindGuestByIndex(int index, int& position) const;
    int CountGuestsByFullName(const std::string& fullName) const;
    int SumInvited() const;
    int SumComing() const;
    int SumSmsCount() const;
    int ComingByTransport(int transport) const;
    struct SGiftTotals
    {
        long long dollars = 0;
        long long shekels = 0;
        double totalShekels = 0.0;
    };
    SGiftTotals GetGiftTotals() const;
    void AddMutualRestriction(CGuest* guest, const std::string& fullName) override;

    // --- Groups -------------------------------------------------------------------------------

    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    CGroup* GetGroupAt(int i) const;
    const std::vector<std::unique_ptr<CGroup>>& GetGroups() const { return m_groups; }
    CGroup* FindGroup(const std::string& name) const;
    // Appends a group with that name and broadcasts HINT_GROUP_ADDED to the views but the sender.
    CGroup* AddGroup(const std::string& name, IDocView* sender = nullptr);
    std::unique_ptr<CGroup> RemoveGroup(CGroup* group);
    bool IsGroupNameUnused(const std::string& name) const;
    // True when a group other than except has that name, regardless of case (two groups never
    // differ only in case).
    bool IsGroupNameTaken(const std::string& name, const CGroup* except = nullptr) const;
    bool IsGroupUsed(const CGroup* group) override;
    void RenameGroupInGuests(const std::string& oldName, const std::string& newName);
    int GetGuestsOfGroup(const std::string& name, std::vector<CGuest*>& guests) const;
    // Exchanges the names of the two groups (moving a group up or down the list).
    void SwapGroups(CGroup* a, CGroup* b);

    // --- Tables (the seating rules and the arrangement are in seating/) ------------------------
    //
    // Table ids are positions: the table at position k has id k, the unseated table (id 0,
    // "Unseated Guests", no seats, no place) is at position 0, and guests sit at a table by
    // carrying its id (0: not seated). The document owns the tables; a table pointer stays good
    // until its table is deleted (HINT_TABLE_DELETING first) or every table is removed
    // (HINT_TABLES_REMOVING first). Seat capacity counts people (coming counts), never lines. Every
    // operation that changes tables or seating marks the data changed.

    int GetTableCount() const { return static_cast<int>(m_tables.size()); }
    // Null when i is past the last table (or negative).
    CTable* GetTableAt(int i) const;
    const std::vector<std::unique_ptr<CTable>>& GetTables() const { return m_tables; }
    // The first table with that id or that place in the hall; null when none.
    CTable* FindTableById(int id) const;
    CTable* FindTableByHallNumber(int number) const;
    // The place in the hall of the table with that id; 0 when there is none or the id is 0.
    int HallNumberOfTable(int id) const;

    // The sum of the guests' counts at a table id (mode: IRecordOwner::ECountMode; 0 for another
    // mode), whether some guest sits there (peopleOnly: one whose coming count is above 0), and
    // its guests appended to guests: in guest-list order, or ascending by full name in byte order
    // with equal full names once (the first in list order).
    int CountAtTable(int tableId, int mode) override;
    // The number of guest lines at a table id.
    int CountLinesAtTable(int tableId);
    bool TableHasGuests(int tableId, bool peopleOnly) override;
    void GetGuestsAtTable(int tableId, std::vector<CGuest*>& guests, bool sortedByName) override;

    // Creates a table bound to the document and appends it with the next id (its position).
    // hallNumber -1 takes NextFreeHallNumber, seats -1 the default size of the event settings.
    // Broadcasts HINT_TABLE_CREATED with the table. Null (nothing changed) when a guest could not
    // carry the new id: ids are 16-bit, so there are at most 32,768 tables.
    CTable* CreateTable(const std::string& name, int hallNumber = -1, int seats = -1);
    // The unseated table (id 0, "Unseated Guests", no seats, no place) on an empty collection;
    // otherwise the table at position 0.
    CTable* CreateUnseatedTable();
    // The smallest n in 1..table count that no table uses as hall number; 0 when all are used.
    int NextFreeHallNumber() const;
    // 0 is always free; otherwise false with the id and name of the first table using it.
    bool IsHallNumberFree(int number, int* usingId = nullptr,
                          std::string* usingName = nullptr) const;

    // Unseats the table's guests, broadcasts HINT_TABLE_DELETING with it, destroys it and renumbers
    // every later table down by one, its guests with it. False (nothing done) for null, a table not
    // in this document, or the unseated table.
    bool DeleteTable(CTable* table);
    // Every guest whose table id is fromId gets toId.
    void MoveGuestsBetweenTables(int fromId, int toId);
    // The two tables exchange their guests, names, infos, places and seats; ids, positions and
    // hall-plan geometry stay. False for null, equal or foreign tables and the unseated table.
    bool SwapTables(CTable* a, CTable* b);
    // Moves the contents of the table at position from to position to, as successive swaps with
    // each neighbour on the way would. False for a position out of range or 0; true for from ==
    // to (nothing to do).
    bool MoveTable(int from, int to);
    // Broadcasts HINT_TABLES_REMOVING, unseats every guest and leaves the unseated table alone
    // (ids start again at 0; every other CTable pointer is gone).
    void ResetTables();
    // Broadcasts HINT_TABLES_REMOVING and removes every table but the unseated one and those whose
    // ids are listed; the kept tables take ids 1, 2 ... in their order, their guests with them,
    // and every other guest is unseated. Pointers to the kept tables stay good.
    void RemoveTablesExcept(const std::vector<int>& keepIds);

    // The table queries use an index of the guests by table id, dropped on every data change.
    // Tests and benchmarks only: false answers every query by walking the guest list.
    void UseSeatingIndex(bool use);

private:
    // The index, current for the guest list; null when it is not used.
    const CSeatingIndex* SeatingIndex();

    CSeatingIndex m_seatingIndex;
    bool m_useSeatingIndex = true;

public:
    // --- Default content ----------------------------------------------------------------------

    // The source of the default content (not owned; null: an event is completed with the
    // unseated table only). Installed before the first load.
    void SetDefaultContentSource(IDefaultContentSource* source) { m_defaultContent = source; }
    // The default groups of the couple through the source (0 without one); see
    // IDefaultContentSource.
    int CreateDefaultGroups(const std::string& brideName, const std::string& groomName);

    // --- Money --------------------------------------------------------------------------------

    // Stores the event's dollar rate ("DolarToShekel") and broadcasts HINT_DOLLAR_RATE.
    void SetDollarRate(double rate);

    // The Remove operations below mark the data changed and hand the record to the caller (who
    // destroys it); null for none or a record that is not in the collection.
    const std::vector<std::unique_ptr<CExpence>>& GetExpenses() const { return m_expenses; }
    // Appends the expense (none is ignored) and marks the data changed.
    void AddExpense(std::unique_ptr<CExpence> expense);
    std::unique_ptr<CExpence> RemoveExpense(CExpence* expense);
    // Exchanges the expenses at positions i and j (a move up or down the list) and marks the data
    // changed. False (nothing changed) when either is out of range or both are the same.
    bool SwapExpenses(int i, int j);

    const std::vector<std::unique_ptr<CCategory>>& GetCategories() const { return m_categories; }
    CCategory* FindCategory(const std::string& name) const;
    // Appends a budget category with that name; the document owns it.
    CCategory* AddCategory(const std::string& name);
    // Destroys the category and every offer whose category text is its name (expenses are left
    // alone: their category is a text of the expense list). False when the category is not the
    // document's.
    bool DeleteCategory(CCategory* category);
    // Renames the category and moves every offer that carried the old name to the new one.
    void RenameCategory(CCategory* category, const std::string& newName);

    const std::vector<std::unique_ptr<COffer>>& GetOffers() const { return m_offers; }
    // Appends an offer with that name, category and price (the info only when not empty).
    COffer* AddOffer(const std::string& name, const std::string& category, int shekels,
                     const std::string& info);
    std::unique_ptr<COffer> RemoveOffer(COffer* offer);

    // --- Meetings, tasks, hall shapes ---------------------------------------------------------

    const std::vector<std::unique_ptr<CMeeting>>& GetMeetings() const { return m_meetings; }
    // Appends a meeting named "New meeting" (interface language), dated today.
    CMeeting* AddMeeting();
    std::unique_ptr<CMeeting> RemoveMeeting(CMeeting* meeting);
    // Orders the meetings by date, earliest first (latest first when reversed); equal dates keep
    // their order.
    void SortMeetings(bool latestFirst = false);
    // Exchanges the meetings at positions i and j; nothing when either is out of range.
    void SwapMeetings(int i, int j);
    CTask* GetTaskRoot() const { return m_taskRoot.get(); }
    CCheckpoint& GetCheckpoint() { return m_checkpoint; }

    const std::vector<std::unique_ptr<CShape>>& GetShapes() const { return m_shapes; }
    // Appends the shape (none is ignored) and marks the data changed; returns it.
    CShape* AddShape(std::unique_ptr<CShape> shape);
    // Broadcasts HINT_SHAPE_REMOVING with the shape before it leaves the list; null for none or a
    // shape of another document.
    std::unique_ptr<CShape> RemoveShape(CShape* shape);

    // Hall draft files: a stand-alone XML file holding the shape list (never the tables).
    // The default path of a new draft: "Sketch<n>.xml" in the data root's "HallsArrangement"
    // folder, n the smallest number from 0 with no such file.
    std::filesystem::path NextHallDraftPath();
    // Writes the shapes as a hall draft file, replacing path atomically. Allowed on a read-only
    // document too: the file is the caller's explicit output. The default folder is created when
    // missing. False (told to the user) when path is empty or the write failed.
    bool ExportHallDraft(const std::filesystem::path& path);
    // Replaces every shape (not the tables) by the shapes of a hall draft file and marks the data
    // changed (HINT_SHAPES_REMOVING before the old shapes go); the caller redraws. A file that
    // cannot be opened changes nothing. A damaged file keeps the shapes read before the damage.
    // Both are told to the user and answer false.
    bool ImportHallDraft(const std::filesystem::path& path);

private:
    friend class CDocumentSink;

    void LoadEventsList();
    void LoadFromIniFiles();
    void LoadTasks();
    bool SaveTasks();
    void CompleteDefaultContent();
    void ResetIndexCounters();
    bool KeepDamagedDataFile(const std::filesystem::path& dataFile);
    void ReadDataFile(const std::filesystem::path& dataFile, std::vector<std::string>& damage);
    // Gives a guest sharing an earlier guest's unique id a new one and unseats guests of tables
    // that do not exist; the latter is told as damage. True when anything changed.
    bool RepairLoadedRecords(std::vector<std::string>& damage);
    // The question (or refusal) about a data file another program changed; true: replace it.
    bool ConfirmDataFileReplacement(const std::filesystem::path& dataFile, bool& reloaded);
    void RemoveOurStaleFiles();
    std::size_t RecordCount() const;
    ELockResult LockEventFolder(const CEventInfo& event, std::unique_ptr<CEventLock>& lock);
    // True while the active event's folder may be written.
    bool WritesEvent() const { return !m_readOnly && !m_eventReadOnly; }
    void RemoveLegacyFiles();
    void MigrateOldData();
    void FillCalculatorPath();
    bool ShowTermsNoticeIfNeeded();
    void ReportWriteFailure(const std::string& error);
    bool SaveCurrentEventSettings();
    void CopyEventData(const CEventInfo& source, const std::filesystem::path& targetFolder);
    void ResetGuestsForNewEvent();
    void ApplyNewEventSettings(const SNewEvent& details, const std::string& eventName);
    bool ApplyUndoStep(bool forward);
    template <class T>
    std::unique_ptr<T> RemoveRecord(std::vector<std::unique_ptr<T>>& records, const T* record);

    CProgramFolders& m_folders;
    IPrompt& m_prompt;
    IProgress* m_progress;
    bool m_readOnly;

    CAppSettings m_appSettings;
    CEventSettings m_eventSettings;
    std::vector<std::unique_ptr<CEventInfo>> m_events;
    CEventInfo* m_activeEvent = nullptr;
    std::string m_persistedActiveId; // what "Active" of events.ini becomes at shutdown

    std::vector<std::unique_ptr<CGuest>> m_guests;
    std::vector<std::unique_ptr<CGroup>> m_groups;
    std::vector<std::unique_ptr<CShape>> m_shapes;
    std::vector<std::unique_ptr<CExpence>> m_expenses;
    std::vector<std::unique_ptr<CTable>> m_tables;
    std::vector<std::unique_ptr<CMeeting>> m_meetings;
    std::vector<std::unique_ptr<CCategory>> m_categories;
    std::vector<std::unique_ptr<COffer>> m_offers;
    CCheckpoint m_checkpoint;
    std::unique_ptr<CTask> m_taskRoot;
    // After the collections, the settings and the task root it works on.
    CUndoHistory m_undo;
    bool m_dataFileDamaged = false;
    bool m_damagedReplaceConfirmed = false;
    CFileFingerprint m_dataFileFingerprint; // WeddingData.xml as loaded or last written
    EExternalChange m_externalChange = EExternalChange::Ask;

    std::string m_lockProgram; // empty: the event lock is not in use
    std::chrono::milliseconds m_lockWait{0};
    EWhenLocked m_whenLocked = EWhenLocked::Refuse;
    std::unique_ptr<CEventLock> m_eventLock;
    bool m_eventReadOnly = false;

    std::vector<IDocView*> m_views;
    bool m_dataChanged = false;
    unsigned long m_changeCount = 0;
    std::string m_title;
    std::function<bool()> m_termsNotice;
    std::function<void(bool)> m_dataChangedListener;
    IDefaultContentSource* m_defaultContent = nullptr;
};
