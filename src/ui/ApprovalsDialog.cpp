#include "ui/ApprovalsDialog.h"

#include "ui/ApprovalsModel.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
constexpr int kMinimumWidth = 560;
constexpr int kInitialWidth = 720;
constexpr int kInitialHeight = 620;

QTableView* MakeList(const char* name, CApprovalsModel* model)
{
    QTableView* list = MakeRecordList(name, model, QAbstractItemView::NoSelection);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list->horizontalHeader()->setStretchLastSection(true);
    return list;
}
} // namespace

CApprovalsDialog::CApprovalsDialog(CNewOrvDoc& doc, ApprovalMap approvals, QWidget* parent)
    : QDialog(parent), m_approvals(std::move(approvals))
{
    setWindowTitle(UiText(IDS_APPROVALS_TITLE));
    setMinimumWidth(kMinimumWidth);
    resize(kInitialWidth, kInitialHeight);
    m_approved = new CApprovalsModel(doc, m_approvals, true, this);
    m_canceled = new CApprovalsModel(doc, m_approvals, false, this);

    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(UiText(IDS_APPROVALS_EXPLANATION));
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    auto* approvedLabel = new QLabel(UiText(IDS_APPROVALS_APPROVED_LABEL));
    m_approvedList = MakeList("ApprovedList", m_approved);
    approvedLabel->setBuddy(m_approvedList);
    layout->addWidget(approvedLabel);
    layout->addWidget(m_approvedList, 1);

    auto* canceledLabel = new QLabel(UiText(IDS_APPROVALS_CANCELED_LABEL));
    m_canceledList = MakeList("CanceledList", m_canceled);
    // Every canceled guest comes with 0: the column would say nothing.
    m_canceledList->setColumnHidden(CApprovalsModel::kColumnComing, true);
    canceledLabel->setBuddy(m_canceledList);
    layout->addWidget(canceledLabel);
    layout->addWidget(m_canceledList, 1);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Close);
    m_update =
        buttons->addButton(UiText(IDS_APPROVALS_UPDATE_BUTTON), QDialogButtonBox::AcceptRole);
    m_update->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}
