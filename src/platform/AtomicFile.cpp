#include "platform/AtomicFile.h"

#include "platform/FileFaults.h"
#include "platform/StringTable.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
void SetError(std::string* error, int stringId, const fs::path& path, int errorNumber)
{
    if (error == nullptr)
        return;
    *error = FormatText(LoadString(stringId), {path.string(), std::strerror(errorNumber)});
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
        for (int i = 0; i < 6; ++i)
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
    fs::path real = path;
    std::error_code linkError;
    if (fs::is_symlink(path, linkError))
    {
        fs::path resolved = fs::canonical(path, linkError);
        if (!linkError)
            real = resolved;
    }
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
    if (::stat(source.c_str(), &info) != 0)
        errorNumber = errno;
    else if (!S_ISREG(info.st_mode))
        errorNumber = EINVAL;
    else if (!ReadWholeFile(source, bytes))
        errorNumber = EIO;
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
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return false;
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
