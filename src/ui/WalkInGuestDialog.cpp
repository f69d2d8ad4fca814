#include "ui/WalkInGuestDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CWalkInGuestDialog::CWalkInGuestDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(UiText(IDS_RT_ADD_GUEST_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_firstName = new QLineEdit;
    m_firstName->setObjectName(QStringLiteral("WalkInFirstName"));
    m_familyName = new QLineEdit;
    m_familyName->setObjectName(QStringLiteral("WalkInFamilyName"));
    form->addRow(UiText(IDS_RT_ADD_GUEST_NAME_LABEL), m_firstName);
    form->addRow(UiText(IDS_LAST_NAME_LABEL), m_familyName);
    layout->addLayout(form);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    auto update = [this] { m_ok->setEnabled(!FirstName().isEmpty() || !FamilyName().isEmpty()); };
    connect(m_firstName, &QLineEdit::textChanged, this, update);
    connect(m_familyName, &QLineEdit::textChanged, this, update);
    update();
    setMinimumWidth(fontMetrics().averageCharWidth() * 56);
    m_firstName->setFocus();
}

QString CWalkInGuestDialog::FirstName() const
{
    return m_firstName->text().trimmed();
}

QString CWalkInGuestDialog::FamilyName() const
{
    return m_familyName->text().trimmed();
}

void CWalkInGuestDialog::accept()
{
    if (FirstName().isEmpty() && FamilyName().isEmpty())
        return;
    QDialog::accept();
}
