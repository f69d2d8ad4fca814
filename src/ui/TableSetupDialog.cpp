#include "ui/TableSetupDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

namespace
{
constexpr const char* kShowSerialKey = "ShowSerial";
// Wide enough for a value out of range to reach the check on OK.
constexpr int kSeatsFieldMax = 9999;
} // namespace

CTableSetupDialog::CTableSetupDialog(CNewOrvDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
    setWindowTitle(UiText(IDS_TABLE_SETUP_TITLE));
    const CEventSettings& settings = doc.GetSettings();
    auto* layout = new QVBoxLayout(this);

    auto* seatsRow = new QHBoxLayout;
    auto* before = new QLabel(UiText(IDS_TABLE_SETUP_EACH_NEW));
    m_seats = new QSpinBox;
    m_seats->setRange(0, kSeatsFieldMax);
    m_seats->setValue(settings.GetGuestsPerTable());
    before->setBuddy(m_seats);
    seatsRow->addWidget(before);
    seatsRow->addWidget(m_seats);
    seatsRow->addWidget(new QLabel(UiText(IDS_TABLE_SETUP_SEATS)));
    seatsRow->addStretch();
    layout->addLayout(seatsRow);

    m_byHallNumber = new QCheckBox(UiText(IDS_TABLE_SETUP_BY_HALL_NUMBER));
    m_byHallNumber->setChecked(settings.GetArrangeTablesByHallNumber());
    m_hideNotComing = new QCheckBox(UiText(IDS_TABLE_SETUP_HIDE_NOT_COMING));
    m_hideNotComing->setChecked(settings.GetDontShowNonComing());
    m_showId = new QCheckBox(UiText(IDS_TABLE_SETUP_SHOW_ID));
    m_showId->setChecked(settings.GetKeySetting(kShowSerialKey) == "1");
    layout->addWidget(m_byHallNumber);
    layout->addWidget(m_hideNotComing);
    layout->addWidget(m_showId);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // In the interface language, not Qt's.
    buttons->button(QDialogButtonBox::Ok)->setText(UiText(IDS_BUTTON_OK));
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText(IDS_BUTTON_CANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &CTableSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_seats->setFocus();
    m_seats->selectAll();
}

void CTableSetupDialog::accept()
{
    const int seats = m_seats->value();
    if (seats < kMinSeats || seats > kMaxSeats)
    {
        m_doc.GetPrompt().Ask(
            FormatText(LoadString(IDS_RANGE_INTEGER_TEXT),
                       {FormatInt(kMinSeats), FormatInt(kMaxSeats)}),
            LoadString(IDS_TABLE_SETUP_TITLE), EButtons::Ok);
        m_seats->setFocus();
        m_seats->selectAll();
        return;
    }
    QDialog::accept();
}

void CTableSetupDialog::Apply(IDocView* sender)
{
    CEventSettings& settings = m_doc.GetSettings();
    settings.SetGuestsPerTable(static_cast<short>(m_seats->value()));
    // An absent "ShowSerial" reads as off: writing "0" for it is no change to tell the views.
    const bool showedId = settings.GetKeySetting(kShowSerialKey) == "1";
    settings.SetKeySetting(kShowSerialKey, m_showId->isChecked() ? "1" : "0");
    const bool changes[] = {
        settings.SetArrangeTablesByHallNumber(m_byHallNumber->isChecked()),
        settings.SetDontShowNonComing(m_hideNotComing->isChecked()),
        showedId != m_showId->isChecked(),
    };
    for (const bool changed : changes)
        if (changed)
            m_doc.UpdateAllViews(sender, HINT_RECORD_CHANGED);
}
