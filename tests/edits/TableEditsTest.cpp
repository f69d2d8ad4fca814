#include "edits/TableEdits.h"

#include "EditsFixture.h"
#include "model/Table.h"

#include <gtest/gtest.h>

class TableEditsTest : public CEditsFixture
{
};

TEST_F(TableEditsTest, ATypedNameIsCutThenTrimmedAsTheDialogDoes)
{
    CNewOrvDoc& doc = OpenEvent();
    const std::pair<std::string, std::string> names[] = {
        {"  Family  ", "Family"},
        {"", "Not mapped"},
        {" \t ", "Not mapped"},
        {std::string(30, 'x'), std::string(25, 'x')},
        {std::string(24, 'x') + " yz", std::string(24, 'x')}, // cut to 25, then the blank goes
        {"שולחן משפחת כהן והחברים מהעבודה", "שולחן משפחת כהן והחברים מ"}, // characters, not bytes
    };
    for (const auto& [typed, stored] : names)
    {
        CTable* table = Edits::CreateTable(doc, typed, -1, -1);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->GetName(), stored) << typed;
    }
}

TEST_F(TableEditsTest, EditingAnnouncesAChangeAndSparesTheUnseatedTable)
{
    CNewOrvDoc& doc = OpenEvent();
    CTable* family = doc.CreateTable("Family", 1, 10);
    doc.CreateTable("Work", 2, 10);

    Clear();
    EXPECT_FALSE(Edits::ReportHallNumberTaken(doc, 1, family)) << "its own place";
    EXPECT_TRUE(Edits::ReportHallNumberTaken(doc, 2, family));
    EXPECT_NE(m_prompt.Asked().at(0).text.find("Work"), std::string::npos);

    Clear();
    EXPECT_FALSE(Edits::EditTable(doc, family, "Family", 1, 10, &m_sender));
    EXPECT_TRUE(Edits::EditTable(doc, family, " Family ", 3, 12, &m_sender));
    EXPECT_EQ(family->GetHallNumber(), 3);
    EXPECT_EQ(family->GetSeats(), 12);
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].record, family);
    EXPECT_TRUE(m_sender.hints.empty());
    EXPECT_FALSE(Edits::EditTable(doc, doc.GetTableAt(0), "Mine", 5, 5, &m_sender));
}

TEST_F(TableEditsTest, TheTableSetupAnnouncesEachDisplayChoiceThatChanged)
{
    CNewOrvDoc& doc = OpenEvent();
    Edits::STableSetup setup = Edits::GetTableSetup(doc);
    Clear();
    setup.seats = 14; // no view shows it
    Edits::SetTableSetup(doc, setup, &m_sender);
    EXPECT_TRUE(m_spy.hints.empty());
    setup.byHallNumber = !setup.byHallNumber;
    setup.showId = !setup.showId;
    Edits::SetTableSetup(doc, setup, &m_sender);
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_RECORD_CHANGED, HINT_RECORD_CHANGED}));
    const Edits::STableSetup stored = Edits::GetTableSetup(doc);
    EXPECT_EQ(stored.seats, 14);
    EXPECT_EQ(stored.byHallNumber, setup.byHallNumber);
    EXPECT_EQ(stored.showId, setup.showId);
}
