#include "platform/Shell.h"

#include "platform/Trace.h"

#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
// Double fork, so the started program is not left as our zombie and outlives us.
bool SpawnDetached(const std::string& program, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0)
    {
        ::setsid();
        pid_t grandchild = 0;
        int rc =
            ::posix_spawnp(&grandchild, program.c_str(), nullptr, nullptr, argv.data(), environ);
        ::_exit(rc == 0 ? 0 : 127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
    {
        if (errno != EINTR)
            return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

ShellOpenHandler& OpenHandler()
{
    static ShellOpenHandler handler;
    return handler;
}
} // namespace

void SetShellOpenHandler(ShellOpenHandler handler)
{
    OpenHandler() = std::move(handler);
}

bool StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    bool started = SpawnDetached(program, arguments);
    Trace("Shell::StartProgram", program + (started ? " started" : " failed"));
    return started;
}

bool ShellOpen(const std::string& target)
{
    // "--" is not understood by xdg-open; a target starting with '-' would be taken as an option.
    if (target.empty() || target[0] == '-')
        return false;
    if (OpenHandler())
        return OpenHandler()(target);
    return StartProgram("xdg-open", {target});
}

std::string FindFirstOnPath(const std::vector<std::string>& names)
{
    const char* pathVariable = std::getenv("PATH");
    std::string path = pathVariable != nullptr ? pathVariable : "/usr/bin:/bin";
    for (const auto& name : names)
    {
        std::size_t start = 0;
        while (start <= path.size())
        {
            std::size_t end = path.find(':', start);
            if (end == std::string::npos)
                end = path.size();
            std::string folder = path.substr(start, end - start);
            if (folder.empty())
                folder = ".";
            std::filesystem::path candidate = std::filesystem::path(folder) / name;
            if (::access(candidate.c_str(), X_OK) == 0 && !std::filesystem::is_directory(candidate))
                return candidate.string();
            start = end + 1;
        }
    }
    return {};
}
