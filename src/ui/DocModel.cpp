#include "ui/DocModel.h"

#include "store/NewOrvDoc.h"

CDocModel::CDocModel(CNewOrvDoc& doc, QObject* parent) : QAbstractTableModel(parent), m_doc(doc)
{
    m_doc.AddView(this);
}

CDocModel::~CDocModel()
{
    m_doc.RemoveView(this);
}

void CDocModel::OnUpdate(IDocView*, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_REMOVING:
    case HINT_TABLE_DELETING:
    case HINT_GUEST_REMOVING:
        DropRecords(hint, record);
        break;
    case HINT_MEETING_REMOVING:
        DropRemovedRecord(hint, record);
        break;
    default:
        break;
    }
}
