#pragma once

#include <string>
#include <vector>

class CEventSettings;
class CNewOrvDoc;
class COffer;

// The budget's rules over the document's offers: the price of an offer (a per-guest offer follows
// the invited count at once), the three combinations and their totals, and the budget limit.
//
// Combination k (0 to 2) is the set of offers whose flag k is set, in document order. Prices and
// totals are whole shekels, added as 64-bit numbers so that no sum can wrap.
class CBudgetPlan
{
public:
    static constexpr int kCombinations = 3;
    // The limit of an event that stored none (or 0, or a negative one).
    static constexpr int kDefaultLimit = 50000;
    // The key of the event settings ("KeySettings") that holds the limit.
    static constexpr const char* kLimitKey = "UpperBudgetLimit";

    explicit CBudgetPlan(const CNewOrvDoc& doc);

    // The sum of every guest's planned (invited) number of people, counted afresh.
    int InvitedCount() const;
    long long Price(const COffer& offer) const;

    // The offers of combination k in document order; none for k out of range.
    std::vector<COffer*> OffersIn(int combination) const;
    // The offers whose category text is the name, in document order.
    std::vector<COffer*> OffersOf(const std::string& category) const;
    long long CombinationTotal(int combination) const;
    // Another offer of combination k with the offer's category; null when there is none.
    COffer* SameCategoryOffer(int combination, const COffer& offer) const;

    int Limit() const;
    // The limit an event's settings give: the stored whole number, or kDefaultLimit when it is
    // absent, 0 or negative.
    static int LimitOf(const CEventSettings& settings);
    // True when the offer's price added to combination k's total would be over the limit
    // (strictly greater: reaching the limit exactly is within it).
    bool WouldExceedLimit(const COffer& offer, int combination) const;
    // True when combination k's total is over the limit.
    bool IsOverLimit(int combination) const;

private:
    const CNewOrvDoc& m_doc;
};
