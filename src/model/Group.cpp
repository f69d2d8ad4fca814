#include "model/Group.h"

#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"

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

bool CGroup::IsUsed() const
{
    return GetOwner() != nullptr && GetOwner()->IsGroupUsed(this);
}

void CGroup::CopyNameTo(CGroup& other) const
{
    other.SetName(GetName());
}

std::unique_ptr<CRecord> CGroup::CloneState() const
{
    return std::unique_ptr<CRecord>(new CGroup(*this));
}
