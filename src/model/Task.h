#pragma once

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CProfileFile;

// One item of the event's to-do tree. A task owns its sub-tasks; the document owns the root.
// Tasks are stored only in Tasks.ini, one section "Task<id>" per task with "name", "info" (line
// breaks as "<..>"), "checked" and "child0", "child1", ... naming the sub-tasks' ids.
// Showing tasks in a tree control is the interface's business: it keeps its own item map.
class CTask
{
public:
    // Deepest level read from a file (the root is level 0); deeper sub-tasks of a damaged file
    // are not read.
    static constexpr int kMaxLoadDepth = 64;
    // The root of a tree's file is always section "Task1".
    static constexpr int kRootId = 1;

    // Takes the next task id; section "Task<id>"; not modified.
    CTask();
    ~CTask();

    CTask(const CTask&) = delete;
    CTask& operator=(const CTask&) = delete;

    // Store and mark modified (no comparison).
    void SetName(const std::string& name);
    void SetInfo(const std::string& info);
    void SetChecked(bool checked);
    const std::string& GetName() const { return m_name; }
    // May hold "\r\n".
    const std::string& GetInfo() const { return m_info; }
    bool IsChecked() const { return m_checked; }

    // Stores the id, makes the section name with it, marks modified and raises the task id
    // counter above id.
    void SetId(int id);
    int GetId() const { return m_id; }
    const std::string& GetSection() const { return m_section; }
    // The Tasks.ini last read from or written to.
    const std::filesystem::path& GetFile() const { return m_file; }

    CTask* GetParent() const { return m_parent; }
    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    // Null when i is out of range.
    CTask* GetChild(int i) const;

    // Refuses (false, and the task is destroyed) a task whose name is empty or whose id a child
    // already has; otherwise the task becomes the last child and this task is marked modified.
    bool AddChild(std::unique_ptr<CTask> task);
    // As AddChild, but the task takes that place among the children (a place past the end, or
    // below 0, appends it).
    bool InsertChild(int position, std::unique_ptr<CTask> task);
    // The place of task among the children; -1 when it is not a child.
    int IndexOfChild(const CTask* task) const;
    // This task or the first task below it with that id; null when there is none.
    CTask* FindById(int id);
    // Takes the first child that is task out of the list, marks this task modified and hands the
    // child to the caller; null when task is not a child.
    std::unique_ptr<CTask> RemoveChild(CTask* task);
    // Destroys every task below this one; then a task with a parent takes itself out of the
    // parent, which destroys it: the caller must not use the task afterwards. The root stays,
    // with no children, marked modified.
    void DeleteSubtree();

    bool IsModified() const { return m_modified; }
    // True when this task or any task below it is modified; a task that finds a modified
    // descendant marks itself modified.
    bool IsModifiedDeep();

    // Reads this task's section of the file and then its sub-tasks. A missing file or section
    // reads as empty texts, not checked, and no new children. Against damaged files: a child id
    // equal to the task's own id ends its child list, a child id already in the tree is skipped (no
    // cycles, no task twice) and levels below kMaxLoadDepth are not read.
    void LoadTree(const std::filesystem::path& path);
    // Writes this task and every task below it, depth first, as the whole content of the file
    // (one atomic replacement: sections of tasks no longer in the tree are gone). Clears the
    // modified flags when the file was written; false and *error set otherwise.
    bool Save(const std::filesystem::path& path, std::string* error = nullptr);

private:
    void Load(const CProfileFile& ini);
    void LoadChildren(const CProfileFile& ini, int depth, std::set<int>& idsInTree);
    void Write(CProfileFile& ini);
    void MarkSaved(const std::filesystem::path& path);
    void CollectIds(std::set<int>& ids) const;

    std::string m_name;
    std::filesystem::path m_file;
    std::string m_section;
    std::string m_info;
    bool m_checked = false;
    bool m_modified = false;
    int m_id;
    CTask* m_parent = nullptr;
    std::vector<std::unique_ptr<CTask>> m_children;
};
