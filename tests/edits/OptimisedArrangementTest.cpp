// Carrying out an optimised plan on the document: which tables stay, how new ones are named and
// placed, that locked lines keep their seats, what the views are told, and that a plan for an
// event that has changed since is refused.

#include "EditsFixture.h"
#include "edits/TableEdits.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "seating/SeatingOptimiser.h"
#include "seating/SeatingProblem.h"

#include <gtest/gtest.h>

class OptimisedArrangementTest : public CEditsFixture
{
protected:
    CGuest* Line(const std::string& name, int people, const std::string& group, int table = 0)
    {
        CGuest* guest = m_doc->AddGuest(name, "");
        guest->SetComingCount(people);
        guest->SetGroupName(group);
        guest->SetTable(static_cast<std::int16_t>(table));
        return guest;
    }

    SSeatingPlan Plan(const CSeatingProblem& problem)
    {
        SOptimiserOptions options;
        options.iterations = 200;
        return CSeatingOptimiser(problem, options).Run();
    }

    std::vector<std::string> TableNames() const
    {
        std::vector<std::string> names;
        for (const auto& table : m_doc->GetTables())
            names.push_back(table->GetName());
        return names;
    }
};

TEST_F(OptimisedArrangementTest, UsingTheTablesThereAreAndNamingNewOnes)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddGroup("Friends");
    doc.AddGroup("Family");
    doc.CreateTable("Friends - 0", 5, 4); // the name a new table of Friends would take first
    CGuest* dana = Line("Dana", 4, "Friends");
    CGuest* avi = Line("Avi", 3, "Friends");
    CGuest* ron = Line("Ron", 5, "Family", 1);
    CGuest* lone = Line("Lone", 1, "");
    ron->SetSeatLocked(true); // over the table's four seats, by the user's choice

    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, false);
    const SSeatingPlan plan = Plan(problem);
    ASSERT_TRUE(plan.conflicts.empty());
    Clear();
    ASSERT_TRUE(Edits::ApplySeatingPlan(doc, problem, plan, &m_sender));

    EXPECT_EQ(ron->GetTable(), 1);
    EXPECT_EQ(dana->GetTable(), avi->GetTable()) << "7 people of one group at a table of ten";
    EXPECT_EQ(TableNames(),
              (std::vector<std::string>{"Unseated Guests", "Friends - 0", "Friends - 1"}));
    EXPECT_EQ(dana->GetTable(), 2);
    EXPECT_EQ(lone->GetTable(), 2) << "the one of no group fills the friends' table";
    const CTable* added = doc.GetTableAt(2);
    EXPECT_EQ(added->GetSeats(), doc.GetSettings().GetGuestsPerTable());
    EXPECT_EQ(added->GetHallNumber(), 1) << "the first free place";

    EXPECT_EQ(m_spy.Count(HINT_TABLES_REMOVING), 0);
    EXPECT_EQ(m_spy.Count(HINT_TABLE_CREATED), 1);
    EXPECT_EQ(m_spy.hints.back().hint, HINT_ARRANGEMENT_DONE);
    EXPECT_TRUE(m_sender.hints.empty() || m_sender.Count(HINT_ARRANGEMENT_DONE) == 0);
    EXPECT_TRUE(m_prompt.Asked().empty()) << "the plan was accepted already";
}

TEST_F(OptimisedArrangementTest, ARebuildKeepsOnlyTheTablesOfLockedLines)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddGroup("Work");
    doc.CreateTable("Old", 1, 10);
    CTable* stage = doc.CreateTable("Stage", 2, 6);
    doc.CreateTable("Back", 3, 10);
    CGuest* boss = Line("Boss", 2, "Work", 2);
    boss->SetSeatLocked(true);
    CGuest* clerk = Line("Clerk", 2, "Work", 3);
    CGuest* nobody = Line("Nobody", 1, "", 0);
    nobody->SetSeatLocked(true);
    std::vector<CGuest*> many;
    for (int i = 0; i < 6; ++i)
        many.push_back(Line("Many" + std::to_string(i), 2, "Work", 1));

    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, true);
    ASSERT_EQ(problem.TableCount(), 1);
    const SSeatingPlan plan = Plan(problem);
    Clear();
    ASSERT_TRUE(Edits::ApplySeatingPlan(doc, problem, plan, &m_sender));

    EXPECT_EQ(doc.GetTableAt(1), stage) << "kept, and moved up to id 1";
    EXPECT_EQ(boss->GetTable(), 1);
    EXPECT_EQ(nobody->GetTable(), 0) << "a locked unseated line stays unseated";
    EXPECT_EQ(TableNames(), (std::vector<std::string>{"Unseated Guests", "Stage", "Work - 0"}));
    // 16 people of Work: 4 more at the stage (6 seats), 10 at one new table.
    EXPECT_EQ(doc.CountAtTable(1, IRecordOwner::kCountComing), 6);
    EXPECT_EQ(doc.CountAtTable(2, IRecordOwner::kCountComing), 10);
    EXPECT_NE(clerk->GetTable(), 0);
    EXPECT_EQ(m_spy.hints.front().hint, HINT_TABLES_REMOVING);
    EXPECT_EQ(m_spy.hints.back().hint, HINT_ARRANGEMENT_DONE);
    EXPECT_EQ(m_spy.Count(HINT_TABLE_DELETING), 0) << "HINT_TABLES_REMOVING covers them";
}

TEST_F(OptimisedArrangementTest, APlanForAnEventThatChangedSinceIsRefused)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddGroup("Friends");
    Line("Dana", 2, "Friends");
    CGuest* avi = Line("Avi", 2, "Friends");
    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, true);
    const SSeatingPlan plan = Plan(problem);

    avi->SetComingCount(3);
    Clear();
    doc.SetDataChanged(false);
    const int tables = doc.GetTableCount();
    EXPECT_FALSE(Edits::ApplySeatingPlan(doc, problem, plan, &m_sender));
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_FALSE(doc.IsDataChanged());
    EXPECT_EQ(doc.GetTableCount(), tables);

    // A plan that does not belong to the problem is refused too.
    const CSeatingProblem current = CSeatingProblem::FromDocument(doc, true);
    SSeatingPlan wrong = Plan(current);
    wrong.seat[0] = 7;
    EXPECT_FALSE(Edits::ApplySeatingPlan(doc, current, wrong, &m_sender));
    EXPECT_TRUE(Edits::ApplySeatingPlan(doc, current, Plan(current), &m_sender));
}
