#include "model/Payment.h"

#include "platform/NumberText.h"

#include <string_view>

namespace
{
std::string TwoDigits(int value)
{
    if (value > 0 && value < 10)
        return "0" + FormatInt(value);
    return FormatInt(value);
}
} // namespace

bool CPayment::SetDollars(int dollars)
{
    return AssignField(m_dollars, dollars);
}

bool CPayment::SetShekels(int shekels)
{
    return AssignField(m_shekels, shekels);
}

bool CPayment::SetPaidState(int state)
{
    return AssignField(m_paidState, state);
}

bool CPayment::SetDate(const SDate& date)
{
    return AssignField(m_date, date);
}

void CPayment::Reset()
{
    m_paidState = kNotPaid;
    m_shekels = 0;
    m_dollars = 0;
    m_date = SDate();
    m_info.clear();
    m_modified = false;
}

std::string CPayment::FormatDate(const SDate& date, bool hebrew)
{
    const std::string day = TwoDigits(date.day);
    const std::string month = TwoDigits(date.month);
    const std::string year = date.year == 0 ? std::string("00") : FormatInt(date.year);
    return hebrew ? day + "." + month + "." + year : month + "." + day + "." + year;
}

SDate CPayment::ParseDate(const std::string& text, bool hebrew)
{
    int parts[3] = {0, 0, 0};
    std::string_view rest = text;
    for (int& part : parts)
    {
        const std::size_t dot = rest.find('.');
        part = ParseLeadingInt(rest.substr(0, dot));
        if (dot == std::string_view::npos)
            break;
        rest.remove_prefix(dot + 1);
    }
    const short first = static_cast<short>(parts[0]);
    const short second = static_cast<short>(parts[1]);
    const short year = static_cast<short>(parts[2]);
    return hebrew ? SDate(year, second, first) : SDate(year, first, second);
}
