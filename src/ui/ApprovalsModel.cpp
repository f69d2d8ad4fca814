#include "ui/ApprovalsModel.h"

#include "model/Guest.h"
#include "platform/NumberText.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

CApprovalsModel::CApprovalsModel(CNewOrvDoc& doc, const ApprovalMap& approvals, bool approved,
                                 QObject* parent)
    : CDocModel(doc, parent)
{
    for (const SApprovalEntry& entry : MatchApprovals(doc, approvals))
    {
        if (!entry.needsAttention || (*entry.coming > 0) != approved)
            continue;
        for (CGuest* guest : entry.guests)
        {
            if (!ApprovalChangesGuest(*guest, *entry.guestCode, *entry.coming))
                continue;
            SRow row;
            row.guest = guest;
            row.name = ToQt(guest->GetDisplayName());
            row.code = ToQt(entry.code);
            row.coming = *entry.coming;
            row.now =
                ToQt(FormatText(LoadString(IDS_APPROVALS_NOW_FORMAT),
                                {guest->GetStatusText(), FormatInt(guest->GetComingCount())}));
            m_rows.push_back(std::move(row));
        }
    }
}

void CApprovalsModel::DropRecords(EUpdateHint hint, CRecord* record)
{
    if (hint != HINT_GUEST_REMOVING && hint != HINT_EVENT_RELOADING)
        return; // tables going take no guest with them
    std::vector<SRow> kept;
    for (SRow& row : m_rows)
        if (hint == HINT_GUEST_REMOVING && static_cast<CRecord*>(row.guest) != record)
            kept.push_back(std::move(row));
    if (kept.size() == m_rows.size())
        return;
    beginResetModel();
    m_rows = std::move(kept);
    endResetModel();
}

CGuest* CApprovalsModel::GuestAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)].guest;
}

int CApprovalsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CApprovalsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CApprovalsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const SRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (index.column())
    {
    case kColumnGuest:
        return row.name;
    case kColumnCode:
        return row.code;
    case kColumnComing:
        return row.coming;
    case kColumnNow:
        return row.now;
    default:
        return {};
    }
}

QVariant CApprovalsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section)
    {
    case kColumnGuest:
        return UiText(IDS_APPROVALS_COLUMN_GUEST);
    case kColumnCode:
        return UiText(IDS_APPROVALS_COLUMN_CODE);
    case kColumnComing:
        return UiText(IDS_APPROVALS_COLUMN_COMING);
    case kColumnNow:
        return UiText(IDS_APPROVALS_COLUMN_NOW);
    default:
        return {};
    }
}
