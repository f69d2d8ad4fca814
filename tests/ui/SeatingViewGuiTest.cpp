#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Language.h"
#include "seating/SeatingBoard.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/GrapicTablesView.h"
#include "ui/GuestsTableModel.h"
#include "ui/GuestsView.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/SeatingScene.h"
#include "ui/SeatingSearchDialog.h"
#include "ui/ViewCodes.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QGraphicsView>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QTableView>
#include <QtTest>

class SeatingViewGuiTest : public QObject, private CViewFixture<CGrapicTablesView>
{
    Q_OBJECT

private:
    void MakeTables(int count, int seats = 10)
    {
        MakeNumberedTables(Doc(), count, seats);
        m_view->FlushRefresh();
    }

    std::vector<std::string> CellNames()
    {
        m_view->FlushRefresh();
        std::vector<std::string> names;
        for (const CTable* table : m_view->CellTables())
            names.push_back(table->GetName());
        return names;
    }

    int LineOf(const CTable* table, const CGuest* guest)
    {
        const auto& guests = m_view->CellOf(table)->Guests();
        const auto it = std::find(guests.begin(), guests.end(), guest);
        return it == guests.end() ? -1 : static_cast<int>(it - guests.begin());
    }

    // A drag with the mouse from one point of the board to another, in steps, as a hand does.
    void Drag(const QPoint& from, const QPoint& to)
    {
        QWidget* viewport = m_view->Canvas()->viewport();
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
        const int steps = 6;
        for (int i = 1; i <= steps; ++i)
        {
            const QPoint at = from + (to - from) * i / steps;
            QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &move);
        }
        QVERIFY(m_view->IsDragging());
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
        QVERIFY(!m_view->IsDragging());
    }

    void DragGuest(const CGuest* guest, const CTable* to)
    {
        const CTable* from = Doc().FindTableById(guest->GetTable());
        const QPoint start = m_view->PointOn(from, LineOf(from, guest));
        const QPoint end = m_view->PointOn(to, -1);
        // Both cells in sight at once: the board is laid out wide enough in the tests.
        QVERIFY(m_view->Canvas()->viewport()->rect().contains(start));
        Drag(start, end);
    }

private slots:
    void init()
    {
        Open(VIEW_SEATING);
        // Shown, so the mouse reaches the board as a hand's would.
        Frame().resize(1400, 900);
        m_bench->ShowWindow(Frame());
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void cleanup()
    {
        CModalSeam::SetMenuHandler({});
        Close();
    }

    void draggingAGuestToAFullTableAsksAboutTheSeats()
    {
        MakeTables(2, 8);
        CTable* full = Doc().GetTableAt(1);
        AddSeatedGuest(Doc(), "Ron", 6, 1);
        struct SCase
        {
            int button;
            bool seated;
            int seats;
        };
        const SCase cases[] = {
            {QMessageBox::Yes, true, 10},
            {QMessageBox::No, true, 8},
            {QMessageBox::Cancel, false, 8},
        };
        for (const SCase& c : cases)
        {
            // Each round starts with the table at 8 seats and only Ron there. What each answer does
            // to the seating is the core's; here the drop reaches it and the cell follows.
            for (const auto& guest : Doc().GetGuests())
                if (guest->GetName() != "Ron")
                    guest->SetTable(0);
            full->SetSeats(8);
            CGuest* family = AddSeatedGuest(Doc(), "Family", 4, 0);
            m_view->FlushRefresh();

            m_bench->AnswerMessage(c.button);
            DragGuest(family, full);
            QCOMPARE(m_bench->Unanswered(), 0);
            QCOMPARE(m_bench->LastTitle(), QStringLiteral("No more room in this table!"));
            QCOMPARE(family->GetTable() == 1, c.seated);
            QCOMPARE(full->GetSeats(), c.seats);
            m_view->FlushRefresh();
            CTableCellItem* cell = m_view->CellOf(full);
            QVERIFY(cell != nullptr);
            QCOMPARE(cell->LineTexts().size(), c.seated ? 2 : 1);
            QCOMPARE(LineOf(full, family) >= 0, c.seated);
        }
        // A drop on the cell it came from, or outside every cell, changes nothing.
        CGuest* ron = Doc().GetGuests().front().get();
        const QPoint ronAt = m_view->PointOn(full, LineOf(full, ron));
        Drag(ronAt, ronAt + QPoint(0, 40));
        QCOMPARE(ron->GetTable(), std::int16_t(1));
    }

    void draggingATableMovesItToTheOthersPlace()
    {
        MakeTables(3);
        CGuest* dan = AddSeatedGuest(Doc(), "Dan", 2, 3);
        m_view->FlushRefresh();
        Drag(m_view->PointOn(Doc().GetTableAt(3), -1), m_view->PointOn(Doc().GetTableAt(1), -1));
        QCOMPARE(CellNames(),
                 (std::vector<std::string>{Doc().GetTableAt(0)->GetName(), "T3", "T1", "T2"}));
        QCOMPARE(dan->GetTable(), std::int16_t(1)); // the guests go with their table
        QCOMPARE(m_view->CurrentTable(), Doc().GetTableAt(1));

        // Onto the unseated table: nothing moves. The unseated table's own cell never drags.
        Drag(m_view->PointOn(Doc().GetTableAt(2), -1), m_view->PointOn(Doc().GetTableAt(0), -1));
        QCOMPARE(CellNames()[2], std::string("T1"));
        QWidget* viewport = m_view->Canvas()->viewport();
        const QPoint unseated = m_view->PointOn(Doc().GetTableAt(0), -1);
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, unseated);
        QMouseEvent move(QEvent::MouseMove, unseated + QPoint(60, 60),
                         viewport->mapToGlobal(unseated + QPoint(60, 60)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QVERIFY(!m_view->IsDragging());
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, unseated + QPoint(60, 60));
    }

    void cellsFollowTheHallPlacesWhenAsked()
    {
        MakeTables(3);
        Doc().GetTableAt(1)->SetHallNumber(3);
        Doc().GetTableAt(2)->SetHallNumber(1);
        Doc().GetTableAt(3)->SetHallNumber(2);
        Doc().GetSettings().SetArrangeTablesByHallNumber(true);
        Doc().UpdateAllViews(nullptr, HINT_RECORD_CHANGED);
        QCOMPARE(CellNames(),
                 (std::vector<std::string>{Doc().GetTableAt(0)->GetName(), "T2", "T3", "T1"}));
        Doc().GetSettings().SetArrangeTablesByHallNumber(false);
        Doc().UpdateAllViews(nullptr, HINT_RECORD_CHANGED);
        QCOMPARE(CellNames()[1], std::string("T1"));
    }

    void aCellShowsEveryLineAndFollowsTheSettings()
    {
        MakeTables(1);
        AddSeatedGuest(Doc(), "Noa", 2, 1);
        AddSeatedGuest(Doc(), "Noa", 3, 1); // the same name twice: two guests, two lines
        AddSeatedGuest(Doc(), "Avi", 0, 1);
        Doc().GetSettings().SetKeySetting("ShowSerial", "1");
        Doc().UpdateAllViews(nullptr, HINT_RECORD_CHANGED);
        m_view->FlushRefresh();
        QCOMPARE(m_view->CellOf(Doc().GetTableAt(1))->LineTexts(),
                 (QStringList{"1. Avi Levi 0", "2. Noa Levi 2", "3. Noa Levi 3"}));
        Doc().GetSettings().SetDontShowNonComing(true);
        Doc().UpdateAllViews(nullptr, HINT_RECORD_CHANGED);
        m_view->FlushRefresh();
        QCOMPARE(m_view->CellOf(Doc().GetTableAt(1))->LineTexts(),
                 (QStringList{"1. Noa Levi 2", "2. Noa Levi 3"}));
    }

    // Reads where the dark ink of a band of the cell lies: the mean x of its pixels, as a share of
    // the cell's width.
    static qreal InkCentre(const QImage& image, int top, int bottom)
    {
        qreal sum = 0;
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 100)
                    sum += x, ++count;
        return count == 0 ? -1 : sum / count / image.width();
    }

    void hebrewCellsReadFromTheRight()
    {
        MakeTables(1);
        AddSeatedGuest(Doc(), "Noa", 2, 1);
        for (const ELanguage language : {ELanguage::English, ELanguage::Hebrew})
        {
            SetUiLanguage(language);
            CSeatingScene scene(Doc());
            scene.Rebuild(600);
            CTableCellItem* cell = scene.CellOf(Doc().GetTableAt(1));
            QVERIFY(cell != nullptr);
            const QRectF bounds = cell->boundingRect();
            QImage image(bounds.size().toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                painter.translate(-bounds.topLeft());
                cell->paint(&painter, nullptr, nullptr);
            }
            const int line = static_cast<int>(scene.LineHeight());
            const int header = static_cast<int>(scene.HeaderHeight());
            const qreal name = InkCentre(image, 3, 3 + line);
            const qreal guest = InkCentre(image, header, header + line);
            QVERIFY(name >= 0 && guest >= 0);
            if (language == ELanguage::Hebrew)
                QVERIFY2(name > 0.5 && guest > 0.5, "right-aligned in Hebrew");
            else
                QVERIFY2(name < 0.5 && guest < 0.5, "left-aligned in English");
        }
        SetUiLanguage(ELanguage::English);
    }

    void otherViewsSelectAndLocateTables()
    {
        MakeTables(3);
        CGuest* dana = AddSeatedGuest(Doc(), "Dana", 2, 2);
        m_view->FlushRefresh();
        Doc().UpdateAllViews(nullptr, HINT_SELECT_TABLE, Doc().GetTableAt(3));
        QCOMPARE(m_view->CurrentTable(), Doc().GetTableAt(3));

        // "Locate table" in the guests view's menu.
        m_gui->Frame().ShowView(VIEW_GUESTS);
        auto* guests = static_cast<CGuestsView*>(m_gui->Frame().ActiveView());
        guests->FlushRefresh();
        int row = -1;
        for (int r = 0; r < guests->Model()->rowCount(); ++r)
            if (guests->Model()->GuestAt(r) == dana)
                row = r;
        QVERIFY(row >= 0);
        PickMenuEntry(QStringLiteral("Locate table"));
        guests->List()->customContextMenuRequested(
            guests->List()->visualRect(guests->Model()->index(row, 1)).center());
        QCOMPARE(m_gui->Frame().ActiveViewCode(), int(VIEW_SEATING));
        QCOMPARE(m_view->CurrentTable(), Doc().GetTableAt(2));
        QCOMPARE(m_view->SelectedGuest(), dana);

        // Selecting a cell tells the other views.
        m_spy.hints.clear();
        QTest::mouseClick(m_view->Canvas()->viewport(), Qt::LeftButton, Qt::NoModifier,
                          m_view->PointOn(Doc().GetTableAt(1), -1));
        QCOMPARE(m_spy.Count(HINT_SELECT_TABLE), 1);
        QCOMPARE(m_spy.hints.back().record, static_cast<CRecord*>(Doc().GetTableAt(1)));
    }

    void searchFindsGuestsAndTables()
    {
        MakeTables(3);
        Doc().GetTableAt(3)->SetName("Work friends");
        AddSeatedGuest(Doc(), "Dana", 2, 1);
        CGuest* danny = AddSeatedGuest(Doc(), "Danny", 1, 3);
        m_view->FlushRefresh();
        auto find = [this](const QString& guest, const QString& table, bool notFound = false)
        {
            m_bench->Fill<CSeatingSearchDialog>(
                [guest, table](CSeatingSearchDialog& search)
                {
                    search.GuestField()->setText(guest);
                    search.TableField()->setText(table);
                });
            if (notFound)
                m_bench->AnswerMessage(QMessageBox::Ok);
            m_view->RunCommand(CFrameView::kCommandSearch);
        };
        find(QStringLiteral("danny"), QString());
        QCOMPARE(m_view->SelectedGuest(), danny);
        find(QString(), QStringLiteral("WORK"));
        QCOMPARE(m_view->CurrentTable(), Doc().GetTableAt(3));
        find(QStringLiteral("Moshe"), QString(), true);
        QCOMPARE(m_bench->LastMessage(), QStringLiteral("This guest was not found"));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void theCellMenuOffersGuestDetailsOnlyWithPeople()
    {
        MakeTables(2);
        CGuest* nobody = AddSeatedGuest(Doc(), "Nobody", 0, 2);
        CGuest* dan = AddSeatedGuest(Doc(), "Dan", 2, 1);
        m_view->FlushRefresh();
        auto entries = [this](const CTable* table)
        {
            m_view->SelectTable(table);
            QMenu menu;
            m_view->BuildCellMenu(menu);
            QStringList texts;
            for (QAction* action : menu.actions())
                texts << action->text();
            return texts;
        };
        QCOMPARE(entries(Doc().GetTableAt(2)), QStringList{"Tables details ..."});
        QCOMPARE(entries(Doc().GetTableAt(1)),
                 (QStringList{"Tables details ...", "Goto guests details"}));
        (void)nobody;
        PickMenuEntry(QStringLiteral("Goto guests details"));
        const QPoint at = m_view->PointOn(Doc().GetTableAt(1), -1);
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at,
                                    m_view->Canvas()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(m_view->Canvas()->viewport(), &menuEvent);
        QCOMPARE(m_gui->Frame().ActiveViewCode(), int(VIEW_GUESTS));
        (void)dan;
    }

    void theBoardGoesToPdfAndPng()
    {
        MakeTables(12);
        for (int i = 0; i < 40; ++i)
            AddSeatedGuest(Doc(), "Guest" + std::to_string(i), 1 + i % 3, i % 13);
        const QString root = QString::fromStdString(m_bench->Root().Path().string());
        const QString pdf = root + QStringLiteral("/board.pdf");
        const QString png = root + QStringLiteral("/board.PNG");
        QVERIFY(m_view->ExportBoardTo(pdf));
        QVERIFY(m_view->ExportBoardTo(png));
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QFile head(pdf);
        QVERIFY(head.open(QIODevice::ReadOnly));
        QCOMPARE(head.read(5), QByteArray("%PDF-"));
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), m_view->Scene()->sceneRect().size().toSize());
        QCOMPARE(image.size(), m_view->Scene()->ImageSize());

        // A folder that does not exist: told, nothing written.
        m_bench->AnswerMessage(QMessageBox::Ok);
        QVERIFY(!m_view->ExportBoardTo(root + QStringLiteral("/missing/board.pdf")));
        QVERIFY(m_bench->LastMessage().startsWith(QStringLiteral("The file")));
    }

    void removedRecordsNeverReachTheBoard()
    {
        MakeTables(3);
        CGuest* dan = AddSeatedGuest(Doc(), "Dan", 2, 3);
        m_view->FlushRefresh();
        m_view->SelectTable(Doc().GetTableAt(3), 0);
        // Another view deletes the table and the guest while the board shows them.
        Doc().RemoveGuest(dan).reset();
        Doc().DeleteTable(Doc().GetTableAt(3));
        QCOMPARE(m_view->SelectedGuest(), nullptr);
        m_view->FlushRefresh();
        QCOMPARE(CellNames().size(), std::size_t(3));
        Doc().ResetTables();
        m_view->FlushRefresh();
        QCOMPARE(CellNames().size(), std::size_t(1));
    }
};

QTEST_MAIN(SeatingViewGuiTest)
#include "SeatingViewGuiTest.moc"
