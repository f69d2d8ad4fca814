#include "ui/GuestsView.h"

#include "edits/GuestEdits.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/GuestStatistics.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "settings/AppSettings.h"
#include "store/NewOrvDoc.h"
#include "ui/GuestDetailsPanel.h"
#include "ui/GuestItemDelegate.h"
#include "ui/GuestSearchDialog.h"
#include "ui/GuestsTableModel.h"
#include "ui/Icons.h"
#include "ui/ModalSeam.h"
#include "ui/MultipleUpdateDialog.h"
#include "ui/RestrictedGuestsDialog.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/WaitCursor.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <memory>

namespace
{
constexpr unsigned kStaleGuests = 1;
constexpr unsigned kStaleStatistics = 2;
constexpr unsigned kStaleGroups = 4;

// The width keys of the event settings, by column.
constexpr const char* kWidthKeys[CGuestsTableModel::kColumnCount] = {
    "GV_GUEST_NUM",       "GV_NAMES",   "GV_FAMILY_NAME", "GV_RELATION", "GV_GROUP",
    "GV_INVITATION_SENT", "GV_INVITED", "GV_ACTUAL",      "GV_APROVED",
};

// The ID and the first names are always shown.
constexpr int kFirstOptionalColumn = CGuestsTableModel::kColumnFamilyName;
constexpr int kMinimumColumnWidth = 16;
// Room around a cell's text (the item margins and the header's sort-indicator gap).
constexpr int kCellPadding = 16;

// The statistics table: the row label, then these columns.
constexpr int kStatisticsTitles[] = {IDS_COLUMN_ACTUAL, IDS_COLUMN_PLANNED, IDS_STAT_WONT_COME,
                                     IDS_COLUMN_INVITATION_SENT, IDS_STAT_APPROVED};
constexpr int kStatisticsRows[] = {IDS_RELATION_BRIDE, IDS_RELATION_GROOM, IDS_RELATION_MUTUAL,
                                   IDS_STAT_TOTAL};
constexpr int kStatisticsColumns = 1 + static_cast<int>(std::size(kStatisticsTitles));

QLabel* BuddyLabel(int textId, QWidget* buddy)
{
    auto* label = new QLabel(UiText(textId));
    label->setBuddy(buddy);
    return label;
}
} // namespace

CGuestsView::CGuestsView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    // The list with its filters and statistics, and beside it (on the trailing side) the panel.
    auto* outer = new QVBoxLayout(this);
    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("GuestsSplitter"));
    m_splitter->setChildrenCollapsible(false);
    auto* listSide = new QWidget;
    auto* layout = new QVBoxLayout(listSide);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildFilters());

    // The Add button, and beside it a line of help while the event has no guests.
    auto* actions = new QHBoxLayout;
    m_add = new QPushButton(ThemeIcon("list-add"), UiText(IDS_MENU_ADD_GUEST));
    m_add->setObjectName(QStringLiteral("AddGuestButton"));
    m_emptyHelp = new QLabel(UiText(IDS_GUESTS_EMPTY_HELP));
    m_emptyHelp->setObjectName(QStringLiteral("GuestsEmptyHelp"));
    m_emptyHelp->setWordWrap(true);
    actions->addWidget(m_add);
    actions->addWidget(m_emptyHelp, 1);
    actions->addStretch();
    layout->addLayout(actions);

    m_model = new CGuestsTableModel(Doc(), this, this);
    m_delegate = new CGuestItemDelegate([this] { return GroupNames(); }, this);
    m_list = new QTableView;
    m_list->setObjectName(QStringLiteral("GuestsList"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(m_delegate);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // F2 here; Enter in eventFilter (the view itself only reports it as "activated").
    m_list->setEditTriggers(QAbstractItemView::EditKeyPressed);
    m_list->setAlternatingRowColors(true);
    m_list->setWordWrap(false);
    m_list->setCornerButtonEnabled(false);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->installEventFilter(this);
    // One fixed height for every row, so ten thousand lines cost nothing to lay out.
    QHeaderView* rows = m_list->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(m_list->fontMetrics().height() + 8);
    QHeaderView* header = m_list->horizontalHeader();
    header->setMinimumSectionSize(kMinimumColumnWidth);
    // The last column shown reaches the list's edge.
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    header->setSectionsMovable(false);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    header->setToolTip(UiText(IDS_COLUMN_CHOOSER_TITLE));
    // The list over the statistics: the list takes what the window gains, the statistics keep
    // their height (at most what their rows need).
    auto* listSplitter = new QSplitter(Qt::Vertical);
    listSplitter->setObjectName(QStringLiteral("GuestsListSplit"));
    listSplitter->setChildrenCollapsible(false);
    listSplitter->addWidget(m_list);
    listSplitter->addWidget(BuildStatistics());
    listSplitter->setStretchFactor(0, 1);
    listSplitter->setStretchFactor(1, 0);
    layout->addWidget(listSplitter, 1);
    KeepSplitterSizes(*listSplitter, Doc().GetAppSettings());

    m_details = new CGuestDetailsPanel(Doc(), this);
    m_splitter->addWidget(listSide);
    m_splitter->addWidget(m_details);
    // The list takes what the window gains; the panel keeps its width.
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    outer->addWidget(m_splitter);
    // Only the user's own moves are kept: a view never shown has no width of its own yet.
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_detailsWidth = m_splitter->sizes().value(1); });

    m_showDetails = new QAction(UiText(IDS_MENU_SHOW_DETAILS), this);
    m_showDetails->setCheckable(true);
    m_showDetails->setChecked(true);
    connect(m_showDetails, &QAction::toggled, this, &CGuestsView::ShowDetails);
    m_multipleUpdate = new QAction(UiText(IDS_MENU_MULTIPLE_UPDATE), this);
    connect(m_multipleUpdate, &QAction::triggered, this, &CGuestsView::UpdateMultipleGuests);

    // F3 and Shift+F3 repeat the search; as window shortcuts of this view they only work while it
    // is the one shown.
    auto* findNext = new QAction(this);
    findNext->setShortcut(QKeySequence(Qt::Key_F3));
    connect(findNext, &QAction::triggered, this, [this] { FindNext(false); });
    auto* findPrevious = new QAction(this);
    findPrevious->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3));
    connect(findPrevious, &QAction::triggered, this, [this] { FindNext(true); });
    addAction(findNext);
    addAction(findPrevious);

    connect(m_add, &QPushButton::clicked, this, &CGuestsView::AddGuest);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CGuestsView::ShowGuestMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &CGuestsView::ShowColumnChooser);
    connect(m_model, &CGuestsTableModel::GuestEdited, this,
            [this](CGuest* guest)
            {
                if (guest == m_details->Guest())
                    m_details->Reload();
                OnGuestEdited();
            });
    connect(m_delegate, &CGuestItemDelegate::EditingChanged, this,
            &CGuestsView::CommandStateChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CGuestsView::CommandStateChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { m_details->SetGuest(CurrentGuest()); });
    connect(m_details, &CGuestDetailsPanel::GuestEdited, this,
            [this](CGuest* guest)
            {
                m_model->GuestChanged(guest);
                OnGuestEdited();
            });

    m_filter.Clear();
    Refresh(kStaleAll);
    ReadColumnWidths();
    ReadDetailsWidth();
}

void CGuestsView::ReadDetailsWidth()
{
    const CAppSettings& settings = Doc().GetAppSettings();
    const int width = ParseLeadingInt(settings.GetKeySetting("GuestDetailsWidth"));
    const bool shown = settings.GetKeySetting("GuestDetailsShown") != "0";
    const int panel = width > 0 ? width : m_details->sizeHint().width();
    // Proportions until the view is first laid out; the panel's stretch 0 then keeps its width.
    m_splitter->setSizes({std::max(panel * 2, 800), panel});
    m_showDetails->setChecked(shown);
    m_details->setVisible(shown);
}

void CGuestsView::ShowDetails(bool shown)
{
    if (!shown)
        m_details->CommitPendingEdit();
    m_details->setVisible(shown);
    if (m_showDetails->isChecked() != shown)
        m_showDetails->setChecked(shown);
}

void CGuestsView::SetApprovalMailSource(std::function<SApprovalMailInfo()> source)
{
    m_details->SetApprovalMailSource(std::move(source));
}

void CGuestsView::UpdateMultipleGuests()
{
    CommitPendingEdit();
    {
        CMultipleUpdateDialog dialog(Doc(), this, this);
        CModalSeam::Exec(dialog);
    }
    RebuildList();
    RefreshStatistics();
    m_details->Reload();
    emit CommandStateChanged();
}

QWidget* CGuestsView::BuildFilters()
{
    auto* filters = new QWidget;
    auto* row = new QHBoxLayout(filters);
    row->setContentsMargins(0, 0, 0, 0);

    m_groupFilter = new QComboBox;
    m_groupFilter->setObjectName(QStringLiteral("GroupFilter"));
    m_groupFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_relationFilter = new QComboBox;
    m_relationFilter->setObjectName(QStringLiteral("RelationFilter"));
    m_relationFilter->addItems({QString::fromLatin1(CGuestFilter::kAny), UiText(IDS_RELATION_BRIDE),
                                UiText(IDS_RELATION_GROOM), UiText(IDS_RELATION_MUTUAL)});
    m_statusFilter = new QComboBox;
    m_statusFilter->setObjectName(QStringLiteral("StatusFilter"));
    // In the order of the status choices: all, approved, not coming, neither.
    m_statusFilter->addItems({UiText(IDS_STATUS_FILTER_ALL), UiText(IDS_STATUS_FILTER_APPROVED),
                              UiText(IDS_STATUS_FILTER_NOT_COMING),
                              UiText(IDS_STATUS_FILTER_NO_ANSWER)});
    m_firstNameFilter = new QLineEdit;
    m_firstNameFilter->setObjectName(QStringLiteral("FirstNameFilter"));
    m_familyNameFilter = new QLineEdit;
    m_familyNameFilter->setObjectName(QStringLiteral("FamilyNameFilter"));
    // Room for a name whatever the combo boxes beside them take.
    for (QLineEdit* name : {m_firstNameFilter, m_familyNameFilter})
        name->setMinimumWidth(name->fontMetrics().averageCharWidth() * 8);
    m_clearFilters = new QPushButton(QString::fromLatin1(CGuestFilter::kAny));
    m_clearFilters->setObjectName(QStringLiteral("ClearFilters"));
    m_clearFilters->setToolTip(UiText(IDS_GUESTS_CLEAR_FILTERS_TIP));
    m_clearFilters->setFixedWidth(
        m_clearFilters->fontMetrics().horizontalAdvance(QStringLiteral("***")) + 16);

    row->addWidget(BuddyLabel(IDS_FIRST_NAME_LABEL, m_firstNameFilter));
    row->addWidget(m_firstNameFilter, 1);
    row->addWidget(BuddyLabel(IDS_LAST_NAME_LABEL, m_familyNameFilter));
    row->addWidget(m_familyNameFilter, 1);
    row->addWidget(BuddyLabel(IDS_RELATION_LABEL, m_relationFilter));
    row->addWidget(m_relationFilter);
    row->addWidget(BuddyLabel(IDS_GROUP_LABEL, m_groupFilter));
    row->addWidget(m_groupFilter);
    row->addWidget(BuddyLabel(IDS_STATUS_LABEL, m_statusFilter));
    row->addWidget(m_statusFilter);
    row->addWidget(m_clearFilters);

    connect(m_firstNameFilter, &QLineEdit::textChanged, this, &CGuestsView::OnFilterChanged);
    connect(m_familyNameFilter, &QLineEdit::textChanged, this, &CGuestsView::OnFilterChanged);
    for (QComboBox* box : {m_groupFilter, m_relationFilter, m_statusFilter})
        connect(box, &QComboBox::currentIndexChanged, this, &CGuestsView::OnFilterChanged);
    connect(m_clearFilters, &QPushButton::clicked, this, &CGuestsView::ClearFilters);
    return filters;
}

QWidget* CGuestsView::BuildStatistics()
{
    auto* box = new QGroupBox(UiText(IDS_STATISTICS_TITLE));
    auto* layout = new QVBoxLayout(box);
    const int rowCount = static_cast<int>(std::size(kStatisticsRows));
    m_statistics = new QTableWidget(rowCount, kStatisticsColumns);
    m_statistics->setObjectName(QStringLiteral("GuestStatistics"));
    m_statistics->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_statistics->setSelectionMode(QAbstractItemView::NoSelection);
    m_statistics->setFocusPolicy(Qt::NoFocus);
    m_statistics->setAlternatingRowColors(true);
    m_statistics->verticalHeader()->hide();
    m_statistics->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_statistics->verticalHeader()->setDefaultSectionSize(m_statistics->fontMetrics().height() + 6);
    m_statistics->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_statistics->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Each column a sixth of the width.
    m_statistics->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    QStringList titles{QString()};
    for (int id : kStatisticsTitles)
        titles << UiText(id);
    m_statistics->setHorizontalHeaderLabels(titles);
    for (int row = 0; row < rowCount; ++row)
    {
        auto* label = new QTableWidgetItem(UiText(kStatisticsRows[row]));
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
        m_statistics->setItem(row, 0, label);
        for (int column = 1; column < kStatisticsColumns; ++column)
        {
            auto* cell = new QTableWidgetItem;
            cell->setTextAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
            m_statistics->setItem(row, column, cell);
        }
    }
    const int height = m_statistics->horizontalHeader()->sizeHint().height() +
                       m_statistics->verticalHeader()->length() + 2 * m_statistics->frameWidth();
    // Never taller than its rows; shrunk by the splitter, it scrolls.
    m_statistics->setMaximumHeight(height);
    m_statistics->setMinimumHeight(m_statistics->horizontalHeader()->sizeHint().height() +
                                   m_statistics->verticalHeader()->defaultSectionSize() +
                                   2 * m_statistics->frameWidth());
    layout->addWidget(m_statistics);
    box->setMaximumHeight(box->sizeHint().height());
    return box;
}

int CGuestsView::ViewCode() const
{
    return VIEW_GUESTS;
}

void CGuestsView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_VIEW_GUESTS));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().remove);
    menu.addSeparator();
    menu.addAction(m_multipleUpdate);
    menu.addAction(m_showDetails);
}

bool CGuestsView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
    case kCommandSearch:
        return true;
    case kCommandDelete:
    case kCommandEdit:
        return CurrentGuest() != nullptr;
    }
    return false;
}

QString CGuestsView::CommandText(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return UiText(IDS_MENU_ADD_GUEST);
    case kCommandDelete:
        return UiText(IDS_MENU_DELETE_GUEST);
    case kCommandEdit:
    case kCommandSearch:
        return {};
    }
    return {};
}

void CGuestsView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddGuest();
        break;
    case kCommandDelete:
        DeleteGuest();
        break;
    case kCommandSearch:
        Search();
        break;
    case kCommandEdit:
        EditInPanel();
        break;
    }
}

void CGuestsView::EditInPanel()
{
    if (CurrentGuest() == nullptr)
        return;
    ShowDetails(true);
    m_details->Pages()->setCurrentIndex(0);
    m_details->FirstNameField()->setFocus();
    m_details->FirstNameField()->selectAll();
}

bool CGuestsView::HasPendingEdit() const
{
    return m_delegate->HasOpenEditor() || m_details->HasPendingEdit();
}

void CGuestsView::CommitPendingEdit()
{
    m_delegate->CommitAndClose();
    m_details->CommitPendingEdit();
}

QWidget* CGuestsView::OpenEditor() const
{
    return m_delegate->OpenEditor();
}

// --- Hints and refresh ---------------------------------------------------------------------------

void CGuestsView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    CGuest* guest = HintRecord<CGuest>(record);
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
        m_details->DropGuest();
        MarkStale();
        break;
    case HINT_TABLES_REMOVING:
        MarkStale();
        break;
    case HINT_EVENT_RELOADED:
        ReadColumnWidths(); // another event may keep other widths
        MarkStale();
        break;
    case HINT_GUEST_REMOVING:
        if (guest != nullptr && guest == m_details->Guest())
            m_details->DropGuest();
        MarkStale(kStaleStatistics);
        break;
    case HINT_GOTO_GUEST:
        if (guest != nullptr)
            SelectGuest(guest);
        break;
    case HINT_GUEST_ADDED:
        if (guest != nullptr && m_filter.Matches(*guest))
            m_model->Append(guest);
        MarkStale(kStaleStatistics);
        break;
    case HINT_GROUPS_CHANGED:
    case HINT_GROUP_RENAMED:
    case HINT_GROUP_ADDED:
        MarkStale(kStaleGroups);
        break;
    default:
        if (sender != this)
            MarkStale(kStaleGuests | kStaleStatistics);
        break;
    }
}

void CGuestsView::Refresh(unsigned stale)
{
    bool rebuild = (stale & kStaleGuests) != 0;
    if (stale & kStaleGroups)
    {
        rebuild = RebuildGroupFilter() || rebuild;
        m_list->viewport()->update(); // a renamed group shows in the group column
    }
    if (rebuild)
        RebuildList();
    if (rebuild || (stale & kStaleStatistics))
        RefreshStatistics();
    UpdateEmptyState();
    // What another view changed shows in the panel (after what was typed there is stored).
    m_details->CommitPendingEdit();
    if (m_details->Guest() == CurrentGuest())
        m_details->Reload();
    else
        m_details->SetGuest(CurrentGuest());
}

void CGuestsView::OnFilterChanged()
{
    if (m_settingFilters)
        return;
    m_filter.group = FromQt(m_groupFilter->currentText());
    m_filter.relation = FromQt(m_relationFilter->currentText());
    m_filter.firstNamePrefix = FromQt(m_firstNameFilter->text());
    m_filter.familyNamePrefix = FromQt(m_familyNameFilter->text());
    m_filter.status = std::max(0, m_statusFilter->currentIndex());
    RebuildList();
    RefreshStatistics();
    emit CommandStateChanged();
}

void CGuestsView::ClearFilters()
{
    m_settingFilters = true; // one rebuild at the end, not one per field
    m_firstNameFilter->clear();
    m_familyNameFilter->clear();
    m_statusFilter->setCurrentIndex(CGuestFilter::kAllStatuses);
    m_groupFilter->setCurrentIndex(0);
    m_relationFilter->setCurrentIndex(0);
    m_settingFilters = false;
    OnFilterChanged();
}

void CGuestsView::RebuildList()
{
    // A refresh must not throw away what is being typed.
    CommitPendingEdit();
    const QModelIndex current = m_list->currentIndex();
    const CGuest* keep = m_model->GuestAt(current.isValid() ? current.row() : -1);
    const int column = current.isValid() ? current.column() : CGuestsTableModel::kColumnFirstName;
    m_model->SetGuests(m_filter.Apply(Doc().GetGuests()));
    const int row = m_model->RowOf(keep);
    if (row >= 0)
        SelectRow(row, column);
}

bool CGuestsView::RebuildGroupFilter()
{
    const QString chosen = m_groupFilter->currentText();
    m_settingFilters = true;
    m_groupFilter->clear();
    m_groupFilter->addItem(QString::fromLatin1(CGuestFilter::kAny));
    m_groupFilter->addItems(GroupNames());
    const int index = chosen.isEmpty() ? 0 : m_groupFilter->findText(chosen);
    m_groupFilter->setCurrentIndex(std::max(0, index));
    m_settingFilters = false;
    if (index >= 0)
        return false;
    // The chosen group is gone: show every group again.
    m_filter.group = CGuestFilter::kAny;
    return true;
}

void CGuestsView::RefreshStatistics()
{
    const CGuestStatistics statistics = CGuestStatistics::Compute(m_model->Guests());
    for (int row = 0; row < CGuestStatistics::kRowCount; ++row)
    {
        const CGuestStatistics::SRow& values =
            statistics.Row(static_cast<CGuestStatistics::ERow>(row));
        const QString cells[] = {QString::number(values.actual), QString::number(values.planned),
                                 QString::number(values.wontCome),
                                 ToQt(CGuestStatistics::InvitationsCell(values)),
                                 QString::number(values.approved)};
        for (int column = 1; column < kStatisticsColumns; ++column)
            m_statistics->item(row, column)->setText(cells[column - 1]);
    }
}

void CGuestsView::UpdateEmptyState()
{
    m_emptyHelp->setVisible(Doc().GetGuestCount() == 0);
}

QString CGuestsView::StatisticsCell(int row, int column) const
{
    const QTableWidgetItem* item = m_statistics->item(row, column);
    return item != nullptr ? item->text() : QString();
}

QStringList CGuestsView::GroupNames() const
{
    QStringList names;
    for (const auto& group : Doc().GetGroups())
        names << ToQt(group->GetName());
    return names;
}

// --- Columns -------------------------------------------------------------------------------------

int CGuestsView::FittingWidth(int column) const
{
    // Columns of a few fixed words (and numbers) never cut them; free text columns keep the width
    // the user gave them.
    QStringList texts{CGuestsTableModel::ColumnTitle(column)};
    switch (column)
    {
    case CGuestsTableModel::kColumnId:
        texts << QStringLiteral("99999");
        break;
    case CGuestsTableModel::kColumnRelation:
        texts << UiText(IDS_RELATION_BRIDE) << UiText(IDS_RELATION_GROOM)
              << UiText(IDS_RELATION_MUTUAL);
        break;
    case CGuestsTableModel::kColumnInvitationSent:
        texts << UiText(IDS_YES) << UiText(IDS_NO);
        break;
    case CGuestsTableModel::kColumnPlanned:
    case CGuestsTableModel::kColumnActual:
        texts << QStringLiteral("999");
        break;
    case CGuestsTableModel::kColumnStatus:
        texts << UiText(IDS_STATUS_APPROVED) << UiText(IDS_STATUS_NOT_COMING)
              << UiText(IDS_UNKNOWN);
        break;
    default:
        return 0;
    }
    const QFontMetrics metrics = m_list->horizontalHeader()->fontMetrics();
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + kCellPadding;
}

void CGuestsView::ReadColumnWidths()
{
    QHeaderView* header = m_list->horizontalHeader();
    const CEventSettings& settings = Doc().GetSettings();
    for (int column = 0; column < CGuestsTableModel::kColumnCount; ++column)
    {
        int width = ParseLeadingInt(settings.GetKeySetting(kWidthKeys[column]));
        if (width <= 0 && column < kFirstOptionalColumn)
            width =
                2 * header->fontMetrics().horizontalAdvance(CGuestsTableModel::ColumnTitle(column));
        header->setSectionHidden(column, width <= 0);
        if (width > 0)
            header->resizeSection(column, std::max(width, FittingWidth(column)));
    }
}

void CGuestsView::OnFrameClosing()
{
    CAppSettings& app = Doc().GetAppSettings();
    app.SetKeySetting("GuestDetailsShown", m_showDetails->isChecked() ? "1" : "0");
    if (m_detailsWidth > 0)
        app.SetKeySetting("GuestDetailsWidth", FormatInt(m_detailsWidth));

    QHeaderView* header = m_list->horizontalHeader();
    CEventSettings& settings = Doc().GetSettings();
    for (int column = 0; column < CGuestsTableModel::kColumnCount; ++column)
    {
        const int width = header->isSectionHidden(column) ? 0 : header->sectionSize(column);
        settings.SetKeySetting(kWidthKeys[column], FormatInt(width));
    }
}

void CGuestsView::ShowColumnChooser(const QPoint& position)
{
    QHeaderView* header = m_list->horizontalHeader();
    QMenu menu(this);
    menu.setTitle(UiText(IDS_COLUMN_CHOOSER_TITLE));
    for (int column = 0; column < CGuestsTableModel::kColumnCount; ++column)
    {
        QAction* entry = menu.addAction(CGuestsTableModel::ColumnTitle(column));
        entry->setCheckable(true);
        entry->setChecked(!header->isSectionHidden(column));
        entry->setEnabled(column >= kFirstOptionalColumn);
        entry->setData(column);
    }
    // Logical positions: the header mirrors the columns in Hebrew by itself.
    QAction* chosen = CModalSeam::ExecMenu(menu, header->mapToGlobal(position));
    if (chosen != nullptr && chosen->isEnabled())
        FlipColumn(chosen->data().toInt());
}

void CGuestsView::FlipColumn(int column)
{
    if (column < kFirstOptionalColumn || column >= CGuestsTableModel::kColumnCount)
        return;
    QHeaderView* header = m_list->horizontalHeader();
    if (!header->isSectionHidden(column))
    {
        header->setSectionHidden(column, true);
        return;
    }
    header->setSectionHidden(column, false);
    header->resizeSection(column, 2 * header->fontMetrics().horizontalAdvance(
                                          CGuestsTableModel::ColumnTitle(column)));
}

// --- Selection -----------------------------------------------------------------------------------

CGuest* CGuestsView::CurrentGuest() const
{
    const QModelIndex current = m_list->currentIndex();
    return m_model->GuestAt(current.isValid() ? current.row() : -1);
}

void CGuestsView::SelectRow(int row, int column)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (m_list->horizontalHeader()->isSectionHidden(column))
        column = CGuestsTableModel::kColumnFirstName;
    const QModelIndex index = m_model->index(row, column);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

void CGuestsView::SelectGuest(CGuest* guest)
{
    if (Doc().IndexOfGuest(guest) < 0)
        return;
    FlushRefresh();
    if (m_model->RowOf(guest) < 0)
        ClearFilters();
    SelectRow(m_model->RowOf(guest), CGuestsTableModel::kColumnFirstName);
    emit CommandStateChanged();
}

// --- Commands ------------------------------------------------------------------------------------

void CGuestsView::AddGuest()
{
    const std::string name = LoadString(IDS_NEW_GUEST);
    CGuest* guest = Doc().FindGuestByName(name);
    if (guest == nullptr)
    {
        CommitPendingEdit();
        guest = Edits::AddGuest(Doc(), name, "", this); // HINT_GUEST_ADDED to the others
        if (m_filter.Matches(*guest))
            m_model->Append(guest);
        RefreshStatistics();
        UpdateEmptyState();
    }
    SelectGuest(guest);
    m_list->setFocus();
}

void CGuestsView::DeleteGuest()
{
    CGuest* guest = CurrentGuest();
    if (guest == nullptr)
        return;
    CommitPendingEdit();
    const int row = m_list->currentIndex().row();
    {
        CWaitCursor wait;
        // HINT_GUEST_REMOVING takes the line out of the list before the guest goes.
        if (!Edits::DeleteGuestWithQuestion(Doc(), guest))
            return;
    }
    RefreshStatistics();
    UpdateEmptyState();
    SelectRow(std::min(row, m_model->rowCount() - 1), CGuestsTableModel::kColumnFirstName);
    emit CommandStateChanged();
}

void CGuestsView::ToggleApproved()
{
    CGuest* guest = CurrentGuest();
    if (guest == nullptr)
        return;
    CommitPendingEdit();
    Edits::EditGuestField(Doc(), guest, Edits::EGuestField::Status,
                          guest->IsApproved() ? CGuest::kStatusUnknown : CGuest::kStatusApproved,
                          this);
    m_model->GuestChanged(guest);
    OnGuestEdited();
}

void CGuestsView::OnGuestEdited()
{
    RefreshStatistics();
    emit CommandStateChanged();
}

void CGuestsView::EditRestrictions()
{
    CGuest* guest = CurrentGuest();
    if (guest == nullptr)
        return;
    CommitPendingEdit();
    CRestrictedGuestsDialog dialog(Doc(), *guest, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    dialog.Apply(this);
    emit CommandStateChanged();
}

void CGuestsView::Search()
{
    CGuestSearchDialog dialog(m_searchFirstName, m_searchFamilyName, false, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_searchFirstName = dialog.FirstName();
    m_searchFamilyName = dialog.FamilyName();
    m_hasSearch = true;
    FindNext(dialog.Backwards());
}

void CGuestsView::FindNext(bool backwards)
{
    if (!m_hasSearch)
    {
        Search();
        return;
    }
    const int count = m_model->rowCount();
    const QModelIndex current = m_list->currentIndex();
    const int start = current.isValid() ? current.row() : (backwards ? count : -1);
    const int step = backwards ? -1 : 1;
    // Every shown line once, the current one last; wraps around the ends.
    for (int i = 1; i <= count; ++i)
    {
        const int row = ((start + step * i) % count + count) % count;
        const CGuest* guest = m_model->GuestAt(row);
        if (CGuestSearchDialog::Matches(m_searchFirstName, m_searchFamilyName,
                                        ToQt(guest->GetName()), ToQt(guest->GetFamilyName())))
        {
            SelectRow(row,
                      current.isValid() ? current.column() : CGuestsTableModel::kColumnFirstName);
            return;
        }
    }
    AskString(Doc().GetPrompt(), IDS_GUEST_NOT_FOUND_TEXT, IDS_GUEST_NOT_FOUND_CAPTION,
              EButtons::Ok);
}

void CGuestsView::ShowGuestMenu(const QPoint& position)
{
    const QModelIndex clicked = m_list->indexAt(position);
    if (clicked.isValid())
        SelectRow(clicked.row(), clicked.column());
    CGuest* guest = CurrentGuest();
    if (guest == nullptr)
        return;
    QMenu menu(this);
    QAction* remove = menu.addAction(ThemeIcon("edit-delete"), UiText(IDS_GUESTS_MENU_DELETE));
    QAction* approved = menu.addAction(UiText(IDS_GUESTS_MENU_APPROVED));
    approved->setCheckable(true);
    approved->setChecked(guest->IsApproved());
    QAction* restricted = menu.addAction(UiText(IDS_GUESTS_MENU_RESTRICTED));
    QAction* locked = menu.addAction(UiText(IDS_OPT_MENU_LOCK_SEAT));
    locked->setCheckable(true);
    locked->setChecked(guest->IsSeatLocked());
    QAction* locate = menu.addAction(UiText(IDS_GUESTS_MENU_LOCATE_TABLE));
    QAction* chosen = CModalSeam::ExecMenu(menu, m_list->viewport()->mapToGlobal(position));
    if (chosen == locate)
        Doc().UpdateAllViews(this, HINT_LOCATE_TABLE, guest); // the seating view shows the table
    else if (chosen == remove)
        DeleteGuest();
    else if (chosen == approved)
        ToggleApproved();
    else if (chosen == restricted)
        EditRestrictions();
    else if (chosen == locked)
        Edits::SetSeatLocked(Doc(), guest, !guest->IsSeatLocked(), this);
}

bool CGuestsView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress && !m_delegate->HasOpenEditor())
    {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier)
        {
            switch (key->key())
            {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (m_list->currentIndex().isValid())
                {
                    m_list->edit(m_list->currentIndex());
                    return true;
                }
                break;
            case Qt::Key_Delete:
                DeleteGuest();
                return true;
            default:
                break;
            }
        }
    }
    return CFrameView::eventFilter(watched, event);
}
