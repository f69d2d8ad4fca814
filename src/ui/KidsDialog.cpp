#include "ui/KidsDialog.h"

#include "edits/GuestDetailsEdits.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

CKidsDialog::CKidsDialog(int kids, bool childSeat, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_KIDS_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_kids = new QSpinBox;
    m_kids->setObjectName(QStringLiteral("KidsCount"));
    m_kids->setRange(0, Edits::kMaxGuestCount);
    m_kids->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    m_kids->setValue(kids);
    form->addRow(UiText(IDS_KIDS_COUNT), m_kids);
    layout->addLayout(form);
    m_childSeat = new QCheckBox(UiText(IDS_KIDS_BABY_CHAIR));
    m_childSeat->setObjectName(QStringLiteral("BabyChair"));
    m_childSeat->setChecked(childSeat);
    layout->addWidget(m_childSeat);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_kids->setFocus();
    m_kids->selectAll();
}

int CKidsDialog::Kids() const
{
    m_kids->interpretText();
    return m_kids->value();
}

bool CKidsDialog::ChildSeat() const
{
    return m_childSeat->isChecked();
}
