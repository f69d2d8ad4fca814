#include "model/Record.h"

#include "platform/NumberText.h"
#include "platform/XmlText.h"

CRecord::CRecord(IRecordOwner* owner, ERecordClass recordClass, const char* sectionPrefix,
                 bool takeIndex)
    : m_owner(owner), m_recordClass(recordClass), m_sectionPrefix(sectionPrefix)
{
    if (takeIndex)
        m_index = CRecordCounters::TakeIndex(recordClass);
    m_serial = CRecordCounters::TakeSerial();
    MakeSectionName();
}

bool CRecord::SetIndex(int index)
{
    if (m_index == index)
        return false;
    NoteChanging();
    m_index = index;
    MakeSectionName();
    MarkModified();
    return true;
}

void CRecord::InitIndex(int index)
{
    m_index = index;
    MakeSectionName();
}

void CRecord::MakeSectionName()
{
    m_section = std::string(m_sectionPrefix) + FormatInt(m_index);
    m_modified = true;
}

void CRecord::ClearModified()
{
    m_new = false;
    m_modified = false;
}

void CRecord::ReleaseIndex()
{
    CRecordCounters::ReleaseIndex(m_recordClass);
}

bool CRecord::SetName(const std::string& name)
{
    return Assign(m_name, name);
}

bool CRecord::SetInfo(const std::string& info)
{
    return Assign(m_info, info);
}

void CRecord::MarkModified()
{
    m_modified = true;
    if (m_owner != nullptr)
        m_owner->SetDataChanged(true);
}

void CRecord::CopyTo(CRecord& other) const
{
    other.SetName(m_name);
    other.SetInfo(m_info);
    other.MarkModified();
}

std::string CRecord::GetInfoHtml() const
{
    if (m_info.empty())
        return "&nbsp;";
    const std::string escaped = EscapeMarkupText(m_info);
    std::string html;
    html.reserve(escaped.size() + 16);
    for (char c : escaped)
    {
        if (c == '\n')
            html += "<br>";
        else
            html += c;
    }
    return html;
}
