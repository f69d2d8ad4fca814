#pragma once

// A calendar date as the records keep it: three small integers. All three 0 means "no date".
// Values are not validated: legacy files may hold any numbers and they are kept as read.
struct SDate
{
    short year = 0;
    short month = 0;
    short day = 0;

    SDate() = default;
    SDate(short y, short m, short d) : year(y), month(m), day(d) {}

    bool IsEmpty() const { return year == 0 && month == 0 && day == 0; }

    // The local date of the machine.
    static SDate Today();

    // Order by year, then month, then day.
    int Compare(const SDate& other) const
    {
        if (year != other.year)
            return year < other.year ? -1 : 1;
        if (month != other.month)
            return month < other.month ? -1 : 1;
        if (day != other.day)
            return day < other.day ? -1 : 1;
        return 0;
    }

    bool operator==(const SDate& other) const { return Compare(other) == 0; }
    bool operator!=(const SDate& other) const { return Compare(other) != 0; }
    bool operator<(const SDate& other) const { return Compare(other) < 0; }
    bool operator>(const SDate& other) const { return Compare(other) > 0; }
    bool operator<=(const SDate& other) const { return Compare(other) <= 0; }
    bool operator>=(const SDate& other) const { return Compare(other) >= 0; }
};
