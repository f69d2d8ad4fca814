#include "ui/GrapicTablesView.h"

#include "edits/GuestEdits.h"
#include "edits/HallEdits.h"
#include "edits/TableEdits.h"
#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "seating/SeatingBoard.h"
#include "store/NewOrvDoc.h"
#include "ui/Icons.h"
#include "ui/ModalSeam.h"
#include "ui/PlanFiles.h"
#include "ui/SeatingScene.h"
#include "ui/SeatingSearchDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableTip.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"
#include "ui/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace
{
// How close to the top or bottom edge a drag scrolls the board, and how fast.
constexpr int kAutoScrollZone = 32;
constexpr int kAutoScrollInterval = 40;
constexpr int kLinesPerWheelStep = 3;

// The floating label that follows a drag.
QGraphicsItem* MakeGhost(const QString& text)
{
    auto* frame = new QGraphicsRectItem;
    auto* label = new QGraphicsSimpleTextItem(text, frame);
    QFont font = QApplication::font();
    font.setBold(true);
    label->setFont(font);
    const QRectF bounds = label->boundingRect().adjusted(-6, -3, 6, 3);
    frame->setRect(bounds);
    frame->setBrush(QColor(255, 255, 225, 230));
    frame->setPen(QPen(QApplication::palette().color(QPalette::Highlight), 1.5));
    frame->setZValue(1e6);
    frame->setAcceptedMouseButtons(Qt::NoButton);
    return frame;
}
} // namespace

CGrapicTablesView::CGrapicTablesView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_SEATING_EXPLANATION));
    QPushButton* search = MakeCommandButton("edit-find", IDS_MENU_SEARCH);
    QPushButton* exportBoard = MakeCommandButton("document-export", IDS_PLAN_EXPORT_BOARD);
    QPushButton* printBoard = MakeCommandButton("document-print", IDS_PLAN_PRINT_BOARD);
    layout->addLayout(MakeButtonRow({search, exportBoard, printBoard}));

    // Attached after the view: the view still sees its cells when a removal hint reaches it.
    m_scene = new CSeatingScene(doc, this);
    m_canvas = new QGraphicsView(m_scene);
    m_canvas->setObjectName(QStringLiteral("SeatingCanvas"));
    m_canvas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    m_canvas->setBackgroundBrush(QColor(0xEE, 0xF0, 0xF3));
    m_canvas->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_canvas->viewport()->installEventFilter(this);
    m_canvas->viewport()->setMouseTracking(false);
    layout->addWidget(m_canvas, 1);

    m_autoScroll = new QTimer(this);
    m_autoScroll->setInterval(kAutoScrollInterval);
    connect(m_autoScroll, &QTimer::timeout, this, &CGrapicTablesView::AutoScroll);
    connect(search, &QPushButton::clicked, this, &CGrapicTablesView::Search);
    connect(exportBoard, &QPushButton::clicked, this, &CGrapicTablesView::ExportBoard);
    connect(printBoard, &QPushButton::clicked, this, &CGrapicTablesView::PrintBoard);

    MarkStale();
}

int CGrapicTablesView::ViewCode() const
{
    return VIEW_SEATING;
}

// --- Menus and generic commands -------------------------------------------------------------

void CGrapicTablesView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_MENU_VIEW_SEAT_ARRANGEMENT));
    menu.addAction(FrameActions().add);
    menu.addAction(FrameActions().edit);
    menu.addAction(FrameActions().search);
    menu.addSeparator();
    menu.addAction(UiText(IDS_GUESTS_MENU_LOCATE_TABLE), this,
                   &CGrapicTablesView::LocateSelectedGuest);
    menu.addAction(UiText(IDS_GROUPS_MENU_GO_TO_GUEST), this, &CGrapicTablesView::GoToGuestDetails);
    menu.addSeparator();
    menu.addAction(ThemeIcon("document-export"), UiText(IDS_PLAN_EXPORT_BOARD), this,
                   &CGrapicTablesView::ExportBoard);
    menu.addAction(ThemeIcon("document-print"), UiText(IDS_PLAN_PRINT_BOARD), this,
                   &CGrapicTablesView::PrintBoard);
}

bool CGrapicTablesView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
    case kCommandSearch:
        return true;
    case kCommandEdit:
        return CurrentTable() != nullptr;
    case kCommandDelete:
        return false;
    }
    return false;
}

QString CGrapicTablesView::CommandText(ECommand command) const
{
    return command == kCommandEdit ? UiText(IDS_SEATING_MENU_TABLE_DETAILS) : QString();
}

void CGrapicTablesView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddTable();
        break;
    case kCommandEdit:
        EditTable();
        break;
    case kCommandSearch:
        Search();
        break;
    case kCommandDelete:
        break;
    }
}

// --- Hints and refresh ------------------------------------------------------------------------

void CGrapicTablesView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
    case HINT_TABLES_REMOVING:
        m_pendingSelect = nullptr;
        m_pendingLocate = nullptr;
        MarkStale();
        break;
    case HINT_TABLE_DELETING:
        if (m_pendingSelect == record)
            m_pendingSelect = nullptr;
        MarkStale();
        break;
    case HINT_GUEST_REMOVING:
        if (m_pendingLocate == record)
            m_pendingLocate = nullptr;
        MarkStale();
        break;
    case HINT_SELECT_TABLE:
        if (sender != this && HintRecord<CTable>(record) != nullptr)
        {
            m_pendingSelect = HintRecord<CTable>(record);
            if (m_scene->CellOf(m_pendingSelect) != nullptr)
                Refresh(0);
        }
        break;
    case HINT_LOCATE_TABLE:
        if (sender != this && HintRecord<CGuest>(record) != nullptr)
        {
            // The frame shows this view; the board must be current before it is searched.
            m_pendingLocate = HintRecord<CGuest>(record);
            FlushRefresh();
            Refresh(0);
        }
        break;
    case HINT_GOTO_GUEST:
        break;
    default:
        // The view's own drop reloads its two cells itself.
        if (sender != this && !m_dropping)
            MarkStale();
        break;
    }
}

int CGrapicTablesView::BoardWidth() const
{
    return m_canvas->viewport()->width();
}

void CGrapicTablesView::Refresh(unsigned stale)
{
    if (stale != 0)
    {
        EndDrag();
        const CTable* current = CurrentTable();
        const int line = m_current != nullptr ? m_current->SelectedLine() : -1;
        const int scroll = m_canvas->verticalScrollBar()->value();
        m_current = nullptr;
        m_pressCell = nullptr;
        m_scene->Rebuild(BoardWidth());
        if (CTableCellItem* cell = m_scene->CellOf(current))
        {
            SetCurrentCell(cell);
            cell->SetSelectedLine(line);
        }
        m_canvas->verticalScrollBar()->setValue(scroll);
    }
    if (m_pendingSelect != nullptr)
    {
        const CTable* table = m_pendingSelect;
        m_pendingSelect = nullptr;
        m_followingOtherView = true;
        SelectTable(table);
        m_followingOtherView = false;
    }
    if (m_pendingLocate != nullptr)
    {
        const CGuest* guest = m_pendingLocate;
        m_pendingLocate = nullptr;
        Locate(guest);
    }
}

// --- Selection --------------------------------------------------------------------------------

void CGrapicTablesView::SetCurrentCell(CTableCellItem* cell)
{
    if (cell == m_current)
        return;
    if (m_current != nullptr)
        m_current->SetCurrent(false);
    m_current = cell;
    if (m_current != nullptr)
        m_current->SetCurrent(true);
    emit CommandStateChanged();
    if (m_current != nullptr && m_current->Table() != nullptr && !m_followingOtherView)
        Doc().UpdateAllViews(this, HINT_SELECT_TABLE, m_current->Table());
}

void CGrapicTablesView::SelectTable(const CTable* table, int line)
{
    CTableCellItem* cell = m_scene->CellOf(table);
    if (cell == nullptr)
        return;
    SetCurrentCell(cell);
    cell->SetSelectedLine(line);
    const QRectF box = cell->sceneBoundingRect();
    m_canvas->ensureVisible(box, 8, 8);
}

CTable* CGrapicTablesView::CurrentTable() const
{
    return m_current != nullptr ? m_current->Table() : nullptr;
}

CGuest* CGrapicTablesView::SelectedGuest() const
{
    if (m_current == nullptr || m_current->SelectedLine() < 0)
        return nullptr;
    return m_current->Guests()[static_cast<std::size_t>(m_current->SelectedLine())];
}

CTableCellItem* CGrapicTablesView::CellOf(const CTable* table) const
{
    return m_scene->CellOf(table);
}

std::vector<CTable*> CGrapicTablesView::CellTables() const
{
    std::vector<CTable*> tables;
    for (const CTableCellItem* cell : m_scene->Cells())
        tables.push_back(cell->Table());
    return tables;
}

QPoint CGrapicTablesView::PointOn(const CTable* table, int line)
{
    CTableCellItem* cell = m_scene->CellOf(table);
    if (cell == nullptr)
        return {};
    cell->ShowLine(line);
    m_canvas->ensureVisible(cell->sceneBoundingRect(), 8, 8);
    return m_canvas->mapFromScene(cell->mapToScene(cell->LineCentre(line)));
}

CTableCellItem* CGrapicTablesView::CellAtViewport(const QPoint& position) const
{
    return m_scene->CellAt(m_canvas->mapToScene(position));
}

// --- Mouse ------------------------------------------------------------------------------------

bool CGrapicTablesView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_canvas->viewport())
        return CFrameView::eventFilter(watched, event);
    switch (event->type())
    {
    case QEvent::MouseButtonPress:
    {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            OnPress(mouse->position().toPoint());
        else if (mouse->button() == Qt::RightButton)
            SetCurrentCell(CellAtViewport(mouse->position().toPoint()));
        return true;
    }
    case QEvent::MouseMove:
    {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton)
            OnMove(mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonRelease:
    {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton)
            OnRelease(mouse->position().toPoint());
        return true;
    }
    case QEvent::MouseButtonDblClick:
    {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return true;
        if (CTableCellItem* cell = CellAtViewport(mouse->position().toPoint()))
        {
            SetCurrentCell(cell);
            EditTable();
        }
        return true;
    }
    case QEvent::ContextMenu:
        ShowCellMenu(static_cast<QContextMenuEvent*>(event)->pos());
        return true;
    case QEvent::ToolTip:
    {
        auto* help = static_cast<QHelpEvent*>(event);
        ShowTableTip(help->pos(), help->globalPos());
        return true;
    }
    case QEvent::Wheel:
    {
        // Over a cell whose lines go on, the wheel scrolls the lines; otherwise the board.
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint position = wheel->position().toPoint();
        if (CTableCellItem* cell = CellAtViewport(position))
        {
            const QPointF local = cell->mapFromScene(m_canvas->mapToScene(position));
            bool onBar = false;
            const bool inLines = cell->LineAt(local, &onBar) >= 0 || onBar;
            const int steps = wheel->angleDelta().y() / 120;
            if (inLines && steps != 0 && cell->ScrollBy(-steps * kLinesPerWheelStep))
                return true;
        }
        return false;
    }
    case QEvent::Resize:
        m_scene->Arrange(BoardWidth());
        return false;
    default:
        return false;
    }
}

void CGrapicTablesView::OnPress(const QPoint& position)
{
    CTableCellItem* cell = CellAtViewport(position);
    SetCurrentCell(cell);
    m_pressed = cell != nullptr;
    m_pressPosition = position;
    m_pressCell = cell;
    m_pressLine = -1;
    if (cell == nullptr)
        return;
    bool onBar = false;
    const QPointF local = cell->mapFromScene(m_canvas->mapToScene(position));
    const int line = cell->LineAt(local, &onBar);
    if (onBar)
    {
        // A page of lines towards the click.
        const qreal thumb = cell->LineCentre(cell->ScrollOffset()).y();
        cell->ScrollBy(local.y() < thumb ? -cell->VisibleLines() : cell->VisibleLines());
        m_pressed = false;
        return;
    }
    m_pressLine = line;
    cell->SetSelectedLine(line);
}

void CGrapicTablesView::OnMove(const QPoint& position)
{
    m_lastPosition = position;
    if (!m_pressed)
        return;
    if (m_dragKind == kDragNone)
    {
        if ((position - m_pressPosition).manhattanLength() < QApplication::startDragDistance())
            return;
        StartDrag(position);
        if (m_dragKind == kDragNone)
            return;
    }
    m_ghost->setPos(m_canvas->mapToScene(position) + QPointF(12, 8));
    CTableCellItem* target = CellAtViewport(position);
    if (target == m_pressCell)
        target = nullptr;
    if (target != m_target)
    {
        if (m_target != nullptr)
            m_target->SetDropTarget(false);
        m_target = target;
        if (m_target != nullptr)
            m_target->SetDropTarget(true);
    }
}

void CGrapicTablesView::StartDrag(const QPoint& position)
{
    if (m_pressCell == nullptr || m_pressCell->Table() == nullptr)
        return;
    QString text;
    if (m_pressLine >= 0)
    {
        m_dragKind = kDragGuest;
        text = m_pressCell->LineTexts().value(m_pressLine);
    }
    else if (m_scene->IndexOf(m_pressCell) > 0)
    {
        // Any cell but the first moves its table.
        m_dragKind = kDragTable;
        text = ToQt(m_pressCell->Table()->GetName());
    }
    else
        return;
    m_ghost = MakeGhost(text);
    m_scene->addItem(m_ghost);
    m_ghost->setPos(m_canvas->mapToScene(position) + QPointF(12, 8));
    m_lastPosition = position;
    m_autoScroll->start();
}

void CGrapicTablesView::EndDrag()
{
    m_autoScroll->stop();
    if (m_ghost != nullptr)
    {
        m_scene->removeItem(m_ghost);
        delete m_ghost;
        m_ghost = nullptr;
    }
    if (m_target != nullptr)
        m_target->SetDropTarget(false);
    m_target = nullptr;
    m_dragKind = kDragNone;
    m_pressed = false;
}

void CGrapicTablesView::OnRelease(const QPoint& position)
{
    const EDragKind kind = m_dragKind;
    CTableCellItem* source = m_pressCell;
    const int line = m_pressLine;
    EndDrag();
    m_pressCell = nullptr;
    if (kind == kDragNone || source == nullptr || source->Table() == nullptr)
        return;
    CTableCellItem* target = CellAtViewport(position);
    if (target == nullptr || target == source)
        return;
    if (kind == kDragGuest)
    {
        CGuest* guest = source->Guests().at(static_cast<std::size_t>(line));
        DropGuest(guest, target->Table());
    }
    else
        DropTable(source->Table(), target->Table());
}

void CGrapicTablesView::AutoScroll()
{
    const int height = m_canvas->viewport()->height();
    QScrollBar* bar = m_canvas->verticalScrollBar();
    int step = 0;
    if (m_lastPosition.y() < kAutoScrollZone)
        step = -(kAutoScrollZone - m_lastPosition.y());
    else if (m_lastPosition.y() > height - kAutoScrollZone)
        step = m_lastPosition.y() - (height - kAutoScrollZone);
    if (step == 0)
        return;
    bar->setValue(bar->value() + step);
    OnMove(m_lastPosition);
}

// --- Drops ------------------------------------------------------------------------------------

bool CGrapicTablesView::DropGuest(CGuest* guest, CTable* target)
{
    if (guest == nullptr || target == nullptr || guest->GetTable() == target->GetId())
        return false;
    const CTable* source = Doc().FindTableById(guest->GetTable());
    m_dropping = true;
    const bool seated = Edits::SeatGuest(Doc(), guest, target);
    m_dropping = false;
    if (!seated)
        return false;
    m_scene->Reload({source, target});
    // A cell that now holds more lines than the cells show makes them taller.
    if (CTableCellItem* cell = m_scene->CellOf(target);
        cell != nullptr && static_cast<int>(cell->LineTexts().size()) > m_scene->VisibleLines() &&
        m_scene->VisibleLines() < CSeatingScene::kMostVisibleLines && target->GetId() > 0)
    {
        MarkStale();
        FlushRefresh();
    }
    if (CTableCellItem* cell = m_scene->CellOf(target))
    {
        const auto& guests = cell->Guests();
        const auto it = std::find(guests.begin(), guests.end(), guest);
        SetCurrentCell(cell);
        cell->SetSelectedLine(it == guests.end() ? -1 : static_cast<int>(it - guests.begin()));
    }
    QApplication::beep();
    return true;
}

bool CGrapicTablesView::DropTable(CTable* dragged, CTable* target)
{
    if (dragged == nullptr || target == nullptr || dragged == target || dragged->GetId() <= 0 ||
        target->GetId() <= 0)
        return false;
    const int to = target->GetId();
    {
        CWaitCursor wait;
        m_dropping = true;
        const bool moved = Edits::MoveTable(Doc(), dragged->GetId(), to);
        m_dropping = false;
        if (!moved)
            return false;
    }
    // Every table between the two places changed: the board is built again.
    MarkStale();
    FlushRefresh();
    SelectTable(Doc().GetTableAt(to));
    QApplication::beep();
    return true;
}

// --- Commands ---------------------------------------------------------------------------------

void CGrapicTablesView::AddTable()
{
    CTable* table = AddTableWithDialog(Doc(), this);
    if (table == nullptr)
        return;
    MarkStale();
    FlushRefresh();
    SelectTable(table);
}

void CGrapicTablesView::EditTable()
{
    CTable* table = CurrentTable();
    if (table == nullptr)
        return;
    if (EditTableWithDialog(Doc(), table, this, this))
    {
        // A new place may move the cell.
        MarkStale();
        FlushRefresh();
        SelectTable(table);
    }
}

void CGrapicTablesView::Search()
{
    CSeatingSearchDialog dialog(m_searchGuest, m_searchTable, false, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    m_searchGuest = dialog.GuestText();
    m_searchTable = dialog.TableText();
    m_hasSearch = true;
    FindNext(dialog.Backwards());
}

void CGrapicTablesView::FindNext(bool backwards)
{
    if (!m_hasSearch)
    {
        Search();
        return;
    }
    FlushRefresh();
    const std::vector<CTable*> cells = CellTables();
    CSeatingBoard::SPosition from;
    if (m_current != nullptr)
        from = {m_scene->IndexOf(m_current), m_current->SelectedLine()};
    const CSeatingBoard::SPosition found = CSeatingBoard(Doc()).FindNext(
        cells, FromQt(m_searchGuest), FromQt(m_searchTable), from, backwards);
    if (found.cell < 0)
    {
        if (m_searchGuest.isEmpty())
            AskString(Doc().GetPrompt(), IDS_TABLE_NOT_FOUND_TEXT, IDS_TABLE_NOT_FOUND_CAPTION,
                      EButtons::Ok);
        else
            AskString(Doc().GetPrompt(), IDS_GUEST_NOT_FOUND_TEXT, IDS_GUEST_NOT_FOUND_CAPTION,
                      EButtons::Ok);
        return;
    }
    SelectTable(cells[static_cast<std::size_t>(found.cell)], found.line);
}

void CGrapicTablesView::Locate(const CGuest* guest)
{
    if (guest == nullptr)
        return;
    const CTable* table = Doc().FindTableById(guest->GetTable());
    CTableCellItem* cell = m_scene->CellOf(table);
    if (cell == nullptr)
        return;
    const auto& guests = cell->Guests();
    const auto it = std::find(guests.begin(), guests.end(), guest);
    SelectTable(table, it == guests.end() ? -1 : static_cast<int>(it - guests.begin()));
}

void CGrapicTablesView::LocateSelectedGuest()
{
    CGuest* guest = SelectedGuest();
    if (guest == nullptr)
        return;
    Locate(guest);
    Doc().UpdateAllViews(this, HINT_LOCATE_TABLE, guest);
}

void CGrapicTablesView::GoToGuestDetails()
{
    CGuest* guest = SelectedGuest();
    if (guest == nullptr && m_current != nullptr)
    {
        // The first line with people.
        for (CGuest* one : m_current->Guests())
            if (one->GetComingCount() > 0)
            {
                guest = one;
                break;
            }
    }
    if (guest != nullptr)
        Doc().UpdateAllViews(this, HINT_GOTO_GUEST, guest);
}

void CGrapicTablesView::BuildCellMenu(QMenu& menu)
{
    menu.addAction(UiText(IDS_SEATING_MENU_TABLE_DETAILS), this, &CGrapicTablesView::EditTable);
    const CTable* table = CurrentTable();
    if (table != nullptr && Doc().TableHasGuests(table->GetId(), true))
        menu.addAction(UiText(IDS_GROUPS_MENU_GO_TO_GUEST), this,
                       &CGrapicTablesView::GoToGuestDetails);
}

void CGrapicTablesView::ShowCellMenu(const QPoint& position)
{
    CTableCellItem* cell = CellAtViewport(position);
    if (cell == nullptr)
        return;
    SetCurrentCell(cell);
    const QPointF local = cell->mapFromScene(m_canvas->mapToScene(position));
    cell->SetSelectedLine(cell->LineAt(local));
    QMenu menu(this);
    BuildCellMenu(menu);
    if (QAction* chosen = CModalSeam::ExecMenu(menu, m_canvas->viewport()->mapToGlobal(position)))
        chosen->trigger();
}

void CGrapicTablesView::ShowTableTip(const QPoint& position, const QPoint& globalPosition)
{
    CTableCellItem* cell = CellAtViewport(position);
    if (cell == nullptr || cell->Table() == nullptr || !Edits::TableTooltipsShown(Doc()))
    {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, TableGuestsTip(Doc(), *cell->Table()), m_canvas->viewport());
}

void CGrapicTablesView::ExportBoard()
{
    const QString file = ChoosePlanFile(this, IDS_PLAN_EXPORT_BOARD, IDS_PLAN_BOARD_FILE);
    if (!file.isEmpty())
        ExportBoardTo(file);
}

bool CGrapicTablesView::ExportBoardTo(const QString& path)
{
    FlushRefresh();
    return ExportPlanFile(*m_scene, path);
}

void CGrapicTablesView::PrintBoard()
{
    FlushRefresh();
    PrintPlan(*m_scene, this);
}
