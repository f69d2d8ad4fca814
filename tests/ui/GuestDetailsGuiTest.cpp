// The guest details panel and "Multiple guests change" driven through their widgets, offscreen.
// The rules and their hints are tested in the core (tests/edits); these cases prove the widgets
// reach them and show what they did.

#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "online/SmsLink.h"
#include "platform/ProfileFile.h"
#include "platform/Shell.h"
#include "store/NewOrvDoc.h"
#include "ui/GiftDialog.h"
#include "ui/GuestDetailsPanel.h"
#include "ui/GuestsTableModel.h"
#include "ui/GuestsView.h"
#include "ui/KidsDialog.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/MultipleUpdateDialog.h"
#include "ui/ViewCodes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QtTest>

namespace fs = std::filesystem;

namespace
{
using Col = CGuestsTableModel;

// Types a number into a spin box and confirms it, as Enter does.
void TypeNumber(QSpinBox* spin, int value)
{
    spin->findChild<QLineEdit*>()->setText(QString::number(value));
    spin->interpretText();
}

// Types a text into a line (as keystrokes) without leaving it.
void Type(QLineEdit* line, const QString& text)
{
    line->selectAll();
    QTest::keyClicks(line, text);
}

// Types a text into a line and leaves it.
void TypeText(QLineEdit* line, const QString& text)
{
    Type(line, text);
    emit line->editingFinished();
}
} // namespace

class GuestDetailsGuiTest : public QObject, private CViewFixture<CGuestsView>
{
    Q_OBJECT

private:
    CGuestDetailsPanel* m_panel = nullptr;
    int m_small = 0, m_large = 0; // the tables' ids

    void StartSession()
    {
        Restart();
        m_panel = m_view->Details();
    }

    // Dan Levi (invited 4, coming 2) and Noa Cohen (3, coming 3) unseated; "Small" with 2 seats
    // where Ron (2) sits, "Large" with 10 seats at place 7; Dan's line selected.
    CGuest* AddEvent()
    {
        CTable* small = Doc().CreateTable("Small", 1, 2);
        m_small = small->GetId();
        m_large = Doc().CreateTable("Large", 7, 10)->GetId();
        CGuest* dan = Doc().AddGuest("Dan", "Levi");
        dan->SetInvitedCount(4);
        dan->SetComingCount(2);
        CGuest* noa = Doc().AddGuest("Noa", "Cohen");
        noa->SetInvitedCount(3);
        noa->SetComingCount(3);
        CGuest* ron = Doc().AddGuest("Ron", "Bar");
        ron->SetComingCount(2);
        ron->SetTable(static_cast<std::int16_t>(small->GetId()));
        m_view->FlushRefresh();
        m_view->List()->setCurrentIndex(m_view->Model()->index(0, Col::kColumnFirstName));
        return dan;
    }

private slots:
    void init()
    {
        Open(VIEW_GUESTS);
        m_panel = m_view->Details();
    }

    void cleanup()
    {
        SetShellOpenHandler({});
        SetSmsHandlerQuery({});
        CModalSeam::SetMenuHandler({});
        Close();
    }

    void panelFollowsTheCurrentLine()
    {
        QVERIFY(m_panel->Guest() == nullptr);
        QVERIFY(!m_panel->Pages()->isEnabled());
        CGuest* dan = AddEvent();
        QCOMPARE(m_panel->Guest(), dan);
        QCOMPARE(m_panel->FirstNameField()->text(), QStringLiteral("Dan"));
        QCOMPARE(m_panel->InvitedField()->value(), 4);
        QCOMPARE(m_panel->LocationLabel()->text(), QStringLiteral("Not placed in the hall"));
        QCOMPARE(m_panel->GuestCodeLabel()->text(), QString::number(dan->GetUniqueId()));
        QVERIFY(m_panel->EmailField()->inputMethodHints() & Qt::ImhEmailCharactersOnly);
        // The frame gave the panel the event's details, so the approval mail is offered.
        QVERIFY(!m_panel->ApprovalButton()->isHidden());

        // Edit (Ctrl+E) goes to the panel's first field, showing the panel when it was hidden.
        m_view->ShowDetails(false);
        QVERIFY(Frame().GenericActions().edit->isEnabled());
        Frame().GenericActions().edit->trigger();
        QVERIFY(!m_panel->isHidden());
        QCOMPARE(m_panel->Pages()->currentIndex(), 0);

        // A guest that goes is dropped at once.
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteGuest();
        QVERIFY(m_panel->Guest() != dan);
        QCOMPARE(m_panel->Guest(), m_view->CurrentGuest());
        QCOMPARE(m_panel->FirstNameField()->text(),
                 QString::fromStdString(m_view->CurrentGuest()->GetName()));
    }

    void namesAndTextsAreStoredWhenLeft()
    {
        CGuest* dan = AddEvent();
        Type(m_panel->FirstNameField(), QStringLiteral("  Daniel "));
        QVERIFY(m_view->HasPendingEdit());
        QVERIFY(Frame().SaveAction()->isEnabled());   // Save stores what is being typed
        QCOMPARE(dan->GetName(), std::string("Dan")); // not at each keystroke
        emit m_panel->FirstNameField()->editingFinished();
        QCOMPARE(dan->GetFullName(), std::string("Daniel Levi"));
        QCOMPARE(m_panel->FirstNameField()->text(), QStringLiteral("Daniel"));
        QCOMPARE(m_view->Model()->data(m_view->Model()->index(0, Col::kColumnFirstName)).toString(),
                 QStringLiteral("Daniel"));

        // A multi-line address keeps its line breaks; a save stores what is being typed.
        m_panel->AddressField()->setPlainText(QStringLiteral("1 Main St\nHaifa"));
        m_panel->AddressField()->document()->setModified(true); // as typing leaves it
        Type(m_panel->PhoneField(), QStringLiteral("04-555"));
        QVERIFY(m_view->HasPendingEdit());
        Frame().SaveAction()->trigger();
        QCOMPARE(dan->GetAddress(), std::string("1 Main St\r\nHaifa"));
        QCOMPARE(dan->GetPhone(), std::string("04-555"));
        QVERIFY(!m_view->HasPendingEdit());
        QVERIFY(!Doc().IsDataChanged());
    }

    // The count and status widgets reach their rules and show what the rules did (the rules
    // themselves are the core's); Approved with nobody coming reminds to fill in the number.
    void countsAndStatusShowWhatTheRulesDid()
    {
        CGuest* dan = AddEvent();
        TypeNumber(m_panel->ComingField(), 5);
        QCOMPARE(dan->GetComingCount(), 5);
        QCOMPARE(m_panel->InvitedField()->value(), 5);
        QCOMPARE(m_view->StatisticsCell(3, 1), QStringLiteral("10")); // actual: 5 + 3 + 2

        m_panel->StatusButton(CGuestDetailsPanel::kButtonNotComing)->click();
        QCOMPARE(dan->GetStatus(), static_cast<int>(CGuest::kStatusNotComing));
        QCOMPARE(m_panel->ComingField()->value(), 0);
        QVERIFY(!m_panel->ComingField()->isEnabled());
        QVERIFY(m_panel->LastBalloon().isEmpty());

        m_panel->StatusButton(CGuestDetailsPanel::kButtonApproved)->click();
        QCOMPARE(dan->GetStatus(), static_cast<int>(CGuest::kStatusApproved));
        QVERIFY(m_panel->ComingField()->isEnabled());
        QVERIFY(m_panel->LastBalloon().startsWith(
            QStringLiteral("Remember to update the number of guests coming")));
        QCOMPARE(m_view->Model()->data(m_view->Model()->index(0, Col::kColumnStatus)).toString(),
                 QStringLiteral("Approved"));
    }

    void tableRule()
    {
        CGuest* dan = AddEvent();
        // A table that does not exist: told, and the previous number comes back.
        m_bench->AnswerMessage(QMessageBox::Ok);
        TypeText(m_panel->TableField(), QStringLiteral("99"));
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Table does not exist"));
        QCOMPARE(m_panel->TableField()->text(), QStringLiteral("0"));
        QCOMPARE(dan->GetTable(), static_cast<std::int16_t>(0));

        // "Change Table": tables in blocks of ten, the guest's own checked.
        QStringList blocks, entries;
        CModalSeam::SetMenuHandler(
            [&](QMenu& menu) -> QAction*
            {
                for (QAction* block : menu.actions())
                {
                    blocks << block->text();
                    for (QAction* entry : block->menu()->actions())
                        entries << entry->text();
                }
                // The small table is full: its capacity question comes, answered Cancel.
                for (QAction* entry : menu.actions().front()->menu()->actions())
                    if (entry->data().toInt() == m_small)
                        return entry;
                return nullptr;
            });
        m_bench->AnswerMessage(QMessageBox::Cancel);
        m_panel->findChild<QPushButton*>(QStringLiteral("ChangeTable"))->click();
        QCOMPARE(blocks, QStringList({"1-10"}));
        QVERIFY(entries.contains(QStringLiteral("%1 (Small)").arg(m_small)));
        QVERIFY(entries.contains(QStringLiteral("%1 (Large)").arg(m_large)));
        QCOMPARE(entries.size(), static_cast<int>(Doc().GetTables().size()) - 1); // not 0
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("No more room in this table!"));
        QCOMPARE(dan->GetTable(), static_cast<std::int16_t>(0));
        QCOMPARE(m_panel->TableField()->text(), QStringLiteral("0"));

        TypeText(m_panel->TableField(), QString::number(m_large));
        QCOMPARE(dan->GetTable(), static_cast<std::int16_t>(m_large));
        QCOMPARE(m_panel->LocationLabel()->text(), QStringLiteral("7"));
        QVERIFY(m_bench->Unanswered() == 0);

        // Tables 1 to 23 come in three blocks, the last one short.
        while (Doc().GetTables().size() < 24)
            Doc().CreateTable("T" + std::to_string(Doc().GetTables().size()), -1, 10);
        QMenu menu;
        m_panel->BuildTableMenu(menu);
        QCOMPARE(menu.actions().size(), 3);
        QCOMPARE(menu.actions().back()->text(), QStringLiteral("21-30"));
        QCOMPARE(menu.actions().back()->menu()->actions().size(), 3);
        QCOMPARE(menu.actions().back()->menu()->actions().back()->text(),
                 QStringLiteral("23 (T23)"));
    }

    void kidsGiftTransportAndInvitations()
    {
        CGuest* dan = AddEvent();
        Doc().GetGuestAt(1)->SetTransportation(2); // Noa's 3 travel with 2

        m_bench->Fill<CKidsDialog>(
            [](CKidsDialog& kids)
            {
                kids.KidsField()->setValue(3);
                kids.ChildSeatBox()->setChecked(true);
            });
        m_panel->EditKids();
        QCOMPARE(dan->GetKids(), static_cast<std::int16_t>(3));
        QVERIFY(dan->GetChildSeat());

        m_bench->Fill<CGiftDialog>(
            [](CGiftDialog& gift)
            {
                gift.DescriptionField()->setText(QStringLiteral("Vase"));
                gift.DollarsField()->setValue(120);
            });
        m_panel->AddGift();
        QCOMPARE(dan->GetGift(), std::string("Vase"));
        QCOMPARE(m_panel->GiftField()->text(), QStringLiteral("Vase"));
        QCOMPARE(m_panel->GiftSumField()->text(), QStringLiteral("120.0"));

        m_panel->ChooseTransport(2);
        QCOMPARE(dan->GetTransportation(), 2);
        QCOMPARE(m_panel->TransportCountLabel()->text(),
                 QStringLiteral("This transportation has 3 guests."));
        QCOMPARE(m_panel->TransportWithGuestLabel()->text(),
                 QStringLiteral("Including this guest this transportation has 5 guests."));

        m_panel->InvitationSentBox()->click();
        QVERIFY(dan->GetInvitationSent());
        TypeNumber(m_panel->InvitationsField(), 4);
        QCOMPARE(dan->GetInvitations(), 4);
    }

    void smsAndApprovalMail()
    {
        CGuest* dan = AddEvent();
        std::vector<std::string> opened;
        SetShellOpenHandler(
            [&opened](const std::string& target)
            {
                opened.push_back(target);
                return true;
            });
        // When to open the link and what is counted are the core's.
        SetSmsHandlerQuery([] { return true; });
        dan->SetMobile("050-1234567");
        m_panel->SendSms();
        QCOMPARE(opened, std::vector<std::string>{"sms:0501234567"});
        QCOMPARE(dan->GetSmsCount(), static_cast<std::uint16_t>(1));

        // No address: told; with one, a mail link to it.
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_panel->SendApprovalMail();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("No e-mail address"));
        QCOMPARE(opened.size(), 1u);
        TypeText(m_panel->EmailField(), QStringLiteral("dan@example.org"));
        m_panel->ApprovalButton()->click();
        QCOMPARE(opened.size(), 2u);
        QVERIFY(opened.back().rfind("mailto:dan@example.org", 0) == 0);
    }

    void panelCanBeHiddenAndKeepsItsWidth()
    {
        const fs::path app = m_bench->Root() / "data" / "AppSettings.ini";
        AddEvent();
        Frame().resize(1200, 800);
        Frame().show();
        QSplitter* splitter = m_view->Splitter();
        const int total = splitter->sizes().value(0) + splitter->sizes().value(1);
        splitter->setSizes({total - 333, 333});
        emit splitter->splitterMoved(total - 333, 1);
        m_gui->Stop();
        QCOMPARE(ReadProfileString(app, "KeySettings", "GuestDetailsWidth"), std::string("333"));

        m_bench->AcceptNext(); // the tip
        StartSession();
        Frame().resize(1200, 800);
        Frame().show();
        QApplication::processEvents();
        QCOMPARE(m_view->Splitter()->sizes().value(1), 333);
        QAction* toggle =
            FindAction(Frame().menuBar()->actions(), QStringLiteral("Guest details panel"));
        QVERIFY(toggle != nullptr && toggle->isChecked());
        toggle->trigger();
        QVERIFY(m_panel->isHidden());
        m_gui->Stop();
        QCOMPARE(ReadProfileString(app, "KeySettings", "GuestDetailsShown"), std::string("0"));

        m_bench->AcceptNext();
        StartSession();
        QVERIFY(m_panel->isHidden());
    }

    // "Multiple guests change" through its widgets: a value's field waits for its box, Update
    // with no line chosen changes nothing, and the lists follow. What is applied is the core's.
    void multipleUpdateThroughTheDialog()
    {
        AddEvent();
        Doc().AddGroup("Neighbours");
        bool disabledFirst = false;
        int withoutRows = -1;
        std::size_t chosen = 0;
        m_bench->Answer(
            [&](QDialog& dialog)
            {
                auto& multi = dynamic_cast<CMultipleUpdateDialog&>(dialog);
                disabledFirst = !multi.StatusButton(1)->isEnabled(); // until its box is ticked
                multi.StatusBox()->setChecked(true);
                multi.StatusButton(CGuestDetailsPanel::kButtonNotComing)->setChecked(true);
                multi.GroupBox()->setChecked(true);
                multi.GroupField()->setCurrentIndex(multi.GroupField()->count() - 1);
                withoutRows = multi.UpdateGuests();
                multi.ChooseAllButton()->click();
                chosen = multi.SelectedGuests().size();
                multi.UpdateButton()->click();
                return static_cast<int>(QDialog::Rejected); // "Close"
            });
        FindAction(Frame().menuBar()->actions(), QStringLiteral("Multiple Guests Update ..."))
            ->trigger();
        QVERIFY(disabledFirst);
        QCOMPARE(withoutRows, 0);
        QCOMPARE(chosen, 3u);
        for (const auto& guest : Doc().GetGuests())
        {
            QCOMPARE(guest->GetStatus(), static_cast<int>(CGuest::kStatusNotComing));
            QCOMPARE(guest->GetGroupName(), std::string("Neighbours"));
        }
        QVERIFY(Doc().IsDataChanged());
        QCOMPARE(m_view->StatisticsCell(3, 3), QStringLiteral("9")); // won't come: 4 + 3 + 2
        QVERIFY(!m_panel->ComingField()->isEnabled());
    }
};
VELLORAN_GUI_TEST_MAIN(GuestDetailsGuiTest)

#include "GuestDetailsGuiTest.moc"
