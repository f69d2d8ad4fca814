#pragma once

#include <memory>
#include <vector>

class CExpence;
class CNewOrvDoc;

// The running summary of the expenses screen: what everything costs, what has been paid so far
// and what is left, by the interface's money rule. The English interface counts dollars only; the
// Hebrew one counts shekels plus dollars converted at the event's rate. Total, paid and left are
// single-precision sums accumulated in list order, without rounding, as the screen always showed
// them.
class CExpenseSummary
{
public:
    // Over the document's expenses, with its rate ("DolarToShekel") and the interface language.
    explicit CExpenseSummary(const CNewOrvDoc& doc);
    CExpenseSummary(const std::vector<std::unique_ptr<CExpence>>& expenses, float rate,
                    bool hebrew);

    // An amount in the interface's currency: dollars in English; shekels + rate x dollars in
    // Hebrew.
    static float Amount(long long shekels, long long dollars, float rate, bool hebrew);
    // What the expense costs, and what of it is paid: nothing when not paid, all of it when paid,
    // the paid payments when partly paid.
    static float WholeAmount(const CExpence& expense, float rate, bool hebrew);
    static float PaidAmount(const CExpence& expense, float rate, bool hebrew);

    long long GetShekelsSum() const { return m_shekelsSum; }
    long long GetDollarsSum() const { return m_dollarsSum; }
    float GetRate() const { return m_rate; }
    float GetDollarsInShekels() const { return m_dollarsInShekels; }
    float GetTotal() const { return m_total; }
    float GetPaidSoFar() const { return m_paid; }
    float GetLeftToPay() const { return m_left; }

private:
    long long m_shekelsSum = 0;
    long long m_dollarsSum = 0;
    float m_rate = 0.0f;
    float m_dollarsInShekels = 0.0f;
    float m_total = 0.0f;
    float m_paid = 0.0f;
    float m_left = 0.0f;
};
