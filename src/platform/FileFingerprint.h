#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string_view>

// What a file was when the program read or wrote it: whether it existed, its size, modification
// time and identity, and a hash of its bytes. Matches tells whether the file on disk is still
// that file, so a save can see that another program replaced it meanwhile. The hash is valid
// within one run only (it is never stored).
class CFileFingerprint
{
public:
    // No file of that name.
    CFileFingerprint() = default;

    // The file at path as it is now, whose content is bytes (just read or just written).
    static CFileFingerprint OfBytes(const std::filesystem::path& path, std::string_view bytes);
    // The file at path as it is now, without its content (too large or unreadable): compared by
    // size, modification time and identity only.
    static CFileFingerprint OfUnread(const std::filesystem::path& path);
    // The file at path now: read and hashed when it is a regular file no larger than maxBytes.
    static CFileFingerprint Of(const std::filesystem::path& path, std::uintmax_t maxBytes);

    bool Exists() const { return m_exists; }

    // True when the file at path is still this one: it is missing now (nothing to overwrite), or
    // it has this size and its bytes have this hash (or, without a hash, this modification time
    // and identity). A file that appeared where there was none does not match.
    bool Matches(const std::filesystem::path& path) const;

private:
    bool m_exists = false;
    bool m_hashed = false;
    std::uintmax_t m_size = 0;
    std::timespec m_modified{};
    std::uintmax_t m_device = 0;
    std::uintmax_t m_inode = 0;
    std::size_t m_hash = 0;
};
