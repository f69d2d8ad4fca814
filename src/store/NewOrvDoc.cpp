#include "store/NewOrvDoc.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/RecordCounters.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "model/Task.h"
#include "platform/AtomicFile.h"
#include "platform/EventFiles.h"
#include "platform/EventLock.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/Progress.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "store/DefaultContentSource.h"
#include "store/DocView.h"
#include "store/EventTypes.h"
#include "store/ProgramFolders.h"

#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace
{
CNullProgress g_noProgress;

// The calculators of the Linux desktops, in order of preference.
const std::vector<std::string> kCalculators = {"gnome-calculator", "kcalc", "galculator",
                                               "qalculate-gtk", "xcalc"};
} // namespace

CNewOrvDoc::CNewOrvDoc(CProgramFolders& folders, IPrompt& prompt, bool readOnly)
    : m_folders(folders), m_prompt(prompt), m_progress(&g_noProgress), m_readOnly(readOnly),
      m_taskRoot(std::make_unique<CTask>()),
      m_undo({m_guests, m_expenses, m_tables, m_groups, m_meetings, m_categories, m_offers,
              m_shapes, m_eventSettings, *m_taskRoot})
{
    m_eventSettings.SetChangingHook([this] { m_undo.SettingsChanging(); });
    m_appSettings.Load(EventFilePath(m_folders.ActiveEventFolder(), kFileAppSettingsIni));
    LoadEventsList();
    CRecordCounters::SetLastUniqueGuestId(m_eventSettings.GetLastGuestUniqueId());
}

CNewOrvDoc::~CNewOrvDoc()
{
    // Records may call back into the document while they go; keep the views out of it.
    m_views.clear();
}

void CNewOrvDoc::SetProgress(IProgress* progress)
{
    m_progress = progress != nullptr ? progress : &g_noProgress;
}

// --- Events ---------------------------------------------------------------------------------

void CNewOrvDoc::LoadEventsList()
{
    m_events.clear();
    m_activeEvent = nullptr;
    const std::string active = ReadProfileString(m_folders.EventsIniPath(), "Events", "Active");

    if (!active.empty())
    {
        std::set<std::string> names;
        for (int n = 0;; ++n)
        {
            const fs::path folder = m_folders.EventFolder(n);
            std::error_code error;
            if (!fs::is_directory(folder, error))
                break;
            std::string name = CEventSettings::ReadEventName(folder);
            if (name.empty())
            {
                std::string groom, bride;
                CEventSettings::ReadCoupleNames(folder, groom, bride);
                const std::string base =
                    !bride.empty() && !groom.empty()
                        ? FormatText(LoadString(IDS_WEDDING_OF), {bride, groom})
                        : LoadString(IDS_EVENT);
                for (int number = 1;; ++number)
                {
                    name = base + " " + FormatInt(number);
                    if (names.count(name) == 0)
                        break;
                }
            }
            names.insert(name);
            m_events.push_back(
                std::make_unique<CEventInfo>(CProgramFolders::EventId(n), folder, name));
            if (m_events.back()->GetId() == active)
                Activate(m_events.back().get());
        }
        if (m_activeEvent == nullptr && !m_events.empty())
            Activate(m_events.front().get());
        if (m_activeEvent != nullptr)
        {
            ReloadEventSettings();
            return;
        }
        // The enumeration found no event folder at all: start as on the first run.
    }

    m_eventSettings.Load(m_folders.FilePath(kFileSettingsIni));
    const std::string groom = m_eventSettings.GetKeySetting("GroumName");
    const std::string bride = m_eventSettings.GetKeySetting("BrideName");
    // An event name the user gave is kept; only a nameless event is named after the couple.
    std::string name = m_eventSettings.GetEventName();
    if (name.empty() && (!groom.empty() || !bride.empty()))
        name = FormatText(LoadString(IDS_WEDDING_OF), {bride, groom});
    m_events.push_back(std::make_unique<CEventInfo>(CProgramFolders::EventId(0),
                                                    m_folders.ActiveEventFolder(), name));
    m_eventSettings.SetEventName(name);
    Activate(m_events.back().get());
}

CEventInfo* CNewOrvDoc::FindEvent(const std::string& id) const
{
    for (const auto& event : m_events)
        if (event->GetId() == id)
            return event.get();
    return nullptr;
}

void CNewOrvDoc::Activate(CEventInfo* event)
{
    ActivateForRun(event);
    if (event != nullptr)
        m_persistedActiveId = event->GetId();
}

void CNewOrvDoc::ActivateForRun(CEventInfo* event)
{
    if (event == nullptr)
        return;
    m_activeEvent = event;
    m_folders.SetActiveEventFolder(event->GetFolder());
}

// --- One writer per event -------------------------------------------------------------------

void CNewOrvDoc::UseEventLock(std::string program, std::chrono::milliseconds wait,
                              EWhenLocked whenLocked)
{
    m_lockProgram = std::move(program);
    m_lockWait = wait;
    m_whenLocked = whenLocked;
}

bool CNewOrvDoc::HoldsEventLock() const
{
    return m_eventLock != nullptr && m_eventLock->IsHeld();
}

CNewOrvDoc::ELockResult CNewOrvDoc::LockActiveEvent()
{
    if (m_activeEvent == nullptr)
        return ELockResult::Locked;
    std::unique_ptr<CEventLock> lock;
    const ELockResult result = LockEventFolder(*m_activeEvent, lock);
    if (result == ELockResult::Refused)
        return result;
    m_eventLock = std::move(lock);
    m_eventReadOnly = result == ELockResult::ReadOnly;
    if (HoldsEventLock())
    {
        // What was read before the lock may be what another writer changed since.
        ReloadEventSettings();
        CRecordCounters::SetLastUniqueGuestId(m_eventSettings.GetLastGuestUniqueId());
    }
    return result;
}

CNewOrvDoc::ELockResult CNewOrvDoc::LockEventFolder(const CEventInfo& event,
                                                    std::unique_ptr<CEventLock>& lock)
{
    lock.reset();
    if (m_lockProgram.empty())
        return ELockResult::Locked;
    const fs::path& folder = event.GetFolder();
    std::error_code ignored; // a folder that cannot be made cannot be locked: told below
    fs::create_directories(folder, ignored);
    const std::string name = event.GetName().empty() ? event.GetId() : event.GetName();
    const std::string caption = LoadString(IDS_EVENT_LOCKED_CAPTION);

    auto taken = std::make_unique<CEventLock>();
    std::string error;
    switch (taken->Acquire(folder, m_lockProgram, m_lockWait, &error))
    {
    case CEventLock::EResult::Acquired:
        lock = std::move(taken);
        return ELockResult::Locked;
    case CEventLock::EResult::Busy:
    {
        const std::string holder = CEventLock::Describe(CEventLock::ReadHolder(folder));
        Trace("CNewOrvDoc::LockEventFolder", folder.string() + " is held by " + holder);
        if (m_whenLocked == EWhenLocked::Refuse)
        {
            m_prompt.Ask(FormatText(LoadString(IDS_EVENT_LOCKED_REFUSED), {name, holder}), caption,
                         EButtons::Ok);
            return ELockResult::Refused;
        }
        return m_prompt.Ask(FormatText(LoadString(IDS_EVENT_LOCKED_QUESTION), {name, holder}),
                            caption, EButtons::YesNo) == EAnswer::Yes
                   ? ELockResult::ReadOnly
                   : ELockResult::Refused;
    }
    case CEventLock::EResult::Failed:
        break;
    }
    // A folder no lock can be made in (read-only media, say) can still be read.
    m_prompt.Ask(FormatText(LoadString(IDS_LOCK_FAILED), {folder.string(), error}), caption,
                 EButtons::Ok);
    return m_whenLocked == EWhenLocked::Refuse ? ELockResult::Refused : ELockResult::ReadOnly;
}

void CNewOrvDoc::ActivateBeforeLoad(CEventInfo* event)
{
    if (event == nullptr)
        return;
    Activate(event);
    ReloadEventSettings();
    CRecordCounters::SetLastUniqueGuestId(m_eventSettings.GetLastGuestUniqueId());
}

bool CNewOrvDoc::SaveCurrentEventSettings()
{
    if (m_activeEvent != nullptr)
        m_eventSettings.SetEventName(m_activeEvent->GetName());
    m_eventSettings.SetLastGuestUniqueId(CRecordCounters::GetLastUniqueGuestId());
    return SaveEventSettings();
}

bool CNewOrvDoc::SelectEvent(CEventInfo* event)
{
    if (event == nullptr || event == m_activeEvent)
        return false;
    if (!SaveModified() || !SaveCurrentEventSettings())
        return false;
    // The new event's lock before the old one goes: a refusal leaves everything as it was.
    std::unique_ptr<CEventLock> lock;
    const ELockResult locked = LockEventFolder(*event, lock);
    if (locked == ELockResult::Refused)
        return false;
    m_eventLock = std::move(lock);
    m_eventReadOnly = locked == ELockResult::ReadOnly;
    Activate(event);
    // The settings first: the load builds the guests with them, and the unique ids of the new
    // event continue from its own counter.
    ReloadEventSettings();
    CRecordCounters::SetLastUniqueGuestId(m_eventSettings.GetLastGuestUniqueId());
    ReloadEvent();
    return true;
}

CEventInfo* CNewOrvDoc::AddEvent(const SNewEvent& details)
{
    if (m_readOnly)
        return nullptr;
    if (!SaveModified() || !SaveCurrentEventSettings())
        return nullptr;

    // The folder is made here and taken only when this call made it: two programs adding an
    // event at the same moment never share one folder.
    m_folders.DataRoot();
    int n = 1;
    for (;; ++n)
    {
        std::error_code error;
        const fs::path folder = m_folders.EventFolder(n);
        if (fs::exists(folder, error))
            continue;
        if (fs::create_directory(folder, error) || (error && !fs::exists(folder)))
            break; // made, or it cannot be made: a failure shows at the save below
    }
    m_events.push_back(std::make_unique<CEventInfo>(CProgramFolders::EventId(n),
                                                    m_folders.EventFolder(n), std::string()));
    CEventInfo* added = m_events.back().get();
    std::unique_ptr<CEventLock> lock;
    const ELockResult locked = LockEventFolder(*added, lock);
    if (locked == ELockResult::Refused)
    {
        m_events.pop_back();
        return nullptr;
    }
    m_eventLock = std::move(lock);
    m_eventReadOnly = locked == ELockResult::ReadOnly;
    Activate(added);
    m_folders.EnsureActiveEventFolder(); // a failure shows at the save below
    Trace("CNewOrvDoc::AddEvent", added->GetFolder().string());
    if (details.copyFrom != nullptr && details.copyFrom != added)
        CopyEventData(*details.copyFrom, added->GetFolder());

    ReloadEventSettings();
    CRecordCounters::SetLastUniqueGuestId(m_eventSettings.GetLastGuestUniqueId());
    ReloadEvent();
    // Runs whether or not anything was copied: without copied guests it finds nothing to reset.
    ResetGuestsForNewEvent();

    std::string eventName = details.eventName;
    if (eventName.empty())
        eventName = CEventTypes::MakeEventName(details.type, details.brideFirstName,
                                               details.groomFirstName);
    ApplyNewEventSettings(details, eventName);
    added->SetName(eventName);
    if (details.createGroups)
        CreateDefaultGroups(details.brideFirstName, CEventTypes::HasPartyOwner(details.type)
                                                        ? std::string()
                                                        : details.groomFirstName);
    // The new event's own making is no step a user could take back.
    m_undo.Clear();
    Broadcast(HINT_EVENT_RELOADED, nullptr);
    SaveEventData(); // a failure was told and leaves the new event marked changed
    return added;
}

int CNewOrvDoc::CreateDefaultGroups(const std::string& brideName, const std::string& groomName)
{
    return m_defaultContent != nullptr
               ? m_defaultContent->CreateDefaultGroups(*this, brideName, groomName)
               : 0;
}

void CNewOrvDoc::CopyEventData(const CEventInfo& source, const fs::path& targetFolder)
{
    // WeddingData.xml is the event's data. An event that was never saved since it came from an
    // older installation has only its legacy record files; copying nothing would silently give
    // an empty event, so those are copied instead. Settings, tasks and the data version never.
    std::vector<int> kinds = {kFileWeddingDataXml};
    std::error_code ignored;
    if (!fs::exists(EventFilePath(source.GetFolder(), kFileWeddingDataXml), ignored))
        kinds = {kFileGuestsIni,   kFileGroupsIni,   kFileTablesIni, kFileExpencesIni,
                 kFileMeetingsIni, kFileCategoryIni, kFileOffersIni, kFileGanArrangementIni};
    for (int kind : kinds)
    {
        const fs::path from = EventFilePath(source.GetFolder(), kind);
        const fs::path to = EventFilePath(targetFolder, kind);
        if (!fs::exists(from, ignored) || fs::exists(to, ignored))
            continue;
        std::string error;
        if (!CopyFileAtomic(from, to, &error))
            ReportWriteFailure(error);
    }
}

void CNewOrvDoc::ResetGuestsForNewEvent()
{
    for (const auto& guest : m_guests)
    {
        guest->SetTable(0);
        guest->SetSeatLocked(false); // the seat it kept is gone
        guest->SetArrivedCount(0);
        guest->SetArrived(false);
        guest->SetInvitationSent(false);
        guest->SetStatus(CGuest::kStatusUnknown);
        guest->SetGiftDollars(0.0f);
        guest->SetGiftShekels(0.0f);
        guest->SetSmsCount(0);
        guest->SetGift(std::string());
        guest->SetGiftDetails(std::string());
    }
    SetDataChanged(true);
}

void CNewOrvDoc::ApplyNewEventSettings(const SNewEvent& details, const std::string& eventName)
{
    const std::pair<const char*, std::string> keys[] = {
        {"GroumName", details.groomFirstName},
        {"GroomMid", details.groomMiddleName},
        {"GroumFamily", details.groomFamilyName},
        {"BrideName", details.brideFirstName},
        {"BrideMid", details.brideMiddleName},
        {"BrideFamily", details.brideFamilyName},
        {"CouplePhone", details.phone},
        {"WeddingYear", FormatInt(details.date.year)},
        {"WeddingMonth", FormatInt(details.date.month)},
        {"WeddingDay", FormatInt(details.date.day)},
    };
    for (const auto& [key, value] : keys)
        m_eventSettings.SetKeySetting(key, value);
    m_eventSettings.SetEventName(eventName);
    m_eventSettings.SetEventType(details.type);
}

// --- Settings -------------------------------------------------------------------------------

void CNewOrvDoc::ReloadEventSettings()
{
    m_eventSettings.Load(m_folders.FilePath(kFileSettingsIni));
}

void CNewOrvDoc::ReportWriteFailure(const std::string& error)
{
    Trace("CNewOrvDoc::Write", error);
    m_prompt.Ask(error, LoadString(IDS_PRODUCT_NAME), EButtons::Ok);
}

bool CNewOrvDoc::SaveEventSettings()
{
    if (!WritesEvent() || !m_eventSettings.IsModified())
        return true;
    m_folders.EnsureActiveEventFolder();
    std::string error;
    if (m_eventSettings.Save(m_folders.FilePath(kFileSettingsIni), &error))
        return true;
    ReportWriteFailure(error);
    return false;
}

bool CNewOrvDoc::SaveAppSettings()
{
    if (m_readOnly || !m_appSettings.IsModified())
        return true;
    m_folders.DataRoot();
    std::string error;
    if (m_appSettings.Save(m_folders.FilePath(kFileAppSettingsIni), &error))
        return true;
    ReportWriteFailure(error);
    return false;
}

// --- Start-up and shutdown -------------------------------------------------------------------

bool CNewOrvDoc::OnNewDocument()
{
    if (WritesEvent())
        MigrateOldData();
    LoadEventData();
    if (!ShowTermsNoticeIfNeeded())
        return false;
    FillCalculatorPath();
    m_title = LoadString(IDS_APP_TITLE);
    return true;
}

void CNewOrvDoc::MigrateOldData()
{
    // An installation that kept its data beside the program: move it into the active event.
    const fs::path oldData = m_folders.ProgramFolder() / "Data";
    const fs::path oldEvent = oldData / "DB1";
    std::error_code error;
    if (!fs::is_directory(oldEvent, error))
        return;
    if (fs::equivalent(oldData, m_folders.DataRoot(), error))
        return;
    const fs::path target = m_folders.EnsureActiveEventFolder();
    if (CopyEventFiles(oldEvent, target, true, true, false))
    {
        fs::remove(oldEvent, error); // only when empty: never delete files we did not move
        Trace("CNewOrvDoc::MigrateOldData", "moved " + oldEvent.string());
    }
    ReloadEventSettings();
    m_appSettings.Load(EventFilePath(m_folders.ActiveEventFolder(), kFileAppSettingsIni));
}

bool CNewOrvDoc::ShowTermsNoticeIfNeeded()
{
    if (m_readOnly || !m_termsNotice || m_appSettings.GetTermsAccepted())
        return true;
    if (!m_termsNotice())
        return false;
    m_appSettings.SetTermsAccepted(true);
    // An event open read-only is not to be saved; the setting goes with the shared settings.
    if (WritesEvent())
        SetDataChanged(true);
    return true;
}

void CNewOrvDoc::FillCalculatorPath()
{
    if (!m_appSettings.GetCalculatorPath().empty())
        return;
    m_appSettings.SetCalculatorPath(FindFirstOnPath(kCalculators));
    m_appSettings.SetModified();
}

bool CNewOrvDoc::SaveModified()
{
    CommitPendingEdits();
    if (!m_dataChanged)
        return true;
    if (m_eventReadOnly)
        return AskString(m_prompt, IDS_READ_ONLY_CLOSE_QUESTION, IDS_EVENT_LOCKED_CAPTION,
                         EButtons::YesNo) == EAnswer::Yes;
    // A damaged file is replaced only when the user says so: not unasked at exit.
    const bool mustAskFirst = m_dataFileDamaged && !m_damagedReplaceConfirmed;
    if (m_appSettings.GetAutoSaveOnExit() && !mustAskFirst)
        return SaveEventData();
    switch (AskString(m_prompt, IDS_SAVE_CHANGES_PROMPT_TEXT, IDS_SAVE_CHANGES_PROMPT_CAPTION,
                      EButtons::YesNoCancel))
    {
    case EAnswer::Yes:
        return SaveEventData();
    case EAnswer::No:
        return true;
    default:
        return false;
    }
}

bool CNewOrvDoc::WriteShutdownState()
{
    if (m_readOnly)
        return true;
    bool allWritten = true;
    std::string error;
    // An event open read-only keeps its folder as it is; the data root's files are ours too.
    if (WritesEvent())
    {
        m_folders.EnsureActiveEventFolder();
        if (!m_checkpoint.GetPath().empty() && !m_checkpoint.Save(&error))
        {
            ReportWriteFailure(error);
            allWritten = false;
        }
    }
    if (m_activeEvent != nullptr)
        m_eventSettings.SetEventName(m_activeEvent->GetName());
    if (CEventInfo* persisted = FindEvent(m_persistedActiveId))
    {
        if (!m_folders.WriteActive(*persisted, true))
        {
            ReportWriteFailure(FormatText(LoadString(IDS_FILE_SAVE_FAILED),
                                          {m_folders.EventsIniPath().string(), "events.ini"}));
            allWritten = false;
        }
    }
    m_eventSettings.SetLastGuestUniqueId(CRecordCounters::GetLastUniqueGuestId());
    allWritten = SaveEventSettings() && allWritten;
    allWritten = SaveAppSettings() && allWritten;
    return allWritten;
}

// --- Views ----------------------------------------------------------------------------------

void CNewOrvDoc::AddView(IDocView* view)
{
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end())
        m_views.push_back(view);
}

void CNewOrvDoc::RemoveView(IDocView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
}

void CNewOrvDoc::UpdateAllViews(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    // A view may attach or detach others while it handles a hint; walk a copy.
    const std::vector<IDocView*> views = m_views;
    for (IDocView* view : views)
        if (view != sender)
            view->OnUpdate(sender, hint, record);
}

void CNewOrvDoc::Broadcast(EUpdateHint hint, CRecord* record)
{
    UpdateAllViews(nullptr, hint, record);
}

void CNewOrvDoc::CommitPendingEdits()
{
    const std::vector<IDocView*> views = m_views;
    for (IDocView* view : views)
        view->CommitPendingEdit();
}

bool CNewOrvDoc::Undo()
{
    return ApplyUndoStep(false);
}

bool CNewOrvDoc::Redo()
{
    return ApplyUndoStep(true);
}

bool CNewOrvDoc::ApplyUndoStep(bool forward)
{
    CommitPendingEdits();
    m_undo.CloseStep();
    if (forward ? !m_undo.CanRedo() : !m_undo.CanUndo())
        return false;
    // Every record in the collections may be another object afterwards.
    Broadcast(HINT_EVENT_RELOADING, nullptr);
    if (forward)
        m_undo.Redo();
    else
        m_undo.Undo();
    // Changed again even when this returns to the saved state: the flag never claims a state
    // that was not written.
    SetDataChanged(true);
    Broadcast(HINT_EVENT_RELOADED, nullptr);
    return true;
}
