#pragma once

#include "settings/SettingsBase.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

class CProfileFile;

// The settings shared by every event of the user: AppSettings.ini in the data root.
class CAppSettings : public CSettingsBase
{
public:
    CAppSettings();

    // The window as the user left it, in "KeySettings": the main window's place, size and
    // maximised state, the sizes of the splitters the user moved (named after the splitter) and
    // the widths of the columns the user sized in a list (named after the list). They belong to the
    // user, not to an event; an empty value means "not set yet".
    static constexpr const char* kWindowLayoutKeys[] = {
        "WindowPlacement",        "GuestsListSplit",       "RealTimeSplit",
        "GroupGuestsListColumns", "RealTimeGuestsColumns", "RealTimeTablesColumns"};

    // Reads "GenSettings" and the "KeySettings" keys (the tip of the day, the guest details panel);
    // clears the modified flag. The up-time clock starts at construction and again at every load.
    void Load(const std::filesystem::path& appSettingsIni);

    // When modified: under the data root's short settings lock the file is read again and only
    // the keys this run changed since it read the file are written over it ("UpTime" grows by
    // the whole seconds of this run not counted yet), in one atomic replacement; then this object
    // holds what the file holds (another program's changes included) and the flag is cleared.
    // Returns false (flag kept, file unchanged, *error set) when the write fails or the file
    // could not be decoded (it is never rewritten then).
    bool Save(const std::filesystem::path& appSettingsIni, std::string* error = nullptr);

    const std::string& GetCalculatorPath() const { return m_calculatorPath; }
    bool SetCalculatorPath(const std::string& value) { return Assign(m_calculatorPath, value); }
    bool GetAutoSaveOnExit() const { return m_autoSaveOnExit; }
    bool SetAutoSaveOnExit(bool value) { return Assign(m_autoSaveOnExit, value); }
    bool GetCheckForUpdates() const { return m_checkForUpdates; }
    bool SetCheckForUpdates(bool value) { return Assign(m_checkForUpdates, value); }
    bool GetTermsAccepted() const { return m_termsAccepted; }
    bool SetTermsAccepted(bool value) { return Assign(m_termsAccepted, value); }
    bool GetShowTips() const { return m_showTips; }
    bool SetShowTips(bool value) { return Assign(m_showTips, value); }
    bool GetHideNonComingInTableReport() const { return m_hideNonComingInTableReport; }
    bool SetHideNonComingInTableReport(bool value)
    {
        return Assign(m_hideNonComingInTableReport, value);
    }
    bool GetHideNonComingInGuestsReport() const { return m_hideNonComingInGuestsReport; }
    bool SetHideNonComingInGuestsReport(bool value)
    {
        return Assign(m_hideNonComingInGuestsReport, value);
    }
    int GetBackupEvery() const { return m_backupEvery; }
    // Always marks the settings modified (the options dialog re-arms the timer after it).
    void SetBackupEvery(int minutes);
    // How many backups of each event are kept ("KEEP_BACKUPS"); 0 keeps all (a value below 0 in
    // the file reads as 0).
    int GetKeepBackups() const { return m_keepBackups; }
    bool SetKeepBackups(int count) { return Assign(m_keepBackups, count < 0 ? 0 : count); }
    int GetStoredUpTime() const { return m_upTime; }

private:
    struct SValue
    {
        const char* section;
        std::string key;
        std::string value; // as the file holds it
    };
    // Every key of the file with its value as written, in a fixed order.
    std::vector<SValue> Values() const;
    void ReadFrom(const CProfileFile& file);

    std::string m_calculatorPath;
    bool m_autoSaveOnExit = true;
    bool m_checkForUpdates = true;
    bool m_termsAccepted = false;
    bool m_showTips = true;
    bool m_hideNonComingInTableReport = false;
    bool m_hideNonComingInGuestsReport = false;
    int m_backupEvery = 10;
    int m_keepBackups = 0;
    int m_upTime = 0;
    std::chrono::steady_clock::time_point m_upTimeCountedFrom;
    std::vector<SValue> m_loaded; // the values as read from the file, to tell this run's changes
};
