#include "BudgetFixture.h"
#include "budget/BudgetPlan.h"
#include "budget/ExpenseDraft.h"
#include "budget/ExpenseSummary.h"
#include "budget/GiftList.h"
#include "budget/OfferDraft.h"
#include "model/Expence.h"
#include "model/Guest.h"
#include "model/Offer.h"
#include "platform/StringIds.h"

#include <gtest/gtest.h>

namespace
{
CPayment Payment(int dollars, int shekels, bool paid, SDate date = SDate())
{
    CPayment payment;
    payment.SetDollars(dollars);
    payment.SetShekels(shekels);
    payment.SetPaidState(paid ? CPayment::kPaid : CPayment::kNotPaid);
    payment.SetDate(date);
    return payment;
}

// An expense of the document with these payments, made as the expense dialog makes it.
CExpence* AddExpense(CNewOrvDoc& doc, std::initializer_list<CPayment> payments)
{
    CExpenseDraft draft;
    for (const CPayment& payment : payments)
        draft.AddPayment(payment);
    auto expense = std::make_unique<CExpence>(&doc);
    draft.ApplyTo(*expense, SDate(2024, 1, 1));
    CExpence* added = expense.get();
    doc.AddExpense(std::move(expense));
    return added;
}

class MoneyRulesTest : public CBudgetFixture
{
protected:
    // An event with no expense and no offer of the default content.
    CNewOrvDoc& OpenEmpty(ELanguage language = ELanguage::English)
    {
        CNewOrvDoc& doc = Open(language);
        while (!doc.GetExpenses().empty())
            doc.RemoveExpense(doc.GetExpenses().front().get());
        while (!doc.GetOffers().empty())
            doc.RemoveOffer(doc.GetOffers().front().get());
        return doc;
    }

    CGuest* AddGuest(int invited)
    {
        CGuest* guest = m_doc->AddGuest("Guest", std::to_string(m_doc->GetGuestCount()));
        guest->SetInvitedCount(invited);
        return guest;
    }
};
} // namespace

TEST_F(MoneyRulesTest, SummaryCountsDollarsInEnglishAndShekelsAtTheRateInHebrew)
{
    for (const ELanguage language : {ELanguage::English, ELanguage::Hebrew})
    {
        CNewOrvDoc& doc = OpenEmpty(language);
        doc.GetSettings().SetDollarRate(4.0);
        // Paid in full; two payments of which one is paid; nothing paid.
        AddExpense(doc, {Payment(100, 1000, true)});
        CExpence* partly = AddExpense(doc, {Payment(10, 200, true), Payment(30, 300, false)});
        AddExpense(doc, {Payment(7, 70, false)});
        ASSERT_TRUE(partly->IsPartlyPaid());

        const CExpenseSummary summary(doc);
        EXPECT_EQ(summary.GetDollarsSum(), 147);
        EXPECT_EQ(summary.GetShekelsSum(), 1570);
        EXPECT_FLOAT_EQ(summary.GetDollarsInShekels(), 588.0f);
        if (language == ELanguage::English)
        {
            EXPECT_FLOAT_EQ(summary.GetTotal(), 147.0f);
            EXPECT_FLOAT_EQ(summary.GetPaidSoFar(), 110.0f) << "the paid payment only";
            EXPECT_FLOAT_EQ(summary.GetLeftToPay(), 37.0f);
        }
        else
        {
            EXPECT_FLOAT_EQ(summary.GetTotal(), 1570.0f + 4.0f * 147);
            EXPECT_FLOAT_EQ(summary.GetPaidSoFar(), 1000 + 400 + 200 + 40.0f);
            EXPECT_FLOAT_EQ(summary.GetLeftToPay(), 300 + 120 + 70 + 28.0f);
        }
    }
}

TEST_F(MoneyRulesTest, RateZeroAddsNoDollarsInHebrew)
{
    CNewOrvDoc& doc = OpenEmpty(ELanguage::Hebrew);
    doc.GetSettings().SetDollarRate(0.0);
    AddExpense(doc, {Payment(500, 20, true)});
    const CExpenseSummary summary(doc);
    EXPECT_FLOAT_EQ(summary.GetTotal(), 20.0f);
    EXPECT_FLOAT_EQ(summary.GetPaidSoFar(), 20.0f);
    EXPECT_FLOAT_EQ(summary.GetDollarsInShekels(), 0.0f);
}

TEST_F(MoneyRulesTest, PayingAllCountsTheWholeExpense)
{
    CNewOrvDoc& doc = OpenEmpty();
    CExpence* expense = AddExpense(doc, {Payment(10, 0, true), Payment(30, 0, false)});
    EXPECT_FLOAT_EQ(CExpenseSummary(doc).GetPaidSoFar(), 10.0f);
    expense->SetPaidState(CPayment::kPaid);
    EXPECT_FLOAT_EQ(CExpenseSummary(doc).GetPaidSoFar(), 40.0f);
    EXPECT_FLOAT_EQ(CExpenseSummary(doc).GetLeftToPay(), 0.0f);
    EXPECT_TRUE(expense->GetPayment(1)->IsPaid());
}

TEST_F(MoneyRulesTest, TheDraftTakesTenPaymentsAndRefusesAnEleventh)
{
    CExpenseDraft draft;
    EXPECT_EQ(draft.name, "New expense");
    EXPECT_EQ(draft.payer, "Unknown");
    for (int i = 0; i < CExpenseDraft::kPaymentSlots; ++i)
        EXPECT_EQ(draft.AddPayment(Payment(i + 1, 0, i % 2 == 0)), i);
    EXPECT_EQ(draft.AddPayment(Payment(99, 0, true)), -1);
    EXPECT_EQ(draft.Totals().count, 10);
    EXPECT_EQ(draft.Totals().dollars, 55);
    EXPECT_EQ(draft.Totals().paidState, CPayment::kPartlyPaid);

    // A cleared slot in the middle is the next to fill; the payments keep slot order.
    draft.ClearSlot(3);
    EXPECT_EQ(draft.FirstFreeSlot(), 3);
    EXPECT_EQ(draft.AddPayment(Payment(40, 0, false)), 3);
    EXPECT_EQ(draft.Payments()[3].GetDollars(), 40);
}

TEST_F(MoneyRulesTest, ApplyingADraftDerivesAmountsDateAndPaidState)
{
    CNewOrvDoc& doc = OpenEmpty();
    struct SCase
    {
        std::vector<CPayment> payments;
        int dollars;
        SDate date;
        int paidState;
    };
    const SDate today(2024, 5, 6);
    const std::vector<SCase> cases = {
        {{}, 0, today, CPayment::kNotPaid},
        {{Payment(5, 0, true, SDate(2024, 7, 1)), Payment(6, 0, true)},
         11,
         SDate(2024, 7, 1),
         CPayment::kPaid},
        {{Payment(5, 0, false, SDate(2023, 1, 2)), Payment(6, 0, true)},
         11,
         SDate(2023, 1, 2),
         CPayment::kPartlyPaid},
        {{Payment(5, 0, false), Payment(6, 0, false)}, 11, SDate(), CPayment::kNotPaid},
    };
    for (const SCase& test : cases)
    {
        CExpenseDraft draft;
        for (const CPayment& payment : test.payments)
            draft.AddPayment(payment);
        CExpence expense(&doc);
        draft.ApplyTo(expense, today);
        EXPECT_EQ(expense.GetPaymentCount(), static_cast<int>(test.payments.size()));
        EXPECT_EQ(expense.GetDollars(), test.dollars);
        EXPECT_EQ(expense.GetDate(), test.date);
        EXPECT_EQ(expense.GetPaidState(), test.paidState);
    }
}

TEST_F(MoneyRulesTest, ADraftKeepsThePriceOfAnExpenseWithoutPayments)
{
    CNewOrvDoc& doc = OpenEmpty();
    CExpence expense(&doc);
    expense.ClearPayments();
    expense.SetDollars(700); // as an edit in the list stores it
    expense.SetPaidState(CPayment::kPaid);
    const CExpenseDraft draft = CExpenseDraft::FromExpense(expense);
    ASSERT_EQ(draft.Totals().count, 1);
    draft.ApplyTo(expense, SDate(2024, 1, 1));
    EXPECT_EQ(expense.GetDollars(), 700);
    EXPECT_TRUE(expense.IsPaid());

    // An older file's expense of twelve payments keeps all of them.
    CExpence many(&doc);
    for (int i = 0; i < 12; ++i)
        many.SetPayment(i, Payment(1, 0, false));
    CExpenseDraft manyDraft = CExpenseDraft::FromExpense(many);
    EXPECT_EQ(manyDraft.SlotCount(), 12);
    EXPECT_EQ(manyDraft.AddPayment(Payment(1, 0, false)), -1);
    manyDraft.ApplyTo(many, SDate(2024, 1, 1));
    EXPECT_EQ(many.GetPaymentCount(), 12);
    EXPECT_EQ(many.GetDollars(), 12);
}

TEST_F(MoneyRulesTest, PerGuestPricesFollowTheInvitedCount)
{
    CNewOrvDoc& doc = OpenEmpty();
    COffer* fixed = doc.AddOffer("Hall", "Halls", 9000, "");
    COffer* perInvited = doc.AddOffer("Food", "Caterings", 100, "");
    perInvited->SetPerGuest(true);
    COffer* perFifty = doc.AddOffer("Bar", "Bar services", 20, "");
    perFifty->SetPerGuest(true);
    perFifty->SetGuestsForOffer(50);
    for (COffer* offer : {fixed, perInvited, perFifty})
        offer->SetInCombination(1, true);

    const CBudgetPlan plan(doc);
    CGuest* family = AddGuest(4);
    AddGuest(2);
    EXPECT_EQ(plan.InvitedCount(), 6);
    EXPECT_EQ(plan.Price(*perInvited), 600);
    EXPECT_EQ(plan.CombinationTotal(1), 9000 + 600 + 1000);
    family->SetInvitedCount(10);
    EXPECT_EQ(plan.Price(*perInvited), 1200) << "counted afresh";
    EXPECT_EQ(plan.Price(*perFifty), 1000) << "its own number of guests";
    EXPECT_EQ(plan.CombinationTotal(0), 0);
    EXPECT_EQ(plan.CombinationTotal(7), 0);
    EXPECT_EQ(plan.OffersIn(1), (std::vector<COffer*>{fixed, perInvited, perFifty}));
}

TEST_F(MoneyRulesTest, TheLimitIsStrictlyGreaterAndDefaultsTo50000)
{
    CNewOrvDoc& doc = OpenEmpty();
    for (const char* stored : {"", "0", "-5", "abc"})
    {
        doc.GetSettings().SetKeySetting(CBudgetPlan::kLimitKey, stored);
        EXPECT_EQ(CBudgetPlan(doc).Limit(), 50000) << stored;
    }
    doc.GetSettings().SetKeySetting(CBudgetPlan::kLimitKey, "1000");
    COffer* in = doc.AddOffer("In", "Halls", 600, "");
    in->SetInCombination(0, true);
    COffer* exact = doc.AddOffer("Exact", "Video", 400, "");
    COffer* over = doc.AddOffer("Over", "Video", 401, "");
    const CBudgetPlan plan(doc);
    EXPECT_EQ(plan.Limit(), 1000);
    EXPECT_FALSE(plan.WouldExceedLimit(*exact, 0)) << "equal to the limit is within it";
    EXPECT_TRUE(plan.WouldExceedLimit(*over, 0));
    EXPECT_FALSE(plan.IsOverLimit(0));
}

TEST_F(MoneyRulesTest, TheOfferDraftTotalsAndRefuses)
{
    COfferDraft draft;
    draft.name = "  ";
    draft.fixedAmount = 300;
    EXPECT_EQ(draft.Problem(40), IDS_FILL_ALL_MANDATORY);
    draft.name = " Band ";
    EXPECT_EQ(draft.Problem(40), 0);
    EXPECT_EQ(draft.Total(40), 300);

    draft.perGuest = true;
    draft.pricePerGuest = 25;
    EXPECT_EQ(draft.Total(40), 1000);
    draft.ChooseOtherGuests(40);
    EXPECT_EQ(draft.guests, 40) << "a number below 1 becomes the invited count";
    draft.guests = 12;
    draft.ChooseOtherGuests(40);
    EXPECT_EQ(draft.Total(40), 300);
    draft.pricePerGuest = 0;
    EXPECT_EQ(draft.Problem(40), IDS_FILL_OFFER_SUM);

    draft.pricePerGuest = 25;
    COffer offer(nullptr);
    draft.ApplyTo(offer);
    EXPECT_EQ(offer.GetName(), "Band");
    EXPECT_EQ(offer.GetShekels(), 25);
    EXPECT_EQ(offer.GetGuestsForOffer(), 12);
    const COfferDraft back = COfferDraft::FromOffer(offer);
    EXPECT_TRUE(back.perGuest && back.otherGuests);
    EXPECT_EQ(back.Total(40), 300);

    draft.otherGuests = false;
    draft.ApplyTo(offer);
    EXPECT_EQ(offer.GetGuestsForOffer(), 0) << "the invited count, whatever was typed";
}

TEST_F(MoneyRulesTest, GiftTotals)
{
    for (const ELanguage language : {ELanguage::English, ELanguage::Hebrew})
    {
        CNewOrvDoc& doc = OpenEmpty(language);
        doc.GetSettings().SetDollarRate(4.0);
        CGuest* guest = AddGuest(2);
        guest->SetGiftDollars(100);
        guest->SetGiftShekels(50);
        AddGuest(2)->SetGiftShekels(30);
        EXPECT_DOUBLE_EQ(CGiftList::TotalForGuest(*guest),
                         language == ELanguage::Hebrew ? 450.0 : 100.0);
        const CGiftList::STotals totals = CGiftList::Totals(doc);
        EXPECT_EQ(totals.dollars, 100);
        EXPECT_EQ(totals.shekels, 80);
        EXPECT_DOUBLE_EQ(totals.received, 480.0) << "in shekels whatever the interface";
        EXPECT_FALSE(CGiftList::GiftOf(*guest).IsEmpty());
        EXPECT_TRUE(CGiftList::GiftOf(*doc.AddGuest("No", "Gift")).IsEmpty());
    }
}

TEST_F(MoneyRulesTest, SearchingNamesWrapsAround)
{
    const std::vector<std::string> names = {"Dan Levi", "Noa Cohen", "Dana Levi", "Avi", ""};
    struct SCase
    {
        int current;
        const char* text;
        bool backwards;
        int found;
    };
    const SCase cases[] = {
        {0, "levi", false, 2},        // the next one down, regardless of case
        {2, "Levi", false, 0},        // around the end
        {0, "Levi", true, 2},         // up, around the top
        {2, "Levi", true, 0},         //
        {1, "Noa Cohen's", false, 1}, // the text holds the name: the current row comes last
        {-1, "Dan", false, 0},        // nothing selected: from the first row
        {-1, "Dan", true, 2},         // ... or the last
        {3, "Moshe", false, -1},      // one pass and no more
        {3, "", false, -1},
    };
    for (const SCase& test : cases)
        EXPECT_EQ(CGiftList::FindRow(names, test.current, test.text, test.backwards), test.found)
            << test.current << " " << test.text << " " << test.backwards;
    EXPECT_EQ(CGiftList::FindRow({}, 0, "Dan", false), -1);
}
