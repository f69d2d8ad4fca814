#include "CliTestSupport.h"
#include "platform/ProfileFile.h"

namespace fs = std::filesystem;

namespace
{
class EventAdminCliTest : public CCliTest
{
protected:
    // The number of groups an event's saved data holds.
    std::size_t SavedGroups(const std::string& id)
    {
        const SCliRun run = Run({"--event", id, "dump", "--json"});
        const auto dump = nlohmann::json::parse(run.out);
        EXPECT_FALSE(dump["dataChanged"].get<bool>()) << id << " was saved";
        return dump["groups"].size();
    }
};
} // namespace

TEST_F(EventAdminCliTest, AddEventRefusesBadUsage)
{
    const std::vector<std::vector<std::string>> bad = {
        {"--type", "7", "--date", "2026-06-15", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "-1", "--date", "2026-06-15", "--bride", "Dana", "--groom", "Avi"},
        {"--date", "2026-06-15", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "0", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "0", "--date", "2026-06-15", "--groom", "Avi"},
        {"--type", "0", "--date", "2026-06-15", "--bride", "", "--groom", "Avi"},
        {"--type", "0", "--date", "2026-06-15", "--bride", "Dana"},
        {"--type", "0", "--date", "2026-02-30", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "0", "--date", "2025-02-29", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "0", "--date", "2026-13-01", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "0", "--date", "2026-6-15", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "0", "--date", "15/06/2026", "--bride", "Dana", "--groom", "Avi"},
        {"--type", "3", "--date", "2026-06-15", "--bride", "Yoni", "extra"},
    };
    for (std::vector<std::string> arguments : bad)
    {
        arguments.insert(arguments.begin(), "add-event");
        const SCliRun run = Run(arguments);
        EXPECT_EQ(run.status, 2) << arguments[2] << " " << arguments.back() << "\n" << run.err;
    }
    EXPECT_FALSE(fs::exists(m_root / "DB1"));

    const SCliRun run = Run({"add-event", "--type", "0", "--date", "2026-06-15", "--bride", "Dana",
                             "--groom", "Avi", "--copy-from", "DB7"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("DB7"), std::string::npos);
    EXPECT_FALSE(fs::exists(m_root / "DB1"));
}

TEST_F(EventAdminCliTest, AddEventCreatesTheEventAndMakesItActive)
{
    SCliRun run = Run({"add-event", "--json", "--type", "0", "--date", "2028-02-29", "--bride",
                       "Dana", "--groom", "Avi", "--bride-family", "Cohen"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["event"]["id"], "DB1");
    EXPECT_EQ(json["event"]["name"], "The wedding of Dana and Avi");
    EXPECT_EQ(json["event"]["folder"], (m_root / "DB1").string());
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB1");
    const fs::path settings = m_root / "DB1" / "Settings.ini";
    EXPECT_EQ(ReadProfileString(settings, "KeySettings", "WeddingDay"), "29");
    EXPECT_EQ(ReadProfileString(settings, "KeySettings", "BrideFamily"), "Cohen");
    EXPECT_EQ(SavedGroups("DB1"), 12u);

    run = Run({"add-event", "--type", "3", "--date", "2027-01-10", "--bride", "Yoni"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "New event: DB2 The Bar Mitzvah of Yoni \n");
    EXPECT_EQ(SavedGroups("DB2"), 6u);

    run = Run({"add-event", "--type", "6", "--date", "2027-01-10", "--bride", "Noa", "--name",
               "Henna night", "--no-groups", "--copy-from", "DB1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "New event: DB3 Henna night\n");
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB3");
    EXPECT_EQ(SavedGroups("DB3"), 12u) << "the groups of the copied wedding";

    run = Run({"events", "--json"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out)["events"].size(), 4u);
}

TEST_F(EventAdminCliTest, HallDraftsInAndOut)
{
    ASSERT_EQ(Run({"save"}).status, 0);
    const fs::path draft = m_root / "drafts" / "hall.xml";
    fs::create_directories(draft.parent_path());

    const auto before = Snapshot();
    SCliRun run = Run({"export-hall-draft", draft.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    auto after = Snapshot();
    const std::string bytes = after[draft.string()];
    after.erase(draft.string());
    EXPECT_EQ(after, before) << "a reading command writes only the file it is given";
    EXPECT_EQ(bytes.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Shapes>\r\n", 0), 0u);
    EXPECT_EQ(Run({"export-hall-draft", (m_root / "nowhere" / "x.xml").string()}).status, 1);
    EXPECT_EQ(Run({"export-hall-draft"}).status, 2);

    EXPECT_EQ(Run({"import-hall-draft", (m_root / "missing.xml").string()}).status, 3);
    const std::string saved = ReadBytes(m_root / "DB" / "WeddingData.xml");
    WriteBytes(m_root / "broken.xml", "<Shapes><Shape sType=");
    run = Run({"import-hall-draft", (m_root / "broken.xml").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("broken.xml"), std::string::npos) << "the user is told";
    EXPECT_EQ(ReadBytes(m_root / "DB" / "WeddingData.xml"), saved) << "nothing saved";

    WriteBytes(m_root / "one.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<Shapes>\r\n"
                                   "<Shape sType=\"2\">\r\n<spName><![CDATA[Dance]]></spName>\r\n"
                                   "<sColor>255</sColor>\r\n<sClass><![CDATA[Dancing area]]>"
                                   "</sClass>\r\n<sLocX>5</sLocX>\r\n<sLocY>6</sLocY>\r\n"
                                   "<sSizeX>70</sSizeX>\r\n<sSizeY>80</sSizeY>\r\n</Shape>\r\n"
                                   "\r\n</Shapes>\r\n");
    run = Run({"import-hall-draft", (m_root / "one.xml").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto dump = Dump();
    ASSERT_EQ(dump["shapes"].size(), 1u);
    EXPECT_EQ(dump["shapes"][0]["name"], "Dance");
    EXPECT_EQ(dump["tables"].size(), 2u);
}
