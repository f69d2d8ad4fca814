#include "GuiTestSupport.h"
#include "platform/ProfileFile.h"
#include "store/NewOrvDoc.h"
#include "ui/FrameView.h"
#include "ui/GuiSession.h"
#include "ui/MainFrame.h"
#include "ui/ViewCodes.h"
#include "ui/WindowLayout.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QTreeView>
#include <QtTest>

namespace
{
// Starts the program over the bench and shows the window as a real start does. The event
// details dialog of an event without couple names is closed with Cancel.
std::unique_ptr<CGuiSession> StartShown(CGuiTestBench& bench, ELanguage language)
{
    auto session = bench.Start(language);
    bench.CancelNext();
    CMainFrame& frame = *session->Frame();
    ShowAtStoredPlacement(frame, session->App().GetDocument().GetAppSettings());
    if (!QTest::qWaitForWindowExposed(&frame))
        return nullptr;
    QTest::qWait(50); // the deferred start-up step
    return session;
}

void Close(std::unique_ptr<CGuiSession>& session)
{
    session->App().GetDocument().SaveEventData();
    session->Frame()->close();
    session.reset();
}

QSplitter* ListSplitter(CMainFrame& frame)
{
    return frame.findChild<QSplitter*>(QStringLiteral("GuestsListSplit"));
}

// The groups view's list of the selected group's guests: its columns are sized by hand.
QHeaderView* GroupGuestsColumns(CMainFrame& frame)
{
    frame.ShowView(VIEW_GROUPS);
    auto* list = frame.findChild<QTableView*>(QStringLiteral("GroupGuestsList"));
    return list != nullptr ? list->horizontalHeader() : nullptr;
}
} // namespace

class WindowLayoutGuiTest : public QObject
{
    Q_OBJECT

private slots:
    void placementAndSplittersSurviveARestart()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = StartShown(bench, ELanguage::English);
        QVERIFY(session);
        QVERIFY2(session->Frame()->isMaximized(), "the first start opens maximised");

        // The user makes the window smaller and the statistics lower.
        CMainFrame* frame = session->Frame();
        frame->showNormal();
        const QRect placed(100, 80, 1300, 900);
        frame->setGeometry(placed);
        QTRY_COMPARE(frame->geometry(), placed);
        QSplitter* splitter = ListSplitter(*frame);
        QVERIFY(splitter != nullptr);
        const QList<int> before = splitter->sizes();
        QCOMPARE(before.size(), 2);
        splitter->setSizes({before[0] + before[1] - 90, 90});
        emit splitter->splitterMoved(before[0] + before[1] - 90, 1);
        const QList<int> moved = splitter->sizes();
        QVERIFY(moved != before);
        // ... and widens the first column of a list.
        QHeaderView* columns = GroupGuestsColumns(*frame);
        QVERIFY(columns != nullptr);
        const int wide = columns->sectionSize(0) + 57;
        columns->resizeSection(0, wide);
        frame->ShowView(VIEW_GUESTS);
        Close(session);

        bench.AcceptNext(); // the tip
        session = StartShown(bench, ELanguage::English);
        QVERIFY(session);
        frame = session->Frame();
        QVERIFY2(!frame->isMaximized(), "a window left at a size comes back at that size");
        QTRY_COMPARE(frame->geometry(), placed);
        QTRY_COMPARE(ListSplitter(*frame)->sizes(), moved);
        QCOMPARE(GroupGuestsColumns(*frame)->sectionSize(0), wide);
        frame->ShowView(VIEW_GUESTS);

        // Maximised at the close: maximised again, with the size it had before for un-maximising.
        frame->showMaximized();
        QTRY_VERIFY(frame->isMaximized());
        Close(session);
        bench.AcceptNext();
        session = StartShown(bench, ELanguage::English);
        QVERIFY(session);
        QVERIFY(session->Frame()->isMaximized());
        QCOMPARE(session->Frame()->normalGeometry().size(), placed.size());
        Close(session);
    }

    void unusableStoredValuesFallBackToTheDefaults()
    {
        CGuiTestBench bench;
        bench.PassFirstStart();
        {
            auto session = StartShown(bench, ELanguage::Hebrew);
            QVERIFY(session);
            Close(session);
        }
        // Another program's damage, or values of another version of the screens.
        const auto ini = bench.Root() / "data" / "AppSettings.ini";
        WriteProfileString(ini, "KeySettings", "WindowPlacement", "not a placement");
        WriteProfileString(ini, "KeySettings", "GuestsListSplit", "500,0");
        WriteProfileString(ini, "KeySettings", "GroupGuestsListColumns", "900");
        bench.AcceptNext();
        auto session = StartShown(bench, ELanguage::Hebrew);
        QVERIFY(session);
        QVERIFY(session->Frame()->isMaximized());
        const QList<int> sizes = ListSplitter(*session->Frame())->sizes();
        QVERIFY2(sizes.value(1) > 0, "a pane is never restored closed");
        QHeaderView* columns = GroupGuestsColumns(*session->Frame());
        QCOMPARE(columns->sectionSize(0), columns->defaultSectionSize());
        Close(session);
    }

    void theLastColumnOfEveryListReachesTheEdge_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << static_cast<int>(ELanguage::English);
        QTest::newRow("Hebrew") << static_cast<int>(ELanguage::Hebrew);
    }

    void theLastColumnOfEveryListReachesTheEdge()
    {
        QFETCH(int, language);
        CGuiTestBench bench;
        bench.PassFirstStart();
        auto session = StartShown(bench, static_cast<ELanguage>(language));
        QVERIFY(session);
        CMainFrame& frame = *session->Frame();
        frame.showNormal();
        frame.resize(1280, 800);
        for (int code : frame.BarCodes())
        {
            frame.ShowView(code);
            frame.ActiveView()->FlushRefresh();
            QApplication::processEvents();
            QList<QAbstractItemView*> lists;
            for (QTableView* list : frame.ActiveView()->findChildren<QTableView*>())
                if (!list->horizontalHeader()->isHidden())
                    lists << list;
            for (QTreeView* tree : frame.ActiveView()->findChildren<QTreeView*>())
                if (!tree->header()->isHidden())
                    lists << tree;
            for (QAbstractItemView* list : lists)
            {
                if (!list->isVisible() || list->horizontalScrollBar()->isVisible())
                    continue;
                auto* table = qobject_cast<QTableView*>(list);
                const QHeaderView* header = table != nullptr
                                                ? table->horizontalHeader()
                                                : static_cast<QTreeView*>(list)->header();
                const QString where =
                    QStringLiteral("view %1, list %2").arg(code).arg(list->objectName());
                QVERIFY2(header->length() >= list->viewport()->width(), qPrintable(where));
            }
        }
        Close(session);
    }
};

int main(int argc, char** argv)
{
    // A desktop-sized screen (the offscreen platform's own is 800 x 800), so a window of a
    // usual size fits on it and Qt keeps a restored placement as it was.
    const QString screens = QDir::temp().filePath(
        QStringLiteral("velloran-screens-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(screens);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1920,
                    "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") <= 0)
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.toLocal8Bit());
    Q_INIT_RESOURCE(ui);
    QApplication application(argc, argv);
    file.remove();
    WindowLayoutGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "WindowLayoutGuiTest.moc"
