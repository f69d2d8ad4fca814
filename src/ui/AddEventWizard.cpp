#include "ui/AddEventWizard.h"

#include "platform/Prompt.h"
#include "store/EventTypes.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
const int kStepTitles[] = {IDS_ADD_EVENT_STEP1, IDS_ADD_EVENT_STEP2, IDS_ADD_EVENT_STEP3,
                           IDS_ADD_EVENT_STEP4};
const int kNameLabels[] = {IDS_FIRST_NAME_LABEL, IDS_MIDDLE_NAME_LABEL, IDS_LAST_NAME_LABEL};
constexpr int kFirst = 0;
constexpr int kMiddle = 1;
constexpr int kLast = 2;

QGroupBox* NamesBox(QLineEdit* (&fields)[3])
{
    auto* box = new QGroupBox;
    auto* form = new QFormLayout(box);
    for (int i = 0; i < 3; ++i)
    {
        fields[i] = new QLineEdit;
        form->addRow(UiText(kNameLabels[i]), fields[i]);
    }
    return box;
}
} // namespace

CAddEventWizard::CAddEventWizard(CNewOrvDoc& doc, QWidget* parent) : QWizard(parent), m_doc(doc)
{
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    setButtonText(QWizard::NextButton, UiText(IDS_BUTTON_NEXT));
    setButtonText(QWizard::BackButton, UiText(IDS_BUTTON_PREVIOUS));
    setButtonText(QWizard::FinishButton, UiText(IDS_BUTTON_FINISH));
    setButtonText(QWizard::CancelButton, UiText(IDS_BUTTON_CANCEL));
    setPage(kTypePage, MakeTypePage());
    setPage(kCopyPage, MakeCopyPage());
    setPage(kNamesPage, MakeNamesPage());
    setPage(kGroupsPage, MakeGroupsPage());
    connect(this, &QWizard::currentIdChanged, this, &CAddEventWizard::OnPageChanged);
    setWindowTitle(UiText(IDS_ADD_EVENT_STEP1));
    ApplyType();
}

QWizardPage* CAddEventWizard::MakeTypePage()
{
    auto* page = new QWizardPage;
    auto* form = new QFormLayout(page);
    m_type = new QComboBox;
    for (int type = 0; type < CEventTypes::kTypeCount; ++type)
        m_type->addItem(ToQt(CEventTypes::TypeName(type)));
    m_date = new QDateEdit(QDate::currentDate());
    m_date->setCalendarPopup(true);
    // Right to left, Qt reverses the sections of the format; a date reads left to right in both.
    m_date->setLayoutDirection(Qt::LeftToRight);
    m_date->setDisplayFormat(UiDateFormat());
    form->addRow(UiText(IDS_ADD_EVENT_TYPE_LABEL), m_type);
    form->addRow(UiText(IDS_ADD_EVENT_DATE_LABEL), m_date);
    connect(m_type, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &CAddEventWizard::ApplyType);
    return page;
}

QWizardPage* CAddEventWizard::MakeCopyPage()
{
    auto* page = new QWizardPage;
    auto* layout = new QVBoxLayout(page);
    m_copy = new QRadioButton(UiText(IDS_ADD_EVENT_COPY_DATA));
    m_dontCopy = new QRadioButton(UiText(IDS_ADD_EVENT_DONT_COPY));
    m_dontCopy->setChecked(true);
    auto* choice = new QButtonGroup(page);
    choice->addButton(m_copy);
    choice->addButton(m_dontCopy);
    m_events = new QListWidget;
    for (const auto& event : m_doc.GetEvents())
    {
        if (event->GetName().empty())
            continue; // only named events can be told apart in the list
        auto* item = new QListWidgetItem(ToQt(event->GetName()), m_events);
        item->setData(Qt::UserRole, ToQt(event->GetId()));
    }
    if (m_events->count() > 0)
        m_events->setCurrentRow(0);
    m_copy->setEnabled(m_events->count() > 0);
    m_events->setEnabled(false);
    connect(m_copy, &QRadioButton::toggled, m_events, &QWidget::setEnabled);
    layout->addWidget(m_dontCopy);
    layout->addWidget(m_copy);
    layout->addWidget(m_events);
    return page;
}

QWizardPage* CAddEventWizard::MakeNamesPage()
{
    auto* page = new QWizardPage;
    auto* layout = new QVBoxLayout(page);
    auto* people = new QHBoxLayout;
    m_groomBox = NamesBox(m_groom);
    m_groomBox->setTitle(UiText(IDS_GROOM_CAPTION));
    m_brideBox = NamesBox(m_bride);
    people->addWidget(m_groomBox);
    people->addWidget(m_brideBox);
    layout->addLayout(people);
    auto* form = new QFormLayout;
    m_eventName = new QLineEdit;
    form->addRow(UiText(IDS_EVENT_NAME_LABEL), m_eventName);
    layout->addLayout(form);
    for (QLineEdit* field : {m_groom[kFirst], m_groom[kMiddle], m_groom[kLast], m_bride[kFirst],
                             m_bride[kMiddle], m_bride[kLast]})
        connect(field, &QLineEdit::textChanged, this, &CAddEventWizard::RefillEventName);
    return page;
}

QWizardPage* CAddEventWizard::MakeGroupsPage()
{
    auto* page = new QWizardPage;
    auto* layout = new QVBoxLayout(page);
    m_createGroups = new QRadioButton(UiText(IDS_ADD_EVENT_CREATE_GROUPS));
    m_noGroups = new QRadioButton(UiText(IDS_ADD_EVENT_NO_GROUPS));
    auto* choice = new QButtonGroup(page);
    choice->addButton(m_createGroups);
    choice->addButton(m_noGroups);
    m_createGroups->setChecked(true);
    connect(m_createGroups, &QRadioButton::clicked, this, [this] { m_groupsChoiceTouched = true; });
    connect(m_noGroups, &QRadioButton::clicked, this, [this] { m_groupsChoiceTouched = true; });
    layout->addWidget(m_createGroups);
    layout->addWidget(m_noGroups);
    auto* form = new QFormLayout;
    m_phone = new QLineEdit;
    form->addRow(UiText(IDS_PHONE_NUMBER_LABEL), m_phone);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

void CAddEventWizard::OnPageChanged(int id)
{
    if (id >= kTypePage && id <= kGroupsPage)
        setWindowTitle(UiText(kStepTitles[id]));
    // Copied data bring their own groups: the default then is not to create any.
    if (id == kGroupsPage && !m_groupsChoiceTouched)
        (m_copy->isChecked() ? m_noGroups : m_createGroups)->setChecked(true);
    if (id == kNamesPage)
        (CEventTypes::HasPartyOwner(m_type->currentIndex()) ? m_bride : m_groom)[kFirst]
            ->setFocus();
}

void CAddEventWizard::ApplyType()
{
    const int type = m_type->currentIndex();
    // A party owner is entered in (and stored as) the bride's fields.
    m_groomBox->setVisible(!CEventTypes::HasPartyOwner(type));
    m_brideBox->setTitle(ToQt(CEventTypes::SecondPersonCaption(type)));
    RefillEventName();
}

void CAddEventWizard::RefillEventName()
{
    m_eventName->setText(ToQt(CEventTypes::MakeEventName(
        m_type->currentIndex(), FromQt(m_bride[kFirst]->text().trimmed()),
        FromQt(m_groom[kFirst]->text().trimmed()))));
}

bool CAddEventWizard::validateCurrentPage()
{
    if (currentId() == kNamesPage)
    {
        const bool wedding = !CEventTypes::HasPartyOwner(m_type->currentIndex());
        if (m_bride[kFirst]->text().trimmed().isEmpty() ||
            (wedding && m_groom[kFirst]->text().trimmed().isEmpty()))
        {
            AskString(m_doc.GetPrompt(), IDS_ADD_EVENT_MISSING_DETAILS_TEXT,
                      IDS_MISSING_DETAIL_CAPTION, EButtons::Ok);
            return false;
        }
    }
    return QWizard::validateCurrentPage();
}

SNewEvent CAddEventWizard::Details() const
{
    SNewEvent details;
    details.type = m_type->currentIndex();
    const QDate date = m_date->date();
    details.date = SDate(static_cast<short>(date.year()), static_cast<short>(date.month()),
                         static_cast<short>(date.day()));
    const bool wedding = !CEventTypes::HasPartyOwner(details.type);
    if (wedding)
    {
        details.groomFirstName = FromQt(m_groom[kFirst]->text().trimmed());
        details.groomMiddleName = FromQt(m_groom[kMiddle]->text().trimmed());
        details.groomFamilyName = FromQt(m_groom[kLast]->text().trimmed());
    }
    details.brideFirstName = FromQt(m_bride[kFirst]->text().trimmed());
    details.brideMiddleName = FromQt(m_bride[kMiddle]->text().trimmed());
    details.brideFamilyName = FromQt(m_bride[kLast]->text().trimmed());
    details.phone = FromQt(m_phone->text().trimmed());
    details.eventName = FromQt(m_eventName->text().trimmed());
    if (m_copy->isChecked() && m_events->currentItem() != nullptr)
        details.copyFrom =
            m_doc.FindEvent(FromQt(m_events->currentItem()->data(Qt::UserRole).toString()));
    details.createGroups = m_createGroups->isChecked();
    return details;
}
