#pragma once

#include "model/Date.h"

#include <filesystem>
#include <string>

class CMeeting;
class CNewOrvDoc;
class IDocView;

// The user's edits of the meetings and the calendar commands of the meetings view. Each applies
// the rules, asks and tells through the document's prompt, and announces the change to every view
// but the sender.
namespace Edits
{
// Every field of a meeting the form edits.
struct SMeetingDetails
{
    std::string name; // the subject
    std::string info; // the comments, may hold line breaks
    std::string contactName;
    std::string contactJob;
    std::string contactPhone;
    std::string contactAddress;
    SDate date;

    bool operator==(const SMeetingDetails& other) const;
    bool operator!=(const SMeetingDetails& other) const { return !(*this == other); }
};

SMeetingDetails DetailsOf(const CMeeting& meeting);

// Appends a meeting named "New meeting" (interface language), dated today, with a calendar UID of
// its own. Announces HINT_MEETING_ADDED.
CMeeting* AddMeeting(CNewOrvDoc& doc, IDocView* sender);

// Asks "Are you sure you want to delete this meeting?" (Yes/No) and on Yes deletes it: the views
// hear HINT_MEETING_REMOVING while it still exists, then the pointer is gone. True when deleted.
bool DeleteMeetingWithQuestion(CNewOrvDoc& doc, CMeeting* meeting, IDocView* sender);

// Stores the details through the meeting's setters; line breaks of the comments become "\r\n", as
// the records keep them. True when anything changed; then announces HINT_MEETING_CHANGED.
bool SetMeetingDetails(CNewOrvDoc& doc, CMeeting* meeting, const SMeetingDetails& details,
                       IDocView* sender);

// Gives the meeting the calendar UID its entry has carried so far (see MeetingCalendarUid), so
// that later edits keep it. True when it had none; then announces HINT_MEETING_CHANGED.
bool KeepCalendarUid(CNewOrvDoc& doc, CMeeting* meeting, IDocView* sender);

// "Add appointment to calendar": writes the meeting as a calendar file into the user's private
// temporary folder and opens it with the desktop's handler (xdg-open), which hands it to the
// calendar program. Tells "Added appointment successfully" or "Failed to add new appointment"
// (a meeting whose date is no calendar date says so and changes nothing). Keeps the meeting's UID
// first (KeepCalendarUid). True when the file was handed over.
bool AddMeetingToCalendar(CNewOrvDoc& doc, CMeeting* meeting, IDocView* sender);

// "Export all meetings to calendar": keeps every meeting's UID, writes them all to path (meetings
// without a calendar date are left out) and tells the result. True when the file was written.
bool ExportMeetingsToCalendar(CNewOrvDoc& doc, const std::filesystem::path& path, IDocView* sender);
} // namespace Edits
