#include "edits/GroupEdits.h"

#include "EditsFixture.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"

#include <gtest/gtest.h>

class GroupEditsTest : public CEditsFixture
{
};

TEST_F(GroupEditsTest, AddingRefusesANameTakenInAnyCase)
{
    CNewOrvDoc& doc = OpenEvent();
    Clear();
    CGroup* friends = Edits::AddGroup(doc, "Friends", true, &m_sender);
    ASSERT_NE(friends, nullptr);
    EXPECT_EQ(m_spy.HintNumbers(), (std::vector<EUpdateHint>{HINT_GROUP_ADDED, HINT_GROUPS_CHANGED,
                                                             HINT_TABLE_CREATED}));
    EXPECT_EQ(m_sender.HintNumbers(), std::vector<EUpdateHint>{HINT_TABLE_CREATED})
        << "the new table is everybody's news";
    EXPECT_EQ(doc.GetTables().back()->GetName(), "Friends");

    Clear();
    EXPECT_EQ(Edits::AddGroup(doc, "fRIENDS", false, &m_sender), nullptr);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Group already exists"});
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_EQ(doc.GetGroupCount(), 1);
}

TEST_F(GroupEditsTest, RenamingMovesTheGuestsAndRefusesClashes)
{
    CNewOrvDoc& doc = OpenEvent();
    CGroup* family = doc.AddGroup("Family");
    doc.AddGroup("Work");
    CGuest* dan = doc.AddGuest("Dan", "Levi");
    dan->SetGroupName("Family");
    CGuest* other = doc.AddGuest("Noa", "");
    other->SetGroupName("Familyish");

    Clear();
    EXPECT_FALSE(Edits::RenameGroup(doc, family, "WORK", &m_sender));
    EXPECT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_NE(m_prompt.Asked()[0].text.find("WORK"), std::string::npos);
    EXPECT_FALSE(Edits::RenameGroup(doc, family, "Family", &m_sender)) << "no change";
    EXPECT_TRUE(m_spy.hints.empty());

    Clear();
    EXPECT_TRUE(Edits::RenameGroup(doc, family, "family", &m_sender))
        << "its own name in another case is no clash";
    EXPECT_EQ(dan->GetGroupName(), "family");
    EXPECT_EQ(other->GetGroupName(), "Familyish");
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_GROUPS_CHANGED, HINT_GROUP_RENAMED}));
    EXPECT_TRUE(m_sender.hints.empty());
}

TEST_F(GroupEditsTest, DeletingAndMoving)
{
    CNewOrvDoc& doc = OpenEvent();
    CGroup* family = doc.AddGroup("Family");
    doc.AddGroup("Work");
    doc.AddGuest("Dan", "Levi")->SetGroupName("Family");

    Clear();
    EXPECT_FALSE(Edits::DeleteGroup(doc, family, &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Group not empty"});

    EXPECT_FALSE(Edits::MoveGroup(doc, 1, 2, &m_sender)) << "no position 2";
    EXPECT_TRUE(Edits::MoveGroup(doc, 1, 0, &m_sender));
    EXPECT_EQ(doc.GetGroupAt(0)->GetName(), "Work");
    EXPECT_TRUE(Edits::DeleteGroup(doc, doc.GetGroupAt(0), &m_sender));
    EXPECT_EQ(doc.GetGroupCount(), 1);
    EXPECT_EQ(m_spy.HintNumbers(),
              (std::vector<EUpdateHint>{HINT_GROUPS_CHANGED, HINT_GROUPS_CHANGED}));
    EXPECT_TRUE(m_sender.hints.empty());
}
