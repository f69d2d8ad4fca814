#include "budget/BudgetPlan.h"

#include "model/Offer.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"

CBudgetPlan::CBudgetPlan(const CNewOrvDoc& doc) : m_doc(doc) {}

int CBudgetPlan::InvitedCount() const
{
    return m_doc.SumInvited();
}

long long CBudgetPlan::Price(const COffer& offer) const
{
    return offer.GetPrice(InvitedCount());
}

std::vector<COffer*> CBudgetPlan::OffersIn(int combination) const
{
    std::vector<COffer*> offers;
    for (const auto& offer : m_doc.GetOffers())
        if (offer->IsInCombination(combination))
            offers.push_back(offer.get());
    return offers;
}

std::vector<COffer*> CBudgetPlan::OffersOf(const std::string& category) const
{
    std::vector<COffer*> offers;
    for (const auto& offer : m_doc.GetOffers())
        if (offer->GetCategory() == category)
            offers.push_back(offer.get());
    return offers;
}

long long CBudgetPlan::CombinationTotal(int combination) const
{
    // The invited count once, not once per offer.
    const int invited = InvitedCount();
    long long total = 0;
    for (const COffer* offer : OffersIn(combination))
        total += offer->GetPrice(invited);
    return total;
}

COffer* CBudgetPlan::SameCategoryOffer(int combination, const COffer& offer) const
{
    for (COffer* other : OffersIn(combination))
        if (other != &offer && other->GetCategory() == offer.GetCategory())
            return other;
    return nullptr;
}

int CBudgetPlan::Limit() const
{
    return LimitOf(*m_doc.GetEventSettings());
}

int CBudgetPlan::LimitOf(const CEventSettings& settings)
{
    const int stored = ParseLeadingInt(settings.GetKeySetting(kLimitKey));
    return stored > 0 ? stored : kDefaultLimit;
}

bool CBudgetPlan::WouldExceedLimit(const COffer& offer, int combination) const
{
    return Price(offer) + CombinationTotal(combination) > Limit();
}

bool CBudgetPlan::IsOverLimit(int combination) const
{
    return CombinationTotal(combination) > Limit();
}
