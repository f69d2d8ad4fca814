#pragma once

#include "model/Record.h"
#include "model/Rect.h"

#include <string>
#include <vector>

class CGuest;

// A table of the hall. Its id is its CRecord index, given by the document (the table's position
// in the table collection); guests sit at it by carrying that id. Colours are Windows-style RGB
// values 0x00BBGGRR.
class CTable : public CRecord
{
public:
    static constexpr const char* kSectionPrefix = "Table";
    static constexpr int kDefaultColour = 0xE1E1E1;
    static constexpr int kDefaultSeats = 10;
    static constexpr const char* kDefaultShapeClass = "Table";

    // What a user may give a table, in the table dialogs and on the command line alike.
    static constexpr int kMaxNameChars = 25; // characters (code points), not bytes
    static constexpr int kMinSeats = 1;
    static constexpr int kMaxSeats = 1000;
    static constexpr int kMinHallNumber = 1;
    static constexpr int kMaxHallNumber = 999;

    // A name typed by the user as the table gets it: trimmed, cut to kMaxNameChars characters,
    // "Not mapped" (interface language) when nothing is left.
    static std::string NameFromUser(const std::string& typed);

    // Takes no number from the table counter: the id is the one given (-1 until the document
    // gives it with SetIndex). The owner is not owned and may be null.
    explicit CTable(IRecordOwner* owner, int id = -1);

    int GetFileKind() const override;
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;
    // Tables never take from the class counter, so there is nothing to give back.
    void ReleaseIndex() override {}

    int GetId() const { return GetIndex(); }

    int GetSeats() const { return m_seats; }
    bool SetSeats(int seats) { return Assign(m_seats, seats); }
    // 0: not placed in the hall.
    int GetHallNumber() const { return m_hallNumber; }
    bool SetHallNumber(int number) { return Assign(m_hallNumber, number); }
    int GetColour() const { return m_colour; }
    bool SetColour(int colour) { return Assign(m_colour, colour); }
    int GetDrawStyle() const { return m_drawStyle; }
    bool SetDrawStyle(int style) { return Assign(m_drawStyle, style); }
    // In hall-plan units.
    const SRect& GetArea() const { return m_area; }
    bool SetArea(const SRect& area) { return Assign(m_area, area); }
    // Stores a different text without marking the table modified.
    const std::string& GetShapeClass() const { return m_shapeClass; }
    void SetShapeClass(const std::string& shapeClass)
    {
        if (m_shapeClass == shapeClass)
            return;
        NoteChanging();
        m_shapeClass = shapeClass;
    }

    // Counts asked of the owner by the table's id; -1 when the table has no owner.
    // mode: IRecordOwner::ECountMode.
    int CountPeople(int mode) const;
    // Seats minus coming people; seats minus arrived people.
    int GetFreeSeats() const;
    int GetFreeSeatsOnEventDay() const;
    // False when detached.
    bool HasComingGuests() const;
    // Appends the table's guests to guests; returns their number, -1 when detached.
    int GetGuests(std::vector<CGuest*>& guests, bool sortedByName) const;

    // Marks the table modified and the owner's data changed.
    void MarkChanged() { MarkModified(); }

    // Gives other this table's name, info, hall number and seats and marks it modified.
    void CopyTo(CTable& other) const;

protected:
    // For CloneState only.
    CTable(const CTable&) = default;

private:
    int m_colour = kDefaultColour;
    int m_seats = kDefaultSeats;
    int m_hallNumber = 0;
    SRect m_area;
    int m_drawStyle = 0;
    std::string m_shapeClass = kDefaultShapeClass;
};
