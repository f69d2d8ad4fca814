#include "GuiTestSupport.h"
#include "edits/HallEdits.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "seating/HallLayout.h"
#include "store/NewOrvDoc.h"
#include "support/FaultHookGuard.h"
#include "support/SpyView.h"
#include "ui/GanDesignView.h"
#include "ui/HallScene.h"
#include "ui/MainFrame.h"
#include "ui/ModalSeam.h"
#include "ui/ShapeDetailsDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/ViewCodes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QtTest>

namespace
{
std::string ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}
} // namespace

class HallViewGuiTest : public QObject, private CViewFixture<CGanDesignView>
{
    Q_OBJECT

private:
    QWidget* Viewport() { return m_view->Canvas()->viewport(); }

    void MakeTables(int count)
    {
        MakeNumberedTables(Doc(), count);
        m_view->FlushRefresh();
    }

    // The centre of an object on the canvas's viewport.
    QPoint PointOf(const SHallObject& object)
    {
        m_view->FlushRefresh();
        CHallItem* item = m_view->Scene()->ItemOf(object);
        if (item == nullptr)
            return {};
        m_view->Canvas()->ensureVisible(item, 20, 20);
        return m_view->Canvas()->mapFromScene(item->mapToScene(item->PlacedRect().center()));
    }

    // Adds a shape through its button's dialog, named and coloured as given.
    CShape* AddShape(int type, const QString& name)
    {
        m_bench->Fill<CShapeDetailsDialog>(
            [name](CShapeDetailsDialog& details)
            {
                details.TextField()->setPlainText(name);
                details.PickSwatch(3);
            });
        m_view->AddShape(type);
        return Doc().GetShapes().empty() ? nullptr : Doc().GetShapes().back().get();
    }

    QString TempPath(const char* name) const
    {
        return QString::fromStdString((m_bench->Root().Path() / name).string());
    }

private slots:
    void init()
    {
        Open(VIEW_LAYOUT);
        // Shown, so the mouse reaches the board as a hand's would.
        Frame().resize(1400, 900);
        m_bench->ShowWindow(Frame());
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void cleanup() { Close(); }

    void theHelpGoesAtTheFirstClickForGood()
    {
        m_view->FlushRefresh();
        QVERIFY(m_view->IsHelpShown());
        QVERIFY(m_view->HelpOverlay()->text().startsWith(
            QStringLiteral("General help for making hall layout.")));
        MakeTables(1);
        const SHallObject table = SHallObject::Of(Doc().GetTableAt(1));
        QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, PointOf(table));
        QVERIFY(!m_view->IsHelpShown());
        QVERIFY2(m_view->SelectedObjects().empty(), "the click only hid the help");
        QCOMPARE(Doc().GetSettings().GetKeySetting("ShowTablesHelpMsg"), std::string("FALSE"));
        m_view->ShowHelp();
        QTest::keyClick(m_view->Canvas(), Qt::Key_Right);
        QVERIFY(!m_view->IsHelpShown());
    }

    void shapesAreAddedDetailedCopiedAndDeleted()
    {
        m_view->HideHelp();
        CShape* bar = AddShape(CShape::kShapeSquare, QStringLiteral("Main bar\nDrinks"));
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->GetName(), std::string("Main bar\r\nDrinks"));
        QCOMPARE(m_view->CurrentObject(), SHallObject::Of(bar));
        m_bench->CancelNext();
        m_view->AddShape(CShape::kShapeCircle);
        QCOMPARE(Doc().GetShapes().size(), std::size_t(1)); // Cancel adds nothing
        CShape* speaker = AddShape(CShape::kShapeSpeaker, QStringLiteral("Left"));
        // Out of the bar's way (new shapes come at the same place, the newest on top).
        QCOMPARE(m_view->CurrentObject(), SHallObject::Of(speaker));
        m_view->MoveSelection(200, 0);
        QCOMPARE(speaker->GetRect(), SRect(250, 50, 300, 100));

        // Details with "Apply for all shapes from the same class ".
        speaker->SetClass("Bar");
        m_view->SelectObject(SHallObject::Of(bar));
        m_bench->Fill<CShapeDetailsDialog>(
            [](CShapeDetailsDialog& details)
            {
                details.WidthField()->setValue(70);
                details.HeightField()->setValue(40);
                details.ClassField()->setCurrentText(QStringLiteral("Bar"));
                details.SetColour(0x00FF00);
                details.ApplyToClassBox()->setChecked(true);
            });
        QTest::mouseDClick(Viewport(), Qt::LeftButton, Qt::NoModifier,
                           PointOf(SHallObject::Of(bar)));
        QCOMPARE(bar->GetRect(), SRect::FromSize(50, 50, 70, 40));
        QCOMPARE(speaker->GetRect(), SRect::FromSize(250, 50, 70, 40));
        QCOMPARE(speaker->GetColour(), 0x00FF00);

        // Ctrl+C copies the shape; a table is never copied.
        m_view->SelectObject(SHallObject::Of(bar));
        QVERIFY(m_view->CopyAction()->isEnabled());
        QTest::keyClick(m_view->Canvas(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Doc().GetShapes().size(), std::size_t(3));
        CShape* copy = Doc().GetShapes().back().get();
        QCOMPARE(copy->GetRect(), SRect::FromSize(60, 60, 70, 40));
        QCOMPARE(m_view->CurrentObject(), SHallObject::Of(copy));
        MakeTables(1);
        m_view->SelectObject(SHallObject::Of(Doc().GetTableAt(1)));
        QVERIFY(!m_view->CopyAction()->isEnabled());
        m_view->CopyShape();
        QCOMPARE(Doc().GetShapes().size(), std::size_t(3));
        QVERIFY2(!m_view->IsCommandEnabled(CFrameView::kCommandDelete), "tables stay");

        // Delete asks (the question is the core's); the object at the same place becomes current.
        m_view->SelectObject(SHallObject::Of(bar));
        m_bench->AnswerMessage(QMessageBox::Yes);
        QTest::keyClick(m_view->Canvas(), Qt::Key_Delete);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete shape"));
        QCOMPARE(Doc().GetShapes().size(), std::size_t(2));
        QCOMPARE(m_view->CurrentObject(), SHallObject::Of(speaker));
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void objectsMoveWithTheMouseAndTheKeys()
    {
        m_view->HideHelp();
        MakeTables(3);
        CTable* table = Doc().GetTableAt(2);
        const SHallObject object = SHallObject::Of(table);
        const SRect drawn = CHallLayout(Doc()).RectOf(object, m_view->PlanWidth());
        QVERIFY2(table->GetArea().IsEmpty(), "never placed: drawn on the grid");

        // A drag of 30 plan units to the right and 15 down.
        const QPoint from = PointOf(object);
        const QPoint by = m_view->Canvas()->mapFromScene(
                              QPointF(30 * CHallScene::kScale, 15 * CHallScene::kScale)) -
                          m_view->Canvas()->mapFromScene(QPointF(0, 0));
        m_spy.hints.clear();
        QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, from);
        for (int i = 1; i <= 5; ++i)
        {
            const QPoint at = from + by * i / 5;
            QMouseEvent move(QEvent::MouseMove, at, Viewport()->mapToGlobal(at), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Viewport(), &move);
        }
        QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, from + by);
        QCOMPARE(table->GetArea(),
                 SRect(drawn.left + 30, drawn.top + 15, drawn.right + 30, drawn.bottom + 15));
        QCOMPARE(m_spy.Count(HINT_HALL_OBJECT_CHANGED), 1);
        QCOMPARE(m_spy.Count(HINT_SELECT_TABLE), 1); // the other views follow the selection

        // The keys: arrows move by 3, Shift + arrows stretch, + and - grow and shrink by 2.
        const SRect placed = table->GetArea();
        QTest::keyClick(m_view->Canvas(), Qt::Key_Left);
        QCOMPARE(table->GetArea().left, placed.left - 3);
        QTest::keyClick(m_view->Canvas(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(table->GetArea().bottom, placed.bottom + 3);
        QTest::keyClick(m_view->Canvas(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(table->GetArea(),
                 SRect(placed.left - 5, placed.top - 2, placed.right - 1, placed.bottom + 5));
        QTest::keyClick(m_view->Canvas(), Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(table->GetArea(),
                 SRect(placed.left - 3, placed.top, placed.right - 3, placed.bottom + 3));
        // Ctrl keeps the earlier selection: both move.
        CTable* other = Doc().GetTableAt(1);
        QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::ControlModifier,
                          PointOf(SHallObject::Of(other)));
        QCOMPARE(m_view->SelectedObjects().size(), std::size_t(2));
        const SRect before = table->GetArea();
        QTest::keyClick(m_view->Canvas(), Qt::Key_Up);
        QCOMPARE(table->GetArea().top, before.top - 3);
        QVERIFY(!other->GetArea().IsEmpty());

        // "Rest to original size": the grid size, in place.
        m_view->SelectObject(object);
        m_view->RestoreOriginalSize();
        QCOMPARE(table->GetArea().Width(), CHallLayout::kGridTableSize);
    }

    // The plan's items follow a reset at once; the question and the grid are the core's.
    void resetMovesTheItemsAtOnce()
    {
        m_view->HideHelp();
        MakeTables(3);
        CTable* table = Doc().GetTableAt(1);
        // Moved the way another view moves it, so this view hears of it.
        Edits::PlaceHallObjects(Doc(), {{SHallObject::Of(table), SRect(300, 300, 340, 330)}},
                                nullptr);
        m_view->FlushRefresh();
        const auto placedPos = [&]
        { return m_view->Scene()->ItemOf(SHallObject::Of(table))->PlacedPos(); };
        QCOMPARE(placedPos(), QPointF(300 * CHallScene::kScale, 300 * CHallScene::kScale));
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->ResetTables();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Reset tables to original settings"));
        QCOMPARE(placedPos(), QPointF(30 * CHallScene::kScale, 10 * CHallScene::kScale));
    }

    void hallDraftsCarryShapesOnly()
    {
        m_view->HideHelp();
        MakeTables(2);
        AddShape(CShape::kShapeSquare, QStringLiteral("Stage"));
        AddShape(CShape::kShapeCircle, QStringLiteral("Dance floor"));
        const QString draft = TempPath("hall.xml");
        m_bench->AnswerFile(draft);
        m_view->SaveHallDraft();
        QVERIFY(ReadAll(draft).find("Dance floor") != std::string::npos);

        // Another drawing, then the draft back: the plan shows the draft's shapes and the tables
        // (what the draft holds and replaces is the core's).
        AddShape(CShape::kShapeSpeaker, QStringLiteral("Extra"));
        m_bench->AnswerFile(draft);
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->ImportHallDraft();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Import shapes from file"));
        QCOMPARE(Doc().GetShapes().size(), std::size_t(2));
        QCOMPARE(m_view->Scene()->Items().size(), std::size_t(4));
        QCOMPARE(m_bench->Unanswered(), 0);

        // The dialogs look for drafts.
        QStringList filters;
        m_bench->Answer(
            [&filters](QDialog& dialog)
            {
                filters = static_cast<QFileDialog&>(dialog).nameFilters();
                return static_cast<int>(QDialog::Rejected);
            });
        m_view->ImportHallDraft();
        QCOMPARE(filters.value(0), QStringLiteral("Hall draft files (*.xml)"));
        QCOMPARE(Doc().GetShapes().size(), std::size_t(2));
    }

    void thePlanGoesToPdfPngAndThePrinter()
    {
        m_view->HideHelp();
        MakeTables(8);
        AddShape(CShape::kShapeSquare, QStringLiteral("Stage"));
        m_view->SelectObject(SHallObject::Of(Doc().GetTableAt(1)));
        const QString pdf = TempPath("plan.pdf");
        const QString png = TempPath("plan.png");
        QVERIFY(m_view->ExportPlanTo(pdf));
        QVERIFY(m_view->ExportPlanTo(png));
        QVERIFY(ReadAll(pdf).rfind("%PDF-", 0) == 0);
        QVERIFY(QFileInfo(pdf).size() > 1000);
        const QImage image(png);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), m_view->Scene()->sceneRect().size().toSize());
        QVERIFY(!m_view->Scene()->IsPrinting());

        // A write that fails leaves the older file whole (the atomic writer) and says why.
        const std::string olderPdf = ReadAll(pdf);
        {
            CFaultHookGuard faults([](EFileStep step, const std::string&)
                                   { return step == EFileStep::Rename; });
            QString error;
            QVERIFY(!m_view->Scene()->ExportTo(pdf, &error));
            QVERIFY(!error.isEmpty());
            QVERIFY(!m_view->Scene()->ExportTo(png, &error));
        }
        QCOMPARE(ReadAll(pdf), olderPdf);
        QVERIFY(!QImage(png).isNull());
        QVERIFY(!m_view->Scene()->IsPrinting());

        // The file chooser's filter gives a name without a suffix its kind.
        const QString chosen = TempPath("chosen");
        m_bench->Fill<QFileDialog>(
            [chosen](QFileDialog& chooser)
            {
                chooser.selectNameFilter(chooser.nameFilters().value(1));
                emit chooser.filterSelected(chooser.nameFilters().value(1));
                chooser.selectFile(chosen);
            });
        m_view->ExportPlan();
        QVERIFY(!QImage(chosen + QStringLiteral(".png")).isNull());

        // Printing: the print dialog, then the pages on the printer chosen (here a PDF file).
        const QString printed = TempPath("printed.pdf");
        m_bench->Fill<QPrintDialog>(
            [printed](QPrintDialog& print)
            {
                print.printer()->setOutputFormat(QPrinter::PdfFormat);
                print.printer()->setOutputFileName(printed);
            });
        m_view->PrintPlan();
        QVERIFY(ReadAll(printed).rfind("%PDF-", 0) == 0);
        QCOMPARE(m_bench->Unanswered(), 0);
    }

    void otherViewsSelectTablesAndRemovedRecordsGo()
    {
        m_view->HideHelp();
        MakeTables(3);
        CShape* stage = AddShape(CShape::kShapeSquare, QStringLiteral("Stage"));
        Doc().UpdateAllViews(nullptr, HINT_SELECT_TABLE, Doc().GetTableAt(2));
        QCOMPARE(m_view->CurrentObject(), SHallObject::Of(Doc().GetTableAt(2)));

        // Removed by others while the plan shows and selects them.
        Doc().DeleteTable(Doc().GetTableAt(2));
        QVERIFY(!m_view->CurrentObject().IsValid());
        m_view->SelectObject(SHallObject::Of(stage));
        Doc().RemoveShape(stage).reset();
        QVERIFY(!m_view->CurrentObject().IsValid());
        m_view->FlushRefresh();
        QCOMPARE(m_view->Scene()->Items().size(), std::size_t(2));
        Doc().ResetTables();
        m_view->FlushRefresh();
        QCOMPARE(m_view->Scene()->Items().size(), std::size_t(0));

        // Table details from the plan.
        Doc().CreateTable("Family", 5, 10);
        m_view->FlushRefresh();
        m_view->SelectObject(SHallObject::Of(Doc().GetTableAt(1)));
        m_bench->Submit<CTableDetailsDialog>([](CTableDetailsDialog& details)
                                             { details.SeatsField()->setValue(12); });
        m_view->ShowObjectDetails();
        QCOMPARE(Doc().GetTableAt(1)->GetSeats(), 12);
    }
};

QTEST_MAIN(HallViewGuiTest)
#include "HallViewGuiTest.moc"
