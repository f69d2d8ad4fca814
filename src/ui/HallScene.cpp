#include "ui/HallScene.h"

#include "model/Shape.h"
#include "model/Table.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "ui/PlanLabel.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cmath>

namespace
{
// Label sizes in scene pixels (a grid table is 90 pixels wide at the normal zoom).
constexpr qreal kTableNamePixels = 12.0;
constexpr qreal kTableTextPixels = 11.0;
constexpr qreal kShapeNamePixels = 14.0;
constexpr qreal kPadding = 4.0;

// A darker or lighter shade of a fill that keeps its text readable.
QColor TextColourOn(const QColor& fill)
{
    return fill.lightnessF() < 0.45 ? QColor(Qt::white) : QColor(Qt::black);
}

QPainterPath SpeakerPath(const QRectF& box)
{
    // A box with a cone opening to the right, inside the upper part of the shape.
    const qreal w = box.width();
    const qreal h = box.height();
    QPainterPath path;
    path.addRect(QRectF(box.left() + w * 0.22, box.top() + h * 0.28, w * 0.16, h * 0.24));
    QPolygonF cone;
    cone << QPointF(box.left() + w * 0.38, box.top() + h * 0.28)
         << QPointF(box.left() + w * 0.70, box.top() + h * 0.10)
         << QPointF(box.left() + w * 0.70, box.top() + h * 0.70)
         << QPointF(box.left() + w * 0.38, box.top() + h * 0.52);
    cone << cone.front();
    path.addPolygon(cone);
    return path;
}
} // namespace

// --- Items ------------------------------------------------------------------------------------

CHallItem::CHallItem(CHallScene& scene, const SHallObject& object, const QRectF& rect)
    : m_scene(scene), m_object(object)
{
    setFlags(ItemIsSelectable | ItemIsMovable);
    Place(rect);
}

void CHallItem::Forget()
{
    m_object = {};
    setSelected(false);
    setFlags({});
    hide();
}

void CHallItem::Place(const QRectF& rect)
{
    if (rect.size() != m_rect.size())
        prepareGeometryChange();
    m_rect = QRectF(QPointF(0, 0), rect.size());
    m_placedPos = rect.topLeft();
    setPos(m_placedPos);
}

QRectF CHallItem::boundingRect() const
{
    // Room for the selection frame.
    return m_rect.adjusted(-3, -3, 3, 3);
}

QPainterPath CHallItem::shape() const
{
    QPainterPath path;
    if (m_object.IsShape() && m_object.shape->GetType() == CShape::kShapeCircle)
        path.addEllipse(m_rect);
    else
        path.addRect(m_rect);
    return path;
}

void CHallItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!m_object.IsValid())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setLayoutDirection(m_scene.IsHebrew() ? Qt::RightToLeft : Qt::LeftToRight);
    painter->save();
    if (m_object.IsTable())
        PaintTable(*painter, m_rect);
    else
        PaintShape(*painter, m_rect);
    painter->restore();
    if (isSelected() && !m_scene.IsPrinting())
    {
        QPen frame(QApplication::palette().color(QPalette::Highlight), 2.5);
        frame.setCosmetic(true);
        frame.setStyle(Qt::DashLine);
        painter->setPen(frame);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(m_rect.adjusted(-2, -2, 2, 2));
    }
}

void CHallItem::PaintTable(QPainter& painter, const QRectF& box) const
{
    const CTable& table = *m_object.table;
    const QColor fill = FromWindowsColour(table.GetColour());
    QPen outline(FromWindowsColour(table.GetDrawStyle()), 1.5);
    painter.setPen(outline);
    painter.setBrush(fill);
    const qreal radius = std::min(box.width(), box.height()) * 0.18;
    painter.drawRoundedRect(box.adjusted(0.75, 0.75, -0.75, -0.75), radius, radius);

    CNewOrvDoc& doc = m_scene.Document();
    const int people = doc.CountAtTable(table.GetId(), IRecordOwner::kCountComing);
    const QColor text = TextColourOn(fill);
    const QColor over = fill.lightnessF() < 0.45 ? QColor(255, 170, 170) : QColor(190, 0, 0);
    std::vector<SPlanLabelLine> lines = {
        {ToQt(table.GetName()), kTableNamePixels, true, text, 2},
        {ToQt(FormatText(LoadString(IDS_PLAN_TABLE_PLACE), {FormatInt(table.GetHallNumber())})),
         kTableTextPixels, false, text, 1},
        {ToQt(FormatText(LoadString(IDS_PLAN_TABLE_PEOPLE),
                         {FormatInt(people), FormatInt(table.GetSeats())})),
         kTableTextPixels, people > table.GetSeats(), people > table.GetSeats() ? over : text, 1},
    };
    DrawPlanLabel(painter, box.adjusted(kPadding, kPadding, -kPadding, -kPadding), lines);
}

void CHallItem::PaintShape(QPainter& painter, const QRectF& box) const
{
    const CShape& shape = *m_object.shape;
    const QColor fill = FromWindowsColour(shape.GetColour());
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    painter.setBrush(fill);
    const QRectF inner = box.adjusted(0.75, 0.75, -0.75, -0.75);
    QRectF textBox = box.adjusted(kPadding, kPadding, -kPadding, -kPadding);
    switch (shape.GetType())
    {
    case CShape::kShapeCircle:
        painter.drawEllipse(inner);
        // The text stays inside the circle.
        textBox =
            QRectF(box.center().x() - box.width() * 0.35, box.center().y() - box.height() * 0.35,
                   box.width() * 0.7, box.height() * 0.7);
        break;
    case CShape::kShapeSpeaker:
    {
        painter.drawRect(inner);
        painter.setBrush(fill.darker(170));
        painter.setPen(Qt::NoPen);
        painter.drawPath(SpeakerPath(box));
        textBox = QRectF(box.left() + kPadding, box.top() + box.height() * 0.72,
                         box.width() - 2 * kPadding, box.height() * 0.28 - kPadding);
        break;
    }
    default: // squares, and shapes of a type this program does not know
        painter.drawRect(inner);
        break;
    }
    QString name = ToQt(shape.GetName());
    name.remove(QLatin1Char('\r'));
    DrawPlanLabel(painter, textBox, {{name, kShapeNamePixels, true, TextColourOn(fill), 0}});
}

// --- Scene ------------------------------------------------------------------------------------

CHallScene::CHallScene(CNewOrvDoc& doc, QObject* parent)
    : CPlanScene(doc, parent), m_hebrew(IsHebrewUi())
{
    setItemIndexMethod(QGraphicsScene::BspTreeIndex);
}

CHallScene::~CHallScene()
{
    blockSignals(true);
    for (CHallItem* item : m_items)
        delete item;
    m_items.clear();
}

QRectF CHallScene::ToScene(const SRect& rect)
{
    return QRectF(rect.left * kScale, rect.top * kScale, rect.Width() * kScale,
                  rect.Height() * kScale);
}

int CHallScene::ToPlan(qreal sceneDistance)
{
    return static_cast<int>(std::lround(sceneDistance / kScale));
}

void CHallScene::Rebuild(int planWidth)
{
    const std::vector<SHallObject> selected = SelectedObjects();
    clearSelection();
    for (CHallItem* item : m_items)
    {
        removeItem(item);
        delete item;
    }
    m_items.clear();
    const CHallLayout layout(Doc());
    const int count = layout.Count();
    m_items.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
    {
        const SHallObject object = layout.At(i);
        auto* item = new CHallItem(*this, object, ToScene(layout.RectOf(object, planWidth)));
        // Drawing order: the list's order, later objects above earlier ones.
        item->setZValue(i);
        addItem(item);
        m_items.push_back(item);
    }
    FitSceneRect();
    SelectObjects(selected);
}

void CHallScene::UpdateItems(const std::vector<SHallObject>& objects, int planWidth)
{
    const CHallLayout layout(Doc());
    for (const SHallObject& object : objects)
        if (CHallItem* item = ItemOf(object))
            item->Place(ToScene(layout.RectOf(object, planWidth)));
    FitSceneRect();
    update();
}

void CHallScene::FitSceneRect()
{
    QRectF bounds(0, 0, 1, 1);
    for (const CHallItem* item : m_items)
        if (item->Object().IsValid())
            bounds |= QRectF(item->pos(), item->PlacedRect().size());
    setSceneRect(bounds.adjusted(-kMargin, -kMargin, kMargin, kMargin) |
                 QRectF(-kMargin, -kMargin, 1, 1));
}

CHallItem* CHallScene::ItemOf(const SHallObject& object) const
{
    if (!object.IsValid())
        return nullptr;
    for (CHallItem* item : m_items)
        if (item->Object() == object)
            return item;
    return nullptr;
}

std::vector<SHallObject> CHallScene::SelectedObjects() const
{
    std::vector<SHallObject> objects;
    for (const CHallItem* item : m_items)
        if (item->isSelected() && item->Object().IsValid())
            objects.push_back(item->Object());
    return objects;
}

void CHallScene::SelectObjects(const std::vector<SHallObject>& objects)
{
    for (CHallItem* item : m_items)
        item->setSelected(item->Object().IsValid() && std::find(objects.begin(), objects.end(),
                                                                item->Object()) != objects.end());
}

void CHallScene::DropRecords(EUpdateHint hint, CRecord* record)
{
    for (CHallItem* item : m_items)
    {
        const SHallObject& object = item->Object();
        bool drop = false;
        switch (hint)
        {
        case HINT_EVENT_RELOADING:
            drop = true;
            break;
        case HINT_TABLES_REMOVING:
            drop = object.IsTable();
            break;
        case HINT_SHAPES_REMOVING:
            drop = object.IsShape();
            break;
        case HINT_TABLE_DELETING:
        case HINT_SHAPE_REMOVING:
            drop = record != nullptr && (static_cast<CRecord*>(object.table) == record ||
                                         static_cast<CRecord*>(object.shape) == record);
            break;
        default:
            break;
        }
        if (drop && object.IsValid())
            item->Forget();
    }
}

QString CHallScene::PlanTitle() const
{
    return ToQt(FormatText(LoadString(IDS_PLAN_HALL_TITLE), {Doc().GetSettings().GetEventName()}));
}

QString CHallScene::PlanSummary() const
{
    const int tables = std::max(Doc().GetTableCount() - 1, 0);
    const int seated = Doc().SumComing() - Doc().CountAtTable(0, IRecordOwner::kCountComing);
    return ToQt(FormatText(LoadString(IDS_PLAN_SUMMARY),
                           {FormatInt(tables), FormatInt(seated),
                            FormatInt(Doc().CountAtTable(0, IRecordOwner::kCountComing))}));
}
