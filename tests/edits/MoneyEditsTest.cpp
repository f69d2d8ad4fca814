#include "edits/MoneyEdits.h"

#include "EditsFixture.h"
#include "budget/BudgetPlan.h"
#include "budget/ExpenseDraft.h"
#include "budget/OfferDraft.h"
#include "edits/BudgetEdits.h"
#include "edits/GiftEdits.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Guest.h"
#include "model/Offer.h"

#include <gtest/gtest.h>

namespace
{
CPayment Payment(int dollars, bool paid)
{
    CPayment payment;
    payment.SetDollars(dollars);
    payment.SetPaidState(paid ? CPayment::kPaid : CPayment::kNotPaid);
    return payment;
}

COfferDraft Offer(const std::string& name, const std::string& category, int price)
{
    COfferDraft draft;
    draft.name = name;
    draft.category = category;
    draft.fixedAmount = price;
    return draft;
}
} // namespace

class MoneyEditsTest : public CEditsFixture
{
protected:
    CExpence* AddExpense(std::initializer_list<CPayment> payments)
    {
        CExpenseDraft draft;
        for (const CPayment& payment : payments)
            draft.AddPayment(payment);
        return Edits::AddExpense(*m_doc, draft, &m_sender);
    }
    std::vector<bool> Combinations(const COffer* offer) const
    {
        return {offer->IsInCombination(0), offer->IsInCombination(1), offer->IsInCombination(2)};
    }
};

TEST_F(MoneyEditsTest, ExpensesAreAddedEditedAndDeletedWithTheirHints)
{
    CNewOrvDoc& doc = OpenEvent();
    Clear();
    CExpence* expense = AddExpense({Payment(100, false)});
    ASSERT_EQ(doc.GetExpenses().back().get(), expense);
    EXPECT_EQ(expense->GetName(), "New expense");
    EXPECT_EQ(expense->GetDate(), SDate()) << "the first payment's";
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_EXPENSE_ADDED);
    EXPECT_EQ(m_spy.hints[0].record, expense);
    EXPECT_TRUE(m_sender.hints.empty());

    Clear();
    CExpenseDraft draft = CExpenseDraft::FromExpense(*expense);
    EXPECT_FALSE(Edits::EditExpense(doc, expense, draft, &m_sender)) << "nothing changed";
    draft.name = "Hall";
    draft.AddPayment(Payment(50, true));
    EXPECT_TRUE(Edits::EditExpense(doc, expense, draft, &m_sender));
    EXPECT_EQ(expense->GetDollars(), 150);
    EXPECT_TRUE(expense->IsPartlyPaid());
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_EXPENSE_CHANGED});

    Clear();
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::DeleteExpenseWithQuestion(doc, expense, &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Delete expense?"});
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteExpenseWithQuestion(doc, expense, &m_sender));
    EXPECT_TRUE(doc.GetExpenses().empty());
    EXPECT_EQ(m_sender.HintNumbers(), std::vector<EUpdateHint>{HINT_EXPENSE_REMOVING})
        << "the sender's own list must drop the row too";
}

TEST_F(MoneyEditsTest, PaymentsArePaidOneByOneOrAllAndTheEleventhIsRefused)
{
    CNewOrvDoc& doc = OpenEvent();
    CExpence* expense = AddExpense({Payment(10, false), Payment(20, false)});
    Clear();
    EXPECT_TRUE(Edits::PayPayment(doc, expense, 1, &m_sender));
    EXPECT_TRUE(expense->IsPartlyPaid());
    EXPECT_FALSE(Edits::PayPayment(doc, expense, 1, &m_sender)) << "paid already";
    EXPECT_FALSE(Edits::PayPayment(doc, expense, 2, &m_sender));
    EXPECT_TRUE(Edits::PayExpenseInFull(doc, expense, &m_sender));
    EXPECT_TRUE(expense->IsPaid());
    EXPECT_TRUE(expense->GetPayment(0)->IsPaid());
    EXPECT_FALSE(Edits::PayExpenseInFull(doc, expense, &m_sender)) << "Paid All is disabled then";
    EXPECT_EQ(m_spy.Count(HINT_EXPENSE_CHANGED), 2);

    for (int i = 2; i < CExpenseDraft::kPaymentSlots; ++i)
        ASSERT_TRUE(Edits::AddPayment(doc, expense, Payment(1, false), &m_sender));
    EXPECT_EQ(expense->GetDollars(), 38);
    EXPECT_TRUE(expense->IsPartlyPaid());
    Clear();
    EXPECT_FALSE(Edits::AddPayment(doc, expense, Payment(1, false), &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>{"No room for another payment"});
    EXPECT_EQ(expense->GetPaymentCount(), 10);
    EXPECT_TRUE(m_spy.hints.empty());
}

TEST_F(MoneyEditsTest, InPlaceEditsRefuseSeveralPaymentsAndCommentLines)
{
    CNewOrvDoc& doc = OpenEvent();
    CExpence* single = AddExpense({Payment(10, false)});
    CExpence* two = AddExpense({Payment(10, false), Payment(5, true)});
    Clear();
    EXPECT_TRUE(Edits::EditExpenseField(doc, single, Edits::EExpenseField::Dollars, 80, &m_sender));
    EXPECT_EQ(single->GetPayment(0)->GetDollars(), 80) << "the one payment follows";
    EXPECT_FALSE(Edits::EditExpenseField(doc, two, Edits::EExpenseField::Shekels, 80, &m_sender));
    EXPECT_FALSE(
        Edits::EditExpenseField(doc, single, Edits::EExpenseField::Dollars, "80", &m_sender))
        << "a text for an amount";
    two->SetInfo("first\r\nsecond");
    EXPECT_FALSE(
        Edits::EditExpenseField(doc, two, Edits::EExpenseField::Comments, "one", &m_sender));
    EXPECT_TRUE(Edits::EditExpenseField(doc, two, Edits::EExpenseField::Name, "Band", &m_sender));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Cannot change this value from here!",
                                                    "Cannot change this value from here!"}));
    EXPECT_EQ(m_spy.Count(HINT_EXPENSE_CHANGED), 2);
}

TEST_F(MoneyEditsTest, MovingExpensesSwapsNeighbours)
{
    CNewOrvDoc& doc = OpenEvent();
    CExpence* a = AddExpense({});
    CExpence* b = AddExpense({});
    EXPECT_EQ(a->GetDate(), SDate::Today()) << "without payments: the day it was made";
    EXPECT_EQ(a->GetPaymentCount(), 0);
    Clear();
    EXPECT_FALSE(Edits::MoveExpense(doc, 0, -1, &m_sender)) << "Up on the first row";
    EXPECT_FALSE(Edits::MoveExpense(doc, 1, 2, &m_sender)) << "Down on the last row";
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_TRUE(Edits::MoveExpense(doc, 1, 0, &m_sender));
    EXPECT_EQ(doc.GetExpenses()[0].get(), b);
    EXPECT_EQ(doc.GetExpenses()[1].get(), a);
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_EXPENSE_CHANGED});
}

TEST_F(MoneyEditsTest, MovingIntoACombinationAsksForTheCategoryAndTheLimit)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddCategory("Caterings");
    doc.GetSettings().SetKeySetting(CBudgetPlan::kLimitKey, "1000");
    COffer* first = Edits::AddOffer(doc, Offer("First", "Caterings", 600), &m_sender);
    COffer* second = Edits::AddOffer(doc, Offer("Second", "Caterings", 400), &m_sender);
    COffer* third = Edits::AddOffer(doc, Offer("Third", "Caterings", 1), &m_sender);
    ASSERT_NE(third, nullptr);
    Clear();

    EXPECT_TRUE(Edits::MoveOfferIntoCombination(doc, first, 0, &m_sender));
    EXPECT_TRUE(m_prompt.Asked().empty());
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::MoveOfferIntoCombination(doc, second, 0, &m_sender));
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_NE(m_prompt.Asked()[0].text.find("\"First\""), std::string::npos);
    EXPECT_FALSE(second->IsInCombination(0));

    // Reaching the limit exactly asks nothing beyond the category; one more asks.
    Clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::MoveOfferIntoCombination(doc, second, 0, &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>{"An offer from this category already exists!"});
    EXPECT_EQ(CBudgetPlan(doc).CombinationTotal(0), 1000);
    Clear();
    m_prompt.Answer(EAnswer::Yes);
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::MoveOfferIntoCombination(doc, third, 0, &m_sender));
    EXPECT_EQ(Captions(), (std::vector<std::string>{"An offer from this category already exists!",
                                                    "Expences exceeds budget limit"}));
    EXPECT_NE(m_prompt.Asked()[1].text.find("(1000)"), std::string::npos);
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{}) << "declined: nothing told";

    EXPECT_FALSE(Edits::MoveOfferIntoCombination(doc, first, 0, &m_sender)) << "there already";
    EXPECT_FALSE(Edits::MoveOfferIntoCombination(doc, first, 3, &m_sender));
    EXPECT_TRUE(Edits::MoveOfferOutOfCombination(doc, first, 0, &m_sender));
    EXPECT_FALSE(Edits::MoveOfferOutOfCombination(doc, first, 0, &m_sender));
    EXPECT_EQ(Edits::EmptyCombination(doc, 0, &m_sender), 1);
    EXPECT_EQ(CBudgetPlan(doc).CombinationTotal(0), 0);
    EXPECT_EQ(m_spy.Count(HINT_BUDGET_CHANGED), 2);
    EXPECT_TRUE(m_sender.hints.empty());
}

TEST_F(MoneyEditsTest, OffersAreCheckedAddedAndDeleted)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddCategory("Bands");
    Clear();
    EXPECT_EQ(Edits::AddOffer(doc, Offer(" ", "Bands", 10), &m_sender), nullptr);
    EXPECT_EQ(Edits::AddOffer(doc, Offer("Band", "Bands", 0), &m_sender), nullptr);
    EXPECT_EQ(Edits::AddOffer(doc, Offer("Band", "Nowhere", 10), &m_sender), nullptr);
    EXPECT_EQ(Captions(), std::vector<std::string>(3, "Missing Detail"));
    EXPECT_EQ(m_prompt.Asked()[1].text, "Please fill the offer sum.");
    EXPECT_TRUE(doc.GetOffers().empty());

    COffer* band = Edits::AddOffer(doc, Offer(" Band ", "Bands", 10), &m_sender);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->GetName(), "Band");
    EXPECT_FALSE(Edits::EditOffer(doc, band, COfferDraft::FromOffer(*band), &m_sender));
    EXPECT_TRUE(Edits::EditOffer(doc, band, Offer("Band", "Bands", 12), &m_sender));

    Clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteOfferWithQuestion(doc, band, &m_sender));
    EXPECT_TRUE(doc.GetOffers().empty());
    EXPECT_EQ(m_sender.HintNumbers(), std::vector<EUpdateHint>{HINT_BUDGET_REMOVING});
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_BUDGET_REMOVING, HINT_BUDGET_CHANGED}));
}

TEST_F(MoneyEditsTest, CategoriesAreRenamedAndDeletedAcrossAllThreeCombinations)
{
    CNewOrvDoc& doc = OpenEvent();
    CCategory* djs = Edits::AddCategory(doc, "  DJs ", &m_sender);
    ASSERT_NE(djs, nullptr);
    EXPECT_EQ(djs->GetName(), "DJs");
    doc.AddCategory("Bands");
    EXPECT_EQ(Edits::AddCategory(doc, "   ", &m_sender), nullptr);
    Clear();
    EXPECT_EQ(Edits::AddCategory(doc, "Bands", &m_sender), nullptr);
    EXPECT_FALSE(Edits::RenameCategory(doc, djs, "Bands", &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>(2, "Category already exists"));

    std::vector<COffer*> offers;
    for (int k = 0; k < CBudgetPlan::kCombinations; ++k)
    {
        offers.push_back(doc.AddOffer("DJ " + std::to_string(k), "DJs", 100, ""));
        offers.back()->SetInCombination(k, true);
    }
    COffer* band = doc.AddOffer("Band", "Bands", 100, "");
    band->SetInCombination(0, true);

    EXPECT_TRUE(Edits::RenameCategory(doc, djs, "Music", &m_sender));
    for (int k = 0; k < CBudgetPlan::kCombinations; ++k)
        EXPECT_EQ(CBudgetPlan(doc).OffersIn(k).front()->GetCategory(), "Music");
    EXPECT_EQ(CBudgetPlan(doc).OffersOf("Music").size(), 3u);

    Clear();
    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::DeleteCategoryWithQuestion(doc, djs, &m_sender));
    EXPECT_EQ(doc.GetOffers().size(), 4u);
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteCategoryWithQuestion(doc, djs, &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>(2, "Delete Category"));
    ASSERT_EQ(doc.GetOffers().size(), 1u);
    const CBudgetPlan plan(doc);
    EXPECT_EQ(plan.OffersIn(0), std::vector<COffer*>{band});
    EXPECT_TRUE(plan.OffersIn(1).empty());
    EXPECT_TRUE(plan.OffersIn(2).empty());
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_BUDGET_REMOVING, HINT_BUDGET_CHANGED}));
}

TEST_F(MoneyEditsTest, TheLimitIsStoredOnlyWhenItDiffers)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.SetDataChanged(false);
    EXPECT_FALSE(Edits::SetBudgetLimit(doc, 50000, &m_sender)) << "the limit in force";
    EXPECT_FALSE(doc.IsDataChanged());
    EXPECT_TRUE(Edits::SetBudgetLimit(doc, 70000, &m_sender));
    EXPECT_EQ(doc.GetSettings().GetKeySetting(CBudgetPlan::kLimitKey), "70000");
    EXPECT_TRUE(doc.IsDataChanged());
    EXPECT_TRUE(doc.GetSettings().IsModified());
}

TEST_F(MoneyEditsTest, GiftsAreSetAndDeletedWithTheirMessages)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* guest = doc.AddGuest("Dan", "Levi");
    Clear();
    EXPECT_FALSE(Edits::DeleteGiftWithQuestion(doc, guest, &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>{"No gift for this guest"});

    CGiftList::SGift gift;
    gift.description = "Cheque";
    gift.dollars = 100;
    gift.shekels = 50;
    Clear();
    EXPECT_TRUE(Edits::SetGift(doc, guest, gift, &m_sender));
    EXPECT_FALSE(Edits::SetGift(doc, guest, gift, &m_sender));
    EXPECT_EQ(guest->GetGift(), "Cheque");
    EXPECT_EQ(guest->GetGiftDollars(), 100.0f);
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_GIFT_CHANGED);
    EXPECT_EQ(m_spy.hints[0].record, guest);

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::DeleteGiftWithQuestion(doc, guest, &m_sender));
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteGiftWithQuestion(doc, guest, &m_sender));
    EXPECT_TRUE(CGiftList::GiftOf(*guest).IsEmpty());
    EXPECT_EQ(m_spy.Count(HINT_GIFT_CHANGED), 2);
}
