#pragma once

#include "office/ImportedGuest.h"

#include <QAbstractTableModel>
#include <vector>

// The lines an import offers, as the import dialog lists them. The lines are the model's own copy
// (no document record), so no hint concerns them.
class CImportedGuestsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum EColumn : int
    {
        kColumnName,
        kColumnLastName,
        kColumnRelation,
        kColumnGroup,
        kColumnInvited,
        kColumnComing,
        kColumnPhone,
        kColumnEmail,
        kColumnCount,
    };

    using QAbstractTableModel::QAbstractTableModel;

    void SetLines(std::vector<SImportedGuest> lines);
    const std::vector<SImportedGuest>& Lines() const { return m_lines; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<SImportedGuest> m_lines;
};
