#include "ui/GuestsTableModel.h"

#include "edits/GuestEdits.h"
#include "model/Guest.h"
#include "ui/UiText.h"

#include <algorithm>

namespace
{
constexpr int kTitleIds[CGuestsTableModel::kColumnCount] = {
    IDS_COLUMN_ID,       IDS_COLUMN_FIRST_NAMES, IDS_COLUMN_LAST_NAME,
    IDS_COLUMN_RELATION, IDS_COLUMN_GROUP,       IDS_COLUMN_INVITATION_SENT,
    IDS_COLUMN_PLANNED,  IDS_COLUMN_ACTUAL,      IDS_COLUMN_STATUS,
};

bool IsNumberColumn(int column)
{
    return column == CGuestsTableModel::kColumnId || column == CGuestsTableModel::kColumnPlanned ||
           column == CGuestsTableModel::kColumnActual;
}
} // namespace

CGuestsTableModel::CGuestsTableModel(CNewOrvDoc& doc, IDocView* editor, QObject* parent)
    : CGuestRowsModel(doc, parent), m_editor(editor)
{
}

void CGuestsTableModel::DropRecords(EUpdateHint hint, CRecord* record)
{
    if (hint != HINT_TABLE_DELETING)
        CGuestRowsModel::DropRecords(hint, record);
}

QString CGuestsTableModel::ColumnTitle(int column)
{
    if (column < 0 || column >= kColumnCount)
        return {};
    return UiText(kTitleIds[column]);
}

bool CGuestsTableModel::Remove(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (!CGuestRowsModel::Remove(guest))
        return false;
    // The running numbers of the lines below moved up.
    if (row < rowCount())
        emit dataChanged(index(row, kColumnId), index(rowCount() - 1, kColumnId));
    return true;
}

void CGuestsTableModel::GuestChanged(const CGuest* guest)
{
    const int row = RowOf(guest);
    if (row >= 0)
        emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

int CGuestsTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CGuestsTableModel::data(const QModelIndex& index, int role) const
{
    const CGuest* guest = GuestAt(index.row());
    if (guest == nullptr)
        return {};
    const int column = index.column();
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(IsNumberColumn(column) ? Qt::AlignTrailing | Qt::AlignVCenter
                                                          : Qt::AlignLeading | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (column)
    {
    case kColumnId:
        return index.row() + 1;
    case kColumnFirstName:
        return ToQt(guest->GetName());
    case kColumnFamilyName:
        return ToQt(guest->GetFamilyName());
    case kColumnRelation:
        return ToQt(guest->GetRelation());
    case kColumnGroup:
        return ToQt(guest->GetGroupName());
    case kColumnInvitationSent:
        if (role == Qt::EditRole)
            return guest->GetInvitationSent();
        return ToQt(CGuest::GetYesNoText(guest->GetInvitationSent()));
    case kColumnPlanned:
        return guest->GetInvitedCount();
    case kColumnActual:
        return guest->GetComingCount();
    case kColumnStatus:
        return ToQt(guest->GetStatusText());
    default:
        return {};
    }
}

bool CGuestsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    CGuest* guest = GuestAt(index.row());
    if (guest == nullptr || role != Qt::EditRole)
        return false;
    using Edits::EGuestField;
    EGuestField field = EGuestField::FirstName;
    switch (index.column())
    {
    case kColumnFirstName:
        field = EGuestField::FirstName;
        break;
    case kColumnFamilyName:
        field = EGuestField::FamilyName;
        break;
    case kColumnRelation:
        field = EGuestField::Relation;
        break;
    case kColumnGroup:
        field = EGuestField::Group;
        break;
    case kColumnInvitationSent:
        field = EGuestField::InvitationSent;
        break;
    case kColumnPlanned:
        field = EGuestField::Invited;
        break;
    case kColumnActual:
        field = EGuestField::Coming;
        break;
    default:
        return false;
    }
    const Edits::GuestFieldValue stored = Edits::IsTextField(field)
                                              ? Edits::GuestFieldValue(FromQt(value.toString()))
                                              : Edits::GuestFieldValue(value.toInt());
    if (Edits::EditGuestField(Doc(), guest, field, stored, m_editor))
    {
        emit dataChanged(index, index);
        emit GuestEdited(guest);
    }
    return true;
}

Qt::ItemFlags CGuestsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != kColumnId && index.column() != kColumnStatus)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant CGuestsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return ColumnTitle(section);
    if (role == Qt::ToolTipRole && section != kColumnId && section != kColumnStatus)
        return UiText(IDS_GUESTS_EDIT_CELL_TIP);
    return {};
}
