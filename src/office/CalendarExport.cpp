#include "office/CalendarExport.h"

#include "model/LegacyText.h"
#include "model/Meeting.h"
#include "model/Task.h"
#include "office/CalendarWriter.h"
#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <cstdint>
#include <random>

namespace
{
// FNV-1a over the parts, each closed by a separator that no text holds.
class CHash
{
public:
    CHash& Add(const std::string& part)
    {
        for (unsigned char c : part)
            Mix(c);
        Mix(0x1F);
        return *this;
    }
    std::string Hex() const
    {
        static const char kDigits[] = "0123456789abcdef";
        std::string hex(16, '0');
        for (int i = 15; i >= 0; --i)
            hex[static_cast<std::size_t>(i)] = kDigits[(m_value >> ((15 - i) * 4)) & 0xF];
        return hex;
    }

private:
    void Mix(unsigned char c)
    {
        m_value ^= c;
        m_value *= 0x100000001B3ULL;
    }
    std::uint64_t m_value = 0xCBF29CE484222325ULL;
};

std::string EventKey(const CNewOrvDoc& doc)
{
    const CEventInfo* event = doc.GetActiveEvent();
    return CHash()
        .Add(event != nullptr ? event->GetFolder().lexically_normal().string() : "")
        .Hex();
}

std::string DateText(const SDate& date)
{
    return FormatInt(date.year) + "-" + FormatInt(date.month) + "-" + FormatInt(date.day);
}

// A stored text on one line: its non-empty lines joined with ", ".
std::string OneLine(const std::string& text)
{
    std::string out;
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        const std::string part = TrimSpaces(std::string_view(text).substr(start, end - start));
        if (!part.empty())
            out += (out.empty() ? "" : ", ") + part;
        start = end + 1;
    }
    return out;
}

bool WriteCalendar(const CCalendarWriter& calendar, const std::filesystem::path& path,
                   std::string* error)
{
    std::string cause;
    if (WriteFileAtomic(path, calendar.Text(), &cause))
        return true;
    if (error != nullptr)
        *error = FormatText(LoadString(IDS_CALENDAR_WRITE_FAILED), {cause});
    return false;
}

void AddOpenTasks(const CNewOrvDoc& doc, const CTask& parent, const std::string& parentUid,
                  CCalendarWriter& calendar)
{
    for (int i = 0; i < parent.GetChildCount(); ++i)
    {
        const CTask& task = *parent.GetChild(i);
        std::string uid;
        if (!task.IsChecked())
        {
            uid = TaskCalendarUid(doc, task);
            calendar.AddTodo(uid, task.GetName(), task.GetInfo(), parentUid);
        }
        AddOpenTasks(doc, task, uid, calendar);
    }
}
} // namespace

std::string MeetingCalendarUid(const CNewOrvDoc& doc, const CMeeting& meeting)
{
    if (!meeting.GetCalendarUid().empty())
        return meeting.GetCalendarUid();
    int position = 0;
    const auto& meetings = doc.GetMeetings();
    while (position < static_cast<int>(meetings.size()) &&
           meetings[static_cast<std::size_t>(position)].get() != &meeting)
        ++position;
    const std::string content = CHash()
                                    .Add(FormatInt(position))
                                    .Add(meeting.GetName())
                                    .Add(meeting.GetInfo())
                                    .Add(meeting.GetContactName())
                                    .Add(meeting.GetContactJob())
                                    .Add(meeting.GetContactPhone())
                                    .Add(meeting.GetContactAddress())
                                    .Add(DateText(meeting.GetDate()))
                                    .Hex();
    return "velloran-meeting-" + EventKey(doc) + "-" + content;
}

std::string NewCalendarUid()
{
    std::random_device device;
    std::mt19937_64 generator((static_cast<std::uint64_t>(device()) << 32) ^ device());
    std::uniform_int_distribution<unsigned> byte(0, 255);
    unsigned char bytes[16];
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(byte(generator));
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    static const char kDigits[] = "0123456789abcdef";
    std::string uid;
    for (int i = 0; i < 16; ++i)
    {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            uid += '-';
        uid += kDigits[bytes[i] >> 4];
        uid += kDigits[bytes[i] & 0xF];
    }
    return uid;
}

std::string TaskCalendarUid(const CNewOrvDoc& doc, const CTask& task)
{
    return "velloran-task-" + EventKey(doc) + "-" + FormatInt(task.GetId());
}

std::string MeetingCalendarSummary(const CMeeting& meeting)
{
    const std::string name = OneLine(meeting.GetContactName());
    const std::string place = OneLine(meeting.GetContactAddress());
    if (!name.empty() && !place.empty())
        return FormatText(LoadString(IDS_CALENDAR_SUMMARY), {name, place});
    if (!name.empty())
        return FormatText(LoadString(IDS_CALENDAR_SUMMARY_NAME), {name});
    if (!place.empty())
        return FormatText(LoadString(IDS_CALENDAR_SUMMARY_PLACE), {place});
    return OneLine(meeting.GetName());
}

std::string MeetingCalendarDescription(const CMeeting& meeting)
{
    const std::string subject = TrimSpaces(meeting.GetName());
    const std::string notes = TrimSpaces(meeting.GetInfo());
    if (subject.empty() || notes.empty())
        return subject + notes;
    return subject + "\r\n" + notes;
}

bool WriteMeetingsCalendar(const CNewOrvDoc& doc, const std::vector<const CMeeting*>& meetings,
                           const std::filesystem::path& path, SCalendarCounts& counts,
                           std::string* error)
{
    counts = SCalendarCounts();
    CCalendarWriter calendar;
    for (const CMeeting* meeting : meetings)
    {
        if (!calendar.AddAllDayEvent(meeting->GetDate(), MeetingCalendarUid(doc, *meeting),
                                     MeetingCalendarSummary(*meeting),
                                     MeetingCalendarDescription(*meeting),
                                     OneLine(meeting->GetContactAddress())))
            ++counts.skipped;
    }
    if (calendar.Count() == 0)
    {
        if (error != nullptr)
            *error = LoadString(IDS_CALENDAR_NO_MEETINGS);
        return false;
    }
    if (!WriteCalendar(calendar, path, error))
        return false;
    counts.written = calendar.Count();
    return true;
}

bool WriteTasksCalendar(const CNewOrvDoc& doc, const std::filesystem::path& path,
                        SCalendarCounts& counts, std::string* error)
{
    counts = SCalendarCounts();
    CCalendarWriter calendar;
    if (const CTask* root = doc.GetTaskRoot())
        AddOpenTasks(doc, *root, "", calendar);
    if (calendar.Count() == 0)
    {
        if (error != nullptr)
            *error = LoadString(IDS_CALENDAR_NO_OPEN_TASKS);
        return false;
    }
    if (!WriteCalendar(calendar, path, error))
        return false;
    counts.written = calendar.Count();
    return true;
}
