#include "ui/GuestListModel.h"

#include "model/Guest.h"
#include "ui/UiText.h"

CGuestListModel::CGuestListModel(CNewOrvDoc& doc, std::vector<EColumn> columns, QObject* parent)
    : CGuestRowsModel(doc, parent), m_columns(std::move(columns))
{
}

int CGuestListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CGuestListModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (guest == nullptr || index.column() >= static_cast<int>(m_columns.size()))
        return {};
    const EColumn column = m_columns[static_cast<std::size_t>(index.column())];
    if (role == Qt::TextAlignmentRole &&
        (column == kComing || column == kInvited || column == kNumber))
        return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (column)
    {
    case kFirstName:
        return ToQt(guest->GetName());
    case kFamilyName:
        return ToQt(guest->GetFamilyName());
    case kGroup:
        return ToQt(guest->GetGroupName());
    case kComing:
        return guest->GetComingCount();
    case kStatus:
        return ToQt(guest->GetStatusText());
    case kNumber:
        return index.row() + 1;
    case kFullName:
        return ToQt(guest->GetDisplayName());
    case kRelation:
        return ToQt(guest->GetRelation());
    case kInvited:
        return guest->GetInvitedCount();
    }
    return {};
}

QVariant CGuestListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole ||
        section >= static_cast<int>(m_columns.size()))
        return {};
    switch (m_columns[static_cast<std::size_t>(section)])
    {
    case kFirstName:
        return UiText(IDS_COLUMN_FIRST_NAMES);
    case kFamilyName:
        return UiText(IDS_COLUMN_LAST_NAME);
    case kGroup:
        return UiText(IDS_COLUMN_GROUP);
    case kComing:
        return UiText(IDS_COLUMN_ACTUAL);
    case kStatus:
        return UiText(IDS_COLUMN_STATUS);
    case kNumber:
        return UiText(IDS_COLUMN_NUM);
    case kFullName:
        return UiText(IDS_COLUMN_GUEST_NAME);
    case kRelation:
        return UiText(IDS_COLUMN_RELATION);
    case kInvited:
        return UiText(IDS_COLUMN_PLANNED);
    }
    return {};
}
