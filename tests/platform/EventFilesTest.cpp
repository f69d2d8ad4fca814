#include "platform/EventFiles.h"

#include "support/FaultHookGuard.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace
{
// A data root with two event folders, "from" and "to".
struct SRoot
{
    SRoot()
    {
        fs::create_directories(from);
        fs::create_directories(to);
    }
    CTempDir root;
    fs::path from = root / "data" / "from";
    fs::path to = root / "backup" / "to";
};
} // namespace

TEST(EventFilesNames, SharedSettingsLiveBesideTheEventFolders)
{
    EXPECT_EQ(EventFilePath("/data/Event1", kFileAppSettingsIni),
              fs::path("/data/AppSettings.ini"));
    EXPECT_EQ(EventFilePath("/data/Event1", kFileWeddingDataXml),
              fs::path("/data/Event1/WeddingData.xml"));
    EXPECT_EQ(EventFilePath("/data/Event1", 99), fs::path());
    EXPECT_EQ(EventFileName(-1), "");
}

TEST(EventFilesCopy, CopiesTheSetOverExistingTargetsAndSkipsMissingFiles)
{
    SRoot r;
    EXPECT_TRUE(CopyEventFiles(r.from, r.to, true, true, true)) << "nothing to copy";
    EXPECT_TRUE(fs::is_empty(r.to));
    EXPECT_TRUE(CopyEventFiles(r.root / "missing", r.to, true, false, false));

    WriteBytes(r.from / "Settings.ini", "new settings");
    WriteBytes(r.from / "WeddingData.xml", "<xml/>");
    WriteBytes(r.from / "Notes.txt", "not an event file");
    // The lock names the source's holder, and a temporary file is half a save: neither is data.
    WriteBytes(r.from / ".velloran.lock", "program=velloran\npid=1\nhost=planner\n");
    WriteBytes(r.from / ".WeddingData.xml.Ab12Cd", "<xml");
    WriteBytes(r.from.parent_path() / "AppSettings.ini", "shared");
    WriteBytes(r.to / "Settings.ini", "old settings, longer than the new ones");
    WriteBytes(r.to / "Guests.ini", "target only");

    EXPECT_TRUE(CopyEventFiles(r.from, r.to, false, false, false));
    EXPECT_EQ(ReadBytes(r.to / "Settings.ini"), "new settings");
    EXPECT_EQ(ReadBytes(r.to / "WeddingData.xml"), "<xml/>");
    EXPECT_EQ(ReadBytes(r.to / "Guests.ini"), "target only");
    EXPECT_FALSE(fs::exists(r.to / "Notes.txt"));
    EXPECT_FALSE(fs::exists(r.to / ".velloran.lock"));
    EXPECT_FALSE(fs::exists(r.to / ".WeddingData.xml.Ab12Cd"));
    EXPECT_FALSE(fs::exists(r.to.parent_path() / "AppSettings.ini"));
    // A copy leaves the source alone.
    EXPECT_EQ(ReadBytes(r.from / "Settings.ini"), "new settings");

    // The shared settings land in the parent of the target.
    EXPECT_TRUE(CopyEventFiles(r.from, r.to, true, false, false));
    EXPECT_EQ(ReadBytes(r.to.parent_path() / "AppSettings.ini"), "shared");
    EXPECT_FALSE(fs::exists(r.to / "AppSettings.ini"));
}

TEST(EventFilesCopy, MoveTakesTheFilesAwayAndDeleteFirstOnlyTheTargetsOfCopiedFiles)
{
    SRoot r;
    WriteBytes(r.from / "Tasks.ini", "tasks");
    WriteBytes(r.from / "Checkpoint.ini", "cp");
    WriteBytes(r.to / "Tasks.ini", "old tasks");
    WriteBytes(r.to / "Tables.ini", "tables without a source");
    EXPECT_TRUE(CopyEventFiles(r.from, r.to, false, true, true));
    EXPECT_EQ(ReadBytes(r.to / "Tasks.ini"), "tasks");
    EXPECT_EQ(ReadBytes(r.to / "Checkpoint.ini"), "cp");
    EXPECT_EQ(ReadBytes(r.to / "Tables.ini"), "tables without a source");
    EXPECT_TRUE(fs::is_empty(r.from));
}

TEST(EventFilesCopy, AFailedCopyGivesFalseButTheOtherFilesAreCopied)
{
    SRoot r;
    for (const char* name : {"Expences.ini", "Guests.ini", "Offers.ini", "Settings.ini"})
    {
        WriteBytes(r.from / name, std::string("new ") + name);
        WriteBytes(r.to / name, std::string("old ") + name);
    }
    const std::string failing = (r.to / "Guests.ini").string();
    {
        CFaultHookGuard guard([&](EFileStep, const std::string& path) { return path == failing; });
        EXPECT_FALSE(CopyEventFiles(r.from, r.to, false, false, false));
    }
    EXPECT_EQ(ReadBytes(r.to / "Guests.ini"), "old Guests.ini");
    EXPECT_EQ(ReadBytes(r.to / "Expences.ini"), "new Expences.ini");
    EXPECT_EQ(ReadBytes(r.to / "Offers.ini"), "new Offers.ini");
    EXPECT_EQ(ReadBytes(r.to / "Settings.ini"), "new Settings.ini");
    EXPECT_EQ(FolderEntries(r.root.Path()), (std::set<std::string>{"data", "backup"}));
    EXPECT_EQ(FolderEntries(r.to),
              (std::set<std::string>{"Expences.ini", "Guests.ini", "Offers.ini", "Settings.ini"}));
}

TEST(EventFilesCopy, AFailedMoveKeepsTheSource)
{
    SRoot r;
    WriteBytes(r.from / "Meetings.ini", "meetings");
    WriteBytes(r.from / "Category.ini", "categories");
    const std::string failing = (r.to / "Meetings.ini").string();
    {
        CFaultHookGuard guard([&](EFileStep, const std::string& path) { return path == failing; });
        EXPECT_FALSE(CopyEventFiles(r.from, r.to, false, true, true));
    }
    EXPECT_EQ(ReadBytes(r.from / "Meetings.ini"), "meetings");
    EXPECT_FALSE(fs::exists(r.from / "Category.ini"));
    EXPECT_EQ(ReadBytes(r.to / "Category.ini"), "categories");
}

TEST(EventFilesCopy, ATargetThatCannotBeReplacedGivesFalse)
{
    SRoot r;
    WriteBytes(r.from / "Offers.ini", "offers");
    WriteBytes(r.from / "Settings.ini", "settings");
    fs::create_directory(r.to / "Offers.ini");
    WriteBytes(r.to / "Offers.ini" / "inside", "x");
    EXPECT_FALSE(CopyEventFiles(r.from, r.to, false, false, true));
    EXPECT_EQ(ReadBytes(r.to / "Settings.ini"), "settings");
    EXPECT_EQ(ReadBytes(r.to / "Offers.ini" / "inside"), "x");
}

TEST(EventFilesCopy, SameFolderLosesNothing)
{
    SRoot r;
    WriteBytes(r.from / "Settings.ini", "settings");
    WriteBytes(r.from.parent_path() / "AppSettings.ini", "shared");
    for (bool move : {false, true})
    {
        EXPECT_TRUE(CopyEventFiles(r.from, r.from, true, move, true));
        EXPECT_TRUE(CopyEventFiles(r.from, r.from / ".." / "from", true, move, false));
        EXPECT_EQ(ReadBytes(r.from / "Settings.ini"), "settings");
        EXPECT_EQ(ReadBytes(r.from.parent_path() / "AppSettings.ini"), "shared");
    }
}
