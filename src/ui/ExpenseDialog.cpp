#include "ui/ExpenseDialog.h"

#include "model/Expence.h"
#include "platform/Language.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/PaymentDialog.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QBrush>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
// The payer texts of "Who pays:", in their order.
const int kPayerIds[] = {IDS_UNKNOWN,
                         IDS_PAYER_GROOM,
                         IDS_PAYER_BRIDE,
                         IDS_PAYER_GROOM_AND_BRIDE,
                         IDS_PAYER_GROOM_PARENTS,
                         IDS_PAYER_BRIDE_PARENTS,
                         IDS_PAYER_BOTH_PARENTS};

// Comments shown in the editor with plain line breaks, stored with the files' "\r\n".
QString CommentsForEditor(const std::string& comments)
{
    return ToQt(comments).remove(QLatin1Char('\r'));
}

std::string CommentsFromEditor(const QString& text)
{
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQt(stored);
}
} // namespace

// --- The payment slots ---------------------------------------------------------------------------

CPaymentSlotsModel::CPaymentSlotsModel(const CExpenseDraft& draft, QObject* parent)
    : QAbstractTableModel(parent), m_draft(draft)
{
    m_columns = {kColumnNumber, kColumnDate};
    if (IsHebrewUi())
        m_columns.push_back(kColumnShekels);
    m_columns.insert(m_columns.end(), {kColumnDollars, kColumnPaid, kColumnComments});
}

void CPaymentSlotsModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

CPaymentSlotsModel::EColumn CPaymentSlotsModel::ColumnKind(int column) const
{
    if (column < 0 || column >= columnCount())
        return kColumnNumber;
    return m_columns[static_cast<std::size_t>(column)];
}

int CPaymentSlotsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_draft.SlotCount() + 2;
}

int CPaymentSlotsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

Qt::ItemFlags CPaymentSlotsModel::flags(const QModelIndex& index) const
{
    if (index.row() >= SeparatorRow())
        return Qt::ItemIsEnabled; // the separator and the total are not slots
    return QAbstractTableModel::flags(index);
}

QVariant CPaymentSlotsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const EColumn kind = ColumnKind(index.column());
    if (role == Qt::TextAlignmentRole)
    {
        if (kind == kColumnDollars || kind == kColumnShekels || kind == kColumnNumber)
            return QVariant::fromValue(Qt::AlignTrailing | Qt::AlignVCenter);
        if (kind == kColumnPaid || kind == kColumnDate)
            return QVariant::fromValue(Qt::AlignCenter);
        return {};
    }
    if (row == TotalRow() && role == Qt::FontRole)
    {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (row == SeparatorRow() && role == Qt::BackgroundRole)
        return QBrush(QPalette().color(QPalette::Mid));
    if (role != Qt::DisplayRole || row == SeparatorRow())
        return {};

    if (row == TotalRow())
    {
        const CExpenseDraft::STotals totals = m_draft.Totals();
        switch (kind)
        {
        case kColumnNumber:
            return UiText(IDS_STAT_TOTAL);
        case kColumnDollars:
            return QVariant::fromValue(totals.dollars);
        case kColumnShekels:
            return QVariant::fromValue(totals.shekels);
        case kColumnPaid:
            return totals.count == 0 ? QVariant()
                                     : QVariant(ToQt(CExpence::GetPaidStateText(totals.paidState)));
        default:
            return {};
        }
    }

    if (kind == kColumnNumber)
        return row + 1;
    const CPayment* payment = m_draft.Slot(row);
    if (payment == nullptr)
        return {};
    switch (kind)
    {
    case kColumnDate:
        return payment->GetDate().IsEmpty()
                   ? QString()
                   : ToQt(CPayment::FormatDate(payment->GetDate(), IsHebrewUi()));
    case kColumnDollars:
        return payment->GetDollars();
    case kColumnShekels:
        return payment->GetShekels();
    case kColumnPaid:
        return UiText(payment->IsPaid() ? IDS_YES : IDS_NO);
    case kColumnComments:
        return ToQt(payment->GetInfo());
    default:
        return {};
    }
}

QVariant CPaymentSlotsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (ColumnKind(section))
    {
    case kColumnNumber:
        return UiText(IDS_COLUMN_NUM);
    case kColumnDate:
        return UiText(IDS_COLUMN_DATE);
    case kColumnShekels:
        return UiText(IDS_EXPENSE_COLUMN_SHEKELS);
    case kColumnDollars:
        return UiText(IsHebrewUi() ? IDS_GIFT_COLUMN_DOLLARS : IDS_PAYMENT_COLUMN_SUM);
    case kColumnPaid:
        return UiText(IDS_EXPENSE_COLUMN_PAID);
    case kColumnComments:
        return UiText(IDS_COLUMN_COMMENTS);
    }
    return {};
}

// --- The dialog ----------------------------------------------------------------------------------

CExpenseDialog::CExpenseDialog(const CExpenseDraft& draft, bool adding, QWidget* parent)
    : QDialog(parent), m_draft(draft)
{
    setWindowTitle(UiText(adding ? IDS_ADD_EXPENSE_TITLE : IDS_EDIT_EXPENSE_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(ToQt(draft.name));
    form->addRow(UiText(IDS_EXPENSE_DETAIL_LABEL), m_name);
    m_comments = MakeTextBox(CommentsForEditor(draft.comments));
    m_comments->setTabChangesFocus(true);
    m_comments->setFixedHeight(m_comments->fontMetrics().lineSpacing() * 4);
    form->addRow(UiText(IDS_COMMENTS_LABEL), m_comments);
    m_payer = new QComboBox;
    for (int id : kPayerIds)
        m_payer->addItem(UiText(id));
    // A payer stored in the other language (or by an older program) is shown as it is.
    const QString payer = ToQt(draft.payer);
    if (m_payer->findText(payer) < 0)
        m_payer->addItem(payer);
    m_payer->setCurrentIndex(m_payer->findText(payer));
    form->addRow(UiText(IDS_WHO_PAYS_LABEL), m_payer);
    layout->addLayout(form);

    m_model = new CPaymentSlotsModel(m_draft, this);
    m_payments = new QTableView;
    m_payments->setObjectName(QStringLiteral("PaymentsList"));
    m_payments->setModel(m_model);
    m_payments->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_payments->setSelectionMode(QAbstractItemView::SingleSelection);
    m_payments->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_payments->verticalHeader()->hide();
    m_payments->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_payments->horizontalHeader()->setStretchLastSection(true);
    m_payments->verticalHeader()->setDefaultSectionSize(m_payments->fontMetrics().height() + 8);
    m_payments->setRowHeight(m_model->SeparatorRow(), 4);
    // Every row shows without scrolling.
    m_payments->setMinimumHeight(m_payments->fontMetrics().height() * 2 +
                                 (m_payments->fontMetrics().height() + 8) * m_draft.SlotCount() +
                                 m_payments->fontMetrics().height() + 24);
    layout->addWidget(new QLabel(UiText(IDS_PAYMENTS_LABEL)));
    layout->addWidget(m_payments, 1);

    m_edit = new QPushButton(UiText(IDS_PAYMENT_EDIT_BUTTON));
    m_add = new QPushButton(UiText(IDS_PAYMENT_ADD_BUTTON));
    m_clear = new QPushButton(UiText(IDS_PAYMENT_CLEAR_BUTTON));
    auto* row = new QHBoxLayout;
    row->addWidget(m_add);
    row->addWidget(m_edit);
    row->addWidget(m_clear);
    row->addStretch();
    layout->addLayout(row);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_edit, &QPushButton::clicked, this, &CExpenseDialog::EditPayment);
    connect(m_add, &QPushButton::clicked, this, &CExpenseDialog::AddPayment);
    connect(m_clear, &QPushButton::clicked, this, &CExpenseDialog::ClearPayment);
    connect(m_payments, &QTableView::doubleClicked, this,
            [this]
            {
                if (m_draft.Slot(SelectedSlot()) != nullptr)
                    EditPayment();
                else
                    AddPayment();
            });
    connect(m_payments->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CExpenseDialog::UpdateButtons);
    setMinimumWidth(560);
    UpdateButtons();
    m_name->setFocus();
    m_name->selectAll();
}

CExpenseDraft CExpenseDialog::Draft() const
{
    CExpenseDraft draft = m_draft;
    draft.name = FromQt(m_name->text());
    draft.comments = CommentsFromEditor(m_comments->toPlainText());
    draft.payer = FromQt(m_payer->currentText());
    return draft;
}

int CExpenseDialog::SelectedSlot() const
{
    const QModelIndex current = m_payments->currentIndex();
    if (!current.isValid() || current.row() >= m_draft.SlotCount())
        return -1;
    return current.row();
}

void CExpenseDialog::SelectSlot(int slot)
{
    if (slot >= 0 && slot < m_draft.SlotCount())
        m_payments->setCurrentIndex(m_model->index(slot, 0));
}

void CExpenseDialog::UpdateButtons()
{
    const int slot = SelectedSlot();
    const bool filled = m_draft.Slot(slot) != nullptr;
    m_edit->setEnabled(filled);
    m_clear->setEnabled(filled);
    m_add->setEnabled(slot >= 0 ? !filled : m_draft.FirstFreeSlot() >= 0);
}

void CExpenseDialog::EditPayment()
{
    const int slot = SelectedSlot();
    const CPayment* payment = m_draft.Slot(slot);
    if (payment == nullptr)
        return;
    CPaymentDialog dialog(*payment, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_draft.SetSlot(slot, dialog.Payment());
    RefreshSlots(slot);
}

void CExpenseDialog::AddPayment()
{
    int slot = SelectedSlot();
    if (slot < 0)
        slot = m_draft.FirstFreeSlot();
    if (slot < 0 || m_draft.Slot(slot) != nullptr)
        return;
    CPayment payment;
    payment.SetDate(SDate::Today());
    CPaymentDialog dialog(payment, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_draft.SetSlot(slot, dialog.Payment());
    RefreshSlots(slot);
}

void CExpenseDialog::ClearPayment()
{
    const int slot = SelectedSlot();
    if (!m_draft.ClearSlot(slot))
        return;
    RefreshSlots(slot);
}

void CExpenseDialog::RefreshSlots(int slot)
{
    m_model->Refresh();
    m_payments->setRowHeight(m_model->SeparatorRow(), 4);
    SelectSlot(slot);
    UpdateButtons();
}
