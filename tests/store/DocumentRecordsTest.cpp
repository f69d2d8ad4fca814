#include <gtest/gtest.h>

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Table.h"
#include "support/DocFixture.h"

class DocumentRecordsTest : public CDocFixture
{
};

TEST_F(DocumentRecordsTest, AddingAndRemovingGuestsBroadcasts)
{
    Open();
    CSpyView sender;
    m_doc->AddView(&sender);
    CGuest* dan = m_doc->AddGuest("Dan", "Levi", &sender);
    EXPECT_TRUE(sender.hints.empty()) << "the sender is not told of its own change";
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_GUEST_ADDED);
    EXPECT_EQ(m_spy.hints[0].record, dan);
    m_doc->RemoveView(&sender);

    m_doc->SetDataChanged(false);
    m_spy.hints.clear();
    std::unique_ptr<CGuest> removed = m_doc->RemoveGuest(dan);
    EXPECT_EQ(removed.get(), dan);
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_GUEST_REMOVING) << "views drop the guest before it goes";
    EXPECT_TRUE(m_doc->IsDataChanged());
    EXPECT_EQ(m_doc->RemoveGuest(dan), nullptr) << "a guest not in the list";
}

TEST_F(DocumentRecordsTest, EveryEditOfAnOwnedRecordMarksTheDataChanged)
{
    Open();
    CGuest* guest = m_doc->AddGuest("Dan", "Levi");
    m_doc->SetDataChanged(false);
    EXPECT_FALSE(guest->SetPhone(guest->GetPhone()));
    EXPECT_FALSE(m_doc->IsDataChanged());
    guest->SetPhone("050-1234567");
    EXPECT_TRUE(m_doc->IsDataChanged());

    m_doc->SetDataChanged(false);
    m_doc->GetTableAt(1)->SetSeats(12);
    EXPECT_TRUE(m_doc->IsDataChanged());
}

TEST_F(DocumentRecordsTest, GuestLookupsAndSums)
{
    Open();
    CGuest* dan = m_doc->AddGuest("Dan", "Levi");
    CGuest* dana = m_doc->AddGuest("Dana", "");
    m_doc->AddGuest("Dan", "Levi");
    dan->SetTransportation(2);
    dan->SetComingCount(4);
    dana->SetTransportation(0);
    EXPECT_EQ(m_doc->FindGuestByFullName("Dana"), dana);
    EXPECT_EQ(m_doc->CountGuestsByFullName("Dan Levi"), 2);
    EXPECT_EQ(m_doc->FindGuestByUniqueId(dana->GetUniqueId()), dana);
    EXPECT_EQ(m_doc->FindGuestBySerial(dan->GetSerial()), dan);
    int position = 7;
    EXPECT_EQ(m_doc->FindGuestByIndex(dana->GetIndex(), position), dana);
    EXPECT_EQ(position, 1);
    EXPECT_EQ(m_doc->FindGuestByIndex(999, position), nullptr);
    EXPECT_EQ(position, -1);
    EXPECT_EQ(m_doc->ComingByTransport(2), 4);
    EXPECT_EQ(m_doc->ComingByTransport(0), 0) << "transport 0 is no transport";
    EXPECT_EQ(m_doc->SumComing(), 8);
    EXPECT_EQ(m_doc->IndexOfGuest(nullptr), -1);

    dana->AddRestricted("Dan Levi", true);
    EXPECT_TRUE(dan->IsRestricted("Dana")) << "mutual: the first Dan Levi gets Dana's name";
    EXPECT_FALSE(m_doc->GetGuestAt(2)->IsRestricted("Dana"));
}

TEST_F(DocumentRecordsTest, GiftTotalsAccumulateWholeAmountsAndTheRate)
{
    WriteEventFile("Settings.ini", "[GenSettings]\r\nDolarToShekel=4.00\r\n");
    Open();
    CGuest* a = m_doc->AddGuest("A", "");
    CGuest* b = m_doc->AddGuest("B", "");
    a->SetGiftDollars(10.5f);
    a->SetGiftShekels(100.0f);
    b->SetGiftDollars(20.0f);
    const auto totals = m_doc->GetGiftTotals();
    EXPECT_EQ(totals.dollars, 30) << "each gift counted as a whole number";
    EXPECT_EQ(totals.shekels, 100);
    EXPECT_DOUBLE_EQ(totals.totalShekels, 4.0 * 10.5 + 100 + 4.0 * 20);
}

TEST_F(DocumentRecordsTest, GroupOperations)
{
    Open();
    CGroup* friends = m_doc->AddGroup("Friends");
    CGroup* family = m_doc->AddGroup("Family");
    CGuest* dan = m_doc->AddGuest("Dan", "Levi");
    CGuest* dana = m_doc->AddGuest("Dana", "Cohen");
    dan->SetGroupName("Friends");
    dana->SetGroupName("friends");
    EXPECT_TRUE(m_doc->IsGroupUsed(friends));
    EXPECT_FALSE(m_doc->IsGroupUsed(family));
    EXPECT_FALSE(m_doc->IsGroupUsed(nullptr));

    m_doc->RenameGroupInGuests("Friends", "Old friends");
    EXPECT_EQ(dan->GetGroupName(), "Old friends");
    EXPECT_EQ(dana->GetGroupName(), "friends") << "names compare with their case";

    m_doc->SwapGroups(friends, family);
    EXPECT_EQ(m_doc->GetGroupAt(0)->GetName(), "Family");
    EXPECT_EQ(m_doc->GetGroupAt(1)->GetName(), "Friends");
    EXPECT_EQ(dan->GetGroupName(), "Old friends") << "guests keep their group names";

    std::vector<CGuest*> members;
    EXPECT_EQ(m_doc->GetGuestsOfGroup("Old friends", members), 1);
    EXPECT_EQ(m_doc->RemoveGroup(family)->GetName(), "Friends");
}

TEST_F(DocumentRecordsTest, DefaultContentInEnglish)
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

TEST_F(DocumentRecordsTest, DefaultContentInHebrew)
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

TEST_F(DocumentRecordsTest, DefaultGroups)
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
