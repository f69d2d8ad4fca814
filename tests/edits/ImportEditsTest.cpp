#include "edits/ImportEdits.h"

#include "EditsFixture.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/RecordCounters.h"

#include <gtest/gtest.h>

namespace
{
SImportedGuest Line(const std::string& first, const std::string& family, const std::string& group,
                    int uniqueId = 0)
{
    SImportedGuest line;
    line.firstName = first;
    line.familyName = family;
    line.group = group;
    line.relation = "Bride";
    line.uniqueId = uniqueId;
    line.invited = 2;
    line.coming = 1;
    line.address = "1 Herzl St\r\nHaifa";
    return line;
}

std::vector<std::string> GroupNames(const CNewOrvDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& group : doc.GetGroups())
        names.push_back(group->GetName());
    return names;
}
} // namespace

class ImportEditsTest : public CEditsFixture
{
};

TEST_F(ImportEditsTest, DuplicatesByUniqueIdAreRefusedInOneMessage)
{
    CNewOrvDoc& doc = OpenEvent();
    CGuest* dana = doc.AddGuest("Dana", "Cohen");
    const int groupsBefore = doc.GetGroupCount();
    Clear();
    const auto result = Edits::AddImportedGuests(
        doc,
        {Line("Dana", "Cohen", "", dana->GetUniqueId()), Line("Avi", "Levi", "", 5000),
         Line("Avi", "Again", "", 5000), Line("Noa", "", "")},
        {}, &m_sender);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.refused, (std::vector<std::string>{"Dana Cohen", "Avi Again"}));
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Guests already in list");
    EXPECT_EQ(
        m_prompt.Asked()[0].text,
        "Some of the selected guests were already in the list\r\nDana Cohen\r\nAvi Again\r\n");
    EXPECT_EQ(m_spy.HintNumbers(), (std::vector<EUpdateHint>{HINT_GUEST_ADDED, HINT_GUEST_ADDED}));
    EXPECT_TRUE(m_sender.hints.empty());
    EXPECT_EQ(doc.GetGroupCount(), groupsBefore) << "lines without a group make none";

    CGuest* avi = doc.FindGuestByUniqueId(5000);
    ASSERT_NE(avi, nullptr);
    EXPECT_EQ(avi->GetTable(), 0);
    EXPECT_EQ(avi->GetAddress(), "1 Herzl St\r\nHaifa");
    EXPECT_EQ(avi->GetInvitedCount(), 2);
    EXPECT_EQ(avi->GetComingCount(), 1);
    // A kept id raises the counter, so the next new guest never takes it.
    EXPECT_GT(doc.AddGuest("Next", "")->GetUniqueId(), 5000);
    EXPECT_NE(doc.GetGuestAt(doc.GetGuestCount() - 2)->GetUniqueId(), 0);
}

TEST_F(ImportEditsTest, GroupsAreKeptOrForcedAndCreatedOnce)
{
    CNewOrvDoc& doc = OpenEvent();
    doc.AddGroup("Family");
    Clear();
    Edits::AddImportedGuests(
        doc, {Line("A", "", "family"), Line("B", "", "Work"), Line("C", "", "WORK")}, {},
        &m_sender);
    EXPECT_EQ(doc.FindGuestByName("A")->GetGroupName(), "Family") << "the event's spelling";
    EXPECT_EQ(doc.FindGuestByName("C")->GetGroupName(), "Work");
    EXPECT_EQ(m_spy.Count(HINT_GROUP_ADDED), 1);
    const auto kept = GroupNames(doc);

    Clear();
    Edits::AddImportedGuests(doc, {Line("D", "", "Family"), Line("E", "", "Other")}, {false, ""},
                             &m_sender);
    EXPECT_EQ(doc.FindGuestByName("D")->GetGroupName(), "Imported Guests");
    EXPECT_EQ(doc.FindGuestByName("E")->GetGroupName(), "Imported Guests");
    auto expected = kept;
    expected.push_back("Imported Guests");
    EXPECT_EQ(GroupNames(doc), expected);

    Edits::AddImportedGuests(doc, {Line("F", "", "Family")}, {false, "imported guests"}, &m_sender);
    EXPECT_EQ(doc.FindGuestByName("F")->GetGroupName(), "Imported Guests");
    EXPECT_EQ(GroupNames(doc), expected) << "an existing group is not made twice";
}
