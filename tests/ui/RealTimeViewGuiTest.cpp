// The check-in desk on the widgets, offscreen: the keyboard flow of a busy desk (the filter's
// focus, Enter, Escape, the arrow keys, a scanned code), the dialogs of an arrival answered as a
// person would, walk-ins, the lists after an arrival and after changes made elsewhere, and the page
// of check-in codes. The arrival rules and their hints are tested in the core.

#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/ProfileFile.h"
#include "platform/Shell.h"
#include "store/NewOrvDoc.h"
#include "ui/ArrivalDialog.h"
#include "ui/ChooseTableDialog.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/RealTimeGuestsModel.h"
#include "ui/RealTimeTablesModel.h"
#include "ui/RealTimeView.h"
#include "ui/ViewCodes.h"
#include "ui/WalkInGuestDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QtTest>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
// The texts of the "Chose Table" list.
QStringList ChoiceTexts(const CChooseTableDialog& dialog)
{
    QStringList texts;
    for (int row = 0; row < dialog.List()->count(); ++row)
        texts << dialog.List()->item(row)->text();
    return texts;
}

// The pages of a PDF as pdftoppm draws them (one grey image after the other). Two writes of the
// same page differ in their creation date and in the order Qt writes the font objects, never in
// what is drawn. Empty when pdftoppm is not installed.
QByteArray RenderedPages(const QByteArray& pdf)
{
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("50"),
                                              QStringLiteral("-gray"), QStringLiteral("-")});
    if (!render.waitForStarted(10000))
        return {};
    render.write(pdf);
    render.closeWriteChannel();
    render.waitForFinished(60000);
    return render.readAllStandardOutput();
}
} // namespace

class RealTimeViewGuiTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CGuiTestBench> m_bench;
    std::unique_ptr<CGuiSession> m_session;
    CRealTimeView* m_view = nullptr;
    CGuest* m_cohens = nullptr;

    CNewOrvDoc& Doc() { return m_session->App().GetDocument(); }
    CMainFrame& Frame() { return *m_session->Frame(); }

    // Family (10 seats, place 1: the Birds, 4 expected and 8 arrived, and the Cohens, 4), Friends
    // (10 seats, place 2: 5 expected), Work (10 seats, place 3: 8 expected), and Dana Levi, 2,
    // unseated.
    void MakeWedding()
    {
        CNewOrvDoc& doc = Doc();
        while (doc.GetTableCount() > 1)
            doc.DeleteTable(doc.GetTables().back().get());
        doc.CreateTable("Family", 1, 10);
        doc.CreateTable("Friends", 2, 10);
        doc.CreateTable("Work", 3, 10);
        auto add = [&doc](const char* first, const char* family, int coming, int table)
        {
            CGuest* guest = doc.AddGuest(first, family);
            guest->SetComingCount(coming);
            guest->SetInvitedCount(coming);
            guest->SetTable(static_cast<std::int16_t>(table));
            return guest;
        };
        CGuest* birds = add("Early", "Birds", 4, 1);
        birds->SetArrivedCount(8);
        birds->SetArrived(true);
        add("Good", "Friends", 5, 2);
        add("Colleagues", "", 8, 3);
        m_cohens = add("Moshe", "Cohen", 4, 1);
        add("Dana", "Levi", 2, 0);
        // As an edit elsewhere would announce the arrival set here.
        doc.UpdateAllViews(nullptr, HINT_GUEST_CHANGED, birds);
        m_view->FlushRefresh();
        doc.SetDataChanged(false);
    }

    QStringList ShownNames() const
    {
        QStringList names;
        for (const CGuest* guest : m_view->GuestsModel()->Guests())
            names << QString::fromStdString(guest->GetFullName());
        return names;
    }

    // The free seats the tables list shows for a table name; -1 when it is not listed.
    int FreeSeatsShown(const QString& name) const
    {
        const CRealTimeTablesModel& model = *m_view->TablesModel();
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.index(row, CRealTimeTablesModel::kColumnName).data().toString() == name)
                return model.FreeSeatsAt(row);
        return -1;
    }

    // Answers the next arrival dialog with that number (its name label and first number go to
    // *seen); the rules' questions and the table choice are answered by what is queued after it.
    void ArriveWith(int people, QStringList* seen = nullptr)
    {
        m_bench->Submit<CArrivalDialog>(
            [people, seen](CArrivalDialog& arrival)
            {
                if (seen != nullptr)
                    *seen << arrival.findChild<QLabel*>(QStringLiteral("ArrivalGuestName"))->text()
                          << QString::number(arrival.People());
                arrival.SetPeople(people); // the rules may keep it open
            });
    }

    // Answers the next "Chose Table" with that table (its lines go to *lines).
    void ChooseTable(int tableId, QStringList* lines = nullptr)
    {
        m_bench->Answer(
            [tableId, lines](QDialog& dialog)
            {
                auto& chooser = static_cast<CChooseTableDialog&>(dialog);
                if (lines != nullptr)
                    *lines = ChoiceTexts(chooser);
                if (!chooser.ChooseTable(tableId))
                    return static_cast<int>(QDialog::Rejected);
                return static_cast<int>(QDialog::Accepted);
            });
    }

    void Type(const QString& text, QWidget* target = nullptr)
    {
        QTest::keyClicks(target != nullptr ? target : m_view->FirstNameFilter(), text);
    }

private slots:
    void init()
    {
        m_bench = std::make_unique<CGuiTestBench>();
        m_bench->StartInRealTimeMode(QMessageBox::No); // stay in it
        m_session = m_bench->Start(ELanguage::English);
        QVERIFY(Frame().ShowView(VIEW_REAL_TIME));
        m_view = static_cast<CRealTimeView*>(Frame().ActiveView());
        // The couple's names are set, so showing the window opens no details dialog.
        Doc().GetSettings().SetKeySetting("GroumName", "Avi");
        Doc().GetSettings().SetKeySetting("BrideName", "Dana");
        MakeWedding();
        Frame().show();
        QVERIFY(QTest::qWaitForWindowActive(&Frame()));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void cleanup()
    {
        SetShellOpenHandler({});
        if (m_session)
        {
            Frame().hide();
            Doc().SetDataChanged(false); // no close question
        }
        m_session.reset();
        m_bench.reset();
    }

    void theDeskOpensWithTheFilterFocusedAndTheFirstLineSelected()
    {
        QTRY_COMPARE(QApplication::focusWidget(), m_view->FirstNameFilter());
        QCOMPARE(ShownNames(),
                 QStringList({"Good Friends", "Colleagues", "Moshe Cohen", "Dana Levi"}));
        QCOMPARE(m_view->CurrentGuest(), Doc().GetGuestAt(1));
        QCOMPARE(m_view->StatusText(), QStringLiteral("Arrived 8 guests"));
        // Tables with room left, the unseated table never among them.
        QCOMPARE(m_view->TablesModel()->rowCount(), 3);
        QCOMPARE(FreeSeatsShown("Family"), 2);
        QCOMPARE(
            m_view->GuestsModel()->index(3, CRealTimeGuestsModel::kColumnTable).data().toString(),
            QStringLiteral("--"));
        // No View menu entry and no accelerator; the bar item is the way in.
        QAction* viewMenu = FindAction(Frame().menuBar()->actions(), QStringLiteral("&View"));
        QVERIFY(viewMenu != nullptr && viewMenu->menu() != nullptr);
        for (const QAction* entry : viewMenu->menu()->actions())
            QVERIFY(entry->text() != QStringLiteral("Real Time"));
        QCOMPARE(Frame().BarCodes().back(), static_cast<int>(VIEW_REAL_TIME));
    }

    void aFamilyArrivingAtAFullTableChoosesAnotherWithTheKeyboard()
    {
        // A part of the first name, inside it and with its case; Enter in the filter.
        Type(QStringLiteral("osh"));
        QCOMPARE(ShownNames(), QStringList({"Moshe Cohen"}));
        QStringList seen;
        QStringList lines;
        ArriveWith(4, &seen);
        m_bench->AnswerMessage(QMessageBox::No); // "No room left in this table"
        ChooseTable(2, &lines);
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Return);

        QCOMPARE(seen, QStringList({"Moshe Cohen", "4"}));
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Chose Table"));
        QCOMPARE(lines.front(), QStringLiteral("Friends [5]")); // the order is the core's
        QVERIFY(m_cohens->IsArrived());
        QCOMPARE(m_cohens->GetTable(), static_cast<std::int16_t>(2));
        QCOMPARE(m_cohens->GetArrivedCount(), 4);
        QVERIFY(Doc().IsDataChanged());
        // The line leaves the list, the table and the status line follow, the filter waits with
        // its text selected for the next name.
        QVERIFY(m_view->GuestsModel()->RowOf(m_cohens) < 0);
        QCOMPARE(FreeSeatsShown("Friends"), 6);
        QCOMPARE(m_view->StatusText(), QStringLiteral("Arrived 12 guests"));
        QCOMPARE(QApplication::focusWidget(), m_view->FirstNameFilter());
        QCOMPARE(m_view->FirstNameFilter()->selectedText(), QStringLiteral("osh"));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void cancellingLeavesEverythingAsItWas()
    {
        // Cancel in the question keeps the arrival dialog open; its own Cancel then closes it.
        m_bench->Submit<CArrivalDialog>([](CArrivalDialog&) {}); // OK as it opened
        m_bench->AnswerMessage(QMessageBox::Cancel);             // "No room left in this table"
        Type(QStringLiteral("Moshe"));
        QTest::keyClick(m_view->GuestsList(), Qt::Key_Return);
        QVERIFY(!m_cohens->IsArrived());
        QCOMPARE(m_cohens->GetTable(), static_cast<std::int16_t>(1));
        QVERIFY(!Doc().IsDataChanged());
        QCOMPARE(ShownNames(), QStringList({"Moshe Cohen"}));
        QCOMPARE(QApplication::focusWidget(), m_view->FirstNameFilter());
    }

    void escapeClearsAndTheArrowKeysWalkTheListFromTheFilter()
    {
        Type(QStringLiteral("o"));
        QCOMPARE(ShownNames(), QStringList({"Good Friends", "Colleagues", "Moshe Cohen"}));
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Down);
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Down);
        QCOMPARE(m_view->CurrentGuest(), m_cohens);
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Up);
        QCOMPARE(m_view->CurrentGuest()->GetName(), std::string("Colleagues"));
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Escape);
        QVERIFY(m_view->FirstNameFilter()->text().isEmpty());
        QCOMPARE(ShownNames().size(), 4);
        // Escape in the list too, and back to the filter.
        Type(QStringLiteral("z"), m_view->FamilyNameFilter());
        QCOMPARE(ShownNames().size(), 0);
        m_view->GuestsList()->setFocus();
        QTest::keyClick(m_view->GuestsList(), Qt::Key_Escape);
        QVERIFY(m_view->FamilyNameFilter()->text().isEmpty());
        QCOMPARE(ShownNames().size(), 4);
        QCOMPARE(QApplication::focusWidget(), m_view->FirstNameFilter());
        // Enter with no line shown does nothing.
        Type(QStringLiteral("nobody"));
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Return);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void aScannedCodeSelectsItsGuestAndOpensTheArrival()
    {
        // The scanner types the digits and Enter; the filter showed nothing meanwhile.
        QStringList seen;
        ArriveWith(4, &seen);
        m_bench->AnswerMessage(QMessageBox::Yes); // seat them at Family all the same
        Type(QString::number(m_cohens->GetUniqueId()));
        QCOMPARE(ShownNames().size(), 0);
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(seen, QStringList({"Moshe Cohen", "4"}));
        QVERIFY(m_cohens->IsArrived());
        QCOMPARE(m_cohens->GetTable(), static_cast<std::int16_t>(1));
        QVERIFY(m_view->FirstNameFilter()->text().isEmpty());
        QCOMPARE(ShownNames().size(), 3);

        // The same code again, and a code nobody has: told, nothing opens.
        m_bench->AnswerMessage(QMessageBox::Ok);
        Type(QString::number(m_cohens->GetUniqueId()));
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Return);
        QCOMPARE(m_bench->LastMessage(),
                 QStringLiteral("Moshe Cohen has already arrived with 4 people."));
        m_bench->AnswerMessage(QMessageBox::Ok);
        Type(QStringLiteral("999"), m_view->FamilyNameFilter());
        QTest::keyClick(m_view->FamilyNameFilter(), Qt::Key_Return);
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("No guest has the check-in code 999."));
        QVERIFY(m_view->FamilyNameFilter()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), m_view->FirstNameFilter());
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void aWalkInIsAddedAndMustGetATable()
    {
        Type(QStringLiteral("Dan"));
        m_bench->Answer(
            [](QDialog& dialog)
            {
                auto& walkIn = static_cast<CWalkInGuestDialog&>(dialog);
                walkIn.accept(); // no name yet: refused
                if (walkIn.result() == QDialog::Accepted)
                    return static_cast<int>(QDialog::Accepted);
                walkIn.FirstNameField()->setText(QStringLiteral("Uri"));
                walkIn.FamilyNameField()->setText(QStringLiteral(" Katz "));
                walkIn.accept();
                return walkIn.result();
            });
        QTest::keyClick(&Frame(), Qt::Key_N, Qt::ControlModifier); // "Add new guest"
        CGuest* uri = Doc().GetGuests().back().get();
        QCOMPARE(uri->GetFullName(), std::string("Uri Katz"));
        QCOMPARE(uri->GetComingCount(), 0);
        QCOMPARE(uri->GetInvitedCount(), 0);
        QVERIFY2(m_view->FirstNameFilter()->text().isEmpty(), "the filters are cleared");
        QCOMPARE(m_view->CurrentGuest(), uri);
        QVERIFY(Doc().IsDataChanged());

        // Enter: the arrival dialog proposes nobody; OK with nobody is told and stays open; two
        // people then choose a table at once, without a question.
        QStringList lines;
        m_bench->Answer(
            [](QDialog& dialog)
            {
                auto& arrival = static_cast<CArrivalDialog&>(dialog);
                arrival.accept();
                if (arrival.result() == QDialog::Accepted)
                    return static_cast<int>(QDialog::Accepted);
                arrival.SetPeople(2);
                arrival.accept();
                return arrival.result();
            });
        m_bench->AnswerMessage(QMessageBox::Ok); // "Please fill ..."
        ChooseTable(3, &lines);
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Return);
        QCOMPARE(m_bench->LastMessage(),
                 QStringLiteral("Please fill the actual amount of guests that came"));
        QCOMPARE(lines.front(), QStringLiteral("Family [2]"));
        QVERIFY(uri->IsArrived());
        QCOMPARE(uri->GetTable(), static_cast<std::int16_t>(3));
        QCOMPARE(m_view->StatusText(), QStringLiteral("Arrived 10 guests"));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void theCheckBoxesWidenTheLists()
    {
        CGuest* birds = Doc().GetGuestAt(0);
        QVERIFY(m_view->GuestsModel()->RowOf(birds) < 0);
        m_view->NotArrivedOnly()->setChecked(false);
        QCOMPARE(ShownNames().size(), 5);
        QCOMPARE(
            m_view->GuestsModel()
                ->index(m_view->GuestsModel()->RowOf(birds), CRealTimeGuestsModel::kColumnCount)
                .data()
                .toInt(),
            8);

        // An arrival with the box off refreshes the line in place.
        m_view->GuestsList()->setCurrentIndex(
            m_view->GuestsModel()->index(m_view->GuestsModel()->RowOf(m_cohens), 0));
        ArriveWith(2);
        m_view->RecordArrival();
        QCOMPARE(m_view->GuestsModel()->RowOf(m_cohens), 3);
        QCOMPARE(m_view->GuestsModel()->index(3, CRealTimeGuestsModel::kColumnCount).data().toInt(),
                 2);

        // Family is full now (10 arrived): it leaves the tables with room, and is back when the
        // box is off.
        QCOMPARE(FreeSeatsShown("Family"), -1);
        m_view->RoomLeftOnly()->setChecked(false);
        QCOMPARE(FreeSeatsShown("Family"), 0);
        QCOMPARE(m_view->TablesModel()->rowCount(), 3);
    }

    void changesMadeElsewhereReachTheDesk()
    {
        CGuest* dana = Doc().GetGuestAt(4);
        // A guest added in the guests view, a name edited there, a table deleted.
        CGuest* added = Doc().AddGuest("Noa", "Bar");
        QCOMPARE(ShownNames().back(), QStringLiteral("Noa Bar"));
        dana->SetName("Daniela");
        Doc().UpdateAllViews(nullptr, HINT_GUEST_CHANGED, dana);
        Type(QStringLiteral("Dani"));
        QCOMPARE(ShownNames(), QStringList({"Daniela Levi"}));
        QTest::keyClick(m_view->FirstNameFilter(), Qt::Key_Escape);
        Doc().DeleteTable(Doc().GetTableAt(1));
        m_view->FlushRefresh();
        QCOMPARE(FreeSeatsShown("Family"), -1);
        QCOMPARE(m_view->TablesModel()->rowCount(), 2);
        QCOMPARE(
            m_view->GuestsModel()
                ->index(m_view->GuestsModel()->RowOf(m_cohens), CRealTimeGuestsModel::kColumnTable)
                .data()
                .toString(),
            QStringLiteral("--"));
        Doc().RemoveGuest(added);
        QVERIFY(m_view->GuestsModel()->RowOf(added) < 0);
    }

    void theCheckinCodesPageIsWhatTheCommandLineWrites()
    {
        Doc().SetDataChanged(true); // the command line reads the saved event
        QVERIFY(Doc().SaveEventData());
        const QString file = QString::fromStdString((m_bench->Root() / "codes.pdf").string());
        QString opened;
        SetShellOpenHandler(
            [&opened](const std::string& target)
            {
                opened = QString::fromStdString(target);
                return true;
            });
        m_bench->AnswerFile(file);
        QTest::keyClick(&Frame(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(opened, file); // handed to the desktop's viewer to print
        QFile gui(file);
        QVERIFY(gui.open(QIODevice::ReadOnly));
        const QByteArray guiPdf = gui.readAll();
        QVERIFY(guiPdf.startsWith("%PDF-"));

        // The command line draws the same page.
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("pdftoppm is not installed (poppler-utils)");

        const QString cliFile = QString::fromStdString((m_bench->Root() / "cli.pdf").string());
        QProcess cli;
        cli.start(QStringLiteral(VELLORAN_CLI_PATH),
                  {QStringLiteral("--data-root"),
                   QString::fromStdString((m_bench->Root() / "data").string()),
                   QStringLiteral("--program-dir"),
                   QString::fromStdString((m_bench->Root() / "program").string()),
                   QStringLiteral("checkin-codes"), cliFile});
        QVERIFY(cli.waitForFinished(60000));
        QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
        QFile written(cliFile);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray guiPages = RenderedPages(guiPdf);
        QVERIFY(guiPages.size() > 1000);
        QVERIFY(RenderedPages(written.readAll()) == guiPages);
    }
};

VELLORAN_GUI_TEST_MAIN(RealTimeViewGuiTest)

#include "RealTimeViewGuiTest.moc"
