#include "ui/MultipleUpdateDialog.h"

#include "model/Group.h"
#include "model/Guest.h"
#include "store/NewOrvDoc.h"
#include "ui/DialogButtons.h"
#include "ui/GuestListModel.h"
#include "ui/UiText.h"
#include "ui/ViewWidgets.h"
#include "ui/WaitCursor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
// The status buttons in their order on the screen, with the status each gives.
constexpr int kStatusOfButton[] = {CGuest::kStatusApproved, CGuest::kStatusNotComing,
                                   CGuest::kStatusUnknown};
constexpr int kStatusButtonText[] = {IDS_STATUS_APPROVED, IDS_STATUS_NOT_COMING, IDS_UNKNOWN};

QSpinBox* MakeCountField(const char* name)
{
    auto* field = new QSpinBox;
    field->setObjectName(QLatin1String(name));
    field->setRange(0, Edits::kMaxGuestCount);
    field->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    return field;
}
} // namespace

CMultipleUpdateDialog::CMultipleUpdateDialog(CNewOrvDoc& doc, IDocView* sender, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_sender(sender)
{
    setWindowTitle(UiText(IDS_MULTI_TITLE));
    auto* layout = new QVBoxLayout(this);
    auto* instruction = new QLabel(UiText(IDS_MULTI_INSTRUCTION));
    instruction->setWordWrap(true);
    layout->addWidget(instruction);

    m_model = new CGuestListModel(doc,
                                  {CGuestListModel::kNumber, CGuestListModel::kFullName,
                                   CGuestListModel::kRelation, CGuestListModel::kGroup,
                                   CGuestListModel::kInvited, CGuestListModel::kComing,
                                   CGuestListModel::kStatus},
                                  this);
    std::vector<CGuest*> guests;
    for (const auto& guest : doc.GetGuests())
        guests.push_back(guest.get());
    m_model->SetGuests(std::move(guests));
    m_list = MakeRecordList("MultipleUpdateList", m_model, QAbstractItemView::ExtendedSelection);
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);
    // Thousands of lines: a fixed row height keeps the list quick.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 8);
    layout->addWidget(m_list, 1);

    m_chooseAll = new QPushButton(UiText(IDS_MULTI_CHOOSE_ALL));
    m_chooseAll->setObjectName(QStringLiteral("ChooseAll"));
    layout->addLayout(MakeButtonRow({m_chooseAll}));
    layout->addWidget(BuildValues());

    auto* buttons = MakeButtonBox(QDialogButtonBox::Close);
    m_update = buttons->addButton(UiText(IDS_MULTI_UPDATE), QDialogButtonBox::ActionRole);
    m_update->setObjectName(QStringLiteral("UpdateGuests"));
    m_update->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_chooseAll, &QPushButton::clicked, this, &CMultipleUpdateDialog::ChooseAll);
    connect(m_update, &QPushButton::clicked, this, [this] { UpdateGuests(); });
    UpdateEnabled();
    resize(760, 620);
    m_list->setFocus();
}

QWidget* CMultipleUpdateDialog::BuildValues()
{
    auto* box = new QGroupBox(UiText(IDS_MULTI_VALUES));
    auto* grid = new QGridLayout(box);
    int row = 0;
    // Each value: the check box that enables it, its label (none for a check box, which carries
    // its own text), its control.
    auto addRow = [&](QCheckBox*& use, const char* name, int textId, QWidget* control)
    {
        use = new QCheckBox;
        use->setObjectName(QLatin1String(name));
        grid->addWidget(use, row, 0);
        if (textId != 0)
        {
            auto* label = new QLabel(UiText(textId));
            label->setBuddy(use);
            grid->addWidget(label, row, 1);
            grid->addWidget(control, row, 2);
        }
        else
            grid->addWidget(control, row, 1, 1, 2);
        connect(use, &QCheckBox::toggled, this, &CMultipleUpdateDialog::UpdateEnabled);
        ++row;
    };

    m_group = new QComboBox;
    m_group->setObjectName(QStringLiteral("MultiGroup"));
    for (const auto& group : m_doc.GetGroups())
        m_group->addItem(ToQt(group->GetName()));
    addRow(m_useGroup, "UseGroup", IDS_GROUP_LABEL, m_group);

    m_relation = new QComboBox;
    m_relation->setObjectName(QStringLiteral("MultiRelation"));
    m_relation->addItems(
        {UiText(IDS_RELATION_BRIDE), UiText(IDS_RELATION_GROOM), UiText(IDS_RELATION_MUTUAL)});
    addRow(m_useRelation, "UseRelation", IDS_RELATION_LABEL, m_relation);

    m_invited = MakeCountField("MultiInvited");
    addRow(m_useInvited, "UseInvited", IDS_MULTI_INVITED, m_invited);
    m_coming = MakeCountField("MultiComing");
    addRow(m_useComing, "UseComing", IDS_MULTI_COMING, m_coming);

    m_invitationSent = new QCheckBox(UiText(IDS_MULTI_INVITATION_SENT));
    m_invitationSent->setObjectName(QStringLiteral("MultiInvitationSent"));
    addRow(m_useInvitation, "UseInvitationSent", 0, m_invitationSent);

    auto* statusRow = new QWidget;
    auto* statusLayout = new QHBoxLayout(statusRow);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    m_status = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i)
    {
        auto* button = new QRadioButton(UiText(kStatusButtonText[i]));
        m_status->addButton(button, i);
        statusLayout->addWidget(button);
    }
    statusLayout->addStretch();
    addRow(m_useStatus, "UseStatus", IDS_COLUMN_STATUS, statusRow);
    grid->setColumnStretch(3, 1);
    return box;
}

QRadioButton* CMultipleUpdateDialog::StatusButton(int index) const
{
    return static_cast<QRadioButton*>(m_status->button(index));
}

void CMultipleUpdateDialog::UpdateEnabled()
{
    m_group->setEnabled(m_useGroup->isChecked());
    m_relation->setEnabled(m_useRelation->isChecked());
    m_invited->setEnabled(m_useInvited->isChecked());
    m_coming->setEnabled(m_useComing->isChecked());
    m_invitationSent->setEnabled(m_useInvitation->isChecked());
    for (QAbstractButton* button : m_status->buttons())
        button->setEnabled(m_useStatus->isChecked());
}

void CMultipleUpdateDialog::ChooseAll()
{
    m_list->selectAll();
}

Edits::SGuestsUpdate CMultipleUpdateDialog::Values() const
{
    Edits::SGuestsUpdate update;
    if (m_useComing->isChecked())
    {
        m_coming->interpretText();
        update.coming = m_coming->value();
    }
    if (m_useInvited->isChecked())
    {
        m_invited->interpretText();
        update.invited = m_invited->value();
    }
    if (m_useGroup->isChecked() && m_group->currentIndex() >= 0)
        update.group = FromQt(m_group->currentText());
    if (m_useRelation->isChecked())
        update.relation = FromQt(m_relation->currentText());
    if (m_useInvitation->isChecked())
        update.invitationSent = m_invitationSent->isChecked();
    if (m_useStatus->isChecked())
    {
        const int chosen = m_status->checkedId();
        update.status = chosen >= 0 ? kStatusOfButton[chosen] : CGuest::kStatusUnknown;
    }
    return update;
}

std::vector<CGuest*> CMultipleUpdateDialog::SelectedGuests() const
{
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<CGuest*> guests;
    for (const QModelIndex& index : rows)
        if (CGuest* guest = m_model->GuestAt(index.row()))
            guests.push_back(guest);
    return guests;
}

int CMultipleUpdateDialog::UpdateGuests()
{
    const std::vector<CGuest*> guests = SelectedGuests();
    const Edits::SGuestsUpdate update = Values();
    if (guests.empty() || update.IsEmpty())
        return 0;
    CWaitCursor wait;
    const int changed = Edits::UpdateGuests(m_doc, guests, update, m_sender);
    m_list->viewport()->update(); // the rows read the guests as they are now
    return changed;
}
