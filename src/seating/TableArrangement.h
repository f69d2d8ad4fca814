#pragma once

class CNewOrvDoc;

// The automatic arrangement: both ask first and return false (nothing changed) unless the answer is
// Yes; both broadcast HINT_ARRANGEMENT_DONE when done. "All Guests" broadcasts
// HINT_TABLES_REMOVING, unseats everybody and replaces every table (every CTable pointer is then
// gone). The tableless variant returns true without doing anything when no guest line is
// unseated.
bool ArrangeTablelessGuests(CNewOrvDoc& doc);
bool ArrangeAllGuests(CNewOrvDoc& doc);
