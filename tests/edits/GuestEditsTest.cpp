#include "edits/GuestEdits.h"

#include "EditsFixture.h"
#include "model/Guest.h"
#include "model/Table.h"

#include <gtest/gtest.h>

using Edits::EGuestField;
using Edits::GuestFieldValue;

class GuestEditsTest : public CEditsFixture
{
};

TEST_F(GuestEditsTest, AFieldEditIsAnnouncedOnlyWhenItChangesSomething)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetInvitedCount(4);
    doc.AddGuest("Noa", "")->AddRestricted("Dan Levi", true);

    struct SCase
    {
        EGuestField field;
        GuestFieldValue value;
        bool changes;
        std::string text; // what the guest then holds, for text fields
        int number;       // for number fields
    };
    const SCase cases[] = {
        {EGuestField::FirstName, std::string("  Daniel "), true, "Daniel", 0},
        {EGuestField::FirstName, std::string("Daniel"), false, "Daniel", 0},
        {EGuestField::FirstName, 5, false, "Daniel", 0}, // a number for a text field
        {EGuestField::Phone, std::string("03-555"), true, "03-555", 0},
        {EGuestField::Invited, -3, true, "", 0},
        {EGuestField::Invited, std::string("7"), false, "", 0}, // a text for a number field
        {EGuestField::Status, CGuest::kStatusNotComing, true, "", CGuest::kStatusNotComing},
        {EGuestField::Status, 7, false, "", CGuest::kStatusNotComing},
        {EGuestField::InvitationSent, 1, true, "", 1},
    };
    for (const SCase& c : cases)
    {
        Clear();
        EXPECT_EQ(Edits::EditGuestField(doc, dan, c.field, c.value, &m_sender), c.changes);
        if (c.changes)
        {
            ASSERT_EQ(m_spy.hints.size(), 1u);
            EXPECT_EQ(m_spy.hints[0].hint, HINT_GUEST_CHANGED);
            EXPECT_EQ(m_spy.hints[0].record, dan);
        }
        else
            EXPECT_TRUE(m_spy.hints.empty());
        EXPECT_TRUE(m_sender.hints.empty());
        if (c.field == EGuestField::FirstName)
        {
            EXPECT_EQ(dan->GetName(), c.text);
        }
        else if (c.field == EGuestField::Invited)
        {
            EXPECT_EQ(dan->GetInvitedCount(), 0);
        }
        else if (c.field == EGuestField::Status)
        {
            EXPECT_EQ(dan->GetStatus(), c.number);
        }
    }
    EXPECT_TRUE(doc.GetGuestAt(1)->IsRestricted("Daniel Levi")) << "lists follow the new name";
}

TEST_F(GuestEditsTest, RestrictionsBothWaysAndOneWay)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    CGuest* noa = doc.AddGuest("Noa", "Cohen");
    CGuest* ron = doc.AddGuest("Ron", "");

    Clear();
    EXPECT_EQ(Edits::SetRestrictedNames(doc, *dan, {"Noa Cohen", "Ron"}, true, &m_sender),
              (std::vector<CGuest*>{dan, noa, ron}));
    EXPECT_TRUE(noa->IsRestricted("Dan Levi"));
    EXPECT_EQ(m_spy.Count(HINT_GUEST_CHANGED), 3);

    // One way: Ron goes off Dan's list only.
    EXPECT_EQ(Edits::SetRestrictedNames(doc, *dan, {"Noa Cohen"}, false, &m_sender),
              std::vector<CGuest*>{dan});
    EXPECT_TRUE(ron->IsRestricted("Dan Levi"));
    EXPECT_TRUE(Edits::SetRestrictedNames(doc, *dan, {"Noa Cohen"}, true, &m_sender).empty());
}

TEST_F(GuestEditsTest, SeatingAskingAndDeleting)
{
    CNewOrvDoc& doc = OpenEvent();
    CTable* small = doc.CreateTable("Small", 1, 2);
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetComingCount(2);
    CGuest* noa = doc.AddGuest("Noa", "");
    noa->SetComingCount(1);

    Clear();
    ASSERT_TRUE(Edits::SeatGuest(doc, dan, small));
    EXPECT_EQ(m_spy.Count(HINT_RECORD_CHANGED), 1);
    EXPECT_TRUE(Edits::SeatGuest(doc, dan, small)) << "already there: nothing asked";
    EXPECT_TRUE(m_prompt.Asked().empty());

    m_prompt.Answer(EAnswer::Cancel); // the table is full
    EXPECT_FALSE(Edits::SeatGuest(doc, noa, small));
    EXPECT_EQ(noa->GetTable(), 0);
    EXPECT_EQ(Captions(), std::vector<std::string>{"No more room in this table!"});

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::DeleteGuestWithQuestion(doc, noa));
    Clear();
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteGuestWithQuestion(doc, noa));
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_GUEST_REMOVING});
    EXPECT_EQ(doc.GetGuestCount(), 1);
}

TEST_F(GuestEditsTest, LockingASeatIsAnnouncedOnceAndMovesNobody)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.CreateTable("Family", 1, 10);
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetTable(1);

    Clear();
    EXPECT_TRUE(Edits::SetSeatLocked(doc, dan, true, &m_sender));
    EXPECT_FALSE(Edits::SetSeatLocked(doc, dan, true, &m_sender)) << "locked already";
    EXPECT_FALSE(Edits::SetSeatLocked(doc, nullptr, true, &m_sender));
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_GUEST_CHANGED);
    EXPECT_EQ(m_spy.hints[0].record, dan);
    EXPECT_TRUE(m_sender.hints.empty());
    EXPECT_TRUE(dan->IsSeatLocked());
    EXPECT_EQ(dan->GetTable(), 1);
    EXPECT_TRUE(doc.IsDataChanged());

    EXPECT_TRUE(Edits::SetSeatLocked(doc, dan, false, &m_sender));
    EXPECT_FALSE(dan->IsSeatLocked());
}
