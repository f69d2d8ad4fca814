#pragma once

#include <functional>
#include <map>
#include <string>

class CProfileFile;

// What the event and the shared settings have in common: a modified flag and a string map saved
// to the section "KeySettings". The flag is cleared after a load and after a save and set by every
// setter that changes a value.
class CSettingsBase
{
public:
    virtual ~CSettingsBase() = default;

    bool IsModified() const { return m_modified; }
    void SetModified() { m_modified = true; }

    // False when the name is not in the map; otherwise copies the value.
    bool GetKeySetting(const std::string& name, std::string& value) const;
    // The value, or an empty text when the name is not in the map.
    std::string GetKeySetting(const std::string& name) const;

    // False when the name is not in the map or the value is unchanged; otherwise stores it and
    // marks the settings modified. New names are never added by this call.
    bool SetKeySetting(const std::string& name, const std::string& value);

    const std::map<std::string, std::string>& GetKeySettings() const { return m_keySettings; }

    // Called before a setter stores a differing value (the document's undo history keeps the
    // settings before the change); none by default. Copies of the settings share it.
    void SetChangingHook(std::function<void()> hook) { m_changingHook = std::move(hook); }

protected:
    static constexpr const char* kKeySettingsSection = "KeySettings";

    void ClearModified() { m_modified = false; }
    // Gives the map a name with its value (without marking modified).
    void DefineKeySetting(const std::string& name, const std::string& value)
    {
        m_keySettings[name] = value;
    }
    // Reads a name of the map from the file ("KeySettings"), adding it to the map.
    void LoadKeySetting(const CProfileFile& file, const std::string& name,
                        const std::string& defaultValue);
    void SaveKeySettings(CProfileFile& file) const;

    // Stores a differing value and marks modified; false when equal.
    template <class T>
    bool Assign(T& field, const T& value)
    {
        if (field == value)
            return false;
        NoteChanging();
        field = value;
        m_modified = true;
        return true;
    }

    // As Assign, for values that keep the program's own state rather than the user's choices
    // (the hook is not called: undo leaves them alone).
    template <class T>
    bool AssignState(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        m_modified = true;
        return true;
    }

    void NoteChanging() const
    {
        if (m_changingHook)
            m_changingHook();
    }

private:
    std::function<void()> m_changingHook;
    std::map<std::string, std::string> m_keySettings;
    bool m_modified = false;
};
