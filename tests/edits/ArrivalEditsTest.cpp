#include "edits/ArrivalEdits.h"

#include "EditsFixture.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

using Edits::EArrival;

namespace
{
// A "Chose Table" stand-in: records what it was offered and answers from a queue (a table id, 0
// for OK without a table line, nullopt for Cancel).
struct SChooser
{
    std::vector<std::vector<std::string>> offered;
    std::vector<std::optional<int>> answers;

    Edits::TableChooser Fn()
    {
        return [this](const std::vector<STableChoiceLine>& lines, int) -> std::optional<int>
        {
            std::vector<std::string> texts;
            for (const STableChoiceLine& line : lines)
                texts.push_back(line.text);
            offered.push_back(texts);
            if (answers.empty())
            {
                ADD_FAILURE() << "unscripted table choice";
                return std::nullopt;
            }
            const std::optional<int> answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        };
    }
};

class ArrivalEditsTest : public CEditsFixture
{
protected:
    // Tables 1 "Family" (10 seats, 8 people arrived), 2 "Friends" (10 seats, 5 coming), 3 "Work"
    // (10 seats, 8 coming) and a family of four planned for table 1.
    void OpenWedding()
    {
        CNewOrvDoc& doc = OpenEvent();
        doc.CreateTable("Family", 1, 10);
        doc.CreateTable("Friends", 2, 10);
        doc.CreateTable("Work", 3, 10);
        CGuest* early = doc.AddGuest("Early", "Birds");
        early->SetComingCount(4);
        early->SetTable(1);
        early->SetArrivedCount(8);
        early->SetArrived(true);
        doc.AddGuest("Friends", "")->SetComingCount(5);
        doc.GetGuestAt(1)->SetTable(2);
        doc.AddGuest("Colleagues", "")->SetComingCount(8);
        doc.GetGuestAt(2)->SetTable(3);
        m_family = doc.AddGuest("Cohen", "Family");
        m_family->SetComingCount(4);
        m_family->SetInvitedCount(4);
        m_family->SetTable(1);
        doc.SetDataChanged(false);
        Clear();
    }

    // Nothing changed: no hint, the data unchanged, the family still expected at table 1.
    void ExpectUnchanged()
    {
        EXPECT_TRUE(m_spy.hints.empty());
        EXPECT_TRUE(m_sender.hints.empty());
        EXPECT_FALSE(m_doc->IsDataChanged());
        EXPECT_EQ(m_family->GetTable(), 1);
        EXPECT_FALSE(m_family->IsArrived());
        EXPECT_EQ(m_family->GetArrivedCount(), 0);
    }

    void ExpectArrived(CGuest* guest, int people, int table)
    {
        EXPECT_TRUE(guest->IsArrived());
        EXPECT_EQ(guest->GetArrivedCount(), people);
        EXPECT_EQ(guest->GetComingCount(), people);
        EXPECT_EQ(guest->GetInvitedCount(), people);
        EXPECT_EQ(guest->GetTable(), table);
        EXPECT_TRUE(m_doc->IsDataChanged());
        // The sender hears only a seat change, which every view hears.
        EXPECT_EQ(m_sender.Count(HINT_GUEST_CHANGED), 0);
        EXPECT_EQ(m_sender.hints.size(), m_spy.hints.size() - 1);
        ASSERT_FALSE(m_spy.hints.empty());
        EXPECT_EQ(m_spy.hints.back().hint, HINT_GUEST_CHANGED);
        EXPECT_EQ(m_spy.hints.back().record, guest);
    }

    CGuest* m_family = nullptr;
    const std::string m_fullText =
        FormatText(LoadString(IDS_ARRIVAL_TABLE_FULL_QUESTION), {"Family"});
};
} // namespace

TEST_F(ArrivalEditsTest, ANumberOfNobodyIsRefusedWithItsMessage)
{
    OpenWedding();
    SChooser chooser;
    for (int people : {0, -3})
    {
        Clear();
        EXPECT_EQ(Edits::GuestArrived(*m_doc, m_family, people, chooser.Fn(), &m_sender),
                  EArrival::InvalidCount);
        ASSERT_EQ(m_prompt.Asked().size(), 1u);
        EXPECT_EQ(m_prompt.Asked()[0].text, "Please fill the actual amount of guests that came");
        EXPECT_EQ(m_prompt.Asked()[0].caption, "Please fill missing details");
        EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::Ok);
        ExpectUnchanged();
    }
    EXPECT_TRUE(chooser.offered.empty());
}

TEST_F(ArrivalEditsTest, AFullTableAsksAndEachAnswerDoesWhatItSays)
{
    // Four arriving at a table of 10 seats where 8 people arrived already.
    struct SCase
    {
        const char* what;
        EAnswer answer;
        std::vector<std::optional<int>> choices; // after No
        EArrival result;
        int table; // where the family then sits
    };
    const SCase cases[] = {
        {"Yes seats them there anyway", EAnswer::Yes, {}, EArrival::Accepted, 1},
        {"Cancel changes nothing", EAnswer::Cancel, {}, EArrival::Cancelled, 1},
        {"No, then a table with room", EAnswer::No, {2}, EArrival::Accepted, 2},
        {"No, then Cancel in the choice", EAnswer::No, {std::nullopt}, EArrival::Cancelled, 1},
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        OpenWedding();
        SChooser chooser;
        chooser.answers = c.choices;
        m_prompt.Answer(c.answer);
        EXPECT_EQ(Edits::GuestArrived(*m_doc, m_family, 4, chooser.Fn(), &m_sender), c.result);
        ASSERT_EQ(m_prompt.Asked().size(), 1u);
        EXPECT_EQ(m_prompt.Asked()[0].text, m_fullText);
        EXPECT_EQ(m_prompt.Asked()[0].caption, "No room left in this table");
        EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNoCancel);
        if (c.answer == EAnswer::No)
        {
            // Tables with at least four free seats first, then the separator, then the rest.
            ASSERT_EQ(chooser.offered.size(), 1u);
            EXPECT_EQ(chooser.offered[0],
                      (std::vector<std::string>{"Friends [5]", "", std::string(47, '='), "",
                                                "Family [2]", "Work [2]"}));
        }
        else
            EXPECT_TRUE(chooser.offered.empty());
        if (c.result == EArrival::Accepted)
            ExpectArrived(m_family, 4, c.table);
        else
            ExpectUnchanged();
    }
}

TEST_F(ArrivalEditsTest, AChosenTableCountsOnlyOnceTheArrivalIsAccepted)
{
    OpenWedding();
    // No at Family; Work has 2 seats by its coming people and none left on the event day once
    // its eight colleagues arrived: asked again, and Cancel leaves the family where it sat.
    m_doc->GetGuestAt(2)->SetArrivedCount(8);
    m_doc->GetGuestAt(2)->SetArrived(true);
    m_doc->SetDataChanged(false);
    SChooser chooser;
    chooser.answers = {3};
    m_prompt.Answer(EAnswer::No);
    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_EQ(Edits::GuestArrived(*m_doc, m_family, 4, chooser.Fn(), &m_sender),
              EArrival::Cancelled);
    ASSERT_EQ(m_prompt.Asked().size(), 2u);
    EXPECT_EQ(m_prompt.Asked()[1].text,
              FormatText(LoadString(IDS_ARRIVAL_TABLE_FULL_QUESTION), {"Work"}));
    ExpectUnchanged();

    // No at Work goes back to the choice; a separator line keeps the table and asks again.
    Clear();
    chooser.offered.clear();
    chooser.answers = {3, 0, 2};
    for (EAnswer answer : {EAnswer::No, EAnswer::No, EAnswer::No})
        m_prompt.Answer(answer);
    EXPECT_EQ(Edits::GuestArrived(*m_doc, m_family, 4, chooser.Fn(), &m_sender),
              EArrival::Accepted);
    EXPECT_EQ(chooser.offered.size(), 3u);
    EXPECT_EQ(m_prompt.Asked().size(), 3u);
    ExpectArrived(m_family, 4, 2);
    EXPECT_EQ(m_spy.Count(HINT_RECORD_CHANGED), 1) << "one seat change, announced once";
}

TEST_F(ArrivalEditsTest, AnUnseatedWalkInChoosesATableAtOnce)
{
    OpenWedding();
    CGuest* walkIn = Edits::AddWalkInGuest(*m_doc, "  Uri ", " Guest ", &m_sender);
    EXPECT_EQ(walkIn->GetName(), "Uri");
    EXPECT_EQ(walkIn->GetFamilyName(), "Guest");
    EXPECT_EQ(walkIn->GetComingCount(), 0);
    EXPECT_EQ(walkIn->GetInvitedCount(), 0);
    EXPECT_EQ(walkIn->GetTable(), 0);
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_GUEST_ADDED, HINT_GUEST_CHANGED}));
    EXPECT_TRUE(m_sender.hints.empty());

    // Two people: no question, straight to the choice; the table chosen is taken as it is.
    Clear();
    SChooser chooser;
    chooser.answers = {3};
    EXPECT_EQ(Edits::GuestArrived(*m_doc, walkIn, 2, chooser.Fn(), &m_sender), EArrival::Accepted);
    EXPECT_TRUE(m_prompt.Asked().empty());
    ASSERT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(chooser.offered[0], (std::vector<std::string>{"Family [2]", "Friends [5]", "Work [2]",
                                                            "", std::string(47, '='), ""}));
    ExpectArrived(walkIn, 2, 3);

    // OK without a table line keeps a walk-in unseated; the unseated table never asks for room.
    CGuest* another = Edits::AddWalkInGuest(*m_doc, "Tal", "", &m_sender);
    Clear();
    chooser.answers = {0};
    EXPECT_EQ(Edits::GuestArrived(*m_doc, another, 30, chooser.Fn(), &m_sender),
              EArrival::Accepted);
    EXPECT_TRUE(m_prompt.Asked().empty());
    ExpectArrived(another, 30, 0);
}

TEST_F(ArrivalEditsTest, TheArrivedNumberBecomesThePlannedAndActualNumber)
{
    OpenWedding();
    CGuest* couple = m_doc->AddGuest("Dana", "Levi");
    couple->SetInvitedCount(2);
    couple->SetComingCount(2);
    couple->SetTable(2);
    Clear();
    SChooser chooser;
    EXPECT_EQ(Edits::GuestArrived(*m_doc, couple, 3, chooser.Fn(), &m_sender), EArrival::Accepted);
    ExpectArrived(couple, 3, 2);
    EXPECT_TRUE(m_prompt.Asked().empty());

    // Correcting the number later counts the line's own arrival once: of Friends' 10 seats, the 3
    // taken are Dana's own, so 5 still fit.
    Clear();
    EXPECT_EQ(Edits::GuestArrived(*m_doc, couple, 5, chooser.Fn(), &m_sender), EArrival::Accepted);
    EXPECT_TRUE(m_prompt.Asked().empty());
    ExpectArrived(couple, 5, 2);
    EXPECT_EQ(m_doc->GetTableAt(2)->GetFreeSeatsOnEventDay(), 5);
}
