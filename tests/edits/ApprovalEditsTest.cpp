#include "edits/ApprovalEdits.h"

#include "EditsFixture.h"
#include "model/Guest.h"
#include "platform/StringTable.h"

#include <gtest/gtest.h>

// Dana (12, coming 2, no answer), Avi (13, coming 3, approved), Tal (14, coming 0, not coming),
// Ron (15, coming 4, no answer).
class ApprovalEditsTest : public CEditsFixture
{
protected:
    void SetUp() override
    {
        CEditsFixture::SetUp();
        CNewOrvDoc& doc = OpenEvent();
        m_dana = Guest(doc, "Dana", 12, 2, CGuest::kStatusUnknown);
        m_avi = Guest(doc, "Avi", 13, 3, CGuest::kStatusApproved);
        m_tal = Guest(doc, "Tal", 14, 0, CGuest::kStatusNotComing);
        m_ron = Guest(doc, "Ron", 15, 4, CGuest::kStatusUnknown);
        doc.SetDataChanged(false);
        Clear();
    }
    static CGuest* Guest(CNewOrvDoc& doc, const char* name, int id, int coming, int status)
    {
        CGuest* guest = doc.AddGuest(name, "Levi");
        guest->SetUniqueId(id);
        guest->SetComingCount(coming);
        guest->SetStatus(status);
        return guest;
    }
    static std::pair<int, int> State(const CGuest* guest)
    {
        return {guest->GetComingCount(), guest->GetStatus()};
    }

    CGuest* m_dana = nullptr;
    CGuest* m_avi = nullptr;
    CGuest* m_tal = nullptr;
    CGuest* m_ron = nullptr;
};

TEST_F(ApprovalEditsTest, UpdateGuestsListTakesTheAnswers)
{
    const ApprovalMap approvals = {
        {"15", "0"},  // Ron declines
        {"12", "5"},  // Dana approves with 5
        {"13", "3"},  // Avi already recorded so: left alone
        {"14", "2"},  // Tal changed his mind
        {"99", "1"},  // nobody
        {"12x", "1"}, // malformed code
    };
    const auto changed = Edits::UpdateGuestsFromApprovals(*m_doc, approvals, &m_sender);

    // In list order, each announced once to every view but the sender.
    EXPECT_EQ(changed, (std::vector<CGuest*>{m_dana, m_tal, m_ron}));
    ASSERT_EQ(m_spy.hints.size(), 3u);
    for (std::size_t i = 0; i < changed.size(); ++i)
    {
        EXPECT_EQ(m_spy.hints[i].hint, HINT_GUEST_CHANGED);
        EXPECT_EQ(m_spy.hints[i].record, changed[i]);
    }
    EXPECT_TRUE(m_sender.hints.empty());

    EXPECT_EQ(State(m_dana), std::make_pair(5, int(CGuest::kStatusApproved)));
    EXPECT_EQ(State(m_avi), std::make_pair(3, int(CGuest::kStatusApproved)));
    EXPECT_EQ(State(m_tal), std::make_pair(2, int(CGuest::kStatusApproved)));
    EXPECT_EQ(State(m_ron), std::make_pair(0, int(CGuest::kStatusNotComing)));
    EXPECT_TRUE(m_doc->IsDataChanged());
    EXPECT_EQ(Captions(), std::vector<std::string>{LoadString(IDS_APPROVALS_UPDATED_CAPTION)});
    EXPECT_EQ(m_prompt.Asked()[0].text, "Data was updated successfully");
}

TEST_F(ApprovalEditsTest, NothingToTakeChangesNothing)
{
    // A number that is no number is no decline: read as -1 it would count as "not coming".
    for (const char* number : {"abc", "", "-1", "2 3"})
        EXPECT_TRUE(
            Edits::UpdateGuestsFromApprovals(*m_doc, {{"15", number}, {"13", number}}, nullptr)
                .empty());
    // Answers already recorded, and a code of nobody.
    EXPECT_TRUE(
        Edits::UpdateGuestsFromApprovals(*m_doc, {{"13", "3"}, {"14", "0"}, {"-1", "2"}}, nullptr)
            .empty());
    EXPECT_EQ(State(m_ron), std::make_pair(4, int(CGuest::kStatusUnknown)));
    EXPECT_EQ(State(m_avi), std::make_pair(3, int(CGuest::kStatusApproved)));
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_FALSE(m_doc->IsDataChanged());
}

TEST_F(ApprovalEditsTest, EveryGuestWithTheCodeTakesIt)
{
    // Two lines of one family may share a code after an import; both take the answer.
    CGuest* twin = Guest(*m_doc, "Dana", 12, 2, CGuest::kStatusUnknown);
    Clear();
    const auto changed = Edits::UpdateGuestsFromApprovals(*m_doc, {{"12", "1"}}, nullptr);
    EXPECT_EQ(changed, (std::vector<CGuest*>{m_dana, twin}));
    EXPECT_EQ(m_spy.Count(HINT_GUEST_CHANGED), 2);
}
