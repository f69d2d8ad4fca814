#include "ui/RealTimeGuestsModel.h"

#include "model/Guest.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

CRealTimeGuestsModel::CRealTimeGuestsModel(CNewOrvDoc& doc, QObject* parent)
    : CGuestRowsModel(doc, parent)
{
}

void CRealTimeGuestsModel::DropRecords(EUpdateHint hint, CRecord* record)
{
    if (hint == HINT_GUEST_REMOVING || hint == HINT_EVENT_RELOADING)
        CGuestRowsModel::DropRecords(hint, record);
}

void CRealTimeGuestsModel::RefreshCells()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnTotal - 1));
}

void CRealTimeGuestsModel::GuestChanged(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, kColumnTotal - 1));
}

int CRealTimeGuestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnTotal;
}

QVariant CRealTimeGuestsModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.isValid() ? index.row() : -1);
    if (guest == nullptr)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= kColumnCount
                   ? QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter)
                   : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column())
    {
    case kColumnFirstName:
        return ToQt(guest->GetName());
    case kColumnFamilyName:
        return ToQt(guest->GetFamilyName());
    case kColumnCount:
        return guest->IsArrived() ? guest->GetArrivedCount() : guest->GetComingCount();
    case kColumnTable:
    {
        const int place = Doc().HallNumberOfTable(guest->GetTable());
        return place > 0 ? QVariant(place) : QVariant(UiText(IDS_TABLES_NO_VALUE));
    }
    default:
        return {};
    }
}

QVariant CRealTimeGuestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const int titles[kColumnTotal] = {IDS_RT_COLUMN_FIRST_NAME, IDS_RT_COLUMN_LAST_NAME,
                                             IDS_RT_COLUMN_COUNT, IDS_RT_COLUMN_TABLE};
    return section >= 0 && section < kColumnTotal ? UiText(titles[section]) : QVariant();
}
