// The copy of an event the optimised arrangement works on, and the arrangement against the greedy
// "All Guests" on a generated wedding.

#include "seating/SeatingProblem.h"

#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "seating/SeatingOptimiser.h"
#include "seating/TableArrangement.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace
{
constexpr int kUnseated = CSeatingProblem::kUnseated;

class SeatingProblemTest : public CDocFixture
{
protected:
    CGuest* Line(const std::string& first, const std::string& family, int people,
                 const std::string& group = std::string(), int table = 0)
    {
        CGuest* guest = m_doc->AddGuest(first, family);
        guest->SetComingCount(people);
        guest->SetGroupName(group);
        guest->SetTable(static_cast<std::int16_t>(table));
        return guest;
    }

    // For each group, the tables its seated lines sit at.
    static std::map<int, std::set<int>> TablesOfGroups(const CSeatingProblem& problem,
                                                       const std::vector<int>& seat)
    {
        std::map<int, std::set<int>> tables;
        for (int i = 0; i < problem.LineCount(); ++i)
            if (seat[static_cast<std::size_t>(i)] != kUnseated &&
                problem.Line(i).group != CSeatingProblem::kNoGroup)
                tables[problem.Line(i).group].insert(seat[static_cast<std::size_t>(i)]);
        return tables;
    }
};
} // namespace

TEST_F(SeatingProblemTest, TheCopyHoldsWhatTheSearchNeeds)
{
    CNewOrvDoc& doc = Open();
    doc.AddGroup("Friends");
    doc.AddGroup("Family");
    doc.CreateTable("Near", 1, 8);
    doc.CreateTable("Back", 2, 10);
    Line("Dana", "Levi", 4, "Friends", 1);
    Line("Avi", "Cohen", 2, "Cousins", 2);
    Line("Ron", "", -1, "", 7); // a table that does not exist
    Line("Tal", "Or", 2, "Friends", 2)->SetSeatLocked(true);
    Line("Gil", "", 3, "Cousins");

    const CSeatingProblem kept = CSeatingProblem::FromDocument(doc, false);
    ASSERT_EQ(kept.TableCount(), 2);
    EXPECT_EQ(kept.Table(0).tableId, 1);
    EXPECT_EQ(kept.Table(1).seats, 10);
    ASSERT_EQ(kept.GroupCount(), 3);
    EXPECT_EQ(kept.GroupName(2), "Cousins") << "names of no group follow the event's groups";
    EXPECT_EQ(kept.Line(1).group, 2);
    EXPECT_EQ(kept.Line(4).group, 2);
    EXPECT_EQ(kept.Line(2).group, CSeatingProblem::kNoGroup);
    EXPECT_EQ(kept.Line(2).people, 0);
    EXPECT_EQ(kept.CurrentSeating(), (std::vector<int>{0, 1, kUnseated, 1, kUnseated}));
    EXPECT_EQ(kept.DefaultSeats(), doc.GetSettings().GetGuestsPerTable());
    EXPECT_EQ(kept.MaxNewTables(), 32767 - 2);
    EXPECT_FALSE(kept.Rebuilds());

    // Rebuilding keeps only Back, where Tal is locked.
    const CSeatingProblem rebuilt = CSeatingProblem::FromDocument(doc, true);
    ASSERT_EQ(rebuilt.TableCount(), 1);
    EXPECT_EQ(rebuilt.Table(0).tableId, 2);
    EXPECT_EQ(rebuilt.CurrentSeating(), (std::vector<int>{kUnseated, 0, kUnseated, 0, kUnseated}));
    EXPECT_TRUE(rebuilt.Rebuilds());

    EXPECT_TRUE(rebuilt.IsCurrentFor(doc));
    doc.GetGuestAt(0)->SetComingCount(5);
    EXPECT_FALSE(rebuilt.IsCurrentFor(doc));
}

TEST_F(SeatingProblemTest, WhoMustNotMeetAndWhoCanNeverBeSeated)
{
    CNewOrvDoc& doc = Open();
    Line("Dan", "Levi", 2);                                   // 0
    Line("Dan", "Levi", 2);                                   // 1: a namesake
    Line("Noa", "", 2)->AddRestricted("Dan Levi", false);     // 2
    Line("", "Levi", 2);                                      // 3: only the family name
    Line("Self", "Ish", 2)->AddRestricted("Self Ish", false); // 4
    Line("Huge", "", 40);                                     // 5
    CGuest* locked = Line("Big", "Boss", 40, "", 0);          // 6
    locked->SetSeatLocked(true);
    locked->AddRestricted("Big Boss", false);
    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, false);

    EXPECT_TRUE(problem.MustNotMeet(2, 0));
    EXPECT_TRUE(problem.MustNotMeet(0, 2)) << "either list counts";
    EXPECT_TRUE(problem.MustNotMeet(2, 1)) << "every line of the name";
    EXPECT_FALSE(problem.MustNotMeet(0, 1));
    EXPECT_FALSE(problem.MustNotMeet(2, 3)) << "Levi alone is another name";
    EXPECT_FALSE(problem.MustNotMeet(4, 4));
    EXPECT_EQ(problem.Line(4).blocked, ESeatConflict::SelfRestricted);
    EXPECT_EQ(problem.Line(5).blocked, ESeatConflict::TooLarge);
    EXPECT_EQ(problem.Line(6).blocked, ESeatConflict::None) << "a locked line stays as it is";
    EXPECT_EQ(problem.Line(0).blocked, ESeatConflict::None);

    // Two restricted pairs: Noa with each Dan Levi.
    const SPlanSummary summary = problem.Summarise({0, 0, 1, 1, kUnseated, kUnseated, kUnseated});
    EXPECT_EQ(summary.restrictedPairs, 2);
    EXPECT_EQ(summary.restrictionsHonoured, 2);
    EXPECT_EQ(problem.Summarise({0, 1, 1, 1, kUnseated, kUnseated, kUnseated}).restrictionsHonoured,
              1);
    EXPECT_EQ(problem.LinesBreakingRules({0, 1, 1, 1, kUnseated, kUnseated, kUnseated}, 2),
              (std::vector<int>{1, 2}));
    EXPECT_EQ(problem.LinesBreakingRules({0, 0, 1, 1, 1, kUnseated, kUnseated}, 2),
              (std::vector<int>{4}))
        << "a blocked line seated";
    EXPECT_EQ(problem.LinesBreakingRules({0, 0, 1, 1, kUnseated, kUnseated, 1}, 2),
              (std::vector<int>{2, 3, 6}))
        << "a locked line moved, to a table it overfills";
    EXPECT_EQ(problem.LinesBreakingRules({0, 0, 5, 1, kUnseated, kUnseated, kUnseated}, 2),
              (std::vector<int>{2}))
        << "a table that does not exist";
}

// A wedding of 400 lines in 50 groups of 2 to 14 lines, 1 to 4 people each, and 40 restricted
// pairs (some inside a group); tables of ten.
TEST_F(SeatingProblemTest, AgainstAllGuestsNoGroupIsSplitThatDidNotHaveToBe)
{
    CNewOrvDoc& doc = Open();
    std::mt19937 random(20);
    for (int g = 0; g < 50; ++g)
        doc.AddGroup("Group" + std::to_string(g));
    for (int i = 0; i < 400; ++i)
    {
        const int group = i < 100 ? i / 2 : static_cast<int>(random() % 50);
        Line("Guest" + std::to_string(i), "Family" + std::to_string(i % 37),
             1 + static_cast<int>(random() % 4), "Group" + std::to_string(group));
    }
    for (int p = 0; p < 40; ++p)
    {
        CGuest* a = doc.GetGuestAt(static_cast<int>(random() % 400));
        CGuest* b = doc.GetGuestAt(static_cast<int>(random() % 400));
        if (a != b)
            a->AddRestricted(b->GetFullName(), false);
    }

    const CSeatingProblem problem = CSeatingProblem::FromDocument(doc, true);
    SOptimiserOptions options;
    options.iterations = 300;
    const SSeatingPlan plan = CSeatingOptimiser(problem, options).Run();
    EXPECT_TRUE(plan.conflicts.empty()) << "every line fits a table of ten";
    EXPECT_EQ(plan.summary.restrictionsHonoured, plan.summary.restrictedPairs);

    // Groups a restricted pair inside must split.
    std::set<int> forced;
    for (int i = 0; i < problem.LineCount(); ++i)
        for (int j = i + 1; j < problem.LineCount(); ++j)
            if (problem.Line(i).group == problem.Line(j).group && problem.MustNotMeet(i, j))
                forced.insert(problem.Line(i).group);

    m_prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(ArrangeAllGuests(doc));
    const CSeatingProblem greedy = CSeatingProblem::FromDocument(doc, false);
    const auto greedyTables = TablesOfGroups(greedy, greedy.CurrentSeating());
    int greedySplit = 0;
    for (const auto& [group, tables] : TablesOfGroups(problem, plan.seat))
    {
        const bool greedySplitIt = greedyTables.at(group).size() > 1;
        greedySplit += greedySplitIt ? 1 : 0;
        if (tables.size() > 1)
        {
            EXPECT_TRUE(greedySplitIt || forced.count(group) != 0) << "group " << group;
        }
        EXPECT_LE(tables.size(), greedyTables.at(group).size()) << "group " << group;
    }
    EXPECT_GT(greedySplit, 0) << "some groups are larger than a table";
    EXPECT_LT(plan.summary.tablesUsed, greedy.Summarise(greedy.CurrentSeating()).tablesUsed)
        << "small groups share tables";
}
