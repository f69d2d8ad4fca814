#pragma once

#include <string>
#include <variant>

class CExpence;
class CExpenseDraft;
class CNewOrvDoc;
class CPayment;
class IDocView;

// The user's edits of the expenses and their payments. Each applies the rules of the expense
// dialog (budget/ExpenseDraft.h), asks and tells through the document's prompt, and announces the
// change to every view but the sender.
namespace Edits
{
// The cells of the expenses list that can be edited in place.
enum class EExpenseField : int
{
    Name,     // text
    Comments, // text of one line; comments of several lines are edited in the dialog only
    Dollars,  // number; only while the expense has at most one payment
    Shekels,  // number; as the dollars
};

using ExpenseFieldValue = std::variant<int, std::string>;

// Appends a new expense made from the draft (dated today when it has no payment). Announces
// HINT_EXPENSE_ADDED with it.
CExpence* AddExpense(CNewOrvDoc& doc, const CExpenseDraft& draft, IDocView* sender);

// Gives the expense the draft's values. True when something changed; then announces
// HINT_EXPENSE_CHANGED with the expense.
bool EditExpense(CNewOrvDoc& doc, CExpence* expense, const CExpenseDraft& draft, IDocView* sender);

// Asks "Are you sure you want to delete this expense?" (Yes/No) and on Yes deletes it: every view
// hears HINT_EXPENSE_REMOVING first (the pointer is then gone). True when it was deleted.
bool DeleteExpenseWithQuestion(CNewOrvDoc& doc, CExpence* expense, IDocView* sender);

// "Paid All": the expense and every payment paid. False when it already was (nothing changes).
// Announces HINT_EXPENSE_CHANGED.
bool PayExpenseInFull(CNewOrvDoc& doc, CExpence* expense, IDocView* sender);

// Puts the payment into the first free slot of the expense (as "Add Payment" of the dialog and OK
// would). Refused, and told, when every slot is taken. Announces HINT_EXPENSE_CHANGED.
bool AddPayment(CNewOrvDoc& doc, CExpence* expense, const CPayment& payment, IDocView* sender);

// Marks the payment at position i paid (as the dialog's "Was paid" and OK would). False when it
// was paid already or i is out of range.
bool PayPayment(CNewOrvDoc& doc, CExpence* expense, int i, IDocView* sender);

// Exchanges the expenses at positions from and to (a move up or down the list). False for a
// position out of range or equal positions. Announces HINT_EXPENSE_CHANGED without a record.
bool MoveExpense(CNewOrvDoc& doc, int from, int to, IDocView* sender);

// Whether the cell may be edited in place; when not, tells why (caption "Cannot change this value
// from here!") and answers false.
bool CheckExpenseInPlaceEdit(CNewOrvDoc& doc, const CExpence& expense, EExpenseField field);

// Stores one cell (after the check above, which refuses with its message). True when the value
// changed; then announces HINT_EXPENSE_CHANGED with the expense. A value of the wrong kind
// changes nothing; an amount is taken within the range of a payment.
bool EditExpenseField(CNewOrvDoc& doc, CExpence* expense, EExpenseField field,
                      const ExpenseFieldValue& value, IDocView* sender);
} // namespace Edits
