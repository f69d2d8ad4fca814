#include "CliTestSupport.h"
#include "cli/CliApp.h"
#include "platform/Language.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
// What a save wrote of one table.
struct SSavedTable
{
    std::string name;
    int seats;
    int place;
    bool operator==(const SSavedTable& other) const
    {
        return name == other.name && seats == other.seats && place == other.place;
    }
};

std::ostream& operator<<(std::ostream& out, const SSavedTable& table)
{
    return out << "{" << table.name << ", " << table.seats << " seats, place " << table.place
               << "}";
}

// A legacy event (INI files): groups Friends and Family; the unseated table, "Near stage" with 8
// seats at place 1 and "Back" with 10 seats at place 2; Ron (6) at Near stage, Dana Levi (4, of
// Friends) and Avi (2, of Family) unseated, Tal (4, of Friends) at Back.
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
                   "[Table2]\r\nName=Back\r\nPlaces=10\r\nInHall=2\r\n");
        WriteBytes(m_root / "DB" / "Guests.ini",
                   "[Guest0]\r\nNM=Ron\r\nFM=Bar\r\nAN=6\r\nPN=7\r\nTI=1\r\n"
                   "[Guest1]\r\nNM=Dana\r\nFM=Levi\r\nGN=Friends\r\nAN=4\r\nPN=4\r\n"
                   "[Guest2]\r\nNM=Avi\r\nFM=Cohen\r\nGN=Family\r\nAN=2\r\nCS=1\r\n"
                   "[Guest3]\r\nNM=Tal\r\nFM=Or\r\nGN=Friends\r\nAN=4\r\nTI=2\r\n");
    }

    // The unique id a reading run gives the guest (a legacy event's ids are handed out at load).
    std::string UniqueIdOf(const std::string& fullName)
    {
        const SCliRun run = Run({"dump", "--json"});
        const nlohmann::json dump = nlohmann::json::parse(run.out);
        for (const auto& guest : dump["guests"])
            if (guest["fullName"] == fullName)
                return std::to_string(guest["uniqueId"].get<int>());
        ADD_FAILURE() << "no guest " << fullName << run.err;
        return "0";
    }

    std::string SavedData() { return ReadBytes(m_root / "DB" / "WeddingData.xml"); }

    // The text between <tag> and </tag> from position at on, moving at past it; empty at the end.
    static std::string Element(const std::string& data, const std::string& tag, std::size_t& at)
    {
        const std::string open = "<" + tag + ">";
        const std::size_t start = data.find(open, at);
        if (start == std::string::npos)
        {
            at = std::string::npos;
            return std::string();
        }
        const std::size_t end = data.find("</" + tag + ">", start);
        at = end;
        return data.substr(start + open.size(), end - start - open.size());
    }

    std::vector<SSavedTable> SavedTables()
    {
        std::vector<SSavedTable> tables;
        const std::string data = SavedData();
        for (std::size_t at = 0;;)
        {
            const std::string table = Element(data, "Table", at);
            if (at == std::string::npos)
                return tables;
            std::size_t in = 0;
            std::string name = Element(table, "tName", in);
            name = name.substr(9, name.size() - 12); // inside <![CDATA[ and ]]>
            const int seats = std::stoi(Element(table, "tSeats", in));
            const int place = std::stoi(Element(table, "tNumHall", in));
            tables.push_back({name, seats, place});
        }
    }

    // The table id of every saved guest, in list order.
    std::vector<int> SavedSeating()
    {
        std::vector<int> ids;
        const std::string data = SavedData();
        for (std::size_t at = 0;;)
        {
            const std::string id = Element(data, "TableOrder", at);
            if (at == std::string::npos)
                return ids;
            ids.push_back(std::stoi(id));
        }
    }

};
} // namespace

TEST_F(SeatingCommandsTest, TablesList)
{
    SCliRun run = Run({"tables", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto tables = nlohmann::json::parse(run.out)["tables"];
    ASSERT_EQ(tables.size(), 3u);
    EXPECT_EQ(tables[0], nlohmann::json({{"id", 0},
                                         {"name", "Unseated Guests"},
                                         {"hallNumber", 0},
                                         {"seats", 0},
                                         {"invited", 4 + 2},
                                         {"coming", 6},
                                         {"arrivedCount", 1},
                                         {"lines", 2}}));
    EXPECT_EQ(tables[1]["coming"], 6);
    EXPECT_EQ(tables[1]["invited"], 7);
    EXPECT_EQ(tables[2]["name"], "Back");
    EXPECT_EQ(tables[2]["lines"], 1);

    run = Run({"tables"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(" 2 Tables\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0\tUnseated Guests\t--\t--\t6\t2\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2\tBack\t2\t10\t4\t1\n"), std::string::npos) << run.out;
    EXPECT_FALSE(fs::exists(m_root / "DB" / "WeddingData.xml")) << "a reading command";
}

TEST_F(SeatingCommandsTest, SeatingAskedAboutRoom)
{
    // Dana's family of 4 at Near stage (8 seats, 6 people).
    struct SCase
    {
        const char* answer;
        int status;
        int seats;
    };
    for (const SCase& c : {SCase{"--yes", 0, 10}, SCase{"--no", 0, 8}, SCase{"--cancel", 1, 8}})
    {
        WriteEvent();
        SCliRun run = Run({c.answer, "--json", "seat", UniqueIdOf("Dana Levi"), "1"});
        EXPECT_EQ(run.status, c.status) << c.answer << run.err;
        EXPECT_NE(run.err.find("No more room in this table!"), std::string::npos) << run.err;
        if (c.status != 0)
        {
            EXPECT_FALSE(fs::exists(m_root / "DB" / "WeddingData.xml")) << "nothing saved";
            continue;
        }
        EXPECT_EQ(nlohmann::json::parse(run.out)["seats"], c.seats);
        EXPECT_EQ(SavedTables().at(1), (SSavedTable{"Near stage", c.seats, 1}));
        EXPECT_EQ(SavedSeating(), (std::vector<int>{1, 1, 0, 2}));
    }

    WriteEvent();
    const std::string dana = UniqueIdOf("Dana Levi");
    EXPECT_EQ(Run({"seat", "99999", "1"}).status, 3);
    EXPECT_EQ(Run({"seat", dana, "7"}).status, 3);
    EXPECT_EQ(Run({"seat", dana, "one"}).status, 2);
    SCliRun run = Run({"seat", UniqueIdOf("Avi Cohen"), "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Avi Cohen sits at table 2 \"Back\"\n");
}

TEST_F(SeatingCommandsTest, CreatingTables)
{
    SCliRun run = Run({"create-table", "Garden"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Created table 3 \"Garden\": place 3, 10 seats\n");
    EXPECT_EQ(SavedTables().back(), (SSavedTable{"Garden", 10, 3}));

    // Names are cut to 25 characters, not bytes; an empty name is "Not mapped".
    WriteEvent();
    const std::string hebrew = "\xD7\xA9\xD7\x95\xD7\x9C\xD7\x97\xD7\x9F"; // five letters
    run = Run({"--json", "create-table", hebrew + hebrew + hebrew + hebrew + hebrew + "x", "--hall",
               "12", "--seats", "30"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["name"], hebrew + hebrew + hebrew + hebrew + hebrew);
    EXPECT_EQ(SavedTables().back().place, 12);
    EXPECT_EQ(SavedTables().back().seats, 30);
    WriteEvent();
    EXPECT_EQ(Run({"create-table", ""}).out, "Created table 3 \"Not mapped\": place 3, 10 seats\n");

    WriteEvent();
    run = Run({"create-table", "Twin", "--hall", "2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Table already used!: The location you chose is already in use by "
                           "table 2 (Back)"),
              std::string::npos)
        << run.err;
    EXPECT_FALSE(fs::exists(m_root / "DB" / "WeddingData.xml"));
    EXPECT_EQ(Run({"create-table", "X", "--hall", "1000"}).status, 2);
    EXPECT_EQ(Run({"create-table", "X", "--hall", "0"}).status, 2);
    EXPECT_EQ(Run({"create-table", "X", "--seats", "0"}).status, 2);
    EXPECT_EQ(Run({"create-table", "X", "--seats", "1001"}).status, 2);
    EXPECT_EQ(Run({"create-table"}).status, 2);
}

TEST_F(SeatingCommandsTest, DeletingTables)
{
    EXPECT_EQ(Run({"--yes", "delete-table", "0"}).status, 1);
    EXPECT_EQ(Run({"--yes", "delete-table", "5"}).status, 3);
    SCliRun run = Run({"--no", "delete-table", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Deletion: Are you sure"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(m_root / "DB" / "WeddingData.xml"));

    run = Run({"--yes", "delete-table", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SavedTables(),
              (std::vector<SSavedTable>{{"Unseated Guests", 0, 0}, {"Back", 10, 2}}));
    EXPECT_EQ(SavedSeating(), (std::vector<int>{0, 0, 0, 1})) << "Tal moved down with Back";
}

TEST_F(SeatingCommandsTest, SwappingAndMovingTables)
{
    EXPECT_EQ(Run({"swap-tables", "0", "1"}).status, 1);
    EXPECT_EQ(Run({"swap-tables", "1", "3"}).status, 3);
    EXPECT_EQ(Run({"swap-tables", "1", "1"}).status, 1);
    EXPECT_EQ(Run({"move-table", "2", "0"}).status, 1);
    EXPECT_EQ(Run({"move-table", "9", "1"}).status, 3);
    EXPECT_EQ(Run({"move-table", "1"}).status, 2);
    EXPECT_FALSE(fs::exists(m_root / "DB" / "WeddingData.xml"));

    SCliRun run = Run({"swap-tables", "1", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SavedTables(),
              (std::vector<SSavedTable>{
                  {"Unseated Guests", 0, 0}, {"Back", 10, 2}, {"Near stage", 8, 1}}));
    EXPECT_EQ(SavedSeating(), (std::vector<int>{2, 0, 0, 1}));

    WriteEvent();
    run = Run({"move-table", "2", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(SavedSeating(), (std::vector<int>{2, 0, 0, 1}));
}

TEST_F(SeatingCommandsTest, TableForAGroup)
{
    EXPECT_EQ(Run({"table-for-group", "Strangers"}).status, 3);
    SCliRun run = Run({"table-for-group", "Friends"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "A new table was created for this group with 4 guests\n");
    EXPECT_EQ(SavedTables().back(), (SSavedTable{"Friends", 10, 3}));
    EXPECT_EQ(SavedSeating(), (std::vector<int>{1, 3, 0, 2}));
}

TEST_F(SeatingCommandsTest, Arranging)
{
    EXPECT_EQ(Run({"--yes", "arrange", "some"}).status, 2);
    SCliRun run = Run({"--no", "arrange", "all"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Automatic table arrangement: "), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(m_root / "DB" / "WeddingData.xml"));

    run = Run({"--yes", "--json", "arrange", "tableless"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out),
              nlohmann::json({{"tablesCreated", 2}, {"linesSeated", 2}, {"linesUnseated", 0}}));
    EXPECT_EQ(SavedTables().at(3), (SSavedTable{"Friends - 0", 10, 3}));
    EXPECT_EQ(SavedTables().at(4), (SSavedTable{"Family - 0", 10, 4}));

    WriteEvent();
    run = Run({"--yes", "arrange", "all"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Created 2 tables and seated 3 guest lines; 1 stay unseated\n");
    EXPECT_EQ(SavedTables(),
              (std::vector<SSavedTable>{
                  {"Unseated Guests", 0, 0}, {"Friends - 0", 10, 1}, {"Family - 0", 10, 2}}));
    EXPECT_EQ(SavedSeating(), (std::vector<int>{0, 1, 2, 1}));
}
