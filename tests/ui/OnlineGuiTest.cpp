// The online services in the program: the menus, and the hand-over of a check's findings from
// its thread to the interface thread (approvals dialog, update of the guests, the question).

#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "online/Connectivity.h"
#include "online/Ping.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "support/HttpTestServer.h"
#include "ui/ApprovalsDialog.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/UiText.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QTableView>
#include <QtTest>

class OnlineGuiTest : public QObject
{
    Q_OBJECT

private:
    // Whether the connectivity check can answer yes with the local server as its test page: a
    // local network makes it read the page, and without one a ping of 127.0.0.1 must answer.
    static bool CanReachLoopback()
    {
        if ((CConnectivityCheck::ReadSystemState().flags & kConnectionLan) != 0)
            return true;
        CPing ping;
        return ping.Ping(1, "127.0.0.1");
    }

    // Dana Levi, unique id 41, 2 coming, no answer yet; the event code "E7".
    static CGuest* AddDana(CNewOrvDoc& doc)
    {
        doc.GetSettings().SetKeySetting("EventCode", "E7");
        CGuest* dana = doc.AddGuest("Dana", "Levi");
        dana->SetUniqueId(41);
        dana->SetComingCount(2);
        dana->SetStatus(CGuest::kStatusUnknown);
        return dana;
    }

private slots:
    void mailAndUpdateCommandsAreInTheMenus()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        const QList<QAction*> bar = session->Frame()->menuBar()->actions();
        for (int id : {IDS_MENU_EMAIL_ALL_GUESTS, IDS_MENU_EMAIL_NOT_APPROVED,
                       IDS_MENU_SEND_APPROVAL_DETAILS, IDS_MENU_CHECK_UPDATES})
            QVERIFY2(FindAction(bar, UiText(id)) != nullptr, qPrintable(UiText(id)));

        // With no guest to write to, the command says so and opens nothing.
        bench.AnswerMessage(QMessageBox::Ok);
        FindAction(bar, UiText(IDS_MENU_EMAIL_NOT_APPROVED))->trigger();
        QCOMPARE(bench.LastMessage(), UiText(IDS_NO_MATCHING_GUESTS_TEXT));
    }

    void theStartUpCheckFollowsTheOption()
    {
        for (const bool on : {true, false})
        {
            CGuiTestBench bench;
            WriteBytes(bench.Root() / "data" / "AppSettings.ini",
                       std::string("[GenSettings]\r\nCheckForUpdates=") + (on ? "1" : "0") +
                           "\r\n");
            bench.PassFirstStart();
            auto session = bench.Start(ELanguage::English);
            // Still in its 10-second wait when on; never started when off.
            QCOMPARE(session->Frame()->IsOnlineCheckRunning(), on);
            session->Frame()->StopOnlineServices();
            QVERIFY(!session->Frame()->IsOnlineCheckRunning());
        }
    }

    void approvalsOpenTheDialogOnlyWhenSomethingIsNew()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CMainFrame& frame = *session->Frame();
        CGuest* dana = AddDana(session->App().GetDocument());
        const std::size_t before = bench.DialogTitles().size();

        // Another event's answers, and answers the list already holds, open nothing.
        frame.ShowApprovals({{"41", "3"}}, "OTHER");
        dana->SetStatus(CGuest::kStatusApproved);
        frame.ShowApprovals({{"41", "2"}}, "E7");
        QCOMPARE(bench.DialogTitles().size(), before);

        // A change of mind: listed among the canceled, taken on "Update guests list".
        int approvedRows = -1;
        int canceledRows = -1;
        bench.Answer(
            [&](QDialog& dialog)
            {
                auto* approvals = qobject_cast<CApprovalsDialog*>(&dialog);
                if (approvals == nullptr)
                    return int(QDialog::Rejected);
                approvedRows = approvals->ApprovedList()->model()->rowCount();
                canceledRows = approvals->CanceledList()->model()->rowCount();
                return int(QDialog::Accepted);
            });
        bench.AnswerMessage(QMessageBox::Ok);
        frame.ShowApprovals({{"41", "0"}, {"99", "1"}}, "E7");
        QCOMPARE(approvedRows, 0);
        QCOMPARE(canceledRows, 1);
        QCOMPARE(dana->GetStatus(), int(CGuest::kStatusNotComing));
        QCOMPARE(dana->GetComingCount(), 0);
        QCOMPARE(bench.LastMessage(), UiText(IDS_APPROVALS_UPDATED_TEXT));

        // "Close" changes nothing.
        bench.CancelNext();
        frame.ShowApprovals({{"41", "5"}}, "E7");
        QCOMPARE(dana->GetComingCount(), 0);
        QCOMPARE(bench.Unanswered(), 0);
    }

    void aCheckHandsItsFindingsToTheInterfaceThread()
    {
        CTempDir site;
        CHttpTestServer server(site.Path());
        if (!server.IsRunning())
            QSKIP(qPrintable(QString::fromStdString(server.Error())));
        WriteBytes(site / "version.txt", "VerVerVerVer9.00CurCurCurCur");
        WriteBytes(site / "approve-me" / "E7" / "approval.txt", "41=3<br>\n");

        if (!CanReachLoopback())
            QSKIP("no network interface and no ICMP: the connectivity check cannot succeed here");
        CGuiTestBench bench;
        const auto general = bench.Root() / "xdg-config" / "Velloran" / "General.ini";
        std::filesystem::create_directories(general.parent_path());
        WriteProfileString(general, "General", "ApprovalsUrl",
                           server.Url("/approve-me/%s/approval.txt"));
        WriteProfileString(general, "General", "NewVersionUrl", server.Url("/version.txt"));
        WriteProfileString(general, "General", "ConnectivityUrl", server.Url("/"));
        WriteProfileString(general, "General", "PingHosts", "127.0.0.1");
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        CMainFrame& frame = *session->Frame();
        CGuest* dana = AddDana(session->App().GetDocument());

        bench.AcceptNext();                   // Approvals From Web Site: Update guests list
        bench.AnswerMessage(QMessageBox::Ok); // Data was updated successfully
        bench.AnswerMessage(QMessageBox::No); // There is a newer version ...
        frame.StartOnlineServices(std::chrono::milliseconds(0), true);
        const QString failed = UiText(IDS_UPDATE_FAILED_TEXT);
        QTRY_VERIFY_WITH_TIMEOUT(
            bench.DialogTitles().size() >= 5 ||
                (!bench.MessageTexts().empty() && bench.LastMessage() == failed),
            60000);
        if (bench.LastMessage() == failed)
            QSKIP("the connectivity check found no network here");
        QCOMPARE(dana->GetComingCount(), 3);
        QCOMPARE(dana->GetStatus(), int(CGuest::kStatusApproved));
        const std::vector<QString>& titles = bench.DialogTitles();
        QCOMPARE(titles[titles.size() - 3], UiText(IDS_APPROVALS_TITLE));
        QCOMPARE(titles[titles.size() - 2], UiText(IDS_APPROVALS_UPDATED_CAPTION));
        QCOMPARE(titles.back(), UiText(IDS_NEW_VERSION_CAPTION));
        QCOMPARE(bench.Unanswered(), 0);
        QVERIFY(!frame.IsOnlineCheckRunning());
    }
};

QTEST_MAIN(OnlineGuiTest)
#include "OnlineGuiTest.moc"
