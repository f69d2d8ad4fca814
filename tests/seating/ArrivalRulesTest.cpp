#include "seating/ArrivalRules.h"

#include "seating/CheckinCodes.h"
#include "seating/SeatingTestSupport.h"

namespace
{
class ArrivalRulesTest : public CSeatingFixture
{
protected:
    // The lines as the dialog shows them.
    std::vector<std::string> Texts(int people)
    {
        std::vector<std::string> texts;
        for (const STableChoiceLine& line : TableChoiceLines(*m_doc, people))
        {
            texts.push_back(line.text);
            EXPECT_EQ(line.kind == STableChoiceLine::kTable, line.tableId > 0) << line.text;
        }
        return texts;
    }

    CGuest* Arrived(const std::string& name, int people, int table)
    {
        CGuest* guest = Guest(name, "", people, table);
        guest->SetArrivedCount(people);
        guest->SetArrived(true);
        return guest;
    }
};
} // namespace

INSTANTIATE_TEST_SUITE_P(Both, ArrivalRulesTest, ::testing::Bool(), IndexMode);

TEST_P(ArrivalRulesTest, TheTableChoiceOffersRoomyTablesFirstThenTheSeparatorThenTheRest)
{
    OpenEvent();
    MakeTables(6, 10);
    Guest("Unseated", "Many", 40, 0); // the unseated table is never offered, however it counts
    Guest("A", "", 4, 1);             // T1: 6 free
    Guest("B", "", 10, 2);            // T2: full
    Guest("C", "", 8, 3);             // T3: 2 free
    Guest("D", "", 6, 4);             // T4: 4 free
    Guest("E", "", 9, 5);             // T5: 1 free

    const std::string sep = kTableChoiceSeparator;
    EXPECT_EQ(sep, std::string(47, '='));
    EXPECT_EQ(Texts(4),
              (std::vector<std::string>{"T1 [6]", "T4 [4]", "", sep, "", "T3 [2]", "T5 [1]"}));
    // One person: every table with a seat, in table order, no separator.
    EXPECT_EQ(Texts(1), (std::vector<std::string>{"T1 [6]", "T3 [2]", "T4 [4]", "T5 [1]"}));
    // Nobody has room for seven: no separator before the tables with some room.
    EXPECT_EQ(Texts(7), (std::vector<std::string>{"T1 [6]", "T3 [2]", "T4 [4]", "T5 [1]"}));
    // A table over capacity is full; the separator stands even when nothing follows it.
    Guest("F", "", 3, 5);
    EXPECT_EQ(Texts(2), (std::vector<std::string>{"T1 [6]", "T3 [2]", "T4 [4]", "", sep, ""}));
    // Free seats count coming people: arrivals at a table do not change the choice.
    m_doc->GetGuestAt(1)->SetArrivedCount(4);
    EXPECT_EQ(Texts(7), (std::vector<std::string>{"T1 [6]", "T3 [2]", "T4 [4]"}));
}

TEST_P(ArrivalRulesTest, EventDayFreeSeatsCountArrivalsAndNeverTheGuestTwice)
{
    OpenEvent();
    MakeTables(3, 10);
    Arrived("Early", 8, 1);
    CGuest* late = Guest("Late", "", 4, 1);
    CGuest* back = Arrived("Back", 3, 2);
    CTable* one = m_doc->GetTableAt(1);
    CTable* two = m_doc->GetTableAt(2);

    EXPECT_EQ(FreeSeatsForArrival(*m_doc, *late, *one), 2);
    EXPECT_EQ(one->GetFreeSeatsOnEventDay(), 2);
    // Correcting an arrival: the line's own earlier arrival makes room for itself.
    EXPECT_EQ(FreeSeatsForArrival(*m_doc, *back, *two), 10);
    EXPECT_EQ(FreeSeatsForArrival(*m_doc, *late, *two), 7);

    const SArrivalTotals totals = CountArrivals(*m_doc);
    EXPECT_EQ(totals.lines, 2);
    EXPECT_EQ(totals.people, 11);
}

TEST_P(ArrivalRulesTest, CheckinCodesAreTheUniqueIdsInDigits)
{
    OpenEvent();
    MakeTables(3, 10);
    m_doc->GetTableAt(2)->SetHallNumber(0);
    CGuest* dan = Guest("Dan", "Levi", 2, 1);
    CGuest* noa = Guest("Noa", "", 1, 2);
    CGuest* walkIn = Guest("", "", 0, 0);

    const std::vector<SCheckinCode> codes = CollectCheckinCodes(*m_doc);
    ASSERT_EQ(codes.size(), 3u);
    EXPECT_EQ(codes[0].code, std::to_string(dan->GetUniqueId()));
    EXPECT_EQ(codes[0].name, "Dan Levi");
    EXPECT_EQ(codes[0].table, "Table 1: T1");
    EXPECT_EQ(codes[1].table, "Table: T2"); // no place in the hall
    EXPECT_EQ(codes[2].name, "Missing guest name");
    EXPECT_EQ(codes[2].table, "Table: not assigned yet");

    struct SCase
    {
        std::string text;
        CGuest* guest;
    };
    const std::string noaCode = std::to_string(noa->GetUniqueId());
    const SCase cases[] = {
        {codes[0].code, dan},
        {"000" + noaCode, noa}, // leading zeros read as the number
        {std::to_string(walkIn->GetUniqueId()), walkIn},
        {"999999", nullptr}, // no such guest
        {"", nullptr},
        {noaCode + " ", nullptr},
        {"-" + noaCode, nullptr},
        {"Dan", nullptr},
        {"12a4", nullptr},
        {"1234567890", nullptr}, // more digits than an id has
        {"١٢٣", nullptr},        // other scripts' digits are no code
    };
    for (const SCase& c : cases)
    {
        EXPECT_EQ(FindGuestByCheckinCode(*m_doc, c.text), c.guest) << c.text;
        EXPECT_EQ(IsCheckinCode(c.text), c.guest != nullptr || c.text == "999999") << c.text;
    }
}
