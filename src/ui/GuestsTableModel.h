#pragma once

#include <QAbstractTableModel>
#include <vector>

class CGuest;

// The guests view's list: the guest lines a filter lets through, in collection order, in the nine
// columns of the view (logical order; the header mirrors them in Hebrew). It holds pointers to the
// document's guests and answers data() from them, so scrolling never rebuilds anything; the owning
// view must call Remove() on hint 27 and Clear() on hints 21 and 26, before the guests go.
//
// Editing: setData stores through the guest's setter and emits GuestEdited when the value changed;
// the view tells the other views. The ID column and the status are not editable here.
class CGuestsTableModel : public QAbstractTableModel
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

    explicit CGuestsTableModel(QObject* parent = nullptr);

    void SetGuests(std::vector<CGuest*> guests);
    void Clear() { SetGuests({}); }
    // Appends a line (a guest added elsewhere that passes the filter).
    void Append(CGuest* guest);
    void Remove(const CGuest* guest);
    // Repaints the line of that guest, if shown.
    void GuestChanged(const CGuest* guest);
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;
    const std::vector<CGuest*>& Guests() const { return m_guests; }

    // The header text of a column in the interface language.
    static QString ColumnTitle(int column);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    void GuestEdited(CGuest* guest);

private:
    std::vector<CGuest*> m_guests;
};
