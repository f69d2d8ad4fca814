#pragma once

#include <filesystem>
#include <string>
#include <vector>

class CMeeting;
class CNewOrvDoc;
class CTask;

// Meetings and tasks as iCalendar entries: what each entry holds and the files that carry them.
// A meeting is an all-day event on its date (meetings have no time of day); an open task is a
// to-do entry. Reading only: nothing here changes the document.

// The UID of a meeting's calendar entry. A meeting keeps the UID it was given (CMeeting
// GetCalendarUid). One never given any gets a UID derived from the event's folder, its place in
// the list and its texts and date: the same for as long as the meeting stays as it is, and never
// one another meeting of the same event has, so a calendar updates its own entry and never
// replaces another meeting's.
std::string MeetingCalendarUid(const CNewOrvDoc& doc, const CMeeting& meeting);

// A new random UID (a version 4 UUID), for a meeting that has none yet.
std::string NewCalendarUid();

// The UID of a task's to-do entry: from the event's folder and the task's id, which Tasks.ini
// keeps.
std::string TaskCalendarUid(const CNewOrvDoc& doc, const CTask& task);

// The entry's summary in the interface language: "Meeting with <contact name> at <address>";
// with only one of the two "Meeting with <name>" or "Meeting at <address>"; with neither, the
// meeting's subject. A multi-line address is joined with commas.
std::string MeetingCalendarSummary(const CMeeting& meeting);

// The entry's description: the subject, then the notes on the lines below.
std::string MeetingCalendarDescription(const CMeeting& meeting);

// What a calendar file received.
struct SCalendarCounts
{
    int written = 0; // entries in the file
    int skipped = 0; // meetings left out because their date is not a calendar date
};

// Writes the meetings as all-day events with their UIDs (MeetingCalendarUid) to path, replacing
// it atomically. Meetings whose date is no calendar date are left out and counted. False, with the
// reason in *error (a text for the user), when no meeting is left to write (the file is then not
// touched) or the write failed.
bool WriteMeetingsCalendar(const CNewOrvDoc& doc, const std::vector<const CMeeting*>& meetings,
                           const std::filesystem::path& path, SCalendarCounts& counts,
                           std::string* error = nullptr);

// Writes every task not ticked off as a to-do entry, each linked to the task it stands under
// (when that one is written too); the root is the tree itself, not a task. False, with the
// reason in *error, when no task is open (the file is then not touched) or the write failed.
bool WriteTasksCalendar(const CNewOrvDoc& doc, const std::filesystem::path& path,
                        SCalendarCounts& counts, std::string* error = nullptr);
