#pragma once

class CGroup;
class CGuest;
class CNewOrvDoc;
class CTable;

// The rules of seating guests at tables, over the document's table collection. Questions go
// through the document's prompt.

// True when the guest may be put on the table: may ask about the guest's restricted names (No
// refuses) and about the capacity (Yes enlarges the table to the new total, No seats over capacity,
// Cancel refuses); the unseated table grows silently. The caller then seats the guest (the edit
// operation SeatGuest does both). False at once for a null guest or table.
bool CanSeatGuest(CNewOrvDoc& doc, CGuest* guest, CTable* table);

// The user's delete: asks Yes/No first when people sit at the table; true when it was deleted
// (the pointer is then gone). False for null, a foreign table or the unseated table.
bool DeleteTableWithQuestion(CNewOrvDoc& doc, CTable* table);

// Creates a table named after the group and seats the group's unseated guests there in list order
// until the default table size is reached. Returns the people seated; -1 when the table could not
// be created or no guest was unseated (the new table then stays, empty).
int AddTableForGroup(CNewOrvDoc& doc, const CGroup* group);
