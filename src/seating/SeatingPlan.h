#pragma once

#include <vector>

// Why a line stays unseated in an optimised plan.
enum class ESeatConflict : int
{
    None = 0,
    // More people than any table seats: every table that may be used, and a new table of the
    // event's default size.
    TooLarge,
    // Its restricted list names its own full name: two people of one line must not sit together,
    // and a line is never split.
    SelfRestricted,
    // It fits a table, but the search found no table with room that holds nobody it must not meet.
    NoRoom,
};

// A line an optimised plan leaves unseated, and why.
struct SSeatConflict
{
    int line = 0; // the line's index in its CSeatingProblem
    ESeatConflict reason = ESeatConflict::None;
};

// What a seating shows the user before it is accepted. Locked lines count like the others.
struct SPlanSummary
{
    int tablesUsed = 0;            // tables (never the unseated one) that hold at least one line
    int groupsSplit = 0;           // groups whose seated lines sit at more than one table
    int linesSeated = 0;           // lines at a table
    int linesUnseated = 0;         // lines left at the unseated table
    long long restrictedPairs = 0; // pairs of lines where either lists the other's full name
    long long restrictionsHonoured = 0; // of those, the pairs that do not share a table
};

// The result of the optimised arrangement, over the CSeatingProblem it was found for. Nothing in
// it points into the document; Edits::ApplySeatingPlan carries it out.
struct SSeatingPlan
{
    // For every line of the problem: the index of its table, or CSeatingProblem::kUnseated. Indexes
    // below the problem's table count are its tables; the next ones are the new tables, in order.
    std::vector<int> seat;
    // One entry per new table, in order: the group it is named after (CSeatingProblem::kNoGroup
    // for a table of lines without a group).
    std::vector<int> newTableGroups;
    // Every line the plan leaves unseated that was free to move, in line order.
    std::vector<SSeatConflict> conflicts;
    SPlanSummary summary;
    long long iterations = 0;  // search steps taken
    bool stoppedEarly = false; // the time limit or a stop request ended the search
};
