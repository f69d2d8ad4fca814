#include "ui/PaymentDialog.h"

#include "budget/ExpenseDraft.h"
#include "platform/Language.h"
#include "ui/CalendarDialog.h"
#include "ui/DialogButtons.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
QSpinBox* MakeAmountField(int value)
{
    auto* field = new QSpinBox;
    field->setRange(0, CExpenseDraft::kMaxPaymentAmount);
    field->setGroupSeparatorShown(true);
    field->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    field->setValue(value);
    return field;
}
} // namespace

CPaymentDialog::CPaymentDialog(const CPayment& payment, QWidget* parent)
    : QDialog(parent), m_payment(payment), m_date(payment.GetDate())
{
    setWindowTitle(UiText(IDS_PAYMENT_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_dollars = MakeAmountField(payment.GetDollars());
    if (IsHebrewUi())
    {
        m_shekels = MakeAmountField(payment.GetShekels());
        form->addRow(UiText(IDS_PAYMENT_SHEKELS_LABEL), m_shekels);
        form->addRow(UiText(IDS_PAYMENT_DOLLARS_LABEL), m_dollars);
    }
    else
        form->addRow(UiText(IDS_PAYMENT_SUM_LABEL), m_dollars);

    m_comments = new QLineEdit(ToQt(payment.GetInfo()));
    form->addRow(UiText(IDS_COMMENTS_LABEL), m_comments);

    m_paid = new QCheckBox(UiText(IDS_PAYMENT_WAS_PAID));
    m_paid->setChecked(payment.IsPaid());
    form->addRow(QString(), m_paid);

    auto* dateRow = new QHBoxLayout;
    m_dateField = new QLineEdit;
    m_dateField->setReadOnly(true);
    m_chooseDate = new QPushButton(UiText(IDS_CHOOSE_DATE_BUTTON));
    dateRow->addWidget(m_dateField, 1);
    dateRow->addWidget(m_chooseDate);
    form->addRow(UiText(IDS_PAYMENT_DATE_LABEL), dateRow);
    layout->addLayout(form);
    ShowDate();

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_chooseDate, &QPushButton::clicked, this, &CPaymentDialog::ChooseDate);
    layout->addWidget(buttons);
    setMinimumWidth(380);
    (m_shekels != nullptr ? m_shekels : m_dollars)->setFocus();
}

void CPaymentDialog::ShowDate()
{
    m_dateField->setText(m_date.IsEmpty() ? UiText(IDS_NO_DATE)
                                          : ToQt(CPayment::FormatDate(m_date, IsHebrewUi())));
}

void CPaymentDialog::ChooseDate()
{
    CCalendarDialog calendar(m_date, this);
    if (CModalSeam::Exec(calendar) != QDialog::Accepted)
        return;
    m_date = calendar.Date();
    ShowDate();
}

CPayment CPaymentDialog::Payment() const
{
    CPayment payment = m_payment;
    m_dollars->interpretText();
    payment.SetDollars(m_dollars->value());
    if (m_shekels != nullptr)
    {
        m_shekels->interpretText();
        payment.SetShekels(m_shekels->value());
    }
    payment.SetInfo(FromQt(m_comments->text()));
    payment.SetPaidState(m_paid->isChecked() ? CPayment::kPaid : CPayment::kNotPaid);
    payment.SetDate(m_date);
    return payment;
}
