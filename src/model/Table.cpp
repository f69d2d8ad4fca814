#include "model/Table.h"

#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"

namespace
{
// The "Name" default and the value that marks a missing table.
const char kAbsentName[] = "empty";
} // namespace

CTable::CTable(IRecordOwner* owner, int id)
    : CRecord(owner, ERecordClass::Table, kSectionPrefix, false)
{
    if (id != -1)
        InitIndex(id);
}

std::string CTable::NameFromUser(const std::string& typed)
{
    // Cut first, then trimmed: what the dialog's field holds and then trims.
    std::string name = TrimSpaces(Utf8Left(typed, kMaxNameChars));
    return name.empty() ? LoadString(IDS_NOT_MAPPED) : name;
}

int CTable::GetFileKind() const
{
    return kFileTablesIni;
}

bool CTable::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    const std::string name = ini.GetString(section, "Name", kAbsentName);
    LoadName(name);
    if (name == kAbsentName)
        return false;
    SetNewFlag(false);
    m_seats = ini.GetInt(section, "Places", kDefaultSeats);
    m_hallNumber = ini.GetInt(section, "InHall", 0);
    m_area =
        SRect::FromSize(ini.GetInt(section, "TableLocX", 0), ini.GetInt(section, "TableLocY", 0),
                        ini.GetInt(section, "TableSizeX", 0), ini.GetInt(section, "TableSizeY", 0));
    m_colour = ini.GetInt(section, "Sc", kDefaultColour);
    m_drawStyle = ini.GetInt(section, "TableDrawColor", 0);
    const std::string shapeClass = ini.GetString(section, "ShapeClass");
    if (!shapeClass.empty())
        m_shapeClass = shapeClass;
    SetModifiedFlag(false);
    return true;
}

int CTable::CountPeople(int mode) const
{
    if (GetOwner() == nullptr)
        return -1;
    return GetOwner()->CountAtTable(GetId(), mode);
}

int CTable::GetFreeSeats() const
{
    if (GetOwner() == nullptr)
        return -1;
    return m_seats - CountPeople(IRecordOwner::kCountComing);
}

int CTable::GetFreeSeatsOnEventDay() const
{
    if (GetOwner() == nullptr)
        return -1;
    return m_seats - CountPeople(IRecordOwner::kCountArrived);
}

bool CTable::HasComingGuests() const
{
    return GetOwner() != nullptr && GetOwner()->TableHasGuests(GetId(), true);
}

int CTable::GetGuests(std::vector<CGuest*>& guests, bool sortedByName) const
{
    if (GetOwner() == nullptr)
        return -1;
    std::vector<CGuest*> found;
    GetOwner()->GetGuestsAtTable(GetId(), found, sortedByName);
    guests.insert(guests.end(), found.begin(), found.end());
    return static_cast<int>(found.size());
}

void CTable::CopyTo(CTable& other) const
{
    other.SetName(GetName());
    other.SetInfo(GetInfo());
    other.SetHallNumber(m_hallNumber);
    other.SetSeats(m_seats);
    other.MarkChanged();
}

std::unique_ptr<CRecord> CTable::CloneState() const
{
    return std::unique_ptr<CRecord>(new CTable(*this));
}
