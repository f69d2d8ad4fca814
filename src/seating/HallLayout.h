#pragma once

#include "model/Rect.h"

#include <utility>
#include <vector>

class CNewOrvDoc;
class CShape;
class CTable;

// One drawable object of the hall layout: a table of the hall or a shape (exactly one is set).
struct SHallObject
{
    CTable* table = nullptr;
    CShape* shape = nullptr;

    static SHallObject Of(CTable* table) { return {table, nullptr}; }
    static SHallObject Of(CShape* shape) { return {nullptr, shape}; }

    bool IsTable() const { return table != nullptr; }
    bool IsShape() const { return shape != nullptr; }
    bool IsValid() const { return (table != nullptr) != (shape != nullptr); }
    bool operator==(const SHallObject& other) const
    {
        return table == other.table && shape == other.shape;
    }
    bool operator!=(const SHallObject& other) const { return !(*this == other); }
};

// The keyboard's changes to the selected objects of the layout.
enum class EHallNudge
{
    Left, // arrows: move by CHallLayout::kNudgeStep
    Right,
    Up,
    Down,
    GrowLeft, // Shift + arrows: that edge goes out by kNudgeStep
    GrowRight,
    GrowUp,
    GrowDown,
    Enlarge, // numeric-pad +: kResizeStep out on every side
    Shrink,  // numeric-pad -: kResizeStep in on every side, never below kMinObjectSize
};

// The hall layout over a document: the list of drawable objects in drawing order and the
// geometry rules of the layout (the default grid, the keyboard's moves and sizes, copies, the
// original size). Rectangles are in plan units (view units at zoom 1). The layout holds nothing
// of its own: it is made over the document when needed and reads the records as they are.
//
// Drawing order: the tables of the hall in collection order (the unseated table has no place in
// the hall and is not drawn), then the shapes in list order. An object's index is its place in
// this list, shapes counted after every table.
class CHallLayout
{
public:
    // The default grid: tables kGridTableSize square, kGridGapX and kGridGapY apart, rows starting
    // kGridLeft from the left edge and kGridTop from the top.
    static constexpr int kGridTableSize = 30;
    static constexpr int kGridGapX = 15;
    static constexpr int kGridGapY = 10;
    static constexpr int kGridMargin = 5;
    static constexpr int kGridLeft = 30;
    static constexpr int kGridTop = 10;

    static constexpr int kNudgeStep = 3;
    static constexpr int kResizeStep = 2;
    static constexpr int kMinObjectSize = 6;
    // A copy lands this far right of and below its original, so both stay visible.
    static constexpr int kCopyOffset = 10;
    // Where a new shape is put.
    static constexpr int kNewShapeLeft = 50;
    static constexpr int kNewShapeTop = 50;

    explicit CHallLayout(const CNewOrvDoc& doc);

    int Count() const;
    int TableObjectCount() const;
    // Null object (IsValid false) when index is out of range.
    SHallObject At(int index) const;
    // -1 when the object is not in the layout.
    int IndexOf(const SHallObject& object) const;
    std::vector<SHallObject> Objects() const;

    // Where the object is drawn in a drawing area width units wide. A table keeps the area stored
    // in it; a table never placed (an area without width or height) stands at the grid place of
    // its index. A shape's rectangle is normalised (left above right, top above bottom) and at
    // least kMinObjectSize on each side, so a damaged value never makes it unreachable.
    SRect RectOf(const SHallObject& object, int width) const;

    // The grid of "reset tables": per row (width - 2 * kGridMargin) / (kGridTableSize +
    // kGridGapX), at least 1.
    static int TablesPerRow(int width);
    static SRect GridRect(int index, int width);
    // Every table of the layout with its grid rectangle (tables come first, so a table's index
    // in the whole list is its grid index).
    std::vector<std::pair<CTable*, SRect>> GridPlaces(int width) const;

    static SRect Nudged(const SRect& rect, EHallNudge nudge);
    static SRect CopyRect(const SRect& rect);
    // "Back to original size": a shape gets its original rectangle; a table (which keeps no
    // original) keeps its top-left corner and gets the size of the grid.
    static SRect OriginalRect(const SHallObject& object, const SRect& current);

    // New shapes: the rectangle and the default name (a string id) of each kind; a square's for
    // a type this program does not know.
    static SRect NewShapeRect(int type);
    static int NewShapeNameId(int type);
    // The class names the object dialog offers, in its order (string ids).
    static const std::vector<int>& ObjectClassIds();

private:
    const CNewOrvDoc& m_doc;
};
