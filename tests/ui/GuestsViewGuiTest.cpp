#include "GuiTestSupport.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "ui/GuestSearchDialog.h"
#include "ui/GuestsTableModel.h"
#include "ui/GuestsView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/RestrictedGuestsDialog.h"
#include "ui/ViewCodes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace fs = std::filesystem;

namespace
{
using Col = CGuestsTableModel;

CGuest* AddGuest(CNewOrvDoc& doc, const char* first, const char* family, const char* relation,
                 int planned, int actual, int status)
{
    CGuest* guest = doc.AddGuest(first, family);
    guest->SetRelation(relation);
    guest->SetInvitedCount(planned);
    guest->SetComingCount(actual);
    guest->SetStatus(status);
    return guest;
}

QStringList FirstNames(const CGuestsView& view)
{
    QStringList names;
    for (const CGuest* guest : view.Model()->Guests())
        names << QString::fromStdString(guest->GetName());
    return names;
}

} // namespace

class GuestsViewGuiTest : public QObject, private CViewFixture<CGuestsView>
{
    Q_OBJECT

private:
    // Dana (bride, approved), David (groom, invitation sent), Ada (mutual, not coming).
    void AddThreeGuests()
    {
        AddGuest(Doc(), "Dana", "Cohen", "Bride", 2, 2, CGuest::kStatusApproved);
        CGuest* david = AddGuest(Doc(), "David", "Levi", "Groom", 3, 1, CGuest::kStatusUnknown);
        david->SetInvitationSent(true);
        david->SetInvitations(2);
        AddGuest(Doc(), "Ada", "Gal", "Mutual", 4, 0, CGuest::kStatusNotComing);
        m_view->FlushRefresh();
    }

    void SelectLine(int row, int column = Col::kColumnFirstName)
    {
        m_view->List()->setCurrentIndex(m_view->Model()->index(row, column));
    }

private slots:
    void init() { Open(VIEW_GUESTS); }
    void cleanup() { Close(); }

    void addingAppendsOrSelectsTheNewGuest()
    {
        QCOMPARE(Frame().ActiveViewCode(), static_cast<int>(VIEW_GUESTS));
        QVERIFY(!m_view->EmptyHelp()->isHidden());
        QVERIFY(!Frame().GenericActions().remove->isEnabled());

        Frame().GenericActions().add->trigger();
        QCOMPARE(Doc().GetGuestCount(), 1);
        CGuest* added = Doc().GetGuestAt(0);
        QCOMPARE(added->GetName(), std::string("New Guest"));
        QCOMPARE(m_view->CurrentGuest(), added);
        QVERIFY(m_view->EmptyHelp()->isHidden());
        QVERIFY(Frame().GenericActions().remove->isEnabled());

        // A second Add selects the line that has the name, even through a filter that hides it.
        Doc().AddGuest("Dan", "Levi");
        m_view->FlushRefresh();
        m_view->FirstNameFilter()->setText(QStringLiteral("Dan"));
        QCOMPARE(FirstNames(*m_view), QStringList({"Dan"}));
        m_view->AddGuest();
        QCOMPARE(Doc().GetGuestCount(), 2);
        QCOMPARE(m_view->CurrentGuest(), added);
        QVERIFY(m_view->FirstNameFilter()->text().isEmpty());
        QCOMPARE(m_view->Model()->rowCount(), 2);
    }

    // Each filter box reaches the filter at each keystroke and the statistics follow the shown
    // lines; what matches and how the sums are made is the core's.
    void filterKeystrokeUpdatesRowsAndStatistics()
    {
        AddThreeGuests();
        QCOMPARE(m_view->StatisticsCell(3, 2), QStringLiteral("9")); // planned
        QCOMPARE(m_view->StatisticsCell(3, 4), QStringLiteral("2 [1 Guests]"));
        QCOMPARE(m_view->StatisticsCell(0, 5), QStringLiteral("2")); // bride approved

        SelectLine(1); // David stays current while the filter keeps him
        QTest::keyClicks(m_view->FirstNameFilter(), QStringLiteral("D"));
        QCOMPARE(m_view->CurrentGuest(), Doc().GetGuestAt(1));
        QCOMPARE(FirstNames(*m_view), QStringList({"Dana", "David"}));
        QCOMPARE(m_view->StatisticsCell(3, 2), QStringLiteral("5"));
        QCOMPARE(m_view->StatisticsCell(2, 2), QStringLiteral("0")); // Ada left
        QTest::keyClicks(m_view->FirstNameFilter(), QStringLiteral("an"));
        QCOMPARE(FirstNames(*m_view), QStringList({"Dana"}));

        m_view->ClearFilters();
        m_view->RelationFilter()->setCurrentText(QStringLiteral("Groom"));
        QCOMPARE(FirstNames(*m_view), QStringList({"David"}));
        m_view->RelationFilter()->setCurrentIndex(0);
        m_view->StatusFilter()->setCurrentIndex(CGuestFilter::kNotComingOnly);
        QCOMPARE(FirstNames(*m_view), QStringList({"Ada"}));
        m_view->FamilyNameFilter()->setText(QStringLiteral("levi"));
        QCOMPARE(m_view->Model()->rowCount(), 0);
        QCOMPARE(m_view->StatisticsCell(3, 4), QStringLiteral("0 [0 Guests]"));

        // The group filter follows the group list; a group that goes falls back to "*".
        m_view->ClearFilters();
        Doc().AddGroup("Friends");
        Doc().GetGuestAt(1)->SetGroupName("Friends");
        m_view->FlushRefresh();
        QCOMPARE(m_view->GroupFilter()->count(), Doc().GetGroupCount() + 1);
        m_view->GroupFilter()->setCurrentText(QStringLiteral("Friends"));
        QCOMPARE(FirstNames(*m_view), QStringList({"David"}));
        Doc().GetGuestAt(1)->SetGroupName("");
        auto gone = Doc().RemoveGroup(Doc().FindGroup("Friends"));
        Doc().UpdateAllViews(nullptr, HINT_GROUPS_CHANGED);
        m_view->FlushRefresh();
        QCOMPARE(m_view->GroupFilter()->currentText(), QStringLiteral("*"));
        QCOMPARE(m_view->Model()->rowCount(), 3);
    }

    void editingInPlaceStoresAndTellsTheOthers()
    {
        AddThreeGuests();
        Doc().AddGroup("Friends");
        Doc().AddGroup("Family");
        m_view->FlushRefresh();
        CGuest* david = Doc().GetGuestAt(1);
        QTableView* list = m_view->List();

        // Relation: a drop-down in the interface language, opening on the current value.
        list->edit(m_view->Model()->index(1, Col::kColumnRelation));
        auto* relation = qobject_cast<QComboBox*>(m_view->OpenEditor());
        QVERIFY(relation != nullptr);
        QCOMPARE(relation->currentText(), QStringLiteral("Groom"));
        QCOMPARE(relation->count(), 3);
        relation->setCurrentIndex(2);
        m_view->CommitPendingEdit();
        QCOMPARE(david->GetRelation(), std::string("Mutual"));
        QVERIFY(!m_view->HasPendingEdit());
        QCOMPARE(m_view->StatisticsCell(2, 1), QStringLiteral("1")); // mutual actual: David now

        // Group: every group in collection order; no entry chosen while the guest has none.
        list->edit(m_view->Model()->index(1, Col::kColumnGroup));
        auto* group = qobject_cast<QComboBox*>(m_view->OpenEditor());
        QVERIFY(group != nullptr);
        QCOMPARE(group->itemText(group->count() - 2), QStringLiteral("Friends"));
        QCOMPARE(group->itemText(group->count() - 1), QStringLiteral("Family"));
        QCOMPARE(group->currentIndex(), -1);
        group->setCurrentIndex(group->count() - 1);
        m_view->CommitPendingEdit();
        QCOMPARE(david->GetGroupName(), std::string("Family"));

        // Invitation sent: "Yes"/"No".
        list->edit(m_view->Model()->index(1, Col::kColumnInvitationSent));
        auto* sent = qobject_cast<QComboBox*>(m_view->OpenEditor());
        QVERIFY(sent != nullptr);
        QCOMPARE(sent->currentText(), QStringLiteral("Yes"));
        sent->setCurrentText(QStringLiteral("No"));
        m_view->CommitPendingEdit();
        QVERIFY(!david->GetInvitationSent());

        // Counts: a spin box.
        list->edit(m_view->Model()->index(1, Col::kColumnActual));
        auto* actual = qobject_cast<QSpinBox*>(m_view->OpenEditor());
        QVERIFY(actual != nullptr);
        QCOMPARE(actual->value(), 1);
        actual->setValue(5);
        m_view->CommitPendingEdit();
        QCOMPARE(david->GetComingCount(), 5);
        QCOMPARE(m_view->StatisticsCell(3, 1), QStringLiteral("7"));

        // The ID and the status are not edited in place.
        QVERIFY(!(m_view->Model()->flags(m_view->Model()->index(1, Col::kColumnId)) &
                  Qt::ItemIsEditable));
        QVERIFY(!(m_view->Model()->flags(m_view->Model()->index(1, Col::kColumnStatus)) &
                  Qt::ItemIsEditable));
    }

    void anEditStillOpenIsSavedByCtrlS()
    {
        AddThreeGuests();
        QVERIFY(Doc().SaveEventData());
        QVERIFY(!Frame().SaveAction()->isEnabled());

        SelectLine(1);
        m_view->List()->edit(m_view->Model()->index(1, Col::kColumnFirstName));
        auto* editor = qobject_cast<QLineEdit*>(m_view->OpenEditor());
        QVERIFY(editor != nullptr);
        QVERIFY(Frame().SaveAction()->isEnabled()); // the open edit counts as a change
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Danny"));
        Frame().SaveAction()->trigger();

        QVERIFY(!m_view->HasPendingEdit());
        QCOMPARE(Doc().GetGuestAt(1)->GetName(), std::string("Danny"));
        QVERIFY(!Doc().IsDataChanged());
        const std::string xml = ReadBytes(m_bench->Root() / "data" / "DB" / "WeddingData.xml");
        QVERIFY(xml.find("Danny") != std::string::npos);
        QVERIFY(!Frame().SaveAction()->isEnabled());
    }

    void deletingAsksFirst()
    {
        AddThreeGuests();
        SelectLine(1);
        m_bench->AnswerMessage(QMessageBox::No);
        Frame().GenericActions().remove->trigger();
        QCOMPARE(m_bench->LastMessage(),
                 QStringLiteral("Are you sure you want to delete guest 'David Levi'?"));
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete guest?"));
        QCOMPARE(Doc().GetGuestCount(), 3);

        m_bench->AnswerMessage(QMessageBox::Yes);
        PickMenuEntry(QStringLiteral("Delete guest"));
        m_view->List()->customContextMenuRequested(
            m_view->List()->visualRect(m_view->Model()->index(1, 1)).center());
        QCOMPARE(Doc().GetGuestCount(), 2);
        QCOMPARE(FirstNames(*m_view), QStringList({"Dana", "Ada"}));
        QCOMPARE(m_view->CurrentGuest(), Doc().GetGuestAt(1)); // the line that took its place
        QCOMPARE(m_view->Model()->data(m_view->Model()->index(1, Col::kColumnId)).toInt(), 2);
        QCOMPARE(m_view->StatisticsCell(3, 2), QStringLiteral("6"));
        QVERIFY(Doc().IsDataChanged());
    }

    void approvedArrivalToggles()
    {
        AddThreeGuests();
        CGuest* david = Doc().GetGuestAt(1);
        SelectLine(1);
        PickMenuEntry(QStringLiteral("Aproved arrival"));
        m_view->List()->customContextMenuRequested(
            m_view->List()->visualRect(m_view->Model()->index(1, 1)).center());
        QVERIFY(david->IsApproved());
        QCOMPARE(m_view->StatisticsCell(3, 5), QStringLiteral("3"));
        m_view->ToggleApproved();
        QCOMPARE(david->GetStatus(), static_cast<int>(CGuest::kStatusUnknown));
    }

    void lockSeatIsACheckableEntryOfTheGuestMenu()
    {
        AddThreeGuests();
        CGuest* david = Doc().GetGuestAt(1);
        const std::int16_t table = david->GetTable();
        SelectLine(1);
        const QPoint cell = m_view->List()->visualRect(m_view->Model()->index(1, 1)).center();
        bool checkedBefore = true;
        CModalSeam::SetMenuHandler(
            [&checkedBefore](QMenu& menu) -> QAction*
            {
                QAction* lock = FindAction(menu.actions(), QStringLiteral("Lock seat"));
                checkedBefore = lock != nullptr && lock->isCheckable() && lock->isChecked();
                return lock;
            });
        m_view->List()->customContextMenuRequested(cell);
        QVERIFY(!checkedBefore);
        QVERIFY(david->IsSeatLocked());
        QCOMPARE(david->GetTable(), table);
        m_view->List()->customContextMenuRequested(cell);
        QVERIFY(checkedBefore);
        QVERIFY(!david->IsSeatLocked());
        CModalSeam::SetMenuHandler({});
    }

    void hidingPlannedIsKeptAcrossStarts()
    {
        const fs::path settings = m_bench->Root() / "data" / "DB" / "Settings.ini";
        QHeaderView* header = m_view->List()->horizontalHeader();
        QVERIFY(header->isSectionHidden(Col::kColumnPlanned)); // hidden by default

        // The chooser offers the nine columns; the ID and the first names cannot be hidden.
        QStringList entries;
        QList<bool> enabled;
        CModalSeam::SetMenuHandler(
            [&](QMenu& menu) -> QAction*
            {
                for (QAction* action : menu.actions())
                {
                    entries << action->text();
                    enabled << action->isEnabled();
                }
                return menu.actions().at(Col::kColumnPlanned);
            });
        header->customContextMenuRequested(QPoint(2, 2));
        QCOMPARE(entries.size(), 9);
        QCOMPARE(entries.at(Col::kColumnFirstName), QStringLiteral("First names"));
        QCOMPARE(enabled, QList<bool>({false, false, true, true, true, true, true, true, true}));
        QCOMPARE(entries.at(Col::kColumnPlanned), QStringLiteral("Planned"));
        QVERIFY(!header->isSectionHidden(Col::kColumnPlanned));
        const int shownWidth = header->sectionSize(Col::kColumnPlanned);
        QCOMPARE(shownWidth, 2 * header->fontMetrics().horizontalAdvance("Planned"));
        m_gui->Stop();
        QCOMPARE(ReadProfileString(settings, "KeySettings", "GV_INVITED"),
                 std::to_string(shownWidth));

        m_bench->AcceptNext(); // the tip
        Restart();
        header = m_view->List()->horizontalHeader();
        QVERIFY(!header->isSectionHidden(Col::kColumnPlanned));
        QCOMPARE(header->sectionSize(Col::kColumnPlanned), shownWidth);
        PickMenuEntry(QStringLiteral("Planned"));
        header->customContextMenuRequested(QPoint(2, 2));
        QVERIFY(header->isSectionHidden(Col::kColumnPlanned));
        m_gui->Stop();
        QCOMPARE(ReadProfileString(settings, "KeySettings", "GV_INVITED"), std::string("0"));
        // Untouched widths go back as they were read (the English default here).
        QCOMPARE(ReadProfileString(settings, "KeySettings", "GV_NAMES"), std::string("150"));

        m_bench->AcceptNext();
        Restart();
        QVERIFY(m_view->List()->horizontalHeader()->isSectionHidden(Col::kColumnPlanned));
    }

    void restrictionEditorWorksBothWays()
    {
        CGuest* dan = Doc().AddGuest("Dan", "Levi");
        CGuest* dana = Doc().AddGuest("Dana", "Cohen");
        CGuest* avi = Doc().AddGuest("Avi", "Gal");
        m_view->FlushRefresh();
        SelectLine(0);

        QStringList offered;
        m_bench->Fill<CRestrictedGuestsDialog>(
            [&offered](CRestrictedGuestsDialog& restricted)
            {
                offered = restricted.OfferedNames();
                restricted.BothWaysBox()->setChecked(true);
                restricted.AddNames({"Dana Cohen", "Avi Gal", "Nobody Here"});
            });
        PickMenuEntry(QStringLiteral("Edit restricted guests list ..."));
        m_view->List()->customContextMenuRequested(
            m_view->List()->visualRect(m_view->Model()->index(0, 1)).center());
        QCOMPARE(offered, QStringList({"Dana Cohen", "Avi Gal"}));
        QCOMPARE(dan->GetRestrictedList(), (std::vector<std::string>{"Dana Cohen", "Avi Gal"}));
        QVERIFY(dana->IsRestricted("Dan Levi"));
        QVERIFY(avi->IsRestricted("Dan Levi"));

        // The box unticked removes one way only (the rules of both are the core's); Cancel
        // changes nothing.
        m_bench->Fill<CRestrictedGuestsDialog>(
            [](CRestrictedGuestsDialog& restricted)
            {
                restricted.BothWaysBox()->setChecked(false);
                restricted.RemoveNames({"Avi Gal"});
            });
        m_view->EditRestrictions();
        QCOMPARE(dan->GetRestrictedList(), (std::vector<std::string>{"Dana Cohen"}));
        QVERIFY(avi->IsRestricted("Dan Levi"));
        m_bench->Answer(
            [](QDialog& dialog)
            {
                static_cast<CRestrictedGuestsDialog&>(dialog).RemoveNames({"Dana Cohen"});
                return static_cast<int>(QDialog::Rejected);
            });
        m_view->EditRestrictions();
        QCOMPARE(dan->GetRestrictedCount(), 1);
    }

    void searchRunsThroughTheShownLines()
    {
        AddThreeGuests();
        Doc().AddGuest("Adam", "Dar");
        m_view->FlushRefresh();
        SelectLine(0);
        // Family names with an "a", in any letter case: Gal and Dar.
        m_bench->Fill<CGuestSearchDialog>([](CGuestSearchDialog& opened)
                                          { opened.FamilyNameField()->setText("A"); });
        Frame().GenericActions().search->trigger();
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Ada"));
        m_view->FindNext(false); // F3
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Adam"));
        m_view->FindNext(false); // around the end
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Ada"));
        m_view->FindNext(true); // Shift+F3, around the start
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Adam"));

        // Only the lines the filter shows are searched.
        m_view->RelationFilter()->setCurrentText(QStringLiteral("Mutual"));
        m_view->FindNext(false);
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Ada"));
        m_bench->Fill<CGuestSearchDialog>(
            [](CGuestSearchDialog& search)
            {
                const bool keptLastSearch = search.FamilyNameField()->text() == QLatin1String("A");
                search.FamilyNameField()->setText(keptLastSearch ? QString() : QStringLiteral("?"));
                search.FirstNameField()->setText("Dana");
                search.BackwardsButton()->setChecked(true);
            });
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_view->Search();
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("This guest was not found"));
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Guest not found"));
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Ada"));
    }

    void goToGuestClearsAFilterThatHidesIt()
    {
        AddThreeGuests();
        Frame().ShowView(VIEW_GROUPS);
        m_view->FirstNameFilter()->setText(QStringLiteral("Ada"));
        CGuest* david = Doc().GetGuestAt(1);
        Doc().UpdateAllViews(nullptr, HINT_GOTO_GUEST, david);
        QCOMPARE(Frame().ActiveViewCode(), static_cast<int>(VIEW_GUESTS));
        QCOMPARE(m_view->CurrentGuest(), david);
        QCOMPARE(m_view->Model()->rowCount(), 3);
    }

    void keysReachTheViewInTheShownWindow()
    {
        AddThreeGuests();
        CMainFrame& frame = Frame();
        m_bench->ShowWindow(frame);
        QCOMPARE(m_view->ViewMenu()->actions().mid(0, 2),
                 QList<QAction*>({frame.GenericActions().add, frame.GenericActions().remove}));
        QVERIFY(FindAction(m_view->ViewMenu()->actions(), "Multiple Guests Update ...") != nullptr);

        // Ctrl+F opens the search; F3 and Shift+F3 repeat it.
        SelectLine(0);
        m_bench->Fill<CGuestSearchDialog>([](CGuestSearchDialog& opened)
                                          { opened.FirstNameField()->setText("a"); });
        QTest::keyClick(&frame, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("David"));
        QTest::keyClick(&frame, Qt::Key_F3);
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Ada"));
        QTest::keyClick(&frame, Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("David"));

        // F2 and Enter edit the current cell; Delete asks to delete the line.
        QTableView* list = m_view->List();
        list->setFocus();
        SelectLine(0, Col::kColumnFamilyName);
        QTest::keyClick(list, Qt::Key_F2);
        QVERIFY(qobject_cast<QLineEdit*>(m_view->OpenEditor()) != nullptr);
        QTest::keyClick(m_view->OpenEditor(), Qt::Key_Escape);
        QVERIFY(!m_view->HasPendingEdit());
        SelectLine(0, Col::kColumnPlanned);
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(qobject_cast<QSpinBox*>(m_view->OpenEditor()) != nullptr);
        m_view->CommitPendingEdit();
        m_bench->AnswerMessage(QMessageBox::No);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete guest?"));
        QCOMPARE(Doc().GetGuestCount(), 3);
        frame.hide();
    }

    void aGuestRemovedElsewhereLeavesAtOnce()
    {
        AddThreeGuests();
        // A guest added elsewhere comes in at once when the filter lets it through.
        m_view->FirstNameFilter()->setText(QStringLiteral("D"));
        Doc().AddGuest("Dov", "Bar");
        Doc().AddGuest("Moshe", "Bar");
        QCOMPARE(FirstNames(*m_view), QStringList({"Dana", "David", "Dov"}));
        m_view->ClearFilters();
        Doc().RemoveGuest(Doc().GetGuestAt(4));
        Doc().RemoveGuest(Doc().GetGuestAt(3));
        SelectLine(1);
        m_view->List()->edit(m_view->Model()->index(1, Col::kColumnFamilyName));
        QVERIFY(m_view->HasPendingEdit());
        CGuest* david = Doc().GetGuestAt(1);
        // Another view removes the guest: the line and its editor go before the guest does.
        std::unique_ptr<CGuest> removed = Doc().RemoveGuest(david);
        QCOMPARE(m_view->Model()->RowOf(david), -1);
        QCOMPARE(m_view->Model()->rowCount(), 2);
        QVERIFY(!m_view->HasPendingEdit());
        removed.reset();
        m_view->CommitPendingEdit(); // nothing left to commit into
        QCOMPARE(FirstNames(*m_view), QStringList({"Dana", "Ada"}));
        m_view->FlushRefresh();
        QCOMPARE(m_view->StatisticsCell(3, 2), QStringLiteral("6"));

        // HINT_EVENT_RELOADING: every pointer goes at once.
        Doc().UpdateAllViews(nullptr, HINT_EVENT_RELOADING);
        QCOMPARE(m_view->Model()->rowCount(), 0);
        m_view->FlushRefresh();
        QCOMPARE(m_view->Model()->rowCount(), 2);
    }
};

VELLORAN_GUI_TEST_MAIN(GuestsViewGuiTest)

#include "GuestsViewGuiTest.moc"
