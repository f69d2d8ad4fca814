// "arrange optimise" and "lock-seat": the options reach the search, the question decides, the
// summary and conflicts are printed, the lock is stored, and runs that change nothing save nothing.

#include "CliTestSupport.h"

namespace fs = std::filesystem;

namespace
{
// An event kept as WeddingData.xml: groups Friends and Family, table 1 "Near stage" (8 seats) and
// table 2 "Back" (10 seats). Guests (unique ids): Dana Levi 1001 (Friends, 4, at Near stage),
// Avi Cohen 1002 (Family, 2), Tal Or 1003 (Friends, 4), Big Family 1004
// (Family, 14), Self Ish 1005 (Friends, 1, names itself), Ron Bar 1006 (Family, 3, at Back).
// Tal Or 1003 (Friends, 4) must not meet Dana Levi.
class OptimiseCommandsTest : public CCliTest
{
protected:
    void SetUp() override { WriteEvent(); }

    static std::string GuestXml(int id, const std::string& first, const std::string& family,
                                const std::string& group, int coming, int table,
                                const std::string& restricted = std::string())
    {
        std::string xml = "<Guest>\r\n<UniqueId>" + std::to_string(id) + "</UniqueId>\r\n" +
                          "<TableOrder>" + std::to_string(table) + "</TableOrder>\r\n" +
                          "<Coming>" + std::to_string(coming) + "</Coming>\r\n" +
                          "<gGroup><![CDATA[" + group + "]]></gGroup>\r\n" +
                          "<FamilyName><![CDATA[" + family + "]]></FamilyName>\r\n" +
                          "<gsName><![CDATA[" + first + "]]></gsName>\r\n<Restrictions>";
        if (!restricted.empty())
            xml += "<Restricted><![CDATA[" + restricted + "]]></Restricted>\r\n";
        return xml + "</Restrictions>\r\n</Guest>\r\n\r\n";
    }

    void WriteEvent()
    {
        fs::remove_all(m_root / "DB");
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        const std::string tables =
            "<Tables>\r\n"
            "<Table>\r\n<tName><![CDATA[Unseated Guests]]></tName>\r\n<tSeats>0</tSeats>\r\n"
            "<tNumHall>0</tNumHall>\r\n</Table>\r\n"
            "<Table>\r\n<tName><![CDATA[Near stage]]></tName>\r\n<tSeats>8</tSeats>\r\n"
            "<tNumHall>1</tNumHall>\r\n</Table>\r\n"
            "<Table>\r\n<tName><![CDATA[Back]]></tName>\r\n<tSeats>10</tSeats>\r\n"
            "<tNumHall>2</tNumHall>\r\n</Table>\r\n</Tables>\r\n";
        const std::string groups = "<Groups>\r\n<Group><grName><![CDATA[Friends]]></grName></Group>"
                                   "\r\n<Group><grName><![CDATA[Family]]></grName></Group>\r\n"
                                   "</Groups>\r\n";
        const std::string guests = GuestXml(1001, "Dana", "Levi", "Friends", 4, 1) +
                                   GuestXml(1002, "Avi", "Cohen", "Family", 2, 0) +
                                   GuestXml(1003, "Tal", "Or", "Friends", 4, 0, "Dana Levi") +
                                   GuestXml(1004, "Big", "Family", "Family", 14, 0) +
                                   GuestXml(1005, "Self", "Ish", "Friends", 1, 0, "Self Ish") +
                                   GuestXml(1006, "Ron", "Bar", "Family", 3, 2);
        WriteBytes(m_root / "DB" / "WeddingData.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n" +
                       guests + "</Guests>\r\n" + tables + groups + "</WeddingData>\r\n");
    }

    std::string DataFile() { return ReadBytes(m_root / "DB" / "WeddingData.xml"); }

    // Every guest's table id, in list order, as the saved event holds them.
    std::vector<int> Seats()
    {
        std::vector<int> seats;
        const nlohmann::json dump = Dump();
        for (const auto& guest : dump["guests"])
            seats.push_back(guest["tableId"].get<int>());
        return seats;
    }
};
} // namespace

TEST_F(OptimiseCommandsTest, LockSeatIsStoredAndShown)
{
    SCliRun run = Run({"lock-seat", "1001", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out),
              nlohmann::json({{"uniqueId", 1001}, {"locked", true}, {"tableId", 1}}));
    EXPECT_EQ(Dump()["guests"][0]["locked"], true);
    EXPECT_EQ(Dump()["guests"][1]["locked"], false);
    const std::string saved = DataFile();
    EXPECT_NE(saved.find("<ThatCame>0</ThatCame>\r\n<Locked>1</Locked>\r\n</Guest>"),
              std::string::npos);
    EXPECT_EQ(saved.find("<Locked>"), saved.rfind("<Locked>")) << "only the locked line";

    run = Run({"lock-seat", "1001", "--off"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Dana Levi may move in the optimised arrangement\n");
    EXPECT_EQ(DataFile().find("<Locked>"), std::string::npos);

    const std::string before = DataFile();
    EXPECT_EQ(Run({"lock-seat", "4242"}).status, 3);
    EXPECT_EQ(Run({"lock-seat"}).status, 2);
    EXPECT_EQ(Run({"lock-seat", "1001", "--on"}).status, 2);
    EXPECT_EQ(DataFile(), before);
}

TEST_F(OptimiseCommandsTest, DecliningThePlanChangesNothing)
{
    const std::string before = DataFile();
    const SCliRun run = Run({"--no", "arrange", "optimise", "--iterations", "50"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("Tables used: "), std::string::npos) << "the summary comes first";
    EXPECT_NE(run.err.find("Optimised arrangement: Accept this plan and seat the guests as shown?"),
              std::string::npos);
    EXPECT_EQ(DataFile(), before);

    EXPECT_EQ(Run({"arrange", "all", "--seed", "3"}).status, 2);
    EXPECT_EQ(Run({"arrange", "optimise", "--seconds", "-1"}).status, 2);
    EXPECT_EQ(Run({"arrange", "optimise", "--iterations", "0"}).status, 2);
    EXPECT_EQ(DataFile(), before);
}

TEST_F(OptimiseCommandsTest, AnAcceptedPlanIsSavedWithItsConflicts)
{
    const std::vector<std::string> arguments = {"--yes",        "--json", "arrange", "optimise",
                                                "--seconds",    "0",      "--seed",  "3",
                                                "--iterations", "300"};
    SCliRun run = Run(arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const auto summary = nlohmann::json::parse(run.out);
    EXPECT_EQ(summary["linesSeated"], 4);
    EXPECT_EQ(summary["linesUnseated"], 2);
    EXPECT_EQ(summary["groupsSplit"], 1) << "Tal must not meet Dana";
    EXPECT_EQ(summary["restrictedPairs"], 1);
    EXPECT_EQ(summary["restrictionsHonoured"], 1);
    EXPECT_EQ(summary["iterations"], 300);
    EXPECT_EQ(summary["stoppedEarly"], false);
    EXPECT_EQ(summary["conflicts"], nlohmann::json::parse(R"([{"uniqueId":1004,"reason":"tooLarge"},
                                        {"uniqueId":1005,"reason":"selfRestricted"}])"));
    const std::vector<int> seats = Seats();
    ASSERT_EQ(seats.size(), 6u);
    EXPECT_NE(seats[0], seats[2]) << "Dana and Tal apart";
    EXPECT_EQ(seats[3], 0);
    EXPECT_EQ(seats[4], 0);
    EXPECT_EQ(summary["tablesUsed"].get<int>(), summary["newTables"].get<int>() + 2);

    // The same seed and steps on the same event give the same seating.
    WriteEvent();
    ASSERT_EQ(Run(arguments).status, 0);
    EXPECT_EQ(Seats(), seats);

    // Rebuilding keeps only the table of a locked line.
    WriteEvent();
    ASSERT_EQ(Run({"lock-seat", "1006"}).status, 0);
    run = Run({"--yes", "arrange", "optimise", "--rebuild", "--iterations", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto tables = Dump()["tables"];
    EXPECT_EQ(tables[1]["name"], "Back");
    for (std::size_t i = 2; i < tables.size(); ++i)
        EXPECT_NE(tables[i]["name"], "Near stage");
    EXPECT_EQ(Seats()[5], 1) << "Ron keeps Back, now table 1";
    EXPECT_NE(run.out.find("Guest lines that could not be seated:\n"
                           "  Big Family (1004): More people than any table seats\n"
                           "  Self Ish (1005): Its restricted list names its own name\n"),
              std::string::npos)
        << run.out;
}
