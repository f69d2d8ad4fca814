#pragma once

#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;
class CTable;

// The seating board (the graphic seating view) over a document: which tables get a cell, in
// which order, and what each cell shows; and the search through the cells. The board holds
// nothing of its own: every answer is read from the records as they are.
class CSeatingBoard
{
public:
    // Places in the hall from 0 to kLastOrderedPlace order the cells when the event arranges
    // tables by their place; a table with a place outside that range comes after them.
    static constexpr int kLastOrderedPlace = 999;

    explicit CSeatingBoard(CNewOrvDoc& doc);

    // One table per cell. By the table collection (the unseated table first), or, with
    // "ArrangeTableByHallNumber", ascending by place in the hall; tables that share a place keep
    // their collection order, and tables whose place is outside 0..kLastOrderedPlace follow in
    // collection order, so no table is ever left without a cell.
    std::vector<CTable*> CellTables() const;
    // The cell of the table; -1 when it has none.
    static int CellOf(const std::vector<CTable*>& cells, const CTable* table);

    // The guest lines of a cell: every line at the table, ascending by full name in byte order,
    // lines with equal full names each in guest-list order (two guests of the same name are both
    // shown). With "DontShowNonComming" the lines whose coming count is below 1 are left out.
    std::vector<CGuest*> CellGuests(const CTable& table) const;

    // "3. Dana Levi 2" with "ShowSerial" "1" (position counted from 1), else "Dana Levi 2".
    std::string GuestLineText(const CGuest& guest, int position) const;
    // "8 out of 10 seats" (coming people, seats); empty for the unseated table.
    std::string SeatLine(const CTable& table) const;
    // "Table 4 (12)": the table's id and its place in the hall.
    std::string Caption(const CTable& table) const;

    // A place on the board: a cell, and a line of it or -1 for the cell itself.
    struct SPosition
    {
        int cell = -1;
        int line = -1;
        bool operator==(const SPosition& other) const
        {
            return cell == other.cell && line == other.line;
        }
    };
    // The next match after from (before it when backwards), around the ends, from itself last.
    // With a guest text, a guest line matches when its full name contains the text regardless of
    // case (and, with a table text too, its table's name contains that); with only a table text,
    // a cell matches when its table's name contains it. Not found: cell -1.
    SPosition FindNext(const std::vector<CTable*>& cells, const std::string& guestText,
                       const std::string& tableText, SPosition from, bool backwards) const;

private:
    CNewOrvDoc& m_doc;
};
