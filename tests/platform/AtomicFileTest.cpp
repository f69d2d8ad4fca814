#include "platform/AtomicFile.h"

#include "support/FaultHookGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

TEST(AtomicFileWrite, CreatesAndReplaces)
{
    CTempDir folder;
    const fs::path path = folder / "Data.xml";
    std::string error;
    ASSERT_TRUE(WriteFileAtomic(path, "first", &error)) << error;
    ASSERT_TRUE(WriteFileAtomic(path, std::string("a\0b", 3), &error)) << error;
    EXPECT_EQ(ReadBytes(path), std::string("a\0b", 3));
    ASSERT_TRUE(WriteFileAtomic(path, "", &error)) << error;
    EXPECT_EQ(ReadBytes(path), "");
    EXPECT_EQ(FolderEntries(folder.Path()), std::set<std::string>{"Data.xml"});
}

TEST(AtomicFileWrite, NewFilesFollowTheUmaskAndOldFilesKeepTheirMode)
{
    CTempDir folder;
    const mode_t old = ::umask(022);
    EXPECT_TRUE(WriteFileAtomic(folder / "New.ini", "x"));
    ::umask(old);
    EXPECT_EQ(fs::status(folder / "New.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);

    WriteBytes(folder / "Private.ini", "password");
    fs::permissions(folder / "Private.ini", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(WriteFileAtomic(folder / "Private.ini", "other password"));
    EXPECT_EQ(fs::status(folder / "Private.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFileWrite, ALinkIsWrittenThroughAndStaysALink)
{
    CTempDir folder;
    fs::create_directory(folder / "real");
    WriteBytes(folder / "real" / "Settings.ini", "old");
    fs::create_symlink("real/Settings.ini", folder / "Settings.ini");
    ASSERT_TRUE(WriteFileAtomic(folder / "Settings.ini", "new"));
    EXPECT_TRUE(fs::is_symlink(folder / "Settings.ini"));
    EXPECT_EQ(ReadBytes(folder / "real" / "Settings.ini"), "new");
}

TEST(AtomicFileWrite, AMissingFolderIsAnErrorNamingTheFile)
{
    CTempDir folder;
    const fs::path path = folder / "missing" / "Data.xml";
    std::string error;
    EXPECT_FALSE(WriteFileAtomic(path, "x", &error));
    EXPECT_NE(error.find(path.string()), std::string::npos) << error;
    EXPECT_FALSE(fs::exists(folder / "missing"));
}

TEST(AtomicFileWrite, AFailedFolderFlushIsReported)
{
    CTempDir folder;
    const fs::path path = folder / "Data.xml";
    std::string error;
    CFaultHookGuard guard([](EFileStep step, const std::string&)
                          { return step == EFileStep::SyncFolder; });
    EXPECT_FALSE(WriteFileAtomic(path, "x", &error));
    EXPECT_NE(error.find(path.string()), std::string::npos);
    EXPECT_EQ(FolderEntries(folder.Path()), std::set<std::string>{"Data.xml"});
}

TEST(AtomicFileRemove, MissingIsGoneAndFailuresAreReported)
{
    CTempDir folder;
    std::string error;
    EXPECT_TRUE(RemoveFileChecked(folder / "never.ini", &error));
    WriteBytes(folder / "a.ini", "x");
    {
        CFaultHookGuard guard([](EFileStep step, const std::string&)
                              { return step == EFileStep::Remove; });
        EXPECT_FALSE(RemoveFileChecked(folder / "a.ini", &error));
    }
    EXPECT_TRUE(fs::exists(folder / "a.ini"));
    EXPECT_NE(error.find((folder / "a.ini").string()), std::string::npos);
    EXPECT_TRUE(RemoveFileChecked(folder / "a.ini", &error));
    EXPECT_FALSE(fs::exists(folder / "a.ini"));
}
