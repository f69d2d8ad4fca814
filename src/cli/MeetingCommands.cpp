// The commands of the meetings and the task tree: the lists, adding a meeting or a task, ticking
// a task off, and calendar files. Meetings are named by their index (their place in the list,
// from 0), tasks by their id.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "edits/MeetingEdits.h"
#include "edits/TaskEdits.h"
#include "model/Meeting.h"
#include "model/Payment.h"
#include "model/Task.h"
#include "office/CalendarExport.h"
#include "office/CalendarWriter.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <ostream>

using nlohmann::json;

namespace
{
// "YYYY-MM-DD" (zeros for a meeting without a date).
std::string IsoDate(const SDate& date)
{
    const auto padded = [](int value, std::size_t width)
    {
        std::string text = FormatInt(value < 0 ? 0 : value);
        return std::string(text.size() < width ? width - text.size() : 0, '0') + text;
    };
    return padded(date.year, 4) + "-" + padded(date.month, 2) + "-" + padded(date.day, 2);
}

json MeetingJson(const CMeeting& meeting, int index)
{
    return {{"index", index},
            {"name", meeting.GetName()},
            {"date", IsoDate(meeting.GetDate())},
            {"contactName", meeting.GetContactName()},
            {"contactJob", meeting.GetContactJob()},
            {"contactPhone", meeting.GetContactPhone()},
            {"contactAddress", meeting.GetContactAddress()},
            {"info", meeting.GetInfo()},
            {"calendarUid", meeting.GetCalendarUid()}};
}

json TaskJson(const CTask& task)
{
    json children = json::array();
    for (int i = 0; i < task.GetChildCount(); ++i)
        children.push_back(TaskJson(*task.GetChild(i)));
    return {{"id", task.GetId()},
            {"name", task.GetName()},
            {"checked", task.IsChecked()},
            {"info", task.GetInfo()},
            {"children", children}};
}

void PrintTaskLines(std::ostream& out, const CTask& task, int depth)
{
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ')
        << (task.IsChecked() ? "[x] " : "[ ] ") << task.GetId() << " " << task.GetName() << "\n";
    for (int i = 0; i < task.GetChildCount(); ++i)
        PrintTaskLines(out, *task.GetChild(i), depth + 1);
}

// The task with the id the text names, or null after telling (the status goes to status).
CTask* FindTask(CCliContext& context, const std::string& text, int& status)
{
    const int id = CCliArgs::ParseInt(text, "a task id");
    CTask* task = context.Doc().GetTaskRoot()->FindById(id);
    if (task == nullptr)
        status = context.Fail(kExitNotFound, "no task " + text);
    return task;
}

// An optional text (empty when absent); line breaks are made the record's own by the edit.
std::string TextOption(CCliArgs& args, const std::string& name)
{
    return args.Option(name).value_or("");
}
} // namespace

int RunMeetings(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const auto& meetings = context.Doc().GetMeetings();
    if (context.Json())
    {
        json list = json::array();
        for (std::size_t i = 0; i < meetings.size(); ++i)
            list.push_back(MeetingJson(*meetings[i], static_cast<int>(i)));
        context.PrintJson({{"meetings", list}});
        return kExitOk;
    }
    std::ostream& out = context.Out();
    out << LoadString(IDS_COLUMN_ID) << "\t" << LoadString(IDS_COLUMN_DATE) << "\t"
        << LoadString(IDS_COLUMN_SUBJECT) << "\t" << LoadString(IDS_COLUMN_CONTACT) << "\n";
    for (std::size_t i = 0; i < meetings.size(); ++i)
        out << i << "\t" << CPayment::FormatDate(meetings[i]->GetDate(), IsHebrewUi()) << "\t"
            << meetings[i]->GetName() << "\t" << meetings[i]->GetContactName() << "\n";
    out.flush();
    return kExitOk;
}

int RunAddMeeting(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> date = args.Option("--date");
    if (!date)
        throw SCliUsageError{"--date is required"};
    Edits::SMeetingDetails details;
    details.date = CCliArgs::ParseDate(*date, "--date");
    details.contactName = TextOption(args, "--contact-name");
    details.contactJob = TextOption(args, "--contact-job");
    details.contactPhone = TextOption(args, "--contact-phone");
    details.contactAddress = TextOption(args, "--contact-address");
    details.info = TextOption(args, "--info");
    details.name = args.Positionals(1).front();

    CNewOrvDoc& doc = context.Doc();
    CMeeting* meeting = Edits::AddMeeting(doc, nullptr);
    Edits::SetMeetingDetails(doc, meeting, details, nullptr);
    const int index = static_cast<int>(doc.GetMeetings().size()) - 1;
    if (context.Json())
        context.PrintJson({{"meeting", MeetingJson(*meeting, index)}});
    else
        context.Out() << index << std::endl;
    return kExitOk;
}

int RunTasks(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const CTask& root = *context.Doc().GetTaskRoot();
    if (context.Json())
    {
        context.PrintJson({{"tasks", TaskJson(root)}});
        return kExitOk;
    }
    PrintTaskLines(context.Out(), root, 0);
    context.Out().flush();
    return kExitOk;
}

int RunAddTask(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> parentId = args.Option("--parent");
    const std::string name = args.Positionals(1).front();
    CNewOrvDoc& doc = context.Doc();
    CTask* parent = doc.GetTaskRoot();
    int status = kExitOk;
    if (parentId && (parent = FindTask(context, *parentId, status)) == nullptr)
        return status;
    CTask* task = Edits::AddTask(doc, Edits::PlaceForNewTask(doc.GetTaskRoot(), parent, true), name,
                                 "", nullptr);
    if (task == nullptr)
        return kExitRefused;
    if (context.Json())
        context.PrintJson({{"task", TaskJson(*task)}});
    else
        context.Out() << task->GetId() << std::endl;
    return kExitOk;
}

int RunCheckTask(CCliContext& context)
{
    CCliArgs args(context.Args());
    const bool off = args.Flag("--off");
    const std::string id = args.Positionals(1).front();
    int status = kExitOk;
    CTask* task = FindTask(context, id, status);
    if (task == nullptr)
        return status;
    Edits::SetTaskChecked(context.Doc(), task, !off, nullptr);
    if (context.Json())
        context.PrintJson({{"task", TaskJson(*task)}});
    else
        context.Out() << (task->IsChecked() ? "[x] " : "[ ] ") << task->GetId() << " "
                      << task->GetName() << std::endl;
    return kExitOk;
}

int RunExportIcs(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> index = args.Option("--meeting");
    const bool tasks = args.Flag("--tasks");
    const std::string file = args.Positionals(1).front();
    if (index && tasks)
        throw SCliUsageError{"--meeting and --tasks write different files: give one of them"};

    const CNewOrvDoc& doc = context.Doc();
    SCalendarCounts counts;
    std::string error;
    bool written = false;
    if (tasks)
    {
        written = WriteTasksCalendar(doc, file, counts, &error);
    }
    else
    {
        std::vector<const CMeeting*> meetings;
        for (const auto& meeting : doc.GetMeetings())
            meetings.push_back(meeting.get());
        if (index)
        {
            const int position = CCliArgs::ParseInt(*index, "--meeting");
            if (position < 0 || position >= static_cast<int>(meetings.size()))
                return context.Fail(kExitNotFound, "no meeting " + *index);
            const CMeeting* meeting = meetings[static_cast<std::size_t>(position)];
            if (!CCalendarWriter::IsCalendarDate(meeting->GetDate()))
                return context.Fail(kExitRefused, LoadString(IDS_MEETING_NO_VALID_DATE));
            meetings = {meeting};
        }
        written = WriteMeetingsCalendar(doc, meetings, file, counts, &error);
    }
    if (!written)
        return context.Fail(kExitRefused, error);
    if (counts.skipped > 0)
        context.Err() << FormatText(LoadString(IDS_CALENDAR_SKIPPED), {FormatInt(counts.skipped)})
                      << std::endl;
    if (context.Json())
        context.PrintJson(
            {{"file", file}, {"entries", counts.written}, {"skipped", counts.skipped}});
    else
        context.Out() << FormatText(LoadString(IDS_CALENDAR_WRITTEN),
                                    {FormatInt(counts.written), file})
                      << std::endl;
    return kExitOk;
}
