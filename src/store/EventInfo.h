#pragma once

#include <filesystem>
#include <string>

// One entry of the events list: an event folder under the data root.
class CEventInfo
{
public:
    CEventInfo(std::string id, std::filesystem::path folder, std::string name)
        : m_id(std::move(id)), m_folder(std::move(folder)), m_name(std::move(name))
    {
    }

    // The folder id: the last path component ("DB", "DB1", ...).
    const std::string& GetId() const { return m_id; }
    const std::filesystem::path& GetFolder() const { return m_folder; }
    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }

private:
    std::string m_id;
    std::filesystem::path m_folder;
    std::string m_name;
};
