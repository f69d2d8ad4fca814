#include "ModelTestSupport.h"
#include "model/Checkpoint.h"
#include "model/LegacyLoader.h"
#include "model/Meeting.h"
#include "model/Task.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class PlanningTest : public CModelTest
{
protected:
    // A root as the document makes it: the first task of the run.
    std::unique_ptr<CTask> MakeRoot()
    {
        auto root = std::make_unique<CTask>();
        root->SetName("Tasks");
        return root;
    }

    CTask* AddTask(CTask& parent, const std::string& name)
    {
        auto task = std::make_unique<CTask>();
        task->SetName(name);
        CTask* raw = task.get();
        return parent.AddChild(std::move(task)) ? raw : nullptr;
    }
};

TEST_F(PlanningTest, MeetingsFromIni)
{
    CProfileFile ini(WriteFile(
        "Meetings.ini", "[Meeting0]\r\nName=Caterer\r\nAdditionalInfo=menuNewLineSepprices\r\n"
                        "ContactName=Yossi\r\nContactPhone=03-5\r\n"
                        "[Meeting1]\r\nName=Hall\r\nDay=20\r\nMonth=8\r\nYear=2006\r\n"
                        "[Meeting2]\r\nName=empty\r\n[Meeting3]\r\nName=Rabbi\r\n"));
    std::vector<std::unique_ptr<CMeeting>> meetings;
    LoadRecordsFromIni(
        ini, CMeeting::kSectionPrefix, [](int) { return std::make_unique<CMeeting>(nullptr); },
        meetings);
    ASSERT_EQ(meetings.size(), 2u);
    EXPECT_EQ(meetings[0]->GetDate(), SDate(2003, 1, 1));
    EXPECT_EQ(meetings[0]->GetInfo(), "menu\r\nprices");
    EXPECT_EQ(meetings[0]->GetContactName(), "Yossi");
    EXPECT_EQ(meetings[0]->GetContactPhone(), "03-5");
    EXPECT_FALSE(meetings[0]->IsModified());
    EXPECT_FALSE(meetings[0]->IsNew());
    EXPECT_EQ(meetings[1]->GetDate(), SDate(2006, 8, 20));
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Meeting), 1);
}

TEST_F(PlanningTest, NewMeetingAndClearModified)
{
    CMeeting meeting(nullptr);
    EXPECT_EQ(meeting.GetDate(), SDate::Today());
    EXPECT_FALSE(meeting.GetDate().IsEmpty());

    // As the XML file delivers it: bare line feeds, and one that is already CR LF.
    meeting.SetInfo("a\nb\r\nc\n");
    meeting.ClearModified();
    EXPECT_EQ(meeting.GetInfo(), "a\r\nb\r\nc\r\n");
    EXPECT_FALSE(meeting.IsModified());
    meeting.ClearModified();
    EXPECT_EQ(meeting.GetInfo(), "a\r\nb\r\nc\r\n");
}

TEST_F(PlanningTest, TaskTreeRoundTrip)
{
    auto root = MakeRoot();
    EXPECT_EQ(root->GetId(), 1);
    CTask* hall = AddTask(*root, "Book the hall");
    CTask* music = AddTask(*root, "Music");
    ASSERT_NE(hall, nullptr);
    ASSERT_NE(music, nullptr);
    hall->SetInfo("Call Monday\r\nAsk for parking");
    hall->SetChecked(true);
    AddTask(*music, "DJ");
    EXPECT_EQ(AddTask(*root, ""), nullptr);

    const auto path = m_folder / "Tasks.ini";
    WriteFile("Tasks.ini", "[Task99]\r\nname=stale\r\n");
    ASSERT_TRUE(root->IsModifiedDeep());
    ASSERT_TRUE(root->Save(path));
    EXPECT_FALSE(root->IsModifiedDeep());
    EXPECT_EQ(root->GetFile(), path);

    CProfileFile saved(path);
    EXPECT_FALSE(saved.HasSection("Task99"));
    EXPECT_EQ(saved.GetString("Task2", "info"), "Call Monday<..>Ask for parking");
    EXPECT_EQ(saved.GetString("Task1", "child1"), "3");

    CRecordCounters::ResetAllForTests();
    auto loaded = MakeRoot();
    loaded->LoadTree(path);
    EXPECT_FALSE(loaded->IsModifiedDeep());
    ASSERT_EQ(loaded->GetChildCount(), 2);
    const CTask* loadedHall = loaded->GetChild(0);
    EXPECT_EQ(loadedHall->GetName(), "Book the hall");
    EXPECT_EQ(loadedHall->GetInfo(), "Call Monday\r\nAsk for parking");
    EXPECT_TRUE(loadedHall->IsChecked());
    EXPECT_EQ(loadedHall->GetParent(), loaded.get());
    ASSERT_EQ(loaded->GetChild(1)->GetChildCount(), 1);
    EXPECT_EQ(loaded->GetChild(1)->GetChild(0)->GetName(), "DJ");
    EXPECT_EQ(loaded->GetChild(1)->GetChild(0)->GetId(), 4);

    // New tasks get ids above the loaded ones.
    EXPECT_GT(CTask().GetId(), 4);
}

TEST_F(PlanningTest, DamagedTasksFileCannotLoopOrRepeat)
{
    const auto path =
        WriteFile("Tasks.ini", "[Task1]\r\nname=Tasks\r\nchild0=2\r\nchild1=5\r\nchild2=1\r\n"
                               "child3=3\r\n"
                               // Names its grandparent and then itself.
                               "[Task2]\r\nname=A\r\nchild0=1\r\nchild1=4\r\nchild2=2\r\n"
                               "child3=6\r\n"
                               // Names its parent and a task already loaded elsewhere.
                               "[Task4]\r\nname=B\r\nchild0=2\r\nchild1=5\r\n"
                               // No name: dropped with its sub-tree.
                               "[Task5]\r\nname=\r\nchild0=7\r\n[Task7]\r\nname=lost\r\n"
                               "[Task3]\r\nname=never read\r\n[Task6]\r\nname=never read\r\n");
    auto root = MakeRoot();
    root->LoadTree(path);
    ASSERT_EQ(root->GetChildCount(), 1);
    const CTask* a = root->GetChild(0);
    EXPECT_EQ(a->GetName(), "A");
    ASSERT_EQ(a->GetChildCount(), 1);
    EXPECT_EQ(a->GetChild(0)->GetName(), "B");
    EXPECT_EQ(a->GetChild(0)->GetChildCount(), 0);
}

TEST_F(PlanningTest, DeepChainIsCut)
{
    std::string text;
    for (int id = 1; id <= 100; ++id)
        text += "[Task" + FormatInt(id) + "]\r\nname=T" + FormatInt(id) +
                "\r\nchild0=" + FormatInt(id + 1) + "\r\n";
    const auto path = WriteFile("Tasks.ini", text);
    auto root = MakeRoot();
    root->LoadTree(path);
    int depth = 0;
    for (const CTask* task = root.get(); task->GetChildCount() > 0; task = task->GetChild(0))
        ++depth;
    EXPECT_EQ(depth, CTask::kMaxLoadDepth);
}

TEST_F(PlanningTest, DeleteSubtreeAndModifiedFlags)
{
    auto root = MakeRoot();
    CTask* a = AddTask(*root, "A");
    AddTask(*a, "A1");
    CTask* a2 = AddTask(*a, "A2");
    AddTask(*a2, "A2x");
    AddTask(*a, "A3");
    CTask* b = AddTask(*root, "B");
    const auto path = m_folder / "Tasks.ini";
    ASSERT_TRUE(root->Save(path));

    // A change deep down reaches the root.
    a2->GetChild(0)->SetChecked(true);
    EXPECT_FALSE(root->IsModified());
    EXPECT_TRUE(root->IsModifiedDeep());
    EXPECT_TRUE(root->IsModified());
    EXPECT_TRUE(a->IsModified());
    EXPECT_FALSE(b->IsModified());

    a->DeleteSubtree();
    ASSERT_EQ(root->GetChildCount(), 1);
    EXPECT_EQ(root->GetChild(0), b);

    root->DeleteSubtree();
    EXPECT_EQ(root->GetChildCount(), 0);
    EXPECT_EQ(root->GetName(), "Tasks");
}

TEST_F(PlanningTest, ChildIdThatIsNotANumberReadsAsZero)
{
    const auto path = WriteFile("Tasks.ini", "[Task1]\r\nname=Tasks\r\nchild0=abc\r\n"
                                             "[Task0]\r\nname=Zero\r\n");
    auto root = MakeRoot();
    root->LoadTree(path);
    ASSERT_EQ(root->GetChildCount(), 1);
    EXPECT_EQ(root->GetChild(0)->GetName(), "Zero");

    auto empty = MakeRoot();
    empty->LoadTree(m_folder / "missing.ini");
    EXPECT_EQ(empty->GetChildCount(), 0);
    EXPECT_EQ(empty->GetName(), "");
}

TEST_F(PlanningTest, Checkpoint)
{
    CCheckpoint missing;
    EXPECT_FALSE(missing.Save());
    EXPECT_TRUE(missing.Load(m_folder / "none.ini"));
    EXPECT_EQ(missing.Get(), 0);

    const auto path =
        WriteFile("Checkpoint.ini", "[Checkpoint]\r\nCpIndex=4\r\n[Other]\r\nx=1\r\n");
    CCheckpoint checkpoint;
    ASSERT_TRUE(checkpoint.Load(path));
    EXPECT_EQ(checkpoint.TakeNext(), 4);
    EXPECT_EQ(checkpoint.Get(), 5);
    EXPECT_TRUE(checkpoint.IsNewerThan(missing));
    EXPECT_TRUE(missing.IsOlderThan(checkpoint));
    EXPECT_FALSE(checkpoint.IsOlderThan(checkpoint));
    ASSERT_TRUE(checkpoint.Save());

    CCheckpoint reread;
    reread.Load(path);
    EXPECT_EQ(reread.Get(), 5);
    EXPECT_EQ(ReadProfileString(path, "Other", "x"), "1");
    EXPECT_EQ(reread.Set(9), 5);
    EXPECT_EQ(reread.Get(), 9);
}
