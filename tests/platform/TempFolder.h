#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <system_error>
#include <utility>

#include "platform/FileFaults.h"

// A fresh folder under the system temporary folder, removed with everything in it at the end of
// the test.
class CTempFolder
{
public:
    CTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velloran-test-XXXXXX");
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~CTempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    // The names of the entries of the folder (not recursive).
    std::set<std::string> Entries() const
    {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path m_path;
};

// Removes the file fault hook when the test ends, however it ends.
class CFaultHookGuard
{
public:
    explicit CFaultHookGuard(std::function<bool(EFileStep, const std::string&)> hook)
    {
        SetFileFaultHook(std::move(hook));
    }
    ~CFaultHookGuard() { SetFileFaultHook({}); }
    CFaultHookGuard(const CFaultHookGuard&) = delete;
    CFaultHookGuard& operator=(const CFaultHookGuard&) = delete;
};

// Sets an environment variable for the scope and puts the old value back afterwards.
class CEnvGuard
{
public:
    CEnvGuard(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
        {
            m_hadValue = true;
            m_old = old;
        }
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~CEnvGuard()
    {
        if (m_hadValue)
            ::setenv(m_name.c_str(), m_old.c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    CEnvGuard(const CEnvGuard&) = delete;
    CEnvGuard& operator=(const CEnvGuard&) = delete;

private:
    std::string m_name;
    std::string m_old;
    bool m_hadValue = false;
};

inline std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
