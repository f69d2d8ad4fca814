#include "settings/SettingsBase.h"

#include "platform/ProfileFile.h"

bool CSettingsBase::GetKeySetting(const std::string& name, std::string& value) const
{
    auto it = m_keySettings.find(name);
    if (it == m_keySettings.end())
        return false;
    value = it->second;
    return true;
}

std::string CSettingsBase::GetKeySetting(const std::string& name) const
{
    std::string value;
    GetKeySetting(name, value);
    return value;
}

bool CSettingsBase::SetKeySetting(const std::string& name, const std::string& value)
{
    auto it = m_keySettings.find(name);
    if (it == m_keySettings.end() || it->second == value)
        return false;
    NoteChanging();
    it->second = value;
    m_modified = true;
    return true;
}

void CSettingsBase::LoadKeySetting(const CProfileFile& file, const std::string& name,
                                   const std::string& defaultValue)
{
    m_keySettings[name] = file.GetString(kKeySettingsSection, name, defaultValue);
}

void CSettingsBase::SaveKeySettings(CProfileFile& file) const
{
    for (const auto& [name, value] : m_keySettings)
        file.SetString(kKeySettingsSection, name, value);
}
