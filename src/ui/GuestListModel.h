#pragma once

#include <QAbstractTableModel>
#include <vector>

class CGuest;

// A read-only list of guest lines with chosen columns (the guests of a group, of a table).
// It holds pointers to the document's guests: the owning view must call Remove() on hint 27 and
// Clear() on hints 21 and 26, before the guests go.
class CGuestListModel : public QAbstractTableModel
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
    };

    explicit CGuestListModel(std::vector<EColumn> columns, QObject* parent = nullptr);

    void SetGuests(std::vector<CGuest*> guests);
    void Clear() { SetGuests({}); }
    void Remove(const CGuest* guest);
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<EColumn> m_columns;
    std::vector<CGuest*> m_guests;
};
