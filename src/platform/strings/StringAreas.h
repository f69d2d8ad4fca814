#pragma once

#include "platform/StringTable.h"

#include <vector>

// The string table is kept by area, one source file each (strings/<Area>Strings.cpp with the
// numbers in strings/<Area>StringIds.h), so that the screens of different areas never edit the same
// lines. StringTable.cpp merges them into one table sorted by number; an id given twice is a fault
// the string table test finds.
//
// A new area: its two files, its function here and in StringAreas(), its header in StringIds.h.
// Numbers of our own (texts without a historical number) take the area's own range.

SStringEntries CoreStrings(); // the frame, guests, groups and tables views, events: 1, 59xxx, 61xxx
SStringEntries MeetingStrings(); // meetings view, task list, calendar files: 65xxx
SStringEntries HallStrings();    // hall layout, graphic seating view, plan on paper: 68xxx

// Every area, in any order.
inline std::vector<SStringEntries> StringAreas()
{
    return {CoreStrings(), MeetingStrings(), HallStrings()};
}
