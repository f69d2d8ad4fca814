#include "office/CalendarWriter.h"

#include "platform/XmlText.h"

#include <ctime>
#include <libical/ical.h>

namespace
{
const char kProductId[] = "-//Velloran//Velloran " VELLORAN_VERSION_TEXT "//EN";

// The record text as a calendar text value: line breaks as single line feeds (libical writes
// them as "\n" escapes), no control character but the tab, valid UTF-8.
std::string CalendarText(const std::string& text)
{
    const std::string filtered = FilterXmlChars(text);
    std::string out;
    out.reserve(filtered.size());
    for (std::size_t i = 0; i < filtered.size(); ++i)
    {
        const char c = filtered[i];
        if (c == '\r')
        {
            out += '\n';
            if (i + 1 < filtered.size() && filtered[i + 1] == '\n')
                ++i;
            continue;
        }
        out += c;
    }
    return out;
}

icaltimetype DateValue(const SDate& date)
{
    icaltimetype value = icaltime_null_date();
    value.year = date.year;
    value.month = date.month;
    value.day = date.day;
    return value;
}

icalproperty* Stamp()
{
    return icalproperty_new_dtstamp(
        icaltime_from_timet_with_zone(std::time(nullptr), 0, icaltimezone_get_utc_timezone()));
}
} // namespace

CCalendarWriter::CCalendarWriter()
    : m_calendar(icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                     icalproperty_new_prodid(kProductId),
                                     icalproperty_new_calscale("GREGORIAN"), nullptr))
{
}

CCalendarWriter::~CCalendarWriter()
{
    icalcomponent_free(m_calendar);
}

bool CCalendarWriter::IsCalendarDate(const SDate& date)
{
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
        return false;
    return date.day <= icaltime_days_in_month(date.month, date.year);
}

bool CCalendarWriter::AddAllDayEvent(const SDate& date, const std::string& uid,
                                     const std::string& summary, const std::string& description,
                                     const std::string& location)
{
    if (!IsCalendarDate(date))
        return false;
    const icaltimetype start = DateValue(date);
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);

    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(CalendarText(uid).c_str()));
    icalcomponent_add_property(event, Stamp());
    icalcomponent_add_property(event, icalproperty_new_dtstart(start));
    icalcomponent_add_property(event, icalproperty_new_dtend(end));
    icalcomponent_add_property(event, icalproperty_new_summary(CalendarText(summary).c_str()));
    if (!description.empty())
        icalcomponent_add_property(event,
                                   icalproperty_new_description(CalendarText(description).c_str()));
    if (!location.empty())
        icalcomponent_add_property(event,
                                   icalproperty_new_location(CalendarText(location).c_str()));
    // An all-day entry does not block the day in the owner's free/busy time.
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    icalcomponent_add_component(m_calendar, event);
    ++m_count;
    return true;
}

void CCalendarWriter::AddTodo(const std::string& uid, const std::string& summary,
                              const std::string& description, const std::string& parentUid)
{
    icalcomponent* todo = icalcomponent_new(ICAL_VTODO_COMPONENT);
    icalcomponent_add_property(todo, icalproperty_new_uid(CalendarText(uid).c_str()));
    icalcomponent_add_property(todo, Stamp());
    icalcomponent_add_property(todo, icalproperty_new_summary(CalendarText(summary).c_str()));
    if (!description.empty())
        icalcomponent_add_property(todo,
                                   icalproperty_new_description(CalendarText(description).c_str()));
    icalcomponent_add_property(todo, icalproperty_new_status(ICAL_STATUS_NEEDSACTION));
    if (!parentUid.empty())
    {
        icalproperty* related = icalproperty_new_relatedto(CalendarText(parentUid).c_str());
        icalproperty_add_parameter(related, icalparameter_new_reltype(ICAL_RELTYPE_PARENT));
        icalcomponent_add_property(todo, related);
    }
    icalcomponent_add_component(m_calendar, todo);
    ++m_count;
}

std::string CCalendarWriter::Text() const
{
    char* text = icalcomponent_as_ical_string_r(m_calendar);
    if (text == nullptr)
        return {};
    std::string result(text);
    icalmemory_free_buffer(text);
    return result;
}
