#pragma once

#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;
class CTable;

// The counts of the check-in desk on the day of the event and the list of its table choice. The
// arrival itself, with its questions, is the edit operation Edits::GuestArrived.

// One line of the "Chose Table" list.
struct STableChoiceLine
{
    enum EKind
    {
        kTable,     // a table the guest can be seated at
        kBlank,     // one of the two empty lines around the separator
        kSeparator, // the line between the tables with enough room and those with some room
    };

    EKind kind = kBlank;
    int tableId = 0;   // kTable: the table's id; otherwise 0
    int freeSeats = 0; // kTable: seats minus coming people
    std::string text;  // kTable: the name followed by " [" the free seats "]"
};

// The separator line of the table choice.
inline constexpr const char* kTableChoiceSeparator =
    "===============================================";

// The "Chose Table" list for an arrival of `people`: in table order from position 1 (the unseated
// table is never offered), first every table whose free seats by coming counts are at least
// `people`; then, when `people` is above 1 and that first group is not empty, an empty line, the
// separator and an empty line; then every table with some free seats but fewer than `people`.
// Full tables are left out. The texts are in the interface language.
std::vector<STableChoiceLine> TableChoiceLines(CNewOrvDoc& doc, int people);

// The free seats of the table on the event day for this guest's arrival: seats minus the people
// who arrived at it, leaving out the guest's own earlier arrival when it sits there (so correcting
// a number never counts the line twice).
int FreeSeatsForArrival(CNewOrvDoc& doc, const CGuest& guest, const CTable& table);

// The status line's figure and its companion: the people of the lines that arrived (the sum of
// their arrived counts) and the number of those lines.
struct SArrivalTotals
{
    int lines = 0;
    long long people = 0;
};
SArrivalTotals CountArrivals(const CNewOrvDoc& doc);
