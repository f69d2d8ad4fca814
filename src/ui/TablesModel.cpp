#include "ui/TablesModel.h"

#include "model/RecordOwner.h"
#include "model/Table.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

#include <QBrush>
#include <QColor>

namespace
{
// A full table's row: dark red text on a light red ground, readable in both row colours.
const QColor kOverText(0x9c, 0x00, 0x06);
const QColor kOverGround(0xff, 0xc7, 0xce);
} // namespace

CTablesModel::CTablesModel(CNewOrvDoc& doc, QObject* parent) : CDocModel(doc, parent) {}

void CTablesModel::DropRecords(EUpdateHint hint, CRecord*)
{
    if (hint != HINT_GUEST_REMOVING)
        Clear();
}

void CTablesModel::Rebuild()
{
    CNewOrvDoc& doc = Doc();
    std::vector<SRow> rows;
    rows.reserve(static_cast<std::size_t>(doc.GetTableCount()));
    for (const auto& table : doc.GetTables())
    {
        SRow row;
        row.table = table.get();
        row.id = table->GetId();
        row.name = ToQt(table->GetName());
        row.hallNumber = table->GetHallNumber();
        row.seats = table->GetSeats();
        row.people = doc.CountAtTable(row.id, IRecordOwner::kCountComing);
        row.unseated = rows.empty();
        row.over = !row.unseated && row.people > row.seats;
        rows.push_back(std::move(row));
    }
    if (rows.size() == m_rows.size() && !rows.empty())
    {
        m_rows = std::move(rows);
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumnCount - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void CTablesModel::Clear()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

CTable* CTablesModel::TableAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)].table;
}

int CTablesModel::RowOf(const CTable* table) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        if (m_rows[i].table == table)
            return static_cast<int>(i);
    return -1;
}

bool CTablesModel::IsOverCapacity(int row) const
{
    return row >= 0 && row < rowCount() && m_rows[static_cast<std::size_t>(row)].over;
}

int CTablesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CTablesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CTablesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const SRow& row = m_rows[static_cast<std::size_t>(index.row())];
    switch (role)
    {
    case Qt::DisplayRole:
        switch (index.column())
        {
        case kColumnId:
            return row.id;
        case kColumnName:
            return row.name;
        case kColumnHallNumber:
            // 0 is "not mapped", which the unseated table always is.
            return row.unseated || row.hallNumber == 0 ? UiText(IDS_TABLES_NO_VALUE)
                                                       : QVariant(row.hallNumber);
        case kColumnSeats:
            return row.unseated ? UiText(IDS_TABLES_NO_VALUE) : QVariant(row.seats);
        case kColumnGuests:
            return row.people;
        default:
            return {};
        }
    case Qt::TextAlignmentRole:
        if (index.column() == kColumnName)
            return {};
        return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        return row.over ? QVariant(QBrush(kOverText)) : QVariant();
    case Qt::BackgroundRole:
        return row.over ? QVariant(QBrush(kOverGround)) : QVariant();
    default:
        return {};
    }
}

QVariant CTablesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section)
    {
    case kColumnId:
        return UiText(IDS_TABLES_COLUMN_ID);
    case kColumnName:
        return UiText(IDS_TABLES_COLUMN_NAME);
    case kColumnHallNumber:
        return UiText(IDS_TABLES_COLUMN_HALL_NUMBER);
    case kColumnSeats:
        return UiText(IDS_TABLES_COLUMN_SEATS);
    case kColumnGuests:
        return UiText(IDS_TABLES_COLUMN_GUESTS);
    default:
        return {};
    }
}
