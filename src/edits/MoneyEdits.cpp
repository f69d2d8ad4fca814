#include "edits/MoneyEdits.h"

#include "budget/ExpenseDraft.h"
#include "edits/UndoSteps.h"
#include "model/Expence.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <memory>

namespace
{
bool ApplyDraft(CNewOrvDoc& doc, CExpence* expense, const CExpenseDraft& draft, IDocView* sender)
{
    const unsigned long before = doc.GetChangeCount();
    draft.ApplyTo(*expense, SDate::Today());
    if (doc.GetChangeCount() == before)
        return false;
    doc.UpdateAllViews(sender, HINT_EXPENSE_CHANGED, expense);
    return true;
}

bool HasSeveralLines(const std::string& text)
{
    return text.find('\n') != std::string::npos || text.find('\r') != std::string::npos;
}
} // namespace

namespace Edits
{
CExpence* AddExpense(CNewOrvDoc& doc, const CExpenseDraft& draft, IDocView* sender)
{
    NameStep(doc, IDS_STEP_ADD_EXPENSE);
    auto expense = std::make_unique<CExpence>(&doc);
    expense->ClearPayments();
    draft.ApplyTo(*expense, SDate::Today());
    CExpence* added = expense.get();
    doc.AddExpense(std::move(expense));
    doc.UpdateAllViews(sender, HINT_EXPENSE_ADDED, added);
    return added;
}

bool EditExpense(CNewOrvDoc& doc, CExpence* expense, const CExpenseDraft& draft, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_EXPENSE);
    if (expense == nullptr)
        return false;
    return ApplyDraft(doc, expense, draft, sender);
}

bool DeleteExpenseWithQuestion(CNewOrvDoc& doc, CExpence* expense, IDocView*)
{
    NameStep(doc, IDS_STEP_DELETE_EXPENSE);
    if (expense == nullptr)
        return false;
    if (AskString(doc.GetPrompt(), IDS_DELETE_EXPENSE_QUESTION, IDS_DELETE_EXPENSE_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    // Every view, the sender too: its list must drop the row before the record goes.
    doc.UpdateAllViews(nullptr, HINT_EXPENSE_REMOVING, expense);
    return doc.RemoveExpense(expense) != nullptr;
}

bool PayExpenseInFull(CNewOrvDoc& doc, CExpence* expense, IDocView* sender)
{
    NameStep(doc, IDS_STEP_PAYMENT);
    if (expense == nullptr)
        return false;
    if (!expense->SetPaidState(CPayment::kPaid))
        return false;
    doc.UpdateAllViews(sender, HINT_EXPENSE_CHANGED, expense);
    return true;
}

bool AddPayment(CNewOrvDoc& doc, CExpence* expense, const CPayment& payment, IDocView* sender)
{
    NameStep(doc, IDS_STEP_PAYMENT);
    if (expense == nullptr)
        return false;
    CExpenseDraft draft = CExpenseDraft::FromExpense(*expense);
    if (draft.AddPayment(payment) < 0)
    {
        AskString(doc.GetPrompt(), IDS_TOO_MANY_PAYMENTS_TEXT, IDS_TOO_MANY_PAYMENTS_CAPTION,
                  EButtons::Ok);
        return false;
    }
    return ApplyDraft(doc, expense, draft, sender);
}

bool PayPayment(CNewOrvDoc& doc, CExpence* expense, int i, IDocView* sender)
{
    NameStep(doc, IDS_STEP_PAYMENT);
    if (expense == nullptr)
        return false;
    CExpenseDraft draft = CExpenseDraft::FromExpense(*expense);
    // The draft's filled slots are the payments in order (an expense without payments but with an
    // amount shows that amount as its one payment).
    const std::vector<CPayment> payments = draft.Payments();
    if (i < 0 || i >= static_cast<int>(payments.size()) ||
        payments[static_cast<std::size_t>(i)].IsPaid())
        return false;
    CPayment paid = payments[static_cast<std::size_t>(i)];
    paid.SetPaidState(CPayment::kPaid);
    draft.SetSlot(i, paid);
    return ApplyDraft(doc, expense, draft, sender);
}

bool MoveExpense(CNewOrvDoc& doc, int from, int to, IDocView* sender)
{
    NameStep(doc, IDS_STEP_MOVE_EXPENSE);
    if (!doc.SwapExpenses(from, to))
        return false;
    doc.UpdateAllViews(sender, HINT_EXPENSE_CHANGED);
    return true;
}

bool CheckExpenseInPlaceEdit(CNewOrvDoc& doc, const CExpence& expense, EExpenseField field)
{
    int refusal = 0;
    if ((field == EExpenseField::Dollars || field == EExpenseField::Shekels) &&
        expense.GetPaymentCount() > 1)
        refusal = IDS_SUM_HAS_PAYMENTS_TEXT;
    else if (field == EExpenseField::Comments && HasSeveralLines(expense.CRecord::GetInfo()))
        refusal = IDS_COMMENTS_HAVE_LINES_TEXT;
    if (refusal == 0)
        return true;
    AskString(doc.GetPrompt(), refusal, IDS_CANNOT_CHANGE_HERE_CAPTION, EButtons::Ok);
    return false;
}

bool EditExpenseField(CNewOrvDoc& doc, CExpence* expense, EExpenseField field,
                      const ExpenseFieldValue& value, IDocView* sender)
{
    NameStep(doc, IDS_STEP_EDIT_EXPENSE);
    if (expense == nullptr)
        return false;
    const bool text = field == EExpenseField::Name || field == EExpenseField::Comments;
    if (text != std::holds_alternative<std::string>(value))
        return false;
    if (!CheckExpenseInPlaceEdit(doc, *expense, field))
        return false;
    bool changed = false;
    switch (field)
    {
    case EExpenseField::Name:
        changed = expense->SetName(std::get<std::string>(value));
        break;
    case EExpenseField::Comments:
        changed = expense->SetInfo(std::get<std::string>(value));
        break;
    case EExpenseField::Dollars:
    case EExpenseField::Shekels:
    {
        const int amount = std::clamp(std::get<int>(value), 0, CExpenseDraft::kMaxPaymentAmount);
        changed = field == EExpenseField::Dollars ? expense->SetDollars(amount)
                                                  : expense->SetShekels(amount);
        break;
    }
    }
    if (changed)
        doc.UpdateAllViews(sender, HINT_EXPENSE_CHANGED, expense);
    return changed;
}
} // namespace Edits
