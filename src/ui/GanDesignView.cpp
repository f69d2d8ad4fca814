#include "ui/GanDesignView.h"

#include "edits/HallEdits.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "ui/HallScene.h"
#include "ui/Icons.h"
#include "ui/ModalSeam.h"
#include "ui/PlanFiles.h"
#include "ui/ShapeDetailsDialog.h"
#include "ui/TableDetailsDialog.h"
#include "ui/TableTip.h"
#include "ui/UiText.h"
#include "ui/ViewCodes.h"
#include "ui/ViewWidgets.h"

#include <QAction>
#include <QFileDialog>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <filesystem>
#include <functional>

namespace
{
// The width the grid of tables never placed assumes while the plan has no size yet.
constexpr int kLeastCanvasPixels = 600;
constexpr int kHelpMargin = 12;

// The plan's canvas: after Qt has finished a press-and-release of the mouse (and moved the
// dragged items), the view stores where they ended.
class CHallCanvas : public QGraphicsView
{
public:
    CHallCanvas(QGraphicsScene* scene, std::function<void()> released)
        : QGraphicsView(scene), m_released(std::move(released))
    {
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QGraphicsView::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            m_released();
    }

private:
    std::function<void()> m_released;
};

CHallItem* ItemAt(QGraphicsView& canvas, const QPoint& viewportPosition)
{
    for (QGraphicsItem* item : canvas.items(viewportPosition))
        if (auto* hall = dynamic_cast<CHallItem*>(item); hall != nullptr && hall->isVisible())
            return hall;
    return nullptr;
}
} // namespace

CGanDesignView::CGanDesignView(CNewOrvDoc& doc, QWidget* parent) : CFrameView(doc, parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeExplanation(IDS_HALL_EXPLANATION));

    QPushButton* square = MakeCommandButton("list-add", IDS_HALL_ADD_SQUARE);
    QPushButton* circle = MakeCommandButton("list-add", IDS_HALL_ADD_CIRCLE);
    QPushButton* speaker = MakeCommandButton("list-add", IDS_HALL_ADD_SPEAKER);
    QPushButton* reset = MakeCommandButton("view-tables", IDS_HALL_RESET_TABLES);
    QPushButton* exportPlan = MakeCommandButton("document-export", IDS_PLAN_EXPORT_HALL);
    QPushButton* printPlan = MakeCommandButton("document-print", IDS_PLAN_PRINT_HALL);
    layout->addLayout(MakeButtonRow({square, circle, speaker, reset, exportPlan, printPlan}));

    // The scene attaches to the document after the view, so the view still sees its items when
    // a removal hint reaches it.
    m_scene = new CHallScene(doc, this);
    m_canvas = new CHallCanvas(m_scene, [this] { FinishDrag(); });
    m_canvas->setObjectName(QStringLiteral("HallCanvas"));
    m_canvas->setDragMode(QGraphicsView::RubberBandDrag);
    m_canvas->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    // A floor plan is not mirrored in a right-to-left interface: the hall is where it is.
    m_canvas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas->setBackgroundBrush(QColor(0xF6, 0xF4, 0xEE));
    m_canvas->setFocusPolicy(Qt::StrongFocus);
    m_canvas->viewport()->installEventFilter(this);
    m_canvas->installEventFilter(this);
    layout->addWidget(m_canvas, 1);

    m_help = new QLabel(m_canvas->viewport());
    m_help->setObjectName(QStringLiteral("HallHelp"));
    m_help->setText(UiText(IDS_HALL_HELP).trimmed());
    m_help->setTextFormat(Qt::PlainText);
    m_help->setWordWrap(true);
    m_help->setMargin(12);
    m_help->setAutoFillBackground(true);
    m_help->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette helpPalette = m_help->palette();
    helpPalette.setColor(QPalette::Window, QColor(255, 255, 225));
    helpPalette.setColor(QPalette::WindowText, Qt::black);
    m_help->setPalette(helpPalette);
    // Clicks reach the canvas, which hides the help.
    m_help->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_copyAction = new QAction(UiText(IDS_HALL_COPY), this);
    m_copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    // A window shortcut of this view: Qt ignores it while the view is hidden.
    m_copyAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_copyAction);
    connect(m_copyAction, &QAction::triggered, this, &CGanDesignView::CopyShape);
    m_tooltipsAction = new QAction(UiText(IDS_HALL_TABLE_TOOLTIPS), this);
    m_tooltipsAction->setCheckable(true);
    connect(m_tooltipsAction, &QAction::toggled, this, &CGanDesignView::SetTableTooltips);

    connect(square, &QPushButton::clicked, this, [this] { AddShape(CShape::kShapeSquare); });
    connect(circle, &QPushButton::clicked, this, [this] { AddShape(CShape::kShapeCircle); });
    connect(speaker, &QPushButton::clicked, this, [this] { AddShape(CShape::kShapeSpeaker); });
    connect(reset, &QPushButton::clicked, this, &CGanDesignView::ResetTables);
    connect(exportPlan, &QPushButton::clicked, this, &CGanDesignView::ExportPlan);
    connect(printPlan, &QPushButton::clicked, this, &CGanDesignView::PrintPlan);
    connect(m_scene, &QGraphicsScene::selectionChanged, this, &CGanDesignView::OnSelectionChanged);

    MarkStale();
}

int CGanDesignView::ViewCode() const
{
    return VIEW_LAYOUT;
}

// --- Menus and generic commands -------------------------------------------------------------

void CGanDesignView::BuildViewMenu(QMenu& menu)
{
    menu.setTitle(UiText(IDS_MENU_VIEW_HALL_LAYOUT));
    menu.addAction(FrameActions().add);
    menu.addAction(UiText(IDS_HALL_ADD_CIRCLE), this, [this] { AddShape(CShape::kShapeCircle); });
    menu.addAction(UiText(IDS_HALL_ADD_SPEAKER), this, [this] { AddShape(CShape::kShapeSpeaker); });
    menu.addSeparator();
    BuildObjectMenu(menu);
    menu.addSeparator();
    menu.addAction(UiText(IDS_HALL_RESET_TABLES), this, &CGanDesignView::ResetTables);
    menu.addAction(UiText(IDS_HALL_SAVE_DRAFT), this, &CGanDesignView::SaveHallDraft);
    menu.addAction(UiText(IDS_HALL_IMPORT_DRAFT), this, &CGanDesignView::ImportHallDraft);
    menu.addSeparator();
    menu.addAction(ThemeIcon("document-export"), UiText(IDS_PLAN_EXPORT_HALL), this,
                   &CGanDesignView::ExportPlan);
    menu.addAction(ThemeIcon("document-print"), UiText(IDS_PLAN_PRINT_HALL), this,
                   &CGanDesignView::PrintPlan);
    menu.addSeparator();
    QAction* zoomIn = menu.addAction(UiText(IDS_HALL_ZOOM_IN), this, [this] { ZoomBy(kZoomStep); });
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    QAction* zoomOut =
        menu.addAction(UiText(IDS_HALL_ZOOM_OUT), this, [this] { ZoomBy(1.0 / kZoomStep); });
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    for (QAction* zoom : {zoomIn, zoomOut})
    {
        zoom->setShortcutContext(Qt::WindowShortcut);
        addAction(zoom);
    }
    menu.addAction(UiText(IDS_HALL_ZOOM_DEFAULT), this, &CGanDesignView::ZoomNormal);
    menu.addSeparator();
    menu.addAction(m_tooltipsAction);
    menu.addAction(UiText(IDS_HALL_SHOW_HELP), this, &CGanDesignView::ShowHelp);
    UpdateActions();
}

void CGanDesignView::BuildObjectMenu(QMenu& menu)
{
    const bool forViewMenu = m_objectActions.empty();
    auto add = [&](int textId, void (CGanDesignView::*command)(), std::vector<QAction*>* group)
    {
        QAction* action = menu.addAction(UiText(textId), this, command);
        if (forViewMenu && group != nullptr)
            group->push_back(action);
        return action;
    };
    QAction* detail =
        add(IDS_HALL_OBJECT_DETAIL, &CGanDesignView::ShowObjectDetails, &m_objectActions);
    QAction* table = add(IDS_HALL_TABLE_DETAIL, &CGanDesignView::ShowTableDetails, nullptr);
    QAction* original =
        add(IDS_HALL_ORIGINAL_SIZE, &CGanDesignView::RestoreOriginalSize, &m_objectActions);
    if (forViewMenu)
    {
        m_tableDetailAction = table;
        menu.addAction(m_copyAction);
    }
    else
        add(IDS_HALL_COPY, &CGanDesignView::CopyShape, nullptr)->setEnabled(m_current.IsShape());
    QAction* remove = add(IDS_HALL_DELETE_SHAPE, &CGanDesignView::DeleteShape, &m_shapeActions);
    if (!forViewMenu)
    {
        detail->setEnabled(m_current.IsValid());
        table->setEnabled(m_current.IsTable());
        original->setEnabled(m_current.IsValid());
        remove->setEnabled(m_current.IsShape());
    }
}

void CGanDesignView::UpdateActions()
{
    for (QAction* action : m_objectActions)
        action->setEnabled(m_current.IsValid());
    for (QAction* action : m_shapeActions)
        action->setEnabled(m_current.IsShape());
    if (m_tableDetailAction != nullptr)
        m_tableDetailAction->setEnabled(m_current.IsTable());
    // Tables are never copied.
    m_copyAction->setEnabled(m_current.IsShape());
    const QSignalBlocker block(m_tooltipsAction);
    m_tooltipsAction->setChecked(Edits::TableTooltipsShown(Doc()));
}

bool CGanDesignView::IsCommandEnabled(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return true;
    case kCommandEdit:
        return m_current.IsValid();
    case kCommandDelete:
        return m_current.IsShape();
    case kCommandSearch:
        return false;
    }
    return false;
}

QString CGanDesignView::CommandText(ECommand command) const
{
    switch (command)
    {
    case kCommandAdd:
        return UiText(IDS_HALL_ADD_SQUARE);
    case kCommandEdit:
        return UiText(IDS_HALL_OBJECT_DETAIL);
    case kCommandDelete:
        return UiText(IDS_HALL_DELETE_SHAPE);
    case kCommandSearch:
        break;
    }
    return {};
}

void CGanDesignView::RunCommand(ECommand command)
{
    switch (command)
    {
    case kCommandAdd:
        AddShape(CShape::kShapeSquare);
        break;
    case kCommandEdit:
        ShowObjectDetails();
        break;
    case kCommandDelete:
        DeleteShape();
        break;
    case kCommandSearch:
        break;
    }
}

// --- Hints and refresh ------------------------------------------------------------------------

void CGanDesignView::HandleHint(IDocView* sender, EUpdateHint hint, CRecord* record)
{
    switch (hint)
    {
    case HINT_EVENT_RELOADING:
        m_current = {};
        m_pendingSelect = nullptr;
        MarkStale();
        break;
    case HINT_TABLES_REMOVING:
        if (m_current.IsTable())
            m_current = {};
        m_pendingSelect = nullptr;
        MarkStale();
        break;
    case HINT_TABLE_DELETING:
    case HINT_SHAPE_REMOVING:
        if (record != nullptr && (static_cast<CRecord*>(m_current.table) == record ||
                                  static_cast<CRecord*>(m_current.shape) == record))
            m_current = {};
        if (record != nullptr && m_pendingSelect == record)
            m_pendingSelect = nullptr;
        MarkStale();
        break;
    case HINT_SHAPES_REMOVING:
        if (m_current.IsShape())
            m_current = {};
        MarkStale();
        break;
    case HINT_SELECT_TABLE:
        if (sender != this && HintRecord<CTable>(record) != nullptr)
        {
            m_pendingSelect = HintRecord<CTable>(record);
            // Without a rebuild pending, at once; otherwise after it.
            if (m_scene->ItemOf(SHallObject::Of(HintRecord<CTable>(record))) != nullptr)
                Refresh(0);
        }
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

void CGanDesignView::Refresh(unsigned stale)
{
    if (stale != 0)
        Rebuild();
    if (m_pendingSelect != nullptr)
    {
        const SHallObject table = SHallObject::Of(const_cast<CTable*>(m_pendingSelect));
        m_pendingSelect = nullptr;
        if (CHallItem* item = m_scene->ItemOf(table))
        {
            m_followingOtherView = true;
            SelectObject(table);
            m_followingOtherView = false;
            m_canvas->ensureVisible(item);
        }
    }
    UpdateActions();
}

void CGanDesignView::Rebuild()
{
    m_builtWidth = PlanWidth();
    const SHallObject current = m_current;
    m_followingOtherView = true;
    m_scene->Rebuild(m_builtWidth);
    m_followingOtherView = false;
    m_current = m_scene->ItemOf(current) != nullptr ? current : SHallObject();
    const bool help = Edits::HallHelpShown(Doc());
    m_help->setVisible(help);
    if (help)
        PlaceHelp();
}

int CGanDesignView::PlanWidth() const
{
    // The grid fills the canvas inside the scene's margins, so no scroll bar appears for them.
    const int pixels = std::max(m_canvas->viewport()->width(), kLeastCanvasPixels);
    const qreal sceneWidth = pixels / m_zoom - 2 * CHallScene::kMargin;
    return std::max(1, static_cast<int>(sceneWidth / CHallScene::kScale));
}

bool CGanDesignView::HasUnplacedTables() const
{
    for (int id = 1; id < Doc().GetTableCount(); ++id)
    {
        const SRect& area = Doc().GetTableAt(id)->GetArea();
        if (area.Width() <= 0 || area.Height() <= 0)
            return true;
    }
    return false;
}

void CGanDesignView::Sync(const std::vector<SHallObject>& objects)
{
    m_scene->UpdateItems(objects, m_builtWidth);
    UpdateActions();
    emit CommandStateChanged();
}

// --- Selection --------------------------------------------------------------------------------

SHallObject CGanDesignView::CurrentObject() const
{
    return m_current;
}

std::vector<SHallObject> CGanDesignView::SelectedObjects() const
{
    return m_scene->SelectedObjects();
}

void CGanDesignView::SelectObject(const SHallObject& object, bool keepSelection)
{
    CHallItem* item = m_scene->ItemOf(object);
    if (item == nullptr)
        return;
    m_current = object;
    if (!keepSelection)
    {
        const QSignalBlocker block(m_scene);
        m_scene->clearSelection();
    }
    item->setSelected(true);
    OnSelectionChanged();
}

void CGanDesignView::OnSelectionChanged()
{
    const std::vector<SHallObject> selected = m_scene->SelectedObjects();
    if (std::find(selected.begin(), selected.end(), m_current) == selected.end())
        m_current = selected.empty() ? SHallObject() : selected.front();
    UpdateActions();
    emit CommandStateChanged();
    if (m_current.IsTable() && !m_followingOtherView)
        Doc().UpdateAllViews(this, HINT_SELECT_TABLE, m_current.table);
}

// --- Mouse and keys ---------------------------------------------------------------------------

bool CGanDesignView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_canvas->viewport())
    {
        switch (event->type())
        {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        {
            if (IsHelpShown())
            {
                HideHelp();
                return true;
            }
            auto* mouse = static_cast<QMouseEvent*>(event);
            CHallItem* item = ItemAt(*m_canvas, mouse->position().toPoint());
            if (item != nullptr)
                m_current = item->Object();
            if (event->type() == QEvent::MouseButtonDblClick && item != nullptr &&
                mouse->button() == Qt::LeftButton)
            {
                SelectObject(item->Object());
                ShowObjectDetails();
                return true;
            }
            if (mouse->button() == Qt::RightButton)
            {
                if (item != nullptr && !item->isSelected())
                    SelectObject(item->Object());
                return true;
            }
            break;
        }
        case QEvent::ContextMenu:
            ShowContextMenu(static_cast<QContextMenuEvent*>(event)->pos());
            return true;
        case QEvent::ToolTip:
        {
            auto* help = static_cast<QHelpEvent*>(event);
            ShowTableTip(help->pos(), help->globalPos());
            return true;
        }
        case QEvent::Wheel:
        {
            auto* wheel = static_cast<QWheelEvent*>(event);
            if (wheel->modifiers() & Qt::ControlModifier)
            {
                ZoomBy(wheel->angleDelta().y() > 0 ? kZoomStep : 1.0 / kZoomStep);
                return true;
            }
            break;
        }
        case QEvent::Resize:
            PlaceHelp();
            if (HasUnplacedTables() && PlanWidth() != m_builtWidth)
                MarkStale();
            break;
        default:
            break;
        }
    }
    else if (watched == m_canvas && event->type() == QEvent::KeyPress)
    {
        if (IsHelpShown())
        {
            HideHelp();
            return true;
        }
        if (HandleKey(*static_cast<QKeyEvent*>(event)))
            return true;
    }
    return CFrameView::eventFilter(watched, event);
}

bool CGanDesignView::HandleKey(QKeyEvent& key)
{
    const bool shift = key.modifiers() & Qt::ShiftModifier;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    EHallNudge nudge;
    switch (key.key())
    {
    case Qt::Key_Left:
        nudge = shift ? EHallNudge::GrowLeft : EHallNudge::Left;
        break;
    case Qt::Key_Right:
        nudge = shift ? EHallNudge::GrowRight : EHallNudge::Right;
        break;
    case Qt::Key_Up:
        nudge = shift ? EHallNudge::GrowUp : EHallNudge::Up;
        break;
    case Qt::Key_Down:
        nudge = shift ? EHallNudge::GrowDown : EHallNudge::Down;
        break;
    case Qt::Key_Plus:
        nudge = EHallNudge::Enlarge;
        break;
    case Qt::Key_Minus:
        nudge = EHallNudge::Shrink;
        break;
    case Qt::Key_Delete:
        DeleteShape();
        return true;
    default:
        return false;
    }
    if (m_scene->SelectedObjects().empty())
        return false; // the arrows scroll the plan
    Nudge(nudge);
    return true;
}

void CGanDesignView::FinishDrag()
{
    // Every selected item moved by the same distance; the edit stores it in plan units.
    for (CHallItem* item : m_scene->Items())
    {
        if (!item->isSelected() || !item->Object().IsValid())
            continue;
        const QPointF moved = item->pos() - item->PlacedPos();
        const int dx = CHallScene::ToPlan(moved.x());
        const int dy = CHallScene::ToPlan(moved.y());
        const std::vector<SHallObject> selected = m_scene->SelectedObjects();
        if (dx != 0 || dy != 0)
            Edits::MoveHallObjects(Doc(), selected, dx, dy, m_builtWidth, this);
        // Also a move of less than a unit: the items go back to where the records say.
        Sync(selected);
        return;
    }
}

void CGanDesignView::MoveSelection(int dx, int dy)
{
    const std::vector<SHallObject> selected = m_scene->SelectedObjects();
    if (Edits::MoveHallObjects(Doc(), selected, dx, dy, m_builtWidth, this))
        Sync(selected);
}

void CGanDesignView::ShowContextMenu(const QPoint& viewportPosition)
{
    if (CHallItem* item = ItemAt(*m_canvas, viewportPosition))
    {
        if (!item->isSelected())
            SelectObject(item->Object());
        m_current = item->Object();
    }
    QMenu menu(this);
    BuildObjectMenu(menu);
    if (QAction* chosen =
            CModalSeam::ExecMenu(menu, m_canvas->viewport()->mapToGlobal(viewportPosition)))
        chosen->trigger();
}

void CGanDesignView::ShowTableTip(const QPoint& viewportPosition, const QPoint& globalPosition)
{
    CHallItem* item = ItemAt(*m_canvas, viewportPosition);
    if (item == nullptr || !item->Object().IsTable() || !Edits::TableTooltipsShown(Doc()))
    {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPosition, TableGuestsTip(Doc(), *item->Object().table),
                       m_canvas->viewport());
}

// --- Help -------------------------------------------------------------------------------------

bool CGanDesignView::IsHelpShown() const
{
    return !m_help->isHidden();
}

void CGanDesignView::HideHelp()
{
    m_help->hide();
    Edits::SetHallHelpShown(Doc(), false);
}

void CGanDesignView::ShowHelp()
{
    Edits::SetHallHelpShown(Doc(), true);
    m_help->show();
    PlaceHelp();
}

void CGanDesignView::PlaceHelp()
{
    const QRect area =
        m_canvas->viewport()->rect().adjusted(kHelpMargin, kHelpMargin, -kHelpMargin, -kHelpMargin);
    const int width = std::min(area.width(), m_help->fontMetrics().averageCharWidth() * 80);
    const int height = std::min(area.height(), m_help->heightForWidth(width));
    // On the leading side, as text would stand.
    const int left = layoutDirection() == Qt::RightToLeft ? area.right() - width : area.left();
    m_help->setGeometry(left, area.top(), width, height);
    m_help->raise();
}

// --- Commands ---------------------------------------------------------------------------------

void CGanDesignView::AddShape(int type)
{
    Edits::SShapeDetails details;
    details.name = LoadString(CHallLayout::NewShapeNameId(type));
    details.colour = CShape::kDefaultColour;
    if (type == CShape::kShapeSpeaker)
        details.shapeClass = LoadString(IDS_OBJECT_SPEAKER);
    CShapeDetailsDialog dialog(CShapeDetailsDialog::kAdd, details, this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return;
    details = dialog.Details();
    CShape* shape =
        Edits::AddShape(Doc(), type, details.name, details.colour, details.shapeClass, this);
    Rebuild();
    SelectObject(SHallObject::Of(shape));
}

void CGanDesignView::ShowObjectDetails()
{
    if (m_current.IsTable())
    {
        ShowTableDetails();
        return;
    }
    CShape* shape = m_current.shape;
    if (shape == nullptr)
        return;
    CShapeDetailsDialog dialog(CShapeDetailsDialog::kEdit, Edits::DetailsOf(*shape), this);
    if (CModalSeam::Exec(dialog) != QDialog::Accepted || m_scene->ItemOf(m_current) == nullptr)
        return;
    std::vector<SHallObject> changed;
    for (CShape* one :
         Edits::SetShapeDetails(Doc(), shape, dialog.Details(), dialog.ApplyToClass(), this))
        changed.push_back(SHallObject::Of(one));
    Sync(changed);
}

void CGanDesignView::ShowTableDetails()
{
    if (!m_current.IsTable())
        return;
    if (EditTableWithDialog(Doc(), m_current.table, this, this))
        m_scene->update();
}

void CGanDesignView::RestoreOriginalSize()
{
    if (!m_current.IsValid())
        return;
    if (Edits::RestoreOriginalSize(Doc(), m_current, m_builtWidth, this))
        Sync({m_current});
}

void CGanDesignView::CopyShape()
{
    if (!m_current.IsShape())
        return;
    CShape* copy = Edits::CopyShape(Doc(), m_current.shape, this);
    if (copy == nullptr)
        return;
    Rebuild();
    SelectObject(SHallObject::Of(copy));
}

void CGanDesignView::DeleteShape()
{
    if (!m_current.IsShape())
        return; // tables are deleted in the tables view
    const int index = CHallLayout(Doc()).IndexOf(m_current);
    if (!Edits::DeleteShapeWithQuestion(Doc(), m_current.shape))
        return;
    Rebuild();
    // The object now at the same place, or the last one.
    const CHallLayout layout(Doc());
    if (layout.Count() > 0)
        SelectObject(layout.At(std::min(index, layout.Count() - 1)));
}

void CGanDesignView::Nudge(EHallNudge nudge)
{
    const std::vector<SHallObject> selected = m_scene->SelectedObjects();
    if (Edits::NudgeHallObjects(Doc(), selected, nudge, m_builtWidth, this))
        Sync(selected);
}

void CGanDesignView::ResetTables()
{
    if (Edits::ResetTablesWithQuestion(Doc(), PlanWidth(), this))
        Rebuild();
}

QString CGanDesignView::ChooseDraftFile(bool save)
{
    const std::filesystem::path proposed = Doc().NextHallDraftPath();
    std::error_code ignored;
    std::filesystem::create_directories(proposed.parent_path(), ignored);
    QFileDialog dialog(this, UiText(save ? IDS_HALL_DRAFT_SAVE_TITLE : IDS_HALL_DRAFT_OPEN_TITLE));
    TranslateFileDialog(dialog, save ? static_cast<int>(IDS_TOOLBAR_SAVE) : IDS_FILE_DIALOG_OPEN);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("xml"));
    dialog.setNameFilters({UiText(IDS_HALL_DRAFT_FILTER), UiText(IDS_ALL_FILES_FILTER)});
    if (save)
        dialog.selectFile(QString::fromStdString(proposed.string()));
    else
        dialog.setDirectory(QString::fromStdString(proposed.parent_path().string()));
    if (CModalSeam::Exec(dialog) != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void CGanDesignView::SaveHallDraft()
{
    const QString file = ChooseDraftFile(true);
    if (!file.isEmpty())
        Edits::ExportHallDraft(Doc(), file.toStdString());
}

void CGanDesignView::ImportHallDraft()
{
    const QString file = ChooseDraftFile(false);
    if (file.isEmpty())
        return;
    Edits::ImportHallDraftWithQuestion(Doc(), file.toStdString(), this);
    Rebuild();
}

void CGanDesignView::SetTableTooltips(bool shown)
{
    Edits::SetTableTooltipsShown(Doc(), shown);
    UpdateActions();
}

void CGanDesignView::ZoomBy(qreal factor)
{
    m_zoom = std::clamp(m_zoom * factor, kMinZoom, kMaxZoom);
    ApplyZoom();
}

void CGanDesignView::ZoomNormal()
{
    m_zoom = 1.0;
    ApplyZoom();
}

void CGanDesignView::ApplyZoom()
{
    m_canvas->setTransform(QTransform::fromScale(m_zoom, m_zoom));
    if (HasUnplacedTables() && PlanWidth() != m_builtWidth)
        MarkStale();
}

void CGanDesignView::ExportPlan()
{
    const QString file = ChoosePlanFile(this, IDS_PLAN_EXPORT_HALL, IDS_PLAN_HALL_FILE);
    if (!file.isEmpty())
        ExportPlanTo(file);
}

bool CGanDesignView::ExportPlanTo(const QString& path)
{
    FlushRefresh();
    return ExportPlanFile(*m_scene, path);
}

void CGanDesignView::PrintPlan()
{
    FlushRefresh();
    ::PrintPlan(*m_scene, this);
}
