#include "CliTestSupport.h"
#include "platform/ProfileFile.h"

namespace fs = std::filesystem;

namespace
{
class CliTest : public CCliTest
{
};
} // namespace

TEST_F(CliTest, VersionAndUsage)
{
    SCliRun run = Run({"version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Velloran 2.52\n");

    run = Run({"no-such-command"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("usage: velloran-cli"), std::string::npos);

    EXPECT_EQ(Run({"events", "--bogus"}).status, 2);
    EXPECT_EQ(Run({"--lang", "fr", "events"}).status, 2);
}

TEST_F(CliTest, ReadingCommandsWriteNothing)
{
    const fs::path root = m_root / "untouched";
    std::ostringstream out, err;
    ASSERT_EQ(RunCli({"--data-root", root.string(), "events", "--json"}, out, err), 0);
    EXPECT_FALSE(fs::exists(root)) << "a reading command creates no folder";

    WriteBytes(m_root / "DB" / "Settings.ini", "[GenSettings]\r\nEveName=Ours\r\n");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    const auto before = Snapshot();
    EXPECT_EQ(Run({"events"}).status, 0);
    EXPECT_EQ(Run({"--json", "version"}).status, 0);
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CliTest, EventsJson)
{
    fs::create_directories(m_root / "DB");
    WriteBytes(m_root / "DB1" / "Settings.ini", "[GenSettings]\r\nEveName=Bar Mitzvah\r\n");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB1\r\n");
    SCliRun run = Run({"events", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json["events"].size(), 2u);
    EXPECT_EQ(json["events"][0]["id"], "DB");
    EXPECT_EQ(json["events"][0]["name"], "Event 1");
    EXPECT_EQ(json["events"][0]["active"], false);
    EXPECT_EQ(json["events"][1]["name"], "Bar Mitzvah");
    EXPECT_EQ(json["events"][1]["folder"], (m_root / "DB1").string());
    EXPECT_EQ(json["events"][1]["active"], true);
}

TEST_F(CliTest, SelectEventAndUnknownEvents)
{
    fs::create_directories(m_root / "DB");
    fs::create_directories(m_root / "DB1");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");

    EXPECT_EQ(Run({"select-event", "DB9"}).status, 3);
    EXPECT_EQ(Run({"--event", "DB9", "events"}).status, 3);

    SCliRun run = Run({"select-event", "DB1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB1");

    run = Run({"--event", "DB", "select-event", "DB"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(CliTest, ADamagedDataFileIsReportedAndTheCommandStillRuns)
{
    WriteBytes(m_root / "DB" / "WeddingData.xml",
               "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n"
               "<Guest>\r\n<gsName><![CDATA[Dan]]></gsName>\r\n</Guest>\r\n<Guest><gsName>");
    SCliRun run = Run({"dump", "--json"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("Damaged data file"), std::string::npos) << run.err;
    const auto dump = nlohmann::json::parse(run.out);
    ASSERT_GE(dump["guests"].size(), 1u);
    EXPECT_EQ(dump["guests"][0]["firstName"], "Dan");
}
