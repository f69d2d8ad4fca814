#include "model/Expence.h"

#include "model/LegacyText.h"
#include "platform/EventFiles.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"

#include <algorithm>

CExpence::CExpence(IRecordOwner* owner)
    : CExpence(owner, ERecordClass::Expence, kSectionPrefix, true, LoadString(IDS_UNKNOWN))
{
}

CExpence::CExpence(IRecordOwner* owner, ERecordClass recordClass, const char* sectionPrefix,
                   bool withInitialPayment, const std::string& payer)
    : CRecord(owner, recordClass, sectionPrefix), m_payer(payer)
{
    if (withInitialPayment)
        m_payments.emplace_back();
}

int CExpence::GetFileKind() const
{
    return kFileExpencesIni;
}

bool CExpence::IsModified() const
{
    if (CRecord::IsModified() || IsPaymentModified())
        return true;
    for (const CPayment& payment : m_payments)
    {
        if (payment.IsPaymentModified())
            return true;
    }
    return false;
}

void CExpence::ClearModified()
{
    CRecord::ClearModified();
    ClearPaymentModified();
    for (CPayment& payment : m_payments)
        payment.ClearPaymentModified();
}

bool CExpence::SetDollars(int dollars)
{
    if (GetDollars() != dollars ||
        (m_payments.size() == 1 && m_payments[0].GetDollars() != dollars))
        NoteChanging();
    bool changed = CPayment::SetDollars(dollars);
    if (m_payments.size() == 1)
        changed = m_payments[0].SetDollars(dollars) || changed;
    if (changed)
        MarkModified();
    return changed;
}

bool CExpence::SetShekels(int shekels)
{
    if (GetShekels() != shekels ||
        (m_payments.size() == 1 && m_payments[0].GetShekels() != shekels))
        NoteChanging();
    bool changed = CPayment::SetShekels(shekels);
    if (m_payments.size() == 1)
        changed = m_payments[0].SetShekels(shekels) || changed;
    if (changed)
        MarkModified();
    return changed;
}

bool CExpence::SetDate(const SDate& date)
{
    if (!(GetDate() == date) || (!m_payments.empty() && !(m_payments[0].GetDate() == date)))
        NoteChanging();
    bool changed = CPayment::SetDate(date);
    if (!m_payments.empty())
        changed = m_payments[0].SetDate(date) || changed;
    if (changed)
        MarkModified();
    return changed;
}

bool CExpence::SetPaidState(int state)
{
    const bool paymentsFollow = state == kNotPaid || state == kPaid;
    if (GetPaidState() != state ||
        (paymentsFollow &&
         std::any_of(m_payments.begin(), m_payments.end(),
                     [state](const CPayment& payment) { return payment.GetPaidState() != state; })))
        NoteChanging();
    bool changed = CPayment::SetPaidState(state);
    if (state == kNotPaid || state == kPaid)
    {
        for (CPayment& payment : m_payments)
            changed = payment.SetPaidState(state) || changed;
    }
    if (changed)
        MarkModified();
    return changed;
}

const CPayment* CExpence::GetPayment(int i) const
{
    if (i < 0 || i >= GetPaymentCount())
        return nullptr;
    return &m_payments[static_cast<std::size_t>(i)];
}

bool CExpence::SetPayment(int i, const CPayment& payment)
{
    if (i < 0)
        return false;
    NoteChanging();
    if (static_cast<std::size_t>(i) >= m_payments.size())
        m_payments.resize(static_cast<std::size_t>(i) + 1);
    m_payments[static_cast<std::size_t>(i)] = payment;
    MarkModified();
    return true;
}

bool CExpence::SetPayment(int i, int shekels, int dollars, int paidState, const SDate& date,
                          const std::string& info)
{
    CPayment payment;
    payment.SetShekels(shekels);
    payment.SetDollars(dollars);
    payment.SetPaidState(paidState);
    payment.SetDate(date);
    payment.SetInfo(info);
    return SetPayment(i, payment);
}

void CExpence::ClearPayments()
{
    if (m_payments.empty())
        return;
    NoteChanging();
    m_payments.clear();
    MarkModified();
}

void CExpence::RecomputePaidState()
{
    int paid = 0;
    for (const CPayment& payment : m_payments)
    {
        if (payment.IsPaid())
            ++paid;
    }
    int state = kNotPaid;
    if (paid > 0)
        state = paid == GetPaymentCount() ? kPaid : kPartlyPaid;
    // The payments keep their own states: only the whole is derived here.
    if (GetPaidState() == state)
        return;
    NoteChanging();
    CPayment::SetPaidState(state);
    MarkModified();
}

void CExpence::GetPaidAmounts(int& shekels, int& dollars) const
{
    shekels = 0;
    dollars = 0;
    if (IsPaid())
    {
        shekels = GetShekels();
        dollars = GetDollars();
    }
    else if (IsPartlyPaid())
    {
        for (const CPayment& payment : m_payments)
        {
            if (!payment.IsPaid())
                continue;
            shekels += payment.GetShekels();
            dollars += payment.GetDollars();
        }
    }
}

std::string CExpence::GetPaidStateText(int state)
{
    switch (state)
    {
    case kPaid:
        return LoadString(IDS_YES);
    case kPartlyPaid:
        return LoadString(IDS_PARTLY);
    default:
        return LoadString(IDS_NO);
    }
}

bool CExpence::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    const std::string name = ini.GetString(section, "MoneyItem");
    if (name.empty())
        return false;
    LoadName(name);
    LoadInfo(ReplaceAll(ini.GetString(section, "Comments"), kLegacyLineBreak, "\r\n"));
    m_category = ini.GetString(section, "CategoryE");
    CPayment::SetDollars(ParseLeadingInt(ini.GetString(section, "Dolars")));
    CPayment::SetShekels(ParseLeadingInt(ini.GetString(section, "Shekels")));
    m_payer = ini.GetString(section, "WP", m_payer);

    const std::string paid = ini.GetString(section, "Paid", kLegacyNoWord);
    if (paid == kLegacyYesWord)
        CPayment::SetPaidState(kPaid);
    else if (paid == kLegacyNoWord)
        CPayment::SetPaidState(kNotPaid);
    else
        CPayment::SetPaidState(kPartlyPaid);

    const bool hebrew = IsHebrewUi();
    m_payments.clear();
    bool allPaid = true;
    bool anyPaid = false;
    for (int n = 0;; ++n)
    {
        const std::string number = FormatInt(n);
        const int dollars = ini.GetInt(section, "PDolar" + number, -1);
        if (dollars < 0)
            break;
        const int shekels = ini.GetInt(section, "PShekel" + number, -1);
        if (shekels < 0)
            break;
        CPayment payment;
        payment.SetDollars(dollars);
        payment.SetShekels(shekels);
        payment.SetPaidState(ini.GetInt(section, "PPaid" + number, 0) == 1 ? kPaid : kNotPaid);
        payment.SetDate(
            CPayment::ParseDate(ini.GetString(section, "PDate" + number, "0.0.0000"), hebrew));
        payment.SetInfo(ini.GetString(section, "PInf" + number));
        if (n == 0)
            CPayment::SetDate(payment.GetDate());
        payment.ClearPaymentModified();
        allPaid = allPaid && payment.IsPaid();
        anyPaid = anyPaid || payment.IsPaid();
        m_payments.push_back(payment);
    }

    if (!m_payments.empty() && anyPaid && !allPaid)
        CPayment::SetPaidState(kPartlyPaid);

    if (m_payments.empty())
    {
        CPayment::SetDate(SDate(static_cast<short>(ini.GetInt(section, "Year", 0)),
                                static_cast<short>(ini.GetInt(section, "Month", 0)),
                                static_cast<short>(ini.GetInt(section, "Day", 0))));
        CPayment payment;
        payment.SetDollars(GetDollars());
        payment.SetShekels(GetShekels());
        payment.SetPaidState(GetPaidState());
        payment.SetDate(GetDate());
        payment.ClearPaymentModified();
        m_payments.push_back(payment);
    }

    m_paymentCountAtLoad = static_cast<std::uint16_t>(m_payments.size());
    ClearModified();
    return true;
}

std::unique_ptr<CRecord> CExpence::CloneState() const
{
    return std::unique_ptr<CRecord>(new CExpence(*this));
}
