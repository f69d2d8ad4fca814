#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "store/EventBackup.h"
#include "store/NewOrvDoc.h"
#include "ui/BackupDialog.h"
#include "ui/BackupListModel.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/OptionsDialog.h"
#include "ui/ViewCodes.h"

#include <QCheckBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace fs = std::filesystem;

class BackupGuiTest : public QObject
{
    Q_OBJECT

private:
    static fs::path BackupRoot(CGuiTestBench& bench) { return bench.Root() / "data" / "BackUp"; }

private slots:
    void theStartBacksUpAndTheTimerFollowsTheOption()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        QVERIFY(session);
        CMainFrame& frame = *session->Frame();
        QCOMPARE(ListBackups(BackupRoot(bench)).size(), std::size_t(1));
        QVERIFY(frame.BackupTimer()->isActive());
        QCOMPARE(frame.BackupTimer()->interval(), 10 * 60 * 1000);

        // Options: no timed backups, and keep three of each event.
        bench.Fill<COptionsDialog>(
            [](COptionsDialog& options)
            {
                options.Backup()->setChecked(false);
                options.KeepBackups()->setValue(3);
            });
        QAction* optionsAction = FindAction(frame.menuBar()->actions(), "Options ....");
        QVERIFY(optionsAction != nullptr);
        optionsAction->trigger();
        QVERIFY(!frame.BackupTimer()->isActive());
        CNewOrvDoc& doc = session->App().GetDocument();
        QCOMPARE(doc.GetAppSettings().GetBackupEvery(), 0);
        QCOMPARE(doc.GetAppSettings().GetKeepBackups(), 3);

        // A tick saves what changed, then backs up.
        doc.AddGuest("Noa", "Levi");
        frame.RunTimedBackup();
        QVERIFY(!doc.IsDataChanged());
        QVERIFY(!frame.SaveAction()->isEnabled());
        const std::vector<SBackupInfo> backups = ListBackups(BackupRoot(bench));
        QVERIFY(!backups.empty());
        QCOMPARE(backups.front().guests, 1);
    }

    void noTimerAtZeroButTheStartStillBacksUp()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        WriteBytes(bench.Root() / "data" / "AppSettings.ini",
                   "[GenSettings]\r\nBACK_UP_EVERY=0\r\nRightDlgAproved=1\r\n");
        auto session = bench.Start(ELanguage::English);
        QVERIFY(session);
        QVERIFY(!session->Frame()->BackupTimer()->isActive());
        QCOMPARE(ListBackups(BackupRoot(bench)).size(), std::size_t(1));
    }

    void theDialogListsNewestFirstAndRestoresTheChosenBackup()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        for (const char* folder : {"05-12-2020--09-03-07", "06-12-2020--09-03-07"})
        {
            WriteBytes(BackupRoot(bench) / folder / "Backup.ini", "[Backup]\r\nEvent=DB\r\n");
            WriteBytes(
                BackupRoot(bench) / folder / "Settings.ini",
                std::string("[GenSettings]\r\nEveName=Ours\r\n[GuestsCount]\r\nGuestsCount=") +
                    (folder[1] == '5' ? "1" : "2") + "\r\n");
        }
        WriteBytes(BackupRoot(bench) / "05-12-2020--09-03-07" / "WeddingData.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n"
                   "<Guest><UniqueId>1001</UniqueId><gsName><![CDATA[Restored]]></gsName>"
                   "</Guest>\r\n</Guests>\r\n</WeddingData>\r\n");
        auto session = bench.Start(ELanguage::English);
        QVERIFY(session);
        CMainFrame& frame = *session->Frame();
        CNewOrvDoc& doc = session->App().GetDocument();

        QStringList dates;
        bench.Answer(
            [&dates](QDialog& dialog)
            {
                auto& backups = static_cast<CBackupDialog&>(dialog);
                const CBackupListModel& model = *backups.Model();
                for (int row = 0; row < model.rowCount(); ++row)
                    dates << model.index(row, CBackupListModel::kColumnDate).data().toString();
                [&] { QVERIFY(!backups.RestoreButton()->isEnabled()); }();
                [&] { QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral(".")); }();
                // The oldest one: the start-up backup and the sixth of December come first.
                backups.List()->setCurrentIndex(model.index(model.rowCount() - 1, 0));
                [&] { QVERIFY(backups.RestoreButton()->isEnabled()); }();
                backups.RestoreButton()->click();
                return backups.result();
            });
        bench.AnswerMessage(QMessageBox::Yes); // replace the event's data
        QVERIFY(frame.BackupAction()->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_B));
        frame.BackupAction()->trigger();
        QCOMPARE(bench.Unanswered(), 0);
        QCOMPARE(dates.size(), 3);
        QCOMPARE(dates[1], QStringLiteral("06-12-2020--09-03-07"));
        QCOMPARE(dates[2], QStringLiteral("05-12-2020--09-03-07"));
        QCOMPARE(doc.GetGuestCount(), 1);
        QCOMPARE(QString::fromStdString(doc.GetGuestAt(0)->GetName()), QStringLiteral("Restored"));
    }
};

VELLORAN_GUI_TEST_MAIN(BackupGuiTest)

#include "BackupGuiTest.moc"
