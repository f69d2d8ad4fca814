#include "model/Checkpoint.h"

#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

namespace
{
const char kSection[] = "Checkpoint";
const char kKey[] = "CpIndex";
} // namespace

bool CCheckpoint::Load(const std::filesystem::path& path)
{
    m_path = path;
    m_index = ReadProfileInt(path, kSection, kKey, 0);
    return true;
}

bool CCheckpoint::Save(std::string* error) const
{
    if (m_path.empty())
        return false;
    CProfileFile ini(m_path);
    ini.SetString(kSection, kKey, FormatInt(m_index));
    return ini.Save(error);
}

int CCheckpoint::Set(int index)
{
    const int old = m_index;
    m_index = index;
    return old;
}
