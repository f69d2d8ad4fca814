#include "platform/Shell.h"

#include "support/EnvGuard.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// A fake program on PATH that writes each of its arguments on a line of a file.
void MakeRecorder(const fs::path& folder, const std::string& name, const fs::path& output)
{
    WriteBytes(folder / name, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                                  output.string() + ".tmp'\nmv '" + output.string() + ".tmp' '" +
                                  output.string() + "'\n");
    fs::permissions(folder / name, fs::perms::owner_all);
}

std::string WaitForFile(const fs::path& path)
{
    for (int i = 0; i < 500 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return ReadBytes(path);
}
} // namespace

TEST(ShellOpen, TargetGoesToTheHandlerAsOneArgumentWithoutAShell)
{
    CTempDir folder;
    const fs::path output = folder / "args";
    MakeRecorder(folder.Path(), "xdg-open", output);
    CEnvGuard path("PATH", (folder.Path().string() + ":/usr/bin:/bin").c_str());

    const std::string target =
        "https://example.org/a b?x=1&y=$(touch " + (folder / "injected").string() + ");`id`";
    ASSERT_TRUE(ShellOpen(target));
    EXPECT_EQ(WaitForFile(output), target + "\n");
    EXPECT_FALSE(fs::exists(folder / "injected"));
}

TEST(ShellOpen, RefusesWhatTheHandlerWouldTakeAsAnOption)
{
    CTempDir folder;
    const fs::path output = folder / "args";
    MakeRecorder(folder.Path(), "xdg-open", output);
    CEnvGuard path("PATH", folder.Path().c_str());
    EXPECT_FALSE(ShellOpen(""));
    EXPECT_FALSE(ShellOpen("--help"));
    EXPECT_FALSE(ShellOpen("-x"));
}

TEST(ShellOpen, AnInstalledHandlerGetsTheTargetInsteadOfTheDesktop)
{
    CTempDir folder;
    const fs::path output = folder / "args";
    MakeRecorder(folder.Path(), "xdg-open", output);
    CEnvGuard path("PATH", folder.Path().c_str());
    std::vector<std::string> opened;
    SetShellOpenHandler(
        [&](const std::string& target)
        {
            opened.push_back(target);
            return opened.size() == 1;
        });
    EXPECT_TRUE(ShellOpen("/tmp/a.ics"));
    EXPECT_FALSE(ShellOpen("/tmp/b.ics")) << "the handler's answer is the result";
    EXPECT_FALSE(ShellOpen("-x")) << "refused before any handler";
    SetShellOpenHandler({});
    EXPECT_EQ(opened, (std::vector<std::string>{"/tmp/a.ics", "/tmp/b.ics"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(fs::exists(output)) << "the desktop's handler was never started";
}

TEST(ShellStart, MissingProgramIsAFailure)
{
    CTempDir folder;
    CEnvGuard path("PATH", folder.Path().c_str());
    EXPECT_FALSE(StartProgram("velloran-no-such-program", {}));
    EXPECT_FALSE(ShellOpen("https://example.org"));
}

TEST(ShellFind, FirstNameFoundOnPathThatIsAnExecutableFile)
{
    CTempDir folder;
    fs::create_directories(folder / "a" / "calc"); // a folder is no program
    WriteBytes(folder / "a" / "plain", "not executable");
    fs::permissions(folder / "a" / "plain", fs::perms::owner_read);
    fs::create_directories(folder / "b");
    MakeRecorder(folder / "b", "calc", folder / "unused");
    MakeRecorder(folder / "b", "soffice", folder / "unused");
    const std::string path = (folder / "a").string() + "::" + (folder / "b").string();
    CEnvGuard guard("PATH", path.c_str());
    EXPECT_EQ(FindFirstOnPath({"soffice", "calc"}), (folder / "b" / "soffice").string());
    EXPECT_EQ(FindFirstOnPath({"missing", "calc"}), (folder / "b" / "calc").string());
    EXPECT_EQ(FindFirstOnPath({"missing"}), "");
}
