#include "GuiTestSupport.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "store/NewOrvDoc.h"
#include "ui/GuestsTableModel.h"
#include "ui/GuestsView.h"
#include "ui/MainFrame.h"
#include "ui/TablesModel.h"
#include "ui/TablesView.h"
#include "ui/UndoCommands.h"
#include "ui/ViewCodes.h"

#include <QAction>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTableView>
#include <QTimer>
#include <QtTest>

namespace
{
// What happens between two actions of a user: the event loop runs and waits (the open step
// ends there).
void ReturnToUser()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

std::vector<int> Seating(const CNewOrvDoc& doc)
{
    std::vector<int> tables;
    for (const auto& guest : doc.GetGuests())
        tables.push_back(guest->GetTable());
    return tables;
}

std::vector<std::string> TableNames(const CNewOrvDoc& doc)
{
    std::vector<std::string> names;
    for (const auto& table : doc.GetTables())
        names.push_back(table->GetName());
    return names;
}
} // namespace

class UndoGuiTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<CViewTestSession> m_gui;

    CNewOrvDoc& Doc() { return m_gui->Doc(); }
    CMainFrame& Frame() { return m_gui->Frame(); }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(&Frame(), key, modifiers);
        ReturnToUser();
    }

    // Keys reach the shortcuts of the shown, active window only.
    // Three tables and eight guests of two groups, two of them seated, as a loaded event: no
    // history yet.
    void MakeEvent()
    {
        MakeNumberedTables(Doc(), 3);
        Doc().AddGroup("Family");
        Doc().AddGroup("Friends");
        const char* names[] = {"Dana", "David", "Ada", "Noa", "Yael", "Omer", "Tamar", "Ido"};
        for (int i = 0; i < 8; ++i)
        {
            CGuest* guest = Doc().AddGuest(names[i], i % 2 == 0 ? "Cohen" : "Levi");
            guest->SetGroupName(i < 4 ? "Family" : "Friends");
            guest->SetComingCount(2);
            if (i < 2)
                guest->SetTable(static_cast<std::int16_t>(i + 1));
        }
        Doc().GetUndoHistory().Clear();
        ReturnToUser();
    }

private slots:
    void cleanup() { m_gui.reset(); }

    void anInPlaceEditIsUndoneAndRedoneWithTheKeys()
    {
        m_gui = std::make_unique<CViewTestSession>(VIEW_GUESTS);
        auto* view = m_gui->View<CGuestsView>();
        m_gui->Bench().ShowWindow(Frame());
        MakeEvent();
        view->FlushRefresh();
        QVERIFY(!Frame().UndoCommands().UndoAction()->isEnabled());

        const QModelIndex cell = view->Model()->index(1, CGuestsTableModel::kColumnFirstName);
        view->List()->setCurrentIndex(cell);
        view->List()->edit(cell);
        auto* editor = qobject_cast<QLineEdit*>(view->OpenEditor());
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Danny"));
        QTest::keyClick(editor, Qt::Key_Return);
        ReturnToUser();
        QCOMPARE(Doc().GetGuestAt(1)->GetName(), std::string("Danny"));
        QCOMPARE(Frame().UndoCommands().UndoAction()->text(), QStringLiteral("&Undo Edit guest"));

        Press(Qt::Key_Z);
        QCOMPARE(Doc().GetGuestAt(1)->GetName(), std::string("David"));
        QCOMPARE(view->Model()->index(1, CGuestsTableModel::kColumnFirstName).data().toString(),
                 QStringLiteral("David"));
        QVERIFY(!Frame().UndoCommands().UndoAction()->isEnabled());
        QCOMPARE(Frame().UndoCommands().RedoAction()->text(), QStringLiteral("&Redo Edit guest"));
        QVERIFY(Frame().SaveAction()->isEnabled());

        Press(Qt::Key_Y);
        QCOMPARE(Doc().GetGuestAt(1)->GetName(), std::string("Danny"));
        QCOMPARE(view->Model()->index(1, CGuestsTableModel::kColumnFirstName).data().toString(),
                 QStringLiteral("Danny"));
    }

    // A move through the table's guest list and an arrangement from the view's menu, undone and
    // redone by the keys with the lists following; that each step gives back its exact state is
    // the core's.
    void tableChangesAreUndoneAndRedoneWithTheKeys()
    {
        m_gui = std::make_unique<CViewTestSession>(VIEW_TABLES);
        auto* view = m_gui->View<CTablesView>();
        m_gui->Bench().ShowWindow(Frame());
        MakeEvent();
        view->FlushRefresh();
        const std::vector<int> before = Seating(Doc());
        const std::vector<std::string> tablesBefore = TableNames(Doc());

        // Dana sits at T1; the popup of the table's guest list moves her to T3.
        view->SelectRow(1);
        view->SelectGuestRows({0});
        PickMenuEntry(QStringLiteral("3 (T3)"));
        emit view->GuestsList()->customContextMenuRequested(QPoint(1, 1));
        ReturnToUser();
        QCOMPARE(Doc().GetGuestAt(0)->GetTable(), std::int16_t(3));
        QCOMPARE(view->GuestsList()->model()->rowCount(), 0);
        const std::vector<int> moved = Seating(Doc());
        QCOMPARE(Frame().UndoCommands().UndoAction()->text(),
                 QStringLiteral("&Undo Move to table"));

        m_gui->Bench().AnswerMessage(QMessageBox::Yes);
        FindAction(view->ViewMenu()->actions(), QStringLiteral("All Guests"))->trigger();
        ReturnToUser();
        QVERIFY(TableNames(Doc()) != tablesBefore);
        const int arrangedRows = view->TablesModel()->rowCount();
        QCOMPARE(Frame().UndoCommands().UndoAction()->text(),
                 QStringLiteral("&Undo Automatic arrangement"));

        Press(Qt::Key_Z);
        QCOMPARE(TableNames(Doc()), tablesBefore);
        QCOMPARE(Seating(Doc()), moved);
        view->FlushRefresh();
        QCOMPARE(view->TablesModel()->rowCount(), static_cast<int>(tablesBefore.size()));
        Press(Qt::Key_Z);
        QCOMPARE(Seating(Doc()), before);
        view->FlushRefresh();
        view->SelectRow(1);
        QCOMPARE(view->GuestsList()->model()->rowCount(), 1);

        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Seating(Doc()), moved);
        view->FlushRefresh();
        view->SelectRow(3);
        QCOMPARE(view->GuestsList()->model()->rowCount(), 1);
        Press(Qt::Key_Y);
        view->FlushRefresh();
        QCOMPARE(view->TablesModel()->rowCount(), arrangedRows);
        QCOMPARE(m_gui->Bench().Unanswered(), 0);
    }
};

QTEST_MAIN(UndoGuiTest)
#include "UndoGuiTest.moc"
