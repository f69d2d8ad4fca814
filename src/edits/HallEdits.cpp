#include "edits/HallEdits.h"

#include "edits/UndoSteps.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <memory>

namespace Edits
{
namespace
{
constexpr const char* kTooltipsKey = "ShowTTInTables";
constexpr const char* kHelpKey = "ShowTablesHelpMsg";

bool SetRect(const SHallObject& object, const SRect& rect)
{
    if (object.IsTable())
        return object.table->SetArea(rect);
    return object.shape->SetRect(rect);
}

// Places every object at what change makes of where it is drawn now.
template <class Change>
bool ChangeRects(CNewOrvDoc& doc, const std::vector<SHallObject>& objects, int width,
                 IDocView* sender, Change change)
{
    const CHallLayout layout(doc);
    std::vector<std::pair<SHallObject, SRect>> places;
    for (const SHallObject& object : objects)
        if (layout.IndexOf(object) >= 0)
            places.emplace_back(object, change(object, layout.RectOf(object, width)));
    return PlaceHallObjects(doc, places, sender);
}
} // namespace

SShapeDetails DetailsOf(const CShape& shape)
{
    SShapeDetails details;
    details.name = shape.GetName();
    details.width = shape.GetRect().Width();
    details.height = shape.GetRect().Height();
    details.colour = shape.GetColour();
    details.shapeClass = shape.GetClass();
    return details;
}

CShape* AddShape(CNewOrvDoc& doc, int type, const std::string& name, int colour,
                 const std::string& shapeClass, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    auto shape = std::make_unique<CShape>(nullptr, type, CHallLayout::NewShapeRect(type));
    shape->SetName(name);
    shape->SetColour(colour);
    shape->SetClass(shapeClass);
    CShape* added = doc.AddShape(std::move(shape));
    doc.UpdateAllViews(sender, HINT_SHAPE_ADDED, added);
    return added;
}

std::vector<CShape*> SetShapeDetails(CNewOrvDoc& doc, CShape* shape, const SShapeDetails& details,
                                     bool applyToClass, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    std::vector<CShape*> changed;
    if (shape == nullptr || CHallLayout(doc).IndexOf(SHallObject::Of(shape)) < 0)
        return changed;
    const int width = std::max(details.width, CHallLayout::kMinObjectSize);
    const int height = std::max(details.height, CHallLayout::kMinObjectSize);
    auto sized = [&](const CShape& of)
    {
        const SRect& rect = of.GetRect();
        return SRect::FromSize(rect.left, rect.top, width, height);
    };
    bool done = shape->SetName(details.name);
    done = shape->SetClass(details.shapeClass) || done;
    done = shape->SetColour(details.colour) || done;
    done = shape->SetRect(sized(*shape)) || done;
    if (done)
        changed.push_back(shape);
    if (applyToClass)
    {
        for (const auto& other : doc.GetShapes())
        {
            if (other.get() == shape || other->GetClass() != details.shapeClass)
                continue;
            bool otherDone = other->SetColour(details.colour);
            otherDone = other->SetRect(sized(*other)) || otherDone;
            if (otherDone)
                changed.push_back(other.get());
        }
    }
    for (CShape* one : changed)
        doc.UpdateAllViews(sender, HINT_HALL_OBJECT_CHANGED, one);
    return changed;
}

bool PlaceHallObjects(CNewOrvDoc& doc, const std::vector<std::pair<SHallObject, SRect>>& places,
                      IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    const CHallLayout layout(doc);
    std::vector<SHallObject> changed;
    for (const auto& [object, rect] : places)
        if (layout.IndexOf(object) >= 0 && SetRect(object, rect))
            changed.push_back(object);
    if (changed.empty())
        return false;
    CRecord* record = nullptr;
    if (changed.size() == 1)
        record = changed.front().IsTable() ? static_cast<CRecord*>(changed.front().table)
                                           : static_cast<CRecord*>(changed.front().shape);
    doc.UpdateAllViews(sender, HINT_HALL_OBJECT_CHANGED, record);
    return true;
}

bool MoveHallObjects(CNewOrvDoc& doc, const std::vector<SHallObject>& objects, int dx, int dy,
                     int width, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    if (dx == 0 && dy == 0)
        return false;
    return ChangeRects(
        doc, objects, width, sender,
        [dx, dy](const SHallObject&, const SRect& rect)
        { return SRect(rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy); });
}

bool NudgeHallObjects(CNewOrvDoc& doc, const std::vector<SHallObject>& objects, EHallNudge nudge,
                      int width, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    return ChangeRects(doc, objects, width, sender,
                       [nudge](const SHallObject&, const SRect& rect)
                       { return CHallLayout::Nudged(rect, nudge); });
}

bool RestoreOriginalSize(CNewOrvDoc& doc, const SHallObject& object, int width, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    return ChangeRects(doc, {object}, width, sender,
                       [](const SHallObject& one, const SRect& rect)
                       { return CHallLayout::OriginalRect(one, rect); });
}

CShape* CopyShape(CNewOrvDoc& doc, CShape* shape, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    if (shape == nullptr || CHallLayout(doc).IndexOf(SHallObject::Of(shape)) < 0)
        return nullptr;
    const SRect rect = CHallLayout::CopyRect(shape->GetRect());
    auto copy = std::make_unique<CShape>(nullptr, shape->GetType(), rect);
    copy->SetName(shape->GetName());
    copy->SetClass(shape->GetClass());
    copy->SetColour(shape->GetColour());
    CShape* added = doc.AddShape(std::move(copy));
    doc.UpdateAllViews(sender, HINT_SHAPE_ADDED, added);
    return added;
}

bool DeleteShapeWithQuestion(CNewOrvDoc& doc, CShape* shape)
{
    NameStep(doc, IDS_STEP_DELETE_SHAPE);
    if (shape == nullptr || CHallLayout(doc).IndexOf(SHallObject::Of(shape)) < 0)
        return false;
    if (AskString(doc.GetPrompt(), IDS_DELETE_SHAPE_QUESTION, IDS_DELETE_SHAPE_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    return doc.RemoveShape(shape) != nullptr;
}

bool ResetTablesWithQuestion(CNewOrvDoc& doc, int width, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    if (AskString(doc.GetPrompt(), IDS_RESET_TABLES_QUESTION, IDS_RESET_TABLES_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes ||
        doc.GetActiveEvent() == nullptr)
        return false;
    std::vector<std::pair<SHallObject, SRect>> places;
    for (const auto& [table, rect] : CHallLayout(doc).GridPlaces(width))
        places.emplace_back(SHallObject::Of(table), rect);
    PlaceHallObjects(doc, places, sender);
    return true;
}

bool ExportHallDraft(CNewOrvDoc& doc, const std::filesystem::path& path)
{
    return doc.ExportHallDraft(path);
}

bool ImportHallDraftWithQuestion(CNewOrvDoc& doc, const std::filesystem::path& path,
                                 IDocView* sender)
{
    if (path.empty())
        return false;
    if (AskString(doc.GetPrompt(), IDS_IMPORT_SHAPES_QUESTION, IDS_IMPORT_SHAPES_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    return ImportHallDraft(doc, path, sender);
}

bool ImportHallDraft(CNewOrvDoc& doc, const std::filesystem::path& path, IDocView* sender)
{
    NameStep(doc, IDS_STEP_HALL);
    if (path.empty())
        return false;
    const unsigned long changes = doc.GetChangeCount();
    const bool complete = doc.ImportHallDraft(path);
    // A file that could not be opened changed nothing, and nobody needs to redraw.
    if (doc.GetChangeCount() != changes)
        doc.UpdateAllViews(sender, HINT_HALL_OBJECT_CHANGED, nullptr);
    return complete;
}

bool TableTooltipsShown(CNewOrvDoc& doc)
{
    const std::string value = doc.GetSettings().GetKeySetting(kTooltipsKey);
    return value.empty() || value == "1";
}

void SetTableTooltipsShown(CNewOrvDoc& doc, bool shown)
{
    doc.GetSettings().SetKeySetting(kTooltipsKey, shown ? "1" : "0");
}

bool HallHelpShown(CNewOrvDoc& doc)
{
    const std::string value = doc.GetSettings().GetKeySetting(kHelpKey);
    return value.empty() || value == "TRUE";
}

void SetHallHelpShown(CNewOrvDoc& doc, bool shown)
{
    doc.GetSettings().SetKeySetting(kHelpKey, shown ? "TRUE" : "FALSE");
}
} // namespace Edits
