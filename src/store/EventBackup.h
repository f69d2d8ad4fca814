#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

class CNewOrvDoc;

// Backups, restores and exports of the active event: copies of the event file set
// (CopyEventFiles) between the active event folder and another folder, with a reload of the
// document when the event's own files were replaced. Every failure is told through the
// document's prompt.
//
// Backups are folders of the data root's "BackUp" folder named after the local time of the
// backup, "dd-mm-yyyy--hh-mm-ss"; the shared settings land in "BackUp" itself (one copy for all
// backups). Each backup also holds "Backup.ini", which names the event it was made of, so the
// list and the retention can tell the events apart.

// One backup of the list.
struct SBackupInfo
{
    std::string folder;         // the folder's name, which is also its date
    std::filesystem::path path; // the folder
    int guests = 0;             // "GuestsCount" of its Settings.ini (0 when missing)
    std::string eventName;      // "EveName" of its Settings.ini
    std::string eventId;        // the event folder it was made of ("DB1"); empty: unknown
};

// The name of a backup made at that local time: "05-12-2026--09-03-07".
std::string BackupFolderName(std::time_t when);

// The backups under the backup root, newest first (by the time their names give; a second
// backup of another event in the same second, "...-2", after the first; names that give no time
// by the folder's modification time). A missing root gives none; nothing is created.
std::vector<SBackupInfo> ListBackups(const std::filesystem::path& backupRoot);

// The backup of that folder name under the root; none when there is no such backup.
std::optional<SBackupInfo> FindBackup(const std::filesystem::path& backupRoot,
                                      const std::string& folder);

struct SBackupOptions
{
    std::optional<std::time_t> when; // the time the folder is named after; now when not given
    std::filesystem::path keep;      // a backup that must survive (a restore's source)
};

// Makes a backup of the active event: the backup root and the event folder are created when
// missing, the folder of this second is made (a backup of the same event in the same second
// shares it and replaces its files; one of another event, or the folder to keep, is never
// written into: "-2", "-3" ... are added) and the event file set is copied with the shared
// settings. Then, when "KEEP_BACKUPS" is above 0, the oldest backups of this event beyond that
// number are removed (never the new one nor options.keep). Returns the backup's folder; empty
// when the backup failed (told to the user).
std::filesystem::path MakeBackup(CNewOrvDoc& doc, const SBackupOptions& options = {});

// Removes the oldest backups of the event so that keep of them remain (keep 0: none removed).
// Backups that do not name their event are never removed, nor are those listed in spare.
// Returns how many were removed.
int RemoveOldBackups(const std::filesystem::path& backupRoot, const std::string& eventId, int keep,
                     const std::vector<std::filesystem::path>& spare = {});

// True when the folder holds an event's data: WeddingData.xml or one of the legacy record files.
bool HoldsEventData(const std::filesystem::path& folder);

// Copies the event file set of folder (without the shared settings) over the active event's
// files and reloads the document. When folder holds no WeddingData.xml but legacy record files
// (a backup of an older installation), the event's WeddingData.xml and the legacy record files
// the folder lacks are removed, so the reload reads the folder's data and not what was there
// before. Refused (told) while the event is open read-only. A failed copy is told, naming
// previousData when given (where the data as they were can be restored from); the document is
// reloaded all the same, so it shows what the event folder holds. True when every file was
// replaced.
//
// The entry point of restores, imports and downloads from a sharing server: callers that replace
// the data on the user's behalf save and back up the event first (Edits::ReplaceEventData).
bool RestoreFromFolder(CNewOrvDoc& doc, const std::filesystem::path& folder,
                       const std::filesystem::path& previousData = {});

// Copies the event file set of the active event, the shared settings included, into target
// (made when missing, its parent must exist). The shared settings go inside target too, and only
// the files the event has are replaced. Tells the user the result ("Exporting guests finished").
// Saving first is the caller's: this reads the event as it is on disk.
bool ExportToFolder(CNewOrvDoc& doc, const std::filesystem::path& target);

// The files an e-mail export attaches: those of the active event that exist, in the order the
// message lists them (the shared settings fifth).
std::vector<std::filesystem::path> MailAttachments(CNewOrvDoc& doc);
