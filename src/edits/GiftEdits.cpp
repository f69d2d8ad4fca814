#include "edits/GiftEdits.h"

#include "edits/UndoSteps.h"
#include "model/Guest.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

namespace
{
float Amount(int value)
{
    return static_cast<float>(std::clamp(value, 0, CGiftList::kMaxAmount));
}
} // namespace

namespace Edits
{
bool SetGift(CNewOrvDoc& doc, CGuest* guest, const CGiftList::SGift& gift, IDocView* sender)
{
    NameStep(doc, IDS_STEP_GIFT);
    if (guest == nullptr)
        return false;
    bool changed = guest->SetGift(gift.description);
    changed = guest->SetGiftDetails(gift.comments) || changed;
    changed = guest->SetGiftDollars(Amount(gift.dollars)) || changed;
    changed = guest->SetGiftShekels(Amount(gift.shekels)) || changed;
    if (changed)
        doc.UpdateAllViews(sender, HINT_GIFT_CHANGED, guest);
    return changed;
}

bool DeleteGiftWithQuestion(CNewOrvDoc& doc, CGuest* guest, IDocView* sender)
{
    NameStep(doc, IDS_STEP_DELETE_GIFT);
    if (guest == nullptr)
        return false;
    if (CGiftList::GiftOf(*guest).IsEmpty())
    {
        AskString(doc.GetPrompt(), IDS_NO_GIFT_TEXT, IDS_NO_GIFT_CAPTION, EButtons::Ok);
        return false;
    }
    if (AskString(doc.GetPrompt(), IDS_DELETE_GIFT_QUESTION, IDS_DELETE_GIFT_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    return SetGift(doc, guest, CGiftList::SGift(), sender);
}
} // namespace Edits
