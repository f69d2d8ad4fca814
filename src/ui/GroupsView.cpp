#include "ui/GroupsView.h"

#include "edits/GroupEdits.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "ui/GroupNameDialog.h"
#include "ui/GuestListModel.h"
#include "ui/Icons.h"
#include "ui/ModalSeam.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"
#include "ui/WindowLayout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
constexpr unsigned kStaleGroups = 1;
constexpr unsigned kStaleGuests = 2;
} // namespace

CGroupsView::CGroupsView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_GROUPS_EXPLANATION));

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    auto* left = new QVBoxLayout;
    m_caption = new QLabel;
    left->addWidget(m_caption);
    m_groups = new QListView;
    m_groups->setObjectName(QStringLiteral("GroupsList"));
    m_groupNames = new QStringListModel(this);
    m_groups->setModel(m_groupNames);
    m_groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_groups->setAlternatingRowColors(true);
    m_groups->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(m_groups, 1);

    m_add = MakeCommandButton("list-add", IDS_GROUPS_ADD_BUTTON);
    m_rename = MakeCommandButton("document-edit", IDS_GROUPS_RENAME_BUTTON);
    m_delete = MakeCommandButton("edit-delete", IDS_GROUPS_DELETE_BUTTON);
    m_up = MakeCommandButton("go-up", IDS_BUTTON_UP);
    m_down = MakeCommandButton("go-down", IDS_BUTTON_DOWN);
    left->addLayout(MakeButtonRow({m_add, m_rename, m_delete, m_up, m_down}));
    columns->addLayout(left, 2);

    auto* right = new QVBoxLayout;
    m_guestModel = new CGuestListModel(Doc(),
                                       {CGuestListModel::kFirstName, CGuestListModel::kFamilyName,
                                        CGuestListModel::kComing, CGuestListModel::kStatus},
                                       this);
    m_guests = MakeRecordList("GroupGuestsList", m_guestModel);
    KeepColumnWidths(*m_guests, Doc().GetAppSettings());
    right->addWidget(m_guests, 1);
    m_countLine = new QLabel;
    right->addWidget(m_countLine);
    columns->addLayout(right, 3);

    connect(m_add, &QPushButton::clicked, this, &CGroupsView::AddGroup);
    connect(m_rename, &QPushButton::clicked, this, &CGroupsView::RenameGroup);
    connect(m_delete, &QPushButton::clicked, this, &CGroupsView::DeleteGroup);
    connect(m_up, &QPushButton::clicked, this, &CGroupsView::MoveUp);
    connect(m_down, &QPushButton::clicked, this, &CGroupsView::MoveDown);
    connect(m_groups->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this]
            {
                RefreshGuests();
                UpdateButtons();
                emit CommandStateChanged();
            });
    connect(m_groups, &QListView::doubleClicked, this, &CGroupsView::RenameGroup);
    connect(m_groups, &QWidget::customContextMenuRequested, this, &CGroupsView::ShowGroupsMenu);
    connect(m_guests, &QWidget::customContextMenuRequested, this, &CGroupsView::ShowGuestsMenu);
    connect(m_guests, &QTableView::doubleClicked, this, &CGroupsView::GoToGuestDetails);

    RefreshGroups();
    if (m_groupNames->rowCount() > 0)
        SelectRow(0);
    RefreshGuests();
    UpdateButtons();
}

int CGroupsView::ViewCode() const
{
    return VIEW_GROUPS;
}

void CGroupsView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_GROUPS));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().remove);
}

bool CGroupsView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return true;
    case kCommandEdit:
    case kCommandDelete:
        return SelectedGroup() != nullptr;
    case kCommandSearch:
        return false;
    }
    return false;
}

QString CGroupsView::CommandText(ECommand command) const
{
    // Edit renames a group; the other commands keep the frame's texts.
    return command == kCommandEdit ? UiText(IDS_MENU_RENAME) : QString();
}

void CGroupsView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddGroup();
        break;
    case kCommandEdit:
        RenameGroup();
        break;
    case kCommandDelete:
        DeleteGroup();
        break;
    case kCommandSearch:
        break;
    }
}

void CGroupsView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord*)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_REMOVING:
        MarkStale();
        break;
    case HINT_GUEST_REMOVING:
        break; // the list model drops the line itself
    default:
        if (sender != this)
            MarkStale();
        break;
    }
}

void CGroupsView::Refresh(unsigned stale)
{
    if (stale & kStaleGroups)
        RefreshGroups();
    if (stale & (kStaleGroups | kStaleGuests))
        RefreshGuests();
    UpdateButtons();
}

void CGroupsView::RefreshGroups()
{
    const int keep = SelectedRow();
    QStringList names;
    for (const auto& group : Doc().GetGroups())
        names << ToQt(group->GetName());
    m_groupNames->setStringList(names);
    m_caption->setText(
        ToQt(FormatText(LoadString(IDS_GROUPS_COUNT_CAPTION), {FormatInt(Doc().GetGroupCount())})));
    if (names.isEmpty())
        return;
    SelectRow(qBound(0, keep, static_cast<int>(names.size()) - 1));
}

void CGroupsView::RefreshGuests()
{
    std::vector<CGuest*> members;
    int people = 0;
    int approved = 0;
    if (const CGroup* group = SelectedGroup())
    {
        Doc().GetGuestsOfGroup(group->GetName(), members);
        for (const CGuest* guest : members)
        {
            people += guest->GetComingCount();
            if (guest->IsApproved())
                approved += guest->GetComingCount();
        }
    }
    m_guestModel->SetGuests(std::move(members));
    m_countLine->setText(ToQt(
        FormatText(LoadString(IDS_GROUP_GUESTS_COUNT), {FormatInt(people), FormatInt(approved)})));
}

void CGroupsView::UpdateButtons()
{
    const int row = SelectedRow();
    const bool selected = SelectedGroup() != nullptr;
    m_rename->setEnabled(selected);
    m_delete->setEnabled(selected);
    m_up->setEnabled(selected && row > 0);
    m_down->setEnabled(selected && row + 1 < Doc().GetGroupCount());
}

int CGroupsView::SelectedRow() const
{
    const QModelIndex current = m_groups->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CGroupsView::SelectRow(int row)
{
    if (row < 0 || row >= m_groupNames->rowCount())
        return;
    m_groups->setCurrentIndex(m_groupNames->index(row));
}

CGroup* CGroupsView::SelectedGroup() const
{
    return Doc().GetGroupAt(SelectedRow());
}

QString CGroupsView::GroupsCaption() const
{
    return m_caption->text();
}

QString CGroupsView::CountLine() const
{
    return m_countLine->text();
}

void CGroupsView::AddGroup()
{
    QString proposal = UiText(IDS_NEW_GROUP);
    for (int n = 1; Doc().IsGroupNameTaken(FromQt(proposal)); ++n)
        proposal = ToQt(FormatText(LoadString(IDS_NEW_GROUP_NUMBERED), {FormatInt(n)}));

    CGroupNameDialog dialog(CGroupNameDialog::kAdd, proposal, Doc().GetPrompt(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    if (Edits::AddGroup(Doc(), FromQt(dialog.Name()), dialog.CreateTable(), this) == nullptr)
        return;
    RefreshGroups();
    SelectRow(Doc().GetGroupCount() - 1);
    emit CommandStateChanged();
}

void CGroupsView::RenameGroup()
{
    CGroup* group = SelectedGroup();
    if (group == nullptr)
        return;
    CGroupNameDialog dialog(CGroupNameDialog::kRename, ToQt(group->GetName()), Doc().GetPrompt(),
                            this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    if (!Edits::RenameGroup(Doc(), group, FromQt(dialog.Name()), this))
        return;
    RefreshGroups();
    RefreshGuests();
}

void CGroupsView::DeleteGroup()
{
    CGroup* group = SelectedGroup();
    if (group == nullptr)
        return;
    const int row = SelectedRow();
    const int count = Doc().GetGroupCount();
    if (!Edits::DeleteGroup(Doc(), group, this)) // destroyed here
        return;
    RefreshGroups();
    // The row that took the deleted one's place, but the one before when it was among the last two.
    SelectRow(qMax(0, row >= count - 2 ? row - 1 : row));
    RefreshGuests();
    emit CommandStateChanged();
}

void CGroupsView::MoveUp()
{
    const int row = SelectedRow();
    if (row <= 0)
        return;
    if (!Edits::MoveGroup(Doc(), row, row - 1, this))
        return;
    RefreshGroups();
    SelectRow(row - 1);
}

void CGroupsView::MoveDown()
{
    const int row = SelectedRow();
    if (row < 0 || row + 1 >= Doc().GetGroupCount())
        return;
    if (!Edits::MoveGroup(Doc(), row, row + 1, this))
        return;
    RefreshGroups();
    SelectRow(row + 1);
}

void CGroupsView::AddTableForGroup()
{
    CGroup* group = SelectedGroup();
    if (group == nullptr)
        return;
    const int seated = Edits::AddTableForGroup(Doc(), group);
    IPrompt& prompt = Doc().GetPrompt();
    if (seated >= 1)
        prompt.Ask(FormatText(LoadString(IDS_TABLE_FOR_GROUP_CREATED), {FormatInt(seated)}),
                   LoadString(IDS_TABLE_FOR_GROUP_DONE), EButtons::Ok);
    else
        AskString(prompt, IDS_TABLE_FOR_GROUP_DONE, IDS_TABLE_FOR_GROUP_DONE, EButtons::Ok);
    RefreshGuests();
}

void CGroupsView::GoToGuestDetails()
{
    const QModelIndex current = m_guests->currentIndex();
    if (CGuest* guest = m_guestModel->GuestAt(current.isValid() ? current.row() : -1))
        Doc().UpdateAllViews(this, HINT_GOTO_GUEST, guest);
}

void CGroupsView::ShowGroupsMenu(const QPoint& position)
{
    if (SelectedGroup() == nullptr)
        return;
    QMenu menu(this);
    QAction* addTable = menu.addAction(UiText(IDS_GROUPS_MENU_ADD_TABLE));
    if (CModalSeam::ExecMenu(menu, m_groups->viewport()->mapToGlobal(position)) == addTable)
        AddTableForGroup();
}

void CGroupsView::ShowGuestsMenu(const QPoint& position)
{
    if (!m_guests->currentIndex().isValid())
        return;
    QMenu menu(this);
    QAction* details = menu.addAction(UiText(IDS_GROUPS_MENU_GO_TO_GUEST));
    if (CModalSeam::ExecMenu(menu, m_guests->viewport()->mapToGlobal(position)) == details)
        GoToGuestDetails();
}
