#include "settings/AppSettings.h"

#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/SharedProfile.h"

#include <algorithm>

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

CAppSettings::CAppSettings() : m_upTimeCountedFrom(std::chrono::steady_clock::now())
{
    DefineKeySetting("ShowTipOfDay", "");
    DefineKeySetting("TipOfDayItem", "");
    DefineKeySetting("GuestDetailsWidth", "");
    DefineKeySetting("GuestDetailsShown", "");
    for (const char* key : kWindowLayoutKeys)
        DefineKeySetting(key, "");
}

void CAppSettings::Load(const fs::path& appSettingsIni)
{
    ReadFrom(CProfileFile(appSettingsIni));
    m_upTimeCountedFrom = std::chrono::steady_clock::now();
    ClearModified();
}

void CAppSettings::ReadFrom(const CProfileFile& file)
{
    m_calculatorPath = file.GetString(kGen, "ClacPath");
    m_autoSaveOnExit = ReadBool(file, "AutoSaveOnExit", true);
    m_checkForUpdates = ReadBool(file, "CheckForUpdates", true);
    m_termsAccepted = ReadBool(file, "RightDlgAproved", false);
    m_showTips = ReadBool(file, "ShowTips", true);
    m_hideNonComingInTableReport = ReadBool(file, "DontShowNonCommingGuestsInTableReport", false);
    m_hideNonComingInGuestsReport = ReadBool(file, "DontShowNonCommingGuestsInGuestsReport", false);
    m_backupEvery = file.GetInt(kGen, "BACK_UP_EVERY", 10);
    m_keepBackups = std::max(0, file.GetInt(kGen, "KEEP_BACKUPS", 0));
    m_upTime = file.GetInt(kGen, "UpTime", 0);
    LoadKeySetting(file, "ShowTipOfDay", "");
    LoadKeySetting(file, "TipOfDayItem", "");
    // The guests view's details panel: its width in pixels and "0" when the user hid it.
    LoadKeySetting(file, "GuestDetailsWidth", "");
    LoadKeySetting(file, "GuestDetailsShown", "");
    for (const char* key : kWindowLayoutKeys)
        LoadKeySetting(file, key, "");
    m_loaded = Values();
}

std::vector<CAppSettings::SValue> CAppSettings::Values() const
{
    std::vector<SValue> values = {
        {kGen, "ClacPath", m_calculatorPath},
        {kGen, "AutoSaveOnExit", BoolText(m_autoSaveOnExit)},
        {kGen, "CheckForUpdates", BoolText(m_checkForUpdates)},
        {kGen, "RightDlgAproved", BoolText(m_termsAccepted)},
        {kGen, "ShowTips", BoolText(m_showTips)},
        {kGen, "DontShowNonCommingGuestsInTableReport", BoolText(m_hideNonComingInTableReport)},
        {kGen, "DontShowNonCommingGuestsInGuestsReport", BoolText(m_hideNonComingInGuestsReport)},
        {kGen, "BACK_UP_EVERY", FormatInt(m_backupEvery)},
        {kGen, "KEEP_BACKUPS", FormatInt(m_keepBackups)},
    };
    for (const auto& [name, value] : GetKeySettings())
        values.push_back({kKeySettingsSection, name, value});
    return values;
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

    // Every program of the user writes this file: only what this run changed since it read the
    // file is written, over what is on disk now, and the up-time grows by this run's seconds not
    // yet counted, so neither program loses the other's changes.
    const auto now = std::chrono::steady_clock::now();
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(now - m_upTimeCountedFrom);
    const std::vector<SValue> values = Values();
    CProfileFile merged;
    const bool written = UpdateSharedProfile(
        appSettingsIni,
        [&](CProfileFile& file)
        {
            for (std::size_t i = 0; i < values.size(); ++i)
                if (i >= m_loaded.size() || values[i].value != m_loaded[i].value)
                    file.SetString(values[i].section, values[i].key, values[i].value);
            file.SetInt(kGen, "UpTime", file.GetInt(kGen, "UpTime", 0) + seconds.count());
        },
        error, &merged);
    if (!written)
        return false;
    m_upTimeCountedFrom += seconds;
    ReadFrom(merged);
    ClearModified();
    return true;
}
