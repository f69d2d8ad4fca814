// Every save path under injected file faults: the Nth write, flush, close, rename, folder flush,
// remove or copy fails, for every N until the operation passes, once and for good. After each
// case every file is its old or its new content, whole, the data still load, and the user was told
// (the command exited non-zero with a message; a settings write returned false with a reason).
// Each campaign prints its figures ("[fault injection] ...").

#include "CliTestSupport.h"
#include "model/RecordCounters.h"
#include "platform/FileFaults.h"
#include "platform/ProfileFile.h"
#include "settings/AppSettings.h"
#include "settings/EventSettings.h"
#include "settings/GeneralSettings.h"
#include "settings/PasswordStore.h"
#include "support/EnvGuard.h"
#include "support/FaultCampaign.h"

#include <optional>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
const char kEvent[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n"
    "<Guest><UniqueId>1001</UniqueId><gsName><![CDATA[Dan]]></gsName><gsFamilyName><![CDATA["
    "Katz]]></gsFamilyName><Invited>2</Invited><Coming>2</Coming><gsStatus>1</gsStatus>"
    "</Guest>\r\n<Guest><UniqueId>1002</UniqueId><gsName><![CDATA[Maya]]></gsName><Invited>3"
    "</Invited></Guest>\r\n</Guests>\r\n<Tables>\r\n"
    "<Table><tName><![CDATA[Unseated Guests]]></tName></Table>\r\n"
    "<Table><tName><![CDATA[Near stage]]></tName><tSeats>10</tSeats><tNumHall>1</tNumHall>"
    "</Table>\r\n</Tables>\r\n<Meetings>\r\n<Meeting><mName><![CDATA[Tasting]]></mName>"
    "</Meeting>\r\n</Meetings>\r\n</WeddingData>\r\n";
const char kTasks[] = "[Task1]\r\nname=Tasks\r\nchild0=2\r\n[Task2]\r\nname=Book the hall\r\n";
const char kOldExport[] = "an older export\n";

// Settings.ini is rewritten whole from the program's settings (its defaults written out) more
// than once in a run: after the event save, the guest count is stored in it, and a restore saves
// the event before it copies. What it holds of the user's is compared: the event's name, read
// from a file that parses.
std::string SettingsAsTheUserSeesThem(const std::string& name, std::string bytes)
{
    if (fs::path(name).filename() != "Settings.ini")
        return bytes;
    CProfileFile file;
    file.LoadBytes(bytes);
    return "EveName=" + file.GetString("GenSettings", "EveName", "<none>");
}

// Exports that carry the time they were made: an .xlsx (its properties) is compared as a whole
// archive or not, a calendar without its time stamps.
std::string ExportAsTheUserSeesIt(const std::string& name, std::string bytes)
{
    const std::string extension = fs::path(name).extension().string();
    if (extension == ".xlsx" && bytes.rfind("PK\x03\x04", 0) == 0)
        return bytes.find("PK\x05\x06") != std::string::npos &&
                       bytes.find("PK\x05\x06") + 22 <= bytes.size()
                   ? "<whole archive>"
                   : "<torn archive>";
    if (extension == ".ics")
    {
        std::string kept;
        std::istringstream lines(bytes);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("DTSTAMP", 0) != 0)
                kept += line + "\n";
        return kept;
    }
    return SettingsAsTheUserSeesThem(name, std::move(bytes));
}

class FaultInjectionTest : public CCliTest
{
protected:
    static void SetUpTestSuite() { PrintFaultFiguresAtExit(); }

    fs::path Event() const { return m_root / "DB"; }
    fs::path Out() const { return m_root / "out"; }

    // The data root as a user left it: one event with guests, tables, a meeting and tasks, and
    // an older file where each export goes.
    void PrepareRoot()
    {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(m_root.Path()))
            fs::remove_all(entry.path(), ignored);
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(Event() / "WeddingData.xml", kEvent);
        WriteBytes(Event() / "Tasks.ini", kTasks);
        WriteBytes(Event() / "Settings.ini", "[GenSettings]\r\nEveName=Dana & Avi\r\n");
        WriteBytes(m_root / "AppSettings.ini", "[GenSettings]\r\nBACK_UP_EVERY=10\r\n");
        fs::create_directories(Out());
        for (const char* name :
             {"guests.tsv", "tables.tsv", "guests.xlsx", "draft.xml", "report.html", "report.pdf",
              "codes.pdf", "event.ics", "unanswered.csv"})
            WriteBytes(Out() / name, kOldExport);
    }

    SFaultOutcome Cli(const std::vector<std::string>& arguments)
    {
        // Every run starts as a process of its own would, so record and task ids repeat.
        CRecordCounters::ResetAllForTests();
        const SCliRun run = Run(arguments);
        return {run.status != 0, run.err};
    }

    // The event still loads whole: old or new, never damaged or empty.
    void ExpectEventLoads(const std::string& label)
    {
        const SCliRun run = Run({"--event", "DB", "dump", "--json"});
        ASSERT_EQ(run.status, 0) << label << ": " << run.err;
        const nlohmann::json dump = nlohmann::json::parse(run.out);
        EXPECT_GE(dump["guests"].size(), 2u) << label;
    }

    // Runs the campaign of a command over the data root and checks the event after every case.
    int RunCommand(const std::string& name, const std::vector<std::string>& arguments,
                   std::function<std::string(const fs::path&)> rename = {},
                   std::function<std::string(const std::string&, std::string)> content = {})
    {
        CFaultCampaign campaign(name, m_root.Path());
        campaign.prepare = [this] { PrepareRoot(); };
        campaign.operation = [&] { return Cli(arguments); };
        campaign.check = [&](const std::optional<CFaultCampaign::SCase>&, const SFaultOutcome&)
        { ExpectEventLoads(name); };
        campaign.name = std::move(rename);
        campaign.content = content ? std::move(content) : SettingsAsTheUserSeesThem;
        return campaign.Run();
    }
};

// Backups are named after the time they were made: one name for any backup folder.
std::string AnyBackupFolder(const fs::path& relative)
{
    auto part = relative.begin();
    if (part == relative.end() || *part != "BackUp" || ++part == relative.end())
        return relative.generic_string();
    fs::path renamed = "BackUp/<made now>";
    for (++part; part != relative.end(); ++part)
        renamed /= *part;
    return renamed.generic_string();
}
} // namespace

TEST_F(FaultInjectionTest, TheEventSaveKeepsTheOldOrTheNewDataAndTellsAFailure)
{
    EXPECT_GT(RunCommand("event save (add-guest)", {"add-guest", "Ruth", "--family", "Levi"}), 0);
    EXPECT_GT(RunCommand("event save (create-table)", {"create-table", "Garden"}), 0);
}

TEST_F(FaultInjectionTest, TasksIniKeepsTheOldOrTheNewTree)
{
    EXPECT_GT(RunCommand("Tasks.ini (add-task)", {"add-task", "Order flowers", "--parent", "2"}),
              0);
}

TEST_F(FaultInjectionTest, AddingAnEventWritesEventsIniAndItsFolderWholeOrNotAtAll)
{
    // When the event in use could not be saved first, the run saves it once more at its end, and
    // that save writes the checkpoint it never had: 0, as a missing file reads.
    const auto checkpointZeroAsNone = [](const std::string& name, std::string bytes)
    {
        if (fs::path(name).filename() != "Checkpoint.ini")
            return SettingsAsTheUserSeesThem(name, std::move(bytes));
        CProfileFile file;
        file.LoadBytes(bytes);
        return file.GetInt("Checkpoint", "CpIndex", 0) == 0 ? std::string(CFaultCampaign::kAbsent)
                                                            : bytes;
    };
    EXPECT_GT(RunCommand("events.ini and a new event (add-event)",
                         {"add-event", "--type", "0", "--date", "2027-06-15", "--bride", "Noa",
                          "--groom", "Eli"},
                         {}, checkpointZeroAsNone),
              0);
}

TEST_F(FaultInjectionTest, SettingsWritesKeepTheOldOrTheNewFileAndSayWhy)
{
    // Settings.ini with the guest list's column keys, and the shared AppSettings.ini.
    const fs::path settingsIni = Event() / "Settings.ini";
    CFaultCampaign eventSettings("Settings.ini with GV_ column keys", m_root.Path());
    eventSettings.prepare = [this] { PrepareRoot(); };
    eventSettings.operation = [&]
    {
        CEventSettings settings;
        settings.Load(settingsIni);
        settings.SetEventName("Dana & Avi, June");
        settings.SetKeySetting("GV_NAMES", "140");
        settings.SetKeySetting("GV_FAMILY_NAME", "180");
        std::string error;
        const bool saved = settings.Save(settingsIni, &error);
        return SFaultOutcome{!saved, error};
    };
    eventSettings.check = [&](const std::optional<CFaultCampaign::SCase>&, const SFaultOutcome&)
    {
        CEventSettings settings;
        settings.Load(settingsIni);
        EXPECT_EQ(settings.GetEventName().rfind("Dana & Avi", 0), 0u);
    };
    EXPECT_GT(eventSettings.Run(), 0);

    const fs::path appSettingsIni = m_root / "AppSettings.ini";
    CFaultCampaign appSettings("AppSettings.ini", m_root.Path());
    appSettings.prepare = [this] { PrepareRoot(); };
    appSettings.operation = [&]
    {
        CAppSettings settings;
        settings.Load(appSettingsIni);
        settings.SetKeepBackups(5);
        std::string error;
        const bool saved = settings.Save(appSettingsIni, &error);
        return SFaultOutcome{!saved, error};
    };
    // UpTime adds the seconds of the run: not a fixed new content, so only the keys are compared.
    appSettings.content = [](const std::string& name, std::string bytes)
    {
        if (name != "AppSettings.ini")
            return bytes;
        CProfileFile file;
        file.LoadBytes(bytes);
        return file.GetString("GenSettings", "BACK_UP_EVERY") + "/" +
               file.GetString("GenSettings", "KEEP_BACKUPS");
    };
    EXPECT_GT(appSettings.Run(), 0);

    // The real-time switch in the user's General.ini.
    const fs::path generalIni = m_root / "config" / "General.ini";
    CFaultCampaign general("General.ini (REALTIME)", m_root.Path());
    general.prepare = [&]
    {
        PrepareRoot();
        WriteBytes(generalIni, "[General]\r\nREALTIME=0\r\nWebSite=https://example.org\r\n");
    };
    general.operation = [&]
    {
        std::string error;
        const bool saved = CGeneralSettings::WriteRealTime(generalIni, true, &error);
        return SFaultOutcome{!saved, error};
    };
    EXPECT_GT(general.Run(), 0);

    // A sharing password kept in this user's private file (no keyring in the tests).
    CEnvGuard noKeyring("VELLORAN_NO_KEYRING", "1");
    const fs::path passwords = CPasswordStore::FilePath();
    fs::create_directories(passwords.parent_path());
    CFaultCampaign password("password file", passwords.parent_path());
    password.prepare = [&]
    {
        std::error_code ignored;
        fs::remove(passwords, ignored);
        ASSERT_TRUE(CPasswordStore::Store("ftp.example.org", "dana", "old secret"));
    };
    password.operation = [&]
    {
        std::string error;
        const bool saved = CPasswordStore::Store("ftp.example.org", "avi", "new secret", &error);
        return SFaultOutcome{!saved, error};
    };
    password.check = [&](const std::optional<CFaultCampaign::SCase>&, const SFaultOutcome&)
    { EXPECT_EQ(CPasswordStore::Lookup("ftp.example.org", "dana"), "old secret"); };
    EXPECT_GT(password.Run(), 0);
}

TEST_F(FaultInjectionTest, BackupsAndRestoresCopyEveryFileWholeOrNotAtAll)
{
    EXPECT_GT(RunCommand("backup", {"backup"}, AnyBackupFolder), 0);

    // A restore backs the event up, then copies the backup's files over it.
    const fs::path source = m_root / "BackUp" / "01-01-2026--10-00-00";
    CFaultCampaign restore("restore", m_root.Path());
    restore.prepare = [&]
    {
        PrepareRoot();
        std::string older = kEvent;
        older.replace(older.find("Maya"), 4, "Mika");
        WriteBytes(source / "WeddingData.xml", older);
        WriteBytes(source / "Tasks.ini", "[Task1]\r\nname=Tasks\r\n");
        WriteBytes(source / "Backup.ini", "[Backup]\r\nEvent=DB\r\n");
    };
    restore.operation = [&] { return Cli({"--yes", "restore", source.filename().string()}); };
    restore.content = SettingsAsTheUserSeesThem;
    restore.check = [&](const std::optional<CFaultCampaign::SCase>&, const SFaultOutcome&)
    { ExpectEventLoads("restore"); };
    restore.name = [&](const fs::path& relative)
    {
        return relative.generic_string().rfind("BackUp/01-01-2026", 0) == 0
                   ? relative.generic_string()
                   : AnyBackupFolder(relative);
    };
    EXPECT_GT(restore.Run(), 0);
}

TEST_F(FaultInjectionTest, EveryExportLeavesTheOlderFileOrTheWholeNewOne)
{
    const std::string out = Out().string() + "/";
    const auto export_ = [&](const std::string& name, const std::vector<std::string>& arguments)
    { return RunCommand(name, arguments, {}, ExportAsTheUserSeesIt); };
    EXPECT_GT(RunCommand("export-tsv guests", {"export-tsv", "guests", out + "guests.tsv"}), 0);
    EXPECT_GT(RunCommand("export-tsv tables", {"export-tsv", "tables", out + "tables.tsv"}), 0);
    EXPECT_GT(export_("export-xlsx", {"export-xlsx", out + "guests.xlsx"}), 0);
    EXPECT_GT(RunCommand("export-hall-draft", {"export-hall-draft", out + "draft.xml"}), 0);
    EXPECT_GT(export_("export-ics", {"export-ics", out + "event.ics", "--tasks"}), 0);
    EXPECT_GT(RunCommand("csv-unanswered", {"csv-unanswered", out + "unanswered.csv"}), 0);
    EXPECT_GT(
        RunCommand("report (HTML)", {"report", "guests-by-last-name", "-o", out + "report.html"}),
        0);
    EXPECT_GT(RunCommand("export-folder", {"export-folder", out + "copy"}), 0);
}

TEST_F(FaultInjectionTest, ReportsAndCodesAsPdfLeaveTheOlderFileOrTheWholeNewOne)
{
    // The PDF carries its creation time: compared as whole (from its header to its end mark).
    const auto wholePdf = [](const std::string& name, std::string bytes)
    {
        if (fs::path(name).extension() != ".pdf" || bytes.rfind("%PDF-", 0) != 0)
            return SettingsAsTheUserSeesThem(name, std::move(bytes));
        return std::string(bytes.find("%%EOF") != std::string::npos ? "<whole PDF>" : "<torn PDF>");
    };
    EXPECT_GT(RunCommand(
                  "report (PDF)",
                  {"report", "guests-by-last-name", "--pdf", "-o", (Out() / "report.pdf").string()},
                  {}, wholePdf),
              0);
    EXPECT_GT(RunCommand("checkin-codes (PDF)", {"checkin-codes", (Out() / "codes.pdf").string()},
                         {}, wholePdf),
              0);
}
