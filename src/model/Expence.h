#pragma once

#include "model/Payment.h"
#include "model/Record.h"

#include <cstdint>
#include <string>
#include <vector>

// One cost of the event with its price, payer, paid state and instalments.
//
// The CPayment base is the expense as a whole (its price, paid state and date); the CRecord base
// gives the name and the info (the comments). The whole and the instalments are kept in step:
// SetDollars / SetShekels also change the single payment of an expense that has exactly one;
// SetDate also dates the first payment; SetPaidState 0 or 1 gives every payment that state.
// Every changing setter marks the record modified and the owner's data changed.
class CExpence : public CPayment, public CRecord
{
public:
    static constexpr const char* kSectionPrefix = "Expences";

    // Takes the next expense index; starts with one empty payment and the payer "Unknown" in the
    // interface language. The owner is not owned and may be null.
    explicit CExpence(IRecordOwner* owner);

    int GetFileKind() const override;
    // Reads an Expences.ini section; every expense read has at least one payment. Payment dates
    // are read in the interface language's day/month order.
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;
    // True when the record part, the expense's own amounts or any payment changed.
    bool IsModified() const override;
    // Clears the record part, the expense's own amounts and every payment.
    void ClearModified() override;

    bool SetDollars(int dollars) override;
    bool SetShekels(int shekels) override;
    bool SetPaidState(int state) override;
    bool SetDate(const SDate& date) override;

    // The info is the CRecord's (the comments).
    using CRecord::GetInfo;
    using CRecord::SetInfo;

    // A free text of the expense list, not a budget category.
    const std::string& GetCategory() const { return m_category; }
    bool SetCategory(const std::string& category) { return CRecord::Assign(m_category, category); }
    const std::string& GetPayer() const { return m_payer; }
    bool SetPayer(const std::string& payer) { return CRecord::Assign(m_payer, payer); }

    int GetPaymentCount() const { return static_cast<int>(m_payments.size()); }
    // Null when i is out of range. The pointer is valid until the payments change.
    const CPayment* GetPayment(int i) const;
    const std::vector<CPayment>& GetPayments() const { return m_payments; }
    // Grows the list with empty payments so that position i exists, copies into it and marks the
    // expense modified. False (nothing changed) for a negative i.
    bool SetPayment(int i, const CPayment& payment);
    bool SetPayment(int i, int shekels, int dollars, int paidState, const SDate& date,
                    const std::string& info);
    // Empties the payment list.
    void ClearPayments();
    // Paid state from the payments: none 0, all paid 1, some paid 2, none paid 0. The payments
    // are left as they are.
    void RecomputePaidState();
    // Not paid: 0 and 0. Paid: the expense's own amounts. Partly paid: the sums of the paid
    // payments.
    void GetPaidAmounts(int& shekels, int& dollars) const;
    // Number of payments found when the expense was read from a legacy file.
    std::uint16_t GetPaymentCountAtLoad() const { return m_paymentCountAtLoad; }

    // "Yes", "No" or "Partly" in the interface language.
    static std::string GetPaidStateText(int state);

protected:
    // For CloneState only.
    CExpence(const CExpence&) = default;

    // For offers: takes an index of the given class; without the initial payment when
    // withInitialPayment is false; the payer is as given.
    CExpence(IRecordOwner* owner, ERecordClass recordClass, const char* sectionPrefix,
             bool withInitialPayment, const std::string& payer);

private:
    std::string m_category;
    std::vector<CPayment> m_payments;
    std::uint16_t m_paymentCountAtLoad = 0;
    std::string m_payer;
};
