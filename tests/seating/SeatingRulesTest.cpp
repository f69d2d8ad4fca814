#include "model/Group.h"
#include "platform/StringTable.h"
#include "seating/SeatingTestSupport.h"

#include <random>

class SeatingRulesTest : public CSeatingFixture
{
};

INSTANTIATE_TEST_SUITE_P(Both, SeatingRulesTest, ::testing::Bool(), IndexMode);

TEST_P(SeatingRulesTest, CapacityQuestionAnswers)
{
    OpenEvent();
    MakeTables(2, 8);
    CTable* table = m_doc->GetTableAt(1);
    Guest("Ron", "Bar", 6, 1);

    struct SCase
    {
        EAnswer answer;
        bool seated;
        int seats;
    };
    for (const SCase& c : {SCase{EAnswer::Yes, true, 10}, SCase{EAnswer::No, true, 8},
                           SCase{EAnswer::Cancel, false, 8}})
    {
        table->SetSeats(8);
        CGuest* family = Guest("Family", "Four", 4);
        Clear();
        m_prompt.Answer(c.answer);
        const bool may = CanSeatGuest(*m_doc, family, table);
        EXPECT_EQ(may, c.seated);
        ASSERT_EQ(m_prompt.Asked().size(), 1u);
        EXPECT_EQ(m_prompt.Asked()[0].text, LoadString(IDS_ENLARGE_TABLE_QUESTION));
        EXPECT_EQ(m_prompt.Asked()[0].caption, "No more room in this table!");
        EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNoCancel);
        EXPECT_EQ(table->GetSeats(), c.seats);
        if (may)
        {
            ASSERT_EQ(m_spy.hints.size(), 1u) << "the views hear of the table after Yes and No";
            EXPECT_EQ(m_spy.hints[0].hint, HINT_RECORD_CHANGED);
            EXPECT_EQ(m_spy.hints[0].record, table);
            family->SetTable(1);
            EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountComing), 10);
            EXPECT_EQ(table->GetFreeSeats(), c.seats - 10);
        }
        else
        {
            EXPECT_TRUE(m_spy.hints.empty());
            EXPECT_FALSE(m_doc->IsDataChanged());
        }
        m_doc->RemoveGuest(family);
    }
}

TEST_P(SeatingRulesTest, RoomyTablesAndEmptyLinesNeverAsk)
{
    OpenEvent();
    MakeTables(2, 8);
    CTable* table = m_doc->GetTableAt(1);
    Guest("Ron", "Bar", 10, 1); // already over capacity (seated after a No)
    CGuest* nobody = Guest("Tal", "Or", 0);
    Clear();
    EXPECT_TRUE(CanSeatGuest(*m_doc, nobody, table));
    EXPECT_TRUE(m_prompt.Asked().empty());
    EXPECT_TRUE(m_spy.hints.empty());

    table->SetSeats(20);
    CGuest* pair = Guest("Noa", "Gil", 2);
    Clear();
    EXPECT_TRUE(CanSeatGuest(*m_doc, pair, table)) << "12 of 20";
    EXPECT_TRUE(m_prompt.Asked().empty());
    EXPECT_FALSE(CanSeatGuest(*m_doc, nullptr, table));
    EXPECT_FALSE(CanSeatGuest(*m_doc, pair, nullptr));
}

TEST_P(SeatingRulesTest, TheUnseatedTableGrowsSilently)
{
    OpenEvent();
    MakeTables(2);
    CTable* unseated = m_doc->GetTableAt(0);
    EXPECT_EQ(unseated->GetSeats(), 0);
    CGuest* a = Guest("A", "", 3, 1);
    CGuest* b = Guest("B", "", 4, 1);
    Guest("C", "", 0, 1);
    for (CGuest* guest : {a, b})
    {
        Clear();
        ASSERT_TRUE(CanSeatGuest(*m_doc, guest, unseated));
        guest->SetTable(0);
        ASSERT_FALSE(m_spy.hints.empty());
        EXPECT_EQ(m_spy.hints[0].hint, HINT_RECORD_CHANGED);
        EXPECT_EQ(m_spy.hints[0].record, unseated);
        EXPECT_TRUE(m_doc->IsDataChanged());
    }
    EXPECT_TRUE(m_prompt.Asked().empty());
    EXPECT_EQ(unseated->GetSeats(), 7);
    EXPECT_EQ(m_doc->CountAtTable(0, IRecordOwner::kCountComing), 7);
}

TEST_P(SeatingRulesTest, RestrictionsConsultOnlyTheMovingGuestsList)
{
    OpenEvent();
    MakeTables(3, 50);
    Guest("", "Levi", 2, 1);     // family name only: not "Dana Levi"
    Guest("Dana", "Levi", 2, 1); // the restricted one
    Guest("dana", "levi", 2, 1); // another case: not the same name
    CGuest* moving = Guest("Moshe", "Cohen", 2);
    moving->AddRestricted("Dana Levi", false);

    Clear();
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(CanSeatGuest(*m_doc, moving, m_doc->GetTableAt(1)));
    ASSERT_EQ(m_prompt.Asked().size(), 1u) << "asked about Dana Levi only";
    EXPECT_EQ(m_prompt.Asked()[0].text,
              "The guests 'Moshe Cohen' can not seat\r\nwith these guests 'Dana Levi'.\r\nDo you "
              "still want to move these guests to this table?\r\n\r\nYou can change the "
              "restricted list in the guest additional details.");
    EXPECT_EQ(m_prompt.Asked()[0].caption, "There is a problem with this guest seating");
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);

    Clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(CanSeatGuest(*m_doc, moving, m_doc->GetTableAt(1)));
    EXPECT_EQ(m_prompt.Asked().size(), 1u);

    // A seated guest whose own list names the moving guest does not object.
    CGuest* seated = Guest("Avi", "Ron", 2, 2);
    seated->AddRestricted("Moshe Cohen", false);
    Clear();
    EXPECT_TRUE(CanSeatGuest(*m_doc, moving, m_doc->GetTableAt(2)));
    EXPECT_TRUE(m_prompt.Asked().empty());

    // The unseated table never objects.
    moving->SetTable(1);
    m_doc->GetGuestAt(1)->SetTable(0);
    Clear();
    EXPECT_TRUE(CanSeatGuest(*m_doc, moving, m_doc->GetTableAt(0)));
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_P(SeatingRulesTest, RestrictionThenCapacityBothAsk)
{
    OpenEvent();
    MakeTables(2, 4);
    Guest("Dana", "Levi", 3, 1);
    CGuest* moving = Guest("Moshe", "Cohen", 2);
    moving->AddRestricted("Dana Levi", false);
    Clear();
    m_prompt.Answer(EAnswer::Yes);
    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_FALSE(CanSeatGuest(*m_doc, moving, m_doc->GetTableAt(1)));
    ASSERT_EQ(m_prompt.Asked().size(), 2u);
    EXPECT_EQ(m_prompt.Asked()[1].buttons, EButtons::YesNoCancel);
    EXPECT_EQ(m_doc->GetTableAt(1)->GetSeats(), 4);
}

TEST_P(SeatingRulesTest, CountsAndGuestLists)
{
    OpenEvent();
    MakeTables(3);
    CGuest* a = Guest("Zed", "", 2, 1);
    a->SetInvitedCount(3);
    a->SetArrivedCount(1);
    CGuest* b = Guest("Amos", "Levi", 0, 1);
    b->SetInvitedCount(1);
    CGuest* c = Guest("amos", "Levi", 4, 1);
    CGuest* d = Guest("Amos", "Levi", 1, 1);         // same full name as b: shown once, b first
    CGuest* e = Guest("\xD7\x90\xD7\x91", "", 1, 1); // Hebrew letters sort after Latin ones
    c->SetArrivedCount(2);

    EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountPlanned), 3 + 1 + 2 + 2 + 2);
    EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountComing), 8);
    EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountArrived), 3);
    EXPECT_EQ(m_doc->CountAtTable(1, 7), 0) << "no such mode";
    EXPECT_EQ(m_doc->CountLinesAtTable(1), 5);
    EXPECT_EQ(m_doc->CountAtTable(2, IRecordOwner::kCountComing), 0);
    EXPECT_EQ(m_doc->CountAtTable(-3, IRecordOwner::kCountComing), 0);

    EXPECT_EQ(NamesAt(1), (std::vector<std::string>{"Zed", "Amos Levi", "amos Levi", "Amos Levi",
                                                    e->GetName()}));
    std::vector<CGuest*> sorted;
    m_doc->GetGuestsAtTable(1, sorted, true);
    EXPECT_EQ(sorted, (std::vector<CGuest*>{b, a, c, e}));
    EXPECT_EQ(m_doc->GetTableAt(1)->GetGuests(sorted, false), 5) << "appends";
    EXPECT_EQ(sorted.size(), 9u);
    (void)d;

    EXPECT_TRUE(m_doc->TableHasGuests(1, true));
    EXPECT_FALSE(m_doc->TableHasGuests(2, false));
    Guest("Nobody", "", 0, 2);
    EXPECT_TRUE(m_doc->TableHasGuests(2, false));
    EXPECT_FALSE(m_doc->TableHasGuests(2, true)) << "a line of nobody has no people";
    EXPECT_FALSE(m_doc->GetTableAt(2)->HasComingGuests());
}

TEST_P(SeatingRulesTest, CountsFollowEveryChange)
{
    OpenEvent();
    MakeTables(3);
    CGuest* a = Guest("A", "", 2, 1);
    EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountComing), 2);
    a->SetComingCount(5);
    EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountComing), 5);
    a->SetTable(2);
    EXPECT_EQ(m_doc->CountAtTable(1, IRecordOwner::kCountComing), 0);
    EXPECT_EQ(m_doc->CountLinesAtTable(2), 1);
    a->SetArrivedCount(3);
    EXPECT_EQ(m_doc->CountAtTable(2, IRecordOwner::kCountArrived), 3);
    a->SetName("B");
    EXPECT_EQ(NamesAt(2, true), std::vector<std::string>{"B"});
    CGuest* b = Guest("C", "", 1, 2);
    EXPECT_EQ(m_doc->CountLinesAtTable(2), 2);
    m_doc->RemoveGuest(b);
    EXPECT_EQ(m_doc->CountLinesAtTable(2), 1);
    m_doc->ClearAll();
    EXPECT_EQ(m_doc->CountLinesAtTable(2), 0) << "no guest left, and no pointer kept";
}

TEST_P(SeatingRulesTest, TheIndexAnswersAsTheWalkDoes)
{
    OpenEvent();
    MakeTables(8);
    std::mt19937 random(7);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 60; ++i)
        Guest("G" + std::to_string(pick(20)), pick(2) ? "X" : "", pick(6), pick(9) - 1);

    auto snapshot = [&]
    {
        std::vector<std::string> facts;
        for (int id = -1; id <= 8; ++id)
        {
            std::string fact = std::to_string(id);
            for (int mode = 0; mode < 3; ++mode)
                fact += " " + std::to_string(m_doc->CountAtTable(id, mode));
            fact += " " + std::to_string(m_doc->CountLinesAtTable(id));
            fact += m_doc->TableHasGuests(id, true) ? " P" : " -";
            fact += m_doc->TableHasGuests(id, false) ? "L" : "-";
            std::vector<CGuest*> lists;
            m_doc->GetGuestsAtTable(id, lists, false);
            m_doc->GetGuestsAtTable(id, lists, true);
            for (const CGuest* guest : lists)
                fact += " " + std::to_string(guest->GetSerial());
            facts.push_back(fact);
        }
        return facts;
    };
    for (int round = 0; round < 40; ++round)
    {
        CGuest* guest = m_doc->GetGuestAt(pick(m_doc->GetGuestCount()));
        switch (pick(5))
        {
        case 0:
            guest->SetTable(static_cast<std::int16_t>(pick(8)));
            break;
        case 1:
            guest->SetComingCount(pick(7));
            break;
        case 2:
            guest->SetInvitedCount(pick(7));
            break;
        case 3:
            m_doc->MoveGuestsBetweenTables(pick(8), pick(8));
            break;
        case 4:
            m_doc->SwapTables(m_doc->GetTableAt(1 + pick(7)), m_doc->GetTableAt(1 + pick(7)));
        }
        const auto answers = snapshot();
        m_doc->UseSeatingIndex(!GetParam());
        ASSERT_EQ(snapshot(), answers) << "round " << round;
        m_doc->UseSeatingIndex(GetParam());
    }
}

TEST_P(SeatingRulesTest, DeletingRenumbersTheLaterTables)
{
    OpenEvent();
    MakeTables(6);
    for (int id = 0; id <= 5; ++id)
        Guest("At", std::to_string(id), 1, id);
    CTable* doomed = m_doc->GetTableAt(2);
    Clear();
    ASSERT_TRUE(m_doc->DeleteTable(doomed));
    ASSERT_FALSE(m_spy.hints.empty());
    EXPECT_EQ(m_spy.hints[0].hint, HINT_TABLE_DELETING) << "views drop the table first";
    EXPECT_EQ(m_spy.hints[0].record, doomed);
    EXPECT_TRUE(m_doc->IsDataChanged());

    EXPECT_EQ(TableNames(), (std::vector<std::string>{"Unseated Guests", "T1", "T3", "T4", "T5"}));
    for (int i = 0; i < m_doc->GetTableCount(); ++i)
        EXPECT_EQ(m_doc->GetTableAt(i)->GetId(), i);
    EXPECT_EQ(NamesAt(0), (std::vector<std::string>{"At 0", "At 2"}));
    EXPECT_EQ(NamesAt(1), std::vector<std::string>{"At 1"});
    EXPECT_EQ(NamesAt(2), std::vector<std::string>{"At 3"});
    EXPECT_EQ(NamesAt(3), std::vector<std::string>{"At 4"});
    EXPECT_EQ(NamesAt(4), std::vector<std::string>{"At 5"});

    Clear();
    EXPECT_FALSE(m_doc->DeleteTable(m_doc->GetTableAt(0))) << "the unseated table stays";
    EXPECT_FALSE(m_doc->DeleteTable(nullptr));
    CTable stranger(nullptr, 3);
    EXPECT_FALSE(m_doc->DeleteTable(&stranger));
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_FALSE(m_doc->IsDataChanged());
    EXPECT_EQ(m_doc->GetTableCount(), 5);
}

TEST_P(SeatingRulesTest, TheUsersDeleteAsksOnlyWhenPeopleSit)
{
    OpenEvent();
    MakeTables(4);
    Guest("Nobody", "", 0, 1);
    Guest("Two", "", 2, 2);

    Clear();
    EXPECT_TRUE(DeleteTableWithQuestion(*m_doc, m_doc->GetTableAt(1))) << "a line of nobody";
    EXPECT_TRUE(m_prompt.Asked().empty());
    EXPECT_EQ(m_doc->GetTableCount(), 3);

    Clear();
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(DeleteTableWithQuestion(*m_doc, m_doc->GetTableAt(1)));
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].text, LoadString(IDS_DELETE_TABLE_QUESTION));
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Deletion");
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_EQ(m_doc->GetTableCount(), 3);

    Clear();
    m_prompt.Answer(EAnswer::Yes);
    CTable* table = m_doc->GetTableAt(1);
    EXPECT_TRUE(DeleteTableWithQuestion(*m_doc, table));
    EXPECT_EQ(m_spy.Count(HINT_TABLE_DELETING), 1);
    EXPECT_EQ(m_spy.hints[0].record, table);
    EXPECT_EQ(m_doc->CountAtTable(0, IRecordOwner::kCountComing), 2);

    Clear();
    EXPECT_FALSE(DeleteTableWithQuestion(*m_doc, m_doc->GetTableAt(0)));
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_P(SeatingRulesTest, SwappingAndMovingTables)
{
    OpenEvent();
    MakeTables(6);
    for (int id = 1; id <= 5; ++id)
    {
        m_doc->GetTableAt(id)->SetSeats(10 + id);
        m_doc->GetTableAt(id)->SetInfo("info " + std::to_string(id));
        m_doc->GetTableAt(id)->SetColour(id);
        Guest("At", std::to_string(id), 1, id);
        Guest("Also at", std::to_string(id), 1, id);
    }
    // What travels with a table: name, info, place, seats and guests; id and colour stay.
    auto state = [&]
    {
        std::vector<std::string> rows;
        for (const auto& table : m_doc->GetTables())
        {
            std::string row = table->GetName() + " " + table->GetInfo() + " " +
                              std::to_string(table->GetHallNumber()) + " " +
                              std::to_string(table->GetSeats()) + ":";
            for (const std::string& name : NamesAt(table->GetId()))
                row += " " + name;
            rows.push_back(row);
        }
        return rows;
    };
    auto idsAndColours = [&]
    {
        std::vector<int> values;
        for (const auto& table : m_doc->GetTables())
            values.insert(values.end(), {table->GetId(), table->GetColour()});
        return values;
    };
    const auto original = state();
    const auto fixed = idsAndColours();

    Clear();
    ASSERT_TRUE(m_doc->SwapTables(m_doc->GetTableAt(2), m_doc->GetTableAt(4)));
    EXPECT_TRUE(m_doc->IsDataChanged());
    const auto swapped = state();
    EXPECT_EQ(swapped[2], "T4 info 4 4 14: At 4 Also at 4");
    EXPECT_EQ(swapped[4], "T2 info 2 2 12: At 2 Also at 2");
    EXPECT_EQ(idsAndColours(), fixed);
    EXPECT_EQ(m_spy.Count(HINT_RECORD_CHANGED), 4 + 2) << "four guests, two tables";
    ASSERT_TRUE(m_doc->SwapTables(m_doc->GetTableAt(4), m_doc->GetTableAt(2)));
    EXPECT_EQ(state(), original);

    EXPECT_FALSE(m_doc->SwapTables(m_doc->GetTableAt(0), m_doc->GetTableAt(1)));
    EXPECT_FALSE(m_doc->SwapTables(m_doc->GetTableAt(1), m_doc->GetTableAt(1)));
    EXPECT_FALSE(m_doc->SwapTables(m_doc->GetTableAt(1), nullptr));

    // A move is the successive swaps on the way; undoing those swaps in reverse restores all.
    for (auto [from, to] : {std::pair{1, 4}, std::pair{5, 2}, std::pair{3, 4}})
    {
        ASSERT_TRUE(m_doc->MoveTable(from, to));
        const auto moved = state();
        EXPECT_EQ(moved[static_cast<std::size_t>(to)], original[static_cast<std::size_t>(from)]);
        EXPECT_EQ(idsAndColours(), fixed);
        const int step = from < to ? -1 : 1;
        for (int at = to; at != from; at += step)
            EXPECT_EQ(moved[static_cast<std::size_t>(at + step)],
                      original[static_cast<std::size_t>(at)])
                << "the tables between move one place towards " << from;
        for (int at = to; at != from; at += step)
            m_doc->SwapTables(m_doc->GetTableAt(at), m_doc->GetTableAt(at + step));
        EXPECT_EQ(state(), original) << from << " -> " << to;
    }
    EXPECT_TRUE(m_doc->MoveTable(3, 3));
    EXPECT_FALSE(m_doc->MoveTable(0, 3));
    EXPECT_FALSE(m_doc->MoveTable(2, 6));
    EXPECT_EQ(state(), original);
}

TEST_P(SeatingRulesTest, PlacesInTheHall)
{
    OpenEvent();
    MakeTables(1);
    m_doc->CreateTable("A", 1, 10);
    m_doc->CreateTable("B", 2, 10);
    m_doc->CreateTable("C", 4, 10);
    EXPECT_EQ(m_doc->NextFreeHallNumber(), 3);
    m_doc->GetSettings().SetGuestsPerTable(12);
    Clear();
    CTable* d = m_doc->CreateTable("D");
    EXPECT_EQ(d->GetHallNumber(), 3);
    EXPECT_EQ(d->GetSeats(), 12) << "the size of the event's setting";
    EXPECT_EQ(m_doc->NextFreeHallNumber(), 5);
    EXPECT_TRUE(m_doc->IsDataChanged());
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_TABLE_CREATED);
    EXPECT_EQ(m_spy.hints[0].record, d);

    int id = 0;
    std::string name;
    EXPECT_FALSE(m_doc->IsHallNumberFree(4, &id, &name));
    EXPECT_EQ(id, 3);
    EXPECT_EQ(name, "C");
    EXPECT_TRUE(m_doc->IsHallNumberFree(0));
    EXPECT_TRUE(m_doc->IsHallNumberFree(9));
    EXPECT_EQ(m_doc->FindTableByHallNumber(2)->GetName(), "B");
    EXPECT_EQ(m_doc->FindTableByHallNumber(9), nullptr);
    EXPECT_EQ(m_doc->HallNumberOfTable(3), 4);
    EXPECT_EQ(m_doc->HallNumberOfTable(0), 0);
    EXPECT_EQ(m_doc->HallNumberOfTable(17), 0);
    EXPECT_EQ(m_doc->FindTableById(4), d);
    EXPECT_EQ(m_doc->FindTableById(5), nullptr);
    EXPECT_EQ(m_doc->GetTableAt(5), nullptr);
    EXPECT_EQ(m_doc->GetTableAt(-1), nullptr);
}

TEST_P(SeatingRulesTest, NoTableBeyondWhatAGuestCanCarry)
{
    OpenEvent();
    while (m_doc->GetTableCount() < 32768)
        ASSERT_NE(m_doc->CreateTable("t", 0, 1), nullptr);
    EXPECT_EQ(m_doc->GetTableAt(32767)->GetId(), 32767);
    Clear();
    EXPECT_EQ(m_doc->CreateTable("one too many", 0, 1), nullptr);
    EXPECT_EQ(m_doc->GetTableCount(), 32768);
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_FALSE(m_doc->IsDataChanged());
}

TEST_P(SeatingRulesTest, MovingGuestsBetweenTables)
{
    OpenEvent();
    MakeTables(3);
    Guest("A", "", 1, 1);
    Guest("B", "", 1, 2);
    Guest("C", "", 1, 1);
    Clear();
    m_doc->MoveGuestsBetweenTables(1, 2);
    EXPECT_EQ(NamesAt(2), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(m_spy.Count(HINT_RECORD_CHANGED), 2);
    EXPECT_TRUE(m_doc->IsDataChanged());
}

TEST_P(SeatingRulesTest, TableForAGroup)
{
    OpenEvent();
    CGroup* friends = m_doc->AddGroup("Friends");
    CGroup* family = m_doc->AddGroup("Family");
    Guest("A", "", 4, 0, "Friends");
    Guest("X", "", 3, 0, "Family");
    Guest("B", "", 4, 0, "Friends");
    Guest("S", "", 4, 1, "Friends"); // seated already
    Guest("C", "", 4, 0, "Friends");
    Guest("D", "", 4, 0, "Friends"); // beyond the limit
    Clear();
    EXPECT_EQ(AddTableForGroup(*m_doc, friends), 12);
    CTable* table = m_doc->GetTableAt(2);
    EXPECT_EQ(table->GetName(), "Friends");
    EXPECT_EQ(table->GetSeats(), 10);
    EXPECT_EQ(table->GetHallNumber(), 2);
    EXPECT_EQ(NamesAt(2), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(m_spy.hints[0].hint, HINT_TABLE_CREATED);
    EXPECT_EQ(m_doc->CountAtTable(0, IRecordOwner::kCountComing), 3 + 4);

    EXPECT_EQ(AddTableForGroup(*m_doc, nullptr), -1);
    m_doc->GetGuestAt(1)->SetTable(1);
    m_doc->GetGuestAt(5)->SetTable(1);
    const int tables = m_doc->GetTableCount();
    EXPECT_EQ(AddTableForGroup(*m_doc, family), -1) << "nobody is unseated";
    EXPECT_EQ(m_doc->GetTableCount(), tables + 1) << "the new table stays, empty";
    EXPECT_EQ(m_doc->GetTableAt(tables)->GetName(), "Family");
}
