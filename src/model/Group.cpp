#include "model/Group.h"

#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"
#include "platform/XmlText.h"

CGroup::CGroup(IRecordOwner* owner) : CRecord(owner, ERecordClass::Group, kSectionPrefix) {}

int CGroup::GetFileKind() const
{
    return kFileGroupsIni;
}

bool CGroup::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    const std::string name = ini.GetString(section, "GroupName");
    if (name.empty())
        return false;
    LoadName(name);
    SetNewFlag(false);
    return true;
}

void CGroup::WriteXml(std::string& out) const
{
    out += "<Group>\r\n";
    AppendCdataElement(out, "grName", GetName());
    out += "</Group>\r\n\r\n";
}

bool CGroup::IsUsed() const
{
    return GetOwner() != nullptr && GetOwner()->IsGroupUsed(this);
}

void CGroup::CopyNameTo(CGroup& other) const
{
    other.SetName(GetName());
}
