#include "GuiTestSupport.h"
#include "budget/ExpenseDraft.h"
#include "edits/MoneyEdits.h"
#include "model/Expence.h"
#include "store/NewOrvDoc.h"
#include "support/SpyView.h"
#include "ui/ExpencesView.h"
#include "ui/ExpenseDialog.h"
#include "ui/ExpensesModel.h"
#include "ui/MainFrame.h"
#include "ui/PaymentDialog.h"
#include "ui/ViewCodes.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QtTest>

namespace
{
CPayment Payment(int dollars, bool paid)
{
    CPayment payment;
    payment.SetDollars(dollars);
    payment.SetPaidState(paid ? CPayment::kPaid : CPayment::kNotPaid);
    return payment;
}
} // namespace

class ExpensesViewGuiTest : public QObject, private CViewFixture<CExpencesView>
{
    Q_OBJECT

private:
    void RemoveExpenses()
    {
        while (!Doc().GetExpenses().empty())
        {
            CExpence* expense = Doc().GetExpenses().front().get();
            Doc().UpdateAllViews(nullptr, HINT_EXPENSE_REMOVING, expense);
            Doc().RemoveExpense(expense);
        }
    }

    // The event's expenses replaced by these, each made as the expense dialog makes it.
    void MakeExpenses(const std::vector<std::vector<CPayment>>& expenses)
    {
        RemoveExpenses();
        for (std::size_t i = 0; i < expenses.size(); ++i)
        {
            CExpenseDraft draft;
            draft.name = "E" + std::to_string(i + 1);
            for (const CPayment& payment : expenses[i])
                draft.AddPayment(payment);
            Edits::AddExpense(Doc(), draft, nullptr);
        }
        m_view->FlushRefresh();
        m_spy.hints.clear();
    }

    QString Cell(int row, CExpensesModel::EColumn kind)
    {
        const CExpensesModel& model = *m_view->Model();
        return model.index(row, model.ColumnOf(kind)).data().toString();
    }

private slots:
    void init() { Open(VIEW_EXPENSES); }
    void cleanup() { QCOMPARE(Close(), 0); }

    void addingThroughTheDialogsWithAPayment()
    {
        // A new event's expenses are listed, none paid.
        QCOMPARE(m_view->Model()->rowCount(), 54);
        QCOMPARE(m_view->Model()->columnCount(), 7);
        QCOMPARE(Cell(0, CExpensesModel::kColumnPaid), QStringLiteral("No"));
        QVERIFY2(m_view->SummaryText(CExpencesView::kSummaryShekels).isEmpty(),
                 "English counts dollars only");
        MakeExpenses({});
        QString title;
        m_bench->Answer(
            [&](QDialog& dialog)
            {
                auto& expense = static_cast<CExpenseDialog&>(dialog);
                title = expense.windowTitle();
                expense.NameField()->setText(QStringLiteral("Hall"));
                // "Add Payment" opens the payment dialog, answered next.
                expense.AddPayment();
                expense.SelectSlot(1);
                expense.AddPayment();
                return static_cast<int>(QDialog::Accepted);
            });
        m_bench->Fill<CPaymentDialog>(
            [](CPaymentDialog& payment)
            {
                payment.DollarsField()->setValue(700);
                payment.PaidBox()->setChecked(true);
            });
        m_bench->Fill<CPaymentDialog>([](CPaymentDialog& opened)
                                      { opened.DollarsField()->setValue(300); });
        m_view->AddExpense();
        QCOMPARE(title, QStringLiteral("Add New Expense"));
        QCOMPARE(Doc().GetExpenses().size(), std::size_t(1));
        const CExpence& hall = *Doc().GetExpenses().front();
        QCOMPARE(hall.GetName(), std::string("Hall"));
        QCOMPARE(m_view->SelectedRow(), 0);
        QCOMPARE(Cell(0, CExpensesModel::kColumnPaid), QStringLiteral("Partly"));
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryTotal), QStringLiteral("1000"));
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryPaid), QStringLiteral("700"));
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryLeft), QStringLiteral("300"));
        QCOMPARE(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_EXPENSE_ADDED});

        // Cancel makes nothing.
        m_bench->CancelNext();
        m_view->AddExpense();
        QCOMPARE(Doc().GetExpenses().size(), std::size_t(1));
    }

    void editingClearsAPaymentAndPaidAllPaysTheRest()
    {
        MakeExpenses({{Payment(100, true), Payment(50, false)}, {Payment(10, false)}});
        m_view->SelectRow(0);
        m_bench->Fill<CExpenseDialog>(
            [](CExpenseDialog& expense)
            {
                expense.SelectSlot(0);
                expense.ClearPayment();
            });
        m_view->EditExpense();
        const CExpence* first = Doc().GetExpenses().front().get();
        QCOMPARE(first->GetPaymentCount(), 1);
        QCOMPARE(first->GetDollars(), 50);
        QCOMPARE(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_EXPENSE_CHANGED});

        QMenu menu;
        QList<QAction*> entries = m_view->BuildContextMenu(menu);
        QCOMPARE(entries[2]->text(), QStringLiteral("Paid All"));
        QVERIFY(entries[2]->isEnabled());
        m_view->PayAll();
        QVERIFY(first->IsPaid());
        QCOMPARE(Cell(0, CExpensesModel::kColumnPaid), QStringLiteral("Yes"));
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryPaid), QStringLiteral("50"));
        QMenu again;
        QVERIFY2(!m_view->BuildContextMenu(again)[2]->isEnabled(), "paid already");
    }

    void deletingAsksAndSelectsTheRowThatTookItsPlace()
    {
        MakeExpenses({{}, {}, {}});
        m_view->SelectRow(2);
        m_bench->AnswerMessage(QMessageBox::No);
        m_view->DeleteExpense();
        QCOMPARE(Doc().GetExpenses().size(), std::size_t(3));
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Delete expense?"));

        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteExpense();
        QCOMPARE(m_view->Model()->rowCount(), 2);
        QCOMPARE(m_view->SelectedRow(), 1); // the new last row
        m_view->SelectRow(0);
        m_bench->AnswerMessage(QMessageBox::Yes);
        m_view->DeleteExpense();
        QCOMPARE(Cell(0, CExpensesModel::kColumnName), QStringLiteral("E2"));
        QCOMPARE(Cell(0, CExpensesModel::kColumnNumber), QStringLiteral("1"));
        QCOMPARE(m_view->SelectedRow(), 0);
    }

    void movingAndSortingByDate()
    {
        MakeExpenses({{}, {}, {}});
        Doc().GetExpenses()[0]->SetDate(SDate(2025, 3, 1));
        Doc().GetExpenses()[1]->SetDate(SDate(2024, 1, 1));
        Doc().GetExpenses()[2]->SetDate(SDate(2026, 1, 1));
        m_view->FlushRefresh();

        m_view->SelectRow(0);
        QVERIFY(!m_view->UpButton()->isEnabled());
        m_view->MoveUp();
        QCOMPARE(Cell(0, CExpensesModel::kColumnName), QStringLiteral("E1")); // nothing above
        m_view->MoveDown();
        QCOMPARE(Doc().GetExpenses()[1]->GetName(), std::string("E1"));
        QCOMPARE(m_view->SelectedRow(), 1); // the moved expense stays selected

        // A click on the date header: ascending, then descending; the document keeps its order.
        QHeaderView* header = m_view->List()->horizontalHeader();
        const int dateColumn = m_view->Model()->ColumnOf(CExpensesModel::kColumnDate);
        emit header->sectionClicked(dateColumn);
        QCOMPARE(Cell(0, CExpensesModel::kColumnName), QStringLiteral("E2"));
        QCOMPARE(Cell(2, CExpensesModel::kColumnName), QStringLiteral("E3"));
        emit header->sectionClicked(dateColumn);
        QCOMPARE(Cell(0, CExpensesModel::kColumnName), QStringLiteral("E3"));
        QCOMPARE(Doc().GetExpenses()[0]->GetName(), std::string("E2"));
    }

    void inPlaceEditsTakeOnePaymentAndRefuseMore()
    {
        MakeExpenses({{Payment(10, false)}, {Payment(10, false), Payment(20, true)}});
        QTableView* list = m_view->List();
        const int dollars = m_view->Model()->ColumnOf(CExpensesModel::kColumnDollars);
        list->setCurrentIndex(m_view->Model()->index(0, dollars));
        list->edit(list->currentIndex());
        auto* spin = qobject_cast<QSpinBox*>(m_view->OpenEditor());
        QVERIFY(spin != nullptr);
        QVERIFY(m_view->HasPendingEdit());
        spin->setValue(75);
        m_view->CommitPendingEdit();
        QCOMPARE(Doc().GetExpenses()[0]->GetPayment(0)->GetDollars(), 75);
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryTotal), QStringLiteral("105"));

        // Two payments: the message, and no editor.
        m_bench->AnswerMessage(QMessageBox::Ok);
        list->setCurrentIndex(m_view->Model()->index(1, dollars));
        list->edit(list->currentIndex());
        QVERIFY(m_view->OpenEditor() == nullptr);
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Cannot change this value from here!"));
        QVERIFY(m_bench->LastMessage().contains(QStringLiteral("Edit Expense")));
    }

    void theCalculatorButtonRunsTheFramesCommand()
    {
        Doc().GetAppSettings().SetCalculatorPath("/nonexistent/calculator");
        m_bench->AnswerMessage(QMessageBox::Ok);
        m_view->CalculatorButton()->click();
        QCOMPARE(m_bench->LastTitle(), QStringLiteral("Velloran"));
    }

    void hebrewCountsShekelsAtTheRate()
    {
        QCOMPARE(Close(), 0);
        Open(VIEW_EXPENSES, ELanguage::Hebrew);
        QCOMPARE(m_view->Model()->columnCount(), 8);
        QCOMPARE(m_view->Model()->ColumnOf(CExpensesModel::kColumnShekels),
                 3); // before the dollars: to their right
        RemoveExpenses();
        CPayment payment = Payment(100, true);
        payment.SetShekels(250);
        CExpenseDraft draft;
        draft.AddPayment(payment);
        Edits::AddExpense(Doc(), draft, nullptr);
        Doc().SetDollarRate(3.5);
        m_view->FlushRefresh();
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryTotal), QStringLiteral("600"));
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryDollarsInShekels),
                 QStringLiteral("350"));
        QCOMPARE(m_view->SummaryText(CExpencesView::kSummaryShekels), QStringLiteral("250"));
        QVERIFY2(m_view->Model()
                     ->index(0, 0)
                     .data(Qt::ToolTipRole)
                     .toString()
                     .contains(QStringLiteral("לא ידוע")),
                 "the Hebrew tooltip names the payer");
    }
};

VELLORAN_GUI_TEST_MAIN(ExpensesViewGuiTest)

#include "ExpensesViewGuiTest.moc"
