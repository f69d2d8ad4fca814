#pragma once

#include "ui/GuestRowsModel.h"

#include <vector>

class CGuest;

// A read-only list of guest lines with chosen columns (the guests of a group, of a table).
// The rows are the base's guest pointers (see CGuestRowsModel for when they are dropped).
class CGuestListModel : public CGuestRowsModel
{
    Q_OBJECT
public:
    enum EColumn
    {
        kFirstName,
        kFamilyName,
        kGroup,
        kComing,
        kStatus,
        kNumber,   // the line's place in the list, from 1
        kFullName, // "Guest name"
        kRelation,
        kInvited,
    };

    CGuestListModel(CNewOrvDoc& doc, std::vector<EColumn> columns, QObject* parent = nullptr);

    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<EColumn> m_columns;
};
