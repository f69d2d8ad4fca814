#pragma once

#include <filesystem>
#include <set>
#include <string>

// A fresh folder under the system temporary folder, removed with everything in it at the end.
class CTempDir
{
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Writes bytes to a file, creating its folder; reads a file's bytes (empty when missing).
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& path);

// The names of the entries of a folder (not recursive), to prove nothing was left behind.
std::set<std::string> FolderEntries(const std::filesystem::path& folder);
