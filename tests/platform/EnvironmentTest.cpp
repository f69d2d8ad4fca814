#include "platform/Environment.h"

#include "platform/Trace.h"
#include "support/EnvGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(Environment, XdgFoldersAndTheirFallbacks)
{
    CEnvGuard home("HOME", "/home/dana");
    {
        CEnvGuard data("XDG_DATA_HOME", "/srv/data");
        CEnvGuard config("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(XdgDataHome(), fs::path("/srv/data"));
        EXPECT_EQ(XdgConfigHome(), fs::path("/home/dana/.config"));
    }
    CEnvGuard data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(XdgDataHome(), fs::path("/home/dana/.local/share"));
}

TEST(Environment, PrivateTempFolderIsRefusedWhenOthersCanReachIt)
{
    CTempDir folder;
    CEnvGuard tmp("TMPDIR", folder.Path().c_str());
    const fs::path made = PrivateTempFolder();
    ASSERT_FALSE(made.empty());
    EXPECT_EQ(made.parent_path(), folder.Path());
    struct stat info
    {
    };
    ASSERT_EQ(::lstat(made.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(PrivateTempFolder(), made);

    ::chmod(made.c_str(), 0755);
    EXPECT_TRUE(PrivateTempFolder().empty());
    ::chmod(made.c_str(), 0700);
    if (::getuid() == 0)
    {
        ASSERT_EQ(::chown(made.c_str(), 65534, 65534), 0);
        EXPECT_TRUE(PrivateTempFolder().empty());
    }
    fs::remove(made);
    fs::create_symlink(folder.Path(), made);
    EXPECT_TRUE(PrivateTempFolder().empty());
}

TEST(EnvironmentTrace, OnlyWhenVelloranTraceIsOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Each child starts afresh, so the setting is read again there.
    EXPECT_EXIT(
        {
            ::setenv("VELLORAN_TRACE", "1", 1);
            Trace("CNewOrvDoc::Save", "Enter");
            std::exit(IsTraceEnabled() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "^WEDDING - CNewOrvDoc::Save Enter\n$");
    EXPECT_EXIT(
        {
            ::setenv("VELLORAN_TRACE", "yes", 1);
            Trace("CNewOrvDoc::Save", "Enter");
            std::exit(IsTraceEnabled() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "^$");
}
