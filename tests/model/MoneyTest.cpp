#include "FakeOwner.h"
#include "ModelTestSupport.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/LegacyLoader.h"
#include "model/Offer.h"
#include "platform/ProfileFile.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{
const std::string kYes = "\xD7\x9B\xD7\x9F";
const std::string kNo = "\xD7\x9C\xD7\x90";
} // namespace

class MoneyTest : public CModelTest
{
protected:
    std::vector<std::unique_ptr<CExpence>> LoadExpenses(const std::string& text)
    {
        CProfileFile ini(WriteFile("Expences.ini", text));
        std::vector<std::unique_ptr<CExpence>> expenses;
        LoadRecordsFromIni(
            ini, CExpence::kSectionPrefix, [](int) { return std::make_unique<CExpence>(nullptr); },
            expenses);
        return expenses;
    }
};

TEST_F(MoneyTest, ExpensePaymentsFromIni)
{
    const auto expenses = LoadExpenses(
        // Two payments, one paid: partly paid whatever "Paid" says.
        "[Expences0]\r\nMoneyItem=Hall\r\nDolars=1000\r\nShekels=4000\r\nPaid=" + kYes +
        "\r\nPDolar0=400\r\nPShekel0=1600\r\nPPaid0=1\r\nPDate0=06.15.2005\r\nPInf0=deposit\r\n"
        "PDolar1=600\r\nPShekel1=2400\r\nPPaid1=0\r\n"
        // PShekel1 missing: only payment 0 stays.
        "[Expences1]\r\nMoneyItem=Band\r\nPDolar0=10\r\nPShekel0=40\r\nPDolar1=20\r\n"
        // No payment keys: one payment made of the expense's own values and date.
        "[Expences2]\r\nMoneyItem=Flowers\r\nComments=red..........white\r\nCategoryE=Deco\r\n"
        "Dolars=50\r\nShekels=200\r\nWP=Bride\r\nPaid=" +
        kYes +
        "\r\nDay=15\r\nMonth=6\r\nYear=2005\r\n"
        // The Latin word is neither yes nor no: partly paid.
        "[Expences3]\r\nMoneyItem=Photographer\r\nPaid=yes\r\n"
        // Both paid keep what "Paid" said.
        "[Expences4]\r\nMoneyItem=Rabbi\r\nPaid=" +
        kNo +
        "\r\nPDolar0=1\r\nPShekel0=1\r\nPPaid0=1\r\nPDolar1=1\r\nPShekel1=1\r\nPPaid1=1\r\n"
        "[Expences5]\r\nComments=no name\r\n");
    ASSERT_EQ(expenses.size(), 5u);

    const CExpence& hall = *expenses[0];
    EXPECT_EQ(hall.GetPaymentCount(), 2);
    EXPECT_EQ(hall.GetPaymentCountAtLoad(), 2);
    EXPECT_EQ(hall.GetPaidState(), CPayment::kPartlyPaid);
    // The first payment dates the expense (English order: month first).
    EXPECT_EQ(hall.GetDate(), SDate(2005, 6, 15));
    EXPECT_EQ(hall.GetPayment(0)->GetInfo(), "deposit");
    EXPECT_TRUE(hall.GetPayment(0)->IsPaid());
    EXPECT_TRUE(hall.GetPayment(1)->IsNotPaid());
    EXPECT_FALSE(hall.IsModified());
    int shekels = -1;
    int dollars = -1;
    hall.GetPaidAmounts(shekels, dollars);
    EXPECT_EQ(shekels, 1600);
    EXPECT_EQ(dollars, 400);

    EXPECT_EQ(expenses[1]->GetPaymentCount(), 1);
    EXPECT_EQ(expenses[1]->GetPayment(0)->GetDollars(), 10);

    const CExpence& flowers = *expenses[2];
    ASSERT_EQ(flowers.GetPaymentCount(), 1);
    const CPayment& only = *flowers.GetPayment(0);
    EXPECT_EQ(only.GetDollars(), 50);
    EXPECT_EQ(only.GetShekels(), 200);
    EXPECT_TRUE(only.IsPaid());
    EXPECT_EQ(only.GetDate(), SDate(2005, 6, 15));
    EXPECT_EQ(flowers.GetInfo(), "red\r\nwhite");
    EXPECT_EQ(flowers.GetCategory(), "Deco");
    EXPECT_EQ(flowers.GetPayer(), "Bride");
    EXPECT_FALSE(flowers.IsModified());

    EXPECT_EQ(expenses[3]->GetPaidState(), CPayment::kPartlyPaid);
    EXPECT_EQ(expenses[3]->GetPayer(), "Unknown");
    EXPECT_EQ(expenses[4]->GetPaidState(), CPayment::kNotPaid);
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Expence), 4);
}

TEST_F(MoneyTest, PaymentDatesFollowTheInterfaceOrder)
{
    const std::string text = "[Expences0]\r\nMoneyItem=Hall\r\nPDolar0=1\r\nPShekel0=1\r\n"
                             "PDate0=03.04.2006\r\n";
    EXPECT_EQ(LoadExpenses(text)[0]->GetPayment(0)->GetDate(), SDate(2006, 3, 4));
    SetUiLanguage(ELanguage::Hebrew);
    EXPECT_EQ(LoadExpenses(text)[0]->GetPayment(0)->GetDate(), SDate(2006, 4, 3));

    EXPECT_EQ(CPayment::FormatDate(SDate(2006, 4, 3), true), "03.04.2006");
    EXPECT_EQ(CPayment::FormatDate(SDate(2006, 4, 3), false), "04.03.2006");
    EXPECT_EQ(CPayment::FormatDate(SDate(2006, 12, 25), true), "25.12.2006");
    EXPECT_EQ(CPayment::FormatDate(SDate(), false), "0.0.00");
    EXPECT_EQ(CPayment::ParseDate("0.0.0000", true), SDate());
    EXPECT_EQ(CPayment::ParseDate("7", true), SDate(0, 0, 7));
}

TEST_F(MoneyTest, WholeAndInstalmentsStayInStep)
{
    CFakeOwner owner;
    CExpence single(&owner);
    EXPECT_TRUE(single.SetDollars(300));
    EXPECT_EQ(single.GetPayment(0)->GetDollars(), 300);
    EXPECT_TRUE(single.SetShekels(1200));
    EXPECT_EQ(single.GetPayment(0)->GetShekels(), 1200);

    CExpence split(&owner);
    split.SetPayment(1, 100, 25, CPayment::kPaid, SDate(2005, 1, 2), "second");
    ASSERT_EQ(split.GetPaymentCount(), 2);
    EXPECT_TRUE(split.SetDollars(500));
    EXPECT_EQ(split.GetPayment(0)->GetDollars(), 0);
    EXPECT_EQ(split.GetPayment(1)->GetDollars(), 25);

    EXPECT_TRUE(split.SetDate(SDate(2005, 3, 4)));
    EXPECT_EQ(split.GetPayment(0)->GetDate(), SDate(2005, 3, 4));
    EXPECT_EQ(split.GetPayment(1)->GetDate(), SDate(2005, 1, 2));

    // Partly paid leaves the payments alone; paid and not paid reach every payment.
    EXPECT_TRUE(split.SetPaidState(CPayment::kPartlyPaid));
    EXPECT_TRUE(split.GetPayment(0)->IsNotPaid());
    EXPECT_TRUE(split.GetPayment(1)->IsPaid());
    int shekels = 0;
    int dollars = 0;
    split.GetPaidAmounts(shekels, dollars);
    EXPECT_EQ(shekels, 100);
    EXPECT_EQ(dollars, 25);
    EXPECT_TRUE(split.SetPaidState(CPayment::kPaid));
    EXPECT_TRUE(split.GetPayment(0)->IsPaid());
    split.GetPaidAmounts(shekels, dollars);
    EXPECT_EQ(dollars, 500);
    EXPECT_TRUE(split.SetPaidState(CPayment::kNotPaid));
    split.GetPaidAmounts(shekels, dollars);
    EXPECT_EQ(dollars, 0);

    // Changing only a payment still marks the expense.
    split.ClearModified();
    EXPECT_FALSE(split.IsModified());
    owner.ResetCalls();
    EXPECT_FALSE(split.SetPaidState(CPayment::kNotPaid));
    EXPECT_TRUE(split.SetPayment(0, 1, 1, CPayment::kNotPaid, SDate(), ""));
    EXPECT_TRUE(split.IsModified());
    EXPECT_TRUE(owner.dataChanged);
    EXPECT_FALSE(split.SetPayment(-1, CPayment()));
}

TEST_F(MoneyTest, RecomputePaidStateFromPayments)
{
    CExpence expense(nullptr);
    expense.ClearPayments();
    expense.SetPaidState(CPayment::kPaid);
    expense.RecomputePaidState();
    EXPECT_EQ(expense.GetPaidState(), CPayment::kNotPaid);

    expense.SetPayment(0, 1, 1, CPayment::kPaid, SDate(), "");
    expense.SetPayment(1, 1, 1, CPayment::kPartlyPaid, SDate(), "");
    expense.RecomputePaidState();
    EXPECT_EQ(expense.GetPaidState(), CPayment::kPartlyPaid);
    EXPECT_TRUE(expense.GetPayment(1)->IsPartlyPaid());

    expense.SetPayment(1, 1, 1, CPayment::kPaid, SDate(), "");
    expense.RecomputePaidState();
    EXPECT_EQ(expense.GetPaidState(), CPayment::kPaid);

    expense.SetPayment(0, 1, 1, CPayment::kNotPaid, SDate(), "");
    expense.SetPayment(1, 1, 1, CPayment::kPartlyPaid, SDate(), "");
    expense.RecomputePaidState();
    EXPECT_EQ(expense.GetPaidState(), CPayment::kNotPaid);
    // The payments keep their own states.
    EXPECT_TRUE(expense.GetPayment(1)->IsPartlyPaid());
}

TEST_F(MoneyTest, OfferMigratesTheOldCombinationKey)
{
    const auto path = WriteFile(
        "Offers.ini", "[Offer0]\r\nMoneyItem=DJ Avi\r\nShekels=3000\r\nCategoryE=Music\r\n"
                      "IsInOffer=1\r\nIsInPlan1=1\r\nIsPerGuest=1\r\n"
                      "number_of_guests_for_offers=50\r\n"
                      "[Offer1]\r\nMoneyItem=Band\r\nIsInOffer=0\r\nIsInPlan0=1\r\n"
                      "[Offer2]\r\nMoneyItem=Choir\r\nIsInPlan0=1\r\nIsInPlan2=2\r\n");
    CProfileFile ini(path);
    std::vector<std::unique_ptr<COffer>> offers;
    LoadRecordsFromIni(
        ini, COffer::kSectionPrefix, [](int) { return std::make_unique<COffer>(nullptr); }, offers);
    ASSERT_EQ(offers.size(), 3u);
    EXPECT_TRUE(offers[0]->IsInCombination(0));
    EXPECT_TRUE(offers[0]->IsInCombination(1));
    EXPECT_FALSE(offers[0]->IsInCombination(2));
    EXPECT_TRUE(offers[0]->IsPerGuest());
    EXPECT_EQ(offers[0]->GetGuestsForOffer(), 50);
    EXPECT_EQ(offers[0]->GetCategory(), "Music");
    EXPECT_EQ(offers[0]->GetPayer(), "");
    EXPECT_FALSE(offers[0]->IsModified());
    EXPECT_FALSE(offers[1]->IsInCombination(0));
    EXPECT_TRUE(offers[2]->IsInCombination(0));
    EXPECT_FALSE(offers[2]->IsInCombination(2));
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Offer), 2);
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Expence), -1);

    ASSERT_TRUE(ini.Save());
    CProfileFile saved(path);
    EXPECT_FALSE(saved.HasKey("Offer0", "IsInOffer"));
    EXPECT_EQ(saved.GetString("Offer0", "IsInPlan0"), "1");
    EXPECT_FALSE(saved.HasKey("Offer1", "IsInOffer"));
    EXPECT_EQ(saved.GetString("Offer1", "IsInPlan0"), "0");
    EXPECT_FALSE(saved.HasKey("Offer2", "IsInOffer"));
}

TEST_F(MoneyTest, OfferPricePerGuest)
{
    COffer offer(nullptr);
    EXPECT_EQ(offer.GetPaymentCount(), 0);
    offer.SetShekels(100);
    EXPECT_EQ(offer.GetPrice(300), 100);
    offer.SetPerGuest(true);
    EXPECT_EQ(offer.GetPrice(300), 30000);
    offer.SetGuestsForOffer(50);
    EXPECT_EQ(offer.GetPrice(300), 5000);
    EXPECT_EQ(offer.GetPrice(0), 5000);
    // Large events do not overflow.
    offer.SetShekels(2000000);
    offer.SetGuestsForOffer(0);
    EXPECT_EQ(offer.GetPrice(5000), 10000000000LL);
    EXPECT_FALSE(offer.SetInCombination(3, true));
    EXPECT_FALSE(offer.IsInCombination(-1));
}

TEST_F(MoneyTest, CategoriesEndAtAnEmptyName)
{
    CProfileFile ini(WriteFile("Category.ini", "[Categories0]\r\nCategoryName=Music\r\n"
                                               "[Categories1]\r\nCategoryName=\r\n"
                                               "[Categories2]\r\nCategoryName=Food\r\n"));
    std::vector<std::unique_ptr<CCategory>> categories;
    LoadRecordsFromIni(
        ini, CCategory::kSectionPrefix, [](int) { return std::make_unique<CCategory>(nullptr); },
        categories);
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0]->GetName(), "Music");
    EXPECT_FALSE(categories[0]->IsNew());
}
