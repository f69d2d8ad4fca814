// The commands of the money screens: the expenses with their payments, the budget offers and
// combinations, and the gifts. They change data only through the same edit operations as the
// screens, so the rules and questions are the same (answered by --yes, --no, --cancel).
//
// Expenses and offers are named by their position in their list, from 0; payments by their
// position in their expense, from 0; guests by their unique id. Amounts are whole numbers: they
// are given as decimal numbers ("1500" or "1500.0") and refused with a fraction.

#include "budget/BudgetPlan.h"
#include "budget/ExpenseDraft.h"
#include "budget/ExpenseSummary.h"
#include "budget/GiftList.h"
#include "budget/OfferDraft.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliPrompt.h"
#include "cli/Commands.h"
#include "cli/DumpJson.h"
#include "edits/BudgetEdits.h"
#include "edits/GiftEdits.h"
#include "edits/MoneyEdits.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Guest.h"
#include "model/Offer.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <ostream>

using nlohmann::json;

namespace
{
// The payer texts the expense dialog offers, in its order, in the interface language.
const int kPayerIds[] = {IDS_UNKNOWN,
                         IDS_PAYER_GROOM,
                         IDS_PAYER_BRIDE,
                         IDS_PAYER_GROOM_AND_BRIDE,
                         IDS_PAYER_GROOM_PARENTS,
                         IDS_PAYER_BRIDE_PARENTS,
                         IDS_PAYER_BOTH_PARENTS};

// A whole amount from 0 to maximum, written as a decimal number with an optional point and zeros.
int ParseAmount(const std::string& text, const std::string& what, int maximum)
{
    const SCliUsageError bad{what + " must be a whole amount from 0 to " + FormatInt(maximum) +
                             ": " + text};
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    if (point != std::string::npos)
    {
        const std::string fraction = text.substr(point + 1);
        if (fraction.find_first_not_of('0') != std::string::npos)
            throw bad;
    }
    int value = 0;
    const char* end = whole.data() + whole.size();
    const auto result = std::from_chars(whole.data(), end, value);
    if (whole.empty() || result.ec != std::errc() || result.ptr != end || value < 0 ||
        value > maximum)
        throw bad;
    return value;
}

std::optional<int> AmountOption(CCliArgs& args, const std::string& name, int maximum)
{
    const std::optional<std::string> text = args.Option(name);
    if (!text)
        return std::nullopt;
    return ParseAmount(*text, name, maximum);
}

// An index of a list of count entries; throws for bad usage, -1 when there is no such entry.
int ListIndex(const std::string& text, const std::string& what, std::size_t count)
{
    const int index = CCliArgs::ParseInt(text, what);
    return index >= 0 && static_cast<std::size_t>(index) < count ? index : -1;
}

// A date as the new commands write it; null for no date.
json DateText(const SDate& date)
{
    if (date.IsEmpty())
        return nullptr;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// A single-precision sum as the shortest decimal that reads back as the same float, so 0.1f shows
// as 0.1 rather than as the double nearest to it.
json FloatJson(float value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    double exact = 0.0;
    std::from_chars(text, result.ptr, exact);
    return exact;
}

// The first line of a text, with "..." when there are more.
std::string FirstLine(const std::string& text)
{
    const std::size_t end = text.find_first_of("\r\n");
    return end == std::string::npos ? text : text.substr(0, end) + "...";
}

CExpence* FindExpense(CCliContext& context, const std::string& text, int& status)
{
    const auto& expenses = context.Doc().GetExpenses();
    const int index = ListIndex(text, "an expense index", expenses.size());
    if (index < 0)
    {
        status = context.Fail(kExitNotFound, "no expense " + text);
        return nullptr;
    }
    return expenses[static_cast<std::size_t>(index)].get();
}

int PositionOf(const CNewOrvDoc& doc, const CExpence* expense)
{
    const auto& expenses = doc.GetExpenses();
    for (std::size_t i = 0; i < expenses.size(); ++i)
        if (expenses[i].get() == expense)
            return static_cast<int>(i);
    return -1;
}

int PositionOf(const CNewOrvDoc& doc, const COffer* offer)
{
    const auto& offers = doc.GetOffers();
    for (std::size_t i = 0; i < offers.size(); ++i)
        if (offers[i].get() == offer)
            return static_cast<int>(i);
    return -1;
}

// A record as "dump --json" shows it, its "index" the position in its list (the name the commands
// take), whatever number the record was given when it was made.
json ExpenseJson(const CNewOrvDoc& doc, const CExpence& expense)
{
    json record = DumpExpenseJson(expense);
    record["index"] = PositionOf(doc, &expense);
    return record;
}

json OfferJson(const CNewOrvDoc& doc, const COffer& offer)
{
    json record = DumpOfferJson(offer);
    record["index"] = PositionOf(doc, &offer);
    return record;
}

CPayment MakePayment(int dollars, int shekels, bool paid, const SDate& date)
{
    CPayment payment;
    payment.SetDollars(dollars);
    payment.SetShekels(shekels);
    payment.SetPaidState(paid ? CPayment::kPaid : CPayment::kNotPaid);
    payment.SetDate(date);
    return payment;
}

std::string PayerOption(CCliArgs& args)
{
    const std::optional<std::string> payer = args.Option("--payer");
    if (!payer)
        return LoadString(IDS_UNKNOWN);
    std::string known;
    for (int id : kPayerIds)
    {
        if (LoadString(id) == *payer)
            return *payer;
        known += (known.empty() ? "" : ", ") + LoadString(id);
    }
    throw SCliUsageError{"--payer must be one of: " + known};
}
} // namespace

// --- Expenses ------------------------------------------------------------------------------------

int RunExpenses(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const CNewOrvDoc& doc = context.Doc();
    const bool hebrew = IsHebrewUi();
    const CExpenseSummary summary(doc);
    const float rate = summary.GetRate();
    const auto& expenses = doc.GetExpenses();

    if (context.Json())
    {
        json rows = json::array();
        for (std::size_t i = 0; i < expenses.size(); ++i)
        {
            const CExpence& expense = *expenses[i];
            json payments = json::array();
            for (const CPayment& payment : expense.GetPayments())
                payments.push_back({{"dollars", payment.GetDollars()},
                                    {"shekels", payment.GetShekels()},
                                    {"paid", payment.IsPaid()},
                                    {"date", DateText(payment.GetDate())},
                                    {"info", payment.GetInfo()}});
            const float whole = CExpenseSummary::WholeAmount(expense, rate, hebrew);
            const float paid = CExpenseSummary::PaidAmount(expense, rate, hebrew);
            rows.push_back({{"index", static_cast<int>(i)},
                            {"name", expense.GetName()},
                            {"category", expense.GetCategory()},
                            {"payer", expense.GetPayer()},
                            {"dollars", expense.GetDollars()},
                            {"shekels", expense.GetShekels()},
                            {"paidState", expense.GetPaidState()},
                            {"paidSoFar", FloatJson(paid)},
                            {"leftToPay", FloatJson(whole - paid)},
                            {"payments", payments}});
        }
        context.PrintJson({{"expenses", rows},
                           {"summary",
                            {{"total", FloatJson(summary.GetTotal())},
                             {"paid", FloatJson(summary.GetPaidSoFar())},
                             {"left", FloatJson(summary.GetLeftToPay())}}}});
        return kExitOk;
    }

    // As the list shows it, then the summary.
    std::ostream& out = context.Out();
    out << LoadString(IDS_COLUMN_NUM) << "\t" << LoadString(IDS_EXPENSE_COLUMN_NAME) << "\t"
        << LoadString(IDS_EXPENSE_COLUMN_PAID) << "\t" << LoadString(IDS_EXPENSE_COLUMN_DOLLARS)
        << (hebrew ? "\t" + LoadString(IDS_EXPENSE_COLUMN_SHEKELS) : std::string()) << "\t"
        << LoadString(IDS_COLUMN_DATE) << "\t" << LoadString(IDS_EXPENSE_COLUMN_PAYMENTS) << "\t"
        << LoadString(IDS_COLUMN_COMMENTS) << "\n";
    for (std::size_t i = 0; i < expenses.size(); ++i)
    {
        const CExpence& expense = *expenses[i];
        const SDate& date = expense.GetDate();
        out << i + 1 << "\t" << expense.GetName() << "\t"
            << CExpence::GetPaidStateText(expense.GetPaidState()) << "\t" << expense.GetDollars()
            << (hebrew ? "\t" + FormatInt(expense.GetShekels()) : std::string()) << "\t"
            << (date.IsEmpty() ? std::string() : CPayment::FormatDate(date, hebrew)) << "\t"
            << expense.GetPaymentCount() << "\t" << FirstLine(expense.CRecord::GetInfo()) << "\n";
    }
    if (hebrew)
        out << LoadString(IDS_SUMMARY_SHEKELS) << " " << summary.GetShekelsSum() << "\n"
            << LoadString(IDS_SUMMARY_DOLLARS) << " " << summary.GetDollarsSum() << "\n"
            << LoadString(IDS_SUMMARY_RATE) << " " << FormatShortest(rate) << "\n"
            << LoadString(IDS_SUMMARY_DOLLARS_IN_SHEKELS) << " "
            << FormatShortest(summary.GetDollarsInShekels()) << "\n";
    out << LoadString(IDS_SUMMARY_TOTAL) << " " << FormatShortest(summary.GetTotal()) << "\n"
        << LoadString(IDS_SUMMARY_PAID) << " " << FormatShortest(summary.GetPaidSoFar()) << "\n"
        << LoadString(IDS_SUMMARY_LEFT) << " " << FormatShortest(summary.GetLeftToPay())
        << std::endl;
    return kExitOk;
}

int RunAddExpense(CCliContext& context)
{
    CCliArgs args(context.Args());
    CExpenseDraft draft;
    draft.category = args.Option("--category").value_or(std::string());
    draft.payer = PayerOption(args);
    const std::optional<int> dollars =
        AmountOption(args, "--dollars", CExpenseDraft::kMaxPaymentAmount);
    const std::optional<int> shekels =
        AmountOption(args, "--shekels", CExpenseDraft::kMaxPaymentAmount);
    draft.name = args.Positionals(1).front();
    // An amount is the expense's first payment, not yet paid, as the dialog's "Add Payment" makes
    // it.
    if (dollars || shekels)
        draft.AddPayment(
            MakePayment(dollars.value_or(0), shekels.value_or(0), false, SDate::Today()));

    CNewOrvDoc& doc = context.Doc();
    CExpence* expense = Edits::AddExpense(doc, draft, nullptr);
    if (context.Json())
        context.PrintJson({{"expense", ExpenseJson(doc, *expense)}});
    else
        context.Out() << PositionOf(doc, expense) << std::endl;
    return kExitOk;
}

int RunAddPayment(CCliContext& context)
{
    CCliArgs args(context.Args());
    const int dollars =
        AmountOption(args, "--dollars", CExpenseDraft::kMaxPaymentAmount).value_or(0);
    const int shekels =
        AmountOption(args, "--shekels", CExpenseDraft::kMaxPaymentAmount).value_or(0);
    const std::optional<std::string> dateText = args.Option("--date");
    const SDate date = dateText ? CCliArgs::ParseDate(*dateText, "--date") : SDate::Today();
    const bool paid = args.Flag("--paid");
    const std::string index = args.Positionals(1).front();

    int status = kExitOk;
    CExpence* expense = FindExpense(context, index, status);
    if (expense == nullptr)
        return status;
    CNewOrvDoc& doc = context.Doc();
    if (!Edits::AddPayment(doc, expense, MakePayment(dollars, shekels, paid, date), nullptr))
        return kExitRefused;
    if (context.Json())
        context.PrintJson({{"expense", ExpenseJson(doc, *expense)}});
    else
        context.Out() << expense->GetName() << ": " << expense->GetPaymentCount() << " payments, "
                      << CExpence::GetPaidStateText(expense->GetPaidState()) << std::endl;
    return kExitOk;
}

int RunPayExpense(CCliContext& context)
{
    CCliArgs args(context.Args());
    const bool all = args.Flag("--all");
    const std::optional<int> payment = args.IntOption("--payment", 0, INT_MAX);
    const std::string index = args.Positionals(1).front();
    if (all == payment.has_value())
        throw SCliUsageError{"give either --all or --payment N"};

    int status = kExitOk;
    CExpence* expense = FindExpense(context, index, status);
    if (expense == nullptr)
        return status;
    CNewOrvDoc& doc = context.Doc();
    bool changed = false;
    if (all)
        changed = Edits::PayExpenseInFull(doc, expense, nullptr);
    else
    {
        const int count = CExpenseDraft::FromExpense(*expense).Totals().count;
        if (*payment >= count)
            return context.Fail(kExitNotFound,
                                "expense " + index + " has no payment " + FormatInt(*payment));
        changed = Edits::PayPayment(doc, expense, *payment, nullptr);
    }
    if (context.Json())
        context.PrintJson({{"expense", ExpenseJson(doc, *expense)}});
    else
        context.Out() << expense->GetName() << ": "
                      << CExpence::GetPaidStateText(expense->GetPaidState())
                      << (changed ? "" : " (paid already)") << std::endl;
    return kExitOk;
}

// --- Budget --------------------------------------------------------------------------------------

int RunBudget(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const CNewOrvDoc& doc = context.Doc();
    const CBudgetPlan plan(doc);
    if (context.Json())
    {
        json combinations = json::array();
        for (int k = 0; k < CBudgetPlan::kCombinations; ++k)
        {
            json offers = json::array();
            for (const COffer* offer : plan.OffersIn(k))
                offers.push_back({{"index", PositionOf(doc, offer)},
                                  {"name", offer->GetName()},
                                  {"category", offer->GetCategory()},
                                  {"price", plan.Price(*offer)}});
            combinations.push_back({{"number", k + 1},
                                    {"offers", offers},
                                    {"total", plan.CombinationTotal(k)},
                                    {"overLimit", plan.IsOverLimit(k)}});
        }
        context.PrintJson({{"limit", plan.Limit()}, {"combinations", combinations}});
        return kExitOk;
    }

    std::ostream& out = context.Out();
    out << LoadString(IDS_BUDGET_LIMIT_LABEL) << " " << plan.Limit() << "\n";
    const int titles[] = {IDS_FIRST_COMBINATION, IDS_SECOND_COMBINATION, IDS_THIRD_COMBINATION};
    for (int k = 0; k < CBudgetPlan::kCombinations; ++k)
    {
        out << "\n" << LoadString(titles[k]) << "\n";
        for (const COffer* offer : plan.OffersIn(k))
            out << PositionOf(doc, offer) << "\t" << plan.Price(*offer) << "\t" << offer->GetName()
                << "\t" << offer->GetCategory() << "\n";
        out << FormatText(LoadString(IDS_BUDGET_TOTAL), {FormatInt(plan.CombinationTotal(k))});
        if (plan.IsOverLimit(k))
            out << "\t"
                << FormatText(LoadString(IDS_BUDGET_OVER_LIMIT_MARK), {FormatInt(plan.Limit())});
        out << "\n";
    }
    out.flush();
    return kExitOk;
}

int RunAddOffer(CCliContext& context)
{
    CCliArgs args(context.Args());
    COfferDraft draft;
    const std::optional<std::string> category = args.Option("--category");
    if (!category)
        throw SCliUsageError{"--category is required"};
    draft.category = *category;
    draft.comments = args.Option("--comments").value_or(std::string());
    const std::optional<int> price = AmountOption(args, "--price", COfferDraft::kMaxAmount);
    const std::optional<int> perGuest = AmountOption(args, "--per-guest", COfferDraft::kMaxAmount);
    if (price.has_value() == perGuest.has_value())
        throw SCliUsageError{"give either --price N or --per-guest N"};
    draft.perGuest = perGuest.has_value();
    draft.fixedAmount = price.value_or(0);
    draft.pricePerGuest = perGuest.value_or(0);
    if (const std::optional<int> guests = args.IntOption("--guests", 1, COfferDraft::kMaxGuests))
    {
        if (!draft.perGuest)
            throw SCliUsageError{"--guests goes with --per-guest"};
        draft.otherGuests = true;
        draft.guests = *guests;
    }
    std::vector<int> combinations;
    while (const std::optional<int> k = args.IntOption("--combination", 1, 3))
        combinations.push_back(*k - 1);
    draft.name = args.Positionals(1).front();

    CNewOrvDoc& doc = context.Doc();
    if (doc.FindCategory(draft.category) == nullptr)
        return context.Fail(kExitNotFound, "no category " + draft.category);
    COffer* offer = Edits::AddOffer(doc, draft, nullptr);
    if (offer == nullptr)
        return kExitRefused;
    for (int k : combinations)
    {
        if (offer->IsInCombination(k))
            continue; // named twice
        if (!Edits::MoveOfferIntoCombination(doc, offer, k, nullptr))
            return context.Fail(kExitRefused, "the offer was not put into combination " +
                                                  FormatInt(k + 1) + "; nothing was saved");
    }
    if (context.Json())
        context.PrintJson({{"offer", OfferJson(doc, *offer)}});
    else
        context.Out() << PositionOf(doc, offer) << std::endl;
    return kExitOk;
}

// --- Gifts ---------------------------------------------------------------------------------------

int RunGifts(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const CNewOrvDoc& doc = context.Doc();
    const CGiftList::STotals totals = CGiftList::Totals(doc);
    if (context.Json())
    {
        json gifts = json::array();
        for (const auto& guest : doc.GetGuests())
        {
            const CGiftList::SGift gift = CGiftList::GiftOf(*guest);
            gifts.push_back({{"uniqueId", guest->GetUniqueId()},
                             {"name", guest->GetDisplayName()},
                             {"description", gift.description},
                             {"comments", gift.comments},
                             {"dollars", guest->GetGiftDollars()},
                             {"shekels", guest->GetGiftShekels()},
                             {"total", CGiftList::TotalForGuest(*guest)}});
        }
        context.PrintJson({{"gifts", gifts},
                           {"totals",
                            {{"shekels", totals.shekels},
                             {"dollars", totals.dollars},
                             {"received", totals.received}}}});
        return kExitOk;
    }

    const bool hebrew = IsHebrewUi();
    std::ostream& out = context.Out();
    out << LoadString(IDS_COLUMN_ID) << "\t" << LoadString(IDS_COLUMN_GUEST_NAME) << "\t"
        << LoadString(IDS_GIFT_COLUMN_DESCRIPTION) << "\t" << LoadString(IDS_COLUMN_COMMENTS)
        << "\t" << LoadString(IDS_GIFT_COLUMN_DOLLARS)
        << (hebrew ? "\t" + LoadString(IDS_GIFT_COLUMN_SHEKELS) : std::string()) << "\t"
        << LoadString(IDS_GIFT_COLUMN_TOTAL) << "\n";
    for (const auto& guest : doc.GetGuests())
    {
        const CGiftList::SGift gift = CGiftList::GiftOf(*guest);
        out << guest->GetUniqueId() << "\t" << guest->GetDisplayName() << "\t" << gift.description
            << "\t" << FirstLine(gift.comments) << "\t" << gift.dollars
            << (hebrew ? "\t" + FormatInt(gift.shekels) : std::string()) << "\t"
            << FormatFixed(CGiftList::TotalForGuest(*guest), 1) << "\n";
    }
    out << LoadString(IDS_GIFT_TOTAL_SHEKELS) << " " << totals.shekels << "\n"
        << LoadString(IDS_GIFT_TOTAL_DOLLARS) << " " << totals.dollars << "\n"
        << LoadString(IDS_GIFT_TOTAL_RECEIVED) << " " << FormatFixed(totals.received, 1)
        << std::endl;
    return kExitOk;
}

int RunSetGift(CCliContext& context)
{
    CCliArgs args(context.Args());
    const bool clear = args.Flag("--clear");
    const std::optional<std::string> description = args.Option("--description");
    const std::optional<std::string> comments = args.Option("--comments");
    const std::optional<int> dollars = AmountOption(args, "--dollars", CGiftList::kMaxAmount);
    const std::optional<int> shekels = AmountOption(args, "--shekels", CGiftList::kMaxAmount);
    const std::string id = args.Positionals(1).front();
    const bool values = description || comments || dollars || shekels;
    if (clear == values)
        throw SCliUsageError{"give the gift's values or --clear"};

    CNewOrvDoc& doc = context.Doc();
    CGuest* guest = doc.FindGuestByUniqueId(CCliArgs::ParseInt(id, "a guest's unique id"));
    if (guest == nullptr)
        return context.Fail(kExitNotFound, "no guest with unique id " + id);
    if (clear)
    {
        if (!Edits::DeleteGiftWithQuestion(doc, guest, nullptr))
            return kExitRefused;
    }
    else
    {
        CGiftList::SGift gift = CGiftList::GiftOf(*guest);
        gift.description = description.value_or(gift.description);
        gift.comments = comments.value_or(gift.comments);
        gift.dollars = dollars.value_or(gift.dollars);
        gift.shekels = shekels.value_or(gift.shekels);
        Edits::SetGift(doc, guest, gift, nullptr);
    }
    const CGiftList::SGift gift = CGiftList::GiftOf(*guest);
    if (context.Json())
        context.PrintJson({{"gift",
                            {{"uniqueId", guest->GetUniqueId()},
                             {"name", guest->GetDisplayName()},
                             {"description", gift.description},
                             {"comments", gift.comments},
                             {"dollars", guest->GetGiftDollars()},
                             {"shekels", guest->GetGiftShekels()},
                             {"total", CGiftList::TotalForGuest(*guest)}}}});
    else
        context.Out() << guest->GetDisplayName() << ": " << gift.description << " "
                      << FormatFixed(CGiftList::TotalForGuest(*guest), 1) << std::endl;
    return kExitOk;
}
