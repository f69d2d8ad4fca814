#include "platform/EventLock.h"

#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
constexpr std::chrono::milliseconds kRetryEvery{50};
constexpr std::size_t kMaxHolderBytes = 1024;

// Opens the lock file without ever following a link or waiting on a FIFO; a folder we may not
// write still locks through a file someone else made (flock needs no write access).
int OpenLockFile(const fs::path& path, bool& writable)
{
    writable = true;
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
    {
        writable = false;
        fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    return fd;
}

std::string HostName()
{
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return std::string();
    return host;
}

void WriteHolder(int fd, const std::string& program)
{
    const std::string text =
        "program=" + program + "\npid=" + FormatInt(::getpid()) + "\nhost=" + HostName() + "\n";
    // The lock holds whether or not its holder could be named.
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
        Trace("CEventLock::Acquire", "cannot name the holder in the lock file");
}
} // namespace

CEventLock::~CEventLock()
{
    Release();
}

CEventLock::EResult CEventLock::Acquire(const fs::path& folder, const std::string& program,
                                        std::chrono::milliseconds wait, std::string* error,
                                        const char* fileName)
{
    Release();
    const fs::path path = folder / fileName;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const auto fail = [&](int stringId, int errorNumber)
    {
        if (error != nullptr)
            *error = FormatText(LoadString(stringId), {path.string(), std::strerror(errorNumber)});
        return EResult::Failed;
    };

    for (;;)
    {
        bool writable = true;
        const int fd = OpenLockFile(path, writable);
        if (fd < 0)
            return fail(errno == ELOOP ? IDS_FILE_NOT_REGULAR : IDS_FILE_UNREADABLE, errno);
        struct stat opened
        {
        };
        if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
        {
            ::close(fd);
            return fail(IDS_FILE_NOT_REGULAR, EINVAL);
        }

        while (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        {
            if (errno == EINTR)
                continue;
            const int errorNumber = errno;
            if (errorNumber != EWOULDBLOCK)
            {
                ::close(fd);
                return fail(IDS_FILE_UNREADABLE, errorNumber);
            }
            const auto now = std::chrono::steady_clock::now();
            if (now >= deadline)
            {
                ::close(fd);
                return EResult::Busy;
            }
            std::this_thread::sleep_for(
                std::min<std::chrono::steady_clock::duration>(kRetryEvery, deadline - now));
        }

        // The file locked must still be the one of that name: had someone removed or replaced it
        // meanwhile, another process could lock the new one at the same time.
        struct stat named
        {
        };
        if (::stat(path.c_str(), &named) == 0 && named.st_dev == opened.st_dev &&
            named.st_ino == opened.st_ino)
        {
            if (writable)
                WriteHolder(fd, program);
            m_fd = fd;
            m_folder = folder;
            return EResult::Acquired;
        }
        ::close(fd);
    }
}

void CEventLock::Release()
{
    if (m_fd < 0)
        return;
    // Closing lets go of the lock; the holder's name may stay in the file, it is read only while
    // the file is locked.
    ::close(m_fd);
    m_fd = -1;
    m_folder.clear();
}

CEventLock::SHolder CEventLock::ReadHolder(const fs::path& folder, const char* fileName)
{
    SHolder holder;
    const fs::path path = folder / fileName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return holder;
    struct stat info
    {
    };
    std::string text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
    {
        text.resize(kMaxHolderBytes);
        const ssize_t got = ::pread(fd, text.data(), text.size(), 0);
        text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    ::close(fd);

    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (key == "program")
            holder.program = value;
        else if (key == "pid")
            holder.pid = ParseLeadingInt(value);
        else if (key == "host")
            holder.host = value;
    }
    return holder;
}

std::string CEventLock::Describe(const SHolder& holder)
{
    if (holder.program.empty())
        return LoadString(IDS_LOCK_HOLDER_UNKNOWN);
    return FormatText(LoadString(IDS_LOCK_HOLDER),
                      {holder.program, FormatInt(holder.pid), holder.host});
}

bool CEventLock::IsFree(const fs::path& folder, const char* fileName)
{
    const fs::path path = folder / fileName;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    struct stat info
    {
    };
    bool free = false;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
    {
        free = true;
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return free;
}
