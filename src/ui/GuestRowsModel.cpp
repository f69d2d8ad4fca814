#include "ui/GuestRowsModel.h"

#include "model/Guest.h"

#include <algorithm>

void CGuestRowsModel::DropRecords(EUpdateHint hint, CRecord* record)
{
    if (hint == HINT_GUEST_REMOVING)
        Remove(HintRecord<CGuest>(record));
    else
        Clear();
}

void CGuestRowsModel::SetGuests(std::vector<CGuest*> guests)
{
    beginResetModel();
    m_guests = std::move(guests);
    endResetModel();
}

void CGuestRowsModel::Append(CGuest* guest)
{
    const int row = static_cast<int>(m_guests.size());
    beginInsertRows(QModelIndex(), row, row);
    m_guests.push_back(guest);
    endInsertRows();
}

bool CGuestRowsModel::Remove(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row < 0)
        return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_guests.erase(m_guests.begin() + row);
    endRemoveRows();
    return true;
}

CGuest* CGuestRowsModel::GuestAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_guests.size()))
        return nullptr;
    return m_guests[static_cast<std::size_t>(row)];
}

int CGuestRowsModel::RowOf(const CGuest* guest) const
{
    auto it = std::find(m_guests.begin(), m_guests.end(), guest);
    return it == m_guests.end() ? -1 : static_cast<int>(it - m_guests.begin());
}

int CGuestRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_guests.size());
}
