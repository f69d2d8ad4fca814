#include "edits/MeetingEdits.h"

#include "edits/UndoSteps.h"
#include "model/Meeting.h"
#include "office/CalendarExport.h"
#include "office/CalendarWriter.h"
#include "platform/Environment.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <vector>

namespace
{
// Every line break ("\r\n", "\n" or "\r") as "\r\n".
std::string WithRecordLineBreaks(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\r' || text[i] == '\n')
        {
            out += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

// A file name of the UID's letters and digits, so no UID can reach outside the folder.
std::string FileNameFor(const std::string& uid)
{
    std::string name = "meeting-";
    for (char c : uid)
    {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')
            name += c;
    }
    return name + ".ics";
}

void Tell(CNewOrvDoc& doc, const std::string& text, int captionId)
{
    doc.GetPrompt().Ask(text, LoadString(captionId), EButtons::Ok);
}
} // namespace

namespace Edits
{
bool SMeetingDetails::operator==(const SMeetingDetails& other) const
{
    return name == other.name && info == other.info && contactName == other.contactName &&
           contactJob == other.contactJob && contactPhone == other.contactPhone &&
           contactAddress == other.contactAddress && date == other.date;
}

SMeetingDetails DetailsOf(const CMeeting& meeting)
{
    SMeetingDetails details;
    details.name = meeting.GetName();
    details.info = meeting.GetInfo();
    details.contactName = meeting.GetContactName();
    details.contactJob = meeting.GetContactJob();
    details.contactPhone = meeting.GetContactPhone();
    details.contactAddress = meeting.GetContactAddress();
    details.date = meeting.GetDate();
    return details;
}

CMeeting* AddMeeting(CNewOrvDoc& doc, IDocView* sender)
{
    NameStep(doc, IDS_STEP_ADD_MEETING);
    CMeeting* meeting = doc.AddMeeting();
    meeting->SetCalendarUid(NewCalendarUid());
    doc.UpdateAllViews(sender, HINT_MEETING_ADDED, meeting);
    return meeting;
}

bool DeleteMeetingWithQuestion(CNewOrvDoc& doc, CMeeting* meeting, IDocView* sender)
{
    NameStep(doc, IDS_STEP_DELETE_MEETING);
    if (meeting == nullptr)
        return false;
    if (AskString(doc.GetPrompt(), IDS_DELETE_MEETING_QUESTION, IDS_DELETE_MEETING_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    doc.UpdateAllViews(sender, HINT_MEETING_REMOVING, meeting);
    return doc.RemoveMeeting(meeting) != nullptr; // destroyed here
}

bool SetMeetingDetails(CNewOrvDoc& doc, CMeeting* meeting, const SMeetingDetails& details,
                       IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_MEETING);
    if (meeting == nullptr)
        return false;
    bool changed = false;
    changed |= meeting->SetName(details.name);
    changed |= meeting->SetInfo(WithRecordLineBreaks(details.info));
    changed |= meeting->SetContactName(details.contactName);
    changed |= meeting->SetContactJob(details.contactJob);
    changed |= meeting->SetContactPhone(details.contactPhone);
    changed |= meeting->SetContactAddress(WithRecordLineBreaks(details.contactAddress));
    changed |= meeting->SetDate(details.date);
    if (changed)
        doc.UpdateAllViews(sender, HINT_MEETING_CHANGED, meeting);
    return changed;
}

bool KeepCalendarUid(CNewOrvDoc& doc, CMeeting* meeting, IDocView* sender)
{
    if (meeting == nullptr || !meeting->GetCalendarUid().empty())
        return false;
    meeting->SetCalendarUid(MeetingCalendarUid(doc, *meeting));
    doc.UpdateAllViews(sender, HINT_MEETING_CHANGED, meeting);
    return true;
}

bool AddMeetingToCalendar(CNewOrvDoc& doc, CMeeting* meeting, IDocView* sender)
{
    if (meeting == nullptr)
        return false;
    if (!CCalendarWriter::IsCalendarDate(meeting->GetDate()))
    {
        Tell(doc, LoadString(IDS_MEETING_NO_VALID_DATE), IDS_APPOINTMENT_FAILED);
        return false;
    }
    KeepCalendarUid(doc, meeting, sender);
    const std::filesystem::path folder = PrivateTempFolder();
    SCalendarCounts counts;
    std::string error;
    const std::filesystem::path path = folder / FileNameFor(meeting->GetCalendarUid());
    if (folder.empty() || !WriteMeetingsCalendar(doc, {meeting}, path, counts, &error) ||
        !ShellOpen(path.string()))
    {
        Tell(doc, LoadString(IDS_APPOINTMENT_FAILED), IDS_APPOINTMENT_FAILED);
        return false;
    }
    Tell(doc, LoadString(IDS_APPOINTMENT_ADDED), IDS_APPOINTMENT_ADDED);
    return true;
}

bool ExportMeetingsToCalendar(CNewOrvDoc& doc, const std::filesystem::path& path, IDocView* sender)
{
    std::vector<const CMeeting*> meetings;
    for (const auto& meeting : doc.GetMeetings())
    {
        if (CCalendarWriter::IsCalendarDate(meeting->GetDate()))
            KeepCalendarUid(doc, meeting.get(), sender);
        meetings.push_back(meeting.get());
    }
    SCalendarCounts counts;
    std::string error;
    if (!WriteMeetingsCalendar(doc, meetings, path, counts, &error))
    {
        Tell(doc, error, IDS_CALENDAR_EXPORT_CAPTION);
        return false;
    }
    std::string text =
        FormatText(LoadString(IDS_CALENDAR_WRITTEN), {FormatInt(counts.written), path.string()});
    if (counts.skipped > 0)
        text += "\r\n" + FormatText(LoadString(IDS_CALENDAR_SKIPPED), {FormatInt(counts.skipped)});
    Tell(doc, text, IDS_CALENDAR_EXPORT_CAPTION);
    return true;
}
} // namespace Edits
