#include "ui/ImportedGuestsModel.h"

#include "platform/StringTable.h"
#include "ui/UiText.h"

namespace
{
constexpr int kHeaderIds[CImportedGuestsModel::kColumnCount] = {
    IDS_IMPORT_COL_NAME,    IDS_IMPORT_COL_LAST_NAME, IDS_IMPORT_COL_RELATION, IDS_IMPORT_COL_GROUP,
    IDS_IMPORT_COL_INVITED, IDS_IMPORT_COL_COMING,    IDS_IMPORT_COL_PHONE,    IDS_IMPORT_COL_EMAIL,
};
} // namespace

void CImportedGuestsModel::SetLines(std::vector<SImportedGuest> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int CImportedGuestsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int CImportedGuestsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CImportedGuestsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SImportedGuest& line = m_lines[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole &&
        (index.column() == kColumnInvited || index.column() == kColumnComing))
        return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column())
    {
    case kColumnName:
        return ToQt(line.firstName);
    case kColumnLastName:
        return ToQt(line.familyName);
    case kColumnRelation:
        return ToQt(line.relation);
    case kColumnGroup:
        return ToQt(line.group);
    case kColumnInvited:
        return line.invited;
    case kColumnComing:
        return line.coming;
    case kColumnPhone:
        return ToQt(line.phone.empty() ? line.mobile : line.phone);
    case kColumnEmail:
        return ToQt(line.email);
    default:
        return {};
    }
}

QVariant CImportedGuestsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumnCount)
        return {};
    return UiText(kHeaderIds[section]);
}
