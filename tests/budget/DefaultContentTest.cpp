#include "BudgetFixture.h"
#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Table.h"

#include <gtest/gtest.h>

class DefaultContentTest : public CBudgetFixture
{
};

TEST_F(DefaultContentTest, DefaultContentInEnglish)
{
    Open(ELanguage::English);
    EXPECT_EQ(m_doc->GetExpenses().size(), 54u);
    EXPECT_EQ(m_doc->GetExpenses().front()->GetName(), "Catering and Services");
    EXPECT_EQ(m_doc->GetExpenses().front()->GetPaymentCount(), 0);
    ASSERT_EQ(m_doc->GetCategories().size(), 12u);
    EXPECT_EQ(m_doc->GetCategories()[3]->GetName(), "DJs");
    ASSERT_EQ(m_doc->GetOffers().size(), 5u);
    EXPECT_EQ(m_doc->GetOffers()[4]->GetName(), "Blue River Band");
    EXPECT_EQ(m_doc->GetOffers()[4]->GetCategory(), "Bands");
    EXPECT_EQ(m_doc->GetOffers()[4]->GetShekels(), 5002);
    ASSERT_EQ(m_doc->GetTableCount(), 2);
    const CTable* unseated = m_doc->GetTableAt(0);
    EXPECT_EQ(unseated->GetName(), "Unseated Guests");
    EXPECT_EQ(unseated->GetId(), 0);
    EXPECT_EQ(unseated->GetSeats(), 0);
    EXPECT_EQ(unseated->GetHallNumber(), 0);
    EXPECT_EQ(m_doc->GetTableAt(1)->GetName(), "High school - Example");
    EXPECT_EQ(m_doc->GetTableAt(1)->GetSeats(), 10);
    EXPECT_EQ(m_doc->GetTableAt(1)->GetHallNumber(), 1);
    ASSERT_EQ(m_doc->GetMeetings().size(), 1u);
    EXPECT_EQ(m_doc->GetMeetings()[0]->GetContactName(), "Sam Carter");
    EXPECT_TRUE(m_doc->IsDataChanged())
        << "a folder without a data file is written at the next save";

    // Emptied collections are filled again at the next load.
    ASSERT_TRUE(m_doc->SaveEventData());
    m_doc->SetDataChanged(true);
    while (!m_doc->GetExpenses().empty())
        m_doc->RemoveExpense(m_doc->GetExpenses().front().get());
    ASSERT_TRUE(m_doc->SaveEventData());
    m_doc->ReloadEvent();
    EXPECT_EQ(m_doc->GetExpenses().size(), 54u);
}

TEST_F(DefaultContentTest, DefaultContentInHebrew)
{
    Open(ELanguage::Hebrew);
    EXPECT_EQ(m_doc->GetExpenses().size(), 33u);
    EXPECT_EQ(m_doc->GetCategories()[0]->GetName(), "קייטרינג");
    ASSERT_EQ(m_doc->GetOffers().size(), 6u);
    EXPECT_EQ(m_doc->GetOffers()[0]->GetCategory(), "קייטרינג");
    EXPECT_EQ(m_doc->GetOffers()[5]->GetCategory(), "הזמנות");
    EXPECT_EQ(m_doc->GetOffers()[5]->GetShekels(), 400);
    EXPECT_EQ(m_doc->GetTableAt(0)->GetName(), "אורחים ללא שולחן");
    EXPECT_EQ(m_doc->GetTableAt(1)->GetName(), "חברים מהתיכון - דוגמה");
}

TEST_F(DefaultContentTest, DefaultGroups)
{
    Open();
    EXPECT_EQ(m_doc->CreateDefaultGroups("", ""), 0);
    EXPECT_EQ(m_doc->CreateDefaultGroups("", "Avi"), 6);
    EXPECT_EQ(m_doc->GetGroupAt(0)->GetName(), "Avi-Childhood friends");
    EXPECT_EQ(m_spy.Count(HINT_GROUPS_CHANGED), 1);
    EXPECT_EQ(m_doc->CreateDefaultGroups("Dana", "Avi"), 0) << "only when there is no group";

    Open();
    ASSERT_EQ(m_doc->CreateDefaultGroups("Noa", "Noa"), 12);
    EXPECT_EQ(m_doc->GetGroupAt(0)->GetName(), "Noa (Groom) -Childhood friends");
    EXPECT_EQ(m_doc->GetGroupAt(1)->GetName(), "Noa (Bride) -Childhood friends");
    EXPECT_EQ(m_doc->GetGroupAt(11)->GetName(), "Noa (Bride) -Other friends");
}
