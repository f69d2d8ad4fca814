#include "ui/SeatingScene.h"

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "seating/SeatingBoard.h"
#include "store/NewOrvDoc.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace
{
// The least pitch of a guest line: 15 units of text and 2 between lines.
constexpr qreal kLeastLinePitch = 17;
constexpr qreal kPadding = 8;
constexpr qreal kScrollBarWidth = 6;

const QColor kUnseatedHeader(0xFF, 0xE8, 0xB0);
const QColor kCellBorder(0xB0, 0xB0, 0xB0);
const QColor kStripe(0xF4, 0xF6, 0xF8);
const QColor kOverCapacity(0xC0, 0x00, 0x00);
const QColor kNotComing(0x90, 0x90, 0x90);

QColor TextColourOn(const QColor& fill)
{
    return fill.lightnessF() < 0.45 ? QColor(Qt::white) : QColor(Qt::black);
}
} // namespace

// --- Cells ------------------------------------------------------------------------------------

CTableCellItem::CTableCellItem(CSeatingScene& scene, CTable* table) : m_scene(scene), m_table(table)
{
}

void CTableCellItem::Load(const CSeatingBoard& board)
{
    m_guests.clear();
    m_lines.clear();
    if (m_table == nullptr)
        return;
    m_guests = board.CellGuests(*m_table);
    m_lines.reserve(static_cast<int>(m_guests.size()));
    for (std::size_t i = 0; i < m_guests.size(); ++i)
        m_lines << ToQt(board.GuestLineText(*m_guests[i], static_cast<int>(i) + 1));
    m_name = ToQt(m_table->GetName());
    m_seatLine = ToQt(board.SeatLine(*m_table));
    m_caption = ToQt(board.Caption(*m_table));
    m_overCapacity = m_table->GetId() > 0 &&
                     m_scene.Document().CountAtTable(m_table->GetId(), IRecordOwner::kCountComing) >
                         m_table->GetSeats();
    m_scroll =
        std::clamp(m_scroll, 0, std::max(0, static_cast<int>(m_lines.size()) - VisibleLines()));
    if (m_selectedLine >= static_cast<int>(m_lines.size()))
        m_selectedLine = -1;
    update();
}

void CTableCellItem::Forget()
{
    m_table = nullptr;
    m_guests.clear();
    m_lines.clear();
    m_selectedLine = -1;
    hide();
}

void CTableCellItem::ForgetGuest(const CGuest* guest)
{
    const auto it = std::find(m_guests.begin(), m_guests.end(), guest);
    if (it == m_guests.end())
        return;
    const int line = static_cast<int>(it - m_guests.begin());
    m_guests.erase(it);
    m_lines.removeAt(line);
    if (m_selectedLine == line)
        m_selectedLine = -1;
    else if (m_selectedLine > line)
        --m_selectedLine;
    update();
}

int CTableCellItem::VisibleLines() const
{
    return m_scene.VisibleLines();
}

void CTableCellItem::Resize()
{
    prepareGeometryChange();
    m_scroll =
        std::clamp(m_scroll, 0, std::max(0, static_cast<int>(m_lines.size()) - VisibleLines()));
}

bool CTableCellItem::ScrollBy(int lines)
{
    const int most = std::max(0, static_cast<int>(m_lines.size()) - VisibleLines());
    const int scroll = std::clamp(m_scroll + lines, 0, most);
    if (scroll == m_scroll)
        return false;
    m_scroll = scroll;
    update();
    return true;
}

void CTableCellItem::ShowLine(int line)
{
    if (line < 0)
        return;
    if (line < m_scroll)
        ScrollBy(line - m_scroll);
    else if (line >= m_scroll + VisibleLines())
        ScrollBy(line - (m_scroll + VisibleLines() - 1));
}

void CTableCellItem::SetSelectedLine(int line)
{
    if (line >= static_cast<int>(m_lines.size()))
        line = -1;
    if (line == m_selectedLine)
        return;
    m_selectedLine = line;
    ShowLine(line);
    update();
}

void CTableCellItem::SetCurrent(bool current)
{
    if (current == m_current)
        return;
    m_current = current;
    if (!current)
        m_selectedLine = -1;
    update();
}

void CTableCellItem::SetDropTarget(bool target)
{
    if (target == m_dropTarget)
        return;
    m_dropTarget = target;
    update();
}

QRectF CTableCellItem::boundingRect() const
{
    return QRectF(0, 0, m_scene.CellWidth(), m_scene.CellHeight());
}

QRectF CTableCellItem::LinesArea() const
{
    const qreal top = m_scene.HeaderHeight();
    return QRectF(kPadding / 2, top, m_scene.CellWidth() - kPadding,
                  m_scene.LineHeight() * VisibleLines());
}

int CTableCellItem::LineAt(const QPointF& point, bool* onScrollBar) const
{
    if (onScrollBar != nullptr)
        *onScrollBar = false;
    const QRectF area = LinesArea();
    if (!area.contains(point))
        return -1;
    if (onScrollBar != nullptr && m_lines.size() > VisibleLines())
    {
        const bool rtl = m_scene.IsHebrew();
        const qreal edge =
            rtl ? area.left() + kScrollBarWidth + 2 : area.right() - kScrollBarWidth - 2;
        if (rtl ? point.x() <= edge : point.x() >= edge)
        {
            *onScrollBar = true;
            return -1;
        }
    }
    const int line = m_scroll + static_cast<int>((point.y() - area.top()) / m_scene.LineHeight());
    return line < static_cast<int>(m_lines.size()) ? line : -1;
}

QPointF CTableCellItem::LineCentre(int line) const
{
    if (line < 0)
        return QPointF(m_scene.CellWidth() / 2, m_scene.HeaderHeight() / 2);
    const QRectF area = LinesArea();
    return QPointF(area.center().x(), area.top() + (line - m_scroll + 0.5) * m_scene.LineHeight());
}

void CTableCellItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (m_table == nullptr)
        return;
    const bool printing = m_scene.IsPrinting();
    const bool rtl = m_scene.IsHebrew();
    const QPalette palette = QApplication::palette();
    const QRectF cell = boundingRect().adjusted(1, 1, -1, -1);
    const qreal line = m_scene.LineHeight();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);

    // The cell and its header band in the table's colour (the unseated table stands out).
    const QColor header =
        m_table->GetId() == 0 ? kUnseatedHeader : FromWindowsColour(m_table->GetColour());
    QPainterPath outline;
    outline.addRoundedRect(cell, 6, 6);
    painter->fillPath(outline, Qt::white);
    painter->save();
    painter->setClipPath(outline);
    painter->fillRect(QRectF(cell.left(), cell.top(), cell.width(), m_scene.HeaderHeight() - 2),
                      header);
    painter->restore();

    // Absolute: the painter's right-to-left direction would mirror the side once more.
    const Qt::Alignment leading =
        (rtl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute | Qt::AlignVCenter;
    const QRectF text = cell.adjusted(kPadding, 0, -kPadding, 0);
    const QFont& font = m_scene.CellFont();
    QFont bold = font;
    bold.setBold(true);
    const QColor headerText = TextColourOn(header);
    qreal y = cell.top() + 3;
    painter->setFont(bold);
    painter->setPen(headerText);
    painter->drawText(QRectF(text.left(), y, text.width(), line), leading,
                      QFontMetricsF(bold).elidedText(m_name, Qt::ElideRight, text.width()));
    y += line;
    painter->setFont(font);
    // The unseated table has no seats: its caption takes the seat line's place.
    if (!m_seatLine.isEmpty())
    {
        painter->setPen(m_overCapacity
                            ? (headerText == Qt::white ? QColor(255, 190, 190) : kOverCapacity)
                            : headerText);
        if (m_overCapacity)
            painter->setFont(bold);
        painter->drawText(QRectF(text.left(), y, text.width(), line), leading, m_seatLine);
        painter->setFont(font);
        y += line;
    }
    painter->setPen(headerText);
    painter->drawText(QRectF(text.left(), y, text.width(), line), leading, m_caption);

    // The guest lines.
    const QRectF area = LinesArea();
    const bool scrolls = m_lines.size() > VisibleLines();
    const qreal textWidth = area.width() - 2 * kPadding / 2 - (scrolls ? kScrollBarWidth + 2 : 0);
    const qreal textLeft = area.left() + kPadding / 2 + (rtl && scrolls ? kScrollBarWidth + 2 : 0);
    const QFontMetricsF metrics(font);
    const int last = std::min(static_cast<int>(m_lines.size()), m_scroll + VisibleLines());
    for (int i = m_scroll; i < last; ++i)
    {
        const QRectF row(area.left(), area.top() + (i - m_scroll) * line, area.width(), line);
        const bool selected = i == m_selectedLine && !printing;
        if (selected)
            painter->fillRect(row, palette.color(QPalette::Highlight));
        else if ((i % 2) == 1)
            painter->fillRect(row, kStripe);
        const CGuest* guest = m_guests[static_cast<std::size_t>(i)];
        painter->setPen(selected ? palette.color(QPalette::HighlightedText)
                                 : (guest->GetComingCount() < 1 ? kNotComing : QColor(Qt::black)));
        painter->drawText(QRectF(textLeft, row.top(), textWidth, line), leading,
                          metrics.elidedText(m_lines[i], Qt::ElideRight, textWidth));
    }
    if (scrolls && !printing)
    {
        const qreal x = rtl ? area.left() + 1 : area.right() - kScrollBarWidth - 1;
        const QRectF track(x, area.top(), kScrollBarWidth, area.height());
        painter->setPen(Qt::NoPen);
        painter->setBrush(QColor(0xE4, 0xE4, 0xE4));
        painter->drawRoundedRect(track, 3, 3);
        const qreal share = static_cast<qreal>(VisibleLines()) / m_lines.size();
        const qreal thumbTop = area.top() + area.height() * m_scroll / m_lines.size();
        painter->setBrush(QColor(0x90, 0x90, 0x90));
        painter->drawRoundedRect(QRectF(x, thumbTop, kScrollBarWidth, area.height() * share), 3, 3);
    }
    if (scrolls && printing)
    {
        // On paper there is nothing to scroll: what is left out is counted.
        const int hidden = static_cast<int>(m_lines.size()) - last + m_scroll;
        if (hidden > 0)
        {
            painter->setPen(kNotComing);
            painter->drawText(
                QRectF(textLeft, area.bottom(), textWidth, line), leading,
                ToQt(FormatText(LoadString(IDS_SEATING_TIP_MORE), {FormatInt(hidden)})));
        }
    }

    // The frame: the current cell and the cell a drag is over stand out.
    QPen pen(kCellBorder, 1);
    if (!printing && (m_dropTarget || m_current))
        pen = QPen(palette.color(QPalette::Highlight), m_dropTarget ? 3.5 : 2.5);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(outline);
}

// --- Scene ------------------------------------------------------------------------------------

CSeatingScene::CSeatingScene(CNewOrvDoc& doc, QObject* parent)
    : CPlanScene(doc, parent), m_hebrew(IsHebrewUi())
{
    m_font = QApplication::font();
    m_font.setPixelSize(QFontInfo(QApplication::font()).pixelSize());
    const QFontMetricsF metrics(m_font);
    m_lineHeight = std::max(kLeastLinePitch, std::ceil(metrics.height()) + 2);
    m_headerHeight = 3 * m_lineHeight + 8;
    setItemIndexMethod(QGraphicsScene::BspTreeIndex);
}

CSeatingScene::~CSeatingScene()
{
    blockSignals(true);
    for (CTableCellItem* cell : m_cells)
        delete cell;
    m_cells.clear();
}

qreal CSeatingScene::CellHeight() const
{
    // The header, the lines, and room below for what paper says is left out.
    return m_headerHeight + m_lineHeight * (m_visibleLines + 1) + 4;
}

int CSeatingScene::ColumnsFor(int width)
{
    return std::max(1, static_cast<int>((width - kGap) / (kLeastCellWidth + kGap)));
}

void CSeatingScene::Rebuild(int width)
{
    for (CTableCellItem* cell : m_cells)
    {
        removeItem(cell);
        delete cell;
    }
    m_cells.clear();
    m_noEvent = Doc().GetActiveEvent() == nullptr || Doc().GetTableCount() == 0;
    const CSeatingBoard board(Doc());
    if (!m_noEvent)
    {
        const std::vector<CTable*> tables = board.CellTables();
        m_cells.reserve(tables.size());
        for (CTable* table : tables)
        {
            auto* cell = new CTableCellItem(*this, table);
            cell->Load(board);
            addItem(cell);
            m_cells.push_back(cell);
        }
    }
    int fullest = 0;
    for (const CTableCellItem* cell : m_cells)
        if (cell->Table()->GetId() > 0)
            fullest = std::max(fullest, static_cast<int>(cell->LineTexts().size()));
    m_visibleLines = std::clamp(fullest, kLeastVisibleLines, kMostVisibleLines);
    m_width = 0;
    Arrange(width);
    update();
}

void CSeatingScene::Arrange(int width)
{
    m_columns = ColumnsFor(width);
    const qreal cellWidth = std::max(kLeastCellWidth, (width - kGap) / m_columns - kGap);
    if (cellWidth != m_cellWidth || m_width == 0)
    {
        m_cellWidth = cellWidth;
        for (CTableCellItem* cell : m_cells)
            cell->Resize();
    }
    m_width = width;
    const qreal pitchX = m_cellWidth + kGap;
    const qreal pitchY = CellHeight() + kGap;
    for (std::size_t i = 0; i < m_cells.size(); ++i)
    {
        const int column = static_cast<int>(i) % m_columns;
        const int row = static_cast<int>(i) / m_columns;
        // From the leading edge: the first cell at the right in a right-to-left interface.
        const int place = m_hebrew ? m_columns - 1 - column : column;
        m_cells[i]->setPos(kGap + place * pitchX, kGap + row * pitchY);
    }
    const int rows = static_cast<int>((m_cells.size() + m_columns - 1) / m_columns);
    setSceneRect(0, 0, kGap + m_columns * pitchX, kGap + std::max(rows, 1) * pitchY);
}

void CSeatingScene::Reload(const std::vector<const CTable*>& tables)
{
    const CSeatingBoard board(Doc());
    for (const CTable* table : tables)
        if (CTableCellItem* cell = CellOf(table))
            cell->Load(board);
}

CTableCellItem* CSeatingScene::CellOf(const CTable* table) const
{
    if (table == nullptr)
        return nullptr;
    for (CTableCellItem* cell : m_cells)
        if (cell->Table() == table)
            return cell;
    return nullptr;
}

int CSeatingScene::IndexOf(const CTableCellItem* cell) const
{
    const auto it = std::find(m_cells.begin(), m_cells.end(), cell);
    return it == m_cells.end() ? -1 : static_cast<int>(it - m_cells.begin());
}

CTableCellItem* CSeatingScene::CellAt(const QPointF& scenePoint) const
{
    // The grid gives the cell without asking every item.
    const qreal pitchX = m_cellWidth + kGap;
    const qreal pitchY = CellHeight() + kGap;
    const qreal x = scenePoint.x() - kGap;
    const qreal y = scenePoint.y() - kGap;
    if (x < 0 || y < 0 || std::fmod(x, pitchX) > m_cellWidth || std::fmod(y, pitchY) > CellHeight())
        return nullptr;
    const int place = static_cast<int>(x / pitchX);
    const int row = static_cast<int>(y / pitchY);
    if (place >= m_columns)
        return nullptr;
    const int column = m_hebrew ? m_columns - 1 - place : place;
    const std::size_t index = static_cast<std::size_t>(row) * m_columns + column;
    if (index >= m_cells.size() || m_cells[index]->Table() == nullptr)
        return nullptr;
    return m_cells[index];
}

std::vector<QRectF> CSeatingScene::PageSlices(qreal pageAspect) const
{
    const QRectF scene = sceneRect();
    const qreal pitchY = CellHeight() + kGap;
    const int rows = std::max(1, static_cast<int>((m_cells.size() + m_columns - 1) / m_columns));
    // As many whole rows as fit the page at the width of the board.
    const qreal most = pageAspect > 0 ? scene.width() / pageAspect : scene.height();
    const int perPage = std::max(1, static_cast<int>((most - kGap) / pitchY));
    std::vector<QRectF> slices;
    for (int first = 0; first < rows; first += perPage)
    {
        const int count = std::min(perPage, rows - first);
        slices.emplace_back(scene.left(), scene.top() + first * pitchY, scene.width(),
                            count * pitchY + kGap);
    }
    return slices;
}

QString CSeatingScene::PlanTitle() const
{
    return ToQt(FormatText(LoadString(IDS_PLAN_BOARD_TITLE), {Doc().GetSettings().GetEventName()}));
}

QString CSeatingScene::PlanSummary() const
{
    const int unseated = Doc().CountAtTable(0, IRecordOwner::kCountComing);
    return ToQt(FormatText(LoadString(IDS_PLAN_SUMMARY),
                           {FormatInt(std::max(Doc().GetTableCount() - 1, 0)),
                            FormatInt(Doc().SumComing() - unseated), FormatInt(unseated)}));
}

void CSeatingScene::DropRecords(EUpdateHint hint, CRecord* record)
{
    for (CTableCellItem* cell : m_cells)
    {
        switch (hint)
        {
        case HINT_EVENT_RELOADING:
        case HINT_TABLES_REMOVING:
            cell->Forget();
            break;
        case HINT_TABLE_DELETING:
            if (record != nullptr && static_cast<CRecord*>(cell->Table()) == record)
                cell->Forget();
            break;
        case HINT_GUEST_REMOVING:
            cell->ForgetGuest(HintRecord<CGuest>(record));
            break;
        default:
            break;
        }
    }
}

void CSeatingScene::drawForeground(QPainter* painter, const QRectF& rect)
{
    if (!m_noEvent || IsPrinting())
        return;
    painter->setPen(QApplication::palette().color(QPalette::WindowText));
    painter->drawText(rect.intersected(sceneRect()), Qt::AlignCenter,
                      UiText(IDS_CANNOT_SHOW_TABLES));
}
