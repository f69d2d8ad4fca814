// The money rules themselves are tested in the core; these cases prove that every money command
// reaches them, answers their questions from its options, reports in its exit status and output,
// saves exactly when it changed the event and that the reading commands write nothing.

#include "CliTestSupport.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace
{
// A legacy event at rate 4: two expenses (a paid hall of 1000 dollars and 200 shekels; a band of
// two payments, 10 dollars paid and 30 not), the default budget of a new event, and three guests:
// Dan Levi gave 100 dollars and 50 shekels, Noa Cohen a vase, Avi nothing.
class MoneyCommandsTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(m_root / "DB" / "Settings.ini", "[GenSettings]\r\nDolarToShekel=4.00\r\n");
        WriteBytes(m_root / "DB" / "Expences.ini",
                   "[Expences0]\r\nMoneyItem=Hall\r\nDolars=1000\r\nShekels=200\r\n"
                   "Paid=\xEB\xEF\r\n"
                   "[Expences1]\r\nMoneyItem=Band\r\nDolars=40\r\nComments=loud..........late\r\n"
                   "PDolar0=10\r\nPShekel0=0\r\nPPaid0=1\r\nPDate0=6.20.2025\r\n"
                   "PDolar1=30\r\nPShekel1=0\r\nPPaid1=0\r\n");
        WriteBytes(m_root / "DB" / "Guests.ini",
                   "[Guest0]\r\nNM=Dan\r\nFM=Levi\r\nGI=Cheque\r\nGD=100\r\nGS=50\r\nPN=4\r\n"
                   "[Guest1]\r\nNM=Noa\r\nFM=Cohen\r\nGI=Vase\r\nPN=2\r\n"
                   "[Guest2]\r\nNM=Avi\r\nFM=Bar\r\nPN=2\r\n");
        // Stable unique ids and the default budget: the event as a first save leaves it.
        ASSERT_EQ(Run({"save"}).status, 0);
    }

    json RunJson(std::vector<std::string> arguments)
    {
        arguments.push_back("--json");
        const SCliRun run = Run(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        return json::parse(run.out);
    }

    // The saved data file (a refused command still writes the shutdown state, never the data).
    std::string DataFile() const { return ReadBytes(m_root / "DB" / "WeddingData.xml"); }

    std::string UniqueIdOf(const std::string& name)
    {
        const json gifts = RunJson({"gifts"});
        for (const auto& gift : gifts["gifts"])
            if (gift["name"] == name)
                return std::to_string(gift["uniqueId"].get<int>());
        ADD_FAILURE() << "no guest " << name;
        return "0";
    }
};
} // namespace

TEST_F(MoneyCommandsTest, ReadingCommandsWriteNothing)
{
    const auto before = Snapshot();
    for (const char* command : {"expenses", "budget", "gifts"})
        for (const char* language : {"en", "he"})
        {
            EXPECT_EQ(Run({command, "--lang", language}).status, 0) << command;
            EXPECT_EQ(Run({command, "--lang", language, "--json"}).status, 0) << command;
        }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(MoneyCommandsTest, ExpensesFollowTheInterfacesMoneyRule)
{
    json english = RunJson({"expenses"});
    ASSERT_EQ(english["expenses"].size(), 2u);
    const json& band = english["expenses"][1];
    EXPECT_EQ(band["index"], 1);
    EXPECT_EQ(band["paidState"], 2);
    EXPECT_EQ(band["paidSoFar"], 10.0);
    EXPECT_EQ(band["leftToPay"], 30.0);
    EXPECT_EQ(band["payments"][0]["date"], "2025-06-20");
    EXPECT_EQ(band["payments"][1]["date"], nullptr);
    EXPECT_EQ(english["summary"], (json{{"total", 1040.0}, {"paid", 1010.0}, {"left", 30.0}}));

    json hebrew = RunJson({"expenses", "--lang", "he"});
    EXPECT_EQ(hebrew["summary"],
              (json{{"total", 200 + 4 * 1040.0}, {"paid", 200 + 4 * 1010.0}, {"left", 120.0}}));
    const SCliRun text = Run({"expenses", "--lang", "he"});
    EXPECT_NE(text.out.find("loud..."), std::string::npos) << "the comments' first line";
}

TEST_F(MoneyCommandsTest, ExpensesAndPaymentsAreAddedAndPaid)
{
    SCliRun added = Run({"add-expense", "Flowers", "--payer", "Bride", "--dollars", "300.0"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "2\n");
    EXPECT_EQ(Run({"add-expense", "X", "--payer", "Uncle"}).status, 2);
    EXPECT_EQ(Run({"add-expense", "X", "--dollars", "12.5"}).status, 2);

    SCliRun payment =
        Run({"add-payment", "2", "--dollars", "100", "--date", "2025-02-28", "--paid"});
    ASSERT_EQ(payment.status, 0) << payment.err;
    EXPECT_EQ(Run({"add-payment", "7"}).status, 3);
    EXPECT_EQ(Run({"add-payment", "2", "--date", "2025-02-30"}).status, 2);
    json flowers = RunJson({"expenses"})["expenses"][2];
    EXPECT_EQ(flowers["payer"], "Bride");
    EXPECT_EQ(flowers["dollars"], 400);
    EXPECT_EQ(flowers["paidState"], 2);

    EXPECT_EQ(Run({"pay-expense", "2", "--payment", "5"}).status, 3);
    EXPECT_EQ(Run({"pay-expense", "2"}).status, 2);
    ASSERT_EQ(Run({"pay-expense", "2", "--payment", "0"}).status, 0);
    EXPECT_EQ(RunJson({"expenses"})["expenses"][2]["paidState"], 1);
    ASSERT_EQ(Run({"pay-expense", "1", "--all"}).status, 0);
    EXPECT_EQ(RunJson({"expenses"})["summary"]["left"], 0.0);

    // Ten payments and no more: the eleventh is refused and nothing is saved.
    for (int i = 2; i < 10; ++i)
        ASSERT_EQ(Run({"add-payment", "2", "--dollars", "1"}).status, 0);
    const std::string before = DataFile();
    const SCliRun eleventh = Run({"add-payment", "2", "--dollars", "1"});
    EXPECT_EQ(eleventh.status, 1);
    EXPECT_NE(eleventh.err.find("at most ten payments"), std::string::npos);
    EXPECT_EQ(DataFile(), before);
}

TEST_F(MoneyCommandsTest, OffersJoinCombinationsAfterTheirQuestions)
{
    SCliRun caterer = Run({"add-offer", "Caterer", "--category", "Caterings", "--per-guest", "100",
                           "--combination", "1"});
    ASSERT_EQ(caterer.status, 0) << caterer.err;
    EXPECT_EQ(caterer.out, "5\n") << "after the five example offers";
    const json band = RunJson({"add-offer", "Band", "--category", "Bands", "--price", "700"});
    EXPECT_EQ(band["offer"]["index"], 6) << "the position, as the commands take it";
    EXPECT_EQ(band["offer"]["shekels"], 700);
    json budget = RunJson({"budget"});
    EXPECT_EQ(budget["limit"], 50000);
    EXPECT_EQ(budget["combinations"][0]["offers"][0]["price"], 800) << "100 x 8 invited";
    EXPECT_EQ(budget["combinations"][0]["total"], 800);

    // A second caterer asks; No declines and saves nothing, Yes keeps both.
    const std::string before = DataFile();
    EXPECT_EQ(Run({"add-offer", "Other", "--category", "Caterings", "--price", "49200",
                   "--combination", "1", "--no"})
                  .status,
              1);
    EXPECT_EQ(DataFile(), before);
    ASSERT_EQ(Run({"add-offer", "Other", "--category", "Caterings", "--price", "49200",
                   "--combination", "1", "--yes"})
                  .status,
              0);
    budget = RunJson({"budget"});
    EXPECT_EQ(budget["combinations"][0]["total"], 50000);
    EXPECT_EQ(budget["combinations"][0]["overLimit"], false) << "the limit itself is within it";

    EXPECT_EQ(Run({"add-offer", "X", "--category", "Nowhere", "--price", "1"}).status, 3);
    EXPECT_EQ(Run({"add-offer", "X", "--category", "Bands", "--price", "0"}).status, 1);
    EXPECT_EQ(Run({"add-offer", "X", "--category", "Bands"}).status, 2);
    EXPECT_EQ(
        Run({"add-offer", "X", "--category", "Bands", "--price", "1", "--combination", "4"}).status,
        2);
}

TEST_F(MoneyCommandsTest, GiftsAreSetAndClearedByUniqueId)
{
    json hebrew = RunJson({"gifts", "--lang", "he"});
    EXPECT_EQ(hebrew["gifts"][0]["total"], 450.0);
    EXPECT_EQ(hebrew["totals"], (json{{"shekels", 50}, {"dollars", 100}, {"received", 450.0}}));
    EXPECT_EQ(RunJson({"gifts"})["gifts"][0]["total"], 100.0);

    const std::string avi = UniqueIdOf("Avi Bar");
    const SCliRun none = Run({"set-gift", avi, "--clear", "--yes"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("No gift was entered for this guest"), std::string::npos);
    ASSERT_EQ(Run({"set-gift", avi, "--description", "Book", "--shekels", "20"}).status, 0);
    EXPECT_EQ(RunJson({"gifts"})["totals"]["shekels"], 70);

    const std::string dan = UniqueIdOf("Dan Levi");
    EXPECT_EQ(Run({"set-gift", dan, "--clear", "--no"}).status, 1);
    ASSERT_EQ(Run({"set-gift", dan, "--clear", "--yes"}).status, 0);
    const json gifts = RunJson({"gifts"});
    EXPECT_EQ(gifts["gifts"][0]["description"], "");
    EXPECT_EQ(gifts["totals"]["dollars"], 0);
    EXPECT_EQ(Run({"set-gift", "999999", "--dollars", "1"}).status, 3);
    EXPECT_EQ(Run({"set-gift", dan}).status, 2);
}
