#include "GuiTestSupport.h"
#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/SelectEventDialog.h"
#include "ui/TermsDialog.h"
#include "ui/TipDialog.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QtTest>

namespace fs = std::filesystem;

class StartupGuiTest : public QObject
{
    Q_OBJECT

private:
    // The first start shows the terms of use, then the tip of the day.
    static void AgreeAndCloseTip(CGuiTestBench& bench)
    {
        bench.Answer(
            [](QDialog& dialog)
            {
                if (qobject_cast<CTermsDialog*>(&dialog) == nullptr)
                    QTest::qFail("the terms of use are expected first", __FILE__, __LINE__);
                return static_cast<int>(QDialog::Accepted);
            });
        bench.Answer(
            [](QDialog& dialog)
            {
                auto* tip = qobject_cast<CTipDialog*>(&dialog);
                if (tip != nullptr)
                    tip->ShowNextTip();
                return static_cast<int>(QDialog::Accepted);
            });
    }

private slots:
    void startsAndClosesInEnglish()
    {
        CGuiTestBench bench;
        AgreeAndCloseTip(bench);
        bool started = false;
        auto session = bench.Start(ELanguage::English, &started);
        QVERIFY(started);
        CMainFrame* frame = session->Frame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Velloran"));
        QCOMPARE(QApplication::layoutDirection(), Qt::LeftToRight);
        QCOMPARE(frame->menuBar()->actions().first()->text(), QStringLiteral("&Event"));
        QCOMPARE(bench.Unanswered(), 0);

        QVERIFY(frame->close());
        const fs::path root = bench.Root() / "data";
        QCOMPARE(ReadProfileString(root / "events.ini", "Events", "Active"), std::string("DB"));
        QCOMPARE(ReadProfileString(root / "AppSettings.ini", "GenSettings", "RightDlgAproved"),
                 std::string("1"));
        QCOMPARE(ReadProfileString(root / "AppSettings.ini", "KeySettings", "TipOfDayItem"),
                 std::string("3"));
    }

    void startsRightToLeftInHebrew()
    {
        CGuiTestBench bench;
        AgreeAndCloseTip(bench);
        bool started = false;
        auto session = bench.Start(ELanguage::Hebrew, &started);
        QVERIFY(started);
        QCOMPARE(QApplication::layoutDirection(), Qt::RightToLeft);
        QCOMPARE(session->Frame()->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(session->Frame()->menuBar()->actions().first()->text(),
                 QString::fromUtf8("&אירוע"));
        QVERIFY(session->Frame()->close());
        QVERIFY(fs::exists(bench.Root() / "data" / "events.ini"));
    }

    void disagreeingEndsTheProgramWithoutWriting()
    {
        CGuiTestBench bench;
        bench.CancelNext();
        bool started = true;
        int exitCode = -1;
        auto session = bench.Start(ELanguage::English, &started, &exitCode);
        QVERIFY(!started);
        QCOMPARE(exitCode, 0);
        QVERIFY(!fs::exists(bench.Root() / "data" / "AppSettings.ini"));
    }

    void cancellingTheCloseQuestionKeepsTheWindow()
    {
        CGuiTestBench bench;
        AgreeAndCloseTip(bench);
        auto session = bench.Start(ELanguage::English);
        CNewOrvDoc& doc = session->App().GetDocument();
        doc.GetAppSettings().SetAutoSaveOnExit(false);
        doc.SetDataChanged(true);

        bench.AnswerMessage(QMessageBox::Cancel);
        QVERIFY(!session->Frame()->close());
        QVERIFY(!fs::exists(bench.Root() / "data" / "events.ini"));

        bench.AnswerMessage(QMessageBox::No);
        QVERIFY(session->Frame()->close());
        QCOMPARE(bench.MessageTexts().size(), std::size_t(2));
    }

    // An event another program has open: read-only on request, said in the title, never saved.
    void anEventOpenElsewhereOpensReadOnly()
    {
        CGuiTestBench bench;
        CEventLock other;
        const fs::path root = WriteTwoEvents(bench, other);
        bench.AnswerMessage(QMessageBox::Yes);
        bool started = false;
        auto session = bench.Start(ELanguage::Hebrew, &started);
        QVERIFY(started);
        QVERIFY(!bench.MessageTexts().empty());
        QVERIFY(bench.MessageTexts().front().contains(QStringLiteral("velloran-cli")));
        CNewOrvDoc& doc = session->App().GetDocument();
        QVERIFY(doc.IsEventReadOnly());
        CMainFrame* frame = session->Frame();
        QVERIFY(frame->windowTitle().contains(QString::fromUtf8("לקריאה בלבד")));

        doc.SetDataChanged(true);
        QVERIFY(!frame->SaveAction()->isEnabled());
        bench.AnswerMessage(QMessageBox::Yes); // close and lose the changes
        QVERIFY(frame->close());
        QVERIFY(!fs::exists(root / "DB" / "WeddingData.xml"));
        QCOMPARE(bench.Unanswered(), 0);
    }

    // Or another event is chosen instead, which opens as usual.
    void anEventOpenElsewhereLetsTheUserChooseAnother()
    {
        CGuiTestBench bench;
        CEventLock other;
        WriteTwoEvents(bench, other);
        bench.AnswerMessage(QMessageBox::No);
        bench.Answer(
            [](QDialog& dialog)
            {
                auto* select = qobject_cast<CSelectEventDialog*>(&dialog);
                if (select == nullptr)
                    return static_cast<int>(QDialog::Rejected);
                select->List()->setCurrentRow(1);
                return static_cast<int>(QDialog::Accepted);
            });
        bool started = false;
        auto session = bench.Start(ELanguage::English, &started);
        QVERIFY(started);
        CNewOrvDoc& doc = session->App().GetDocument();
        QCOMPARE(doc.GetActiveEvent()->GetId(), std::string("DB1"));
        QVERIFY(!doc.IsEventReadOnly());
        QVERIFY(doc.HoldsEventLock());
        QCOMPARE(session->Frame()->windowTitle(), QStringLiteral("Velloran"));
        QVERIFY(session->Frame()->close());
        QCOMPARE(bench.Unanswered(), 0);

        // Choosing none ends the program.
        bench.AnswerMessage(QMessageBox::No);
        bench.CancelNext();
        int exitCode = -1;
        session = bench.Start(ELanguage::English, &started, &exitCode);
        QVERIFY(!started);
        QCOMPARE(exitCode, 0);
    }

    // A data root that is no folder, or none, is bad usage, as on the command line.
    void aDataRootThatIsNoFolderIsBadUsage()
    {
        CTempDir folder;
        WriteBytes(folder / "plain.txt", "not a folder");
        const QString plain = QString::fromStdString((folder / "plain.txt").string());
        const QList<QStringList> bad = {
            {QStringLiteral("velloran"), QStringLiteral("--data-root"), plain},
            {QStringLiteral("velloran"), QStringLiteral("--data-root"), QString()},
            {QStringLiteral("velloran"), QStringLiteral("--data-root")},
            {QStringLiteral("velloran"), QStringLiteral("--data-root"), QStringLiteral("--lang"),
             QStringLiteral("en")},
        };
        for (const QStringList& arguments : bad)
        {
            SAppOptions options;
            QString error;
            QVERIFY2(!CGuiSession::ParseArguments(arguments, options, &error),
                     qPrintable(arguments.join(QLatin1Char(' '))));
            QVERIFY(!error.isEmpty());
        }
        SAppOptions options;
        QString error;
        QVERIFY(
            CGuiSession::ParseArguments({QStringLiteral("velloran"), QStringLiteral("--data-root"),
                                         QString::fromStdString((folder / "new").string())},
                                        options, &error));
    }

private:
    // Two events, DB active and held by `other` as the command line would, the first start
    // already passed.
    static fs::path WriteTwoEvents(const CGuiTestBench& bench, CEventLock& other)
    {
        const fs::path root = bench.Root() / "data";
        WriteBytes(root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(root / "AppSettings.ini",
                   "[GenSettings]\r\nRightDlgAproved=1\r\n[KeySettings]\r\nShowTipOfDay=0\r\n");
        for (const char* id : {"DB", "DB1"})
            WriteBytes(root / id / "Settings.ini", "[GenSettings]\r\nEveName=Event " +
                                                       std::string(id) +
                                                       "\r\n[KeySettings]\r\nBrideName=Dana\r\n");
        if (other.Acquire(root / "DB", "velloran-cli", std::chrono::milliseconds(0)) !=
            CEventLock::EResult::Acquired)
            QTest::qFail("the event cannot be locked", __FILE__, __LINE__);
        return root;
    }
};

VELLORAN_GUI_TEST_MAIN(StartupGuiTest)

#include "StartupGuiTest.moc"
