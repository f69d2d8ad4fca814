#pragma once

#include "ui/GuestRowsModel.h"

#include <vector>

class CGuest;

// The guests view's list: the guest lines a filter lets through, in collection order, in the nine
// columns of the view (logical order; the header mirrors them in Hebrew). It answers data() from
// the guests themselves, so scrolling never rebuilds anything (rows: see CGuestRowsModel).
//
// Editing: setData stores through the guest edit operation (which announces HINT_GUEST_CHANGED to
// the other views, the editing view being the sender) and emits GuestEdited when the value
// changed. The ID column and the status are not editable here.
class CGuestsTableModel : public CGuestRowsModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnId,
        kColumnFirstName,
        kColumnFamilyName,
        kColumnRelation,
        kColumnGroup,
        kColumnInvitationSent,
        kColumnPlanned,
        kColumnActual,
        kColumnStatus,
        kColumnCount,
    };

    // editor: the view whose edits these are (not told of its own changes).
    CGuestsTableModel(CNewOrvDoc& doc, IDocView* editor, QObject* parent = nullptr);

    bool Remove(const CGuest* guest) override;
    // Repaints the line of that guest, if shown.
    void GuestChanged(const CGuest* guest);

    // The header text of a column in the interface language.
    static QString ColumnTitle(int column);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void GuestEdited(CGuest* guest);

protected:
    // The whole guest list stays what it is when a table goes: only its rows' texts change.
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    IDocView* m_editor;
};
