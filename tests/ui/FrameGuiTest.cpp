#include "GuiTestSupport.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "platform/FileFaults.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/AddEventWizard.h"
#include "ui/FrameView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/OptionsDialog.h"
#include "ui/SelectEventDialog.h"
#include "ui/TipMarkup.h"
#include "ui/ViewCodes.h"
#include "ui/WeddingInfoDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QtTest>

namespace fs = std::filesystem;

class FrameGuiTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { SetFileFaultHook({}); }

    void viewSwitchingFollowsTheCodeRules()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CMainFrame& frame = *session->Frame();
        const std::vector<int> codes = frame.BarCodes();
        QVERIFY(!codes.empty());
        QVERIFY(std::is_sorted(codes.begin(), codes.end()));

        // Every code of the bar is reachable; a code without an item is ignored entirely.
        for (int code : codes)
        {
            QVERIFY(frame.ShowView(code));
            QCOMPARE(frame.ActiveViewCode(), code);
            QCOMPARE(session->App().GetDocument().GetSettings().GetLastUiMode(), code);
        }
        const int shown = frame.ActiveViewCode();
        QVERIFY(!frame.ShowView(VIEW_REAL_TIME)); // no real-time view in regular mode
        QCOMPARE(frame.ActiveViewCode(), shown);
        QCOMPARE(session->App().GetDocument().GetSettings().GetLastUiMode(), shown);

        // Next and Previous move to the neighbouring code only when it has an item.
        for (int code : codes)
        {
            frame.ShowView(code);
            frame.NextView();
            const int next = code + 1 > VIEW_LAST_CODE ? VIEW_FIRST_CODE : code + 1;
            const bool hasNext = std::find(codes.begin(), codes.end(), next) != codes.end();
            QCOMPARE(frame.ActiveViewCode(), hasNext ? next : code);
            frame.ShowView(code);
            frame.PreviousView();
            const int previous = code - 1 <= 1 ? VIEW_LAST_CODE : code - 1;
            const bool hasPrevious = std::find(codes.begin(), codes.end(), previous) != codes.end();
            QCOMPARE(frame.ActiveViewCode(), hasPrevious ? previous : code);
        }
    }

    void ctrlDigitShowsTheViewAndTheStatusBarStartsHidden()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CMainFrame& frame = *session->Frame();
        bench.ShowWindow(frame); // the deferred event details dialog is cancelled
        frame.ShowView(frame.BarCodes().back());
        QTest::keyClick(&frame, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(frame.ActiveViewCode(), static_cast<int>(VIEW_GROUPS));
        // The groups view's menu sits right after "&View".
        const QStringList titles = MenuBarTitles(frame);
        QCOMPARE(titles.at(titles.indexOf(QStringLiteral("&View")) + 1), QStringLiteral("Groups"));
        QTest::keyClick(&frame, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(frame.ActiveViewCode(), static_cast<int>(VIEW_GUESTS));

        QVERIFY(!frame.statusBar()->isVisible());
        frame.StatusBarAction()->trigger();
        QVERIFY(frame.statusBar()->isVisible());
        frame.close();
    }

    void lastViewIsRestoredAtTheNextStart()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        {
            auto session = bench.Start(ELanguage::English);
            session->Frame()->ShowView(VIEW_GROUPS);
            QVERIFY(session->Frame()->close());
        }
        QCOMPARE(ReadProfileInt(bench.Root() / "data" / "DB" / "Settings.ini", "GenSettings",
                                "LastUIMode", -1),
                 static_cast<int>(VIEW_GROUPS));
        bench.AcceptNext(); // the tip
        auto session = bench.Start(ELanguage::English);
        QCOMPARE(session->Frame()->ActiveViewCode(), static_cast<int>(VIEW_GROUPS));
    }

    void realTimeModeHasTheReducedBar()
    {
        CGuiTestBench bench;
        bench.StartInRealTimeMode(QMessageBox::No); // stay in real-time mode
        auto session = bench.Start(ELanguage::English);
        QVERIFY(session->App().IsRealTime());
        for (int code : session->Frame()->BarCodes())
            QVERIFY2(code == VIEW_GUESTS || code == VIEW_SEATING || code == VIEW_LAYOUT ||
                         code == VIEW_REAL_TIME,
                     "only the event-day views exist in real-time mode");
        QVERIFY(!session->Frame()->ShowView(VIEW_GROUPS));
        QVERIFY(!session->Frame()->ShowView(VIEW_TABLES));

        // Yes at the question goes back to regular mode, for this run and the next.
        CGuiTestBench again;
        again.StartInRealTimeMode(QMessageBox::Yes);
        auto regular = again.Start(ELanguage::English);
        QVERIFY(!regular->App().IsRealTime());
        QVERIFY(regular->Frame()->ViewByCode(VIEW_GROUPS) != nullptr);
        QCOMPARE(ReadProfileString(again.Root() / "xdg-config" / "Velloran" / "General.ini",
                                   "General", "REALTIME"),
                 std::string("0"));
    }

    void aFailingSaveKeepsTheWindowOpen()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CNewOrvDoc& doc = session->App().GetDocument();
        doc.AddGuest("Dan", "Levi");
        QVERIFY(doc.IsDataChanged());
        QVERIFY(session->Frame()->SaveAction()->isEnabled());

        SetFileFaultHook(
            [](EFileStep step, const std::string& path) {
                return step == EFileStep::Write &&
                       path.find("WeddingData.xml") != std::string::npos;
            });
        bench.AnswerMessage(QMessageBox::Ok); // "Saving failed"
        QVERIFY(!session->Frame()->close());
        QVERIFY(doc.IsDataChanged());
        QVERIFY(bench.LastMessage().contains(QStringLiteral("not saved")));

        SetFileFaultHook({});
        QVERIFY(session->Frame()->close());
        QVERIFY(fs::exists(bench.Root() / "data" / "DB" / "WeddingData.xml"));
    }

    void closingCommitsAPendingEditFirst()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CNewOrvDoc& doc = session->App().GetDocument();
        CGuest* guest = doc.AddGuest("Dan", "Levi");
        QVERIFY(doc.SaveEventData());
        QVERIFY(!doc.IsDataChanged());

        // A view still holding an in-place edit: nothing looks changed until it is committed.
        CSpyView editing;
        editing.pendingEdit = [guest] { guest->SetPhone("03-7777777"); };
        doc.AddView(&editing);
        QVERIFY(session->Frame()->close()); // AutoSaveOnExit: saved without a question
        doc.RemoveView(&editing);
        QVERIFY(!doc.IsDataChanged());
        const std::string saved = ReadBytes(bench.Root() / "data" / "DB" / "WeddingData.xml");
        QVERIFY(saved.find("03-7777777") != std::string::npos);
        QCOMPARE(bench.MessageTexts().size(), std::size_t(0));
    }

    void weddingInformationStoresTheDetailsAndMakesGroups()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CNewOrvDoc& doc = session->App().GetDocument();

        // An empty event name is refused and the dialog stays open.
        bench.Submit<CWeddingInfoDialog>(
            [&bench](CWeddingInfoDialog& info)
            {
                info.EventName()->clear();
                bench.AnswerMessage(QMessageBox::Ok);
                info.accept();
                if (info.result() == QDialog::Accepted)
                    QTest::qFail("an empty event name must be refused", __FILE__, __LINE__);
                info.EventName()->setText(QStringLiteral("Dana and Avi"));
                info.GroomFirst()->setText(QStringLiteral("Avi"));
                info.BrideFirst()->setText(QStringLiteral("Dana"));
            });
        session->Frame()->RunDeferredStartup();
        QCOMPARE(bench.Unanswered(), 0);
        QCOMPARE(doc.GetSettings().GetKeySetting("BrideName"), std::string("Dana"));
        QCOMPARE(doc.GetActiveEvent()->GetName(), std::string("Dana and Avi"));
        QCOMPARE(doc.GetGroupCount(), 12);
        QCOMPARE(doc.GetGroupAt(0)->GetName(), std::string("Avi-Childhood friends"));

        // With names present, the deferred step opens nothing.
        const auto opened = bench.DialogTitles().size();
        session->Frame()->RunDeferredStartup();
        QCOMPARE(bench.DialogTitles().size(), opened);
    }

    void optionsAreStored()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        bench.Fill<COptionsDialog>(
            [](COptionsDialog& options)
            {
                if (!options.BackupInterval()->isEnabled())
                    QTest::qFail("the interval list follows the backup box", __FILE__, __LINE__);
                options.AutoSave()->setChecked(false);
                options.BackupInterval()->setCurrentIndex(0);
                options.ChildServing()->setValue(60);
                options.ShowTips()->setChecked(false);
            });
        QAction* options =
            FindAction(session->Frame()->findChildren<QAction*>(), QStringLiteral("Options ...."));
        QVERIFY(options != nullptr);
        options->trigger();
        CNewOrvDoc& doc = session->App().GetDocument();
        QVERIFY(!doc.GetAppSettings().GetAutoSaveOnExit());
        QCOMPARE(doc.GetAppSettings().GetBackupEvery(), 5);
        QCOMPARE(doc.GetSettings().GetKidsPresent(), short(60));
        QVERIFY(!doc.GetAppSettings().GetShowTips());
    }

    void selectEventSwitchesAndReloads()
    {
        CGuiTestBench bench;
        const fs::path root = bench.Root() / "data";
        WriteBytes(root / "DB1" / "Settings.ini", "[GenSettings]\r\nEveName=Second\r\n");
        fs::create_directories(root / "DB");
        WriteBytes(root / "events.ini", "[Events]\r\nActive=DB\r\n");
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CNewOrvDoc& doc = session->App().GetDocument();
        doc.AddGuest("Dan", "Levi");
        doc.GetAppSettings().SetAutoSaveOnExit(true);

        bench.Fill<CSelectEventDialog>(
            [](CSelectEventDialog& select)
            {
                if (select.List()->currentRow() != 0)
                    QTest::qFail("the active event is preselected", __FILE__, __LINE__);
                select.List()->setCurrentRow(1);
            });
        FindAction(session->Frame()->findChildren<QAction*>(), QStringLiteral("Select Event ..."))
            ->trigger();
        QCOMPARE(doc.GetActiveEvent()->GetId(), std::string("DB1"));
        QCOMPARE(doc.GetGuestCount(), 0);
        QVERIFY2(fs::exists(root / "DB" / "WeddingData.xml"), "the previous event was saved");
    }

    void addEventWizardRefusesMissingNamesAndCreatesTheEvent()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CNewOrvDoc& doc = session->App().GetDocument();
        doc.GetAppSettings().SetAutoSaveOnExit(true);

        bench.Submit<CAddEventWizard>(
            [&bench](CAddEventWizard& wizard)
            {
                wizard.restart();
                if (wizard.windowTitle() != QStringLiteral("Add Event ( Step 1 from 4 )"))
                    QTest::qFail("step 1 title", __FILE__, __LINE__);
                wizard.TypeList()->setCurrentIndex(0);
                wizard.DateField()->setDate(QDate(2027, 6, 1));
                wizard.next();
                if (wizard.CopyChoice()->isEnabled())
                    QTest::qFail("no named event to copy from", __FILE__, __LINE__);
                wizard.next();
                // A wedding needs both first names.
                wizard.BrideName(0)->setText(QStringLiteral("Dana"));
                bench.AnswerMessage(QMessageBox::Ok);
                wizard.next();
                if (wizard.currentId() != CAddEventWizard::kNamesPage)
                    QTest::qFail("Next must be refused without the groom's name", __FILE__,
                                 __LINE__);
                wizard.GroomName(0)->setText(QStringLiteral("Avi"));
                if (wizard.EventName()->text() != QStringLiteral("The wedding of Dana and Avi"))
                    QTest::qFail("the event name follows the names", __FILE__, __LINE__);
                wizard.next();
                if (!wizard.CreateGroupsChoice()->isChecked())
                    QTest::qFail("groups are made by default", __FILE__, __LINE__);
                wizard.Phone()->setText(QStringLiteral("050-1234567"));
            });
        session->Frame()->AddEventAction()->trigger();
        QCOMPARE(bench.LastMessage(), QStringLiteral("Please fill missing details"));
        QCOMPARE(doc.GetActiveEvent()->GetId(), std::string("DB1"));
        QCOMPARE(doc.GetActiveEvent()->GetName(), std::string("The wedding of Dana and Avi"));
        QCOMPARE(doc.GetGroupCount(), 12);
        QCOMPARE(doc.GetSettings().GetKeySetting("CouplePhone"), std::string("050-1234567"));
        QCOMPARE(doc.GetSettings().GetKeySetting("WeddingMonth"), std::string("6"));

        // A party owner: no groom fields, the owner's first name alone is enough.
        bench.Submit<CAddEventWizard>(
            [](CAddEventWizard& wizard)
            {
                wizard.restart();
                wizard.TypeList()->setCurrentIndex(3);
                wizard.next();
                wizard.next();
                if (wizard.GroomBox()->isVisibleTo(&wizard))
                    QTest::qFail("a party owner has no groom fields", __FILE__, __LINE__);
                wizard.BrideName(0)->setText(QStringLiteral("Noam"));
                wizard.next();
            });
        session->Frame()->AddEventAction()->trigger();
        QCOMPARE(doc.GetActiveEvent()->GetId(), std::string("DB2"));
        QCOMPARE(doc.GetGroupCount(), 6);
        QCOMPARE(doc.GetSettings().GetEventType(), 3);

        // Cancel on any page changes nothing.
        bench.CancelNext();
        session->Frame()->AddEventAction()->trigger();
        QCOMPARE(doc.GetEvents().size(), std::size_t(3));
    }

    void tooltipMarkupBecomesRichText()
    {
        const QString html = MarkupToRichText(
            "<b>Save</b><br><ct=0x0000FF>red</ct><al_c>x & y</al_c><hr=50%><bmp=281><odd>");
        QVERIFY(html.contains(QStringLiteral("<b>Save</b><br>")));
        QVERIFY(html.contains(QStringLiteral("color:#ff0000")));
        QVERIFY(html.contains(QStringLiteral("<div align=\"center\">x &amp; y</div>")));
        QVERIFY(html.contains(QStringLiteral("<hr width=\"50%\">")));
        QVERIFY(!html.contains(QStringLiteral("bmp")));
        QVERIFY(html.contains(QStringLiteral("&lt;odd&gt;")));
    }
};

VELLORAN_GUI_TEST_MAIN(FrameGuiTest)

#include "FrameGuiTest.moc"
