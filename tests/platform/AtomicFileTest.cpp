#include "platform/AtomicFile.h"

#include "support/FaultHookGuard.h"
#include "support/FifoWatchdog.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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

TEST(AtomicFileSpecialFiles, OnlyRegularFilesAreReplaced)
{
    CTempDir folder;
    ASSERT_EQ(::mkfifo((folder / "Pipe.xml").c_str(), 0644), 0);
    // Our own device node (root only), never a system one.
    const bool haveDevice =
        ::mknod((folder / "Device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    fs::create_symlink(haveDevice ? "Device" : "Pipe.xml", folder / "Tasks.ini");
    fs::create_symlink("nowhere.ini", folder / "Dangling.ini");
    fs::create_directory(folder / "Folder.ini");

    for (const char* name : {"Pipe.xml", "Tasks.ini", "Dangling.ini", "Folder.ini"})
    {
        std::string error;
        EXPECT_FALSE(WriteFileAtomic(folder / name, "new", &error)) << name;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_TRUE(fs::is_fifo(folder / "Pipe.xml"));
    EXPECT_TRUE(fs::is_symlink(folder / "Tasks.ini"));
    if (haveDevice)
    {
        EXPECT_TRUE(fs::is_character_file(folder / "Device"));
    }
    EXPECT_TRUE(fs::is_symlink(folder / "Dangling.ini"));
    EXPECT_FALSE(fs::exists(folder / "nowhere.ini"));
    EXPECT_TRUE(fs::is_directory(folder / "Folder.ini"));
    // No temporary file is left beside them.
    std::set<std::string> expected = {"Pipe.xml", "Tasks.ini", "Dangling.ini", "Folder.ini"};
    if (haveDevice)
        expected.insert("Device");
    EXPECT_EQ(FolderEntries(folder.Path()), expected);

    // A copy onto a special file is refused as well.
    WriteBytes(folder / "Source.xml", "data");
    EXPECT_FALSE(CopyFileAtomic(folder / "Source.xml", folder / "Pipe.xml"));
    EXPECT_TRUE(fs::is_fifo(folder / "Pipe.xml"));
}

TEST(AtomicFileSpecialFiles, AFifoIsNeverWaitedOn)
{
    CTempDir folder;
    const fs::path fifo = folder / "WeddingData.xml";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    CFifoWatchdog watchdog(fifo);
    std::string bytes = "before";
    std::string error;
    EXPECT_FALSE(ReadRegularFile(fifo, bytes, 1024, &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_FALSE(ReadWholeFile(fifo, bytes));
    EXPECT_EQ(bytes, "before");
}

TEST(AtomicFileSpecialFiles, ReadingKeepsToTheLimit)
{
    CTempDir folder;
    WriteBytes(folder / "Data.xml", "0123456789");
    std::string bytes;
    std::string error;
    EXPECT_TRUE(ReadRegularFile(folder / "Data.xml", bytes, 10, &error)) << error;
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_FALSE(ReadRegularFile(folder / "Data.xml", bytes, 9, &error));
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
    EXPECT_FALSE(ReadRegularFile(folder / "Missing.xml", bytes, 9, &error));
}

TEST(AtomicFileReadOnly, AFileWithoutWritePermissionIsLeftAsItIs)
{
    CTempDir folder;
    const fs::path path = folder / "WeddingData.xml";
    WriteBytes(path, "theirs");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::string error;
    // Root may write anything; the program still respects the file's mode.
    EXPECT_FALSE(WriteFileAtomic(path, "ours", &error));
    EXPECT_NE(error.find("read-only"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(path), "theirs");
    EXPECT_EQ(FolderEntries(folder.Path()), std::set<std::string>{"WeddingData.xml"});
}

TEST(AtomicFileTemporaries, StaleTemporaryFilesOfTheGivenNamesAreRemoved)
{
    CTempDir folder;
    for (const char* name : {".WeddingData.xml.Ab12Cd", ".Settings.ini.zzzzzz", ".Other.txt.Ab12Cd",
                             ".WeddingData.xml.short", ".WeddingData.xml.Ab12Cd.x",
                             "WeddingData.xml", "Notes.WeddingData.xml.Ab12Cd"})
        WriteBytes(folder / name, "x");
    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.Path(), {"WeddingData.xml", "Settings.ini"}), 2);
    EXPECT_EQ(FolderEntries(folder.Path()),
              (std::set<std::string>{".Other.txt.Ab12Cd", ".WeddingData.xml.short",
                                     ".WeddingData.xml.Ab12Cd.x", "WeddingData.xml",
                                     "Notes.WeddingData.xml.Ab12Cd"}));
}
