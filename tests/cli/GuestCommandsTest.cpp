// The guest rules themselves are tested in the core; these cases prove that the guest commands
// reach them, answer their questions from the run's options, report in their exit status and
// change the saved event only when they succeed.

#include "CliTestSupport.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace
{
// A saved event: groups Friends and Family; "Near stage" with 4 seats (Ron, 3 coming, sits there);
// Dana Levi invited 4, coming 2, unseated.
class GuestCommandsTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(m_root / "DB" / "Groups.ini",
                   "[Group0]\r\nGroupName=Friends\r\n[Group1]\r\nGroupName=Family\r\n");
        WriteBytes(m_root / "DB" / "Tables.ini",
                   "[Table0]\r\nName=Unseated Guests\r\nPlaces=0\r\n"
                   "[Table1]\r\nName=Near stage\r\nPlaces=4\r\nInHall=1\r\n");
        WriteBytes(m_root / "DB" / "Guests.ini",
                   "[Guest0]\r\nNM=Ron\r\nFM=Bar\r\nAN=3\r\nPN=3\r\nTI=1\r\n"
                   "[Guest1]\r\nNM=Dana\r\nFM=Levi\r\nGN=Friends\r\nAN=2\r\nPN=4\r\n");
        ASSERT_EQ(Run({"save"}).status, 0); // stable unique ids
        m_ron = IdOf("Ron Bar");
        m_dana = IdOf("Dana Levi");
    }

    json GuestOf(const std::string& id)
    {
        const json dump = Dump(); // kept: a loop over a temporary's member would dangle
        for (const auto& guest : dump["guests"])
            if (std::to_string(guest["uniqueId"].get<int>()) == id)
                return guest;
        return json();
    }
    std::string IdOf(const std::string& fullName)
    {
        const json dump = Dump();
        for (const auto& guest : dump["guests"])
            if (guest["fullName"] == fullName)
                return std::to_string(guest["uniqueId"].get<int>());
        ADD_FAILURE() << "no guest " << fullName;
        return "0";
    }
    std::string DataFile() const { return ReadBytes(m_root / "DB" / "WeddingData.xml"); }

    std::string m_ron, m_dana;
};
} // namespace

TEST_F(GuestCommandsTest, AddGuestPrintsItsIdAndKeepsTheCountsRule)
{
    const SCliRun run =
        Run({"add-guest", " Avi ", "--family", "Cohen", "--group", "Family", "--relation", "Groom",
             "--invited", "1", "--mobile", "050-1234567", "--email", "avi@example.org", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const json added = json::parse(run.out)["guest"];
    EXPECT_EQ(added["fullName"], "Avi Cohen");
    EXPECT_EQ(added["group"], "Family");
    EXPECT_EQ(added["relation"], "Groom");
    EXPECT_EQ(added["invited"], 1);
    EXPECT_EQ(added["coming"], 1) << "a new line's 2 coming follow invited down";
    EXPECT_EQ(GuestOf(std::to_string(added["uniqueId"].get<int>()))["email"], "avi@example.org");

    const SCliRun plain = Run({"add-guest", "Tal"});
    ASSERT_EQ(plain.status, 0);
    EXPECT_EQ(IdOf("Tal") + "\n", plain.out);

    const std::string before = DataFile();
    EXPECT_EQ(Run({"add-guest", "Gil", "--group", "Nobody"}).status, 3);
    EXPECT_EQ(Run({"add-guest", "Gil", "--relation", "Cousin"}).status, 2);
    EXPECT_EQ(Run({"add-guest", "Gil", "--invited", "x"}).status, 2);
    EXPECT_EQ(DataFile(), before) << "a refused add adds nothing";
}

TEST_F(GuestCommandsTest, SetGuestAppliesThePanelRules)
{
    struct SStep
    {
        std::vector<std::string> args; // field and value
        int status;
        const char* key; // what to read back
        json expected;
    };
    const SStep steps[] = {
        {{"coming", "5"}, 0, "invited", 5},
        {{"invited", "1"}, 0, "coming", 1},
        {{"status", "2"}, 0, "coming", 0},
        {{"coming", "2"}, 1, "coming", 0}, // refused while not coming
        {{"status", "1"}, 0, "status", 1},
        {{"familyName", "  Levin "}, 0, "fullName", "Dana Levin"},
        {{"group", "Family"}, 0, "group", "Family"},
        {{"group", "Nobody"}, 3, "group", "Family"},
        {{"relation", "Bride"}, 0, "relation", "Bride"},
        {{"relation", "bride"}, 2, "relation", "Bride"},
        {{"childSeat", "1"}, 0, "childSeat", true},
        {{"childSeat", "2"}, 2, "childSeat", true},
        {{"transportation", "3"}, 0, "transportation", 3},
        {{"transportation", "6"}, 2, "transportation", 3},
        {{"status", "3"}, 2, "status", 1},
        {{"kids", "-1"}, 2, "kids", 0},
        {{"colour", "1"}, 2, "status", 1},
        {{"tableId", "9"}, 3, "tableId", 0},
    };
    for (const SStep& step : steps)
    {
        std::vector<std::string> args{"set-guest", m_dana};
        args.insert(args.end(), step.args.begin(), step.args.end());
        const SCliRun run = Run(args);
        EXPECT_EQ(run.status, step.status) << step.args[0] << " " << step.args[1] << run.err;
        EXPECT_EQ(GuestOf(m_dana)[step.key], step.expected) << step.args[0];
    }
    EXPECT_EQ(Run({"set-guest", "999", "phone", "1"}).status, 3);
    EXPECT_EQ(Run({"set-guest", m_dana, "phone"}).status, 2);
}

TEST_F(GuestCommandsTest, SetTableAsksAboutAFullTable)
{
    ASSERT_EQ(Run({"set-guest", m_dana, "coming", "2"}).status, 0);
    const std::string before = DataFile();
    // Ron's 3 and Dana's 2 do not fit 4 seats.
    const SCliRun cancelled = Run({"set-guest", m_dana, "tableId", "1", "--cancel"});
    EXPECT_EQ(cancelled.status, 1);
    EXPECT_NE(cancelled.err.find("No more room in this table!"), std::string::npos);
    EXPECT_EQ(DataFile(), before);
    EXPECT_EQ(GuestOf(m_dana)["tableId"], 0);

    const SCliRun enlarged = Run({"set-guest", m_dana, "tableId", "1", "--yes", "--json"});
    ASSERT_EQ(enlarged.status, 0) << enlarged.err;
    EXPECT_EQ(json::parse(enlarged.out)["guest"]["tableId"], 1);
    EXPECT_EQ(Dump()["tables"][1]["seats"], 5);
}

TEST_F(GuestCommandsTest, DeleteGuestAsksFirst)
{
    EXPECT_EQ(Run({"delete-guest", m_ron, "--no"}).status, 1);
    EXPECT_EQ(Dump()["guests"].size(), 2u);
    EXPECT_EQ(Run({"delete-guest", "999", "--yes"}).status, 3);
    const SCliRun run = Run({"delete-guest", m_ron, "--yes"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Delete guest?"), std::string::npos);
    const json guests = Dump()["guests"];
    ASSERT_EQ(guests.size(), 1u);
    EXPECT_EQ(guests[0]["fullName"], "Dana Levi");
}

TEST_F(GuestCommandsTest, UpdateGuestsChangesAllOrNothing)
{
    const std::string before = DataFile();
    EXPECT_EQ(Run({"update-guests", "--ids", m_ron + ",999", "--status", "2"}).status, 3);
    EXPECT_EQ(Run({"update-guests", "--ids", m_ron + ",x", "--status", "2"}).status, 2);
    EXPECT_EQ(Run({"update-guests", "--ids", m_ron}).status, 2) << "no value to give";
    EXPECT_EQ(Run({"update-guests", "--ids", m_ron, "--group", "Nobody"}).status, 3);
    EXPECT_EQ(Run({"update-guests", "--ids", m_ron, "--status", "4"}).status, 2);
    EXPECT_EQ(DataFile(), before);

    // Status only: counts, groups and relations stay.
    const SCliRun run =
        Run({"update-guests", "--ids", m_ron + "," + m_dana, "--status", "2", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["changed"], 2);
    const json ron = GuestOf(m_ron), dana = GuestOf(m_dana);
    EXPECT_EQ(ron["status"], 2);
    EXPECT_EQ(ron["coming"], 3);
    EXPECT_EQ(dana["status"], 2);
    EXPECT_EQ(dana["coming"], 2);
    EXPECT_EQ(dana["group"], "Friends");

    const SCliRun counts = Run({"update-guests", "--ids", m_dana, "--coming", "6", "--invited", "5",
                                "--invitation-sent", "1", "--group", "Family"});
    ASSERT_EQ(counts.status, 0) << counts.err;
    EXPECT_EQ(counts.out, "1 guests were changed.\n");
    EXPECT_EQ(GuestOf(m_dana)["coming"], 6) << "as given, no counts rule";
    EXPECT_EQ(GuestOf(m_dana)["invitationSent"], true);
    EXPECT_EQ(GuestOf(m_dana)["group"], "Family");
}
