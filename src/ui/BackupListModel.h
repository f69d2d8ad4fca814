#pragma once

#include "store/EventBackup.h"

#include <QAbstractTableModel>
#include <vector>

// The backups of "Backup and Restore Data", newest first: an unnamed column showing ".", the
// guest count, the date (the folder's name) and the event's name.
class CBackupListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum EColumn
    {
        kColumnMark,
        kColumnGuests,
        kColumnDate,
        kColumnEvent,
        kColumnCount,
    };

    explicit CBackupListModel(QObject* parent = nullptr);

    void SetBackups(std::vector<SBackupInfo> backups);
    const SBackupInfo* BackupAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<SBackupInfo> m_backups;
};
