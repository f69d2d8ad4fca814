#include "ui/RealTimeView.h"

#include "edits/ArrivalEdits.h"
#include "model/Guest.h"
#include "pages/CheckinCodesPage.h"
#include "platform/NumberText.h"
#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "seating/CheckinCodes.h"
#include "store/NewOrvDoc.h"
#include "ui/ArrivalDialog.h"
#include "ui/ChooseTableDialog.h"
#include "ui/Icons.h"
#include "ui/ModalSeam.h"
#include "ui/RealTimeGuestsModel.h"
#include "ui/RealTimeTablesModel.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"
#include "ui/WaitCursor.h"
#include "ui/WalkInGuestDialog.h"
#include "ui/WindowLayout.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace
{
constexpr unsigned kStaleGuests = 1; // the lines shown may change: rebuild the list
constexpr unsigned kStaleCells = 2;  // only what the lines show: repaint
constexpr unsigned kStaleTables = 4;
constexpr unsigned kStaleStatus = 8;

QLabel* Caption(int textId)
{
    auto* label = new QLabel(UiText(textId));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// One fixed height for every row, so that ten thousand lines cost nothing to lay out.
void FixRowHeights(QTableView* list)
{
    QHeaderView* rows = list->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(list->fontMetrics().height() + 8);
    list->setWordWrap(false);
    list->setContextMenuPolicy(Qt::NoContextMenu);
}

bool IsEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}
} // namespace

CRealTimeView::CRealTimeView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_RT_EXPLANATION));
    layout->addWidget(MakeExplanation(IDS_RT_CATERING_EXPLANATION));
    layout->addWidget(BuildFilters());

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->setObjectName(QStringLiteral("RealTimeSplit"));
    auto* guestsSide = new QWidget;
    auto* guestsLayout = new QVBoxLayout(guestsSide);
    guestsLayout->setContentsMargins(0, 0, 0, 0);
    guestsLayout->addWidget(Caption(IDS_RT_GUESTS_CAPTION));
    m_guestsModel = new CRealTimeGuestsModel(Doc(), this);
    m_guests = MakeRecordList("RealTimeGuests", m_guestsModel);
    FixRowHeights(m_guests);
    m_guests->installEventFilter(this);
    KeepColumnWidths(*m_guests, Doc().GetAppSettings());
    guestsLayout->addWidget(m_guests, 1);
    splitter->addWidget(guestsSide);

    auto* tablesSide = new QWidget;
    auto* tablesLayout = new QVBoxLayout(tablesSide);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    tablesLayout->addWidget(Caption(IDS_RT_TABLES_CAPTION));
    m_tablesModel = new CRealTimeTablesModel(Doc(), this);
    m_tables = MakeRecordList("RealTimeTables", m_tablesModel);
    FixRowHeights(m_tables);
    // The names get the room; the numbers keep the width of their titles.
    QHeaderView* tableColumns = m_tables->horizontalHeader();
    tableColumns->setStretchLastSection(false);
    tableColumns->setSectionResizeMode(CRealTimeTablesModel::kColumnName, QHeaderView::Stretch);
    for (int column : {CRealTimeTablesModel::kColumnFree, CRealTimeTablesModel::kColumnPlace})
        tableColumns->resizeSection(column, tableColumns->sectionSizeHint(column));
    KeepColumnWidths(*m_tables, Doc().GetAppSettings());
    tablesLayout->addWidget(m_tables, 1);
    m_roomLeftOnly = new QCheckBox(UiText(IDS_RT_ROOM_LEFT_ONLY));
    m_roomLeftOnly->setObjectName(QStringLiteral("RoomLeftOnly"));
    m_roomLeftOnly->setChecked(true);
    tablesLayout->addWidget(m_roomLeftOnly);
    splitter->addWidget(tablesSide);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    layout->addWidget(splitter, 1);
    KeepSplitterSizes(*splitter, Doc().GetAppSettings());

    m_arrived = MakeCommandButton("dialog-ok", IDS_RT_GUEST_ARRIVED);
    m_arrived->setObjectName(QStringLiteral("GuestArrivedButton"));
    QFont strong = m_arrived->font();
    strong.setBold(true);
    m_arrived->setFont(strong);
    m_addGuest = MakeCommandButton("list-add", IDS_RT_ADD_GUEST);
    m_printButton = MakeCommandButton("document-print", IDS_RT_PRINT_CODES);
    QHBoxLayout* bottom = MakeButtonRow({m_arrived, m_addGuest, m_printButton});
    m_status = new QLabel;
    m_status->setObjectName(QStringLiteral("ArrivedStatus"));
    QFont statusFont = m_status->font();
    statusFont.setBold(true);
    statusFont.setPointSizeF(statusFont.pointSizeF() * 1.25);
    m_status->setFont(statusFont);
    bottom->addWidget(m_status);
    layout->addLayout(bottom);

    // Window shortcuts of the view: Qt ignores them while another view is shown.
    m_print = new QAction(ThemeIcon("document-print"), UiText(IDS_RT_PRINT_CODES), this);
    m_print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    addAction(m_print);

    connect(m_arrived, &QPushButton::clicked, this, &CRealTimeView::RecordArrival);
    connect(m_addGuest, &QPushButton::clicked, this, &CRealTimeView::AddWalkInGuest);
    connect(m_printButton, &QPushButton::clicked, this, &CRealTimeView::PrintCheckinCodes);
    connect(m_print, &QAction::triggered, this, &CRealTimeView::PrintCheckinCodes);
    connect(m_guests, &QTableView::doubleClicked, this, &CRealTimeView::RecordArrival);
    connect(m_guests->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CRealTimeView::CommandStateChanged);
    connect(m_notArrivedOnly, &QCheckBox::toggled, this,
            [this](bool checked)
            {
                m_filter.notArrivedOnly = checked;
                RebuildGuests(CurrentGuest());
            });
    connect(m_roomLeftOnly, &QCheckBox::toggled, this, &CRealTimeView::RebuildTables);

    setTabOrder(m_firstName, m_familyName);
    setTabOrder(m_familyName, m_notArrivedOnly);
    setTabOrder(m_notArrivedOnly, m_guests);
    setTabOrder(m_guests, m_tables);
    setTabOrder(m_tables, m_roomLeftOnly);
    setTabOrder(m_roomLeftOnly, m_arrived);
    setTabOrder(m_arrived, m_addGuest);
    setTabOrder(m_addGuest, m_printButton);

    Refresh(kStaleAll);
    m_guests->horizontalHeader()->resizeSection(
        CRealTimeGuestsModel::kColumnFirstName,
        m_guests->fontMetrics().horizontalAdvance(QStringLiteral("Wwwwwwwwwwwww")));
    m_guests->horizontalHeader()->resizeSection(
        CRealTimeGuestsModel::kColumnFamilyName,
        m_guests->fontMetrics().horizontalAdvance(QStringLiteral("Wwwwwwwwwwwwwwwww")));
}

QWidget* CRealTimeView::BuildFilters()
{
    auto* filters = new QWidget;
    auto* row = new QHBoxLayout(filters);
    row->setContentsMargins(0, 0, 0, 0);
    m_firstName = new QLineEdit;
    m_firstName->setObjectName(QStringLiteral("FirstNameFilter"));
    m_familyName = new QLineEdit;
    m_familyName->setObjectName(QStringLiteral("FamilyNameFilter"));
    m_notArrivedOnly = new QCheckBox(UiText(IDS_RT_NOT_ARRIVED_ONLY));
    m_notArrivedOnly->setObjectName(QStringLiteral("NotArrivedOnly"));
    m_notArrivedOnly->setChecked(m_filter.notArrivedOnly);
    for (QLineEdit* field : {m_firstName, m_familyName})
    {
        field->setClearButtonEnabled(true);
        field->setToolTip(UiText(IDS_RT_FILTER_TIP));
        field->installEventFilter(this);
        connect(field, &QLineEdit::textChanged, this, &CRealTimeView::OnFilterChanged);
    }
    auto* firstLabel = new QLabel(UiText(IDS_FIRST_NAME_LABEL));
    firstLabel->setBuddy(m_firstName);
    auto* familyLabel = new QLabel(UiText(IDS_LAST_NAME_LABEL));
    familyLabel->setBuddy(m_familyName);
    row->addWidget(firstLabel);
    row->addWidget(m_firstName, 1);
    row->addWidget(familyLabel);
    row->addWidget(m_familyName, 1);
    row->addWidget(m_notArrivedOnly);
    return filters;
}

int CRealTimeView::ViewCode() const
{
    return VIEW_REAL_TIME;
}

void CRealTimeView::BuildViewMenu(QMenu& menu)
{
    // Not "Real Time": the frame's menu of that name stands beside it.
    menu.setTitle(UiText(IDS_RT_MENU_TITLE));
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().add);
    menu.addSeparator();
    menu.addAction(m_print);
}

bool CRealTimeView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
    case kCommandSearch:
        return true;
    case kCommandEdit:
        return CurrentGuest() != nullptr;
    case kCommandDelete:
        return false;
    }
    return false;
}

QString CRealTimeView::CommandText(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return UiText(IDS_RT_ADD_GUEST);
    case kCommandEdit:
        return UiText(IDS_RT_GUEST_ARRIVED);
    default:
        return {};
    }
}

void CRealTimeView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddWalkInGuest();
        break;
    case kCommandEdit:
        RecordArrival();
        break;
    case kCommandSearch:
        FocusFilter();
        break;
    case kCommandDelete:
        break;
    }
}

void CRealTimeView::OnActivated()
{
    FocusFilter();
    // The frame shows the view right after; the focus must land once it is visible.
    QTimer::singleShot(0, this, &CRealTimeView::FocusFilter);
}

// --- Hints and refresh ---------------------------------------------------------------------------

void CRealTimeView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    if (sender == this)
        return;
    switch (hint)
    {
    case HINT_GUEST_ADDED:
        if (CGuest* guest = HintRecord<CGuest>(record);
            guest != nullptr && m_filter.Matches(*guest))
            m_guestsModel->Append(guest);
        MarkStale(kStaleTables | kStaleStatus);
        break;
    case HINT_GUEST_REMOVING:
        // The list model drops the line itself.
        MarkStale(kStaleTables | kStaleStatus);
        break;
    case HINT_GUEST_CHANGED:
    case HINT_EVENT_RELOADING:
    case HINT_EVENT_RELOADED:
        MarkStale();
        break;
    case HINT_GOTO_GUEST:
    case HINT_GROUPS_CHANGED:
    case HINT_GROUP_RENAMED:
    case HINT_GROUP_ADDED:
    case HINT_SELECT_TABLE:
    case HINT_LOCATE_TABLE:
    case HINT_ADD_TABLE_REQUEST:
        break; // nothing the desk shows
    default:
        // Tables, seats and arrangements: the tables list and the table column.
        MarkStale(kStaleCells | kStaleTables | kStaleStatus);
        break;
    }
}

void CRealTimeView::Refresh(unsigned stale)
{
    if (stale & kStaleGuests)
        RebuildGuests(CurrentGuest());
    else if (stale & kStaleCells)
        m_guestsModel->RefreshCells();
    if (stale & kStaleTables)
        RebuildTables();
    if (stale & kStaleStatus)
        RefreshStatus();
}

void CRealTimeView::OnFilterChanged()
{
    if (m_settingFilters)
        return;
    m_filter.firstName = FromQt(m_firstName->text());
    m_filter.familyName = FromQt(m_familyName->text());
    RebuildGuests(nullptr); // the first line is selected
    emit CommandStateChanged();
}

void CRealTimeView::RebuildGuests(const CGuest* keep)
{
    m_guestsModel->SetGuests(m_filter.Apply(Doc().GetGuests()));
    const int row = m_guestsModel->RowOf(keep);
    SelectRow(row >= 0 ? row : 0);
}

void CRealTimeView::RebuildTables()
{
    const QModelIndex current = m_tables->currentIndex();
    const CTable* keep = m_tablesModel->TableAt(current.isValid() ? current.row() : -1);
    m_tablesModel->Rebuild(m_roomLeftOnly->isChecked());
    const int row = m_tablesModel->RowOf(keep);
    if (row >= 0)
        m_tables->setCurrentIndex(m_tablesModel->index(row, 0));
}

void CRealTimeView::RefreshStatus()
{
    m_status->setText(ToQt(FormatText(LoadString(IDS_ARRIVED_GUESTS_STATUS),
                                      {FormatInt(CountArrivals(Doc()).people)})));
}

QString CRealTimeView::StatusText() const
{
    return m_status->text();
}

// --- Selection and focus -------------------------------------------------------------------------

CGuest* CRealTimeView::CurrentGuest() const
{
    const QModelIndex current = m_guests->currentIndex();
    return m_guestsModel->GuestAt(current.isValid() ? current.row() : -1);
}

void CRealTimeView::SelectRow(int row)
{
    if (row < 0 || row >= m_guestsModel->rowCount())
        return;
    const QModelIndex index = m_guestsModel->index(row, 0);
    m_guests->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                           QItemSelectionModel::Rows);
    m_guests->scrollTo(index);
}

bool CRealTimeView::SelectGuest(const CGuest* guest)
{
    const int row = m_guestsModel->RowOf(guest);
    if (row < 0)
        return false;
    SelectRow(row);
    emit CommandStateChanged();
    return true;
}

void CRealTimeView::FocusFilter()
{
    m_firstName->setFocus(Qt::OtherFocusReason);
    m_firstName->selectAll();
}

void CRealTimeView::ClearFilters()
{
    m_settingFilters = true; // one rebuild, not one per field
    m_firstName->clear();
    m_familyName->clear();
    m_settingFilters = false;
    OnFilterChanged();
    FocusFilter();
}

bool CRealTimeView::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return CFrameView::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier)
        return CFrameView::eventFilter(watched, event);
    if (key->key() == Qt::Key_Escape &&
        (watched == m_firstName || watched == m_familyName || watched == m_guests))
    {
        ClearFilters();
        return true;
    }
    if (IsEnter(key))
    {
        if (watched == m_firstName || watched == m_familyName)
        {
            OnFilterEnter(static_cast<QLineEdit*>(watched));
            return true;
        }
        if (watched == m_guests)
        {
            RecordArrival();
            return true;
        }
    }
    // From a filter, the arrow keys walk the list, so a name part, Down and Enter pick a line.
    if ((watched == m_firstName || watched == m_familyName) &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down || key->key() == Qt::Key_PageUp ||
         key->key() == Qt::Key_PageDown))
    {
        QKeyEvent copy(QEvent::KeyPress, key->key(), Qt::NoModifier);
        QCoreApplication::sendEvent(m_guests, &copy);
        return true;
    }
    return CFrameView::eventFilter(watched, event);
}

// --- Commands ------------------------------------------------------------------------------------

void CRealTimeView::OnFilterEnter(QLineEdit* field)
{
    const std::string text = FromQt(field->text());
    if (!IsCheckinCode(text))
    {
        RecordArrival();
        return;
    }
    // A scanned code: the digits are no part of a name, so the filters go before the guest is
    // looked for in the list.
    CGuest* guest = FindGuestByCheckinCode(Doc(), text);
    m_settingFilters = true;
    m_firstName->clear();
    m_familyName->clear();
    m_settingFilters = false;
    OnFilterChanged();
    IPrompt& prompt = Doc().GetPrompt();
    if (guest == nullptr)
        prompt.Ask(FormatText(LoadString(IDS_RT_UNKNOWN_CODE), {text}),
                   LoadString(IDS_VIEW_REAL_TIME), EButtons::Ok);
    else if (!SelectGuest(guest))
        prompt.Ask(FormatText(LoadString(IDS_RT_ALREADY_ARRIVED),
                              {guest->GetDisplayName(), FormatInt(guest->GetArrivedCount())}),
                   LoadString(IDS_VIEW_REAL_TIME), EButtons::Ok);
    else
    {
        RecordArrival();
        return;
    }
    FocusFilter();
}

bool CRealTimeView::Arrive(CGuest* guest, int people, QWidget* dialog)
{
    const Edits::TableChooser choose = [dialog](const std::vector<STableChoiceLine>& lines,
                                                int) -> std::optional<int>
    {
        CChooseTableDialog chooser(lines, dialog);
        if (CModalSeam::Exec(chooser) != QDialog::Accepted)
            return std::nullopt;
        return chooser.ChosenTableId();
    };
    return Edits::GuestArrived(Doc(), guest, people, choose, this) == Edits::EArrival::Accepted;
}

void CRealTimeView::RecordArrival()
{
    CGuest* guest = CurrentGuest();
    if (guest == nullptr)
    {
        FocusFilter();
        return;
    }
    const int row = m_guests->currentIndex().row();
    CArrivalDialog dialog(ToQt(guest->GetDisplayName()), ToQt(TableTextOf(Doc(), *guest)),
                          guest->IsArrived() ? guest->GetArrivedCount() : guest->GetComingCount(),
                          this);
    dialog.SetHandler([this, guest, &dialog](int people)
                      { return Arrive(guest, people, &dialog); });
    if (CModalSeam::Exec(dialog) == QDialog::Accepted)
    {
        if (m_filter.notArrivedOnly)
        {
            m_guestsModel->Remove(guest);
            SelectRow(std::min(row, m_guestsModel->rowCount() - 1));
        }
        else
            m_guestsModel->GuestChanged(guest);
        // A table that filled up leaves the list of tables with room left.
        RebuildTables();
        RefreshStatus();
        emit CommandStateChanged();
    }
    FocusFilter();
}

void CRealTimeView::AddWalkInGuest()
{
    CWalkInGuestDialog dialog(this);
    if (CModalSeam::Exec(dialog) == QDialog::Accepted)
    {
        CGuest* guest = Edits::AddWalkInGuest(Doc(), FromQt(dialog.FirstName()),
                                              FromQt(dialog.FamilyName()), this);
        m_settingFilters = true;
        m_firstName->clear();
        m_familyName->clear();
        m_settingFilters = false;
        m_filter.firstName.clear();
        m_filter.familyName.clear();
        RebuildGuests(guest);
        RebuildTables();
        RefreshStatus();
        emit CommandStateChanged();
    }
    FocusFilter();
}

void CRealTimeView::PrintCheckinCodes()
{
    QFileDialog dialog(this, UiText(IDS_RT_PRINT_CODES).remove(QStringLiteral(" ...")));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setNameFilters({UiText(IDS_RT_PDF_FILE_FILTER), UiText(IDS_ALL_FILES_FILTER)});
    dialog.setLabelText(QFileDialog::LookIn, UiText(IDS_FILE_DIALOG_LOOK_IN));
    dialog.setLabelText(QFileDialog::FileName, UiText(IDS_FILE_DIALOG_FILE_NAME));
    dialog.setLabelText(QFileDialog::FileType, UiText(IDS_FILE_DIALOG_FILE_TYPE));
    dialog.setLabelText(QFileDialog::Accept, UiText(IDS_TOOLBAR_SAVE));
    dialog.setLabelText(QFileDialog::Reject, UiText(IDS_BUTTON_CANCEL));
    dialog.selectFile(QDir::home().filePath(UiText(IDS_RT_CODES_FILE_NAME)));
    if (CModalSeam::Exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    {
        const std::string path = FromQt(dialog.selectedFiles().front());
        ECheckinCodes result;
        {
            CWaitCursor wait;
            result = WriteCheckinCodes(Doc(), path);
        }
        // The desktop's viewer prints it.
        if (result == ECheckinCodes::Written)
            ShellOpen(path);
    }
    FocusFilter();
}
