#pragma once

#include "model/Date.h"
#include "model/Payment.h"

#include <optional>
#include <string>
#include <vector>

class CExpence;

// The values the expense dialog edits before they go into an expense: its name, comments, payer
// and the slots of its payments. The expense's amounts, date and paid state are not edited
// directly: they follow from the payments when the draft is applied (the dialog's "Total" row).
//
// A slot is empty or holds one payment; a payment is paid or not (state 1 or 0). An expense has
// ten slots; one read from an older file with more payments keeps them all (one slot each).
class CExpenseDraft
{
public:
    static constexpr int kPaymentSlots = 10;
    // The largest amount one payment may carry, in either currency: ten of them still add up
    // within the range of an expense's amounts.
    static constexpr int kMaxPaymentAmount = 100000000;

    // What the "Total" row shows: the sums over the filled slots, the paid state they give
    // (every payment paid: paid; none: not paid; otherwise partly) and their number.
    struct STotals
    {
        long long dollars = 0;
        long long shekels = 0;
        int paidState = CPayment::kNotPaid;
        int count = 0;
    };

    // A new expense: named "New expense" in the interface language, payer "Unknown", no payments.
    CExpenseDraft();
    // The expense's values. An expense without payments but with amounts (changed in the list, or
    // read so from an older file) gets one payment holding them, so applying the draft unchanged
    // never loses its price.
    static CExpenseDraft FromExpense(const CExpence& expense);

    std::string name;
    std::string comments;
    std::string payer;
    std::string category; // a free text of the expense list; the dialog keeps it as it is

    int SlotCount() const { return static_cast<int>(m_slots.size()); }
    // Null for an empty slot or one out of range.
    const CPayment* Slot(int slot) const;
    // Fills the slot (its paid state becomes 1 or 0 by IsPaid). False for a slot out of range.
    bool SetSlot(int slot, const CPayment& payment);
    bool ClearSlot(int slot);
    // The first empty slot; -1 when all are filled.
    int FirstFreeSlot() const;
    // The payment in its slot; -1 (nothing added) when every slot is filled.
    int AddPayment(const CPayment& payment);
    // The payments of the filled slots, in slot order.
    std::vector<CPayment> Payments() const;

    STotals Totals() const;

    // Gives the expense the name, comments, payer and category, the payments of the filled slots in
    // slot order, the totals as its amounts (saturated to the range of an int), the first payment's
    // date (today when there is none) and the paid state the payments give.
    void ApplyTo(CExpence& expense, const SDate& today) const;

private:
    std::vector<std::optional<CPayment>> m_slots;
};
