#include "edits/GuestDetailsEdits.h"

#include "EditsFixture.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "online/SmsLink.h"
#include "settings/EventSettings.h"

#include <gtest/gtest.h>

using Edits::ETableChange;

class GuestDetailsEditsTest : public CEditsFixture
{
protected:
    void TearDown() override
    {
        SetSmsHandlerQuery({});
        CEditsFixture::TearDown();
    }

    // The guests the spy heard HINT_GUEST_CHANGED for, in order.
    std::vector<CRecord*> ChangedGuests() const
    {
        std::vector<CRecord*> guests;
        for (const auto& entry : m_spy.hints)
            if (entry.hint == HINT_GUEST_CHANGED)
                guests.push_back(entry.record);
        return guests;
    }
};

TEST_F(GuestDetailsEditsTest, ComingNeverExceedsInvited)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetInvitedCount(4);
    dan->SetComingCount(2);

    struct SStep
    {
        bool coming; // which field is typed into
        int value;
        int invited, expectedComing;
        bool changes;
    };
    const SStep steps[] = {
        {true, 5, 5, 5, true},   // coming above invited raises invited
        {false, 1, 1, 1, true},  // invited below coming lowers coming
        {false, 3, 3, 1, true},  // invited above coming leaves coming
        {true, 2, 3, 2, true},   // coming within invited leaves invited
        {true, 2, 3, 2, false},  // the same value changes nothing
        {true, -4, 3, 0, true},  // below 0 is 0
        {false, -1, 0, 0, true}, // both end at 0
    };
    for (const SStep& step : steps)
    {
        Clear();
        const bool changed = step.coming ? Edits::SetGuestComing(doc, dan, step.value, &m_sender)
                                         : Edits::SetGuestInvited(doc, dan, step.value, &m_sender);
        EXPECT_EQ(changed, step.changes) << step.value;
        EXPECT_EQ(dan->GetInvitedCount(), step.invited) << step.value;
        EXPECT_EQ(dan->GetComingCount(), step.expectedComing) << step.value;
        EXPECT_EQ(ChangedGuests(),
                  step.changes ? std::vector<CRecord*>{dan} : std::vector<CRecord*>{});
        EXPECT_TRUE(m_sender.hints.empty());
    }
    EXPECT_FALSE(Edits::SetGuestComing(doc, nullptr, 3, &m_sender));
}

TEST_F(GuestDetailsEditsTest, NotComingClearsComingAndApprovedKeepsIt)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetInvitedCount(4);
    dan->SetComingCount(3);

    Clear();
    EXPECT_TRUE(Edits::SetGuestStatus(doc, dan, CGuest::kStatusNotComing, &m_sender));
    EXPECT_EQ(dan->GetStatus(), CGuest::kStatusNotComing);
    EXPECT_EQ(dan->GetComingCount(), 0);
    EXPECT_EQ(dan->GetInvitedCount(), 4);
    EXPECT_EQ(ChangedGuests(), std::vector<CRecord*>{dan});

    EXPECT_TRUE(Edits::SetGuestStatus(doc, dan, CGuest::kStatusApproved, &m_sender));
    EXPECT_EQ(dan->GetStatus(), CGuest::kStatusApproved);
    EXPECT_EQ(dan->GetComingCount(), 0) << "the user is reminded to give it again";

    Clear();
    EXPECT_FALSE(Edits::SetGuestStatus(doc, dan, CGuest::kStatusApproved, &m_sender));
    EXPECT_FALSE(Edits::SetGuestStatus(doc, dan, CGuest::kStatusNew, &m_sender));
    EXPECT_FALSE(Edits::SetGuestStatus(doc, dan, -1, &m_sender));
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_EQ(dan->GetStatus(), CGuest::kStatusApproved);
}

TEST_F(GuestDetailsEditsTest, TableRuleTellsRefusesAndSeats)
{
    CNewOrvDoc& doc = OpenEvent();
    CTable* small = doc.CreateTable("Small", 1, 2);
    doc.CreateTable("Large", 2, 10);
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetComingCount(2);
    dan->SetTable(static_cast<std::int16_t>(small->GetId()));
    CGuest* noa = doc.AddGuest("Noa", "Cohen");
    noa->SetComingCount(1);

    Clear();
    EXPECT_EQ(Edits::SetGuestTable(doc, noa, 99, &m_sender), ETableChange::NoSuchTable);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Table does not exist"});
    EXPECT_EQ(noa->GetTable(), 0);
    EXPECT_TRUE(m_spy.hints.empty());

    Clear();
    EXPECT_EQ(Edits::SetGuestTable(doc, noa, 0, &m_sender), ETableChange::Unchanged);
    EXPECT_TRUE(m_prompt.Asked().empty());

    m_prompt.Answer(EAnswer::Cancel); // the small table is full
    EXPECT_EQ(Edits::SetGuestTable(doc, noa, small->GetId(), &m_sender), ETableChange::Refused);
    EXPECT_EQ(Captions(), std::vector<std::string>{"No more room in this table!"});
    EXPECT_EQ(noa->GetTable(), 0);
    EXPECT_EQ(small->GetSeats(), 2);
    EXPECT_TRUE(ChangedGuests().empty());

    Clear();
    m_prompt.Answer(EAnswer::Yes); // enlarge it
    EXPECT_EQ(Edits::SetGuestTable(doc, noa, small->GetId(), &m_sender), ETableChange::Seated);
    EXPECT_EQ(noa->GetTable(), small->GetId());
    EXPECT_EQ(small->GetSeats(), 3);
    EXPECT_GE(m_spy.Count(HINT_RECORD_CHANGED), 1);
    EXPECT_EQ(ChangedGuests(), std::vector<CRecord*>{noa});
    EXPECT_EQ(m_spy.hints.back().hint, HINT_GUEST_CHANGED) << "the guest after its table";
}

TEST_F(GuestDetailsEditsTest, NamesAreTrimmedAndRestrictionListsFollow)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    CGuest* noa = doc.AddGuest("Noa", "Cohen");
    dan->AddRestricted("Noa Cohen", true);

    Clear();
    EXPECT_TRUE(Edits::SetGuestNames(doc, dan, "  Daniel ", " Levin  ", &m_sender));
    EXPECT_EQ(dan->GetFullName(), "Daniel Levin");
    EXPECT_EQ(noa->GetRestrictedList(), std::vector<std::string>{"Daniel Levin"});
    EXPECT_EQ(ChangedGuests(), std::vector<CRecord*>{dan});

    Clear();
    EXPECT_FALSE(Edits::SetGuestNames(doc, dan, "Daniel", "Levin ", &m_sender));
    EXPECT_TRUE(m_spy.hints.empty());
}

TEST_F(GuestDetailsEditsTest, TransportCountsIncludeTheGuestOnce)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetComingCount(3);
    dan->SetTransportation(1);
    CGuest* noa = doc.AddGuest("Noa", "Cohen");
    noa->SetComingCount(2);
    noa->SetTransportation(2);

    struct SCase
    {
        int transport;
        int already, withGuest;
    };
    // For Dan, who travels with 1.
    const SCase cases[] = {{1, 3, 3}, {2, 2, 5}, {3, 0, 3}, {0, 0, 0}};
    for (const SCase& c : cases)
    {
        const Edits::STransportCounts counts = Edits::TransportCounts(doc, *dan, c.transport);
        EXPECT_EQ(counts.already, c.already) << c.transport;
        EXPECT_EQ(counts.withGuest, c.withGuest) << c.transport;
    }
}

TEST_F(GuestDetailsEditsTest, SmsIsCountedOnlyWhenOpened)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.GetSettings().SetKeySetting("SmsMessage", "See you & dance");
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    std::vector<std::string> opened;
    bool openSucceeds = true;
    const Edits::SmsOpener open = [&](const std::string& link)
    {
        opened.push_back(link);
        return openSucceeds;
    };
    bool hasProgram = true;
    SetSmsHandlerQuery([&] { return hasProgram; });

    Clear();
    EXPECT_FALSE(Edits::SendSmsToGuest(doc, dan, open, &m_sender)) << "no mobile";
    EXPECT_EQ(Captions(), std::vector<std::string>{"Send SMS"});
    EXPECT_TRUE(opened.empty());

    dan->SetMobile("+972 (50) 123-4567");
    hasProgram = false;
    Clear();
    EXPECT_FALSE(Edits::SendSmsToGuest(doc, dan, open, &m_sender));
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_NE(m_prompt.Asked()[0].text.find("No program"), std::string::npos);
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(dan->GetSmsCount(), 0);

    hasProgram = true;
    openSucceeds = false;
    EXPECT_FALSE(Edits::SendSmsToGuest(doc, dan, open, &m_sender));
    EXPECT_EQ(dan->GetSmsCount(), 0);

    openSucceeds = true;
    Clear();
    EXPECT_TRUE(Edits::SendSmsToGuest(doc, dan, open, &m_sender));
    EXPECT_EQ(opened.back(), "sms:+972501234567?body=See%20you%20%26%20dance");
    EXPECT_EQ(dan->GetSmsCount(), 1);
    EXPECT_EQ(ChangedGuests(), std::vector<CRecord*>{dan});
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_F(GuestDetailsEditsTest, SmsLinks)
{
    EXPECT_EQ(SmsLink("050-1234567", ""), "sms:0501234567");
    EXPECT_EQ(SmsLink(" +1 555 0100 ", "שלום"), "sms:+15550100?body=%D7%A9%D7%9C%D7%95%D7%9D");
    EXPECT_EQ(SmsLink("05+0?body=x", "a"), "sms:050?body=a") << "nothing but the number";
    EXPECT_EQ(SmsLink("+", "a"), "");
    EXPECT_EQ(SmsLink("none", "a"), "");
}

TEST_F(GuestDetailsEditsTest, BulkUpdateAppliesOnlyTheGivenValues)
{
    CNewOrvDoc& doc = OpenEvent();
    std::vector<CGuest*> guests;
    for (const char* name : {"Dan", "Noa", "Ron"})
    {
        CGuest* guest = doc.AddGuest(name, "Levi");
        guest->SetInvitedCount(4);
        guest->SetComingCount(3);
        guest->SetGroupName("Family");
        guest->SetRelation("Bride");
        guest->SetStatus(CGuest::kStatusUnknown);
        guests.push_back(guest);
    }
    guests[2]->SetStatus(CGuest::kStatusNotComing);

    Clear();
    EXPECT_EQ(Edits::UpdateGuests(doc, {}, {}, &m_sender), 0);
    Edits::SGuestsUpdate statusOnly;
    statusOnly.status = CGuest::kStatusNotComing;
    EXPECT_EQ(Edits::UpdateGuests(doc, {}, statusOnly, &m_sender), 0) << "no row selected";
    EXPECT_TRUE(m_spy.hints.empty());

    EXPECT_EQ(Edits::UpdateGuests(doc, guests, statusOnly, &m_sender), 2) << "one had it already";
    EXPECT_EQ(ChangedGuests(), (std::vector<CRecord*>{guests[0], guests[1]}));
    EXPECT_TRUE(m_sender.hints.empty());
    for (const CGuest* guest : guests)
    {
        EXPECT_EQ(guest->GetStatus(), CGuest::kStatusNotComing);
        EXPECT_EQ(guest->GetComingCount(), 3) << "the counts stay";
        EXPECT_EQ(guest->GetInvitedCount(), 4);
        EXPECT_EQ(guest->GetGroupName(), "Family");
        EXPECT_EQ(guest->GetRelation(), "Bride");
    }

    // Counts as given, even coming above invited; the rest in one go.
    Edits::SGuestsUpdate all;
    all.coming = 6;
    all.invited = 5;
    all.group = "Friends";
    all.relation = "Groom";
    all.invitationSent = true;
    all.status = CGuest::kStatusApproved;
    EXPECT_EQ(Edits::UpdateGuests(doc, {guests[1]}, all, &m_sender), 1);
    EXPECT_EQ(guests[1]->GetComingCount(), 6);
    EXPECT_EQ(guests[1]->GetInvitedCount(), 5);
    EXPECT_EQ(guests[1]->GetGroupName(), "Friends");
    EXPECT_EQ(guests[1]->GetRelation(), "Groom");
    EXPECT_TRUE(guests[1]->GetInvitationSent());
    EXPECT_EQ(guests[1]->GetStatus(), CGuest::kStatusApproved);
}

TEST_F(GuestDetailsEditsTest, BulkUpdateReachesTheNextSave)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddGuest("Dan", "Levi");
    doc.AddGuest("Noa", "Cohen");
    ASSERT_TRUE(doc.SaveEventData());
    ASSERT_FALSE(doc.IsDataChanged());

    std::vector<CGuest*> guests;
    for (const auto& guest : doc.GetGuests())
        guests.push_back(guest.get());
    Edits::SGuestsUpdate update;
    update.group = "Work";
    ASSERT_EQ(Edits::UpdateGuests(doc, guests, update, &m_sender), 2);
    EXPECT_TRUE(doc.IsDataChanged());
    ASSERT_TRUE(doc.SaveEventData());

    CNewOrvDoc& reopened = Open();
    ASSERT_EQ(reopened.GetGuestCount(), 2);
    for (const auto& guest : reopened.GetGuests())
        EXPECT_EQ(guest->GetGroupName(), "Work");
}
