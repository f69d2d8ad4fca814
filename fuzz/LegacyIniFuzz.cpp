// Fuzz target for the readers of the legacy INI files of an event folder (the record files, the
// shapes, Tasks.ini, Checkpoint.ini) and of the settings files (Settings.ini, AppSettings.ini,
// General.ini).
//
// Input: one byte that picks the file, then the bytes of that file. Any broken invariant aborts:
// - every text a record holds is valid UTF-8;
// - a guest's counts are never below 0, an expense has at least one payment;
// - the task tree read from Tasks.ini has no id twice, no task below the deepest level read and
//   no sub-task without a name.
// Files are read through the same calls the document makes; the ones read by path go through a
// scratch file of this process.

#include "FuzzCheck.h"
#include "model/Category.h"
#include "model/Checkpoint.h"
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
#include "platform/ProfileFile.h"
#include "platform/TextEncoding.h"
#include "settings/AppSettings.h"
#include "settings/EventSettings.h"
#include "settings/GeneralSettings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace
{
enum EFile : unsigned
{
    kGuests,
    kGroups,
    kExpenses,
    kTables,
    kMeetings,
    kCategories,
    kOffers,
    kShapes,
    kTasks,
    kCheckpoint,
    kEventSettings,
    kAppSettings,
    kGeneralSettings,
    kFileCount
};

const std::filesystem::path& ScratchFile()
{
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("velloran-legacy-ini-fuzz-" + std::to_string(::getpid()) + ".ini");
    return path;
}

void WriteScratch(std::string_view bytes)
{
    std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
    if (file == nullptr)
        FuzzFail("cannot write the scratch file", ScratchFile().string());
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        FuzzFail("cannot write the scratch file", ScratchFile().string());
    std::fclose(file);
}

template <class T>
void CheckTexts(const std::vector<std::unique_ptr<T>>& records)
{
    for (const auto& record : records)
    {
        FUZZ_CHECK(IsValidUtf8(record->GetName()), record->GetName());
        FUZZ_CHECK(IsValidUtf8(record->GetInfo()), record->GetInfo());
    }
}

template <class T, class Factory>
void ReadRecords(CProfileFile& ini, const char* prefix, Factory&& make)
{
    std::vector<std::unique_ptr<T>> records;
    LoadRecordsFromIni(ini, prefix, make, records);
    CheckTexts(records);
}

void CheckTaskTree(CTask& task, int depth, std::set<int>& ids)
{
    FUZZ_CHECK(depth <= CTask::kMaxLoadDepth, task.GetName());
    FUZZ_CHECK(ids.insert(task.GetId()).second, task.GetSection());
    FUZZ_CHECK(IsValidUtf8(task.GetName()) && IsValidUtf8(task.GetInfo()), task.GetName());
    for (int i = 0; i < task.GetChildCount(); ++i)
    {
        CTask* child = task.GetChild(i);
        FUZZ_CHECK(child != nullptr && child->GetParent() == &task, task.GetSection());
        FUZZ_CHECK(!child->GetName().empty(), child->GetSection());
        CheckTaskTree(*child, depth + 1, ids);
    }
}

void ReadFile(unsigned kind, std::string_view bytes)
{
    CProfileFile ini;
    ini.LoadBytes(bytes);
    switch (kind)
    {
    case kGuests:
    {
        std::vector<std::unique_ptr<CGuest>> guests;
        LoadGuestsFromIni(ini, nullptr, nullptr, guests);
        CheckTexts(guests);
        for (const auto& guest : guests)
        {
            FUZZ_CHECK(IsValidUtf8(guest->GetFamilyName()), guest->GetFamilyName());
            FUZZ_CHECK(guest->GetInvitedCount() >= 0 && guest->GetComingCount() >= 0 &&
                           guest->GetArrivedCount() >= 0,
                       guest->GetName());
        }
        break;
    }
    case kGroups:
        ReadRecords<CGroup>(ini, CGroup::kSectionPrefix,
                            [](int) { return std::make_unique<CGroup>(nullptr); });
        break;
    case kExpenses:
    {
        std::vector<std::unique_ptr<CExpence>> expenses;
        LoadRecordsFromIni(
            ini, CExpence::kSectionPrefix, [](int) { return std::make_unique<CExpence>(nullptr); },
            expenses);
        CheckTexts(expenses);
        for (const auto& expense : expenses)
            FUZZ_CHECK(expense->GetPaymentCount() >= 1, expense->GetName());
        break;
    }
    case kTables:
        ReadRecords<CTable>(ini, CTable::kSectionPrefix,
                            [](int n) { return std::make_unique<CTable>(nullptr, n); });
        break;
    case kMeetings:
        ReadRecords<CMeeting>(ini, CMeeting::kSectionPrefix,
                              [](int) { return std::make_unique<CMeeting>(nullptr); });
        break;
    case kCategories:
        ReadRecords<CCategory>(ini, CCategory::kSectionPrefix,
                               [](int) { return std::make_unique<CCategory>(nullptr); });
        break;
    case kOffers:
        ReadRecords<COffer>(ini, COffer::kSectionPrefix,
                            [](int) { return std::make_unique<COffer>(nullptr); });
        break;
    case kShapes:
    {
        std::vector<std::unique_ptr<CShape>> shapes;
        LoadShapesFromIni(ini, nullptr, shapes);
        CheckTexts(shapes);
        break;
    }
    case kTasks:
    {
        WriteScratch(bytes);
        CTask root;
        root.SetId(CTask::kRootId);
        root.LoadTree(ScratchFile());
        std::set<int> ids;
        CheckTaskTree(root, 0, ids);
        break;
    }
    case kCheckpoint:
    {
        WriteScratch(bytes);
        CCheckpoint checkpoint;
        FUZZ_CHECK(checkpoint.Load(ScratchFile()), "checkpoint");
        break;
    }
    case kEventSettings:
    {
        WriteScratch(bytes);
        CEventSettings settings;
        settings.Load(ScratchFile());
        FUZZ_CHECK(IsValidUtf8(settings.GetEventName()), settings.GetEventName());
        break;
    }
    case kAppSettings:
    {
        WriteScratch(bytes);
        CAppSettings settings;
        settings.Load(ScratchFile());
        FUZZ_CHECK(settings.GetKeepBackups() >= 0, "KEEP_BACKUPS");
        break;
    }
    default:
    {
        WriteScratch(bytes);
        CGeneralSettings settings;
        settings.Load(ScratchFile(), ScratchFile().string() + ".missing");
        FUZZ_CHECK(IsValidUtf8(settings.webSite), settings.webSite);
        break;
    }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // Record indexes come from process-wide counters; start each input afresh.
    CRecordCounters::ResetAllForTests();
    ReadFile(data[0] % kFileCount,
             std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    return 0;
}
