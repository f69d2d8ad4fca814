#pragma once

#include "model/Record.h"
#include "model/Rect.h"

#include <string>

// A drawn object of the hall layout other than a table: a square, a circle or a speaker with a
// name (several lines, "\r\n"), a class naming what it stands for, a Windows-style colour
// (0x00BBGGRR) and a rectangle in view units at zoom 1. The original rectangle is the one given at
// creation (or read), for "back to original size".
//
// A shape read from the data file keeps its type as stored, also one that is not a known type
// (IsKnownType false), so a file written by a newer or another program loses none of its shapes;
// a hall view is to draw such a shape as a plain rectangle.
class CShape : public CRecord
{
public:
    enum EShapeType : int
    {
        kShapeNone = 0,
        kShapeSquare = 1,
        kShapeCircle = 2,
        kShapeSpeaker = 3,
    };

    static constexpr const char* kSectionPrefix = "Shapes";
    static constexpr int kDefaultColour = 0xE1E1E1;    // light grey, a new shape
    static constexpr int kIniDefaultColour = 0xFFFFFF; // white, a legacy section without "Sc"

    // Takes the next shape index and the next shape id. The owner is not owned and may be null.
    CShape(IRecordOwner* owner, int type = kShapeSquare, const SRect& rect = SRect());

    static bool IsKnownType(int type) { return type >= kShapeSquare && type <= kShapeSpeaker; }

    int GetFileKind() const override;
    // Reads a GanArrangement.ini section. False when "ShapeType" is not a known type (the list
    // ends there). A section with an empty name and four zero numbers reads (true) but
    // IsBlankLegacyShape tells the loader to drop it.
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;

    int GetType() const { return m_type; }
    bool SetType(int type) { return Assign(m_type, type); }
    int GetId() const { return m_id; }
    const std::string& GetClass() const { return m_class; }
    bool SetClass(const std::string& value) { return Assign(m_class, value); }
    int GetColour() const { return m_colour; }
    bool SetColour(int colour) { return Assign(m_colour, colour); }
    const SRect& GetRect() const { return m_rect; }
    bool SetRect(const SRect& rect) { return Assign(m_rect, rect); }
    const SRect& GetOriginalRect() const { return m_originalRect; }
    // Gives the shape its original rectangle back.
    bool RestoreOriginalRect() { return SetRect(m_originalRect); }
    // Makes the current rectangle the original one (a shape just read from a file). Does not
    // mark the shape modified.
    void KeepRectAsOriginal() { m_originalRect = m_rect; }

    // An empty name and an all-zero rectangle: not a shape.
    bool IsBlankLegacyShape() const { return GetName().empty() && m_rect.IsEmpty(); }

protected:
    // For CloneState only.
    CShape(const CShape&) = default;

private:
    int m_type;
    int m_id;
    std::string m_class;
    int m_colour = kDefaultColour;
    SRect m_rect;
    SRect m_originalRect;
};
