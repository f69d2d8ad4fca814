#include "GuiTestSupport.h"
#include "model/Meeting.h"
#include "model/Task.h"
#include "platform/AtomicFile.h"
#include "platform/Shell.h"
#include "store/NewOrvDoc.h"
#include "ui/MainFrame.h"
#include "ui/MeetingView.h"
#include "ui/MeetingsModel.h"
#include "ui/ModalSeam.h"
#include "ui/TaskInfoDialog.h"
#include "ui/TaskListDialog.h"
#include "ui/TaskTreeModel.h"
#include "ui/ViewCodes.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

namespace
{
QString RowText(CMeetingView& view, int row, int column)
{
    return view.Model()->index(row, column).data().toString();
}

// Answers the next "Task Information" with a name (and the child box).
void DescribeNextTask(CGuiTestBench& bench, const QString& name, bool asChild = false)
{
    bench.Submit<CTaskInfoDialog>(
        [name, asChild](CTaskInfoDialog& info)
        {
            info.NameField()->setText(name);
            if (info.AsChildBox() != nullptr)
                info.AsChildBox()->setChecked(asChild);
        });
}

QStringList ChildNames(const CTask& task)
{
    QStringList names;
    for (int i = 0; i < task.GetChildCount(); ++i)
        names << QString::fromStdString(task.GetChild(i)->GetName());
    return names;
}
} // namespace

class MeetingViewGuiTest : public QObject, private CViewFixture<CMeetingView>
{
    Q_OBJECT

private:
    // Three meetings in date order besides none: the example meeting is taken away first.
    void MakeThreeMeetings()
    {
        while (!Doc().GetMeetings().empty())
            Doc().RemoveMeeting(Doc().GetMeetings().front().get());
        const char* names[] = {"Hall", "Florist", "Band"};
        for (int i = 0; i < 3; ++i)
        {
            CMeeting* meeting = Doc().AddMeeting();
            meeting->SetName(names[i]);
            meeting->SetDate(SDate(2025, static_cast<short>(3 + i), 1));
            meeting->SetContactAddress("Herzl 1\r\nHaifa");
        }
        Doc().UpdateAllViews(nullptr, HINT_EVENT_RELOADED);
        m_view->FlushRefresh();
    }

private slots:
    void init() { Open(VIEW_MEETINGS); }

    void cleanup()
    {
        SetShellOpenHandler({});
        Close();
    }

    void addingTwiceGivesTwoNewMeetingRowsAndSelectsTheSecond()
    {
        const int before = m_view->Model()->rowCount();
        m_gui->Frame().GenericActions().add->trigger();
        m_gui->Frame().GenericActions().add->trigger();
        QCOMPARE(m_view->Model()->rowCount(), before + 2);
        QCOMPARE(RowText(*m_view, before, CMeetingsModel::kColumnSubject),
                 QStringLiteral("New meeting"));
        QCOMPARE(RowText(*m_view, before + 1, CMeetingsModel::kColumnSubject),
                 QStringLiteral("New meeting"));
        QCOMPARE(m_view->SelectedRow(), before + 1);
        QCOMPARE(m_view->BoundMeeting(), Doc().GetMeetings().back().get());
        QCOMPARE(m_view->SubjectField()->text(), QStringLiteral("New meeting"));
        QVERIFY(Doc().IsDataChanged());
    }

    void aChangedSubjectIsStoredWhenAnotherRowIsSelected()
    {
        MakeThreeMeetings();
        m_view->SelectRow(0);
        CMeeting* hall = m_view->BoundMeeting();
        QVERIFY(Doc().SaveEventData());
        QVERIFY(!m_gui->Frame().SaveAction()->isEnabled());

        m_view->SubjectField()->selectAll();
        QTest::keyClicks(m_view->SubjectField(), QStringLiteral("Garden hall"));
        QVERIFY(m_view->HasPendingEdit());
        QVERIFY2(m_gui->Frame().SaveAction()->isEnabled(), "typing is a change to save");
        QCOMPARE(hall->GetName(), std::string("Hall"));

        m_view->SelectRow(2);
        QCOMPARE(hall->GetName(), std::string("Garden hall"));
        QCOMPARE(RowText(*m_view, 0, CMeetingsModel::kColumnSubject),
                 QStringLiteral("Garden hall"));
        // A field nobody touched keeps its stored text.
        QCOMPARE(hall->GetContactAddress(), std::string("Herzl 1\r\nHaifa"));
        QCOMPARE(m_view->SubjectField()->text(), QStringLiteral("Band"));

        // Typing is saved by Ctrl+S without leaving the row.
        m_view->CommentsField()->setPlainText(QStringLiteral("two\nlines"));
        m_gui->Frame().SaveAction()->trigger();
        QCOMPARE(Doc().GetMeetings()[2]->GetInfo(), std::string("two\r\nlines"));
        QVERIFY(!Doc().IsDataChanged());
    }

    void aPickedDateIsStoredAtOnce()
    {
        MakeThreeMeetings();
        m_view->SelectRow(1);
        m_view->DateField()->setDate(QDate(2025, 12, 24));
        QCOMPARE(Doc().GetMeetings()[1]->GetDate(), SDate(2025, 12, 24));
        QCOMPARE(RowText(*m_view, 1, CMeetingsModel::kColumnDate), QStringLiteral("12.24.2025"));
        QVERIFY(!m_view->HasPendingEdit());
    }

    void deletingAsksAndSelectsTheRowThatTookItsPlace()
    {
        MakeThreeMeetings();
        m_view->SelectRow(1);
        m_bench->AnswerMessage(QMessageBox::No);
        m_gui->Frame().GenericActions().remove->trigger();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete this meeting?"));
        QCOMPARE(m_view->Model()->rowCount(), 3);

        // Typing in the meeting being deleted goes with it.
        QTest::keyClicks(m_view->SubjectField(), QStringLiteral("x"));
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteMeeting();
        QCOMPARE(m_view->Model()->rowCount(), 2);
        QCOMPARE(m_view->SelectedRow(), 1);
        QCOMPARE(m_view->SubjectField()->text(), QStringLiteral("Band"));
        QCOMPARE(m_view->BoundMeeting(), Doc().GetMeetings()[1].get());

        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteMeeting(); // the last row: the one above
        QCOMPARE(m_view->SelectedRow(), 0);
        QCOMPARE(m_view->SubjectField()->text(), QStringLiteral("Hall"));

        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteMeeting(); // the only one: the form empties
        QCOMPARE(m_view->Model()->rowCount(), 0);
        QCOMPARE(m_view->BoundMeeting(), nullptr);
        for (QLineEdit* field : {m_view->SubjectField(), m_view->ContactField()})
            QVERIFY(field->text().isEmpty());
        QVERIFY(m_view->CommentsField()->toPlainText().isEmpty());
        QVERIFY(!m_gui->Frame().GenericActions().remove->isEnabled());
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void calendarCommandsWriteFiles()
    {
        MakeThreeMeetings();
        m_view->SelectRow(0);
        QString opened;
        SetShellOpenHandler(
            [&](const std::string& target)
            {
                opened = QString::fromStdString(target);
                return true;
            });
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_view->AddAppointmentToCalendar();
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("Added appointment successfully"));
        QVERIFY(opened.endsWith(QStringLiteral(".ics")));
        std::string text;
        QVERIFY(ReadWholeFile(opened.toStdString(), text));
        QVERIFY(text.find("SUMMARY:Meeting at Herzl 1\\, Haifa") != std::string::npos);
        QVERIFY(!Doc().GetMeetings()[0]->GetCalendarUid().empty());
        RemoveFileChecked(opened.toStdString());

        const QString file = QString::fromStdString((m_bench->Root() / "All.ics").string());
        m_bench->AnswerFile(file);
        m_bench->AnswerMessage(QMessageBox::Ok);
        PickMenuEntry(QStringLiteral("Export all meetings to calendar ..."));
        m_view->List()->customContextMenuRequested(QPoint(1, 1));
        CModalSeam::SetMenuHandler({});
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("3 calendar entries written to ") + file);
        QVERIFY(ReadWholeFile(file.toStdString(), text));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void ctrlTOpensTheTaskList()
    {
        CMainFrame& frame = m_gui->Frame();
        m_bench->ShowWindow(frame);
        QVERIFY(m_view->ViewMenu()->actions().contains(m_view->TaskListAction()));
        m_bench->Answer([](QDialog&) { return static_cast<int>(QDialog::Accepted); });
        QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Tasks Tree"));
        frame.ShowView(VIEW_GUESTS);
        const std::size_t opened = m_bench->DialogTitles().size();
        QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
        QCOMPARE(m_bench->DialogTitles().size(), opened); // only while the meetings show
        frame.hide();
    }

    void taskListAddsDeletesAndChanges()
    {
        CTask* root = Doc().GetTaskRoot();
        CTaskListDialog tree(Doc(), m_view);
        QCOMPARE(tree.SelectedTask(), root);

        DescribeNextTask(*m_bench, QStringLiteral("Hall"));
        tree.AddTask(); // root selected, box unticked: a child of the root
        DescribeNextTask(*m_bench, QStringLiteral("Music"));
        tree.AddTask();
        QCOMPARE(ChildNames(*root), QStringList({"Hall", "Music"}));
        tree.Select(root->GetChild(0));
        DescribeNextTask(*m_bench, QStringLiteral("Flowers"));
        tree.AddTask(); // right after the selected task
        DescribeNextTask(*m_bench, QStringLiteral("Deposit"), true);
        tree.AddTask(); // under the selected task (Flowers, just added and selected)
        QCOMPARE(ChildNames(*root), QStringList({"Hall", "Flowers", "Music"}));
        QCOMPARE(ChildNames(*root->GetChild(1)), QStringList({"Deposit"}));
        QCOMPARE(tree.SelectedTask()->GetName(), std::string("Deposit"));

        // An empty name: the message, and the dialog stays open.
        m_bench->Submit<CTaskInfoDialog>(
            [this](CTaskInfoDialog& info)
            {
                info.NameField()->setText(QStringLiteral(" "));
                m_bench->AnswerMessage(QMessageBox::Ok);
            });
        tree.AddTask();
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("Can not create empty task"));
        QCOMPARE(root->GetChild(1)->GetChildCount(), 1);

        // Typing in the fields changes the task at once; an emptied name is not stored.
        tree.Select(root->GetChild(2));
        tree.NameField()->selectAll();
        QTest::keyClicks(tree.NameField(), QStringLiteral("Band"));
        QCOMPARE(root->GetChild(2)->GetName(), std::string("Band"));
        QCOMPARE(tree.Model()->IndexOf(root->GetChild(2)).data().toString(),
                 QStringLiteral("Band"));
        tree.NameField()->clear();
        QTest::keyClick(tree.NameField(), Qt::Key_Backspace);
        emit tree.NameField()->editingFinished();
        QCOMPARE(root->GetChild(2)->GetName(), std::string("Band"));
        QCOMPARE(tree.NameField()->text(), QStringLiteral("Band"));
        tree.InfoField()->setPlainText(QStringLiteral("first\nsecond"));
        QCOMPARE(root->GetChild(2)->GetInfo(), std::string("first\r\nsecond"));

        // The check box ticks the task off.
        const QModelIndex hall = tree.Model()->IndexOf(root->GetChild(0));
        QVERIFY(tree.Model()->setData(hall, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(root->GetChild(0)->IsChecked());

        // Change Task: the name and information are stored and shown.
        tree.Select(root->GetChild(0));
        m_bench->Answer(
            [](QDialog& dialog)
            {
                auto& info = static_cast<CTaskInfoDialog&>(dialog);
                if (info.AsChildBox() != nullptr)
                    return static_cast<int>(QDialog::Rejected);
                info.NameField()->setText(QStringLiteral("Garden hall"));
                info.InfoField()->setPlainText(QStringLiteral("deposit paid"));
                return static_cast<int>(QDialog::Accepted);
            });
        tree.ChangeTask();
        QCOMPARE(root->GetChild(0)->GetName(), std::string("Garden hall"));
        QCOMPARE(tree.NameField()->text(), QStringLiteral("Garden hall"));
        QCOMPARE(tree.InfoField()->toPlainText(), QStringLiteral("deposit paid"));

        // Delete (what goes with the task is the core's): the task that took its place is
        // selected.
        tree.Select(root->GetChild(1));
        tree.DeleteTask();
        QCOMPARE(ChildNames(*root), QStringList({"Garden hall", "Band"}));
        QCOMPARE(tree.SelectedTask(), root->GetChild(1));
        QCOMPARE(m_bench->Unanswered(), 0);
        QVERIFY(Doc().IsDataChanged());
    }
};

QTEST_MAIN(MeetingViewGuiTest)
#include "MeetingViewGuiTest.moc"
