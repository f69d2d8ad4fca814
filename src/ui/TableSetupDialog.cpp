#include "ui/TableSetupDialog.h"

#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace
{
// Wide enough for a value out of range to reach the check on OK.
constexpr int kSeatsFieldMax = 9999;
} // namespace

CTableSetupDialog::CTableSetupDialog(const Edits::STableSetup& setup, IPrompt& prompt,
                                     QWidget* parent)
    : QDialog(parent), m_prompt(prompt)
{
    setWindowTitle(UiText(IDS_TABLE_SETUP_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* seatsRow = new QHBoxLayout;
    auto* before = new QLabel(UiText(IDS_TABLE_SETUP_EACH_NEW));
    m_seats = new QSpinBox;
    m_seats->setRange(0, kSeatsFieldMax);
    m_seats->setValue(setup.seats);
    before->setBuddy(m_seats);
    seatsRow->addWidget(before);
    seatsRow->addWidget(m_seats);
    seatsRow->addWidget(new QLabel(UiText(IDS_TABLE_SETUP_SEATS)));
    seatsRow->addStretch();
    layout->addLayout(seatsRow);

    m_byHallNumber = new QCheckBox(UiText(IDS_TABLE_SETUP_BY_HALL_NUMBER));
    m_byHallNumber->setChecked(setup.byHallNumber);
    m_hideNotComing = new QCheckBox(UiText(IDS_TABLE_SETUP_HIDE_NOT_COMING));
    m_hideNotComing->setChecked(setup.hideNotComing);
    m_showId = new QCheckBox(UiText(IDS_TABLE_SETUP_SHOW_ID));
    m_showId->setChecked(setup.showId);
    layout->addWidget(m_byHallNumber);
    layout->addWidget(m_hideNotComing);
    layout->addWidget(m_showId);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTableSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_seats->setFocus();
    m_seats->selectAll();
}

Edits::STableSetup CTableSetupDialog::Setup() const
{
    Edits::STableSetup setup;
    setup.seats = m_seats->value();
    setup.byHallNumber = m_byHallNumber->isChecked();
    setup.hideNotComing = m_hideNotComing->isChecked();
    setup.showId = m_showId->isChecked();
    return setup;
}

void CTableSetupDialog::accept()
{
    const int seats = m_seats->value();
    if (seats < CTable::kMinSeats || seats > CTable::kMaxSeats)
    {
        m_prompt.Ask(FormatText(LoadString(IDS_RANGE_INTEGER_TEXT),
                                {FormatInt(CTable::kMinSeats), FormatInt(CTable::kMaxSeats)}),
                     LoadString(IDS_TABLE_SETUP_TITLE), EButtons::Ok);
        m_seats->setFocus();
        m_seats->selectAll();
        return;
    }
    QDialog::accept();
}
