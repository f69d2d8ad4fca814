#include "seating/HallLayout.h"

#include "model/Shape.h"
#include "model/Table.h"
#include "platform/StringIds.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

namespace
{
// A rectangle with left above right and top above bottom, at least min on each side.
SRect Normalised(const SRect& rect, int min)
{
    SRect out(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
              std::max(rect.left, rect.right), std::max(rect.top, rect.bottom));
    out.right = std::max(out.right, out.left + min);
    out.bottom = std::max(out.bottom, out.top + min);
    return out;
}
} // namespace

CHallLayout::CHallLayout(const CNewOrvDoc& doc) : m_doc(doc) {}

int CHallLayout::TableObjectCount() const
{
    return std::max(m_doc.GetTableCount() - 1, 0);
}

int CHallLayout::Count() const
{
    return TableObjectCount() + static_cast<int>(m_doc.GetShapes().size());
}

SHallObject CHallLayout::At(int index) const
{
    const int tables = TableObjectCount();
    if (index < 0 || index >= Count())
        return {};
    if (index < tables)
        return SHallObject::Of(m_doc.GetTableAt(index + 1));
    return SHallObject::Of(m_doc.GetShapes()[static_cast<std::size_t>(index - tables)].get());
}

int CHallLayout::IndexOf(const SHallObject& object) const
{
    if (!object.IsValid())
        return -1;
    if (object.IsTable())
    {
        const int id = object.table->GetId();
        if (id < 1 || m_doc.GetTableAt(id) != object.table)
            return -1;
        return id - 1;
    }
    const auto& shapes = m_doc.GetShapes();
    for (std::size_t i = 0; i < shapes.size(); ++i)
        if (shapes[i].get() == object.shape)
            return TableObjectCount() + static_cast<int>(i);
    return -1;
}

std::vector<SHallObject> CHallLayout::Objects() const
{
    std::vector<SHallObject> objects;
    objects.reserve(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i)
        objects.push_back(At(i));
    return objects;
}

SRect CHallLayout::RectOf(const SHallObject& object, int width) const
{
    if (object.IsShape())
        return Normalised(object.shape->GetRect(), kMinObjectSize);
    if (!object.IsTable())
        return {};
    const SRect& area = object.table->GetArea();
    if (area.Width() > 0 && area.Height() > 0)
        return area;
    return GridRect(std::max(IndexOf(object), 0), width);
}

int CHallLayout::TablesPerRow(int width)
{
    return std::max((width - 2 * kGridMargin) / (kGridTableSize + kGridGapX), 1);
}

SRect CHallLayout::GridRect(int index, int width)
{
    const int perRow = TablesPerRow(width);
    return SRect::FromSize((index % perRow) * (kGridTableSize + kGridGapX) + kGridLeft,
                           (index / perRow) * (kGridTableSize + kGridGapY) + kGridTop,
                           kGridTableSize, kGridTableSize);
}

std::vector<std::pair<CTable*, SRect>> CHallLayout::GridPlaces(int width) const
{
    std::vector<std::pair<CTable*, SRect>> places;
    for (int i = 0; i < TableObjectCount(); ++i)
        places.emplace_back(m_doc.GetTableAt(i + 1), GridRect(i, width));
    return places;
}

SRect CHallLayout::Nudged(const SRect& rect, EHallNudge nudge)
{
    SRect out = rect;
    switch (nudge)
    {
    case EHallNudge::Left:
        out.left -= kNudgeStep;
        out.right -= kNudgeStep;
        break;
    case EHallNudge::Right:
        out.left += kNudgeStep;
        out.right += kNudgeStep;
        break;
    case EHallNudge::Up:
        out.top -= kNudgeStep;
        out.bottom -= kNudgeStep;
        break;
    case EHallNudge::Down:
        out.top += kNudgeStep;
        out.bottom += kNudgeStep;
        break;
    case EHallNudge::GrowLeft:
        out.left -= kNudgeStep;
        break;
    case EHallNudge::GrowRight:
        out.right += kNudgeStep;
        break;
    case EHallNudge::GrowUp:
        out.top -= kNudgeStep;
        break;
    case EHallNudge::GrowDown:
        out.bottom += kNudgeStep;
        break;
    case EHallNudge::Enlarge:
        out = SRect(rect.left - kResizeStep, rect.top - kResizeStep, rect.right + kResizeStep,
                    rect.bottom + kResizeStep);
        break;
    case EHallNudge::Shrink:
        // An object shrunk past nothing would turn inside out; it stops at the least size.
        if (rect.Width() - 2 * kResizeStep < kMinObjectSize ||
            rect.Height() - 2 * kResizeStep < kMinObjectSize)
            return rect;
        out = SRect(rect.left + kResizeStep, rect.top + kResizeStep, rect.right - kResizeStep,
                    rect.bottom - kResizeStep);
        break;
    }
    return out;
}

SRect CHallLayout::CopyRect(const SRect& rect)
{
    return SRect(rect.left + kCopyOffset, rect.top + kCopyOffset, rect.right + kCopyOffset,
                 rect.bottom + kCopyOffset);
}

SRect CHallLayout::OriginalRect(const SHallObject& object, const SRect& current)
{
    if (object.IsShape())
        return object.shape->GetOriginalRect();
    return SRect::FromSize(current.left, current.top, kGridTableSize, kGridTableSize);
}

SRect CHallLayout::NewShapeRect(int type)
{
    const int size = type == CShape::kShapeSpeaker ? 50 : 100;
    return SRect::FromSize(kNewShapeLeft, kNewShapeTop, size, size);
}

int CHallLayout::NewShapeNameId(int type)
{
    switch (type)
    {
    case CShape::kShapeCircle:
        return IDS_SHAPE_NAME_CIRCLE;
    case CShape::kShapeSpeaker:
        return IDS_SHAPE_NAME_SPEAKER;
    default:
        return IDS_SHAPE_NAME_SQUARE;
    }
}

const std::vector<int>& CHallLayout::ObjectClassIds()
{
    static const std::vector<int> ids = {
        IDS_OBJECT_CANOPY,
        IDS_OBJECT_BAR,
        IDS_OBJECT_STAGE,
        IDS_OBJECT_DANCING_AREA,
        IDS_OBJECT_SPEAKER,
        IDS_OBJECT_RECEPTION_AREA,
        IDS_OBJECT_RECEPTION_DESK,
        IDS_OBJECT_FLOWERPOT,
        IDS_OBJECT_TREE,
        IDS_OBJECT_TOILETS,
        IDS_OBJECT_BRIDE_GROOM_ROOM,
        IDS_OBJECT_OFFICES,
        IDS_OBJECT_SEATING_AREA,
        IDS_OBJECT_BAND_AREA,
        IDS_OBJECT_RELAXATION_AREA,
    };
    return ids;
}
