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

// The frame, guests, groups and tables views, events: 1, 59xxx, 61xxx.
SStringEntries CoreStrings();
// The meetings view, the task list, calendar files: 65xxx.
SStringEntries MeetingStrings();
// Connectivity, update check, approvals, mail links: 71xxx.
SStringEntries OnlineStrings();
// The optimised arrangement, the seat lock: 69xxx.
SStringEntries OptimiserStrings();
// The expenses, budget and gifts screens: 62xxx.
SStringEntries MoneyStrings();
// Data safety: special files, the event lock, changed files: 73xxx.
SStringEntries SafetyStrings();
// The check-in desk, its dialogs, check-in codes: 67xxx.
SStringEntries RealTimeStrings();
// The hall layout, the graphic seating view, the plan on paper: 68xxx.
SStringEntries HallStrings();
// Backups, restores, exports and imports of an event, the unanswered guests' CSV file: 66xxx.
SStringEntries BackupStrings();
// The guest details panel, the multiple guests update, the guest commands: 63xxx.
SStringEntries DetailsStrings();
// The printouts: reports, cards and the printouts screen: 64xxx.
SStringEntries ReportStrings();
// Exports, opening files in office programs, the guest import: 70xxx.
SStringEntries OfficeStrings();
// Sharing an event through an FTP, FTPS or WebDAV server: 72xxx.
SStringEntries SharingStrings();
// Undo and redo: the frame's commands, the names of the steps: 75xxx.
SStringEntries UndoStrings();

// Every area, in any order.
inline std::vector<SStringEntries> StringAreas()
{
    std::vector<SStringEntries> areas;
    areas.push_back(CoreStrings());
    areas.push_back(MeetingStrings());
    areas.push_back(OnlineStrings());
    areas.push_back(OptimiserStrings());
    areas.push_back(MoneyStrings());
    areas.push_back(SafetyStrings());
    areas.push_back(RealTimeStrings());
    areas.push_back(HallStrings());
    areas.push_back(BackupStrings());
    areas.push_back(DetailsStrings());
    areas.push_back(ReportStrings());
    areas.push_back(OfficeStrings());
    areas.push_back(SharingStrings());
    areas.push_back(UndoStrings());
    return areas;
}
