#pragma once

#include "budget/ExpenseDraft.h"

#include <QAbstractTableModel>
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

// The payment slots of the expense dialog: one row per slot, a separator row and the "Total" row
// (sums of the filled slots, their paid state and number). English: number, date, sum, paid,
// comments; Hebrew: shekels and dollars instead of the sum.
class CPaymentSlotsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnNumber,
        kColumnDate,
        kColumnShekels, // Hebrew only
        kColumnDollars,
        kColumnPaid,
        kColumnComments,
    };

    explicit CPaymentSlotsModel(const CExpenseDraft& draft, QObject* parent = nullptr);

    // The draft changed: every row again.
    void Refresh();
    int SeparatorRow() const { return m_draft.SlotCount(); }
    int TotalRow() const { return m_draft.SlotCount() + 1; }
    EColumn ColumnKind(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    const CExpenseDraft& m_draft;
    std::vector<EColumn> m_columns;
};

// "Add New Expense" / "Change Existing Expense": "Expence detail:", "Comments:", "Who pays:" and
// the payment slots with "Edit Payment", "Add Payment" and "Clear Payment" (a double click edits a
// filled slot and adds into an empty one). The payments give the expense its amounts, date and
// paid state when the draft is applied.
class CExpenseDialog : public QDialog
{
    Q_OBJECT
public:
    CExpenseDialog(const CExpenseDraft& draft, bool adding, QWidget* parent = nullptr);

    // The draft with the fields as entered.
    CExpenseDraft Draft() const;

    // The selected slot, -1 for none (or the separator and total rows).
    int SelectedSlot() const;
    void SelectSlot(int slot);
    // Through the payment dialog: the selected filled slot; a new payment (dated today) into the
    // selected empty slot or, with none selected, the first empty one; clearing needs no dialog.
    void EditPayment();
    void AddPayment();
    void ClearPayment();

    QLineEdit* NameField() const { return m_name; }
    QPlainTextEdit* CommentsField() const { return m_comments; }
    QComboBox* PayerBox() const { return m_payer; }
    QTableView* PaymentsList() const { return m_payments; }
    CPaymentSlotsModel* PaymentsModel() const { return m_model; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* ClearButton() const { return m_clear; }

private:
    void UpdateButtons();
    // The slots shown again after a change, the slot selected.
    void RefreshSlots(int slot);

    CExpenseDraft m_draft;
    QLineEdit* m_name;
    QPlainTextEdit* m_comments;
    QComboBox* m_payer;
    QTableView* m_payments;
    CPaymentSlotsModel* m_model;
    QPushButton* m_edit;
    QPushButton* m_add;
    QPushButton* m_clear;
};
