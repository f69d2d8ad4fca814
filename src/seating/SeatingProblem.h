#pragma once

#include "seating/SeatingPlan.h"

#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;

// What the optimised arrangement works on: a copy of the event's seating in plain numbers (the
// lines with their people, groups, locks and restrictions, the tables that may be used and their
// seats), taken on the interface thread. The search reads only this, so it may run on another
// thread while the document stays untouched, and the plan it gives is applied only while the
// document is still as it was when the copy was taken (IsCurrentFor).
//
// The hard rules every plan must keep: a line sits at one table or none; no table takes more
// people than its seats; two lines where either lists the other's full name never share a table;
// a locked line keeps its table. LinesBreakingRules is their exact check.
class CSeatingProblem
{
public:
    static constexpr int kUnseated = -1;
    static constexpr int kNoGroup = -1;
    // Counts beyond this are taken as this much (no hall has such tables), so sums cannot overflow.
    static constexpr int kMostPeople = 1000000;

    struct SLine
    {
        std::string fullName;
        int people = 0;        // the coming count, never below 0
        int group = kNoGroup;  // the group index
        int table = kUnseated; // where it sits now: a table index
        bool locked = false;
        // Set by Finish for a line that is free to move but can never be seated.
        ESeatConflict blocked = ESeatConflict::None;
        std::vector<std::string> restricted; // full names it must not sit with
    };

    struct STable
    {
        int tableId = 0; // its id in the document when the copy was taken
        int seats = 0;
    };

    // An empty problem: new tables get defaultSeats (at least 1); at most maxNewTables of them.
    CSeatingProblem(int defaultSeats, int maxNewTables);

    // The event as it stands. Every guest line is a line of the problem and keeps its position.
    // The groups are the event's in their order, then every other group name a line carries in
    // the order they first appear; lines without a group name belong to none. rebuild: only the
    // tables that hold a locked line may be used (the others are to be removed); otherwise every
    // table but the unseated one. Room is left for new tables up to the program's limit.
    static CSeatingProblem FromDocument(CNewOrvDoc& doc, bool rebuild);

    // Building, then Finish once. Indexes are given in order from 0.
    int AddGroup(const std::string& name);
    int AddTable(int tableId, int seats);
    int AddLine(SLine line);
    // Works out who must not meet whom and which free lines can never be seated.
    void Finish();

    int LineCount() const { return static_cast<int>(m_lines.size()); }
    const SLine& Line(int line) const { return m_lines[static_cast<std::size_t>(line)]; }
    int TableCount() const { return static_cast<int>(m_tables.size()); }
    const STable& Table(int table) const { return m_tables[static_cast<std::size_t>(table)]; }
    int GroupCount() const { return static_cast<int>(m_groups.size()); }
    const std::string& GroupName(int group) const
    {
        return m_groups[static_cast<std::size_t>(group)];
    }
    int DefaultSeats() const { return m_defaultSeats; }
    int MaxNewTables() const { return m_maxNewTables; }
    bool Rebuilds() const { return m_rebuild; }

    // True when the line may be moved and seated (not locked, not blocked).
    bool IsFree(int line) const;
    // True when the two lines must not share a table (either lists the other's full name).
    bool MustNotMeet(int a, int b) const;
    // True when test(other) is true for some line that must not share a table with line; stops
    // at the first. Lines may be tested more than once, line itself never.
    template <class Test>
    bool AnyRestricted(int line, Test&& test) const;

    // Where every line sits now.
    std::vector<int> CurrentSeating() const;
    // The seats of a table index of a seating with new tables after the problem's own.
    int SeatsOf(int table) const;

    // The exact check of the hard rules over a seating whose indexes run up to the problem's
    // tables plus newTables: the lines that break one (a locked line moved, a blocked line
    // seated, a free line at a table of too many people or with someone it must not meet, or at
    // a table that does not exist), in line order. Locked lines that sit together by the user's
    // choice break nothing.
    std::vector<int> LinesBreakingRules(const std::vector<int>& seat, int newTables) const;

    // The figures of a seating (see SPlanSummary).
    SPlanSummary Summarise(const std::vector<int>& seat) const;

    // True while the document has not changed since FromDocument took this copy.
    bool IsCurrentFor(const CNewOrvDoc& doc) const;
    // The guest of a line (FromDocument only; never dereferenced by the search).
    CGuest* GuestOf(int line) const { return m_guests[static_cast<std::size_t>(line)]; }

private:
    int m_defaultSeats;
    int m_maxNewTables;
    bool m_rebuild = false;
    std::vector<std::string> m_groups;
    std::vector<STable> m_tables;
    std::vector<SLine> m_lines;

    // Restrictions by name: lines of one full name form a class. A line must not meet the lines
    // of every class its own list names (m_namedClasses), nor the lines that name its class
    // (m_namedBy). Kept this way, a thousand namesakes cost a thousand entries, not a million
    // pairs.
    std::vector<int> m_classOf;                   // per line
    std::vector<std::vector<int>> m_linesOfClass; // per class
    std::vector<std::vector<int>> m_namedClasses; // per line, sorted, without repeats
    std::vector<std::vector<int>> m_namedBy;      // per class: the lines that list it

    // The document the copy was taken from, as it was.
    const CNewOrvDoc* m_doc = nullptr;
    unsigned long m_changeCount = 0;
    std::vector<CGuest*> m_guests;
};

template <class Test>
bool CSeatingProblem::AnyRestricted(int line, Test&& test) const
{
    const std::size_t index = static_cast<std::size_t>(line);
    for (const int named : m_namedClasses[index])
        for (const int other : m_linesOfClass[static_cast<std::size_t>(named)])
            if (other != line && test(other))
                return true;
    for (const int other : m_namedBy[static_cast<std::size_t>(m_classOf[index])])
        if (other != line && test(other))
            return true;
    return false;
}
