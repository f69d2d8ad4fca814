#include "ui/SeatingSearchDialog.h"

#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CSeatingSearchDialog::CSeatingSearchDialog(const QString& guest, const QString& table,
                                           bool backwards, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(UiText(IDS_SEARCH_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    m_guest = new QLineEdit(guest);
    m_table = new QLineEdit(table);
    form->addRow(UiText(IDS_SEARCH_GUEST), m_guest);
    form->addRow(UiText(IDS_SEARCH_TABLE), m_table);
    layout->addLayout(form);

    const SSearchControls controls = AddSearchControls(*this, *layout, backwards);
    m_forwards = controls.forwards;
    m_backwards = controls.backwards;
    m_find = controls.find;

    connect(m_guest, &QLineEdit::textChanged, this, &CSeatingSearchDialog::UpdateFindButton);
    connect(m_table, &QLineEdit::textChanged, this, &CSeatingSearchDialog::UpdateFindButton);
    UpdateFindButton();
    m_guest->selectAll();
    m_guest->setFocus();
    setMinimumWidth(320);
}

QString CSeatingSearchDialog::GuestText() const
{
    return m_guest->text().trimmed();
}

QString CSeatingSearchDialog::TableText() const
{
    return m_table->text().trimmed();
}

bool CSeatingSearchDialog::Backwards() const
{
    return m_backwards->isChecked();
}

void CSeatingSearchDialog::UpdateFindButton()
{
    m_find->setEnabled(!GuestText().isEmpty() || !TableText().isEmpty());
}
