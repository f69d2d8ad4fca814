#pragma once

#include "budget/GiftList.h"

class CGuest;
class CNewOrvDoc;
class IDocView;

// The user's edits of the guests' gifts (the gifts screen and the guest details panel).
namespace Edits
{
// Stores the four values of the gift in the guest (amounts within CGiftList::kMaxAmount). True
// when something changed; then announces HINT_GIFT_CHANGED with the guest.
bool SetGift(CNewOrvDoc& doc, CGuest* guest, const CGiftList::SGift& gift, IDocView* sender);

// A guest without a gift: "No gift was entered for this guest", nothing changes. Otherwise asks
// "Are you sure you want to delete this gift?" (Yes/No) and on Yes clears the four values. True
// when cleared.
bool DeleteGiftWithQuestion(CNewOrvDoc& doc, CGuest* guest, IDocView* sender);
} // namespace Edits
