#include "model/Meeting.h"

#include "model/LegacyText.h"
#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"

namespace
{
// The "Name" default and the value that marks a missing meeting.
const char kAbsentName[] = "empty";
const char kOldLineBreak[] = "NewLineSep";
constexpr int kDefaultDay = 1;
constexpr int kDefaultMonth = 1;
constexpr int kDefaultYear = 2003;
} // namespace

CMeeting::CMeeting(IRecordOwner* owner)
    : CRecord(owner, ERecordClass::Meeting, kSectionPrefix), m_date(SDate::Today())
{
}

int CMeeting::GetFileKind() const
{
    return kFileMeetingsIni;
}

bool CMeeting::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    const std::string name = ini.GetString(section, "Name", kAbsentName);
    LoadName(name);
    if (name == kAbsentName)
        return false;
    SetNewFlag(false);
    LoadInfo(ReplaceAll(ini.GetString(section, "AdditionalInfo"), kOldLineBreak, "\r\n"));
    m_contactJob = ini.GetString(section, "ContactJob");
    m_contactAddress = ini.GetString(section, "ContactAddress");
    m_contactPhone = ini.GetString(section, "ContactPhone");
    m_contactName = ini.GetString(section, "ContactName");
    m_date = SDate(static_cast<short>(ini.GetInt(section, "Year", kDefaultYear)),
                   static_cast<short>(ini.GetInt(section, "Month", kDefaultMonth)),
                   static_cast<short>(ini.GetInt(section, "Day", kDefaultDay)));
    SetModifiedFlag(false);
    return true;
}

void CMeeting::ClearModified()
{
    CRecord::ClearModified();
    const std::string& info = GetInfo();
    std::string fixed;
    fixed.reserve(info.size() + 8);
    for (std::size_t i = 0; i < info.size(); ++i)
    {
        if (info[i] == '\n' && (i == 0 || info[i - 1] != '\r'))
            fixed += '\r';
        fixed += info[i];
    }
    LoadInfo(fixed);
}

std::unique_ptr<CRecord> CMeeting::CloneState() const
{
    return std::unique_ptr<CRecord>(new CMeeting(*this));
}
