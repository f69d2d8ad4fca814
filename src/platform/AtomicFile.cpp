#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileFaults.h"
#include "platform/StringTable.h"

namespace fs = std::filesystem;

namespace
{
void SetError(std::string* error, int stringId, const fs::path& path, int errorNumber)
{
    if (error == nullptr)
        return;
    *error = FormatText(LoadString(stringId), {path.string(), std::strerror(errorNumber)});
}

// A step either really fails (errno set by the system) or is made to fail through the seam.
bool Failed(EFileStep step, const std::string& path, bool systemFailed, int& errorNumber)
{
    if (systemFailed)
    {
        errorNumber = errno;
        return true;
    }
    if (FileStepFails(step, path))
    {
        errorNumber = EIO;
        return true;
    }
    return false;
}
} // namespace

bool WriteFileAtomic(const fs::path& path, std::string_view bytes, std::string* error)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const std::string target = path.string();
    int errorNumber = 0;

    int fd = mkstemp(pattern.data());
    if (Failed(EFileStep::CreateTemp, target, fd < 0, errorNumber))
    {
        if (fd >= 0)
        {
            ::close(fd);
            ::unlink(pattern.c_str());
        }
        SetError(error, IDS_FILE_SAVE_FAILED, path, errorNumber);
        return false;
    }

    auto abandon = [&](int stringId) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(pattern.c_str());
        SetError(error, stringId, path, errorNumber);
        return false;
    };

    // Give the file the usual permissions instead of mkstemp's 0600, as a plain write would.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    std::size_t done = 0;
    while (done < bytes.size())
    {
        ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (Failed(EFileStep::Write, target, written <= 0, errorNumber))
        {
            if (written == 0)
                errorNumber = ENOSPC;
            return abandon(IDS_FILE_SAVE_FAILED);
        }
        done += static_cast<std::size_t>(written);
    }
    if (bytes.empty() && Failed(EFileStep::Write, target, false, errorNumber))
        return abandon(IDS_FILE_SAVE_FAILED);

    if (Failed(EFileStep::Flush, target, ::fsync(fd) != 0, errorNumber))
        return abandon(IDS_FILE_SAVE_FAILED);

    int closed = ::close(fd);
    fd = -1;
    if (Failed(EFileStep::Close, target, closed != 0, errorNumber))
        return abandon(IDS_FILE_SAVE_FAILED);

    if (Failed(EFileStep::Rename, target, ::rename(pattern.c_str(), target.c_str()) != 0,
               errorNumber))
        return abandon(IDS_FILE_SAVE_FAILED);

    // The rename is only durable once the folder itself is on disk.
    int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    bool syncFailed = folderFd < 0 || ::fsync(folderFd) != 0;
    if (folderFd >= 0)
        ::close(folderFd);
    if (Failed(EFileStep::SyncFolder, target, syncFailed, errorNumber))
    {
        // The new content is in place already; only its durability is in doubt. Say so.
        SetError(error, IDS_FILE_SAVE_FAILED, path, errorNumber);
        return false;
    }
    return true;
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
    bool systemFailed = ::unlink(path.c_str()) != 0 && errno != ENOENT;
    if (Failed(EFileStep::Remove, path.string(), systemFailed, errorNumber))
    {
        SetError(error, IDS_FILE_REMOVE_FAILED, path, errorNumber);
        return false;
    }
    return true;
}
