#include "ui/TablesView.h"

#include "edits/GuestEdits.h"
#include "edits/TableEdits.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "seating/SeatingProblem.h"
#include "store/NewOrvDoc.h"
#include "ui/GuestListModel.h"
#include "ui/Icons.h"
#include "ui/ModalSeam.h"
#include "ui/OptimiseDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableSetupDialog.h"
#include "ui/TablesModel.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"
#include "ui/WaitCursor.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
constexpr unsigned kStaleTables = 1;
constexpr unsigned kStaleGuests = 2;

// A menu shows "&" as a mnemonic marker; a table name shows it as itself.
QString MenuText(const std::string& text)
{
    return ToQt(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
} // namespace

CTablesView::CTablesView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_TABLES_EXPLANATION));

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns, 1);

    auto* left = new QVBoxLayout;
    m_caption = new QLabel;
    left->addWidget(m_caption);
    m_tablesModel = new CTablesModel(Doc(), this);
    m_tables = MakeRecordList("TablesList", m_tablesModel);
    // The numbers take what they need; the name takes the rest.
    m_tables->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tables->horizontalHeader()->setSectionResizeMode(CTablesModel::kColumnName,
                                                       QHeaderView::Stretch);
    left->addWidget(m_tables, 1);

    m_add = MakeCommandButton("list-add", IDS_TABLES_ADD_BUTTON);
    m_edit = MakeCommandButton("document-edit", IDS_TABLES_EDIT_BUTTON);
    m_delete = MakeCommandButton("edit-delete", IDS_TABLES_DELETE_BUTTON);
    m_up = MakeCommandButton("go-up", IDS_BUTTON_UP);
    m_down = MakeCommandButton("go-down", IDS_BUTTON_DOWN);
    left->addLayout(MakeButtonRow({m_add, m_edit, m_delete, m_up, m_down}));
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    m_guestsCaption = new QLabel;
    right->addWidget(m_guestsCaption);
    // The names and the group share the width; the count and the status take what they need.
    const std::vector<CGuestListModel::EColumn> guestColumns = {
        CGuestListModel::kFirstName, CGuestListModel::kFamilyName, CGuestListModel::kGroup,
        CGuestListModel::kComing, CGuestListModel::kStatus};
    m_guestModel = new CGuestListModel(Doc(), guestColumns, this);
    m_guests =
        MakeRecordList("TableGuestsList", m_guestModel, QAbstractItemView::ExtendedSelection);
    for (int column = 0; column < static_cast<int>(guestColumns.size()); ++column)
    {
        const auto kind = guestColumns[static_cast<std::size_t>(column)];
        const bool text = kind != CGuestListModel::kComing && kind != CGuestListModel::kStatus;
        m_guests->horizontalHeader()->setSectionResizeMode(
            column, text ? QHeaderView::Stretch : QHeaderView::ResizeToContents);
    }
    right->addWidget(m_guests, 1);
    columns->addLayout(right, 1);

    connect(m_add, &QPushButton::clicked, this, &CTablesView::AddTable);
    connect(m_edit, &QPushButton::clicked, this, &CTablesView::EditTable);
    connect(m_delete, &QPushButton::clicked, this, &CTablesView::DeleteTable);
    connect(m_up, &QPushButton::clicked, this, &CTablesView::MoveUp);
    connect(m_down, &QPushButton::clicked, this, &CTablesView::MoveDown);
    connect(m_tables->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CTablesView::OnTableSelected);
    connect(m_tables, &QTableView::doubleClicked, this, &CTablesView::EditTable);
    connect(m_guests, &QWidget::customContextMenuRequested, this, &CTablesView::ShowGuestsMenu);
    connect(m_guests, &QTableView::doubleClicked, this, &CTablesView::GoToGuestInformation);

    AddDeleteKey(m_tables, [this] { DeleteTable(); });

    RefreshTables();
    RefreshGuests(false);
    UpdateButtons();
}

int CTablesView::ViewCode() const
{
    return VIEW_TABLES;
}

void CTablesView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_TABLES));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().remove);
    menu.addSeparator();
    menu.addAction(UiText(IDS_MENU_TABLE_SETUP), this, &CTablesView::TableSetup);
    QMenu* arrange = menu.addMenu(UiText(IDS_MENU_AUTO_ARRANGE));
    arrange->addAction(UiText(IDS_MENU_ARRANGE_ALL), this, &CTablesView::ArrangeAllGuests);
    arrange->addAction(UiText(IDS_MENU_ARRANGE_TABLELESS), this,
                       &CTablesView::ArrangeTablelessGuests);
    arrange->addAction(UiText(IDS_OPT_MENU), this, &CTablesView::OptimisedArrangement);
}

bool CTablesView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return true;
    // Edit on the unseated table explains it.
    case kCommandEdit:
        return SelectedTable() != nullptr;
    case kCommandDelete:
        return SelectedRow() >= 1 && SelectedTable() != nullptr;
    case kCommandSearch:
        return false;
    }
    return false;
}

void CTablesView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddTable();
        break;
    case kCommandEdit:
        EditTable();
        break;
    case kCommandDelete:
        DeleteTable();
        break;
    case kCommandSearch:
        break;
    }
}

// --- Hints and refresh ------------------------------------------------------------------------

void CTablesView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_TABLE_DELETING:
    case HINT_TABLES_REMOVING:
    case HINT_EVENT_RELOADING:
        // The models drop their rows right after this view was told (they were attached later).
        if (m_tablesModel->rowCount() > 0)
            m_rowBeforeDrop = SelectedRow();
        MarkStale();
        break;
    case HINT_GUEST_REMOVING:
        MarkStale();
        break; // the counts change once the guest is gone
    case HINT_SELECT_TABLE:
        if (sender != this)
        {
            const int row = m_tablesModel->RowOf(HintRecord<CTable>(record));
            if (row >= 0 && row != SelectedRow())
            {
                m_followingOtherView = true;
                SelectRow(row);
                m_followingOtherView = false;
            }
        }
        break;
    case HINT_ADD_TABLE_REQUEST:
        // After the sender's operation, not inside its broadcast.
        QMetaObject::invokeMethod(this, &CTablesView::AddTable, Qt::QueuedConnection);
        break;
    case HINT_GOTO_GUEST:
    case HINT_LOCATE_TABLE:
        break;
    default:
        if (sender != this)
            MarkStale();
        break;
    }
}

void CTablesView::Refresh(unsigned stale)
{
    if (stale & kStaleTables)
        RefreshTables();
    if (stale & (kStaleTables | kStaleGuests))
        RefreshGuests(true);
    UpdateButtons();
}

void CTablesView::RefreshNow()
{
    MarkStale();
    FlushRefresh();
}

void CTablesView::RefreshTables()
{
    int keep = SelectedRow();
    if (keep < 0)
        keep = std::max(m_rowBeforeDrop, 0);
    m_rowBeforeDrop = -1;
    m_tablesModel->Rebuild();
    m_caption->setText(ToQt(FormatText(LoadString(IDS_TABLES_COUNT_CAPTION),
                                       {FormatInt(std::max(Doc().GetTableCount() - 1, 0))})));
    const int rows = m_tablesModel->rowCount();
    if (rows > 0 && keep != SelectedRow())
        SelectRow(std::min(keep, rows - 1));
}

void CTablesView::RefreshGuests(bool keepSelection)
{
    const std::vector<int> keep = keepSelection ? SelectedGuestRows() : std::vector<int>();
    std::vector<CGuest*> guests;
    const CTable* table = SelectedTable();
    if (table != nullptr)
    {
        Doc().GetGuestsAtTable(table->GetId(), guests, false);
        m_guestsCaption->setText(ToQt(FormatText(LoadString(IDS_TABLE_GUESTS_CAPTION),
                                                 {FormatInt(table->GetId()), table->GetName()})));
    }
    else
        m_guestsCaption->clear();
    m_guestModel->SetGuests(std::move(guests));
    if (!keep.empty() && m_guestModel->rowCount() > 0)
        SelectGuestRows({std::min(keep.front(), m_guestModel->rowCount() - 1)});
}

void CTablesView::UpdateButtons()
{
    const int row = SelectedRow();
    const int count = m_tablesModel->rowCount();
    m_edit->setEnabled(row >= 1);
    m_delete->setEnabled(row >= 1);
    m_up->setEnabled(row >= 2);
    m_down->setEnabled(row >= 1 && row + 1 < count);
}

void CTablesView::OnTableSelected()
{
    RefreshGuests(false);
    UpdateButtons();
    emit CommandStateChanged();
    CTable* table = SelectedTable();
    if (table != nullptr && !m_followingOtherView)
        Doc().UpdateAllViews(this, HINT_SELECT_TABLE, table);
}

// --- Selection --------------------------------------------------------------------------------

int CTablesView::SelectedRow() const
{
    const QModelIndex current = m_tables->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CTablesView::SelectRow(int row)
{
    if (row < 0 || row >= m_tablesModel->rowCount())
        return;
    m_tables->setCurrentIndex(m_tablesModel->index(row, 0));
}

CTable* CTablesView::SelectedTable() const
{
    return m_tablesModel->TableAt(SelectedRow());
}

std::vector<int> CTablesView::SelectedGuestRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : m_guests->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CTablesView::SelectGuestRows(const std::vector<int>& rows)
{
    QItemSelectionModel* selection = m_guests->selectionModel();
    selection->clearSelection();
    bool first = true;
    for (int row : rows)
    {
        if (row < 0 || row >= m_guestModel->rowCount())
            continue;
        const QModelIndex index = m_guestModel->index(row, 0);
        const auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
        if (first)
            selection->setCurrentIndex(index, flags);
        else
            selection->select(index, flags);
        first = false;
    }
}

QString CTablesView::TablesCaption() const
{
    return m_caption->text();
}

// --- Table commands ---------------------------------------------------------------------------

void CTablesView::AddTable()
{
    if (AddTableWithDialog(Doc(), this) == nullptr)
        return;
    RefreshNow();
    SelectRow(m_tablesModel->rowCount() - 1);
}

void CTablesView::EditTable()
{
    CTable* table = SelectedTable();
    if (table == nullptr)
        return;
    if (EditTableWithDialog(Doc(), table, this, this))
        RefreshNow();
}

void CTablesView::DeleteTable()
{
    const int row = SelectedRow();
    CTable* table = SelectedTable();
    if (row < 1 || table == nullptr)
        return;
    {
        CWaitCursor wait;
        if (!Edits::DeleteTable(Doc(), table))
            return;
    }
    RefreshNow();
    // The row that took the deleted one's place, or the new last row.
    SelectRow(std::min(row, m_tablesModel->rowCount() - 1));
}

void CTablesView::MoveUp()
{
    const int row = SelectedRow();
    if (row < 2)
        return;
    if (!Edits::SwapTables(Doc(), Doc().GetTableAt(row), Doc().GetTableAt(row - 1)))
        return;
    RefreshNow();
    SelectRow(row - 1);
}

void CTablesView::MoveDown()
{
    const int row = SelectedRow();
    if (row < 1 || row + 1 >= Doc().GetTableCount())
        return;
    if (!Edits::SwapTables(Doc(), Doc().GetTableAt(row), Doc().GetTableAt(row + 1)))
        return;
    RefreshNow();
    SelectRow(row + 1);
}

void CTablesView::TableSetup()
{
    CTableSetupDialog dialog(Edits::GetTableSetup(Doc()), Doc().GetPrompt(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    Edits::SetTableSetup(Doc(), dialog.Setup(), this);
    RefreshNow();
}

void CTablesView::ArrangeAllGuests()
{
    {
        CWaitCursor wait;
        if (!Edits::ArrangeAllGuests(Doc()))
            return;
    }
    RefreshNow();
}

void CTablesView::ArrangeTablelessGuests()
{
    {
        CWaitCursor wait;
        if (!Edits::ArrangeTablelessGuests(Doc()))
            return;
    }
    RefreshNow();
}

void CTablesView::OptimisedArrangement()
{
    COptimiseDialog dialog(Doc(), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || dialog.Problem() == nullptr)
        return;
    bool applied = false;
    {
        CWaitCursor wait;
        applied = Edits::ApplySeatingPlan(Doc(), *dialog.Problem(), dialog.Plan(), this);
    }
    if (!applied)
        AskString(Doc().GetPrompt(), IDS_OPT_EVENT_CHANGED, IDS_OPT_TITLE, EButtons::Ok);
    RefreshNow();
}

// --- Guests of the selected table -------------------------------------------------------------

void CTablesView::GoToGuestInformation()
{
    const QModelIndex current = m_guests->currentIndex();
    if (CGuest* guest = m_guestModel->GuestAt(current.isValid() ? current.row() : -1))
        Doc().UpdateAllViews(this, HINT_GOTO_GUEST, guest);
}

QList<QAction*> CTablesView::BuildMoveMenu(QMenu& menu)
{
    QList<QAction*> entries;
    const CTable* selected = SelectedTable();
    auto addEntry = [&](QMenu& into, const QString& text, int id, const CTable* table)
    {
        QAction* action = into.addAction(text);
        action->setData(id);
        if (table != nullptr && table == selected)
        {
            action->setCheckable(true);
            action->setChecked(true);
        }
        entries << action;
    };
    addEntry(menu, UiText(IDS_MOVE_TO_NOT_SEATED), 0, Doc().GetTableAt(0));

    const int lastId = std::min(Doc().GetTableCount() - 1, kMoveBlocks * kMoveBlockSize);
    for (int first = 1; first <= lastId; first += kMoveBlockSize)
    {
        const int last = first + kMoveBlockSize - 1;
        QMenu* block = menu.addMenu(ToQt(
            FormatText(LoadString(IDS_MOVE_TO_TABLE_BLOCK), {FormatInt(first), FormatInt(last)})));
        for (int id = first; id <= std::min(last, lastId); ++id)
        {
            const CTable* table = Doc().GetTableAt(id);
            if (table == nullptr)
                continue;
            const std::string text =
                FormatText(LoadString(IDS_MOVE_TO_TABLE_ENTRY), {FormatInt(id), table->GetName()});
            addEntry(*block, MenuText(text), id, table);
        }
    }
    return entries;
}

void CTablesView::MoveSelectedGuests(int tableId)
{
    const std::vector<int> rows = SelectedGuestRows();
    if (rows.empty())
        return;
    // Taken before anyone moves: every move changes the data the list was built from.
    std::vector<CGuest*> guests;
    for (int row : rows)
        if (CGuest* guest = m_guestModel->GuestAt(row))
            guests.push_back(guest);
    for (CGuest* guest : guests)
    {
        CTable* target = Doc().FindTableById(tableId);
        if (target == nullptr)
            break;
        Edits::SeatGuest(Doc(), guest, target);
    }
    RefreshNow();
    const int count = m_guestModel->rowCount();
    if (count == 0)
        return;
    const int first = rows.front();
    SelectGuestRows({std::clamp(first >= count - 1 ? first - 1 : first, 0, count - 1)});
}

void CTablesView::ShowGuestsMenu(const QPoint& position)
{
    if (SelectedGuestRows().empty())
        return;
    QMenu menu(this);
    QMenu* move = menu.addMenu(UiText(IDS_MOVE_TO_TABLE));
    BuildMoveMenu(*move);
    QAction* details = menu.addAction(UiText(IDS_GO_TO_GUEST_INFORMATION));
    QAction* chosen = CModalSeam::ExecMenu(menu, m_guests->viewport()->mapToGlobal(position));
    if (chosen == nullptr)
        return;
    if (chosen == details)
        GoToGuestInformation();
    else if (chosen->data().isValid())
        MoveSelectedGuests(chosen->data().toInt());
}
