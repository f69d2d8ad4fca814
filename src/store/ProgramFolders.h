#pragma once

#include <filesystem>
#include <string>

class CEventInfo;

// Where the program's data live. The data root is the XDG data folder followed by
// "/Velloran/Eng" (English interface) or "/Velloran/Heb" (Hebrew interface), since the two
// editions keep their own events; a given root (the --data-root option) is used as it is.
// Event folders are the data root followed by "/DB", "/DB1", "/DB2", ...
//
// With creation disabled (the CLI's reading commands) nothing is ever created on disk.
class CProgramFolders
{
public:
    CProgramFolders(std::filesystem::path dataRootOverride, std::filesystem::path programFolder,
                    bool hebrewEdition, bool mayCreate);

    // Computed on first use, then cached; the folders are created when missing (when allowed).
    const std::filesystem::path& DataRoot();

    const std::filesystem::path& ActiveEventFolder();
    void SetActiveEventFolder(std::filesystem::path folder);

    // The active event folder, after creating the data root and the folder when missing.
    std::filesystem::path EnsureActiveEventFolder();

    // The data root's "BackUp" folder, created (with the root) when missing.
    std::filesystem::path BackupRoot();
    std::filesystem::path EventsIniPath();
    std::filesystem::path CommercialPath();
    std::filesystem::path HallDraftsFolder();

    // The active event folder's file of a kind (platform/EventFiles.h).
    std::filesystem::path FilePath(int kind);

    // The folder of the event numbered n: "DB" for 0, "DB<n>" otherwise; and its id.
    std::filesystem::path EventFolder(int n);
    static std::string EventId(int n);

    // The program's own folder (read-only after installation) and its files.
    const std::filesystem::path& ProgramFolder() const { return m_programFolder; }
    std::filesystem::path ProgramGeneralIni() const;
    // The user's configuration: $XDG_CONFIG_HOME/Velloran/General.ini and $XDG_CONFIG_HOME/orv.ini.
    static std::filesystem::path UserGeneralIni();
    static std::filesystem::path OrvIni();

    // Writes the event's id as "Active" in section "Events" of events.ini when isActive, under the
    // data root's settings lock and over the file as it is on disk then (see UpdateSharedProfile).
    bool WriteActive(const CEventInfo& event, bool isActive);

    bool MayCreate() const { return m_mayCreate; }

private:
    void CreateFolder(const std::filesystem::path& folder) const;

    std::filesystem::path m_dataRootOverride;
    std::filesystem::path m_programFolder;
    bool m_hebrew;
    bool m_mayCreate;
    std::filesystem::path m_dataRoot; // empty until computed
    std::filesystem::path m_activeEventFolder;
};
