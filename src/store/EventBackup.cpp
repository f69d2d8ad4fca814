#include "store/EventBackup.h"

#include "platform/AtomicFile.h"
#include "platform/EventFiles.h"
#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "settings/EventSettings.h"
#include "store/EventInfo.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

namespace fs = std::filesystem;

namespace
{
// Names the event a backup was made of.
constexpr const char* kMarkerFile = "Backup.ini";
constexpr const char* kMarkerSection = "Backup";
constexpr const char* kMarkerEvent = "Event";
// More backups of other events in one second than any data root holds.
constexpr int kMaxFoldersPerSecond = 1000;

// The record files of an older installation (WeddingData.xml took their place).
const std::array<int, 8> kLegacyRecordKinds = {
    kFileGuestsIni,   kFileGroupsIni,   kFileTablesIni, kFileExpencesIni,
    kFileMeetingsIni, kFileCategoryIni, kFileOffersIni, kFileGanArrangementIni};

std::string TwoDigits(int value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

bool IsRegularFile(const fs::path& path)
{
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

bool SamePath(const fs::path& a, const fs::path& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    return a.lexically_normal() == b.lexically_normal();
}

// Year, month, day, hour, minute, second and the number of the folder in its second (1 for the
// first), the order backups are listed in.
using SortKey = std::array<int, 7>;

bool ParseNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// "dd-mm-yyyy--hh-mm-ss", optionally "-n" after it.
std::optional<SortKey> ParseFolderName(const std::string& name)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;)
    {
        const std::size_t dash = name.find('-', start);
        parts.push_back(name.substr(start, dash - start));
        if (dash == std::string::npos)
            break;
        start = dash + 1;
    }
    if ((parts.size() != 7 && parts.size() != 8) || !parts[3].empty())
        return std::nullopt;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0, number = 1;
    if (!ParseNumber(parts[0], day) || !ParseNumber(parts[1], month) ||
        !ParseNumber(parts[2], year) || !ParseNumber(parts[4], hour) ||
        !ParseNumber(parts[5], minute) || !ParseNumber(parts[6], second) ||
        (parts.size() == 8 && !ParseNumber(parts[7], number)))
        return std::nullopt;
    return SortKey{year, month, day, hour, minute, second, number};
}

SortKey ModificationKey(const fs::path& folder)
{
    std::error_code error;
    const auto written = fs::last_write_time(folder, error);
    if (error)
        return SortKey{};
    const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        written - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
    const std::time_t when = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&when, &local);
    return SortKey{local.tm_year + 1900,
                   local.tm_mon + 1,
                   local.tm_mday,
                   local.tm_hour,
                   local.tm_min,
                   local.tm_sec,
                   0};
}

std::string MarkedEvent(const fs::path& folder)
{
    const fs::path marker = folder / kMarkerFile;
    if (!IsRegularFile(marker))
        return {};
    return ReadProfileString(marker, kMarkerSection, kMarkerEvent);
}

SBackupInfo ReadBackup(const fs::path& folder)
{
    SBackupInfo info;
    info.folder = folder.filename().string();
    info.path = folder;
    const fs::path settings = EventFilePath(folder, kFileSettingsIni);
    if (IsRegularFile(settings))
    {
        CProfileFile file(settings);
        info.guests = file.GetInt("GuestsCount", "GuestsCount", 0);
        info.eventName = CEventSettings::ReadEventName(folder);
    }
    info.eventId = MarkedEvent(folder);
    return info;
}

// Removes one of our backup folders: the event files and the marker, then the folder when that
// left it empty (anything else found there stays).
bool RemoveBackupFolder(const fs::path& folder)
{
    std::vector<std::string> names = {kMarkerFile};
    for (int kind = kFileGuestsIni; kind <= kFileTasksIni; ++kind)
        if (kind != kFileAppSettingsIni)
            names.push_back(EventFileName(kind));
    RemoveStaleTemporaryFiles(folder, names);
    bool removed = true;
    for (const std::string& name : names)
        removed = RemoveFileChecked(folder / name) && removed;
    std::error_code error;
    if (removed && fs::remove(folder, error) && !error)
        return true;
    Trace("RemoveOldBackups", "could not remove " + folder.string());
    return false;
}

// The folder a backup of eventId made at when goes into; empty (and error set) when none can be
// made.
fs::path ChooseBackupFolder(const fs::path& root, const std::string& eventId, std::time_t when,
                            const fs::path& keep, std::string& error)
{
    const std::string base = BackupFolderName(when);
    for (int n = 1; n <= kMaxFoldersPerSecond; ++n)
    {
        const fs::path folder = root / (n == 1 ? base : base + "-" + std::to_string(n));
        if (SamePath(folder, keep))
            continue;
        std::error_code code;
        if (fs::create_directory(folder, code))
            return folder;
        if (code)
        {
            error = code.message();
            return {};
        }
        // It exists: a backup of the same event in the same second shares it; anything else (the
        // backup of another event, a folder of unknown origin, a file) is left alone.
        if (fs::is_directory(folder, code) && !eventId.empty() && MarkedEvent(folder) == eventId)
            return folder;
    }
    error = "too many backups in one second";
    return {};
}

void TellBackupFailure(CNewOrvDoc& doc, const fs::path& folder, const std::string& cause)
{
    Trace("MakeBackup", folder.string() + ": " + cause);
    doc.GetPrompt().Ask(FormatText(LoadString(IDS_BACKUP_FAILED), {folder.string(), cause}),
                        LoadString(IDS_BACKUP_CAPTION), EButtons::Ok);
}
} // namespace

std::string BackupFolderName(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    return TwoDigits(local.tm_mday) + "-" + TwoDigits(local.tm_mon + 1) + "-" +
           std::to_string(local.tm_year + 1900) + "--" + TwoDigits(local.tm_hour) + "-" +
           TwoDigits(local.tm_min) + "-" + TwoDigits(local.tm_sec);
}

std::vector<SBackupInfo> ListBackups(const fs::path& backupRoot)
{
    std::vector<std::pair<SortKey, SBackupInfo>> found;
    std::error_code error;
    for (fs::directory_iterator it(backupRoot, error), end; !error && it != end;
         it.increment(error))
    {
        std::error_code kindError;
        if (!it->is_directory(kindError))
            continue;
        const fs::path folder = it->path();
        const std::string name = folder.filename().string();
        if (name.empty() || name.front() == '.')
            continue;
        const std::optional<SortKey> key = ParseFolderName(name);
        found.emplace_back(key ? *key : ModificationKey(folder), ReadBackup(folder));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b)
              {
                  if (a.first != b.first)
                      return a.first > b.first;
                  return a.second.folder > b.second.folder;
              });
    std::vector<SBackupInfo> backups;
    backups.reserve(found.size());
    for (auto& entry : found)
        backups.push_back(std::move(entry.second));
    return backups;
}

std::optional<SBackupInfo> FindBackup(const fs::path& backupRoot, const std::string& folder)
{
    // Only a plain name of a folder under the root: never a path that leads out of it.
    if (folder.empty() || folder == "." || folder == ".." || folder.find('/') != std::string::npos)
        return std::nullopt;
    std::error_code error;
    const fs::path path = backupRoot / folder;
    if (!fs::is_directory(path, error))
        return std::nullopt;
    return ReadBackup(path);
}

fs::path MakeBackup(CNewOrvDoc& doc, const SBackupOptions& options)
{
    CProgramFolders& folders = doc.GetFolders();
    const fs::path root = folders.BackupRoot();
    const fs::path eventFolder = folders.EnsureActiveEventFolder();
    std::error_code error;
    if (!fs::is_directory(root, error))
    {
        TellBackupFailure(doc, root, error ? error.message() : "no folder");
        return {};
    }
    const CEventInfo* event = doc.GetActiveEvent();
    const std::string eventId = event != nullptr ? event->GetId() : eventFolder.filename().string();
    const std::time_t when = options.when ? *options.when : std::time(nullptr);

    std::string cause;
    const fs::path folder = ChooseBackupFolder(root, eventId, when, options.keep, cause);
    if (folder.empty())
    {
        TellBackupFailure(doc, root, cause);
        return {};
    }
    const std::string marker =
        std::string("[") + kMarkerSection + "]\r\n" + kMarkerEvent + "=" + eventId + "\r\n";
    if (!WriteFileAtomic(folder / kMarkerFile, marker, &cause))
    {
        TellBackupFailure(doc, folder, cause);
        return {};
    }
    if (!CopyEventFiles(eventFolder, folder, true, false, false))
    {
        TellBackupFailure(doc, folder, LoadString(IDS_BACKUP_COPY_FAILED));
        return {};
    }

    const int keep = doc.GetAppSettings().GetKeepBackups();
    if (keep > 0)
        RemoveOldBackups(root, eventId, keep, {folder, options.keep});
    return folder;
}

int RemoveOldBackups(const fs::path& backupRoot, const std::string& eventId, int keep,
                     const std::vector<fs::path>& spare)
{
    if (keep <= 0 || eventId.empty())
        return 0;
    int kept = 0;
    int removed = 0;
    for (const SBackupInfo& backup : ListBackups(backupRoot))
    {
        if (backup.eventId != eventId)
            continue;
        if (kept < keep)
        {
            ++kept;
            continue;
        }
        const bool spared =
            std::any_of(spare.begin(), spare.end(),
                        [&](const fs::path& path) { return SamePath(path, backup.path); });
        if (!spared && RemoveBackupFolder(backup.path))
            ++removed;
    }
    return removed;
}

bool HoldsEventData(const fs::path& folder)
{
    if (IsRegularFile(EventFilePath(folder, kFileWeddingDataXml)))
        return true;
    return std::any_of(kLegacyRecordKinds.begin(), kLegacyRecordKinds.end(),
                       [&](int kind) { return IsRegularFile(EventFilePath(folder, kind)); });
}

bool RestoreFromFolder(CNewOrvDoc& doc, const fs::path& folder, const fs::path& previousData)
{
    IPrompt& prompt = doc.GetPrompt();
    if (doc.IsReadOnly() || doc.IsEventReadOnly())
    {
        AskString(prompt, IDS_RESTORE_READ_ONLY, IDS_RESTORE_CAPTION, EButtons::Ok);
        return false;
    }
    const fs::path eventFolder = doc.GetFolders().EnsureActiveEventFolder();
    std::error_code error;
    bool done =
        fs::is_directory(folder, error) && CopyEventFiles(folder, eventFolder, false, false, false);

    // Data of an older installation: WeddingData.xml would win over the restored INI files at
    // the load, and INI files the folder lacks would add records that were never part of it.
    if (done && !IsRegularFile(EventFilePath(folder, kFileWeddingDataXml)) &&
        HoldsEventData(folder))
    {
        std::vector<int> stale = {kFileWeddingDataXml};
        for (int kind : kLegacyRecordKinds)
            if (!IsRegularFile(EventFilePath(folder, kind)))
                stale.push_back(kind);
        for (int kind : stale)
            done = RemoveFileChecked(EventFilePath(eventFolder, kind)) && done;
    }

    // The event folder holds what it holds now: show that, whatever the copy managed.
    doc.ReloadEvent();
    doc.AdoptDataFile();
    if (!done)
    {
        Trace("RestoreFromFolder", "failed from " + folder.string());
        const std::string text =
            previousData.empty()
                ? FormatText(LoadString(IDS_RESTORE_FAILED_PLAIN), {folder.string()})
                : FormatText(LoadString(IDS_RESTORE_FAILED),
                             {folder.string(), previousData.filename().string()});
        prompt.Ask(text, LoadString(IDS_RESTORE_CAPTION), EButtons::Ok);
    }
    return done;
}

bool ExportToFolder(CNewOrvDoc& doc, const fs::path& target)
{
    IPrompt& prompt = doc.GetPrompt();
    CProgramFolders& folders = doc.GetFolders();
    const fs::path eventFolder = folders.ActiveEventFolder();
    std::error_code error;
    fs::create_directory(target, error);
    bool done = !error && fs::is_directory(target, error);

    // Exporting over an event another program has open would change its files under it.
    if (done && !SamePath(target, eventFolder) && IsRegularFile(target / CEventLock::kFileName) &&
        !CEventLock::IsFree(target))
    {
        const std::string holder = CEventLock::Describe(CEventLock::ReadHolder(target));
        prompt.Ask(FormatText(LoadString(IDS_EVENT_LOCKED_REFUSED), {target.string(), holder}),
                   LoadString(IDS_EXPORT_CAPTION), EButtons::Ok);
        return false;
    }

    if (done)
        done = CopyEventFiles(eventFolder, target, false, false, false);
    // Inside the chosen folder, beside the event's files: an export is one folder to carry.
    const fs::path shared = EventFilePath(eventFolder, kFileAppSettingsIni);
    const fs::path sharedCopy = target / shared.filename();
    if (done && IsRegularFile(shared) && !SamePath(shared, sharedCopy))
        done = CopyFileAtomic(shared, sharedCopy);

    AskString(prompt, done ? IDS_EXPORT_SUCCEEDED : IDS_EXPORT_FAILED, IDS_EXPORT_CAPTION,
              EButtons::Ok);
    return done;
}

std::vector<fs::path> MailAttachments(CNewOrvDoc& doc)
{
    static const std::array<int, 13> kOrder = {
        kFileGuestsIni,      kFileExpencesIni,       kFileGroupsIni,   kFileSettingsIni,
        kFileAppSettingsIni, kFileTablesIni,         kFileMeetingsIni, kFileCategoryIni,
        kFileOffersIni,      kFileGanArrangementIni, kFileTasksIni,    kFileCheckpointIni,
        kFileWeddingDataXml};
    const fs::path& eventFolder = doc.GetFolders().ActiveEventFolder();
    std::vector<fs::path> files;
    for (int kind : kOrder)
    {
        const fs::path path = EventFilePath(eventFolder, kind);
        if (IsRegularFile(path))
            files.push_back(path);
    }
    return files;
}
