#include "GuiTestSupport.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "support/ShareTestServer.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ShareSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

class ShareGuiTest : public QObject
{
    Q_OBJECT

private slots:
    // The dialog stores what it shows; the upload then runs off the interface thread and a save
    // with "upload after each save" sends the event again.
    void theDialogConnectsAndASaveUploads()
    {
        CTempDir temp;
        CShareTestServer server(CShareTestServer::EKind::WebDav, temp / "server");
        if (!server.Problem().empty())
            QSKIP(server.Problem().c_str());
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = bench.Start(ELanguage::English);
        QVERIFY(session);
        CMainFrame& frame = *session->Frame();
        CNewOrvDoc& doc = session->App().GetDocument();

        bench.Fill<CShareSettingsDialog>(
            [&](CShareSettingsDialog& settings)
            {
                settings.Protocol()->setCurrentIndex(2);
                settings.Server()->setText(QString::fromStdString(server.ServerText()));
                settings.User()->setText(QString::fromStdString(server.User()));
                settings.Password()->setText(QString::fromStdString(server.Password()));
                settings.AutoUpload()->setChecked(true);
            });
        // Upload with nothing set up opens the dialog first.
        frame.ShareUploadAction()->trigger();
        QCOMPARE(doc.GetSettings().GetFtpProtocol(), 2);
        QVERIFY(doc.GetSettings().GetFtpAutoUpload());
        QCOMPARE(doc.GetCheckpoint().Get(), 1);
        QCOMPARE(
            ReadProfileInt(server.Home() / "DB" / "Checkpoint.ini", "Checkpoint", "CpIndex", -1),
            1);

        doc.AddGuest("Noa", "Levi");
        frame.SaveAction()->trigger();
        QCOMPARE(doc.GetCheckpoint().Get(), 2);
        QVERIFY(ReadBytes(server.Home() / "DB" / "WeddingData.xml").find("Noa") !=
                std::string::npos);
        QVERIFY(frame.menuBar()->actions().size() > 0);
    }
};

QTEST_MAIN(ShareGuiTest)
#include "ShareGuiTest.moc"
