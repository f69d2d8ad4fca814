#include "edits/BudgetEdits.h"

#include "budget/BudgetPlan.h"
#include "budget/OfferDraft.h"
#include "edits/UndoSteps.h"
#include "model/Category.h"
#include "model/Offer.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

namespace
{
bool ValidCombination(int combination)
{
    return combination >= 0 && combination < CBudgetPlan::kCombinations;
}

bool AskYes(CNewOrvDoc& doc, const std::string& text, int captionId)
{
    return doc.GetPrompt().Ask(text, LoadString(captionId), EButtons::YesNo) == EAnswer::Yes;
}

void TellCategoryExists(CNewOrvDoc& doc, const std::string& name)
{
    doc.GetPrompt().Ask(FormatText(LoadString(IDS_CATEGORY_EXISTS_TEXT), {name}),
                        LoadString(IDS_CATEGORY_EXISTS_CAPTION), EButtons::Ok);
}
} // namespace

namespace Edits
{
bool CheckOffer(CNewOrvDoc& doc, const COfferDraft& draft)
{
    int problem = draft.Problem(CBudgetPlan(doc).InvitedCount());
    if (problem == 0 && doc.FindCategory(draft.category) == nullptr)
        problem = IDS_FILL_ALL_MANDATORY;
    if (problem == 0)
        return true;
    AskString(doc.GetPrompt(), problem, IDS_MISSING_DETAIL_CAPTION, EButtons::Ok);
    return false;
}

COffer* AddOffer(CNewOrvDoc& doc, const COfferDraft& draft, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    if (!CheckOffer(doc, draft))
        return nullptr;
    COffer* offer = doc.AddOffer(TrimSpaces(draft.name), draft.category, 0, std::string());
    draft.ApplyTo(*offer);
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED, offer);
    return offer;
}

bool EditOffer(CNewOrvDoc& doc, COffer* offer, const COfferDraft& draft, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    if (offer == nullptr || !CheckOffer(doc, draft))
        return false;
    const unsigned long before = doc.GetChangeCount();
    draft.ApplyTo(*offer);
    if (doc.GetChangeCount() == before)
        return false;
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED, offer);
    return true;
}

bool DeleteOfferWithQuestion(CNewOrvDoc& doc, COffer* offer, IDocView* sender)
{
    NameStep(doc, IDS_STEP_DELETE_OFFER);
    if (offer == nullptr)
        return false;
    if (AskString(doc.GetPrompt(), IDS_DELETE_OFFER_QUESTION, IDS_DELETE_OFFER_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    doc.UpdateAllViews(nullptr, HINT_BUDGET_REMOVING, offer);
    if (!doc.RemoveOffer(offer))
        return false;
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED);
    return true;
}

bool MoveOfferIntoCombination(CNewOrvDoc& doc, COffer* offer, int combination, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    if (offer == nullptr || !ValidCombination(combination) || offer->IsInCombination(combination))
        return false;
    const CBudgetPlan plan(doc);
    if (const COffer* other = plan.SameCategoryOffer(combination, *offer))
    {
        if (!AskYes(doc, FormatText(LoadString(IDS_SAME_CATEGORY_QUESTION), {other->GetName()}),
                    IDS_SAME_CATEGORY_CAPTION))
            return false;
    }
    if (plan.WouldExceedLimit(*offer, combination))
    {
        if (!AskYes(doc, FormatText(LoadString(IDS_OVER_LIMIT_QUESTION), {FormatInt(plan.Limit())}),
                    IDS_OVER_LIMIT_CAPTION))
            return false;
    }
    offer->SetInCombination(combination, true);
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED, offer);
    return true;
}

bool MoveOfferOutOfCombination(CNewOrvDoc& doc, COffer* offer, int combination, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    if (offer == nullptr || !offer->SetInCombination(combination, false))
        return false;
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED, offer);
    return true;
}

int EmptyCombination(CNewOrvDoc& doc, int combination, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    int taken = 0;
    for (COffer* offer : CBudgetPlan(doc).OffersIn(combination))
        taken += offer->SetInCombination(combination, false) ? 1 : 0;
    if (taken > 0)
        doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED);
    return taken;
}

CCategory* AddCategory(CNewOrvDoc& doc, const std::string& name, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    const std::string trimmed = TrimSpaces(name);
    if (trimmed.empty())
        return nullptr;
    if (doc.FindCategory(trimmed) != nullptr)
    {
        TellCategoryExists(doc, trimmed);
        return nullptr;
    }
    CCategory* category = doc.AddCategory(trimmed);
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED, category);
    return category;
}

bool RenameCategory(CNewOrvDoc& doc, CCategory* category, const std::string& newName,
                    IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    const std::string trimmed = TrimSpaces(newName);
    if (category == nullptr || trimmed.empty() || trimmed == category->GetName())
        return false;
    if (doc.FindCategory(trimmed) != nullptr)
    {
        TellCategoryExists(doc, trimmed);
        return false;
    }
    doc.RenameCategory(category, trimmed);
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED, category);
    return true;
}

bool DeleteCategoryWithQuestion(CNewOrvDoc& doc, CCategory* category, IDocView* sender)
{
    NameStep(doc, IDS_STEP_DELETE_CATEGORY);
    if (category == nullptr)
        return false;
    if (AskString(doc.GetPrompt(), IDS_DELETE_CATEGORY_QUESTION, IDS_DELETE_CATEGORY_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    doc.UpdateAllViews(nullptr, HINT_BUDGET_REMOVING, category);
    if (!doc.DeleteCategory(category))
        return false;
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED);
    return true;
}

bool SetBudgetLimit(CNewOrvDoc& doc, int limit, IDocView* sender)
{
    NameStep(doc, IDS_STEP_BUDGET);
    if (limit == CBudgetPlan(doc).Limit())
        return false;
    doc.GetSettings().SetKeySetting(CBudgetPlan::kLimitKey, FormatInt(limit));
    doc.SetDataChanged(true);
    doc.UpdateAllViews(sender, HINT_BUDGET_CHANGED);
    return true;
}
} // namespace Edits
