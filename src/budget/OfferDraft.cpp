#include "budget/OfferDraft.h"

#include "model/Offer.h"
#include "platform/StringIds.h"
#include "platform/TextEncoding.h"

COfferDraft COfferDraft::FromOffer(const COffer& offer)
{
    COfferDraft draft;
    draft.name = offer.GetName();
    draft.category = offer.GetCategory();
    draft.comments = offer.CRecord::GetInfo();
    draft.perGuest = offer.IsPerGuest();
    if (draft.perGuest)
        draft.pricePerGuest = offer.GetShekels();
    else
        draft.fixedAmount = offer.GetShekels();
    draft.otherGuests = offer.GetGuestsForOffer() >= 1;
    draft.guests = offer.GetGuestsForOffer();
    return draft;
}

long long COfferDraft::Total(int invited) const
{
    if (!perGuest)
        return fixedAmount;
    return static_cast<long long>(pricePerGuest) * (otherGuests ? guests : invited);
}

void COfferDraft::ChooseOtherGuests(int invited)
{
    otherGuests = true;
    if (guests < 1)
        guests = invited;
}

int COfferDraft::Problem(int invited) const
{
    if (TrimSpaces(name).empty())
        return IDS_FILL_ALL_MANDATORY;
    if (Total(invited) == 0)
        return IDS_FILL_OFFER_SUM;
    return 0;
}

void COfferDraft::ApplyTo(COffer& offer) const
{
    offer.SetName(TrimSpaces(name));
    offer.SetCategory(category);
    offer.SetInfo(comments);
    offer.SetPerGuest(perGuest);
    offer.SetGuestsForOffer(perGuest && otherGuests ? guests : 0);
    offer.SetShekels(perGuest ? pricePerGuest : fixedAmount);
}
