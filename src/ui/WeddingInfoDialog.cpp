#include "ui/WeddingInfoDialog.h"

#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace
{
// Key settings of the owner details: first, middle and family name.
const char* const kGroomKeys[] = {"GroumName", "GroomMid", "GroumFamily"};
const char* const kBrideKeys[] = {"BrideName", "BrideMid", "BrideFamily"};
const int kNameLabels[] = {IDS_FIRST_NAME_LABEL, IDS_MIDDLE_NAME_LABEL, IDS_LAST_NAME_LABEL};
constexpr int kWeddingType = 0;

QGroupBox* NameGroup(const QString& title, QLineEdit* (&fields)[3], const CEventSettings& settings,
                     const char* const (&keys)[3])
{
    auto* group = new QGroupBox(title);
    auto* form = new QFormLayout(group);
    for (int i = 0; i < 3; ++i)
    {
        fields[i] = new QLineEdit(ToQt(settings.GetKeySetting(keys[i])));
        form->addRow(UiText(kNameLabels[i]), fields[i]);
    }
    return group;
}
} // namespace

CWeddingInfoDialog::CWeddingInfoDialog(CNewOrvDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_partyOwner(doc.GetSettings().GetEventType() != kWeddingType)
{
    setWindowTitle(UiText(IDS_WEDDING_INFO_TITLE));
    const CEventSettings& settings = doc.GetSettings();
    auto* layout = new QVBoxLayout(this);

    auto* top = new QFormLayout;
    m_eventName = new QLineEdit(ToQt(settings.GetEventName()));
    top->addRow(UiText(IDS_WEDDING_INFO_EVENT_NAME), m_eventName);
    layout->addLayout(top);

    auto* details =
        new QGroupBox(UiText(m_partyOwner ? IDS_DETAILS_PARTY_OWNER : IDS_DETAILS_COUPLE));
    auto* people = new QHBoxLayout(details);
    QGroupBox* groom = NameGroup(UiText(IDS_GROOM_CAPTION), m_groom, settings, kGroomKeys);
    QGroupBox* bride =
        NameGroup(UiText(m_partyOwner ? IDS_SECOND_PERSON_PARTY_OWNER : IDS_SECOND_PERSON_BRIDE),
                  m_bride, settings, kBrideKeys);
    people->addWidget(groom);
    people->addWidget(bride);
    groom->setVisible(!m_partyOwner); // the party owner is kept in the bride's fields
    layout->addWidget(details);

    auto* form = new QFormLayout;
    m_phone = new QLineEdit(ToQt(settings.GetKeySetting("CouplePhone")));
    form->addRow(UiText(IDS_PHONE_NUMBER_LABEL), m_phone);
    m_date = new QDateEdit;
    m_date->setCalendarPopup(true);
    // Right to left, Qt reverses the sections of the format; a date reads left to right in both.
    m_date->setLayoutDirection(Qt::LeftToRight);
    m_date->setDisplayFormat(UiDateFormat());
    const QDate stored(ParseLeadingInt(settings.GetKeySetting("WeddingYear")),
                       ParseLeadingInt(settings.GetKeySetting("WeddingMonth")),
                       ParseLeadingInt(settings.GetKeySetting("WeddingDay")));
    m_date->setDate(stored.isValid() ? stored : QDate::currentDate());
    form->addRow(UiText(IDS_WEDDING_INFO_DATE), m_date);
    layout->addLayout(form);

    auto* approvals = new QGroupBox(UiText(IDS_WEDDING_INFO_APPROVALS));
    auto* approvalsForm = new QFormLayout(approvals);
    m_eventCode = new QLineEdit(ToQt(settings.GetKeySetting("EventCode")));
    approvalsForm->addRow(UiText(IDS_WEDDING_INFO_EVENT_CODE), m_eventCode);
    layout->addWidget(approvals);

    auto* buttons = MakeButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CWeddingInfoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_eventName->setFocus();
}

void CWeddingInfoDialog::accept()
{
    if (m_eventName->text().trimmed().isEmpty())
    {
        AskString(m_doc.GetPrompt(), IDS_ADD_EVENT_MISSING_DETAILS_TEXT, IDS_MISSING_DETAIL_CAPTION,
                  EButtons::Ok);
        m_eventName->setFocus();
        return;
    }
    QDialog::accept();
}

void CWeddingInfoDialog::Apply()
{
    CEventSettings& settings = m_doc.GetSettings();
    const std::string name = FromQt(m_eventName->text().trimmed());
    settings.SetEventName(name);
    if (CEventInfo* event = m_doc.GetActiveEvent())
        event->SetName(name);
    for (int i = 0; i < 3; ++i)
    {
        // The groom's fields are hidden for a party owner; what they hold stays.
        if (!m_partyOwner)
            settings.SetKeySetting(kGroomKeys[i], FromQt(m_groom[i]->text()));
        settings.SetKeySetting(kBrideKeys[i], FromQt(m_bride[i]->text()));
    }
    settings.SetKeySetting("CouplePhone", FromQt(m_phone->text()));
    const QDate date = m_date->date();
    settings.SetKeySetting("WeddingYear", FormatInt(date.year()));
    settings.SetKeySetting("WeddingMonth", FormatInt(date.month()));
    settings.SetKeySetting("WeddingDay", FormatInt(date.day()));
    settings.SetKeySetting("EventCode", FromQt(m_eventCode->text()));

    m_doc.CreateDefaultGroups(settings.GetKeySetting("BrideName"),
                              settings.GetKeySetting("GroumName"));
}
