#pragma once

#include <filesystem>
#include <string>

// The event's checkpoint index: a number that grows with each upload of the event to the FTP
// server and tells which copy of the event data is newer. Stored in Checkpoint.ini, section
// "Checkpoint", key "CpIndex".
class CCheckpoint
{
public:
    // Reads the index (0 when the file or the key is missing) and remembers the path. Always true.
    bool Load(const std::filesystem::path& path);
    // Writes the index to the remembered path, keeping the rest of the file. False when nothing
    // was loaded yet, and false with *error set when the write failed.
    bool Save(std::string* error = nullptr) const;

    // Returns the index, then adds 1.
    int TakeNext() { return m_index++; }
    // Returns the old index.
    int Set(int index);
    int Get() const { return m_index; }
    bool IsNewerThan(const CCheckpoint& other) const { return m_index > other.m_index; }
    bool IsOlderThan(const CCheckpoint& other) const { return m_index < other.m_index; }

    const std::filesystem::path& GetPath() const { return m_path; }

private:
    int m_index = 0;
    std::filesystem::path m_path;
};
