#include "edits/TaskEdits.h"

#include "EditsFixture.h"
#include "model/Task.h"

#include <gtest/gtest.h>

namespace
{
std::unique_ptr<CTask> Named(const std::string& name)
{
    auto task = std::make_unique<CTask>();
    task->SetName(name);
    return task;
}

// The tree's names, depth first, with their depth marked by dots and ticked tasks by "+".
std::string Outline(const CTask& task, int depth = 0)
{
    std::string line = std::string(static_cast<std::size_t>(depth), '.') + task.GetName() +
                       (task.IsChecked() ? "+" : "") + "\n";
    for (int i = 0; i < task.GetChildCount(); ++i)
        line += Outline(*task.GetChild(i), depth + 1);
    return line;
}
} // namespace

class TaskEditsTest : public CEditsFixture
{
};

TEST_F(TaskEditsTest, ANewTaskGoesUnderOrAfterTheSelectedOne)
{
    CNewOrvDoc& doc = OpenEvent();
    CTask* root = doc.GetTaskRoot();
    root->AddChild(Named("Hall"));
    root->AddChild(Named("Music"));
    CTask* hall = root->GetChild(0);
    hall->AddChild(Named("Deposit"));

    struct SCase
    {
        CTask* selected;
        bool asChild;
        CTask* parent;
        int position;
    };
    const SCase cases[] = {
        {root, false, root, 2},    // the root has no siblings: its last child
        {root, true, root, 2},     // the same when asked
        {nullptr, false, root, 2}, // nothing selected counts as the root
        {hall, false, root, 1},    // right after the selected task
        {hall, true, hall, 1},     // the selected task's last child
        {hall->GetChild(0), false, hall, 1},
    };
    for (const SCase& c : cases)
    {
        const Edits::STaskPlace place = Edits::PlaceForNewTask(root, c.selected, c.asChild);
        EXPECT_EQ(place.parent, c.parent);
        EXPECT_EQ(place.position, c.position);
    }

    Clear();
    doc.SetDataChanged(false);
    ASSERT_NE(Edits::AddTask(doc, Edits::PlaceForNewTask(root, hall, false), "  Flowers ",
                             "white\nroses", &m_sender),
              nullptr);
    EXPECT_EQ(Outline(*root), "Tasks\n.Hall\n..Deposit\n.Flowers\n.Music\n");
    EXPECT_EQ(root->GetChild(1)->GetInfo(), "white\r\nroses");
    EXPECT_TRUE(doc.IsDataChanged()) << "tasks are not records: the edit marks the data itself";
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_TASKS_CHANGED});
    EXPECT_EQ(m_spy.hints[0].record, nullptr);
    EXPECT_TRUE(m_sender.hints.empty());
}

TEST_F(TaskEditsTest, EmptyNamesAreRefused)
{
    CNewOrvDoc& doc = OpenEvent();
    CTask* root = doc.GetTaskRoot();
    Clear();
    for (const char* empty : {"", "   ", "\r\n\t"})
    {
        EXPECT_FALSE(Edits::CheckTaskName(doc, empty));
        EXPECT_EQ(Edits::AddTask(doc, {root, 0}, empty, "info", &m_sender), nullptr);
    }
    EXPECT_EQ(root->GetChildCount(), 0);
    ASSERT_EQ(m_prompt.Asked().size(), 6u);
    EXPECT_EQ(m_prompt.Asked()[0].text, "Can not create empty task");
    EXPECT_EQ(m_prompt.Asked()[0].caption, "Task Information");
    EXPECT_TRUE(m_spy.hints.empty());

    // Clearing the name field must not leave a nameless task, which the next load would drop
    // together with everything below it.
    CTask* hall = Edits::AddTask(doc, {root, 0}, "Hall", "", &m_sender);
    hall->AddChild(Named("Deposit"));
    Clear();
    EXPECT_FALSE(Edits::SetTaskName(doc, hall, " ", &m_sender));
    EXPECT_EQ(hall->GetName(), "Hall");
    EXPECT_TRUE(m_prompt.Asked().empty()) << "typing is not interrupted by a message";
    EXPECT_TRUE(Edits::SetTaskName(doc, hall, "Hall and band", &m_sender));
    EXPECT_FALSE(Edits::SetTaskName(doc, hall, "Hall and band ", &m_sender)) << "no change";
}

TEST_F(TaskEditsTest, DeletingTakesTheSubtreeButNeverTheRoot)
{
    CNewOrvDoc& doc = OpenEvent();
    CTask* root = doc.GetTaskRoot();
    CTask* hall = Edits::AddTask(doc, {root, 0}, "Hall", "", &m_sender);
    CTask* deposit = Edits::AddTask(doc, {hall, 0}, "Deposit", "", &m_sender);
    Edits::AddTask(doc, {deposit, 0}, "Bank", "", &m_sender);
    Edits::AddTask(doc, {root, 1}, "Music", "", &m_sender);
    Clear();
    EXPECT_FALSE(Edits::DeleteTask(doc, root, &m_sender));
    EXPECT_FALSE(Edits::DeleteTask(doc, nullptr, &m_sender));
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_TRUE(Edits::DeleteTask(doc, hall, &m_sender));
    EXPECT_EQ(Outline(*root), "Tasks\n.Music\n");
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_TASKS_CHANGED});

    Clear();
    CTask* music = root->GetChild(0);
    EXPECT_TRUE(Edits::SetTaskChecked(doc, music, true, &m_sender));
    EXPECT_FALSE(Edits::SetTaskChecked(doc, music, true, &m_sender));
    EXPECT_EQ(Outline(*root), "Tasks\n.Music+\n");
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_TASKS_CHANGED});
}

TEST_F(TaskEditsTest, WhatTheTreeShowsIsWhatTheNextStartReads)
{
    CNewOrvDoc& doc = OpenEvent();
    CTask* root = doc.GetTaskRoot();
    std::string longName;
    for (int i = 0; i < 40; ++i)
        longName += "\xD7\x90\xD7\x91\xD7\x92 ab "; // Hebrew letters and Latin ones, 300 in all
    std::string longInfo;
    for (int i = 0; i < 60; ++i)
        longInfo += "line " + std::to_string(i) + "\n";
    CTask* task = Edits::AddTask(doc, {root, 0}, longName, longInfo, &m_sender);
    ASSERT_NE(task, nullptr);
    CTask* other = Edits::AddTask(doc, {root, 1}, "Other", "", &m_sender);
    Edits::SetTaskInfo(doc, other, longInfo + longInfo, &m_sender);
    const std::string name = task->GetName();
    const std::string info = task->GetInfo();
    const std::string otherInfo = other->GetInfo();
    EXPECT_LT(name.size(), longName.size());
    EXPECT_LT(info.size(), longInfo.size());
    ASSERT_TRUE(doc.SaveEventData());

    CNewOrvDoc& reopened = OpenEvent();
    const CTask* read = reopened.GetTaskRoot()->GetChild(0);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetName(), name);
    EXPECT_EQ(read->GetInfo(), info);
    EXPECT_EQ(reopened.GetTaskRoot()->GetChild(1)->GetInfo(), otherInfo);
}
