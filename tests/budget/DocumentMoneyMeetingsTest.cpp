#include "BudgetFixture.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"

#include <gtest/gtest.h>

namespace
{
class DocumentMoneyMeetingsTest : public CBudgetFixture
{
protected:
    std::vector<std::string> OfferCategories() const
    {
        std::vector<std::string> categories;
        for (const auto& offer : m_doc->GetOffers())
            categories.push_back(offer->GetCategory());
        return categories;
    }
};
} // namespace

TEST_F(DocumentMoneyMeetingsTest, DeletingACategoryTakesItsOffersButNoExpense)
{
    Open();
    CCategory* caterings = m_doc->FindCategory("Caterings");
    ASSERT_NE(caterings, nullptr);
    ASSERT_EQ(m_doc->GetOffers().size(), 5u);
    auto expense = std::make_unique<CExpence>(m_doc.get());
    expense->SetName("Dinner");
    expense->SetCategory("Caterings");
    m_doc->AddExpense(std::move(expense));
    const std::size_t expenses = m_doc->GetExpenses().size();
    m_doc->SetDataChanged(false);

    EXPECT_TRUE(m_doc->DeleteCategory(caterings));
    EXPECT_TRUE(m_doc->IsDataChanged());
    EXPECT_EQ(m_doc->FindCategory("Caterings"), nullptr);
    EXPECT_EQ(m_doc->GetCategories().size(), 11u);
    EXPECT_EQ(OfferCategories(), (std::vector<std::string>{"Photographers", "DJs", "Bands"}));
    ASSERT_EQ(m_doc->GetExpenses().size(), expenses);
    EXPECT_EQ(m_doc->GetExpenses().back()->GetCategory(), "Caterings");

    CCategory stranger(nullptr);
    stranger.SetName("DJs");
    EXPECT_FALSE(m_doc->DeleteCategory(&stranger)) << "not the document's category";
    EXPECT_EQ(m_doc->GetOffers().size(), 3u);
    EXPECT_FALSE(m_doc->DeleteCategory(nullptr));
}

TEST_F(DocumentMoneyMeetingsTest, RenamingACategoryMovesOnlyItsOwnOffers)
{
    Open();
    m_doc->AddOffer("Quiet DJ", "djs", 900, ""); // differs in letter case: another category
    m_doc->SetDataChanged(false);
    m_doc->RenameCategory(m_doc->FindCategory("DJs"), "Music");
    EXPECT_TRUE(m_doc->IsDataChanged());
    ASSERT_NE(m_doc->FindCategory("Music"), nullptr);
    EXPECT_EQ(m_doc->FindCategory("DJs"), nullptr);
    EXPECT_EQ(OfferCategories(),
              (std::vector<std::string>{"Caterings", "Caterings", "Photographers", "Music", "Bands",
                                        "djs"}));

    CCategory* added = m_doc->AddCategory("Flowers");
    EXPECT_EQ(m_doc->GetCategories().back().get(), added);
    EXPECT_EQ(added->GetName(), "Flowers");
}

TEST_F(DocumentMoneyMeetingsTest, RemovingHandsTheRecordToTheCaller)
{
    Open();
    COffer* offer = m_doc->GetOffers()[1].get();
    m_doc->SetDataChanged(false);
    std::unique_ptr<COffer> removed = m_doc->RemoveOffer(offer);
    EXPECT_EQ(removed.get(), offer);
    EXPECT_EQ(m_doc->GetOffers().size(), 4u);
    EXPECT_TRUE(m_doc->IsDataChanged());
    EXPECT_EQ(m_doc->RemoveOffer(offer), nullptr) << "no longer in the list";

    CShape* shape = m_doc->AddShape(std::make_unique<CShape>(nullptr));
    EXPECT_EQ(shape->GetOwner(), m_doc.get()) << "so its edits mark the data changed";
    EXPECT_EQ(m_doc->RemoveShape(shape).get(), shape);
    EXPECT_TRUE(m_doc->GetShapes().empty());
}

TEST_F(DocumentMoneyMeetingsTest, MeetingsAreAddedSwappedAndRemoved)
{
    Open();
    ASSERT_EQ(m_doc->GetMeetings().size(), 1u) << "the example meeting";
    CMeeting* example = m_doc->GetMeetings()[0].get();
    m_doc->SetDataChanged(false);
    CMeeting* added = m_doc->AddMeeting();
    EXPECT_EQ(added->GetName(), "New meeting");
    EXPECT_EQ(added->GetDate(), SDate::Today());
    EXPECT_TRUE(m_doc->IsDataChanged());

    m_doc->SwapMeetings(0, 1);
    EXPECT_EQ(m_doc->GetMeetings()[0].get(), added);
    EXPECT_EQ(m_doc->GetMeetings()[1].get(), example);
    m_doc->SwapMeetings(1, 2);
    m_doc->SwapMeetings(-1, 0);
    EXPECT_EQ(m_doc->GetMeetings()[0].get(), added) << "out of range: nothing";

    EXPECT_EQ(m_doc->RemoveMeeting(example).get(), example);
    ASSERT_EQ(m_doc->GetMeetings().size(), 1u);

    Open(ELanguage::Hebrew);
    EXPECT_EQ(m_doc->AddMeeting()->GetName(), "פגישה חדשה");
}

TEST_F(DocumentMoneyMeetingsTest, TheDollarRateIsBroadcast)
{
    Open();
    m_doc->SetDollarRate(3.75);
    EXPECT_EQ(m_doc->GetSettings().GetDollarRate(), 3.75);
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_DOLLAR_RATE});
}
