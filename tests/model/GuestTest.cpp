#include "model/Guest.h"

#include "FakeOwner.h"
#include "ModelTestSupport.h"
#include "settings/EventSettings.h"

#include <gtest/gtest.h>
#include <memory>

class GuestTest : public CModelTest
{
protected:
    CGuest& AddGuest(const std::string& firstName, const std::string& familyName)
    {
        m_guests.push_back(std::make_unique<CGuest>(nullptr, &m_owner));
        CGuest& guest = *m_guests.back();
        guest.SetName(firstName);
        guest.SetFamilyName(familyName);
        m_owner.guests.push_back(&guest);
        return guest;
    }

    CFakeOwner m_owner;
    std::vector<std::unique_ptr<CGuest>> m_guests;
};

TEST_F(GuestTest, FullNameJoinsWithOneBlank)
{
    CGuest& guest = AddGuest("Dan", "Levi");
    EXPECT_EQ(guest.GetFullName(), "Dan Levi");
    guest.SetName("");
    EXPECT_EQ(guest.GetFullName(), "Levi");
    guest.SetName("Dan");
    guest.SetFamilyName("");
    EXPECT_EQ(guest.GetFullName(), "Dan");
    guest.SetName("");
    EXPECT_EQ(guest.GetFullName(), "");
    EXPECT_EQ(guest.GetDisplayName(), "Missing guest name");
}

TEST_F(GuestTest, AddRestrictedRefusesTwiceAndAddsMutually)
{
    CGuest& ruth = AddGuest("Ruth", "Cohen");
    CGuest& dan = AddGuest("Dan", "Levi");

    EXPECT_TRUE(ruth.AddRestricted("Dan Levi", true));
    EXPECT_FALSE(ruth.AddRestricted("Dan Levi", true));
    EXPECT_EQ(ruth.GetRestrictedCount(), 1);
    EXPECT_TRUE(dan.IsRestricted("Ruth Cohen"));
    EXPECT_EQ(dan.GetRestrictedCount(), 1);

    // Removing touches only the guest's own list.
    EXPECT_TRUE(ruth.RemoveRestricted("Dan Levi"));
    EXPECT_FALSE(ruth.RemoveRestricted("Dan Levi"));
    EXPECT_TRUE(dan.IsRestricted("Ruth Cohen"));

    EXPECT_FALSE(dan.RenameRestricted("Nobody", "Somebody"));
    EXPECT_TRUE(dan.RenameRestricted("Ruth Cohen", "Ruth Levi"));
    EXPECT_EQ(dan.GetRestrictedList(), std::vector<std::string>{"Ruth Levi"});
}

TEST_F(GuestTest, RenamesKeepRestrictionListsInStep)
{
    CGuest& ruth = AddGuest("Ruth", "Cohen");
    CGuest& dan = AddGuest("Dan", "Levi");
    CGuest& avi = AddGuest("Avi", "Bar");
    CGuest& levi = AddGuest("", "Levi");
    ruth.AddRestricted("Dan Levi", true);
    ruth.AddRestricted("Avi Bar", true);
    ruth.AddRestricted("Levi", false);
    ruth.AddRestricted("Ruth Cohen", false); // a guest restricted from itself

    EXPECT_TRUE(ruth.SetName("Rut"));
    EXPECT_TRUE(dan.IsRestricted("Rut Cohen"));
    EXPECT_FALSE(dan.IsRestricted("Ruth Cohen"));
    EXPECT_TRUE(avi.IsRestricted("Rut Cohen"));
    EXPECT_TRUE(ruth.IsRestricted("Rut Cohen")) << "its own list follows too";

    EXPECT_TRUE(ruth.SetFamilyName("Mizrahi"));
    EXPECT_TRUE(dan.IsRestricted("Rut Mizrahi"));
    EXPECT_TRUE(avi.IsRestricted("Rut Mizrahi"));
    EXPECT_EQ(dan.GetRestrictedCount(), 1);
    EXPECT_EQ(ruth.GetRestrictedCount(), 4);

    // Renaming dan renames him in ruth's list through his own list.
    dan.SetName("Daniel");
    EXPECT_TRUE(ruth.IsRestricted("Daniel Levi"));
    EXPECT_FALSE(ruth.IsRestricted("Dan Levi"));

    // A first name that was empty: the others' lists are not touched.
    levi.AddRestricted("Rut Mizrahi", false);
    levi.SetName("Dan");
    EXPECT_TRUE(ruth.IsRestricted("Levi"));
}

TEST_F(GuestTest, SetTableBroadcastsOnlyOnChange)
{
    CGuest& dan = AddGuest("Dan", "Levi");
    m_owner.ResetCalls();
    EXPECT_TRUE(dan.SetTable(7));
    ASSERT_EQ(m_owner.broadcasts.size(), 1u);
    EXPECT_EQ(m_owner.broadcasts[0].first, HINT_RECORD_CHANGED);
    EXPECT_EQ(m_owner.broadcasts[0].second, nullptr);
    EXPECT_FALSE(dan.SetTable(7));
    EXPECT_EQ(m_owner.broadcasts.size(), 1u);
}

TEST_F(GuestTest, WithdrawingApprovalLeavesNoAnswerAndArrivalIsNoEdit)
{
    CGuest& dan = AddGuest("Dan", "Levi");
    EXPECT_EQ(dan.GetStatus(), CGuest::kStatusNew);
    EXPECT_FALSE(dan.IsApproved());
    dan.SetStatus(CGuest::kStatusNotComing);
    EXPECT_TRUE(dan.SetApproved(false));
    EXPECT_EQ(dan.GetStatus(), CGuest::kStatusUnknown);

    dan.ClearModified();
    m_owner.ResetCalls();
    dan.SetArrived(true);
    EXPECT_TRUE(dan.IsArrived());
    EXPECT_FALSE(dan.IsModified());
    EXPECT_EQ(m_owner.dataChangedCalls, 0);
}

TEST_F(GuestTest, CopyFromCopiesExactlyTheListedFields)
{
    CGuest source(nullptr, nullptr);
    source.SetName("Dan");
    source.SetFamilyName("Levi");
    source.SetRelation("Groom");
    source.SetGroupName("Army");
    source.SetChildSeat(true);
    source.SetKids(2);
    source.SetComingCount(4);
    source.SetInvitedCount(5);
    source.SetInfo("notes");
    source.SetAddress("Main St 1\r\nHaifa");
    source.SetStatus(CGuest::kStatusApproved);
    source.SetGiftDollars(50);
    source.SetGiftDetails("envelope");
    source.SetGiftShekels(400);
    source.SetInvitationSent(true);
    source.SetTable(9);
    source.SetPhone("04-1234567");
    source.SetMobile("050-1234567");
    source.SetEmail("dan@example.com");
    // Not copied:
    source.SetGift("cheque");
    source.SetArrivedCount(3);
    source.SetArrived(true);
    source.SetTransportation(2);
    source.SetInvitations(3);
    source.SetSmsCount(6);
    source.AddRestricted("Ruth Cohen", false);

    CGuest& target = AddGuest("Avi", "Bar");
    const int targetUniqueId = target.GetUniqueId();
    m_owner.ResetCalls();
    target.CopyFrom(source);

    EXPECT_EQ(target.GetName(), "Avi");
    EXPECT_EQ(target.GetFamilyName(), "Levi");
    EXPECT_EQ(target.GetRelation(), "Groom");
    EXPECT_EQ(target.GetGroupName(), "Army");
    EXPECT_TRUE(target.GetChildSeat());
    EXPECT_EQ(target.GetKids(), 2);
    EXPECT_EQ(target.GetComingCount(), 4);
    EXPECT_EQ(target.GetInvitedCount(), 5);
    EXPECT_EQ(target.GetInfo(), "notes");
    EXPECT_EQ(target.GetAddress(), "Main St 1\r\nHaifa");
    EXPECT_EQ(target.GetStatus(), CGuest::kStatusApproved);
    EXPECT_EQ(target.GetGiftDollars(), 50.0f);
    EXPECT_EQ(target.GetGiftDetails(), "envelope");
    EXPECT_EQ(target.GetGiftShekels(), 400.0f);
    EXPECT_TRUE(target.GetInvitationSent());
    EXPECT_EQ(target.GetTable(), 9);
    EXPECT_EQ(target.GetPhone(), "04-1234567");
    EXPECT_EQ(target.GetMobile(), "050-1234567");
    EXPECT_EQ(target.GetEmail(), "dan@example.com");

    EXPECT_EQ(target.GetGift(), "");
    EXPECT_EQ(target.GetArrivedCount(), 0);
    EXPECT_FALSE(target.IsArrived());
    EXPECT_EQ(target.GetTransportation(), 0);
    EXPECT_EQ(target.GetInvitations(), 1);
    EXPECT_EQ(target.GetSmsCount(), 0);
    EXPECT_EQ(target.GetRestrictedCount(), 0);
    EXPECT_EQ(target.GetUniqueId(), targetUniqueId);

    // The table goes through its setter, with its hint.
    ASSERT_EQ(m_owner.broadcasts.size(), 1u);
    EXPECT_EQ(m_owner.broadcasts[0].first, HINT_RECORD_CHANGED);
}

TEST_F(GuestTest, GiftTotalByLanguage)
{
    CGuest guest(nullptr, nullptr);
    guest.SetGiftDollars(100.0f);
    guest.SetGiftShekels(250.0f);
    EXPECT_DOUBLE_EQ(guest.GetGiftTotal(), 100.0);
    SetUiLanguage(ELanguage::Hebrew);
    // Without the event settings there is no rate to total with.
    EXPECT_DOUBLE_EQ(guest.GetGiftTotal(), 0.0);
}

TEST_F(GuestTest, UniqueIdsStayAboveStoredOnes)
{
    CGuest first(nullptr, nullptr);
    EXPECT_EQ(first.GetUniqueId(), CEventSettings::kFirstGuestUniqueId + 1);
    first.SetUniqueId(5000);
    CGuest second(nullptr, nullptr);
    EXPECT_EQ(second.GetUniqueId(), 5001);
    // A lower stored id does not lower the counter.
    second.SetUniqueId(10);
    CGuest third(nullptr, nullptr);
    EXPECT_EQ(third.GetUniqueId(), 5002);
}

TEST_F(GuestTest, AddressForHtmlIsEscaped)
{
    CGuest guest(nullptr, nullptr);
    guest.SetAddress("Dizengoff 5 <rear>\r\nTel Aviv & \"Jaffa\"");
    EXPECT_EQ(guest.GetAddressHtml(),
              "Dizengoff 5 &lt;rear&gt;<br>Tel Aviv &amp; &quot;Jaffa&quot;");
}
