#include "model/Shape.h"

#include "model/LegacyText.h"
#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"

CShape::CShape(IRecordOwner* owner, int type, const SRect& rect)
    : CRecord(owner, ERecordClass::Shape, kSectionPrefix), m_type(type),
      m_id(CRecordCounters::TakeShapeId()), m_rect(rect), m_originalRect(rect)
{
}

int CShape::GetFileKind() const
{
    return kFileGanArrangementIni;
}

bool CShape::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    const int type = ini.GetInt(section, "ShapeType", kShapeNone);
    if (!IsKnownType(type))
        return false;
    m_type = type;
    SetNewFlag(false);
    LoadName(ReplaceAll(ini.GetString(section, "ShapeName"), kLegacyLineBreak, "\r\n"));
    m_rect =
        SRect::FromSize(ini.GetInt(section, "TableLocX", 0), ini.GetInt(section, "TableLocY", 0),
                        ini.GetInt(section, "TableSizeX", 0), ini.GetInt(section, "TableSizeY", 0));
    m_originalRect = m_rect;
    m_colour = ini.GetInt(section, "Sc", kIniDefaultColour);
    m_class = ini.GetString(section, "ShapeClass");
    SetModifiedFlag(false);
    return true;
}

std::unique_ptr<CRecord> CShape::CloneState() const
{
    return std::unique_ptr<CRecord>(new CShape(*this));
}
