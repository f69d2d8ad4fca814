#pragma once

#include <filesystem>
#include <string>

// The file names of an event folder, numbered as the records and settings refer to them.
enum EEventFileKind : int
{
    kFileGuestsIni = 0,
    kFileWeddingDataXml = 1,
    kFileExpencesIni = 2,
    kFileGroupsIni = 3,
    kFileSettingsIni = 4,
    kFileAppSettingsIni = 5, // "../AppSettings.ini": the data root's shared settings
    kFileTablesIni = 6,
    kFileMeetingsIni = 7,
    kFileCategoryIni = 8,
    kFileOffersIni = 9,
    kFileGanArrangementIni = 10,
    kFileCheckpointIni = 11,
    kFileTasksIni = 12,
};

// The kind's name relative to an event folder; empty for an unknown kind.
std::string EventFileName(int kind);

// The path of a kind inside the given event folder (empty path for an unknown kind).
std::filesystem::path EventFilePath(const std::filesystem::path& eventFolder, int kind);

// Copies (or moves) the event file set from one folder to another. For each file of the set that
// exists in the source: when deleteTargetFirst is set the target file is removed first; then the
// file is moved or copied over any existing target. The shared settings file ("../AppSettings.ini")
// is included only when asked. Returns false when any copy, move or removal failed, true otherwise
// (also when there was nothing to copy); a failure does not stop the other files. Files missing in
// the source are skipped, and so is a file that is its own target (the same folder twice). Each
// target is replaced atomically: it is either the complete copy or as it was.
bool CopyEventFiles(const std::filesystem::path& sourceFolder,
                    const std::filesystem::path& targetFolder, bool includeSharedSettings,
                    bool move, bool deleteTargetFirst);
