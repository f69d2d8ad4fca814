#pragma once

#include "ui/DocModel.h"

#include <QString>
#include <vector>

class CNewOrvDoc;
class CTable;

// The tables list: one row per table in collection order, the unseated table in row 0, with the
// columns "ID", "Table belonging", "Number in hall", "Seats" and "Num of guests" (people by
// coming count). A table from row 1 on with more people than seats is marked (red).
//
// Rebuild() takes a snapshot of every row, so painting never asks the document again. The model
// keeps table pointers and drops them all when a table goes (HINT_TABLE_DELETING,
// HINT_TABLES_REMOVING, HINT_EVENT_RELOADING); the owning view then rebuilds it.
class CTablesModel : public CDocModel
{
    Q_OBJECT
public:
    enum EColumn
    {
        kColumnId,
        kColumnName,
        kColumnHallNumber,
        kColumnSeats,
        kColumnGuests,
        kColumnCount,
    };

    explicit CTablesModel(CNewOrvDoc& doc, QObject* parent = nullptr);

    // Reads every table again. With the same number of rows the rows change in place (the view
    // keeps its selection and scroll position); otherwise the model is reset.
    void Rebuild();
    void Clear();

    // Null for a row out of range.
    CTable* TableAt(int row) const;
    int RowOf(const CTable* table) const;
    // True when the row's people exceed its seats (never for row 0).
    bool IsOverCapacity(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    struct SRow
    {
        CTable* table = nullptr;
        int id = 0;
        QString name;
        int hallNumber = 0;
        int seats = 0;
        int people = 0;
        bool unseated = false;
        bool over = false;
    };

    std::vector<SRow> m_rows;
};
