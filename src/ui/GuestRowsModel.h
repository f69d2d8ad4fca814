#pragma once

#include "ui/DocModel.h"

#include <vector>

class CGuest;

// The rows of a table model that shows guest lines: pointers to the document's guests, in order.
// A guest's line goes on HINT_GUEST_REMOVING, every line when tables or the event go
// (HINT_TABLE_DELETING, HINT_TABLES_REMOVING, HINT_EVENT_RELOADING: a list of a table's or a
// group's guests is stale then; the owning view refills it). Columns and cells are the derived
// model's.
class CGuestRowsModel : public CDocModel
{
    Q_OBJECT
public:
    explicit CGuestRowsModel(CNewOrvDoc& doc, QObject* parent = nullptr) : CDocModel(doc, parent) {}

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

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    std::vector<CGuest*> m_guests;
};
