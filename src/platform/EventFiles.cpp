#include "platform/EventFiles.h"

#include <array>
#include <system_error>

#include "platform/FileFaults.h"
#include "platform/Trace.h"

namespace fs = std::filesystem;

std::string EventFileName(int kind)
{
    switch (kind)
    {
    case kFileGuestsIni: return "Guests.ini";
    case kFileWeddingDataXml: return "WeddingData.xml";
    case kFileExpencesIni: return "Expences.ini";
    case kFileGroupsIni: return "Groups.ini";
    case kFileSettingsIni: return "Settings.ini";
    case kFileAppSettingsIni: return "../AppSettings.ini";
    case kFileTablesIni: return "Tables.ini";
    case kFileMeetingsIni: return "Meetings.ini";
    case kFileCategoryIni: return "Category.ini";
    case kFileOffersIni: return "Offers.ini";
    case kFileGanArrangementIni: return "GanArrangement.ini";
    case kFileCheckpointIni: return "Checkpoint.ini";
    case kFileTasksIni: return "Tasks.ini";
    default: return {};
    }
}

fs::path EventFilePath(const fs::path& eventFolder, int kind)
{
    std::string name = EventFileName(kind);
    if (name.empty())
        return {};
    return (eventFolder / name).lexically_normal();
}

bool CopyEventFiles(const fs::path& sourceFolder, const fs::path& targetFolder,
                    bool includeSharedSettings, bool move, bool deleteTargetFirst)
{
    // The event file set in copy order.
    static const std::array<const char*, 13> kFileSet = {
        "Expences.ini", "Guests.ini",         "Groups.ini",     "Tables.ini",
        "Meetings.ini", "Category.ini",       "Offers.ini",     "GanArrangement.ini",
        "Tasks.ini",    "Checkpoint.ini",     "Settings.ini",   "WeddingData.xml",
        "../AppSettings.ini"};

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

        if (deleteTargetFirst)
        {
            fs::remove(target, error);
            if (error || FileStepFails(EFileStep::Remove, target.string()))
            {
                allDone = false;
                continue;
            }
        }

        bool done = false;
        if (move)
        {
            fs::rename(source, target, error);
            if (error)
            {
                // Across file systems a rename fails: copy, then remove the source.
                error.clear();
                fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
                if (!error)
                    fs::remove(source, error);
            }
            done = !error;
        }
        else
        {
            fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
            done = !error;
        }
        if (done && FileStepFails(EFileStep::Copy, target.string()))
            done = false;
        if (!done)
        {
            Trace("CopyEventFiles", "failed: " + source.string() + " -> " + target.string());
            allDone = false;
        }
    }
    return allDone;
}
