#include "GuiTestSupport.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/TermsDialog.h"
#include "ui/TipDialog.h"

#include <QApplication>
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
        bench.Answer([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
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
};

int main(int argc, char** argv)
{
    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    StartupGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StartupGuiTest.moc"
