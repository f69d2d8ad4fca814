#include "ui/GuestDetailsPanel.h"

#include "budget/GiftList.h"
#include "edits/GiftEdits.h"
#include "edits/GuestDetailsEdits.h"
#include "edits/GuestEdits.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "store/NewOrvDoc.h"
#include "ui/GiftDialog.h"
#include "ui/Icons.h"
#include "ui/KidsDialog.h"
#include "ui/ModalSeam.h"
#include "ui/RestrictedGuestsDialog.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace
{
constexpr int kTablesPerBlock = 10;
// The status each button stands for.
constexpr int kStatusOfButton[] = {CGuest::kStatusApproved, CGuest::kStatusNotComing,
                                   CGuest::kStatusUnknown};
constexpr int kStatusButtonText[] = {IDS_STATUS_APPROVED, IDS_STATUS_NOT_COMING, IDS_UNKNOWN};

int ButtonOfStatus(int status)
{
    switch (status)
    {
    case CGuest::kStatusApproved:
        return CGuestDetailsPanel::kButtonApproved;
    case CGuest::kStatusNotComing:
        return CGuestDetailsPanel::kButtonNotComing;
    default:
        return CGuestDetailsPanel::kButtonUnknown;
    }
}

// Stored texts keep Windows line breaks; the editor shows plain ones.
QString ForEditor(const std::string& text)
{
    return ToQt(text).remove(QLatin1Char('\r'));
}
std::string FromEditor(const QString& text)
{
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQt(stored);
}

QPlainTextEdit* MakeFieldBox(const char* name, int lines)
{
    auto* box = ::MakeTextBox();
    box->setObjectName(QLatin1String(name));
    box->setTabChangesFocus(true);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * lines + 12);
    return box;
}

QLineEdit* MakeLine(const char* name)
{
    auto* line = new QLineEdit;
    line->setObjectName(QLatin1String(name));
    return line;
}

QSpinBox* MakeCount(const char* name)
{
    auto* spin = new QSpinBox;
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, Edits::kMaxGuestCount);
    spin->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    // Stored when confirmed, not at each digit: typing "10" must not pass through 1, which the
    // counts rule would apply to the other count.
    spin->setKeyboardTracking(false);
    return spin;
}

QPushButton* MakeButton(const char* name, int textId)
{
    auto* button = new QPushButton(UiText(textId));
    button->setObjectName(QLatin1String(name));
    return button;
}

QScrollArea* Scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

void SetText(QLineEdit* line, const QString& text)
{
    if (line->text() != text)
        line->setText(text);
}
void SetText(QPlainTextEdit* box, const QString& text)
{
    if (box->toPlainText() != text)
        box->setPlainText(text);
}
} // namespace

CGuestDetailsPanel::CGuestDetailsPanel(CNewOrvDoc& doc, IDocView* sender, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_sender(sender)
{
    setObjectName(QStringLiteral("GuestDetailsPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_noGuest = new QLabel(UiText(IDS_DETAILS_NO_GUEST));
    m_noGuest->setWordWrap(true);
    layout->addWidget(m_noGuest);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("GuestDetailsPages"));
    m_pages->addTab(Scrolled(BuildGuestPage()), UiText(IDS_DETAILS_PAGE_GUEST));
    m_pages->addTab(Scrolled(BuildMorePage()), UiText(IDS_DETAILS_PAGE_MORE));
    layout->addWidget(m_pages, 1);
    SetGuest(nullptr);
}

QWidget* CGuestDetailsPanel::BuildGuestPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    m_firstName = MakeLine("DetailsFirstName");
    m_familyName = MakeLine("DetailsFamilyName");
    m_phone = MakeLine("DetailsPhone");
    m_mobile = MakeLine("DetailsMobile");
    m_email = MakeLine("DetailsEmail");
    m_email->setInputMethodHints(Qt::ImhEmailCharactersOnly);
    m_address = MakeFieldBox("DetailsAddress", 2);
    m_info = MakeFieldBox("DetailsInfo", 2);
    m_group = new QComboBox;
    m_group->setObjectName(QStringLiteral("DetailsGroup"));
    m_relation = new QComboBox;
    m_relation->setObjectName(QStringLiteral("DetailsRelation"));
    form->addRow(UiText(IDS_DETAILS_NAME), m_firstName);
    form->addRow(UiLine(IDS_DETAILS_LAST_NAME), m_familyName);
    form->addRow(UiText(IDS_DETAILS_PHONE), m_phone);
    form->addRow(UiText(IDS_DETAILS_MOBILE), m_mobile);
    form->addRow(UiText(IDS_DETAILS_EMAIL), m_email);
    form->addRow(UiText(IDS_DETAILS_ADDRESS), m_address);
    form->addRow(UiText(IDS_DETAILS_INFO), m_info);
    form->addRow(UiText(IDS_GROUP_LABEL), m_group);
    form->addRow(UiText(IDS_RELATION_LABEL), m_relation);
    layout->addLayout(form);

    auto* counts = new QGroupBox(UiText(IDS_DETAILS_COUNTS));
    auto* countsForm = new QFormLayout(counts);
    m_invited = MakeCount("DetailsInvited");
    m_coming = MakeCount("DetailsComing");
    countsForm->addRow(UiText(IDS_DETAILS_INVITED), m_invited);
    countsForm->addRow(UiText(IDS_DETAILS_COMING), m_coming);

    auto* status = new QGroupBox(UiText(IDS_COLUMN_STATUS));
    auto* statusLayout = new QVBoxLayout(status);
    m_status = new QButtonGroup(this);
    for (int button : {kButtonApproved, kButtonNotComing, kButtonUnknown})
    {
        auto* radio = new QRadioButton(UiText(kStatusButtonText[button]));
        m_status->addButton(radio, button);
        statusLayout->addWidget(radio);
    }
    auto* countsAndStatus = new QHBoxLayout;
    countsAndStatus->addWidget(counts, 1);
    countsAndStatus->addWidget(status, 1);
    layout->addLayout(countsAndStatus);

    auto* location = new QGroupBox(UiText(IDS_DETAILS_LOCATION_GROUP));
    auto* locationForm = new QFormLayout(location);
    m_table = MakeLine("DetailsTable");
    m_table->setValidator(new QIntValidator(0, std::numeric_limits<std::int16_t>::max(), m_table));
    m_table->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    m_changeTable = MakeButton("ChangeTable", IDS_DETAILS_CHANGE_TABLE);
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(m_table, 1);
    tableRow->addWidget(m_changeTable);
    locationForm->addRow(UiText(IDS_DETAILS_TABLE_NUMBER), tableRow);
    m_location = new QLabel;
    m_location->setObjectName(QStringLiteral("DetailsLocation"));
    locationForm->addRow(UiText(IDS_DETAILS_LOCATION), m_location);
    layout->addWidget(location);

    m_kids = MakeButton("Kids", IDS_DETAILS_KIDS);
    layout->addLayout(MakeButtonRow({m_kids}));
    layout->addStretch();

    for (QLineEdit* line : {m_firstName, m_familyName, m_phone, m_mobile, m_email})
        connect(line, &QLineEdit::editingFinished, this, &CGuestDetailsPanel::CommitTexts);
    for (QPlainTextEdit* box : {m_address, m_info})
        box->installEventFilter(this);
    connect(m_group, &QComboBox::activated, this,
            [this]
            {
                if (Edits::EditGuestField(m_doc, m_guest, Edits::EGuestField::Group,
                                          FromQt(m_group->currentText()), m_sender))
                    Changed();
            });
    connect(m_relation, &QComboBox::activated, this,
            [this]
            {
                if (Edits::EditGuestField(m_doc, m_guest, Edits::EGuestField::Relation,
                                          FromQt(m_relation->currentText()), m_sender))
                    Changed();
            });
    connect(m_invited, &QSpinBox::valueChanged, this,
            [this](int value) { OnCountChanged(false, value); });
    connect(m_coming, &QSpinBox::valueChanged, this,
            [this](int value) { OnCountChanged(true, value); });
    connect(m_status, &QButtonGroup::idClicked, this, &CGuestDetailsPanel::ChooseStatus);
    connect(m_table, &QLineEdit::editingFinished, this, &CGuestDetailsPanel::ApplyTable);
    connect(m_changeTable, &QPushButton::clicked, this,
            [this]
            {
                QMenu menu(this);
                BuildTableMenu(menu);
                QAction* chosen = CModalSeam::ExecMenu(
                    menu, m_changeTable->mapToGlobal(QPoint(0, m_changeTable->height())));
                if (chosen != nullptr)
                    ChooseTable(chosen->data().toInt());
            });
    connect(m_kids, &QPushButton::clicked, this, &CGuestDetailsPanel::EditKids);
    return page;
}

QWidget* CGuestDetailsPanel::BuildMorePage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* gifts = new QGroupBox(UiText(IDS_DETAILS_GIFTS));
    auto* giftsForm = new QFormLayout(gifts);
    m_gift = MakeLine("DetailsGift");
    m_gift->setReadOnly(true);
    m_giftSum = MakeLine("DetailsGiftSum");
    m_giftSum->setReadOnly(true);
    m_giftSum->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    m_addGift = MakeButton("AddGift", IDS_DETAILS_ADD_GIFT);
    giftsForm->addRow(UiText(IDS_DETAILS_GIFT_DESCRIPTION), m_gift);
    giftsForm->addRow(UiText(IDS_DETAILS_GIFT_SUM), m_giftSum);
    giftsForm->addRow(MakeButtonRow({m_addGift}));
    layout->addWidget(gifts);

    auto* invitations = new QGroupBox(UiText(IDS_DETAILS_INVITATIONS));
    auto* invitationsForm = new QFormLayout(invitations);
    m_invitationSent = new QCheckBox(UiText(IDS_DETAILS_INVITATION_SENT));
    m_invitationSent->setObjectName(QStringLiteral("DetailsInvitationSent"));
    m_invitations = MakeCount("DetailsInvitations");
    invitationsForm->addRow(m_invitationSent);
    invitationsForm->addRow(UiText(IDS_DETAILS_INVITATION_COUNT), m_invitations);
    layout->addWidget(invitations);

    auto* approval = new QGroupBox(UiText(IDS_DETAILS_APPROVAL));
    auto* approvalForm = new QFormLayout(approval);
    m_guestCode = new QLabel;
    m_guestCode->setObjectName(QStringLiteral("DetailsGuestCode"));
    m_guestCode->setTextInteractionFlags(Qt::TextSelectableByMouse);
    approvalForm->addRow(UiText(IDS_DETAILS_GUEST_CODE), m_guestCode);
    m_sendApproval = MakeButton("SendApproval", IDS_DETAILS_SEND_APPROVAL);
    m_sendApproval->setIcon(ThemeIcon("mail-send"));
    m_sendApproval->hide(); // until the frame gives the event's details
    approvalForm->addRow(MakeButtonRow({m_sendApproval}));
    layout->addWidget(approval);

    auto* transport = new QGroupBox(UiText(IDS_DETAILS_TRANSPORT));
    auto* transportLayout = new QVBoxLayout(transport);
    m_transport = new QComboBox;
    m_transport->setObjectName(QStringLiteral("DetailsTransport"));
    m_transport->addItem(UiText(IDS_TRANSPORT_NONE));
    m_transport->addItem(UiText(IDS_TRANSPORT_BRIDE));
    m_transport->addItem(UiText(IDS_TRANSPORT_GROOM));
    for (int number = 3; number <= Edits::kTransportCount; ++number)
        m_transport->addItem(ToQt(
            FormatText(LoadString(IDS_TRANSPORT_NUMBER), {FormatInt(number), FormatInt(number)})));
    m_transportHas = new QLabel;
    m_transportHas->setObjectName(QStringLiteral("TransportCount"));
    m_transportWithGuest = new QLabel;
    m_transportWithGuest->setObjectName(QStringLiteral("TransportWithGuest"));
    transportLayout->addWidget(m_transport);
    transportLayout->addWidget(m_transportHas);
    transportLayout->addWidget(m_transportWithGuest);
    layout->addWidget(transport);

    m_restrictions = MakeButton("RestrictionsList", IDS_DETAILS_RESTRICTIONS);
    m_sendSms = MakeButton("SendSms", IDS_DETAILS_SEND_SMS);
    layout->addLayout(MakeButtonRow({m_restrictions, m_sendSms}));
    layout->addStretch();

    connect(m_addGift, &QPushButton::clicked, this, &CGuestDetailsPanel::AddGift);
    connect(m_invitationSent, &QCheckBox::clicked, this,
            [this](bool checked)
            {
                if (Edits::EditGuestField(m_doc, m_guest, Edits::EGuestField::InvitationSent,
                                          checked ? 1 : 0, m_sender))
                    Changed();
            });
    connect(m_invitations, &QSpinBox::valueChanged, this,
            [this](int value)
            {
                if (!m_loading &&
                    Edits::EditGuestField(m_doc, m_guest, Edits::EGuestField::Invitations, value,
                                          m_sender))
                    Changed();
            });
    connect(m_sendApproval, &QPushButton::clicked, this, &CGuestDetailsPanel::SendApprovalMail);
    connect(m_transport, &QComboBox::activated, this, &CGuestDetailsPanel::ChooseTransport);
    connect(m_restrictions, &QPushButton::clicked, this, &CGuestDetailsPanel::EditRestrictions);
    connect(m_sendSms, &QPushButton::clicked, this, &CGuestDetailsPanel::SendSms);
    return page;
}

void CGuestDetailsPanel::SetApprovalMailSource(std::function<SApprovalMailInfo()> source)
{
    m_approvalSource = std::move(source);
    m_sendApproval->setVisible(static_cast<bool>(m_approvalSource));
}

QRadioButton* CGuestDetailsPanel::StatusButton(int button) const
{
    return static_cast<QRadioButton*>(m_status->button(button));
}

// --- The guest shown -----------------------------------------------------------------------------

void CGuestDetailsPanel::SetGuest(CGuest* guest)
{
    if (guest != m_guest)
        CommitPendingEdit();
    m_guest = guest;
    Reload();
}

void CGuestDetailsPanel::DropGuest()
{
    m_guest = nullptr;
    Reload();
}

void CGuestDetailsPanel::FillChoices()
{
    // The guest's own value stays choosable even when no group or relation word has it.
    m_group->clear();
    for (const auto& group : m_doc.GetGroups())
        m_group->addItem(ToQt(group->GetName()));
    m_relation->clear();
    m_relation->addItems({QString(), UiText(IDS_RELATION_BRIDE), UiText(IDS_RELATION_GROOM),
                          UiText(IDS_RELATION_MUTUAL)});
    if (m_guest == nullptr)
        return;
    const QString group = ToQt(m_guest->GetGroupName());
    if (m_group->findText(group) < 0)
        m_group->insertItem(0, group);
    m_group->setCurrentIndex(m_group->findText(group));
    const QString relation = ToQt(m_guest->GetRelation());
    if (m_relation->findText(relation) < 0)
        m_relation->addItem(relation);
    m_relation->setCurrentIndex(m_relation->findText(relation));
}

void CGuestDetailsPanel::Reload()
{
    m_loading = true;
    const CGuest* guest = m_guest;
    m_noGuest->setVisible(guest == nullptr);
    m_pages->setEnabled(guest != nullptr);
    FillChoices();
    auto text = [guest](const std::string& (CGuest::*get)() const)
    { return guest != nullptr ? ToQt((guest->*get)()) : QString(); };
    SetText(m_firstName, text(&CGuest::GetName));
    SetText(m_familyName, text(&CGuest::GetFamilyName));
    SetText(m_phone, text(&CGuest::GetPhone));
    SetText(m_mobile, text(&CGuest::GetMobile));
    SetText(m_email, text(&CGuest::GetEmail));
    SetText(m_address, guest != nullptr ? ForEditor(guest->GetAddress()) : QString());
    SetText(m_info, guest != nullptr ? ForEditor(guest->GetInfo()) : QString());
    for (QLineEdit* line : {m_firstName, m_familyName, m_phone, m_mobile, m_email})
        line->setModified(false);
    m_address->document()->setModified(false);
    m_info->document()->setModified(false);
    m_invited->setValue(guest != nullptr ? guest->GetInvitedCount() : 0);
    m_coming->setValue(guest != nullptr ? guest->GetComingCount() : 0);
    ShowStatus(ButtonOfStatus(guest != nullptr ? guest->GetStatus() : CGuest::kStatusUnknown));
    m_tableShown = guest != nullptr ? guest->GetTable() : 0;
    m_table->setText(guest != nullptr ? QString::number(m_tableShown) : QString());
    ShowLocation();
    ShowGift();
    m_invitationSent->setChecked(guest != nullptr && guest->GetInvitationSent());
    m_invitations->setValue(guest != nullptr ? guest->GetInvitations() : 0);
    m_guestCode->setText(guest != nullptr ? QString::number(guest->GetUniqueId()) : QString());
    const int transport =
        guest != nullptr ? std::clamp(guest->GetTransportation(), 0, Edits::kTransportCount) : 0;
    m_transport->setCurrentIndex(transport);
    const Edits::STransportCounts counts = guest != nullptr
                                               ? Edits::TransportCounts(m_doc, *guest, transport)
                                               : Edits::STransportCounts();
    ShowTransportCounts(counts.already, counts.withGuest);
    m_loading = false;
}

void CGuestDetailsPanel::ShowStatus(int button)
{
    m_statusButton = button;
    m_status->button(button)->setChecked(true);
    m_coming->setEnabled(button != kButtonNotComing);
}

void CGuestDetailsPanel::ShowLocation()
{
    const CTable* table = m_guest != nullptr ? m_doc.FindTableById(m_guest->GetTable()) : nullptr;
    if (m_guest == nullptr)
        m_location->clear();
    else if (table == nullptr || table->GetHallNumber() <= 0)
        m_location->setText(UiText(IDS_DETAILS_NOT_PLACED));
    else
        m_location->setText(QString::number(table->GetHallNumber()));
}

void CGuestDetailsPanel::ShowGift()
{
    if (m_guest == nullptr)
    {
        m_gift->clear();
        m_giftSum->clear();
        return;
    }
    m_gift->setText(ToQt(m_guest->GetGift()));
    m_giftSum->setText(ToQt(FormatFixed(CGiftList::TotalForGuest(*m_guest), 1)));
}

void CGuestDetailsPanel::ShowTransportCounts(int already, int withGuest)
{
    const bool none = m_transport->currentIndex() <= 0 || m_guest == nullptr;
    m_transportHas->setVisible(!none);
    m_transportWithGuest->setVisible(!none);
    m_transportHas->setText(
        none ? QString()
             : ToQt(FormatText(LoadString(IDS_DETAILS_TRANSPORT_HAS), {FormatInt(already)})));
    m_transportWithGuest->setText(
        none ? QString()
             : ToQt(FormatText(LoadString(IDS_DETAILS_TRANSPORT_WITH_GUEST),
                               {FormatInt(withGuest)})));
}

void CGuestDetailsPanel::Changed()
{
    if (m_guest != nullptr)
        emit GuestEdited(m_guest);
}

// --- Texts ---------------------------------------------------------------------------------------

bool CGuestDetailsPanel::HasPendingEdit() const
{
    if (m_guest == nullptr)
        return false;
    for (const QLineEdit* line : {m_firstName, m_familyName, m_phone, m_mobile, m_email})
        if (line->isModified())
            return true;
    return m_address->document()->isModified() || m_info->document()->isModified() ||
           m_invited->cleanText() != QString::number(m_invited->value()) ||
           m_coming->cleanText() != QString::number(m_coming->value()) ||
           m_invitations->cleanText() != QString::number(m_invitations->value()) ||
           m_table->text() != QString::number(m_tableShown);
}

void CGuestDetailsPanel::CommitPendingEdit()
{
    CommitTexts();
    CommitNumbers();
}

void CGuestDetailsPanel::CommitTexts()
{
    // Only what the user typed since the guest was shown: a field left alone never writes its
    // (possibly older) text over a change made elsewhere.
    if (m_guest == nullptr || m_loading)
        return;
    bool changed = false;
    if (m_firstName->isModified() || m_familyName->isModified())
    {
        changed = Edits::SetGuestNames(m_doc, m_guest, FromQt(m_firstName->text()),
                                       FromQt(m_familyName->text()), m_sender);
        // The fields show the trimmed names that were stored.
        m_firstName->setText(ToQt(m_guest->GetName()));
        m_familyName->setText(ToQt(m_guest->GetFamilyName()));
    }
    const std::pair<QLineEdit*, Edits::EGuestField> lines[] = {
        {m_phone, Edits::EGuestField::Phone},
        {m_mobile, Edits::EGuestField::Mobile},
        {m_email, Edits::EGuestField::Email},
    };
    for (const auto& [line, field] : lines)
    {
        if (!line->isModified())
            continue;
        changed =
            Edits::EditGuestField(m_doc, m_guest, field, FromQt(line->text()), m_sender) || changed;
        line->setModified(false);
    }
    const std::pair<QPlainTextEdit*, Edits::EGuestField> boxes[] = {
        {m_address, Edits::EGuestField::Address},
        {m_info, Edits::EGuestField::Info},
    };
    for (const auto& [box, field] : boxes)
    {
        if (!box->document()->isModified())
            continue;
        changed = Edits::EditGuestField(m_doc, m_guest, field, FromEditor(box->toPlainText()),
                                        m_sender) ||
                  changed;
        box->document()->setModified(false);
    }
    if (changed)
        Changed();
}

void CGuestDetailsPanel::CommitNumbers()
{
    if (m_guest == nullptr || m_loading)
        return;
    // Each emits valueChanged when its typed text differs from its value.
    for (QSpinBox* spin : {m_invited, m_coming, m_invitations})
        spin->interpretText();
    if (m_table->text() != QString::number(m_tableShown))
        ApplyTable();
}

bool CGuestDetailsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_address || watched == m_info))
        CommitTexts();
    return QWidget::eventFilter(watched, event);
}

// --- Counts and status ---------------------------------------------------------------------------

void CGuestDetailsPanel::OnCountChanged(bool coming, int value)
{
    if (m_loading || m_guest == nullptr)
        return;
    const bool changed = coming ? Edits::SetGuestComing(m_doc, m_guest, value, m_sender)
                                : Edits::SetGuestInvited(m_doc, m_guest, value, m_sender);
    m_loading = true;
    m_invited->setValue(m_guest->GetInvitedCount());
    m_coming->setValue(m_guest->GetComingCount());
    m_loading = false;
    if (!changed)
        return;
    // The guest's people travel with its transportation.
    const Edits::STransportCounts counts =
        Edits::TransportCounts(m_doc, *m_guest, m_transport->currentIndex());
    ShowTransportCounts(counts.already, counts.withGuest);
    Changed();
}

void CGuestDetailsPanel::ChooseStatus(int button)
{
    if (m_guest == nullptr || button < kButtonApproved || button > kButtonUnknown)
        return;
    if (button == m_statusButton)
        return;
    const int previous = m_statusButton;
    m_loading = true;
    ShowStatus(button);
    if (button == kButtonNotComing)
        m_coming->setValue(0);
    m_loading = false;
    if (button != kButtonNotComing && previous == kButtonNotComing)
    {
        m_lastBalloon = UiText(IDS_UPDATE_COMING_REMINDER);
        QToolTip::showText(m_coming->mapToGlobal(QPoint(0, m_coming->height())), m_lastBalloon,
                           m_coming);
    }
    if (Edits::SetGuestStatus(m_doc, m_guest, kStatusOfButton[button], m_sender))
        Changed();
}

// --- Table ---------------------------------------------------------------------------------------

void CGuestDetailsPanel::BuildTableMenu(QMenu& menu) const
{
    const auto& tables = m_doc.GetTables();
    const int current = m_guest != nullptr ? m_guest->GetTable() : -1;
    QMenu* block = nullptr;
    for (const auto& table : tables)
    {
        const int id = table->GetId();
        if (id < 1)
            continue; // the unseated table is no choice here
        if (block == nullptr || (id - 1) % kTablesPerBlock == 0)
        {
            const int first = (id - 1) / kTablesPerBlock * kTablesPerBlock + 1;
            block =
                menu.addMenu(QStringLiteral("%1-%2").arg(first).arg(first + kTablesPerBlock - 1));
        }
        QAction* entry = block->addAction(ToQt(
            FormatText(LoadString(IDS_MOVE_TO_TABLE_ENTRY), {FormatInt(id), table->GetName()})));
        entry->setData(id);
        entry->setCheckable(true);
        entry->setChecked(id == current);
    }
}

void CGuestDetailsPanel::ChooseTable(int tableId)
{
    m_table->setText(QString::number(tableId));
    ApplyTable();
}

void CGuestDetailsPanel::ApplyTable()
{
    // The message box takes the focus, which would leave the field a second time.
    if (m_guest == nullptr || m_loading || m_applyingTable)
        return;
    bool ok = false;
    const int id = m_table->text().toInt(&ok);
    if (!ok)
    {
        m_table->setText(QString::number(m_tableShown));
        return;
    }
    m_applyingTable = true;
    const Edits::ETableChange result = Edits::SetGuestTable(m_doc, m_guest, id, m_sender);
    m_applyingTable = false;
    switch (result)
    {
    case Edits::ETableChange::NoSuchTable:
        m_table->setText(QString::number(m_tableShown));
        m_table->setFocus();
        m_table->selectAll();
        break;
    case Edits::ETableChange::Refused:
        m_table->setText(QString::number(m_tableShown));
        break;
    case Edits::ETableChange::Seated:
        m_tableShown = m_guest->GetTable();
        m_table->setText(QString::number(m_tableShown));
        ShowLocation();
        Changed();
        break;
    case Edits::ETableChange::Unchanged:
        break;
    }
}

// --- Buttons -------------------------------------------------------------------------------------

void CGuestDetailsPanel::EditKids()
{
    if (m_guest == nullptr)
        return;
    CommitPendingEdit();
    CKidsDialog dialog(m_guest->GetKids(), m_guest->GetChildSeat(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || m_guest == nullptr)
        return;
    if (Edits::SetGuestKids(m_doc, m_guest, dialog.Kids(), dialog.ChildSeat(), m_sender))
        Changed();
}

void CGuestDetailsPanel::AddGift()
{
    if (m_guest == nullptr)
        return;
    CommitPendingEdit();
    CGiftDialog dialog(CGiftList::GiftOf(*m_guest), ToQt(m_guest->GetDisplayName()), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || m_guest == nullptr)
        return;
    if (Edits::SetGift(m_doc, m_guest, dialog.Gift(), m_sender))
    {
        ShowGift();
        Changed();
    }
}

void CGuestDetailsPanel::EditRestrictions()
{
    if (m_guest == nullptr)
        return;
    CommitPendingEdit();
    CRestrictedGuestsDialog dialog(m_doc, *m_guest, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || m_guest == nullptr)
        return;
    if (!dialog.Apply(m_sender).empty())
        Changed();
}

void CGuestDetailsPanel::SendApprovalMail()
{
    if (m_guest == nullptr || !m_approvalSource)
        return;
    CommitPendingEdit();
    const std::string link = ApprovalMailLink(*m_guest, m_approvalSource());
    if (link.empty())
    {
        AskString(m_doc.GetPrompt(), IDS_DETAILS_NO_EMAIL, IDS_DETAILS_NO_EMAIL_CAPTION,
                  EButtons::Ok);
        return;
    }
    ShellOpen(link);
}

void CGuestDetailsPanel::SendSms()
{
    if (m_guest == nullptr)
        return;
    CommitPendingEdit();
    if (Edits::SendSmsToGuest(
            m_doc, m_guest, [](const std::string& link) { return ShellOpen(link); }, m_sender))
        Changed();
}

void CGuestDetailsPanel::ChooseTransport(int transport)
{
    if (m_guest == nullptr || transport < 0 || transport > Edits::kTransportCount)
        return;
    // Counted before the choice is stored, so the guest is added only when it joins.
    const Edits::STransportCounts counts = Edits::TransportCounts(m_doc, *m_guest, transport);
    if (m_transport->currentIndex() != transport)
        m_transport->setCurrentIndex(transport);
    ShowTransportCounts(counts.already, counts.withGuest);
    if (Edits::EditGuestField(m_doc, m_guest, Edits::EGuestField::Transportation, transport,
                              m_sender))
        Changed();
}
