#pragma once

#include "ui/GuestRowsModel.h"

// The check-in desk's guests list: the lines its filter lets through (CArrivalFilter), with first
// name, last name, count (the people expected, the arrived number once arrived) and the place in
// the hall of the line's table ("--" when unseated or not placed). Cells are read from the guests
// themselves, so a seat or count change needs a repaint, never a rebuild (rows: see
// CGuestRowsModel).
class CRealTimeGuestsModel : public CGuestRowsModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnFirstName,
        kColumnFamilyName,
        kColumnCount,
        kColumnTable,
        kColumnTotal,
    };

    explicit CRealTimeGuestsModel(CNewOrvDoc& doc, QObject* parent = nullptr);

    // Repaints every shown line (a table was renumbered, moved or placed elsewhere).
    void RefreshCells();
    // Repaints the line of that guest, if shown.
    void GuestChanged(const CGuest* guest);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    // The guest list stays what it is when tables go: only the table column changes.
    void DropRecords(EUpdateHint hint, CRecord* record) override;
};
