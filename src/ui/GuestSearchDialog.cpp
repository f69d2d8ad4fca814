#include "ui/GuestSearchDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CGuestSearchDialog::CGuestSearchDialog(const QString& firstName, const QString& familyName,
                                       bool backwards, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_SEARCH_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* guest = new QGroupBox(UiText(IDS_SEARCH_GUEST));
    auto* form = new QFormLayout(guest);
    m_firstName = new QLineEdit(firstName);
    m_familyName = new QLineEdit(familyName);
    form->addRow(UiText(IDS_FIRST_NAME_LABEL), m_firstName);
    form->addRow(UiText(IDS_LAST_NAME_LABEL), m_familyName);
    layout->addWidget(guest);

    const SSearchControls controls = AddSearchControls(*this, *layout, backwards);
    m_forwards = controls.forwards;
    m_backwards = controls.backwards;
    m_find = controls.find;

    connect(m_firstName, &QLineEdit::textChanged, this, &CGuestSearchDialog::UpdateFindButton);
    connect(m_familyName, &QLineEdit::textChanged, this, &CGuestSearchDialog::UpdateFindButton);
    UpdateFindButton();
    m_firstName->selectAll();
    m_firstName->setFocus();
    setMinimumWidth(320);
}

QString CGuestSearchDialog::FirstName() const
{
    return m_firstName->text().trimmed();
}

QString CGuestSearchDialog::FamilyName() const
{
    return m_familyName->text().trimmed();
}

bool CGuestSearchDialog::Backwards() const
{
    return m_backwards->isChecked();
}

bool CGuestSearchDialog::Matches(const QString& firstNameText, const QString& familyNameText,
                                 const QString& firstName, const QString& familyName)
{
    if (firstNameText.isEmpty() && familyNameText.isEmpty())
        return false;
    return firstName.contains(firstNameText, Qt::CaseInsensitive) &&
           familyName.contains(familyNameText, Qt::CaseInsensitive);
}

void CGuestSearchDialog::UpdateFindButton()
{
    m_find->setEnabled(!FirstName().isEmpty() || !FamilyName().isEmpty());
}
