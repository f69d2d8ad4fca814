// The seating rules themselves are tested in the core; these cases prove that every command
// reaches them, answers their questions from its options, reports in its exit status and output,
// and saves the event exactly when it changed it.

#include "CliTestSupport.h"

namespace fs = std::filesystem;

namespace
{
// A legacy event (INI files): groups Friends and Family; the unseated table, "Near stage" with 8
// seats at place 1, "Back" with 10 seats at place 2 and an empty "Garden" with 10 seats at place
// 3; Ron (6) at Near stage, Dana Levi (4, of Friends) and Avi (2, of Family) unseated, Tal (4, of
// Friends) at Back.
class SeatingCommandsTest : public CCliTest
{
protected:
    void SetUp() override { WriteEvent(); }

    void WriteEvent()
    {
        fs::remove_all(m_root / "DB");
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(m_root / "DB" / "Groups.ini",
                   "[Group0]\r\nGroupName=Friends\r\n[Group1]\r\nGroupName=Family\r\n");
        WriteBytes(m_root / "DB" / "Tables.ini",
                   "[Table0]\r\nName=Unseated Guests\r\nPlaces=0\r\n"
                   "[Table1]\r\nName=Near stage\r\nPlaces=8\r\nInHall=1\r\n"
                   "[Table2]\r\nName=Back\r\nPlaces=10\r\nInHall=2\r\n"
                   "[Table3]\r\nName=Garden\r\nPlaces=10\r\nInHall=3\r\n");
        WriteBytes(m_root / "DB" / "Guests.ini",
                   "[Guest0]\r\nNM=Ron\r\nFM=Bar\r\nAN=6\r\nPN=7\r\nTI=1\r\n"
                   "[Guest1]\r\nNM=Dana\r\nFM=Levi\r\nGN=Friends\r\nAN=4\r\nPN=4\r\n"
                   "[Guest2]\r\nNM=Avi\r\nFM=Cohen\r\nGN=Family\r\nAN=2\r\nCS=1\r\n"
                   "[Guest3]\r\nNM=Tal\r\nFM=Or\r\nGN=Friends\r\nAN=4\r\nTI=2\r\n");
    }

    // The unique id a reading run gives the guest (a legacy event's ids are handed out at load).
    std::string UniqueIdOf(const std::string& fullName)
    {
        const nlohmann::json dump = Dump();
        for (const auto& guest : dump["guests"])
            if (guest["fullName"] == fullName)
                return std::to_string(guest["uniqueId"].get<int>());
        ADD_FAILURE() << "no guest " << fullName;
        return "0";
    }

    bool Saved() const { return fs::exists(m_root / "DB" / "WeddingData.xml"); }

    // The saved event: "name seats place;" for every table, then every guest's table id.
    std::string SavedSeating()
    {
        EXPECT_TRUE(Saved());
        const nlohmann::json dump = Dump();
        std::string text;
        for (const auto& table : dump["tables"])
            text += table["name"].get<std::string>() + " " + table["seats"].dump() + " " +
                    table["hallNumber"].dump() + "; ";
        text += "|";
        for (const auto& guest : dump["guests"])
            text += " " + guest["tableId"].dump();
        return text;
    }
};
} // namespace

TEST_F(SeatingCommandsTest, TablesList)
{
    SCliRun run = Run({"tables", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto tables = nlohmann::json::parse(run.out)["tables"];
    ASSERT_EQ(tables.size(), 4u);
    EXPECT_EQ(tables[0], nlohmann::json({{"id", 0},
                                         {"name", "Unseated Guests"},
                                         {"hallNumber", 0},
                                         {"seats", 0},
                                         {"invited", 4 + 2},
                                         {"coming", 6},
                                         {"arrivedCount", 1},
                                         {"lines", 2}}));
    EXPECT_EQ(tables[1]["invited"], 7);
    EXPECT_EQ(tables[2]["lines"], 1);

    run = Run({"tables"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" 3 Tables\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0\tUnseated Guests\t--\t--\t6\t2\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2\tBack\t2\t10\t4\t1\n"), std::string::npos) << run.out;
    EXPECT_FALSE(Saved()) << "a reading command";
}

TEST_F(SeatingCommandsTest, RefusalsSaveNothing)
{
    const std::string dana = UniqueIdOf("Dana Levi");
    struct SCase
    {
        std::vector<std::string> arguments;
        int status;
        std::string told; // part of the error output, when it matters
    };
    const std::vector<SCase> cases = {
        {{"--cancel", "seat", dana, "1"}, 1, "No more room in this table!"},
        {{"seat", "99999", "1"}, 3, ""},
        {{"seat", dana, "7"}, 3, ""},
        {{"seat", dana, "one"}, 2, ""},
        {{"create-table", "Twin", "--hall", "2"},
         1,
         "Table already used!: The location you chose is already in use by table 2 (Back)"},
        {{"create-table", "X", "--hall", "1000"}, 2, ""},
        {{"create-table", "X", "--hall", "0"}, 2, ""},
        {{"create-table", "X", "--seats", "0"}, 2, ""},
        {{"create-table", "X", "--seats", "1001"}, 2, ""},
        {{"create-table"}, 2, ""},
        {{"--yes", "delete-table", "0"}, 1, ""},
        {{"--yes", "delete-table", "5"}, 3, ""},
        {{"--no", "delete-table", "1"}, 1, "Deletion: Are you sure"},
        {{"swap-tables", "0", "1"}, 1, ""},
        {{"swap-tables", "1", "4"}, 3, ""},
        {{"swap-tables", "1", "1"}, 1, ""},
        {{"move-table", "2", "0"}, 1, ""},
        {{"move-table", "9", "1"}, 3, ""},
        {{"move-table", "1"}, 2, ""},
        {{"table-for-group", "Strangers"}, 3, ""},
        {{"--yes", "arrange", "some"}, 2, ""},
        {{"--no", "arrange", "all"}, 1, "Automatic table arrangement: "},
    };
    for (const SCase& c : cases)
    {
        const SCliRun run = Run(c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments) + "\n" + run.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.told), std::string::npos);
        EXPECT_FALSE(Saved());
    }
}

TEST_F(SeatingCommandsTest, EachCommandSavesWhatItChanged)
{
    const std::string hebrew = "\xD7\xA9\xD7\x95\xD7\x9C\xD7\x97\xD7\x9F"; // five letters
    const std::string tables = "Unseated Guests 0 0; Near stage 8 1; Back 10 2; Garden 10 3; ";
    struct SCase
    {
        std::vector<std::string> arguments;
        std::string out;
        std::string saved;
    };
    const std::vector<SCase> cases = {
        // Dana's family of 4 at Near stage (6 of 8 seats taken): the capacity question.
        {{"--yes", "seat", "Dana Levi", "1"},
         "",
         "Unseated Guests 0 0; Near stage 10 1; Back 10 2; Garden 10 3; | 1 1 0 2"},
        {{"--no", "seat", "Dana Levi", "1"}, "", tables + "| 1 1 0 2"},
        {{"seat", "Avi Cohen", "2"}, "Avi Cohen sits at table 2 \"Back\"\n", tables + "| 1 0 2 2"},
        {{"create-table", "Porch"},
         "Created table 4 \"Porch\": place 4, 10 seats\n",
         tables + "Porch 10 4; | 1 0 0 2"},
        // Names are cut to 25 characters, not bytes; an empty name is "Not mapped".
        {{"create-table", hebrew + hebrew + hebrew + hebrew + hebrew + "x", "--hall", "12",
          "--seats", "30"},
         "",
         tables + hebrew + hebrew + hebrew + hebrew + hebrew + " 30 12; | 1 0 0 2"},
        {{"create-table", ""}, "Created table 4 \"Not mapped\": place 4, 10 seats\n", ""},
        {{"--yes", "delete-table", "1"},
         "",
         "Unseated Guests 0 0; Back 10 2; Garden 10 3; | 0 0 0 1"},
        {{"swap-tables", "1", "2"},
         "",
         "Unseated Guests 0 0; Back 10 2; Near stage 8 1; Garden 10 3; | 2 0 0 1"},
        {{"move-table", "3", "1"},
         "",
         "Unseated Guests 0 0; Garden 10 3; Near stage 8 1; Back 10 2; | 2 0 0 3"},
        {{"table-for-group", "Friends"},
         "A new table was created for this group with 4 guests\n",
         tables + "Friends 10 4; | 1 4 0 2"},
        {{"--yes", "arrange", "tableless"},
         "",
         tables + "Friends - 0 10 4; Family - 0 10 5; | 1 4 5 2"},
        {{"--yes", "arrange", "all"},
         "Created 2 tables and seated 3 guest lines; 1 stay unseated\n",
         "Unseated Guests 0 0; Friends - 0 10 1; Family - 0 10 2; | 0 1 2 1"},
    };
    for (SCase c : cases)
    {
        WriteEvent();
        for (std::string& argument : c.arguments)
            if (argument == "Dana Levi" || argument == "Avi Cohen")
                argument = UniqueIdOf(argument);
        const SCliRun run = Run(c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments) + "\n" + run.err);
        ASSERT_EQ(run.status, 0);
        if (!c.out.empty())
        {
            EXPECT_EQ(run.out, c.out);
        }
        if (!c.saved.empty())
        {
            EXPECT_EQ(SavedSeating(), c.saved);
        }
    }

    // The JSON forms report what the command did.
    WriteEvent();
    SCliRun run = Run({"--yes", "--json", "seat", UniqueIdOf("Dana Levi"), "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["seats"], 10);
    WriteEvent();
    run = Run({"--yes", "--json", "arrange", "tableless"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out),
              nlohmann::json({{"tablesCreated", 2}, {"linesSeated", 2}, {"linesUnseated", 0}}));
}
