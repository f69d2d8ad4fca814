// The document's load and save cycle: legacy INI files or WeddingData.xml in, WeddingData.xml out.
//
// A save never loses data: the XML text is built in memory and replaces WeddingData.xml
// atomically; only after that succeeded are the legacy INI files removed. When any step fails the
// user is told, the unsaved-changes flag stays set and the files on disk are as they were.
//
// Nor does a save replace what it should not:
// - what the reader could not read back whole (the reader's limits are the writer's);
// - a data file loaded damaged (or capped, or repaired at load), before the user said so, and
//   never without a copy of it beside it;
// - a data file another program changed since this document read or wrote it: the document
//   keeps the file's fingerprint (size, time, a hash of its bytes) from the load and from every
//   save, and compares it before the replacement.

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/LegacyLoader.h"
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
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "store/DefaultContentSource.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "store/XmlDataReader.h"
#include "store/XmlDataSink.h"
#include "store/XmlDataWriter.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <unordered_set>

namespace fs = std::filesystem;

namespace
{
// Load-window positions.
constexpr int kProgressStart = 0;
constexpr int kProgressRecordsRead = 70;
constexpr int kProgressDefaults = 80;
constexpr int kProgressTasks = 90;
constexpr int kProgressDone = 100;

// The legacy record files a save replaces by WeddingData.xml.
const int kLegacyRecordFiles[] = {kFileGuestsIni, kFileExpencesIni,      kFileTablesIni,
                                  kFileGroupsIni, kFileMeetingsIni,      kFileCategoryIni,
                                  kFileOffersIni, kFileGanArrangementIni};

// "20261206-071503": local date and time for the name of a kept damaged file.
std::string TimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y%m%d-%H%M%S", &local);
    return buffer;
}
} // namespace

// The document as the target of the XML reader: records join the collections in file order.
class CDocumentSink : public IXmlDataSink
{
public:
    explicit CDocumentSink(CNewOrvDoc& doc) : m_doc(doc) {}

    IRecordOwner* RecordOwner() override { return &m_doc; }
    const CEventSettings* RecordSettings() override { return &m_doc.m_eventSettings; }
    void AddGuest(std::unique_ptr<CGuest> guest) override
    {
        m_doc.m_guests.push_back(std::move(guest));
    }
    void AddExpense(std::unique_ptr<CExpence> expense) override
    {
        m_doc.m_expenses.push_back(std::move(expense));
    }
    void AddTable(std::unique_ptr<CTable> table) override
    {
        table->SetIndex(static_cast<int>(m_doc.m_tables.size()));
        m_doc.m_tables.push_back(std::move(table));
    }
    void AddGroup(std::unique_ptr<CGroup> group) override
    {
        m_doc.m_groups.push_back(std::move(group));
    }
    void AddMeeting(std::unique_ptr<CMeeting> meeting) override
    {
        m_doc.m_meetings.push_back(std::move(meeting));
    }
    void AddCategory(std::unique_ptr<CCategory> category) override
    {
        m_doc.m_categories.push_back(std::move(category));
    }
    void AddOffer(std::unique_ptr<COffer> offer) override
    {
        m_doc.m_offers.push_back(std::move(offer));
    }
    void AddShape(std::unique_ptr<CShape> shape) override
    {
        m_doc.m_shapes.push_back(std::move(shape));
    }

private:
    CNewOrvDoc& m_doc;
};

void CNewOrvDoc::ResetIndexCounters()
{
    for (ERecordClass recordClass :
         {ERecordClass::Guest, ERecordClass::Table, ERecordClass::Meeting, ERecordClass::Group,
          ERecordClass::Expence, ERecordClass::Shape})
        CRecordCounters::ResetIndex(recordClass);
}

void CNewOrvDoc::LoadEventData()
{
    CUndoHistory::CPause notRecorded(m_undo);
    m_undo.Clear();
    ResetIndexCounters();
    m_progress->Begin(std::string());
    m_progress->SetPos(kProgressStart);
    m_checkpoint.Load(m_folders.FilePath(kFileCheckpointIni));

    const fs::path dataFile = m_folders.FilePath(kFileWeddingDataXml);
    std::error_code ignored;
    const bool fromIniFiles = !fs::exists(dataFile, ignored);
    m_dataFileDamaged = false;
    m_damagedReplaceConfirmed = false;
    m_dataFileFingerprint = CFileFingerprint();
    // What was wrong with the stored data, for the one message of the load.
    std::vector<std::string> damage;
    m_progress->SetPos(kProgressRecordsRead);
    if (fromIniFiles)
        LoadFromIniFiles();
    else
        ReadDataFile(dataFile, damage);

    m_progress->SetPos(kProgressDefaults);
    CompleteDefaultContent();
    SortMeetings();
    const bool repaired = RepairLoadedRecords(damage);

    m_progress->SetPos(kProgressTasks);
    LoadTasks();
    m_progress->SetPos(kProgressDone);
    m_progress->End();

    if (!damage.empty())
    {
        // A repaired data file is treated as a damaged one: asked about and kept before the
        // first save replaces it. Legacy files have no copy to keep; they are told only.
        m_dataFileDamaged = !fromIniFiles;
        std::string reasons;
        for (const std::string& reason : damage)
            reasons += (reasons.empty() ? "" : "; ") + reason;
        const fs::path told = fromIniFiles ? m_folders.FilePath(kFileGuestsIni) : dataFile;
        m_prompt.Ask(FormatText(LoadString(IDS_DATA_FILE_DAMAGED_TEXT), {told.string(), reasons}),
                     LoadString(IDS_DATA_FILE_DAMAGED_CAPTION), EButtons::Ok);
    }
    // An event read from INI files is converted by the next save; repairs are written by it.
    SetDataChanged(fromIniFiles || repaired);
}

void CNewOrvDoc::ReadDataFile(const fs::path& dataFile, std::vector<std::string>& damage)
{
    std::string error;
    std::string bytes;
    if (ReadRegularFile(dataFile, bytes, CXmlDataReader::kMaxFileBytes))
    {
        m_dataFileFingerprint = CFileFingerprint::OfBytes(dataFile, bytes);
        CDocumentSink sink(*this);
        if (!CXmlDataReader::ReadText(bytes, sink, &error))
            damage.push_back(error);
        return;
    }
    // Not read (too large, no regular file): the reader says why.
    m_dataFileFingerprint = CFileFingerprint::OfUnread(dataFile);
    if (!ImportXml(dataFile, &error))
        damage.push_back(error);
}

bool CNewOrvDoc::RepairLoadedRecords(std::vector<std::string>& damage)
{
    // Unique ids name guests on the command line and in links: the first guest of an id keeps
    // it, later ones get new ids from the counter (which the load raised above every stored id).
    std::unordered_set<int> seen;
    int renumbered = 0;
    int unseated = 0;
    const int tableCount = GetTableCount();
    for (const auto& guest : m_guests)
    {
        // Detached while repaired: these are no edits to broadcast.
        IRecordOwner* owner = guest->GetOwner();
        guest->SetOwner(nullptr);
        if (!seen.insert(guest->GetUniqueId()).second)
        {
            const int id = CRecordCounters::TakeUniqueGuestId();
            Trace("CNewOrvDoc::LoadEventData", "guest " + guest->GetFullName() + " shared id " +
                                                   FormatInt(guest->GetUniqueId()) + "; it has " +
                                                   FormatInt(id) + " now");
            guest->SetUniqueId(id);
            seen.insert(id);
            ++renumbered;
        }
        const int table = guest->GetTable();
        if (table < 0 || table >= tableCount)
        {
            guest->SetTable(0);
            ++unseated;
        }
        guest->SetOwner(owner);
    }
    if (unseated > 0)
        damage.push_back(FormatText(LoadString(IDS_TABLES_OUT_OF_RANGE), {FormatInt(unseated)}));
    return renumbered > 0 || unseated > 0;
}

void CNewOrvDoc::CompleteDefaultContent()
{
    if (m_defaultContent != nullptr)
        m_defaultContent->CompleteEvent(*this);
    // Whatever the source did, every event has its unseated table.
    CreateUnseatedTable();
}

void CNewOrvDoc::LoadFromIniFiles()
{
    auto iniOf = [this](int kind) { return CProfileFile(m_folders.FilePath(kind)); };

    CProfileFile groups = iniOf(kFileGroupsIni);
    LoadRecordsFromIni(
        groups, CGroup::kSectionPrefix, [this](int) { return std::make_unique<CGroup>(this); },
        m_groups);

    CProfileFile guests = iniOf(kFileGuestsIni);
    LoadGuestsFromIni(guests, &m_eventSettings, this, m_guests,
                      [this](int position) { m_progress->SetPos(position); });

    CProfileFile expenses = iniOf(kFileExpencesIni);
    LoadRecordsFromIni(
        expenses, CExpence::kSectionPrefix,
        [this](int) { return std::make_unique<CExpence>(this); }, m_expenses);
    CProfileFile tables = iniOf(kFileTablesIni);
    LoadRecordsFromIni(
        tables, CTable::kSectionPrefix, [this](int n) { return std::make_unique<CTable>(this, n); },
        m_tables);
    CProfileFile meetings = iniOf(kFileMeetingsIni);
    LoadRecordsFromIni(
        meetings, CMeeting::kSectionPrefix,
        [this](int) { return std::make_unique<CMeeting>(this); }, m_meetings);
    CProfileFile categories = iniOf(kFileCategoryIni);
    LoadRecordsFromIni(
        categories, CCategory::kSectionPrefix,
        [this](int) { return std::make_unique<CCategory>(this); }, m_categories);
    CProfileFile offers = iniOf(kFileOffersIni);
    LoadRecordsFromIni(
        offers, COffer::kSectionPrefix, [this](int) { return std::make_unique<COffer>(this); },
        m_offers);
    // Reading an old offer migrates "IsInOffer"; that one write is the only write to a legacy
    // file, and a reading run (or an event open read-only) makes none.
    if (WritesEvent() && offers.IsChanged())
    {
        std::string error;
        if (!offers.Save(&error))
            Trace("CNewOrvDoc::LoadFromIniFiles", error);
    }

    fs::path shapesPath = m_folders.FilePath(kFileGanArrangementIni);
    std::error_code ignored;
    if (WritesEvent())
        shapesPath = PrepareShapesIni(shapesPath);
    else if (!fs::exists(shapesPath, ignored))
        shapesPath.replace_extension(".gan");
    CProfileFile shapes(shapesPath);
    LoadShapesFromIni(shapes, this, m_shapes);
}

bool CNewOrvDoc::ImportXml(const fs::path& path, std::string* error)
{
    CDocumentSink sink(*this);
    return CXmlDataReader::ReadFile(path, sink, error);
}

void CNewOrvDoc::LoadTasks()
{
    // The file's root is "Task1" whatever ids this process handed out before.
    m_taskRoot->SetId(CTask::kRootId);
    m_taskRoot->LoadTree(m_folders.FilePath(kFileTasksIni));
    m_taskRoot->SetName(LoadString(IDS_TASKS_ROOT));
}

bool CNewOrvDoc::SaveTasks()
{
    if (!m_taskRoot->IsModifiedDeep())
        return true;
    std::string error;
    if (m_taskRoot->Save(m_folders.FilePath(kFileTasksIni), &error))
        return true;
    ReportWriteFailure(error);
    return false;
}

void CNewOrvDoc::ClearAll()
{
    CUndoHistory::CPause notRecorded(m_undo);
    m_undo.Clear();
    m_seatingIndex.Invalidate();
    m_guests.clear();
    m_tables.clear();
    m_expenses.clear();
    m_meetings.clear();
    m_groups.clear();
    m_categories.clear();
    m_offers.clear();
    m_shapes.clear();
    m_taskRoot->DeleteSubtree();
}

void CNewOrvDoc::ReloadEvent()
{
    Broadcast(HINT_EVENT_RELOADING, nullptr);
    ClearAll();
    LoadEventData();
    ReloadEventSettings();
    m_undo.Clear();
    Broadcast(HINT_EVENT_RELOADED, nullptr);
}

void CNewOrvDoc::SortMeetings(bool latestFirst)
{
    m_undo.CollectionChanging(ERecordClass::Meeting);
    std::stable_sort(m_meetings.begin(), m_meetings.end(),
                     [latestFirst](const auto& a, const auto& b) {
                         return latestFirst ? a->GetDate() > b->GetDate()
                                            : a->GetDate() < b->GetDate();
                     });
}

std::string CNewOrvDoc::BuildDataFileText() const
{
    return CXmlDataWriter::DataFileText(
        {m_guests, m_expenses, m_tables, m_groups, m_meetings, m_categories, m_offers, m_shapes});
}

bool CNewOrvDoc::KeepDamagedDataFile(const fs::path& dataFile)
{
    std::error_code error;
    if (!fs::exists(dataFile, error))
        return true;
    fs::path copy = dataFile;
    copy += ".damaged-" + TimeStamp();
    for (int n = 2; fs::exists(copy, error); ++n)
    {
        copy = dataFile;
        copy += ".damaged-" + TimeStamp() + "-" + FormatInt(n);
    }
    // Our own copy routine: it reads regular files only, and never waits on a FIFO.
    std::string copyError;
    if (!CopyFileAtomic(dataFile, copy, &copyError))
    {
        ReportWriteFailure(FormatText(LoadString(IDS_SAVE_FAILED_TEXT), {copyError}));
        return false;
    }
    Trace("CNewOrvDoc::SaveEventData", "kept the damaged data file as " + copy.string());
    return true;
}

void CNewOrvDoc::RemoveLegacyFiles()
{
    for (int kind : kLegacyRecordFiles)
    {
        std::string error;
        // A leftover legacy file is harmless (WeddingData.xml wins at the next load): trace it.
        if (!RemoveFileChecked(m_folders.FilePath(kind), &error))
            Trace("CNewOrvDoc::RemoveLegacyFiles", error);
    }
}

void CNewOrvDoc::AdoptDataFile()
{
    m_dataFileFingerprint = CFileFingerprint::Of(m_folders.FilePath(kFileWeddingDataXml),
                                                 CXmlDataReader::kMaxFileBytes);
}

std::size_t CNewOrvDoc::RecordCount() const
{
    return m_guests.size() + m_expenses.size() + m_tables.size() + m_groups.size() +
           m_meetings.size() + m_categories.size() + m_offers.size() + m_shapes.size();
}

bool CNewOrvDoc::ConfirmDataFileReplacement(const fs::path& dataFile, bool& reloaded)
{
    reloaded = false;
    const std::string caption = LoadString(IDS_DATA_FILE_CHANGED_CAPTION);
    if (m_externalChange == EExternalChange::Refuse)
    {
        m_prompt.Ask(FormatText(LoadString(IDS_DATA_FILE_CHANGED_REFUSED), {dataFile.string()}),
                     caption, EButtons::Ok);
        return false;
    }
    switch (
        m_prompt.Ask(FormatText(LoadString(IDS_DATA_FILE_CHANGED_QUESTION), {dataFile.string()}),
                     caption, EButtons::YesNoCancel))
    {
    case EAnswer::Yes:
        return true;
    case EAnswer::No:
        ReloadEvent();
        reloaded = true;
        return false;
    default:
        return false;
    }
}

void CNewOrvDoc::RemoveOurStaleFiles()
{
    // A temporary file is stale only while nobody is saving: we hold the lock, or no one does.
    const fs::path& folder = m_folders.ActiveEventFolder();
    if (!HoldsEventLock() && !CEventLock::IsFree(folder))
        return;
    std::vector<std::string> names;
    for (int kind = kFileGuestsIni; kind <= kFileTasksIni; ++kind)
        if (kind != kFileAppSettingsIni)
            names.push_back(EventFileName(kind));
    const int removed = RemoveStaleTemporaryFiles(folder, names);
    if (removed > 0)
        Trace("CNewOrvDoc::SaveEventData",
              "removed " + FormatInt(removed) + " temporary files of saves that did not finish");
}

bool CNewOrvDoc::SaveEventData()
{
    if (m_readOnly)
        return false;
    if (m_eventReadOnly)
    {
        AskString(m_prompt, IDS_READ_ONLY_SAVE_REFUSED, IDS_EVENT_LOCKED_CAPTION, EButtons::Ok);
        return false;
    }
    m_folders.EnsureActiveEventFolder();

    bool saved = true;
    m_eventSettings.SetLastGuestUniqueId(CRecordCounters::GetLastUniqueGuestId());
    saved = SaveEventSettings() && saved;
    std::string error;
    if (!m_checkpoint.GetPath().empty() && !m_checkpoint.Save(&error))
    {
        ReportWriteFailure(error);
        saved = false;
    }
    CommitPendingEdits();
    if (!m_dataChanged)
        return saved;

    const fs::path dataFile = m_folders.FilePath(kFileWeddingDataXml);
    if (m_dataFileDamaged && !m_damagedReplaceConfirmed)
    {
        if (m_prompt.Ask(FormatText(LoadString(IDS_DAMAGED_SAVE_QUESTION), {dataFile.string()}),
                         LoadString(IDS_DATA_FILE_DAMAGED_CAPTION),
                         EButtons::YesNo) != EAnswer::Yes)
            return false;
        m_damagedReplaceConfirmed = true;
    }

    m_progress->Begin(LoadString(IDS_SAVE_PROGRESS));
    m_progress->SetPos(10);
    const std::string text = BuildDataFileText();
    m_progress->SetPos(50);

    // A file the next load would refuse or cut would empty the event at the save after it.
    std::string reason;
    if (!CXmlDataReader::IsReadable(text, RecordCount(), &reason))
    {
        m_progress->End();
        m_prompt.Ask(FormatText(LoadString(IDS_SAVE_FAILED_TEXT),
                                {FormatText(LoadString(IDS_SAVE_UNREADABLE), {reason})}),
                     LoadString(IDS_SAVE_FAILED_CAPTION), EButtons::Ok);
        return false;
    }
    if (!m_dataFileFingerprint.Matches(dataFile))
    {
        m_progress->End();
        bool reloaded = false;
        if (!ConfirmDataFileReplacement(dataFile, reloaded))
            return reloaded; // reloaded: the document is the file, nothing is left unsaved
        m_progress->Begin(LoadString(IDS_SAVE_PROGRESS));
        m_progress->SetPos(50);
    }
    RemoveOurStaleFiles();

    if (m_dataFileDamaged && !KeepDamagedDataFile(dataFile))
    {
        m_progress->End();
        return false;
    }
    if (!WriteFileAtomic(dataFile, text, &error))
    {
        m_progress->End();
        m_prompt.Ask(FormatText(LoadString(IDS_SAVE_FAILED_TEXT), {error}),
                     LoadString(IDS_SAVE_FAILED_CAPTION), EButtons::Ok);
        return false;
    }
    m_dataFileFingerprint = CFileFingerprint::OfBytes(dataFile, text);
    m_dataFileDamaged = false;
    RemoveLegacyFiles();
    if (!WriteProfileString(m_folders.FilePath(kFileSettingsIni), "GuestsCount", "GuestsCount",
                            FormatInt(GetGuestCount())))
        Trace("CNewOrvDoc::SaveEventData", "could not store the guest count");

    m_progress->SetPos(100);
    saved = SaveTasks() && saved;
    m_progress->End();
    // A settings or task file that could not be written keeps the event marked changed, so the
    // next save (or the end of a command's run) writes it again instead of taking it as saved.
    SetDataChanged(!saved);
    return saved;
}
