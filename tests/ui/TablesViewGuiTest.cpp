#include "GuiTestSupport.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/OptimiseDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableSetupDialog.h"
#include "ui/TablesModel.h"
#include "ui/TablesView.h"
#include "ui/ViewCodes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace
{
// Fills the next "Table details" dialog and presses OK; the values it opened with go to *shown.
void FillNextDetails(CGuiTestBench& bench, const QString& name, int seats, int place,
                     CTableDetailsDialog::SValues* shown = nullptr)
{
    bench.Submit<CTableDetailsDialog>(
        [name, seats, place, shown](CTableDetailsDialog& details)
        {
            if (shown != nullptr)
                *shown = {details.NameField()->text(), details.SeatsField()->value(),
                          details.PlaceField()->value()};
            details.NameField()->setText(name);
            details.SeatsField()->setValue(seats);
            details.PlaceField()->setValue(place);
        });
}

std::vector<std::string> TableNames(const CNewOrvDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& table : doc.GetTables())
        names.push_back(table->GetName());
    return names;
}

// The move entry of the popup with that target id.
QAction* MoveEntry(const QList<QAction*>& entries, int id)
{
    for (QAction* action : entries)
        if (action->data().toInt() == id)
            return action;
    return nullptr;
}

QStringList SubmenuTitles(const QMenu& menu)
{
    QStringList titles;
    for (QAction* action : menu.actions())
        if (action->menu() != nullptr)
            titles << action->text();
    return titles;
}

} // namespace

class TablesViewGuiTest : public QObject, private CViewFixture<CTablesView>
{
    Q_OBJECT

private:
    void MakeTables(int count, int seats = 10)
    {
        MakeNumberedTables(Doc(), count, seats);
        m_view->FlushRefresh();
    }

private slots:
    void init()
    {
        Open(VIEW_TABLES);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void cleanup() { Close(); }

    void listShowsTablesWithPeopleAndMarksFullOnes()
    {
        MakeTables(2, 4);
        AddSeatedGuest(Doc(), "Dan", 3, 1);
        AddSeatedGuest(Doc(), "Dana", 2, 1);
        AddSeatedGuest(Doc(), "Ron", 7, 0);
        m_view->FlushRefresh();
        const CTablesModel& model = *m_view->TablesModel();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(m_view->TablesCaption(), QStringLiteral(" 2 Tables"));
        auto cell = [&](int row, int column)
        { return model.data(model.index(row, column)).toString(); };
        QCOMPARE(cell(0, CTablesModel::kColumnName), QStringLiteral("Unseated Guests"));
        QCOMPARE(cell(0, CTablesModel::kColumnHallNumber), QStringLiteral("--"));
        QCOMPARE(cell(0, CTablesModel::kColumnSeats), QStringLiteral("--"));
        QCOMPARE(cell(0, CTablesModel::kColumnGuests), QStringLiteral("7"));
        QCOMPARE(cell(1, CTablesModel::kColumnGuests), QStringLiteral("5"));
        QCOMPARE(cell(2, CTablesModel::kColumnHallNumber), QStringLiteral("2"));
        // Row 1 holds 5 people at 4 seats; the unseated table (7 at 0 seats) is never marked.
        QVERIFY(model.IsOverCapacity(1));
        QVERIFY(model.data(model.index(1, 0), Qt::ForegroundRole).isValid());
        QVERIFY(!model.IsOverCapacity(0));
        QVERIFY(!model.data(model.index(0, 0), Qt::ForegroundRole).isValid());
        QVERIFY(!model.IsOverCapacity(2));

        // The guests of the selected table, in list order.
        m_view->SelectRow(1);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 2);
        QCOMPARE(m_view->GuestsList()->model()->index(1, 0).data().toString(),
                 QStringLiteral("Dana"));
    }

    void addingATableAtATakenPlaceAsksAgainWithTheEnteredValues()
    {
        MakeTables(2);
        Doc().GetSettings().SetGuestsPerTable(12);
        CTableDetailsDialog::SValues first;
        CTableDetailsDialog::SValues second;
        FillNextDetails(*m_bench, QStringLiteral("Friends"), 8, 2, &first);
        m_bench->AnswerMessage(QMessageBox::Ok);
        FillNextDetails(*m_bench, QStringLiteral("Friends"), 8, 7, &second);
        m_spy.hints.clear();
        m_view->AddTable();

        // A new table is proposed with the default seats and the next free place.
        QCOMPARE(first.name, QStringLiteral("Not mapped"));
        QCOMPARE(first.seats, 12);
        QCOMPARE(first.place, 3);
        QCOMPARE(m_bench->LastMessage(),
                 QStringLiteral("The location you chose is already in use by table 2 (T2)"));
        QCOMPARE(second.name, QStringLiteral("Friends"));
        QCOMPARE(second.seats, 8);
        QCOMPARE(second.place, 2);
        QCOMPARE(Doc().GetTableCount(), 4);
        const CTable* added = Doc().GetTableAt(3);
        QCOMPARE(added->GetName(), std::string("Friends"));
        QCOMPARE(added->GetSeats(), 8);
        QCOMPARE(added->GetHallNumber(), 7);
        QCOMPARE(m_view->SelectedRow(), 3);
        QCOMPARE(m_view->TablesCaption(), QStringLiteral(" 3 Tables"));

        // Cancel adds nothing (how a typed name is stored is the core's).
        m_bench->CancelNext();
        m_view->AddTable();
        QCOMPARE(Doc().GetTableCount(), 4);
    }

    void seatsAreAcceptedFromOneToAThousand()
    {
        MakeTables(1);
        m_view->SelectRow(1);
        // 1001 and 0 are refused with the range message and the dialog stays open.
        for (int seats : {1001, 0})
        {
            FillNextDetails(*m_bench, QStringLiteral("Big"), seats, 1);
            m_bench->AnswerMessage(QMessageBox::Ok); // the dialog asks before it closes
            m_view->EditTable();
            QCOMPARE(m_bench->LastMessage(),
                     QStringLiteral("Please enter an integer between 1 and 1000."));
            QCOMPARE(Doc().GetTableAt(1)->GetSeats(), 10);
        }
        const std::size_t messages = m_bench->MessageTexts().size();
        for (int seats : {1000, 1})
        {
            FillNextDetails(*m_bench, QStringLiteral("Big"), seats, 1);
            m_view->EditTable();
            QCOMPARE(Doc().GetTableAt(1)->GetSeats(), seats);
        }
        QCOMPARE(m_bench->MessageTexts().size(), messages);

        // A table made larger than the ranges (an enlargement, a large arrangement) stays
        // editable with its own values.
        Doc().GetTableAt(1)->SetSeats(1500);
        Doc().GetTableAt(1)->SetHallNumber(1050);
        CTableDetailsDialog::SValues shown;
        FillNextDetails(*m_bench, QStringLiteral("Bigger"), 1500, 1050, &shown);
        m_view->EditTable();
        QCOMPARE(shown.seats, 1500);
        QCOMPARE(shown.place, 1050);
        QCOMPARE(Doc().GetTableAt(1)->GetName(), std::string("Bigger"));
        QCOMPARE(Doc().GetTableAt(1)->GetHallNumber(), 1050);
        QCOMPARE(m_bench->MessageTexts().size(), messages);
    }

    void editingStoresTheValuesAndTellsTheViews()
    {
        MakeTables(3);
        m_view->SelectRow(2);
        CTableDetailsDialog::SValues shown;
        FillNextDetails(*m_bench, QStringLiteral("Family"), 14, 9, &shown);
        m_view->EditTable();
        QCOMPARE(shown.name, QStringLiteral("T2"));
        QCOMPARE(shown.seats, 10);
        QCOMPARE(shown.place, 2);
        CTable* table = Doc().GetTableAt(2);
        QCOMPARE(table->GetName(), std::string("Family"));
        QCOMPARE(table->GetSeats(), 14);
        QCOMPARE(table->GetHallNumber(), 9);
        QCOMPARE(m_view->TablesModel()->index(2, CTablesModel::kColumnName).data().toString(),
                 QStringLiteral("Family"));

        // Another table's place is told; the table's own place is not asked about again, even
        // when (as in damaged data) another table shares it.
        Doc().GetTableAt(3)->SetHallNumber(9);
        FillNextDetails(*m_bench, QStringLiteral("Family"), 14, 1);
        m_bench->AnswerMessage(QMessageBox::Ok);
        FillNextDetails(*m_bench, QStringLiteral("Family"), 15, 9);
        const std::size_t messages = m_bench->MessageTexts().size();
        m_view->EditTable();
        QCOMPARE(m_bench->MessageTexts().size(), messages + 1);
        QCOMPARE(table->GetSeats(), 15);
        QCOMPARE(table->GetHallNumber(), 9);

        // A group name fills the name field.
        Doc().AddGroup("School friends");
        m_bench->Submit<CTableDetailsDialog>(
            [](CTableDetailsDialog& details)
            {
                const auto found = details.GroupsList()->findItems(QStringLiteral("School friends"),
                                                                   Qt::MatchExactly);
                details.GroupsList()->setCurrentItem(found.value(0));
            });
        m_view->EditTable();
        QCOMPARE(table->GetName(), std::string("School friends"));
    }

    void theUnseatedTableIsExplainedNotEdited()
    {
        MakeTables(2);
        m_view->SelectRow(0);
        QVERIFY(!m_view->EditButton()->isEnabled());
        QVERIFY(!m_view->DeleteButton()->isEnabled());
        const std::size_t dialogs = m_bench->DialogTitles().size();
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_view->EditTable();
        QCOMPARE(m_bench->DialogTitles().size(), dialogs + 1);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Explanation"));
        QVERIFY(m_bench->LastMessage().startsWith(
            QStringLiteral("In this cell you can see all the guests")));

        // A table that only has no place in the hall is edited as any other.
        Doc().GetTableAt(2)->SetHallNumber(0);
        m_view->SelectRow(2);
        QVERIFY(m_view->EditButton()->isEnabled());
        CTableDetailsDialog::SValues shown;
        FillNextDetails(*m_bench, QStringLiteral("T2"), 10, 0, &shown);
        m_view->EditTable();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Table details"));
        QCOMPARE(shown.place, 0);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    // Which row is selected after a deletion; whether to ask and what moves are the core's.
    void deletingSelectsTheRowThatTookItsPlace()
    {
        MakeTables(4);
        AddSeatedGuest(Doc(), "Dan", 2, 2);
        AddSeatedGuest(Doc(), "Ron", 1, 3);
        m_view->FlushRefresh();
        m_view->SelectRow(2);
        m_bench->AnswerMessage(QMessageBox::No);
        m_view->DeleteTable();
        QCOMPARE(Doc().GetTableCount(), 5);
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteTable();
        QCOMPARE(Doc().GetTableCount(), 4);
        // The row that took its place, showing its guests (Ron's table moved down).
        QCOMPARE(m_view->SelectedRow(), 2);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 1);

        // The last row leaves the new last row selected; row 0 is never deleted.
        m_view->SelectRow(3);
        m_view->DeleteTable();
        QCOMPARE(m_view->SelectedRow(), 2);
        m_view->SelectRow(0);
        QVERIFY(!m_view->IsCommandEnabled(CFrameView::kCommandDelete));
        m_view->DeleteTable();
        QCOMPARE(Doc().GetTableCount(), 3);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void theMovePopupListsTablesInBlocksOfTen()
    {
        MakeTables(23);
        Doc().GetTableAt(5)->SetName("Rock & Roll");
        m_view->FlushRefresh();
        m_view->SelectRow(12);
        QMenu menu;
        const QList<QAction*> entries = m_view->BuildMoveMenu(menu);
        QCOMPARE(menu.actions().first()->text(), QStringLiteral("Not seated"));
        QCOMPARE(SubmenuTitles(menu), QStringList({"1-10", "11-20", "21-30"}));
        QCOMPARE(entries.size(), 24);
        QCOMPARE(MoveEntry(entries, 0)->text(), QStringLiteral("Not seated"));
        QCOMPARE(MoveEntry(entries, 23)->text(), QStringLiteral("23 (T23)"));
        QCOMPARE(MoveEntry(entries, 5)->text(), QStringLiteral("5 (Rock && Roll)"));
        QVERIFY(MoveEntry(entries, 12)->isChecked());
        QVERIFY(!MoveEntry(entries, 0)->isChecked());
        QVERIFY(!MoveEntry(entries, 11)->isChecked());

        // Tables past 200 are out of reach: never more than twenty blocks.
        MakeTables(205);
        m_view->SelectRow(0);
        QMenu big;
        const QList<QAction*> reachable = m_view->BuildMoveMenu(big);
        QCOMPARE(SubmenuTitles(big).size(), 20);
        QCOMPARE(SubmenuTitles(big).back(), QStringLiteral("191-200"));
        QCOMPARE(reachable.size(), 201);
        QVERIFY(MoveEntry(reachable, 0)->isChecked());
    }

    // A table seated over its room is marked; the popup's entry runs the same move. What each
    // answer to the capacity question does is the core's.
    void movingAGuestToAFullTableMarksTheRow()
    {
        MakeTables(2, 8);
        AddSeatedGuest(Doc(), "Seated", 6, 1);
        CGuest* family = AddSeatedGuest(Doc(), "Family", 4, 0);
        m_view->FlushRefresh();
        m_view->SelectRow(0);
        m_view->SelectGuestRows({0});
        m_bench->AnswerMessage(QMessageBox::No);
        m_view->MoveSelectedGuests(1);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("No more room in this table!"));
        QCOMPARE(family->GetTable(), std::int16_t(1));
        QVERIFY(m_view->TablesModel()->IsOverCapacity(1));

        // Back unseated, then Yes through the popup itself: the table grows, the mark goes.
        m_view->SelectRow(1);
        m_view->SelectGuestRows({1});
        m_view->MoveSelectedGuests(0);
        QCOMPARE(family->GetTable(), std::int16_t(0));
        m_view->SelectRow(0);
        m_view->SelectGuestRows({0});
        m_bench->AnswerMessage(QMessageBox::Yes);
        PickMenuEntry(QStringLiteral("1 (T1)"));
        emit m_view->GuestsList()->customContextMenuRequested(QPoint(1, 1));
        QCOMPARE(family->GetTable(), std::int16_t(1));
        QCOMPARE(Doc().GetTableAt(1)->GetSeats(), 10);
        QVERIFY(!m_view->TablesModel()->IsOverCapacity(1));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void movingSeveralGuestsSkipsRefusedOnesAndReselects()
    {
        MakeTables(2, 5);
        CGuest* a = AddSeatedGuest(Doc(), "A", 4, 0);
        CGuest* b = AddSeatedGuest(Doc(), "B", 4, 0);
        CGuest* c = AddSeatedGuest(Doc(), "C", 1, 0);
        CGuest* d = AddSeatedGuest(Doc(), "D", 1, 0);
        m_view->FlushRefresh();
        m_view->SelectRow(0);

        // A fits, B does not (Cancel: it stays), C fits; the walk goes on past the refusal.
        m_view->SelectGuestRows({0, 1, 2});
        m_bench->AnswerMessage(QMessageBox::Cancel);
        m_view->MoveSelectedGuests(1);
        QCOMPARE(a->GetTable(), std::int16_t(1));
        QCOMPARE(b->GetTable(), std::int16_t(0));
        QCOMPARE(c->GetTable(), std::int16_t(1));
        // B and D are left; position 0 is not the last row: it stays selected.
        QCOMPARE(m_view->SelectedGuestRows(), std::vector<int>({0}));

        // Position 1 is now past the last row: the row before it is selected.
        m_view->SelectGuestRows({1});
        m_view->MoveSelectedGuests(2);
        QCOMPARE(d->GetTable(), std::int16_t(2));
        QCOMPARE(m_view->SelectedGuestRows(), std::vector<int>({0}));

        // Moving the third of four leaves it the position of the last row: the one before it.
        for (const char* name : {"E", "F", "G"})
            AddSeatedGuest(Doc(), name, 1, 0);
        m_view->FlushRefresh();
        m_view->SelectGuestRows({2});
        m_view->MoveSelectedGuests(2);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 3);
        QCOMPARE(m_view->SelectedGuestRows(), std::vector<int>({1}));
    }

    // The buttons follow the edges and the moved table stays selected; the swap is the core's.
    void moveUpAndDownStopAtTheEdges()
    {
        MakeTables(3);
        m_view->SelectRow(0);
        QVERIFY(!m_view->UpButton()->isEnabled());
        QVERIFY(!m_view->DownButton()->isEnabled());
        m_view->SelectRow(1);
        QVERIFY(!m_view->UpButton()->isEnabled()); // never swapped with the unseated table
        QVERIFY(m_view->DownButton()->isEnabled());
        m_view->MoveUp();
        QCOMPARE(Doc().GetTableAt(1)->GetName(), std::string("T1"));

        m_view->MoveDown();
        m_view->MoveDown();
        QCOMPARE(m_view->SelectedRow(), 3);
        QVERIFY(m_view->UpButton()->isEnabled());
        QVERIFY(!m_view->DownButton()->isEnabled());
        m_view->MoveDown(); // the last row: nothing
        QCOMPARE(TableNames(Doc()),
                 (std::vector<std::string>{"Unseated Guests", "T2", "T3", "T1"}));
        m_view->MoveUp();
        QCOMPARE(m_view->SelectedRow(), 2);
    }

    // The view's menu runs both arrangements and the list shows their tables at once; what they
    // make of the seating is the core's.
    void theMenuRunsBothArrangements()
    {
        m_gui->Frame().UpdateCommandState();
        QMenu* menu = m_view->ViewMenu();
        QVERIFY(menu != nullptr);
        QCOMPARE(menu->actions().first()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));

        MakeTables(1);
        Doc().GetSettings().SetGuestsPerTable(10);
        Doc().AddGroup("Friends");
        Doc().AddGroup("Family");
        for (int i = 0; i < 3; ++i)
            AddSeatedGuest(Doc(), "Friend" + std::to_string(i), 4, 0, "Friends");
        AddSeatedGuest(Doc(), "Aunt", 2, 0, "Family");
        AddSeatedGuest(Doc(), "Uncle", 2, 1, "Family");
        m_view->FlushRefresh();
        m_view->SelectRow(1);

        m_bench->AnswerMessage(QMessageBox::Yes);
        FindAction(menu->actions(), QStringLiteral("All Guests"))->trigger();
        QCOMPARE(m_view->TablesModel()->rowCount(), 4);
        QCOMPARE(m_view->TablesCaption(), QStringLiteral(" 3 Tables"));
        QCOMPARE(m_view->SelectedRow(), 1);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 2);

        // The tableless variant adds a table for the guest left without one.
        AddSeatedGuest(Doc(), "Cousin", 3, 0, "Family");
        m_bench->AnswerMessage(QMessageBox::Yes);
        FindAction(menu->actions(), QStringLiteral("Only Guests that are tableless"))->trigger();
        QCOMPARE(m_view->TablesModel()->rowCount(), 5);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void theOptimisedArrangementRunsThroughItsDialog()
    {
        MakeTables(2, 10);
        Doc().AddGroup("Friends");
        Doc().AddGroup("Family");
        for (int i = 0; i < 4; ++i)
            AddSeatedGuest(Doc(), "Friend" + std::to_string(i), 3, 0, "Friends");
        CGuest* aunt = AddSeatedGuest(Doc(), "Aunt", 2, 2, "Family");
        aunt->SetSeatLocked(true);
        AddSeatedGuest(Doc(), "Uncle", 2, 1, "Family");
        m_view->FlushRefresh();
        QAction* entry =
            FindAction(m_view->ViewMenu()->actions(), QStringLiteral("Optimised arrangement ..."));
        QVERIFY(entry != nullptr);

        // Cancelled after a plan was found: nothing changes.
        const unsigned long changes = Doc().GetChangeCount();
        m_bench->Answer(
            [](QDialog& dialog)
            {
                auto& optimise = static_cast<COptimiseDialog&>(dialog);
                optimise.FindPlan();
                optimise.WaitForPlan();
                return static_cast<int>(QDialog::Rejected);
            });
        entry->trigger();
        QCOMPARE(Doc().GetChangeCount(), changes);

        // Rebuilt and accepted: the dialog's summary and the list show the plan (what it seats
        // where is the core's).
        QString tablesUsed;
        m_bench->Answer(
            [&tablesUsed](QDialog& dialog)
            {
                auto& optimise = static_cast<COptimiseDialog&>(dialog);
                optimise.RebuildChoice()->setChecked(true);
                if (optimise.AcceptButton()->isEnabled())
                    return static_cast<int>(QDialog::Rejected); // no plan yet: must not accept
                optimise.FindPlan();
                optimise.WaitForPlan();
                tablesUsed = optimise.SummaryValue(0)->text();
                return static_cast<int>(optimise.AcceptButton()->isEnabled() ? QDialog::Accepted
                                                                             : QDialog::Rejected);
            });
        entry->trigger();
        QCOMPARE(tablesUsed, QStringLiteral("2"));
        QCOMPARE(aunt->GetTable(), std::int16_t(1));
        QCOMPARE(m_view->TablesModel()->rowCount(), 3);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void theSearchRunsBesideTheInterface()
    {
        MakeTables(1, 10);
        for (int i = 0; i < 40; ++i)
            AddSeatedGuest(Doc(), "Guest" + std::to_string(i), 1 + i % 3, 0,
                           "G" + std::to_string(i % 7));
        COptimiseDialog dialog(Doc(), m_view);
        QVERIFY(!dialog.AcceptButton()->isEnabled());
        dialog.FindPlan();
        QVERIFY(dialog.IsSearching() || dialog.Problem() == nullptr);
        // The plan comes back through the event loop.
        QTRY_VERIFY_WITH_TIMEOUT(dialog.Problem() != nullptr, 20000);
        QVERIFY(!dialog.IsSearching());
        QVERIFY(dialog.AcceptButton()->isEnabled());
        QCOMPARE(dialog.SummaryValue(3)->text(), QStringLiteral("40"));
        QCOMPARE(dialog.SummaryValue(5)->text(), QStringLiteral("0 of 0"));
        QVERIFY(!dialog.ConflictsList()->isVisibleTo(&dialog));

        // Another choice forgets the plan; cancelling a running search waits for it.
        dialog.SecondsField()->setValue(3);
        QVERIFY(dialog.Problem() == nullptr);
        QVERIFY(!dialog.AcceptButton()->isEnabled());
        dialog.FindPlan();
        dialog.reject();
        QVERIFY(!dialog.IsSearching());
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Rejected));
    }

    void tableSetupStoresItsValues()
    {
        CEventSettings& settings = Doc().GetSettings();
        settings.SetArrangeTablesByHallNumber(false);
        settings.SetDontShowNonComing(false);
        m_bench->Answer(
            [this](QDialog& dialog)
            {
                auto& setup = static_cast<CTableSetupDialog&>(dialog);
                setup.SeatsField()->setValue(1001);
                m_bench->AnswerMessage(QMessageBox::Ok);
                setup.accept(); // refused: stays open
                if (setup.result() == QDialog::Accepted)
                    return static_cast<int>(QDialog::Accepted);
                setup.SeatsField()->setValue(1000);
                setup.ByHallNumber()->setChecked(true);
                setup.ShowId()->setChecked(true);
                setup.accept();
                return setup.result();
            });
        FindAction(m_view->ViewMenu()->actions(), QStringLiteral("Table setup  ..."))->trigger();
        QCOMPARE(m_bench->LastMessage(),
                 QStringLiteral("Please enter an integer between 1 and 1000."));
        QCOMPARE(settings.GetGuestsPerTable(), short(1000));
        QVERIFY(settings.GetArrangeTablesByHallNumber());
        QVERIFY(!settings.GetDontShowNonComing());
        QCOMPARE(settings.GetKeySetting("ShowSerial"), std::string("1"));

        // A new table now proposes 1000 seats.
        CTableDetailsDialog::SValues shown;
        m_bench->Answer(
            [&shown](QDialog& dialog)
            {
                shown.seats = static_cast<CTableDetailsDialog&>(dialog).SeatsField()->value();
                return static_cast<int>(QDialog::Rejected);
            });
        m_view->AddTable();
        QCOMPARE(shown.seats, 1000);
    }

    void hintsDropPointersAtOnceAndRefreshOnce()
    {
        MakeTables(3);
        CGuest* dan = AddSeatedGuest(Doc(), "Dan", 2, 2);
        m_view->FlushRefresh();

        // Selecting a row tells the other views.
        m_spy.hints.clear();
        m_view->SelectRow(2);
        QCOMPARE(m_spy.hints.size(), std::size_t(1));
        QCOMPARE(m_spy.hints[0].hint, HINT_SELECT_TABLE);
        QCOMPARE(m_spy.hints[0].record, static_cast<CRecord*>(Doc().GetTableAt(2)));

        // Another view's selection is followed without an answer.
        m_spy.hints.clear();
        CSpyView other;
        Doc().AddView(&other);
        Doc().UpdateAllViews(&other, HINT_SELECT_TABLE, Doc().GetTableAt(3));
        QCOMPARE(m_view->SelectedRow(), 3);
        QVERIFY(m_spy.hints.size() == 1 && other.hints.empty());
        Doc().RemoveView(&other);

        // Go to guest information.
        m_view->SelectRow(2);
        m_view->SelectGuestRows({0});
        m_spy.hints.clear();
        m_view->GoToGuestInformation();
        QCOMPARE(m_spy.hints.size(), std::size_t(1));
        QCOMPARE(m_spy.hints[0].hint, HINT_GOTO_GUEST);
        QCOMPARE(m_spy.hints[0].record, static_cast<CRecord*>(dan));

        // HINT_GUEST_REMOVING drops the guest before it goes.
        auto removed = Doc().RemoveGuest(dan);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 0);

        // HINT_TABLE_DELETING drops every pointer at once, whoever deletes; the refresh rebuilds.
        AddSeatedGuest(Doc(), "Ron", 1, 2);
        m_view->FlushRefresh();
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 1);
        Doc().DeleteTable(Doc().GetTableAt(1));
        QCOMPARE(m_view->TablesModel()->rowCount(), 0);
        QCOMPARE(m_view->GuestsList()->model()->rowCount(), 0);
        m_view->FlushRefresh();
        QCOMPARE(m_view->TablesModel()->rowCount(), 3);
        QCOMPARE(m_view->SelectedRow(), 2);

        // HINT_ADD_TABLE_REQUEST opens "Table details" once the sender's operation is over.
        m_bench->CancelNext();
        const std::size_t dialogs = m_bench->DialogTitles().size();
        Doc().UpdateAllViews(nullptr, HINT_ADD_TABLE_REQUEST);
        QCOMPARE(m_bench->DialogTitles().size(), dialogs);
        QCoreApplication::processEvents();
        QCOMPARE(m_bench->DialogTitles().size(), dialogs + 1);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Table details"));

        // HINT_TABLE_CREATED, HINT_RECORD_CHANGED, HINT_GUEST_ADDED and HINT_GUEST_CHANGED only
        // mark the list stale: nothing changes until the refresh, which runs once.
        Doc().CreateTable("Late", 8, 10);
        Doc().GetGuestAt(0)->SetTable(3);
        Doc().UpdateAllViews(nullptr, HINT_GUEST_CHANGED, Doc().GetGuestAt(0));
        Doc().AddGuest("New", "Guest");
        QCOMPARE(m_view->TablesModel()->rowCount(), 3);
        QCoreApplication::processEvents(); // the view is hidden: it stays stale
        QCOMPARE(m_view->TablesModel()->rowCount(), 3);
        m_view->FlushRefresh();
        QCOMPARE(m_view->TablesModel()->rowCount(), 4);
        QCOMPARE(m_view->TablesModel()->index(3, CTablesModel::kColumnGuests).data().toInt(), 1);
    }
};

VELLORAN_GUI_TEST_MAIN(TablesViewGuiTest)

#include "TablesViewGuiTest.moc"
