#include "budget/ExpenseSummary.h"

#include "model/Expence.h"
#include "platform/Language.h"
#include "store/NewOrvDoc.h"

CExpenseSummary::CExpenseSummary(const CNewOrvDoc& doc)
    : CExpenseSummary(doc.GetExpenses(),
                      static_cast<float>(doc.GetEventSettings()->GetDollarRate()), IsHebrewUi())
{
}

CExpenseSummary::CExpenseSummary(const std::vector<std::unique_ptr<CExpence>>& expenses, float rate,
                                 bool hebrew)
    : m_rate(rate)
{
    for (const auto& expense : expenses)
    {
        m_shekelsSum += expense->GetShekels();
        m_dollarsSum += expense->GetDollars();
        m_total += WholeAmount(*expense, rate, hebrew);
        m_paid += PaidAmount(*expense, rate, hebrew);
    }
    m_left = m_total - m_paid;
    m_dollarsInShekels = static_cast<float>(m_dollarsSum) * rate;
}

float CExpenseSummary::Amount(long long shekels, long long dollars, float rate, bool hebrew)
{
    if (!hebrew)
        return static_cast<float>(dollars);
    return static_cast<float>(shekels) + rate * static_cast<float>(dollars);
}

float CExpenseSummary::WholeAmount(const CExpence& expense, float rate, bool hebrew)
{
    return Amount(expense.GetShekels(), expense.GetDollars(), rate, hebrew);
}

float CExpenseSummary::PaidAmount(const CExpence& expense, float rate, bool hebrew)
{
    int shekels = 0;
    int dollars = 0;
    expense.GetPaidAmounts(shekels, dollars);
    return Amount(shekels, dollars, rate, hebrew);
}
