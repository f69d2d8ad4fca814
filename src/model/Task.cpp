#include "model/Task.h"

#include "model/LegacyText.h"
#include "model/RecordCounters.h"
#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

namespace
{
const char kSectionPrefix[] = "Task";
const char kLineBreakMark[] = "<..>";
// "child%d" default: no more children.
const char kNoMoreChildren[] = "xxx";

std::string SectionOf(int id)
{
    return kSectionPrefix + FormatInt(id);
}
} // namespace

CTask::CTask() : m_id(CRecordCounters::TakeTaskId())
{
    m_section = SectionOf(m_id);
}

// Children are destroyed one level at a time by their unique pointers.
CTask::~CTask() = default;

void CTask::SetName(const std::string& name)
{
    m_name = name;
    m_modified = true;
}

void CTask::SetInfo(const std::string& info)
{
    m_info = info;
    m_modified = true;
}

void CTask::SetChecked(bool checked)
{
    m_checked = checked;
    m_modified = true;
}

void CTask::SetId(int id)
{
    m_id = id;
    m_section = SectionOf(id);
    m_modified = true;
    CRecordCounters::RaiseTaskId(id);
}

CTask* CTask::GetChild(int i) const
{
    if (i < 0 || i >= GetChildCount())
        return nullptr;
    return m_children[static_cast<std::size_t>(i)].get();
}

bool CTask::AddChild(std::unique_ptr<CTask> task)
{
    return InsertChild(GetChildCount(), std::move(task));
}

bool CTask::InsertChild(int position, std::unique_ptr<CTask> task)
{
    if (!task || task->m_name.empty())
        return false;
    for (const auto& child : m_children)
    {
        if (child->m_id == task->m_id)
            return false;
    }
    if (position < 0 || position > GetChildCount())
        position = GetChildCount();
    task->m_parent = this;
    m_children.insert(m_children.begin() + position, std::move(task));
    m_modified = true;
    return true;
}

int CTask::IndexOfChild(const CTask* task) const
{
    for (std::size_t i = 0; i < m_children.size(); ++i)
    {
        if (m_children[i].get() == task)
            return static_cast<int>(i);
    }
    return -1;
}

std::unique_ptr<CTask> CTask::RemoveChild(CTask* task)
{
    for (auto it = m_children.begin(); it != m_children.end(); ++it)
    {
        if (it->get() != task)
            continue;
        std::unique_ptr<CTask> removed = std::move(*it);
        m_children.erase(it);
        removed->m_parent = nullptr;
        m_modified = true;
        return removed;
    }
    return nullptr;
}

CTask* CTask::FindById(int id)
{
    if (m_id == id)
        return this;
    for (const auto& child : m_children)
    {
        if (CTask* found = child->FindById(id))
            return found;
    }
    return nullptr;
}

void CTask::DeleteSubtree()
{
    while (!m_children.empty())
        m_children.back()->DeleteSubtree();
    m_modified = true;
    if (m_parent != nullptr)
    {
        // Destroys this task: nothing may touch a member after this line.
        m_parent->RemoveChild(this);
    }
}

bool CTask::IsModifiedDeep()
{
    bool below = false;
    for (const auto& child : m_children)
    {
        if (child->IsModifiedDeep())
            below = true;
    }
    if (below)
        m_modified = true;
    return m_modified;
}

void CTask::Load(const CProfileFile& ini)
{
    m_file = ini.GetPath();
    m_name = ini.GetString(m_section, "name");
    m_info = ReplaceAll(ini.GetString(m_section, "info"), kLineBreakMark, "\r\n");
    m_checked = ini.GetInt(m_section, "checked", 0) == 1;
}

void CTask::CollectIds(std::set<int>& ids) const
{
    ids.insert(m_id);
    for (const auto& child : m_children)
        child->CollectIds(ids);
}

void CTask::LoadTree(const std::filesystem::path& path)
{
    CProfileFile ini(path);
    Load(ini);
    // The whole tree this task belongs to: a damaged file must not add a task twice anywhere.
    const CTask* root = this;
    while (root->m_parent != nullptr)
        root = root->m_parent;
    std::set<int> idsInTree;
    root->CollectIds(idsInTree);
    int depth = 0;
    for (const CTask* up = m_parent; up != nullptr; up = up->m_parent)
        ++depth;
    LoadChildren(ini, depth, idsInTree);
}

void CTask::LoadChildren(const CProfileFile& ini, int depth, std::set<int>& idsInTree)
{
    if (depth < kMaxLoadDepth)
    {
        for (int n = 0;; ++n)
        {
            const std::string value =
                ini.GetString(m_section, "child" + FormatInt(n), kNoMoreChildren);
            if (value == kNoMoreChildren)
                break;
            const int id = ParseLeadingInt(value);
            if (id == m_id)
                break;
            if (idsInTree.count(id) != 0)
                continue;
            auto child = std::make_unique<CTask>();
            child->SetId(id);
            child->m_parent = this;
            child->Load(ini);
            CTask* added = child.get();
            if (!AddChild(std::move(child)))
                continue;
            idsInTree.insert(id);
            added->LoadChildren(ini, depth + 1, idsInTree);
        }
    }
    m_modified = false;
}

void CTask::Write(CProfileFile& ini)
{
    ini.SetString(m_section, "name", m_name);
    ini.SetString(m_section, "info", ReplaceAll(m_info, "\r\n", kLineBreakMark));
    ini.SetString(m_section, "checked", m_checked ? "1" : "0");
    for (std::size_t n = 0; n < m_children.size(); ++n)
        ini.SetString(m_section, "child" + FormatInt(static_cast<long long>(n)),
                      FormatInt(m_children[n]->m_id));
    for (const auto& child : m_children)
        child->Write(ini);
}

void CTask::MarkSaved(const std::filesystem::path& path)
{
    m_file = path;
    m_modified = false;
    for (const auto& child : m_children)
        child->MarkSaved(path);
}

bool CTask::Save(const std::filesystem::path& path, std::string* error)
{
    // Built from nothing, so the file holds exactly the sections of the tasks in the tree.
    CProfileFile ini;
    Write(ini);
    if (!WriteFileAtomic(path, ini.ToText(), error))
        return false;
    MarkSaved(path);
    return true;
}
