#pragma once

#include "store/DocView.h"

#include <QAbstractTableModel>

class CNewOrvDoc;

// The base of the list models over the document's records. It registers with the document itself
// and drops its record pointers on the hints that take records away, before they go, so no view
// has to remember to tell it. Every other hint is the owning view's business (a refresh).
//
// A model is attached after its view (the view is constructed first), so the view still sees
// the rows when a removal hint reaches it.
class CDocModel : public QAbstractTableModel, public IDocView
{
    Q_OBJECT
public:
    explicit CDocModel(CNewOrvDoc& doc, QObject* parent = nullptr);
    ~CDocModel() override;

    void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) final;

protected:
    CNewOrvDoc& Doc() const { return m_doc; }

    // Drops every pointer to a record the hint takes away. Called, whoever sent it, for
    // HINT_EVENT_RELOADING (every record), HINT_TABLES_REMOVING (every table), HINT_TABLE_DELETING
    // and HINT_GUEST_REMOVING (the record given).
    virtual void DropRecords(EUpdateHint hint, CRecord* record) = 0;
    // Drops the pointer to a record of another kind that is about to go (HINT_MEETING_REMOVING
    // with the meeting), whoever sent it. Models that hold no such records leave it alone.
    virtual void DropRemovedRecord(EUpdateHint hint, CRecord* record)
    {
        (void)hint;
        (void)record;
    }

private:
    CNewOrvDoc& m_doc;
};
