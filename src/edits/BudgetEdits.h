#pragma once

#include <string>

class CCategory;
class CNewOrvDoc;
class COffer;
class COfferDraft;
class IDocView;

// The user's edits of the budget: offers, categories, the three combinations and the budget limit
// (budget/BudgetPlan.h has the rules). Each asks and tells through the document's prompt and
// announces the change to every view but the sender: HINT_BUDGET_CHANGED, and before an offer or a
// category goes HINT_BUDGET_REMOVING to every view.
namespace Edits
{
// Tells the draft's problem ("Missing Detail": an empty name, a total of 0, or a category the
// event does not have) and answers false; true when the draft can be stored.
bool CheckOffer(CNewOrvDoc& doc, const COfferDraft& draft);

// Appends an offer made from the draft (after the check). Null when refused.
COffer* AddOffer(CNewOrvDoc& doc, const COfferDraft& draft, IDocView* sender);
// Gives the offer the draft's values (after the check). True when something changed.
bool EditOffer(CNewOrvDoc& doc, COffer* offer, const COfferDraft& draft, IDocView* sender);
// Asks "Do you want to delete this offer?" (Yes/No); on Yes the offer goes (from every
// combination with it). True when deleted.
bool DeleteOfferWithQuestion(CNewOrvDoc& doc, COffer* offer, IDocView* sender);

// Puts the offer into combination k (0 to 2) after two questions: whether to keep two offers of
// one category together ("An offer from this category already exists!"), and whether to go over
// the budget limit (asked only when the new total would be strictly greater). False when an
// answer was not Yes, the offer is there already or k is out of range.
bool MoveOfferIntoCombination(CNewOrvDoc& doc, COffer* offer, int combination, IDocView* sender);
// Takes the offer out of combination k. False when it was not there.
bool MoveOfferOutOfCombination(CNewOrvDoc& doc, COffer* offer, int combination, IDocView* sender);
// Takes every offer out of combination k; the number taken out.
int EmptyCombination(CNewOrvDoc& doc, int combination, IDocView* sender);

// Appends a category with the name trimmed of blanks. An empty name is ignored (null, nothing
// told); a name the event has already is refused (told, null).
CCategory* AddCategory(CNewOrvDoc& doc, const std::string& name, IDocView* sender);
// Renames the category and every offer that carries its name, in all three combinations. The
// name is trimmed; empty or unchanged: false, nothing told; another category's name: refused.
bool RenameCategory(CNewOrvDoc& doc, CCategory* category, const std::string& newName,
                    IDocView* sender);
// Asks "Deleting a category will delete all the offers that reside under it." (Yes/No); on Yes
// the category and its offers go, from every combination. True when deleted.
bool DeleteCategoryWithQuestion(CNewOrvDoc& doc, CCategory* category, IDocView* sender);

// Stores the budget limit ("UpperBudgetLimit") when it differs from the limit in force, and marks
// the data changed. True when stored.
bool SetBudgetLimit(CNewOrvDoc& doc, int limit, IDocView* sender);
} // namespace Edits
