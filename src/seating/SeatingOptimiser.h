#pragma once

#include "seating/SeatingPlan.h"

#include <atomic>
#include <cstdint>
#include <functional>

class CSeatingProblem;

// How long the optimised arrangement searches, and who watches it.
struct SOptimiserOptions
{
    std::uint64_t seed = 1;
    // Search steps; 0 takes CSeatingOptimiser::DefaultIterations.
    long long iterations = 0;
    // A time limit in seconds; 0 or below: none. It only ends the search early.
    double seconds = 0.0;
    // Set from another thread to end the search early (may be null).
    const std::atomic<bool>* stop = nullptr;
    // Told, on the searching thread, the percentage of the steps done whenever it changes.
    std::function<void(int percent)> progress;
};

// The optimised table arrangement: a greedy start that seats each group whole where it can, then
// tabu search (see ARCHITECTURE.md) over moves and swaps of lines and of a group's lines at a
// table, keeping every hard rule of CSeatingProblem at every step. It weighs, in this order: lines
// seated; each group at as few tables as possible; a group's existing tables next to each other;
// tables filled evenly (empty seats squared over seats, where the event's own tables count whether
// used or not, so they are filled before new ones are made); as few new tables as possible. The
// best seating found is checked against the hard rules once more before it is handed back.
//
// For a given problem, seed and number of steps the plan is always the same; a time limit or a
// stop only ends the search sooner and keeps the best plan found so far. The problem is only
// read, so the search may run on another thread.
class CSeatingOptimiser
{
public:
    CSeatingOptimiser(const CSeatingProblem& problem, SOptimiserOptions options);

    // The steps a search of this problem takes by default: enough for the event's size.
    static long long DefaultIterations(const CSeatingProblem& problem);

    SSeatingPlan Run();

private:
    const CSeatingProblem& m_problem;
    SOptimiserOptions m_options;
};
