#include "model/Category.h"

#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"

CCategory::CCategory(IRecordOwner* owner) : CRecord(owner, ERecordClass::Category, kSectionPrefix)
{
}

int CCategory::GetFileKind() const
{
    return kFileCategoryIni;
}

bool CCategory::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    const std::string name = ini.GetString(section, "CategoryName");
    if (name.empty())
        return false;
    LoadName(name);
    SetNewFlag(false);
    return true;
}

std::unique_ptr<CRecord> CCategory::CloneState() const
{
    return std::unique_ptr<CRecord>(new CCategory(*this));
}
