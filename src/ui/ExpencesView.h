#pragma once

#include "ui/FrameView.h"

#include <QList>

class CCellEditDelegate;
class CExpence;
class CExpensesModel;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

// The expenses view: the expenses with their payments, the running summary (total in red, left to
// pay in blue; in Hebrew also the shekels, the dollars, the rate and the dollars in shekels), and
// adding, editing, deleting, "Paid All", moving up and down, sorting by date (a click on the date
// header, ascending and descending in turn), in-place edits of the name, the sums and one-line
// comments, and the frame's calculator.
//
// The list is a CExpensesModel over the document's expenses, which drops its rows on the removal
// hints itself. Every change goes through the expense edit operations (budget/ExpenseDraft.h has
// the dialog's rules, budget/ExpenseSummary.h the summary's).
class CExpencesView : public CFrameView
{
    Q_OBJECT
public:
    // The summary's values, by their label.
    enum ESummaryField
    {
        kSummaryShekels,
        kSummaryDollars,
        kSummaryRate,
        kSummaryDollarsInShekels,
        kSummaryTotal,
        kSummaryPaid,
        kSummaryLeft,
        kSummaryFieldCount,
    };

    explicit CExpencesView(CNewOrvDoc& doc, QWidget* parent = nullptr);

    int ViewCode() const override;
    bool IsCommandEnabled(ECommand command) const override;
    void RunCommand(ECommand command) override;
    bool HasPendingEdit() const override;
    void CommitPendingEdit() override;

    void AddExpense();
    void EditExpense();
    void DeleteExpense();
    void PayAll();
    void MoveUp();
    void MoveDown();
    // Ascending and descending in turn.
    void SortByDate();

    // Fills the context menu for the selected expense: "Change Detail", "Delete Expence" and
    // "Paid All" (disabled when it is paid already); returns them in that order.
    QList<QAction*> BuildContextMenu(QMenu& menu);

    int SelectedRow() const;
    void SelectRow(int row);
    CExpence* SelectedExpense() const;
    // The value shown for a summary field; empty for a field the interface does not show.
    QString SummaryText(ESummaryField field) const;
    QLabel* SummaryLabel(ESummaryField field) const;

    QTableView* List() const { return m_list; }
    CExpensesModel* Model() const { return m_model; }
    QWidget* OpenEditor() const;
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }
    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QPushButton* CalculatorButton() const { return m_calculator; }

protected:
    void HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record) override;
    void Refresh(unsigned stale) override;
    void BuildViewMenu(QMenu& menu) override;

private:
    QWidget* BuildSummary();
    void RefreshList();
    void RefreshSummary();
    void UpdateButtons();
    void ShowContextMenu(const QPoint& position);
    // Moves the selected expense one place up (-1) or down (1) in the document's list.
    void MoveBy(int step);
    bool CheckInPlaceEdit(const QModelIndex& index);

    QTableView* m_list;
    CExpensesModel* m_model;
    CCellEditDelegate* m_delegate;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_calculator;
    QLabel* m_summary[kSummaryFieldCount] = {};
    // The rows are sorted by date until the next move up or down.
    bool m_sorted = false;
    bool m_sortDescending = true; // so the first click sorts ascending
};
