#include "ui/RealTimeTablesModel.h"

#include "model/Table.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

#include <QBrush>
#include <QColor>

namespace
{
// A table with no seat left: dark red text on a light red ground, as the tables view marks one.
const QColor kFullText(0x9c, 0x00, 0x06);
const QColor kFullGround(0xff, 0xc7, 0xce);
} // namespace

CRealTimeTablesModel::CRealTimeTablesModel(CNewOrvDoc& doc, QObject* parent)
    : CDocModel(doc, parent)
{
}

void CRealTimeTablesModel::DropRecords(EUpdateHint hint, CRecord*)
{
    if (hint == HINT_GUEST_REMOVING || m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CRealTimeTablesModel::Rebuild(bool roomLeftOnly)
{
    std::vector<SRow> rows;
    for (const auto& table : Doc().GetTables())
    {
        if (table->GetId() <= 0)
            continue;
        SRow row;
        row.table = table.get();
        row.free = table->GetFreeSeatsOnEventDay();
        if (roomLeftOnly && row.free < 1)
            continue;
        row.name = ToQt(table->GetName());
        row.place = table->GetHallNumber();
        rows.push_back(std::move(row));
    }
    // The same tables: the rows change in place and the list keeps its selection and position.
    const bool same = rows.size() == m_rows.size() &&
                      std::equal(rows.begin(), rows.end(), m_rows.begin(),
                                 [](const SRow& a, const SRow& b) { return a.table == b.table; });
    if (same && !rows.empty())
    {
        m_rows = std::move(rows);
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnTotal - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

CTable* CRealTimeTablesModel::TableAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].table : nullptr;
}

int CRealTimeTablesModel::RowOf(const CTable* table) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].table == table)
            return static_cast<int>(i);
    return -1;
}

int CRealTimeTablesModel::FreeSeatsAt(int row) const
{
    return row >= 0 && row < rowCount() ? m_rows[static_cast<std::size_t>(row)].free : 0;
}

int CRealTimeTablesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CRealTimeTablesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnTotal;
}

QVariant CRealTimeTablesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SRow& row = m_rows[static_cast<std::size_t>(index.row())];
    const bool full = row.free < 1;
    switch (role)
    {
    case Qt::DisplayRole:
        switch (index.column())
        {
        case kColumnFree:
            return row.free;
        case kColumnName:
            return row.name;
        case kColumnPlace:
            return row.place > 0 ? QVariant(row.place) : QVariant(UiText(IDS_TABLES_NO_VALUE));
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        return index.column() == kColumnName
                   ? QVariant()
                   : QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return full ? QVariant(QBrush(kFullText)) : QVariant();
    case Qt::BackgroundRole:
        return full ? QVariant(QBrush(kFullGround)) : QVariant();
    default:
        return {};
    }
}

QVariant CRealTimeTablesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const int titles[kColumnTotal] = {IDS_RT_COLUMN_FREE_SEATS, IDS_RT_COLUMN_TABLE_NAME,
                                             IDS_RT_COLUMN_PLACE};
    return section >= 0 && section < kColumnTotal ? UiText(titles[section]) : QVariant();
}
