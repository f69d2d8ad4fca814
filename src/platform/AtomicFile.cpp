#include "platform/AtomicFile.h"

#include "platform/FileFaults.h"
#include "platform/StringTable.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
constexpr std::size_t kTemporarySuffixLength = 6;

void SetError(std::string* error, int stringId, const fs::path& path, int errorNumber)
{
    if (error == nullptr)
        return;
    *error = FormatText(LoadString(stringId), {path.string(), std::strerror(errorNumber)});
}

void SetPathError(std::string* error, int stringId, const fs::path& path)
{
    if (error != nullptr)
        *error = FormatText(LoadString(stringId), {path.string()});
}

// Where a write goes: the file itself, or the file a link points at. False (with *error set) for
// a target the program must leave alone: not a regular file, or not writable. A missing target
// is fine (it is created).
bool ResolveTarget(const fs::path& path, fs::path& real, std::string* error)
{
    real = path;
    struct stat info
    {
    };
    if (::lstat(path.c_str(), &info) != 0)
    {
        if (errno == ENOENT)
            return true;
        SetError(error, IDS_FILE_SAVE_FAILED, path, errno);
        return false;
    }
    if (S_ISLNK(info.st_mode))
    {
        // A link to nothing would be replaced by a file of its own: refused like any non-file.
        std::error_code linkError;
        fs::path resolved = fs::canonical(path, linkError);
        if (linkError || ::stat(resolved.c_str(), &info) != 0)
        {
            SetPathError(error, IDS_FILE_NOT_REGULAR, path);
            return false;
        }
        real = resolved;
    }
    if (!S_ISREG(info.st_mode))
    {
        SetPathError(error, IDS_FILE_NOT_REGULAR, path);
        return false;
    }
    // Root passes access() for any file; a mode that grants writing to no one is respected too.
    if ((info.st_mode & 0222) == 0 || ::access(real.c_str(), W_OK) != 0)
    {
        SetPathError(error, IDS_FILE_READ_ONLY, path);
        return false;
    }
    return true;
}

// Opens a file for reading without ever waiting (a FIFO would block the open until a writer
// comes); -1 with errorNumber set, EINVAL for anything but a regular file.
int OpenRegularFile(const fs::path& path, struct stat& info, int& errorNumber)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
    {
        errorNumber = errno;
        return -1;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
    {
        errorNumber = S_ISREG(info.st_mode) ? errno : EINVAL;
        ::close(fd);
        return -1;
    }
    // Reads of a regular file do not block anyway; clear the flag for plain semantics.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool ReadAll(int fd, std::size_t size, std::string& bytes, int& errorNumber)
{
    std::string content;
    content.resize(size);
    std::size_t done = 0;
    for (;;)
    {
        if (done == content.size())
        {
            // A file that grew while it was read: take what follows as well.
            char probe[4096];
            const ssize_t more = ::read(fd, probe, sizeof probe);
            if (more == 0)
                break;
            if (more < 0)
            {
                if (errno == EINTR)
                    continue;
                errorNumber = errno;
                return false;
            }
            content.append(probe, static_cast<std::size_t>(more));
            done = content.size();
            continue;
        }
        const ssize_t got = ::read(fd, content.data() + done, content.size() - done);
        if (got == 0)
        {
            content.resize(done); // it shrank
            break;
        }
        if (got < 0)
        {
            if (errno == EINTR)
                continue;
            errorNumber = errno;
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    bytes.swap(content);
    return true;
}

bool IsTemporarySuffix(std::string_view suffix)
{
    if (suffix.size() != kTemporarySuffixLength)
        return false;
    for (char c : suffix)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

// The seam is asked before a step is taken, so a step made to fail has no effect at all (a rename
// that "fails" after it happened would leave the new content in place).
bool StepFails(EFileStep step, const std::string& path, int& errorNumber)
{
    if (!FileStepFails(step, path))
        return false;
    errorNumber = EIO;
    return true;
}

// A new file beside the target that no one else has: ".<name>.<6 random characters>". Created with
// 0666 so that the process umask applies as for any new file (mkstemp would give 0600, and
// changing the umask to learn it races with other threads).
int CreateTemporary(const fs::path& target, std::string& tempPath)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        std::string name = "." + target.filename().string() + ".";
        for (std::size_t i = 0; i < kTemporarySuffixLength; ++i)
            name += kChars[pick(random)];
        tempPath = (folder / name).string();
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view bytes, const std::string& target, int& errorNumber)
{
    if (bytes.empty())
        return !StepFails(EFileStep::Write, target, errorNumber);
    std::size_t done = 0;
    while (done < bytes.size())
    {
        if (StepFails(EFileStep::Write, target, errorNumber))
            return false;
        ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
        {
            errorNumber = written == 0 ? ENOSPC : errno;
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The one writer behind WriteFileAtomic and CopyFileAtomic. A mode given wins; otherwise an
// existing target keeps its mode (a settings file holding a password stays private) and a new one
// gets the usual 0666 less the umask.
bool WriteAtomic(const fs::path& path, std::string_view bytes, const mode_t* mode,
                 std::string* error)
{
    // Through a link the file it points at is replaced, so the link stays a link.
    fs::path real;
    if (!ResolveTarget(path, real, error))
        return false;
    const std::string target = real.string();
    const std::string seamPath = path.string();
    int errorNumber = 0;

    if (StepFails(EFileStep::CreateTemp, seamPath, errorNumber))
    {
        SetError(error, IDS_FILE_SAVE_FAILED, path, errorNumber);
        return false;
    }
    std::string tempPath;
    int fd = CreateTemporary(real, tempPath);
    if (fd < 0)
    {
        SetError(error, IDS_FILE_SAVE_FAILED, path, errno);
        return false;
    }

    auto abandon = [&]()
    {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempPath.c_str());
        SetError(error, IDS_FILE_SAVE_FAILED, path, errorNumber);
        return false;
    };

    struct stat existing
    {
    };
    if (mode != nullptr)
        ::fchmod(fd, *mode & 07777);
    else if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
        ::fchmod(fd, existing.st_mode & 07777);

    if (!WriteAll(fd, bytes, seamPath, errorNumber))
        return abandon();

    if (StepFails(EFileStep::Flush, seamPath, errorNumber))
        return abandon();
    if (::fsync(fd) != 0)
    {
        errorNumber = errno;
        return abandon();
    }

    if (StepFails(EFileStep::Close, seamPath, errorNumber))
        return abandon();
    int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
    {
        errorNumber = errno;
        return abandon();
    }

    if (StepFails(EFileStep::Rename, seamPath, errorNumber))
        return abandon();
    if (::rename(tempPath.c_str(), target.c_str()) != 0)
    {
        errorNumber = errno;
        return abandon();
    }

    // The rename is only durable once the folder itself is on disk. The new content is in place
    // already, so a failure here only puts its durability in doubt; it is reported all the same.
    if (StepFails(EFileStep::SyncFolder, seamPath, errorNumber))
    {
        SetError(error, IDS_FILE_SAVE_FAILED, path, errorNumber);
        return false;
    }
    // A folder we may write but not open, or a file system that cannot flush a folder at all
    // (EINVAL), leaves nothing to flush; only a flush that fails is an error.
    const fs::path folder = real.has_parent_path() ? real.parent_path() : fs::path(".");
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return true;
    int syncResult = ::fsync(folderFd);
    errorNumber = errno;
    ::close(folderFd);
    if (syncResult != 0 && errorNumber != EINVAL && errorNumber != ENOTSUP)
    {
        SetError(error, IDS_FILE_SAVE_FAILED, path, errorNumber);
        return false;
    }
    return true;
}
} // namespace

bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string* error)
{
    return WriteAtomic(path, bytes, nullptr, error);
}

bool CopyFileAtomic(const fs::path& source, const fs::path& target, std::string* error)
{
    std::string bytes;
    struct stat info
    {
    };
    int errorNumber = 0;
    const int fd = OpenRegularFile(source, info, errorNumber);
    if (fd >= 0)
    {
        if (!ReadAll(fd, static_cast<std::size_t>(info.st_size), bytes, errorNumber))
            errorNumber = errorNumber != 0 ? errorNumber : EIO;
        ::close(fd);
    }
    if (errorNumber != 0)
    {
        SetError(error, IDS_FILE_SAVE_FAILED, target, errorNumber);
        return false;
    }
    const mode_t mode = info.st_mode;
    return WriteAtomic(target, bytes, &mode, error);
}

bool ReadWholeFile(const fs::path& path, std::string& bytes)
{
    return ReadRegularFile(path, bytes, std::numeric_limits<std::uintmax_t>::max());
}

bool ReadRegularFile(const fs::path& path, std::string& bytes, std::uintmax_t maxBytes,
                     std::string* error)
{
    struct stat info
    {
    };
    int errorNumber = 0;
    const int fd = OpenRegularFile(path, info, errorNumber);
    if (fd < 0)
    {
        if (errorNumber == EINVAL)
            SetPathError(error, IDS_FILE_NOT_REGULAR, path);
        else
            SetError(error, IDS_FILE_UNREADABLE, path, errorNumber);
        return false;
    }
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > maxBytes || size > std::numeric_limits<std::size_t>::max() / 2)
    {
        ::close(fd);
        SetPathError(error, IDS_FILE_TOO_LARGE, path);
        return false;
    }
    std::string content;
    const bool read = ReadAll(fd, static_cast<std::size_t>(size), content, errorNumber);
    ::close(fd);
    if (read && content.size() > maxBytes)
    {
        SetPathError(error, IDS_FILE_TOO_LARGE, path);
        return false;
    }
    if (!read)
    {
        SetError(error, IDS_FILE_UNREADABLE, path, errorNumber);
        return false;
    }
    bytes.swap(content);
    return true;
}

bool RemoveFileChecked(const fs::path& path, std::string* error)
{
    int errorNumber = 0;
    if (StepFails(EFileStep::Remove, path.string(), errorNumber) ||
        (::unlink(path.c_str()) != 0 && (errorNumber = errno) != ENOENT))
    {
        SetError(error, IDS_FILE_REMOVE_FAILED, path, errorNumber);
        return false;
    }
    return true;
}

int RemoveStaleTemporaryFiles(const fs::path& folder, const std::vector<std::string>& names)
{
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
    {
        const std::string entry = it->path().filename().string();
        for (const std::string& name : names)
        {
            // ".<name>." and the six characters CreateTemporary picks.
            const std::size_t prefix = name.size() + 2;
            if (entry.size() != prefix + kTemporarySuffixLength || entry[0] != '.' ||
                entry.compare(1, name.size(), name) != 0 || entry[prefix - 1] != '.' ||
                !IsTemporarySuffix(std::string_view(entry).substr(prefix)))
                continue;
            struct stat info
            {
            };
            // Only our own regular files: never a link, a folder or anything else of that name.
            if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
                ::unlink(it->path().c_str()) == 0)
                ++removed;
            break;
        }
    }
    return removed;
}
