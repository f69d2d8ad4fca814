#include "platform/StringTable.h"
#include "seating/SeatingTestSupport.h"

class ArrangementTest : public CSeatingFixture
{
protected:
    // Lines of one group with these coming counts, in list order, named "<group><n>".
    void Lines(const std::string& group, std::vector<int> counts)
    {
        if (m_doc->FindGroup(group) == nullptr)
            m_doc->AddGroup(group);
        for (int count : counts)
            Guest(group + std::to_string(m_doc->GetGuestCount()), "", count, 0, group);
    }

    // "name: guest guest ..." for every table but the unseated one.
    std::vector<std::string> Seating()
    {
        std::vector<std::string> rows;
        for (int id = 1; id < m_doc->GetTableCount(); ++id)
        {
            std::string row = m_doc->GetTableAt(id)->GetName() + ":";
            for (const std::string& name : NamesAt(id))
                row += " " + name;
            rows.push_back(row);
        }
        return rows;
    }

    bool ArrangeAll()
    {
        m_prompt.Answer(EAnswer::Yes);
        return ArrangeAllGuests(*m_doc);
    }
};

INSTANTIATE_TEST_SUITE_P(Both, ArrangementTest, ::testing::Bool(), IndexMode);

TEST_P(ArrangementTest, GroupFillInTwoPasses)
{
    OpenEvent();
    Lines("A", {6, 5, 4});  // A0 A1 A2
    Lines("B", {3, 12, 3}); // B3 B4 B5
    Lines("C", {8, 2, 1});  // C6 C7 C8
    Lines("D", {5, 12, 6}); // an oversized line, then one more that opens its own table
    Lines("E", {0, 0});     // nobody still gets a table
    ASSERT_TRUE(ArrangeAll());
    EXPECT_EQ(Seating(),
              (std::vector<std::string>{"A - 0: A0 A2", "A - 1: A1", "B - 0: B3 B5", "B - 1: B4",
                                        "C - 0: C6 C7", "C - 1: C8", "D - 0: D9", "D - 1: D10",
                                        "D - 2: D11", "E - 0: E12 E13"}));
    const CTable* oversized = m_doc->FindTableById(4);
    EXPECT_EQ(oversized->GetSeats(), 10) << "never enlarged";
    EXPECT_EQ(m_doc->CountAtTable(4, IRecordOwner::kCountComing), 12);
    EXPECT_TRUE(m_prompt.Asked().size() == 1u) << "only the opening question";
}

TEST_P(ArrangementTest, PassTwoFillsTheTablePassOneLeftOpen)
{
    OpenEvent();
    Lines("G", {7, 6, 2, 3, 4}); // pass 1: 7+2 (9); pass 2: 6 new table, 3 joins it (9), 4 new
    ASSERT_TRUE(ArrangeAll());
    EXPECT_EQ(Seating(), (std::vector<std::string>{"G - 0: G0 G2", "G - 1: G1 G3", "G - 2: G4"}));

    Clear();
    m_doc->GetSettings().SetGuestsPerTable(6);
    Lines("H", {4, 1, 3}); // pass 1: 4+1 (5), 3 postponed; pass 2: 3 does not fit the open one
    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(ArrangeTablelessGuests(*m_doc));
    EXPECT_EQ(Seating().back(), "H - 1: H7");
    EXPECT_EQ(m_doc->GetTableAt(m_doc->GetTableCount() - 1)->GetSeats(), 6);
}

TEST_P(ArrangementTest, AllGuestsStartsAgain)
{
    OpenEvent();
    Lines("Friends", {4, 4});
    Lines("Family", {2});
    Guest("No", "Group", 2, 1, "Nobody's");
    m_doc->CreateTable("Old one", 7, 10);
    m_doc->GetTableAt(0)->SetSeats(99);
    m_doc->GetGuestAt(0)->SetTable(2);
    Clear();

    ASSERT_TRUE(ArrangeAll());
    EXPECT_EQ(m_prompt.Asked()[0].text, LoadString(IDS_ARRANGE_ALL_QUESTION));
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Automatic table arrangement");
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);
    EXPECT_EQ(TableNames(),
              (std::vector<std::string>{"Unseated Guests", "Friends - 0", "Family - 0"}));
    for (int id = 0; id < m_doc->GetTableCount(); ++id)
    {
        EXPECT_EQ(m_doc->GetTableAt(id)->GetId(), id);
        EXPECT_EQ(m_doc->GetTableAt(id)->GetHallNumber(), id) << "places 1, 2 ...";
        EXPECT_EQ(m_doc->GetTableAt(id)->GetSeats(), id == 0 ? 0 : 10);
    }
    EXPECT_EQ(NamesAt(0), std::vector<std::string>{"No Group"}) << "a guest of no group";
    EXPECT_TRUE(m_doc->IsDataChanged());

    // Hints: the tables go after 21, every table made says 13, and 14 ends it.
    ASSERT_FALSE(m_spy.hints.empty());
    EXPECT_EQ(m_spy.hints.front().hint, HINT_TABLES_REMOVING);
    EXPECT_EQ(m_spy.hints.back().hint, HINT_ARRANGEMENT_DONE);
    EXPECT_EQ(m_spy.Count(HINT_TABLE_CREATED), 3);
    EXPECT_EQ(m_spy.Count(HINT_ARRANGEMENT_DONE), 1);
    EXPECT_EQ(m_spy.Count(HINT_TABLE_DELETING), 0) << "HINT_TABLES_REMOVING covers every table";
}

TEST_P(ArrangementTest, DecliningChangesNothing)
{
    OpenEvent();
    Lines("Friends", {2});
    for (EAnswer answer : {EAnswer::No, EAnswer::Cancel})
    {
        Clear();
        m_prompt.Answer(answer);
        EXPECT_FALSE(ArrangeAllGuests(*m_doc));
        m_prompt.Answer(answer);
        EXPECT_FALSE(ArrangeTablelessGuests(*m_doc));
        EXPECT_EQ(m_prompt.Asked().size(), 2u);
        EXPECT_EQ(m_prompt.Asked()[1].text, LoadString(IDS_ARRANGE_TABLELESS_QUESTION));
        EXPECT_TRUE(m_spy.hints.empty());
        EXPECT_FALSE(m_doc->IsDataChanged());
        EXPECT_EQ(m_doc->GetTableCount(), 2);
    }
}

TEST_P(ArrangementTest, TablelessKeepsTheSeatingAndSkipsUsedNames)
{
    OpenEvent();
    m_doc->CreateTable("Friends - 0", 3, 10);
    m_doc->CreateTable("Friends - 2", 5, 10);
    Lines("Friends", {6, 6, 6});
    m_doc->GetGuestAt(1)->SetTable(2);
    Lines("Others", {1});
    m_doc->GetGuestAt(3)->SetTable(3);
    Clear();

    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(ArrangeTablelessGuests(*m_doc));
    EXPECT_EQ(Seating(),
              (std::vector<std::string>{"High school - Example:", "Friends - 0: Friends1",
                                        "Friends - 2: Others3", "Friends - 1: Friends0",
                                        "Friends - 3: Friends2"}));
    EXPECT_EQ(m_doc->GetTableAt(4)->GetHallNumber(), 2) << "the first free place";
    EXPECT_EQ(m_doc->GetTableAt(5)->GetHallNumber(), 4);
    EXPECT_EQ(m_spy.Count(HINT_TABLES_REMOVING), 0);
    EXPECT_EQ(m_spy.hints.back().hint, HINT_ARRANGEMENT_DONE);

    // Nobody unseated: nothing happens, silently.
    Clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(ArrangeTablelessGuests(*m_doc));
    EXPECT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_FALSE(m_doc->IsDataChanged());
}

TEST_P(ArrangementTest, TwoGroupsNeverShareATable)
{
    OpenEvent();
    Lines("A", {1});
    Lines("B", {1});
    Lines("A", {1}); // the group's lines are found wherever they stand in the list
    ASSERT_TRUE(ArrangeAll());
    EXPECT_EQ(Seating(), (std::vector<std::string>{"A - 0: A0 A2", "B - 0: B1"}));
}
