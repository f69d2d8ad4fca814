#include "ui/OptimiseConflictsModel.h"

#include "ui/UiText.h"

COptimiseConflictsModel::COptimiseConflictsModel(QObject* parent) : QAbstractTableModel(parent) {}

void COptimiseConflictsModel::SetRows(std::vector<std::pair<QString, QString>> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int COptimiseConflictsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int COptimiseConflictsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant COptimiseConflictsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const auto& row = m_rows[static_cast<std::size_t>(index.row())];
    return index.column() == kColumnGuest ? row.first : row.second;
}

QVariant COptimiseConflictsModel::headerData(int section, Qt::Orientation orientation,
                                             int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return UiText(section == kColumnGuest ? IDS_OPT_COLUMN_GUEST : IDS_OPT_COLUMN_REASON);
}
