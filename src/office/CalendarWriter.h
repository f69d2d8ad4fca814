#pragma once

#include "model/Date.h"

#include <string>

struct icalcomponent_impl;

// Builds one iCalendar (RFC 5545) file with libical: all-day events and to-do entries. Texts are
// UTF-8 as the records keep them; line breaks ("\r\n" or "\n") become the file's own, characters
// a calendar file cannot carry (control characters, broken UTF-8) are left out or replaced, and
// libical escapes commas, semicolons and backslashes and folds long lines.
class CCalendarWriter
{
public:
    // A calendar with its version and product lines and no entry yet.
    CCalendarWriter();
    ~CCalendarWriter();

    CCalendarWriter(const CCalendarWriter&) = delete;
    CCalendarWriter& operator=(const CCalendarWriter&) = delete;

    // True for a real day of the Gregorian calendar from year 1 to 9999.
    static bool IsCalendarDate(const SDate& date);

    // Adds an all-day event on date (it ends, exclusively, on the next day). The description and
    // the location are left out when empty. False, adding nothing, when date is not a calendar
    // date (see IsCalendarDate).
    bool AddAllDayEvent(const SDate& date, const std::string& uid, const std::string& summary,
                        const std::string& description, const std::string& location);

    // Adds an open to-do entry. parentUid names the entry it belongs under (left out when empty).
    void AddTodo(const std::string& uid, const std::string& summary, const std::string& description,
                 const std::string& parentUid);

    // The number of entries added.
    int Count() const { return m_count; }

    // The whole file: CR LF line ends, UTF-8.
    std::string Text() const;

private:
    icalcomponent_impl* m_calendar;
    int m_count = 0;
};
