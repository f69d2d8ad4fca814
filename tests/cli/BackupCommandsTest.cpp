// backup, backups, restore, export-folder, import-folder and csv-unanswered.

#include "CliTestSupport.h"

namespace fs = std::filesystem;

namespace
{
std::string GuestsXml(const std::string& name, int status = 0)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n<Guest>"
           "<UniqueId>1001</UniqueId><gsName><![CDATA[" +
           name + "]]></gsName><ApproveStat>" + std::to_string(status) +
           "</ApproveStat></Guest>\r\n</Guests>\r\n</WeddingData>\r\n";
}

class BackupCommandsTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "DB" / "WeddingData.xml", GuestsXml("Dan"));
        WriteBytes(m_root / "DB" / "Settings.ini",
                   "[GenSettings]\r\nEveName=Ours\r\n[GuestsCount]\r\nGuestsCount=1\r\n");
    }
    std::string FirstGuest()
    {
        const nlohmann::json dump = Dump();
        return dump["guests"].empty() ? "" : dump["guests"][0]["firstName"].get<std::string>();
    }
};
} // namespace

TEST_F(BackupCommandsTest, ABackupIsListedAndRestoredByItsFolderName)
{
    SCliRun run = Run({"backup"});
    ASSERT_EQ(run.status, 0) << run.err;
    const fs::path folder = run.out.substr(0, run.out.find('\n'));
    EXPECT_EQ(folder.parent_path(), m_root / "BackUp");

    run = Run({"backups", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json listed = nlohmann::json::parse(run.out)["backups"];
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["folder"], folder.filename().string());
    EXPECT_EQ(listed[0]["date"], folder.filename().string());
    EXPECT_EQ(listed[0]["guests"], 1);
    EXPECT_EQ(listed[0]["event"], "Ours");

    WriteBytes(m_root / "DB" / "WeddingData.xml", GuestsXml("Changed"));
    EXPECT_EQ(Run({"--yes", "restore", "01-01-2020--00-00-00"}).status, 3);
    EXPECT_EQ(Run({"--yes", "restore", "../DB"}).status, 3);
    EXPECT_EQ(Run({"restore", folder.filename().string()}).status, 1) << "declined";
    EXPECT_EQ(FirstGuest(), "Changed");
    run = Run({"--yes", "restore", folder.filename().string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FirstGuest(), "Dan");
    EXPECT_EQ(nlohmann::json::parse(Run({"backups", "--json"}).out)["backups"].size(), 2u)
        << "what the restore replaced was backed up";
}

TEST_F(BackupCommandsTest, ExportWritesOnlyTheFolderAndImportReadsItBack)
{
    CTempDir outside;
    const auto before = Snapshot();
    SCliRun run = Run({"export-folder", (outside / "copy").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(ReadBytes(outside / "copy" / "WeddingData.xml"), GuestsXml("Dan"));

    WriteBytes(outside / "copy" / "WeddingData.xml", GuestsXml("Imported"));
    EXPECT_EQ(Run({"--yes", "import-folder", (outside / "none").string()}).status, 3);
    EXPECT_EQ(Run({"--yes", "import-folder", outside.Path().string()}).status, 1)
        << "no event data there";
    run = Run({"--yes", "import-folder", (outside / "copy").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(FirstGuest(), "Imported");
}

TEST_F(BackupCommandsTest, TheCsvIsWrittenOnlyWhenSomeoneHasNotAnswered)
{
    CTempDir outside;
    const fs::path file = outside / "Guests.csv";
    WriteBytes(m_root / "DB" / "WeddingData.xml", GuestsXml("Dan", 1));
    SCliRun run = Run({"csv-unanswered", file.string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(file));
    EXPECT_NE(run.err.find("no file was written"), std::string::npos);

    WriteBytes(m_root / "DB" / "WeddingData.xml", GuestsXml("Dan", 0));
    run = Run({"csv-unanswered", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(ReadBytes(file).find("\r\nDan,,,2\r\n"), std::string::npos) << ReadBytes(file);
}
