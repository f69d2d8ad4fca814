#include "platform/Environment.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
fs::path HomeFolder()
{
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home != '\0')
        return fs::path(home);
    if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir != nullptr)
        return fs::path(entry->pw_dir);
    return fs::path("/tmp");
}

fs::path XdgFolder(const char* variable, const char* fallback)
{
    const char* value = std::getenv(variable);
    if (value != nullptr && *value == '/')
        return fs::path(value);
    return HomeFolder() / fallback;
}
} // namespace

fs::path XdgDataHome()
{
    return XdgFolder("XDG_DATA_HOME", ".local/share");
}

fs::path XdgConfigHome()
{
    return XdgFolder("XDG_CONFIG_HOME", ".config");
}

fs::path ExecutableFolder()
{
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        return fs::current_path(error);
    return self.parent_path();
}

fs::path PrivateTempFolder()
{
    const char* base = std::getenv("TMPDIR");
    fs::path folder = fs::path(base != nullptr && *base == '/' ? base : "/tmp") /
                      ("velloran-" + std::to_string(::getuid()));
    ::mkdir(folder.c_str(), 0700);
    struct stat info
    {
    };
    // Refuse a folder someone else made or opened up: it could be swapped under us.
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 0077) != 0)
        return {};
    return folder;
}
