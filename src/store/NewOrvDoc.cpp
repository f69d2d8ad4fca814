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
      m_taskRoot(std::make_unique<CTask>())
{
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

    int n = 1;
    for (std::error_code error; fs::exists(m_folders.EventFolder(n), error); ++n)
    {
    }
    m_events.push_back(std::make_unique<CEventInfo>(CProgramFolders::EventId(n),
                                                    m_folders.EventFolder(n), std::string()));
    CEventInfo* added = m_events.back().get();
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
    if (m_readOnly || !m_eventSettings.IsModified())
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
    if (!m_readOnly)
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
    if (m_appSettings.GetAutoSaveOnExit())
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
    m_folders.EnsureActiveEventFolder();
    std::string error;
    if (!m_checkpoint.GetPath().empty() && !m_checkpoint.Save(&error))
    {
        ReportWriteFailure(error);
        allWritten = false;
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
