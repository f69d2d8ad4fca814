// The arrival rules themselves are tested in the core; these cases prove that the desk's commands
// reach them, take the table choice from --table, answer the questions from their options, save
// exactly when something arrived, and that the check-in codes page decodes to the unique ids.

#include "CliTestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>

namespace fs = std::filesystem;
using nlohmann::json;

namespace
{
// A saved event: Family (10 seats, place 1: Early Birds, 4 coming and 8 arrived, and the Cohen
// family of 4), Friends (10 seats, place 2: 5 coming), Work (10 seats, place 3: 8 coming), and a
// walk-in with nobody expected and a late guest of 3, both unseated. Unique ids 1001 to 1006 in
// that order.
class RealTimeCommandsTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(m_root / "DB" / "Tables.ini",
                   "[Table0]\r\nName=Unseated Guests\r\nPlaces=0\r\n"
                   "[Table1]\r\nName=Family\r\nPlaces=10\r\nInHall=1\r\n"
                   "[Table2]\r\nName=Friends\r\nPlaces=10\r\nInHall=2\r\n"
                   "[Table3]\r\nName=Work\r\nPlaces=10\r\nInHall=3\r\n");
        WriteBytes(m_root / "DB" / "Guests.ini",
                   "[Guest0]\r\nNM=Early\r\nFM=Birds\r\nAN=4\r\nCS=8\r\nTI=1\r\n"
                   "[Guest1]\r\nNM=Good\r\nFM=Friends\r\nAN=5\r\nTI=2\r\n"
                   "[Guest2]\r\nNM=Colleagues\r\nAN=8\r\nTI=3\r\n"
                   "[Guest3]\r\nNM=Cohen\r\nFM=Family\r\nAN=4\r\nPN=4\r\nTI=1\r\n"
                   "[Guest4]\r\nNM=Walk\r\nFM=In\r\nAN=0\r\nPN=0\r\n"
                   "[Guest5]\r\nNM=Late\r\nFM=Guest\r\nAN=3\r\n");
        ASSERT_EQ(Run({"save"}).status, 0);
    }

    json GuestById(int uniqueId)
    {
        const json dump = Dump();
        for (const auto& guest : dump["guests"])
            if (guest["uniqueId"] == uniqueId)
                return guest;
        ADD_FAILURE() << "no guest " << uniqueId;
        return {};
    }

    // "arrived count, coming, invited, table" of a guest as saved.
    std::string Saved(int uniqueId)
    {
        const json guest = GuestById(uniqueId);
        return guest["arrivedCount"].dump() + " " + guest["coming"].dump() + " " +
               guest["invited"].dump() + " " + guest["tableId"].dump();
    }
};

// Whether the page can be decoded here: pdftoppm renders it, zbarimg reads the codes.
bool HaveDecoder()
{
    return std::system(
               "command -v pdftoppm >/dev/null 2>&1 && command -v zbarimg >/dev/null 2>&1") == 0;
}

// Every QR code on every page of the PDF, as decoded text.
std::set<std::string> DecodeQrCodes(const fs::path& pdf, const fs::path& work)
{
    const std::string render =
        "pdftoppm -r 150 -gray -png '" + pdf.string() + "' '" + (work / "page").string() + "'";
    EXPECT_EQ(std::system(render.c_str()), 0);
    std::set<std::string> codes;
    for (const auto& entry : fs::directory_iterator(work))
    {
        if (entry.path().extension() != ".png")
            continue;
        const std::string decode = "zbarimg -q --raw '" + entry.path().string() + "' > '" +
                                   (work / "codes.txt").string() + "' 2>/dev/null";
        std::system(decode.c_str());
        std::string text = ReadBytes(work / "codes.txt");
        std::size_t start = 0;
        while (start < text.size())
        {
            const std::size_t end = text.find('\n', start);
            const std::string line = text.substr(start, end - start);
            if (!line.empty())
                codes.insert(line);
            start = end == std::string::npos ? text.size() : end + 1;
        }
    }
    return codes;
}
} // namespace

TEST_F(RealTimeCommandsTest, AFullTableAsksAndTheTableChoiceComesFromTheOption)
{
    // Four arriving at Family, where 8 of 10 arrived: the question. Without an answer and without
    // a terminal it is cancelled; nothing is saved.
    const std::string before = ReadBytes(m_root / "DB" / "WeddingData.xml");
    SCliRun run = Run({"arrive", "1004", "4"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("No room left in this table: This guest is supposed to seat in table "
                           "Family"),
              std::string::npos)
        << run.err;
    EXPECT_EQ(ReadBytes(m_root / "DB" / "WeddingData.xml"), before);

    // No: the table choice is needed; without --table the command lists what the dialog offers.
    run = Run({"--no", "arrive", "1004", "4"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Chose Table\n2\tFriends [5]\n\t\n\t" + std::string(47, '=') +
                           "\n\t\n1\tFamily [2]\n3\tWork [2]\n");
    EXPECT_NE(run.err.find("--table"), std::string::npos);
    run = Run({"--no", "--json", "arrive", "1004", "4"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(json::parse(run.out),
              json::parse(R"({"tableChoice":{"enoughRoom":[{"id":2,"name":"Friends","free":5}],
                 "someRoom":[{"id":1,"name":"Family","free":2},{"id":3,"name":"Work","free":2}]}})"));
    EXPECT_EQ(ReadBytes(m_root / "DB" / "WeddingData.xml"), before);

    EXPECT_EQ(Run({"--no", "arrive", "1004", "4", "--table", "9"}).status, 3);

    // No, then Friends: the family sits there and has arrived; the event is saved.
    run = Run({"--no", "--json", "arrive", "1004", "4", "--table", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["guest"],
              json::parse(R"({"uniqueId":1004,"fullName":"Cohen Family","invited":4,"coming":4,
                 "arrivedCount":4,"arrived":true,"tableId":2})"));
    EXPECT_EQ(Saved(1004), "4 4 4 2");

    // Yes seats a second arrival at a table short of room.
    run = Run({"--yes", "arrive", "1002", "7"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Good Friends arrived: 7 people, table 2 \"Friends\"\n");
    EXPECT_EQ(Saved(1002), "7 7 7 2");
}

TEST_F(RealTimeCommandsTest, AWalkInNeedsATableAndNumbersOfNobodyAreRefused)
{
    SCliRun run = Run({"arrive", "1005", "2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.rfind("Chose Table\n1\tFamily [2]\n2\tFriends [5]\n3\tWork [2]\n", 0), 0u)
        << run.out;
    run = Run({"arrive", "1005", "2", "--table", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Saved(1005), "2 2 2 3");

    // Work is full now: not offered, and the offer is shown again.
    run = Run({"arrive", "1006", "3", "--table", "3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("table 3 is full"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Work"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2\tFriends [5]"), std::string::npos) << run.out;

    // A chosen table without room on the event day asks again; --no declines it and the run
    // stops there, changing nothing.
    ASSERT_EQ(Run({"--yes", "arrive", "1002", "8"}).status, 0); // Friends: 8 of 10 arrived
    const std::string before = ReadBytes(m_root / "DB" / "WeddingData.xml");
    run = Run({"--no", "arrive", "1004", "4", "--table", "2"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("--yes"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(m_root / "DB" / "WeddingData.xml"), before);

    run = Run({"arrive", "1002", "0"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Please fill missing details: Please fill the actual amount of guests "
                           "that came"),
              std::string::npos);
    EXPECT_EQ(Run({"arrive", "4242", "2"}).status, 3);
    EXPECT_EQ(Run({"arrive", "1002", "two"}).status, 2);
    EXPECT_EQ(ReadBytes(m_root / "DB" / "WeddingData.xml"), before);
}

TEST_F(RealTimeCommandsTest, ArrivalsReadTheDayAndWriteNothing)
{
    ASSERT_EQ(Run({"--yes", "arrive", "1002", "6"}).status, 0);
    const auto files = Snapshot();
    SCliRun run = Run({"--json", "arrivals"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(json::parse(run.out), json::parse(R"({"arrived":{"lines":2,"people":14},"tables":[
        {"id":1,"name":"Family","seats":10,"arrivedCount":8,"free":2},
        {"id":2,"name":"Friends","seats":10,"arrivedCount":6,"free":4},
        {"id":3,"name":"Work","seats":10,"arrivedCount":0,"free":10}]})"));
    run = Run({"arrivals"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Arrived 14 guests\nID\tFree seats\tTable name\tPlace in hall\n"
                       "1\t2\tFamily\t1\n2\t4\tFriends\t2\n3\t10\tWork\t3\n");
    EXPECT_EQ(Snapshot(), files);
}

TEST_F(RealTimeCommandsTest, CheckinCodesDecodeToTheUniqueIds)
{
    const auto files = Snapshot();
    for (const char* language : {"en", "he"})
    {
        SCOPED_TRACE(language);
        CTempDir work;
        const fs::path pdf = work / "codes.pdf";
        SCliRun run = Run({"--lang", language, "--json", "checkin-codes", pdf.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(json::parse(run.out)["codes"], 6);
        EXPECT_EQ(ReadBytes(pdf).rfind("%PDF-", 0), 0u);
        EXPECT_EQ(Snapshot(), files) << "a reading command writes only the file it is given";
        if (!HaveDecoder())
        {
            GTEST_SKIP() << "pdftoppm or zbarimg is not installed (poppler-utils, zbar-tools)";
        }
        EXPECT_EQ(DecodeQrCodes(pdf, work.Path()),
                  (std::set<std::string>{"1001", "1002", "1003", "1004", "1005", "1006"}));
    }

    // No guests, no page; a file that cannot be written is a failure.
    CTempDir work;
    EXPECT_EQ(Run({"checkin-codes", (work / "missing" / "codes.pdf").string()}).status, 1);
    fs::remove(m_root / "DB" / "WeddingData.xml");
    fs::remove(m_root / "DB" / "Guests.ini");
    SCliRun run = Run({"checkin-codes", (work / "codes.pdf").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no guests"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(work / "codes.pdf"));
}
