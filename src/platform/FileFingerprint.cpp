#include "platform/FileFingerprint.h"

#include "platform/AtomicFile.h"

#include <functional>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace
{
std::size_t Hash(std::string_view bytes)
{
    return std::hash<std::string_view>{}(bytes);
}
} // namespace

CFileFingerprint CFileFingerprint::OfUnread(const fs::path& path)
{
    CFileFingerprint print;
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) != 0)
        return print;
    print.m_exists = true;
    print.m_size = static_cast<std::uintmax_t>(info.st_size);
    print.m_modified = info.st_mtim;
    print.m_device = static_cast<std::uintmax_t>(info.st_dev);
    print.m_inode = static_cast<std::uintmax_t>(info.st_ino);
    return print;
}

CFileFingerprint CFileFingerprint::OfBytes(const fs::path& path, std::string_view bytes)
{
    CFileFingerprint print = OfUnread(path);
    if (!print.m_exists)
        return print;
    // The bytes are what was read or written; the size is theirs, whatever came after.
    print.m_size = bytes.size();
    print.m_hashed = true;
    print.m_hash = Hash(bytes);
    return print;
}

CFileFingerprint CFileFingerprint::Of(const fs::path& path, std::uintmax_t maxBytes)
{
    std::string bytes;
    if (ReadRegularFile(path, bytes, maxBytes))
        return OfBytes(path, bytes);
    return OfUnread(path);
}

bool CFileFingerprint::Matches(const fs::path& path) const
{
    const CFileFingerprint now = OfUnread(path);
    if (!now.m_exists)
        return true;
    if (!m_exists || now.m_size != m_size)
        return false;
    if (!m_hashed)
        return now.m_modified.tv_sec == m_modified.tv_sec &&
               now.m_modified.tv_nsec == m_modified.tv_nsec && now.m_device == m_device &&
               now.m_inode == m_inode;
    std::string bytes;
    // One byte more than expected is enough to see that it grew.
    if (!ReadRegularFile(path, bytes, m_size + 1))
        return false;
    return bytes.size() == m_size && Hash(bytes) == m_hash;
}
