#include "settings/AppSettings.h"

#include "platform/ProfileFile.h"

namespace fs = std::filesystem;

namespace
{
constexpr const char* kGen = "GenSettings";

bool ReadBool(const CProfileFile& file, const char* key, bool defaultValue)
{
    return file.GetInt(kGen, key, defaultValue ? 1 : 0) == 1;
}

const char* BoolText(bool value)
{
    return value ? "1" : "0";
}
} // namespace

CAppSettings::CAppSettings() : m_start(std::chrono::steady_clock::now())
{
    DefineKeySetting("ShowTipOfDay", "");
    DefineKeySetting("TipOfDayItem", "");
}

void CAppSettings::Load(const fs::path& appSettingsIni)
{
    const CProfileFile file(appSettingsIni);
    m_calculatorPath = file.GetString(kGen, "ClacPath");
    m_autoSaveOnExit = ReadBool(file, "AutoSaveOnExit", true);
    m_checkForUpdates = ReadBool(file, "CheckForUpdates", true);
    m_termsAccepted = ReadBool(file, "RightDlgAproved", false);
    m_showTips = ReadBool(file, "ShowTips", true);
    m_hideNonComingInTableReport = ReadBool(file, "DontShowNonCommingGuestsInTableReport", false);
    m_hideNonComingInGuestsReport = ReadBool(file, "DontShowNonCommingGuestsInGuestsReport", false);
    m_backupEvery = file.GetInt(kGen, "BACK_UP_EVERY", 10);
    m_upTime = file.GetInt(kGen, "UpTime", 0);
    LoadKeySetting(file, "ShowTipOfDay", "");
    LoadKeySetting(file, "TipOfDayItem", "");
    ClearModified();
}

void CAppSettings::SetBackupEvery(int minutes)
{
    m_backupEvery = minutes;
    SetModified();
}

bool CAppSettings::Save(const fs::path& appSettingsIni, std::string* error)
{
    if (!IsModified())
        return true;

    const auto elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - m_start)
            .count();
    CProfileFile file(appSettingsIni);
    file.SetString(kGen, "ClacPath", m_calculatorPath);
    file.SetString(kGen, "AutoSaveOnExit", BoolText(m_autoSaveOnExit));
    file.SetString(kGen, "CheckForUpdates", BoolText(m_checkForUpdates));
    file.SetString(kGen, "RightDlgAproved", BoolText(m_termsAccepted));
    file.SetString(kGen, "ShowTips", BoolText(m_showTips));
    file.SetString(kGen, "DontShowNonCommingGuestsInTableReport",
                   BoolText(m_hideNonComingInTableReport));
    file.SetString(kGen, "DontShowNonCommingGuestsInGuestsReport",
                   BoolText(m_hideNonComingInGuestsReport));
    file.SetInt(kGen, "BACK_UP_EVERY", m_backupEvery);
    // The stored total plus this run so far; computed from the loaded value, so saving twice in one
    // run does not count the same seconds twice.
    file.SetInt(kGen, "UpTime", static_cast<long long>(m_upTime) + elapsed);
    SaveKeySettings(file);

    if (!file.Save(error))
        return false;
    ClearModified();
    return true;
}
