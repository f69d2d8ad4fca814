#include "seating/SeatingBoard.h"

#include "seating/SeatingTestSupport.h"

class SeatingBoardTest : public CSeatingFixture
{
protected:
    std::vector<std::string> CellNames()
    {
        std::vector<std::string> names;
        for (const CTable* table : CSeatingBoard(*m_doc).CellTables())
            names.push_back(table->GetName());
        return names;
    }
    std::vector<std::string> Lines(int tableId)
    {
        const CSeatingBoard board(*m_doc);
        std::vector<std::string> lines;
        const auto guests = board.CellGuests(*m_doc->GetTableAt(tableId));
        for (std::size_t i = 0; i < guests.size(); ++i)
            lines.push_back(board.GuestLineText(*guests[i], static_cast<int>(i) + 1));
        return lines;
    }
};

INSTANTIATE_TEST_SUITE_P(Both, SeatingBoardTest, ::testing::Bool(), IndexMode);

TEST_P(SeatingBoardTest, CellsFollowTheCollectionOrTheHallPlaces)
{
    OpenEvent();
    MakeTables(4);
    m_doc->GetTableAt(1)->SetHallNumber(3);
    m_doc->GetTableAt(2)->SetHallNumber(1);
    m_doc->GetTableAt(3)->SetHallNumber(2);
    const std::string unseated = m_doc->GetTableAt(0)->GetName();
    EXPECT_EQ(CellNames(), (std::vector<std::string>{unseated, "T1", "T2", "T3"}));

    m_doc->GetSettings().SetArrangeTablesByHallNumber(true);
    EXPECT_EQ(CellNames(), (std::vector<std::string>{unseated, "T2", "T3", "T1"}))
        << "places 3, 1, 2 show as 1, 2, 3";

    // Places a file may hold though the dialog never gives them: every table keeps a cell.
    m_doc->CreateTable("Far", 1500, 10);
    m_doc->CreateTable("Twin", 2, 10);
    m_doc->CreateTable("Below", -4, 10);
    EXPECT_EQ(CellNames(),
              (std::vector<std::string>{unseated, "T2", "T3", "Twin", "T1", "Far", "Below"}));
    const auto cells = CSeatingBoard(*m_doc).CellTables();
    EXPECT_EQ(CSeatingBoard::CellOf(cells, m_doc->GetTableAt(1)), 4);
    EXPECT_EQ(CSeatingBoard::CellOf(cells, nullptr), -1);
}

TEST_P(SeatingBoardTest, ACellListsEveryLineByName)
{
    OpenEvent();
    MakeTables(2, 20);
    Guest("Noa", "Levi", 2, 1);
    Guest("Dan", "Cohen", 1, 1);
    Guest("Noa", "Levi", 3, 1); // a second line of the same name is a guest too
    Guest("Avi", "Bar", 0, 1);
    Guest("Zvi", "Alon", 4, 0);
    EXPECT_EQ(Lines(1),
              (std::vector<std::string>{"Avi Bar 0", "Dan Cohen 1", "Noa Levi 2", "Noa Levi 3"}));

    m_doc->GetSettings().SetKeySetting("ShowSerial", "1");
    EXPECT_EQ(Lines(1).at(2), "3. Noa Levi 2");
    m_doc->GetSettings().SetDontShowNonComing(true);
    EXPECT_EQ(Lines(1),
              (std::vector<std::string>{"1. Dan Cohen 1", "2. Noa Levi 2", "3. Noa Levi 3"}));
    EXPECT_EQ(Lines(0), (std::vector<std::string>{"1. Zvi Alon 4"}));

    const CSeatingBoard board(*m_doc);
    EXPECT_EQ(board.SeatLine(*m_doc->GetTableAt(1)), "6 out of 20 seats");
    EXPECT_EQ(board.SeatLine(*m_doc->GetTableAt(0)), "") << "the unseated table has no seats";
    EXPECT_EQ(board.Caption(*m_doc->GetTableAt(1)), "Table 1 (1)");
}

TEST_P(SeatingBoardTest, SearchFindsGuestsAndTablesAroundTheEnds)
{
    OpenEvent();
    MakeTables(3);
    m_doc->GetTableAt(2)->SetName("Work friends");
    Guest("Dana", "Levi", 1, 1);
    Guest("Dan", "Cohen", 1, 2);
    Guest("Yael", "Dan", 1, 0);
    const CSeatingBoard board(*m_doc);
    const auto cells = board.CellTables();
    using P = CSeatingBoard::SPosition;

    // Cells: 0 unseated (Yael Dan), 1 T1 (Dana Levi), 2 Work friends (Dan Cohen).
    EXPECT_EQ(board.FindNext(cells, "DAN", "", P{}, false), (P{0, 0})) << "any part, any case";
    EXPECT_EQ(board.FindNext(cells, "dan", "", P{0, 0}, false), (P{1, 0}));
    EXPECT_EQ(board.FindNext(cells, "dan", "", P{2, 0}, false), (P{0, 0})) << "around the end";
    EXPECT_EQ(board.FindNext(cells, "dan", "", P{0, 0}, true), (P{2, 0}));
    EXPECT_EQ(board.FindNext(cells, "dan", "work", P{}, false), (P{2, 0}));
    EXPECT_EQ(board.FindNext(cells, "", "WORK", P{}, false), (P{2, -1}));
    EXPECT_EQ(board.FindNext(cells, "", "T1", P{1, -1}, false), (P{1, -1})) << "itself last";
    EXPECT_EQ(board.FindNext(cells, "Moshe", "", P{}, false).cell, -1);
    EXPECT_EQ(board.FindNext(cells, "  ", "", P{}, false).cell, -1);
}
