#pragma once

#include <QAbstractTableModel>
#include <vector>

class CGuest;

// The rows of a table model that shows guest lines: pointers to the document's guests, in order.
// The owning view must call Remove() on hint 27 and Clear() on hints 21 and 26, before the guests
// go. Columns and cells are the derived model's.
class CGuestRowsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit CGuestRowsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void SetGuests(std::vector<CGuest*> guests);
    void Clear() { SetGuests({}); }
    // Appends a line (a guest added elsewhere).
    void Append(CGuest* guest);
    // Removes the guest's line; false when it is not shown.
    virtual bool Remove(const CGuest* guest);
    CGuest* GuestAt(int row) const;
    int RowOf(const CGuest* guest) const;
    const std::vector<CGuest*>& Guests() const { return m_guests; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;

private:
    std::vector<CGuest*> m_guests;
};
