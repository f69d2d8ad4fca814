#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Table.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

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

    CTable* table = m_doc->CreateTable("Family", 1, 10);
    m_doc->SetDataChanged(false);
    table->SetSeats(12);
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
