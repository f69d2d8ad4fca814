#pragma once

#include <string>

class CNewOrvDoc;
class CSeatingProblem;
struct SSeatingPlan;
class CTable;
class IDocView;

// The user's edits of the tables: adding, changing, deleting and reordering them, the table setup
// of the event and the automatic arrangements. Each applies the rules (the table limits of
// CTable), asks and tells through the document's prompt, and announces the change.
namespace Edits
{
// What "Table setup" stores in the event settings.
struct STableSetup
{
    int seats = 0;              // seats of every new table (CTable::kMinSeats..kMaxSeats)
    bool byHallNumber = false;  // the graphic seating view orders tables by their place
    bool hideNotComing = false; // it leaves out the lines that do not come
    bool showId = false;        // it shows the tables' ids
};

// True, after telling the user which table uses it, when another table than except has that
// place in the hall (0 is never taken).
bool ReportHallNumberTaken(CNewOrvDoc& doc, int place, const CTable* except = nullptr);

// Appends a table: the name as CTable::NameFromUser makes it, place -1 the first free place, seats
// -1 the event's table size. Null when no more tables can be added. Announces
// HINT_TABLE_CREATED.
CTable* CreateTable(CNewOrvDoc& doc, const std::string& name, int place, int seats);

// Gives the table a name (as CTable::NameFromUser makes it), a place and seats. True when
// something changed; then announces HINT_RECORD_CHANGED with the table. The unseated table is
// never changed.
bool EditTable(CNewOrvDoc& doc, CTable* table, const std::string& name, int place, int seats,
               IDocView* sender);

// The user's delete, with its question (see DeleteTableWithQuestion of the seating rules).
bool DeleteTable(CNewOrvDoc& doc, CTable* table);

// The two tables exchange guests, names, infos, places and seats; moving the contents of a table
// to another position. See CNewOrvDoc::SwapTables and MoveTable.
bool SwapTables(CNewOrvDoc& doc, CTable* a, CTable* b);
bool MoveTable(CNewOrvDoc& doc, int from, int to);

// Stores the table setup; announces HINT_RECORD_CHANGED once for each of the three display
// choices that changed (the seat count changes no view).
void SetTableSetup(CNewOrvDoc& doc, const STableSetup& setup, IDocView* sender);
// The table setup as the event settings hold it.
STableSetup GetTableSetup(CNewOrvDoc& doc);

// The automatic arrangements, with their question (see the seating rules).
bool ArrangeAllGuests(CNewOrvDoc& doc);
bool ArrangeTablelessGuests(CNewOrvDoc& doc);

// Carries out an accepted optimised arrangement, found for problem (CSeatingProblem::FromDocument).
// When the problem rebuilds, every table but those it kept is removed first (HINT_TABLES_REMOVING;
// the kept ones move up to ids 1, 2 ...). The plan's new tables are appended with the event's
// table size and the first free place, each named like the arrangement's tables, "<group> - <n>"
// with the first number no table's name has. Then every line that is not locked goes to its
// table (0: unseated), and HINT_ARRANGEMENT_DONE goes to every view but the sender. False, with
// nothing changed, when the event changed since the problem was taken or the plan does not fit it.
bool ApplySeatingPlan(CNewOrvDoc& doc, const CSeatingProblem& problem, const SSeatingPlan& plan,
                      IDocView* sender);
} // namespace Edits
