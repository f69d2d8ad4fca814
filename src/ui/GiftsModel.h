#pragma once

#include "ui/GuestRowsModel.h"

#include <vector>

// The gifts list: one row per guest in the order of the guest list, with "ID" (the row number),
// "Guest name", "Gift description", "Comments" (the first line), "Dollars" (Hebrew: "Shekels"
// before it) and "Total for guest" ("%.1f"). Cells are read from the guests whenever they are
// painted, so the list always shows the current data.
//
// The description, the comments (of one line) and the amounts are edited in place: setData
// stores through the gift edit operation (the editing view being the sender) and emits
// GiftEdited. Rows: see CGuestRowsModel; a table going changes nothing here.
class CGiftsModel : public CGuestRowsModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnId,
        kColumnName,
        kColumnDescription,
        kColumnComments,
        kColumnShekels, // Hebrew only
        kColumnDollars,
        kColumnTotal,
    };

    CGiftsModel(CNewOrvDoc& doc, IDocView* editor, QObject* parent = nullptr);

    // Every guest again.
    void Rebuild();
    // Repaints every row (a gift or the rate changed).
    void RefreshRows();

    EColumn ColumnKind(int column) const;
    int ColumnOf(EColumn kind) const;

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void GiftEdited(CGuest* guest);

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    IDocView* m_editor;
    std::vector<EColumn> m_columns;
};
