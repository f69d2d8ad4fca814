#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <utility>
#include <vector>

// The lines an optimised plan could not seat, as the optimisation dialog lists them: the guest's
// name and the reason, as texts taken when the plan was made (the list holds no record).
class COptimiseConflictsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum EColumn
    {
        kColumnGuest,
        kColumnReason,
        kColumnCount,
    };

    explicit COptimiseConflictsModel(QObject* parent = nullptr);

    // (guest, reason) for each line, in order.
    void SetRows(std::vector<std::pair<QString, QString>> rows);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<std::pair<QString, QString>> m_rows;
};
