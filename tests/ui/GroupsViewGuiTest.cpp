#include "GuiTestSupport.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/GroupNameDialog.h"
#include "ui/GroupsView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/ViewCodes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QtTest>

namespace
{
// Answers the next "Group name" dialog with a name (and the table box).
void NameNextGroup(CGuiTestBench& bench, const QString& name, bool createTable = false,
                   QString* proposed = nullptr)
{
    bench.Fill<CGroupNameDialog>(
        [name, createTable, proposed](CGroupNameDialog& named)
        {
            if (proposed != nullptr)
                *proposed = named.NameField()->text();
            named.NameField()->setText(name);
            if (named.CreateTableBox() != nullptr)
                named.CreateTableBox()->setChecked(createTable);
        });
}

QStringList GroupNames(const CNewOrvDoc& doc)
{
    QStringList names;
    for (const auto& group : doc.GetGroups())
        names << QString::fromStdString(group->GetName());
    return names;
}
} // namespace

class GroupsViewGuiTest : public QObject, private CViewFixture<CGroupsView>
{
    Q_OBJECT

private slots:
    void init() { Open(VIEW_GROUPS); }
    void cleanup() { Close(); }

    // The proposal is the first free "New group N"; the table box and the selection follow. Name
    // clashes are the core's; the dialog itself refuses an empty name.
    void addingProposesAFreeNameAndRefusesClashes()
    {
        QString proposed;
        NameNextGroup(*m_bench, QStringLiteral("New group"), false, &proposed);
        m_view->AddGroup();
        QCOMPARE(proposed, QStringLiteral("New group"));
        NameNextGroup(*m_bench, QStringLiteral("new GROUP 1"), false, &proposed);
        m_view->AddGroup();
        QCOMPARE(proposed, QStringLiteral("New group 1"));
        NameNextGroup(*m_bench, QStringLiteral("Friends"), true, &proposed);
        m_view->AddGroup();
        QCOMPARE(proposed, QStringLiteral("New group 2"));
        QCOMPARE(GroupNames(Doc()), QStringList({"New group", "new GROUP 1", "Friends"}));
        QCOMPARE(m_view->SelectedRow(), 2);
        QCOMPARE(m_view->GroupsCaption(), QStringLiteral(" 3 Groups "));
        QCOMPARE(Doc().GetTables().back()->GetName(), std::string("Friends"));

        m_bench->Submit<CGroupNameDialog>(
            [this](CGroupNameDialog& named)
            {
                named.NameField()->setText(QStringLiteral("  "));
                m_bench->AnswerMessage(QMessageBox::Ok);
            });
        m_view->AddGroup();
        QVERIFY(m_bench->LastMessage().startsWith(QStringLiteral("Group name is mandatory")));
        QCOMPARE(Doc().GetGroupCount(), 3);
    }

    // The group's line counts its guests and lists them; a rename reaches them. Clashes, deletion
    // and moves are the core's: here only which row is selected afterwards.
    void theGroupsGuestsAreCountedListedAndRenamed()
    {
        Doc().AddGroup("Friends");
        CGuest* dan = Doc().AddGuest("Dan", "Levi");
        dan->SetGroupName("Friends");
        dan->SetComingCount(3);
        dan->SetApproved(true);
        Doc().AddGuest("Dana", "Cohen")->SetGroupName("Friends");
        m_view->FlushRefresh();
        m_view->SelectRow(0);
        QCOMPARE(m_view->CountLine(), QStringLiteral("5 Guests , of them 3 approved"));
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 2);
        NameNextGroup(*m_bench, QStringLiteral("Old friends"));
        m_view->RenameGroup();
        QCOMPARE(dan->GetGroupName(), std::string("Old friends"));

        // A guest removed elsewhere leaves the list at once.
        auto removed = Doc().RemoveGuest(dan);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 1);
    }

    void deletingAndMovingKeepARowSelected()
    {
        for (const char* name : {"A", "B", "C", "D"})
            Doc().AddGroup(name);
        m_view->FlushRefresh();
        m_view->SelectRow(0);
        m_view->DeleteGroup(); // A: the row that takes its place is selected
        QCOMPARE(GroupNames(Doc()), QStringList({"B", "C", "D"}));
        QCOMPARE(m_view->SelectedRow(), 0);
        m_view->SelectRow(1);
        m_view->DeleteGroup(); // C, one of the last two: the row before is selected
        QCOMPARE(GroupNames(Doc()), QStringList({"B", "D"}));
        QCOMPARE(m_view->SelectedRow(), 0);

        m_view->MoveUp(); // on the first row: nothing
        m_view->MoveDown();
        QCOMPARE(GroupNames(Doc()), QStringList({"D", "B"}));
        QCOMPARE(m_view->SelectedRow(), 1);
        m_view->MoveDown(); // on the last row: nothing
        m_view->MoveUp();
        QCOMPARE(GroupNames(Doc()), QStringList({"B", "D"}));
        QCOMPARE(m_view->SelectedRow(), 0);
    }

    void addTableForGroupTellsTheOutcome()
    {
        Doc().AddGroup("Friends");
        for (int i = 0; i < 3; ++i)
        {
            CGuest* guest = Doc().AddGuest("Guest" + std::to_string(i), "");
            guest->SetGroupName("Friends");
            guest->SetComingCount(4);
        }
        m_view->FlushRefresh();
        m_view->SelectRow(0);
        m_bench->AnswerMessage(QMessageBox::Ok);
        PickMenuEntry(QStringLiteral("Add table for this group..."));
        m_view->GroupsList()->customContextMenuRequested(QPoint(1, 1));
        CModalSeam::SetMenuHandler({});
        QCOMPARE(m_bench->LastMessage(),
                 QStringLiteral("A new table was created for this group with 12 guests"));
        QCOMPARE(Doc().GetTables().back()->GetName(), std::string("Friends"));
    }

    void goToGuestDetailsBroadcastsTheGuest()
    {
        Doc().AddGroup("Friends");
        CGuest* dan = Doc().AddGuest("Dan", "Levi");
        dan->SetGroupName("Friends");
        m_view->FlushRefresh();
        m_view->SelectRow(0);
        m_view->GuestsList()->setCurrentIndex(m_view->GuestsList()->model()->index(0, 0));
        m_spy.hints.clear();
        m_view->GoToGuestDetails();
        QCOMPARE(m_spy.hints.size(), std::size_t(1));
        QCOMPARE(m_spy.hints[0].hint, HINT_GOTO_GUEST);
        QCOMPARE(m_spy.hints[0].record, static_cast<CRecord*>(dan));
    }
};

VELLORAN_GUI_TEST_MAIN(GroupsViewGuiTest)

#include "GroupsViewGuiTest.moc"
