#pragma once

#include "model/Rect.h"
#include "seating/HallLayout.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class CNewOrvDoc;
class CShape;
class IDocView;

// The user's edits of the hall layout: shapes added, detailed, copied and deleted, objects moved
// and sized, the tables put back on the grid, hall drafts, and the layout's two display settings.
// Each applies the rules of CHallLayout, asks through the document's prompt and announces the
// change to every view but the sender. Widths are those of the drawing area in plan units (the
// grid of tables never placed depends on it).
namespace Edits
{
// What the object dialog edits of a shape.
struct SShapeDetails
{
    std::string name; // several lines, "\r\n" between them
    int width = 0;
    int height = 0;
    int colour = 0; // 0x00BBGGRR
    std::string shapeClass;
};

SShapeDetails DetailsOf(const CShape& shape);

// Appends a shape of that type with its default rectangle (CHallLayout::NewShapeRect) and the
// given name, colour and class. Announces HINT_SHAPE_ADDED.
CShape* AddShape(CNewOrvDoc& doc, int type, const std::string& name, int colour,
                 const std::string& shapeClass, IDocView* sender);

// Stores the details into the shape (its top-left corner stays; a width or height below
// CHallLayout::kMinObjectSize is taken as that). With applyToClass, the colour and the size go to
// every other shape of the same (new) class too. Returns the shapes that changed, each announced
// with HINT_HALL_OBJECT_CHANGED.
std::vector<CShape*> SetShapeDetails(CNewOrvDoc& doc, CShape* shape, const SShapeDetails& details,
                                     bool applyToClass, IDocView* sender);

// Gives each object its rectangle (a table's area, a shape's rectangle); objects not in the
// layout are skipped. True when something changed; then announces HINT_HALL_OBJECT_CHANGED
// once, with the object when one changed and with none when several did.
bool PlaceHallObjects(CNewOrvDoc& doc, const std::vector<std::pair<SHallObject, SRect>>& places,
                      IDocView* sender);
// A drag of the mouse: every object moved by dx, dy from where it is drawn.
bool MoveHallObjects(CNewOrvDoc& doc, const std::vector<SHallObject>& objects, int dx, int dy,
                     int width, IDocView* sender);
// The keyboard: arrows, Shift + arrows, numeric-pad + and - (see EHallNudge).
bool NudgeHallObjects(CNewOrvDoc& doc, const std::vector<SHallObject>& objects, EHallNudge nudge,
                      int width, IDocView* sender);
// "Rest to original size" (see CHallLayout::OriginalRect).
bool RestoreOriginalSize(CNewOrvDoc& doc, const SHallObject& object, int width, IDocView* sender);

// "Copy": a new shape like this one (type, name, class, colour, size) at CHallLayout::CopyRect
// of it, with that as its original rectangle. Tables are never copied (null). Announces
// HINT_SHAPE_ADDED.
CShape* CopyShape(CNewOrvDoc& doc, CShape* shape, IDocView* sender);

// Asks "Do you want to delete this shape?" (Yes/No) and on Yes removes the shape (the views hear
// HINT_SHAPE_REMOVING while it still exists). True when it was deleted.
bool DeleteShapeWithQuestion(CNewOrvDoc& doc, CShape* shape);

// Asks "Do you want to reset the tables locations to the original setting?" (Yes/No); on Yes,
// with an open event, puts every table on the default grid of that width. True when asked and
// done.
bool ResetTablesWithQuestion(CNewOrvDoc& doc, int width, IDocView* sender);

// Writes the shapes as a hall draft file (see CNewOrvDoc::ExportHallDraft).
bool ExportHallDraft(CNewOrvDoc& doc, const std::filesystem::path& path);
// Asks "Importing shapes from a file will override all existing shapes! ..." (Yes/No); on Yes
// replaces the shapes by the file's (CNewOrvDoc::ImportHallDraft: HINT_SHAPES_REMOVING first) and
// announces HINT_HALL_OBJECT_CHANGED with none. Tables are never touched. An empty path does
// nothing. True when the file was read whole.
bool ImportHallDraftWithQuestion(CNewOrvDoc& doc, const std::filesystem::path& path,
                                 IDocView* sender);
// The same without the question (the command line's explicit import).
bool ImportHallDraft(CNewOrvDoc& doc, const std::filesystem::path& path, IDocView* sender);

// "ShowTTInTables": the guests of a table in its tooltip (empty counts as shown).
bool TableTooltipsShown(CNewOrvDoc& doc);
void SetTableTooltipsShown(CNewOrvDoc& doc, bool shown);
// "ShowTablesHelpMsg": the help over the layout ("TRUE" or empty shows it).
bool HallHelpShown(CNewOrvDoc& doc);
void SetHallHelpShown(CNewOrvDoc& doc, bool shown);
} // namespace Edits
