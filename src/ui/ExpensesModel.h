#pragma once

#include "ui/DocModel.h"

#include <vector>

class CExpence;

// The expenses list: one row per expense, in document order until sorted by date. English: number,
// name, paid state, dollars, date, payments, comments. Hebrew adds the shekels before the dollars
// and the layout mirrors the columns, so the number stands at the right edge. The comments column
// shows the first line followed by "..." when there are more.
//
// It answers data() from the expenses themselves. setData stores through the expense edit
// operation (the editing view being the sender) and emits ExpenseEdited. Rows drop their expense on
// HINT_EXPENSE_REMOVING, and every row on HINT_EVENT_RELOADING.
class CExpensesModel : public CDocModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnNumber,
        kColumnName,
        kColumnPaid,
        kColumnShekels, // Hebrew only
        kColumnDollars,
        kColumnDate,
        kColumnPayments,
        kColumnComments,
    };

    // editor: the view whose edits these are (not told of its own changes).
    CExpensesModel(CNewOrvDoc& doc, IDocView* editor, QObject* parent = nullptr);

    // Every expense in document order.
    void Rebuild();
    // Orders the rows by the expenses' dates (the rows' own order among equal dates kept).
    void SortByDate(bool descending);

    CExpence* ExpenseAt(int row) const;
    int RowOf(const CExpence* expense) const;
    // The column kind shown at a column; the shekels exist in the Hebrew interface only.
    EColumn ColumnKind(int column) const;
    int ColumnOf(EColumn kind) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void ExpenseEdited(CExpence* expense);

protected:
    bool DropsRecordsOn(EUpdateHint hint) const override;
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    QString ToolTip(const CExpence& expense) const;

    IDocView* m_editor;
    std::vector<EColumn> m_columns;
    std::vector<CExpence*> m_rows;
};
