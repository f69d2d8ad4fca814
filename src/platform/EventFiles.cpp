#include "platform/EventFiles.h"

#include "platform/AtomicFile.h"
#include "platform/FileFaults.h"
#include "platform/Trace.h"

#include <array>
#include <system_error>

namespace fs = std::filesystem;

std::string EventFileName(int kind)
{
    switch (kind)
    {
    case kFileGuestsIni:
        return "Guests.ini";
    case kFileWeddingDataXml:
        return "WeddingData.xml";
    case kFileExpencesIni:
        return "Expences.ini";
    case kFileGroupsIni:
        return "Groups.ini";
    case kFileSettingsIni:
        return "Settings.ini";
    case kFileAppSettingsIni:
        return "../AppSettings.ini";
    case kFileTablesIni:
        return "Tables.ini";
    case kFileMeetingsIni:
        return "Meetings.ini";
    case kFileCategoryIni:
        return "Category.ini";
    case kFileOffersIni:
        return "Offers.ini";
    case kFileGanArrangementIni:
        return "GanArrangement.ini";
    case kFileCheckpointIni:
        return "Checkpoint.ini";
    case kFileTasksIni:
        return "Tasks.ini";
    default:
        return {};
    }
}

fs::path EventFilePath(const fs::path& eventFolder, int kind)
{
    std::string name = EventFileName(kind);
    if (name.empty())
        return {};
    return (eventFolder / name).lexically_normal();
}

namespace
{
// One file of the set. Never truncates a target in place: a failed copy leaves it as it was.
bool CopyOne(const fs::path& source, const fs::path& target, bool move)
{
    if (FileStepFails(EFileStep::Copy, target.string()))
        return false;
    if (move)
    {
        std::error_code error;
        fs::rename(source, target, error);
        if (!error)
            return true;
        // Across file systems a rename fails: copy, then remove the source.
    }
    if (!CopyFileAtomic(source, target))
        return false;
    return !move || RemoveFileChecked(source);
}
} // namespace

bool CopyEventFiles(const fs::path& sourceFolder, const fs::path& targetFolder,
                    bool includeSharedSettings, bool move, bool deleteTargetFirst)
{
    // The event file set in copy order.
    static const std::array<const char*, 13> kFileSet = {
        "Expences.ini", "Guests.ini",      "Groups.ini",         "Tables.ini", "Meetings.ini",
        "Category.ini", "Offers.ini",      "GanArrangement.ini", "Tasks.ini",  "Checkpoint.ini",
        "Settings.ini", "WeddingData.xml", "../AppSettings.ini"};

    bool allDone = true;
    for (std::size_t i = 0; i < kFileSet.size(); ++i)
    {
        const bool shared = i + 1 == kFileSet.size();
        if (shared && !includeSharedSettings)
            continue;
        const fs::path source = (sourceFolder / kFileSet[i]).lexically_normal();
        const fs::path target = (targetFolder / kFileSet[i]).lexically_normal();
        std::error_code error;
        if (!fs::is_regular_file(source, error))
            continue;
        // Copying a file onto itself: deleting the "target" first would delete the source.
        if (fs::equivalent(source, target, error))
            continue;

        bool done = true;
        if (deleteTargetFirst && !RemoveFileChecked(target))
        {
            // The copy below still replaces the file when it can; the result reports the failure.
            Trace("CopyEventFiles", "cannot remove " + target.string());
            done = false;
        }
        if (!CopyOne(source, target, move))
        {
            Trace("CopyEventFiles", "failed: " + source.string() + " -> " + target.string());
            done = false;
        }
        allDone = allDone && done;
    }
    return allDone;
}
