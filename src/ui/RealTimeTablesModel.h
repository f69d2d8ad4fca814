#pragma once

#include "ui/DocModel.h"

#include <QString>
#include <vector>

class CTable;

// The check-in desk's tables list: the tables from position 1 (the unseated table is never
// listed), with the free seats on the event day (seats minus the people who arrived), the name and
// the place in the hall; with roomLeftOnly, only tables with a free seat. A table with no seat
// left is marked. Rebuild() takes a snapshot of every row; the table pointers are dropped when a
// table goes (HINT_TABLE_DELETING, HINT_TABLES_REMOVING, HINT_EVENT_RELOADING) and the view
// rebuilds.
class CRealTimeTablesModel : public CDocModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnFree,
        kColumnName,
        kColumnPlace,
        kColumnTotal,
    };

    explicit CRealTimeTablesModel(CNewOrvDoc& doc, QObject* parent = nullptr);

    void Rebuild(bool roomLeftOnly);
    CTable* TableAt(int row) const;
    int RowOf(const CTable* table) const;
    int FreeSeatsAt(int row) const;

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
        int free = 0;
        QString name;
        int place = 0;
    };

    std::vector<SRow> m_rows;
};
