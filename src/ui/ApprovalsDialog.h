#pragma once

#include "online/Approvals.h"

#include <QDialog>

class CApprovalsModel;
class CNewOrvDoc;
class QPushButton;
class QTableView;

// "Approvals From Web Site": the guests who approved or canceled their arrival on the vendor's
// site, in two lists, with "Update guests list" (accepts; the caller then runs
// Edits::UpdateGuestsFromApprovals) and "Close". It works on its own copy of the approvals.
class CApprovalsDialog : public QDialog
{
    Q_OBJECT
public:
    CApprovalsDialog(CNewOrvDoc& doc, ApprovalMap approvals, QWidget* parent = nullptr);

    const ApprovalMap& Approvals() const { return m_approvals; }
    QTableView* ApprovedList() const { return m_approvedList; }
    QTableView* CanceledList() const { return m_canceledList; }
    QPushButton* UpdateButton() const { return m_update; }

private:
    ApprovalMap m_approvals;
    CApprovalsModel* m_approved;
    CApprovalsModel* m_canceled;
    QTableView* m_approvedList;
    QTableView* m_canceledList;
    QPushButton* m_update;
};
