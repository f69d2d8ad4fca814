#pragma once

#include "online/Approvals.h"
#include "ui/DocModel.h"

#include <QString>
#include <vector>

class CGuest;
class CNewOrvDoc;

// One list of the approvals dialog: the guests whose web answer is new to the guest list, either
// those who approved (a number above 0) or those who canceled (0). Columns: the guest, the guest
// code, the number coming from the site and what the guest list holds now. The rows are a
// snapshot; a guest that leaves the list (HINT_GUEST_REMOVING) or an event reload drops its rows.
class CApprovalsModel : public CDocModel
{
    Q_OBJECT
public:
    enum EColumn
    {
        kColumnGuest,
        kColumnCode,
        kColumnComing,
        kColumnNow,
        kColumnCount,
    };

    CApprovalsModel(CNewOrvDoc& doc, const ApprovalMap& approvals, bool approved,
                    QObject* parent = nullptr);

    CGuest* GuestAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

protected:
    void DropRecords(EUpdateHint hint, CRecord* record) override;

private:
    struct SRow
    {
        CGuest* guest = nullptr;
        QString name;
        QString code;
        int coming = 0;
        QString now;
    };
    std::vector<SRow> m_rows;
};
