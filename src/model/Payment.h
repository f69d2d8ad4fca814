#pragma once

#include "model/Date.h"

#include <string>

// One instalment of an expense, held by value inside its expense. Amounts are whole dollars and
// whole shekels kept side by side. Also the "whole" part of an expense (see CExpence).
class CPayment
{
public:
    enum EPaidState : int
    {
        kNotPaid = 0,
        kPaid = 1,
        kPartlyPaid = 2,
    };

    CPayment() = default;
    CPayment(const CPayment&) = default;
    CPayment& operator=(const CPayment&) = default;
    virtual ~CPayment() = default;

    // Each stores a differing value and sets the payment's modified flag; false when equal.
    virtual bool SetDollars(int dollars);
    virtual bool SetShekels(int shekels);
    virtual bool SetPaidState(int state);
    virtual bool SetDate(const SDate& date);

    int GetDollars() const { return m_dollars; }
    int GetShekels() const { return m_shekels; }
    int GetPaidState() const { return m_paidState; }
    const SDate& GetDate() const { return m_date; }

    const std::string& GetInfo() const { return m_info; }
    bool SetInfo(const std::string& info) { return AssignField(m_info, info); }

    bool IsPaid() const { return m_paidState == kPaid; }
    bool IsPartlyPaid() const { return m_paidState == kPartlyPaid; }
    bool IsNotPaid() const { return m_paidState == kNotPaid; }

    // All amounts 0, not paid, no date, empty info, not modified.
    void Reset();

    bool IsPaymentModified() const { return m_modified; }
    void ClearPaymentModified() { m_modified = false; }

    // A payment date as the files store it: "day.month.year" with the Hebrew interface,
    // "month.day.year" with the English one; day and month of two digits, 0 as "0", year 0 as
    // "00".
    static std::string FormatDate(const SDate& date, bool hebrew);
    // The reverse: three numbers separated by full stops in the same order; a missing or
    // unreadable part is 0.
    static SDate ParseDate(const std::string& text, bool hebrew);

protected:
    template <class T>
    bool AssignField(T& field, const T& value)
    {
        if (field == value)
            return false;
        field = value;
        m_modified = true;
        return true;
    }

private:
    int m_paidState = kNotPaid;
    int m_shekels = 0;
    int m_dollars = 0;
    SDate m_date;
    bool m_modified = false;
    std::string m_info;
};
