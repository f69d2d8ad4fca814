#include "ui/BackupListModel.h"

#include "ui/UiText.h"

#include <QGuiApplication>

CBackupListModel::CBackupListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CBackupListModel::SetBackups(std::vector<SBackupInfo> backups)
{
    beginResetModel();
    m_backups = std::move(backups);
    endResetModel();
}

const SBackupInfo* CBackupListModel::BackupAt(int row) const
{
    if (row < 0 || row >= static_cast<int>(m_backups.size()))
        return nullptr;
    return &m_backups[static_cast<std::size_t>(row)];
}

int CBackupListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_backups.size());
}

int CBackupListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CBackupListModel::data(const QModelIndex& index, int role) const
{
    const SBackupInfo* backup = BackupAt(index.row());
    if (backup == nullptr)
        return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() == kColumnGuests ? QVariant(Qt::AlignTrailing | Qt::AlignVCenter)
                                               : QVariant(Qt::AlignLeading | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column())
    {
    case kColumnMark:
        return QStringLiteral(".");
    case kColumnGuests:
        return backup->guests;
    case kColumnDate:
        // Day first, as the name is written: never reordered by a right-to-left line.
        if (QGuiApplication::isRightToLeft())
            return QChar(0x2066) + ToQt(backup->folder) + QChar(0x2069);
        return ToQt(backup->folder);
    case kColumnEvent:
        return ToQt(backup->eventName);
    default:
        return {};
    }
}

QVariant CBackupListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section)
    {
    case kColumnGuests:
        return UiText(IDS_BACKUP_COLUMN_GUESTS);
    case kColumnDate:
        return UiText(IDS_BACKUP_COLUMN_DATES);
    case kColumnEvent:
        return UiText(IDS_BACKUP_COLUMN_EVENT_NAME);
    default:
        return QString();
    }
}
