// Backups, restores and exports of the event: folder names and order, same-second backups, the
// retention, older installations' backups, copies that fail half way and exports over another
// event's folder.

#include "store/EventBackup.h"

#include "model/Guest.h"
#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "support/DocFixture.h"
#include "support/FaultHookGuard.h"

#include <chrono>
#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace
{
std::string GuestsXml(std::initializer_list<const char*> names)
{
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n";
    int id = 1001;
    for (const char* name : names)
        text += "<Guest><UniqueId>" + std::to_string(id++) + "</UniqueId><gsName><![CDATA[" + name +
                "]]></gsName></Guest>\r\n";
    return text + "</Guests>\r\n</WeddingData>\r\n";
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = second;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

std::vector<std::string> GuestNames(const CNewOrvDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& guest : doc.GetGuests())
        names.push_back(guest->GetFullName());
    return names;
}

class EventBackupTest : public CDocFixture
{
protected:
    fs::path BackupRoot() const { return m_root / "BackUp"; }

    CNewOrvDoc& OpenWithGuests(std::initializer_list<const char*> names)
    {
        WriteEventFile("WeddingData.xml", GuestsXml(names));
        WriteEventFile("Settings.ini", "[GenSettings]\r\nEveName=Ours\r\n");
        WriteBytes(m_root / "AppSettings.ini", "[GenSettings]\r\nBACK_UP_EVERY=5\r\n");
        return Open();
    }

    fs::path Backup(std::time_t when, fs::path keep = {})
    {
        SBackupOptions options;
        options.when = when;
        options.keep = std::move(keep);
        return MakeBackup(*m_doc, options);
    }

    std::vector<std::string> ListedFolders() const
    {
        std::vector<std::string> names;
        for (const SBackupInfo& backup : ListBackups(BackupRoot()))
            names.push_back(backup.folder);
        return names;
    }

    bool Told(const std::string& words) const
    {
        for (const auto& asked : m_prompt.Asked())
            if (asked.text.find(words) != std::string::npos)
                return true;
        return false;
    }
};
} // namespace

TEST(BackupFolderName, DayMonthYearThenTimeWithTwoDigitsEach)
{
    const struct
    {
        std::time_t when;
        const char* name;
    } cases[] = {
        {LocalTime(2026, 12, 5, 9, 3, 7), "05-12-2026--09-03-07"},
        {LocalTime(2027, 1, 31, 23, 59, 59), "31-01-2027--23-59-59"},
        {LocalTime(2026, 10, 10, 10, 10, 10), "10-10-2026--10-10-10"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackupFolderName(c.when), c.name);
}

TEST_F(EventBackupTest, TwoBackupsInOneSecondShareAFolderAndLoseNothing)
{
    WriteBytes(m_root / "DB1" / "WeddingData.xml", GuestsXml({"Other"}));
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    CNewOrvDoc& doc = OpenWithGuests({"Dan", "Dana"});
    ASSERT_TRUE(doc.SaveEventData());
    const std::time_t when = LocalTime(2026, 12, 5, 9, 3, 7);
    const fs::path first = Backup(when);
    ASSERT_EQ(first, BackupRoot() / "05-12-2026--09-03-07");

    doc.AddGuest("Noa", "Levi");
    ASSERT_TRUE(doc.SaveEventData());
    EXPECT_EQ(Backup(when), first);
    // The later backup's files, whole, and the one copy of the shared settings beside them.
    for (const char* name : {"WeddingData.xml", "Settings.ini"})
        EXPECT_EQ(ReadBytes(first / name), ReadBytes(EventFile(name))) << name;
    EXPECT_EQ(ReadBytes(BackupRoot() / "AppSettings.ini"), ReadBytes(m_root / "AppSettings.ini"));
    const std::vector<SBackupInfo> backups = ListBackups(BackupRoot());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].guests, 3);
    EXPECT_EQ(backups[0].eventName, "Ours");
    EXPECT_EQ(backups[0].eventId, "DB");

    // Another event backed up in that second never writes into this event's backup.
    ASSERT_NE(doc.FindEvent("DB1"), nullptr);
    doc.ActivateForRun(doc.FindEvent("DB1"));
    const std::string ours = ReadBytes(first / "WeddingData.xml");
    const fs::path other = Backup(when);
    EXPECT_EQ(other, BackupRoot() / "05-12-2026--09-03-07-2");
    EXPECT_EQ(ReadBytes(first / "WeddingData.xml"), ours);
    EXPECT_EQ(ReadBytes(other / "WeddingData.xml"), GuestsXml({"Other"}));
}

TEST_F(EventBackupTest, TheListIsNewestFirstByTheDateTheNamesGive)
{
    OpenWithGuests({"Dan"});
    const char* folders[] = {"05-12-2026--09-03-07", "01-01-2027--00-00-00", "31-12-2026--23-59-59",
                             "01-01-2027--00-00-00-2", "06-11-2026--10-00-00"};
    for (const char* folder : folders)
        fs::create_directories(BackupRoot() / folder);
    WriteBytes(BackupRoot() / "31-12-2026--23-59-59" / "Settings.ini",
               "[GenSettings]\r\nEveName=New Year\r\n[GuestsCount]\r\nGuestsCount=250\r\n");
    fs::create_directories(BackupRoot() / ".hidden");
    WriteBytes(BackupRoot() / "AppSettings.ini", "");

    EXPECT_EQ(ListedFolders(),
              (std::vector<std::string>{"01-01-2027--00-00-00-2", "01-01-2027--00-00-00",
                                        "31-12-2026--23-59-59", "05-12-2026--09-03-07",
                                        "06-11-2026--10-00-00"}));
    const std::vector<SBackupInfo> backups = ListBackups(BackupRoot());
    EXPECT_EQ(backups[2].guests, 250);
    EXPECT_EQ(backups[2].eventName, "New Year");
    // Without Settings.ini: no guests and no name.
    EXPECT_EQ(backups[0].guests, 0);
    EXPECT_EQ(backups[0].eventName, "");
    EXPECT_TRUE(FindBackup(BackupRoot(), "31-12-2026--23-59-59").has_value());
    for (const char* outside : {"..", "../DB", "", "no-such-backup"})
        EXPECT_FALSE(FindBackup(BackupRoot(), outside).has_value()) << outside;
}

TEST_F(EventBackupTest, TheRetentionKeepsTheNewestOfEachEventOnly)
{
    CNewOrvDoc& doc = OpenWithGuests({"Dan"});
    // Another event's backup and one of an older program (it names no event) are never counted.
    fs::create_directories(BackupRoot() / "01-01-2020--00-00-00");
    WriteBytes(BackupRoot() / "01-01-2020--00-00-01" / "Backup.ini", "[Backup]\r\nEvent=DB7\r\n");

    const std::time_t start = LocalTime(2026, 6, 1, 12, 0, 0);
    std::vector<fs::path> made;
    for (int i = 0; i < 4; ++i)
        made.push_back(Backup(start + 60 * i));
    EXPECT_EQ(ListedFolders().size(), 6u) << "0 keeps every backup";

    doc.GetAppSettings().SetKeepBackups(2);
    // A restore's source survives even when it is old.
    const fs::path source = made[0];
    made.push_back(Backup(start + 600, source));
    EXPECT_EQ(ListedFolders(),
              (std::vector<std::string>{made[4].filename().string(), made[3].filename().string(),
                                        source.filename().string(), "01-01-2020--00-00-01",
                                        "01-01-2020--00-00-00"}));
    EXPECT_FALSE(fs::exists(made[1]));
    EXPECT_FALSE(fs::exists(made[2]));

    doc.GetAppSettings().SetKeepBackups(1);
    Backup(start + 900);
    EXPECT_EQ(ListedFolders().size(), 3u);
    EXPECT_TRUE(fs::exists(BackupRoot() / "01-01-2020--00-00-00"));
    EXPECT_TRUE(fs::exists(BackupRoot() / "01-01-2020--00-00-01"));
}

TEST_F(EventBackupTest, AnIniOnlyBackupReplacesTheDataFileThatWouldWinOverIt)
{
    CNewOrvDoc& doc = OpenWithGuests({"Dan", "Dana"});
    WriteEventFile("Meetings.ini", "[MeetingsCount]\r\nMeetingsCount=0\r\n");
    const fs::path old = BackupRoot() / "01-02-2019--08-00-00";
    WriteBytes(old / "Guests.ini", "[GuestsCount]\r\nGuestsCount=1\r\n[Guest0]\r\nNM=Yael\r\n"
                                   "FM=Mizrahi\r\nAN=2\r\nPN=2\r\n");
    WriteBytes(old / "Settings.ini", "[GenSettings]\r\nEveName=Older\r\n");

    ASSERT_TRUE(RestoreFromFolder(doc, old));
    EXPECT_EQ(GuestNames(doc), std::vector<std::string>{"Yael Mizrahi"});
    EXPECT_FALSE(fs::exists(EventFile("WeddingData.xml")));
    EXPECT_FALSE(fs::exists(EventFile("Meetings.ini"))) << "not part of the restored data";
    EXPECT_TRUE(doc.IsDataChanged()) << "the next save converts it";
    EXPECT_EQ(doc.GetSettings().GetEventName(), "Older");
    ASSERT_TRUE(doc.SaveEventData());
    Open();
    EXPECT_EQ(GuestNames(*m_doc), std::vector<std::string>{"Yael Mizrahi"});
}

TEST_F(EventBackupTest, ACopyThatFailsHalfWayLeavesEveryTargetFileWhole)
{
    CNewOrvDoc& doc = OpenWithGuests({"Dan", "Dana"});
    WriteEventFile("Tasks.ini", "[Task0]\r\nName=Old\r\n");
    const fs::path source = m_root / "elsewhere";
    WriteBytes(source / "Tasks.ini", "[Task0]\r\nName=New\r\n");
    WriteBytes(source / "WeddingData.xml", GuestsXml({"Yael"}));
    WriteBytes(source / "Settings.ini", "[GenSettings]\r\nEveName=Theirs\r\n");
    const std::string dataBefore = ReadBytes(EventFile("WeddingData.xml"));

    for (EFileStep step : {EFileStep::Write, EFileStep::Rename, EFileStep::Copy})
    {
        m_prompt.Clear();
        // Tasks.ini comes before Settings.ini and WeddingData.xml in the copy order: the copy
        // fails after it succeeded.
        CFaultHookGuard faults(
            [&](EFileStep at, const std::string& path)
            { return at == step && path.find("WeddingData.xml") != std::string::npos; });
        EXPECT_FALSE(RestoreFromFolder(doc, source, BackupRoot() / "01-01-2026--00-00-00"));
        EXPECT_TRUE(Told("01-01-2026--00-00-00")) << "names where the old data are";
        EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), dataBefore);
        EXPECT_EQ(ReadBytes(EventFile("Tasks.ini")), ReadBytes(source / "Tasks.ini"));
        EXPECT_EQ(GuestNames(doc), (std::vector<std::string>{"Dan", "Dana"}))
            << "the document shows what the folder holds";
        for (const auto& entry : fs::directory_iterator(m_root / "DB"))
            EXPECT_NE(entry.path().filename().string().front(), '.')
                << "no temporary file left: " << entry.path();
    }

    // A backup that fails half way is told and not handed back as made.
    m_prompt.Clear();
    {
        CFaultHookGuard faults(
            [](EFileStep at, const std::string& path)
            {
                return at == EFileStep::Rename && path.find("BackUp") != std::string::npos &&
                       path.find("Settings.ini") != std::string::npos;
            });
        EXPECT_TRUE(MakeBackup(doc).empty());
    }
    EXPECT_TRUE(Told("could not be made"));
}

TEST_F(EventBackupTest, ExportingOverAnotherEventReplacesOnlyTheFilesTheEventHas)
{
    CNewOrvDoc& doc = OpenWithGuests({"Dan"});
    ASSERT_TRUE(doc.SaveEventData());
    CTempDir outside;
    const fs::path target = outside / "OtherEvent";
    WriteBytes(target / "WeddingData.xml", GuestsXml({"Someone", "Else"}));
    WriteBytes(target / "Tasks.ini", "[Task0]\r\nName=Theirs\r\n");
    WriteBytes(target / "Offers.ini", "[OffersCount]\r\nOffersCount=0\r\n");

    ASSERT_TRUE(ExportToFolder(doc, target));
    EXPECT_TRUE(Told("finished successfully"));
    EXPECT_EQ(ReadBytes(target / "WeddingData.xml"), ReadBytes(EventFile("WeddingData.xml")));
    EXPECT_EQ(ReadBytes(target / "Settings.ini"), ReadBytes(EventFile("Settings.ini")));
    EXPECT_EQ(ReadBytes(target / "Tasks.ini"), "[Task0]\r\nName=Theirs\r\n");
    EXPECT_EQ(ReadBytes(target / "Offers.ini"), "[OffersCount]\r\nOffersCount=0\r\n");
    // The shared settings inside the chosen folder, nothing beside it.
    EXPECT_EQ(ReadBytes(target / "AppSettings.ini"), ReadBytes(m_root / "AppSettings.ini"));
    EXPECT_EQ(FolderEntries(outside.Path()), std::set<std::string>{"OtherEvent"});

    // An event another program has open is not written under it.
    CEventLock other;
    ASSERT_EQ(other.Acquire(target, "velloran", 0ms), CEventLock::EResult::Acquired);
    const std::string theirs = ReadBytes(target / "WeddingData.xml");
    doc.AddGuest("Noa", "");
    ASSERT_TRUE(doc.SaveEventData());
    m_prompt.Clear();
    EXPECT_FALSE(ExportToFolder(doc, target));
    EXPECT_TRUE(Told("in use by another program"));
    EXPECT_EQ(ReadBytes(target / "WeddingData.xml"), theirs);
}

TEST_F(EventBackupTest, AnEventOpenReadOnlyIsNeverReplaced)
{
    WriteEventFile("WeddingData.xml", GuestsXml({"Dan"}));
    fs::create_directories(m_root / "DB");
    CEventLock other;
    ASSERT_EQ(other.Acquire(m_root / "DB", "velloran-cli", 0ms), CEventLock::EResult::Acquired);
    m_prompt.Answer(EAnswer::Yes); // open it read-only
    m_beforeLoad = [](CNewOrvDoc& doc)
    {
        doc.UseEventLock("velloran", 0ms, CNewOrvDoc::EWhenLocked::OfferReadOnly);
        doc.LockActiveEvent();
    };
    CNewOrvDoc& doc = Open();
    ASSERT_TRUE(doc.IsEventReadOnly());
    const fs::path source = m_root / "elsewhere";
    WriteBytes(source / "WeddingData.xml", GuestsXml({"Yael"}));
    EXPECT_FALSE(RestoreFromFolder(doc, source));
    EXPECT_TRUE(Told("read-only"));
    EXPECT_EQ(ReadBytes(EventFile("WeddingData.xml")), GuestsXml({"Dan"}));
}
