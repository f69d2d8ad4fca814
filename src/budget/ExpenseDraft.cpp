#include "budget/ExpenseDraft.h"

#include "model/Expence.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <climits>

namespace
{
int Saturated(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// A slot holds a payment that is paid or not: the partly state belongs to expenses only.
CPayment Normalised(const CPayment& payment)
{
    CPayment copy = payment;
    copy.SetPaidState(payment.IsPaid() ? CPayment::kPaid : CPayment::kNotPaid);
    return copy;
}
} // namespace

CExpenseDraft::CExpenseDraft()
    : name(LoadString(IDS_NEW_EXPENSE)), payer(LoadString(IDS_UNKNOWN)),
      m_slots(static_cast<std::size_t>(kPaymentSlots))
{
}

CExpenseDraft CExpenseDraft::FromExpense(const CExpence& expense)
{
    CExpenseDraft draft;
    draft.name = expense.GetName();
    draft.comments = expense.CRecord::GetInfo();
    draft.payer = expense.GetPayer();
    draft.category = expense.GetCategory();
    std::vector<CPayment> payments = expense.GetPayments();
    if (payments.empty() && (expense.GetDollars() != 0 || expense.GetShekels() != 0))
    {
        CPayment whole;
        whole.SetDollars(expense.GetDollars());
        whole.SetShekels(expense.GetShekels());
        whole.SetPaidState(expense.IsPaid() ? CPayment::kPaid : CPayment::kNotPaid);
        whole.SetDate(expense.GetDate());
        payments.push_back(whole);
    }
    draft.m_slots.resize(std::max<std::size_t>(kPaymentSlots, payments.size()));
    for (std::size_t i = 0; i < payments.size(); ++i)
        draft.m_slots[i] = Normalised(payments[i]);
    return draft;
}

const CPayment* CExpenseDraft::Slot(int slot) const
{
    if (slot < 0 || slot >= SlotCount() || !m_slots[static_cast<std::size_t>(slot)])
        return nullptr;
    return &*m_slots[static_cast<std::size_t>(slot)];
}

bool CExpenseDraft::SetSlot(int slot, const CPayment& payment)
{
    if (slot < 0 || slot >= SlotCount())
        return false;
    m_slots[static_cast<std::size_t>(slot)] = Normalised(payment);
    return true;
}

bool CExpenseDraft::ClearSlot(int slot)
{
    if (slot < 0 || slot >= SlotCount())
        return false;
    m_slots[static_cast<std::size_t>(slot)].reset();
    return true;
}

int CExpenseDraft::FirstFreeSlot() const
{
    for (int slot = 0; slot < SlotCount(); ++slot)
        if (!m_slots[static_cast<std::size_t>(slot)])
            return slot;
    return -1;
}

int CExpenseDraft::AddPayment(const CPayment& payment)
{
    const int slot = FirstFreeSlot();
    if (slot >= 0)
        SetSlot(slot, payment);
    return slot;
}

std::vector<CPayment> CExpenseDraft::Payments() const
{
    std::vector<CPayment> payments;
    for (const auto& slot : m_slots)
        if (slot)
            payments.push_back(*slot);
    return payments;
}

CExpenseDraft::STotals CExpenseDraft::Totals() const
{
    STotals totals;
    int paid = 0;
    for (const auto& slot : m_slots)
    {
        if (!slot)
            continue;
        totals.dollars += slot->GetDollars();
        totals.shekels += slot->GetShekels();
        ++totals.count;
        paid += slot->IsPaid() ? 1 : 0;
    }
    if (paid > 0)
        totals.paidState = paid == totals.count ? CPayment::kPaid : CPayment::kPartlyPaid;
    return totals;
}

void CExpenseDraft::ApplyTo(CExpence& expense, const SDate& today) const
{
    expense.SetName(name);
    expense.SetInfo(comments);
    expense.SetPayer(payer);
    expense.SetCategory(category);

    const std::vector<CPayment> payments = Payments();
    // Replaced only when they differ, so an unchanged draft leaves the expense unmodified.
    bool samePayments = payments.size() == expense.GetPayments().size();
    for (std::size_t i = 0; samePayments && i < payments.size(); ++i)
    {
        const CPayment& a = payments[i];
        const CPayment& b = expense.GetPayments()[i];
        samePayments = a.GetDollars() == b.GetDollars() && a.GetShekels() == b.GetShekels() &&
                       a.GetPaidState() == b.GetPaidState() && a.GetDate() == b.GetDate() &&
                       a.GetInfo() == b.GetInfo();
    }
    if (!samePayments)
    {
        expense.ClearPayments();
        for (std::size_t i = 0; i < payments.size(); ++i)
            expense.SetPayment(static_cast<int>(i), payments[i]);
    }

    const STotals totals = Totals();
    expense.SetDollars(Saturated(totals.dollars));
    expense.SetShekels(Saturated(totals.shekels));
    expense.SetDate(payments.empty() ? today : payments.front().GetDate());
    expense.RecomputePaidState();
}
