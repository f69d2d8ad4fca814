#pragma once

#include <filesystem>
#include <string>

class CNewOrvDoc;
class CTask;
class IDocView;

// The user's edits of the task tree. Tasks are not records: every edit marks the event's data
// changed itself (the next save rewrites Tasks.ini) and announces HINT_TASKS_CHANGED, without an
// object, to every view but the sender.
//
// Tasks.ini keeps a name or an information of at most 255 characters (each line break of the
// information takes four there) and drops a task whose name is empty, with everything below it.
// So names are trimmed and never empty, and both texts are cut to what the file keeps when they
// are stored: what the tree shows is what the next start reads.
namespace Edits
{
// Where a new task goes: the task it is added to and its place among that task's children.
struct STaskPlace
{
    CTask* parent = nullptr;
    int position = 0;
};

// "Add Task" with a task selected: as the last child of the selected task when asChild is set or
// the root is selected; otherwise right after the selected task, under the same parent. Null
// selected counts as the root.
STaskPlace PlaceForNewTask(CTask* root, CTask* selected, bool asChild);

// The name the user entered, as it would be stored (trimmed, cut to the file's length).
std::string TaskNameToStore(const std::string& name);

// The "Task Information" check: an empty name (blanks only, too) tells "Can not create empty
// task" and answers false.
bool CheckTaskName(CNewOrvDoc& doc, const std::string& name);

// Adds a task with that name and information at the place. Refused (null; told as
// CheckTaskName) for an empty name. Announces HINT_TASKS_CHANGED.
CTask* AddTask(CNewOrvDoc& doc, const STaskPlace& place, const std::string& name,
               const std::string& info, IDocView* sender);

// Deletes the task with every task below it (the pointer is then gone). False, changing nothing,
// for the root or null.
bool DeleteTask(CNewOrvDoc& doc, CTask* task, IDocView* sender);

// Store a text of the task. True when it changed; an empty name is refused (false, not told:
// the name field goes on showing the stored name).
bool SetTaskName(CNewOrvDoc& doc, CTask* task, const std::string& name, IDocView* sender);
bool SetTaskInfo(CNewOrvDoc& doc, CTask* task, const std::string& info, IDocView* sender);

// Ticks the task off (done) or not. True when it changed.
bool SetTaskChecked(CNewOrvDoc& doc, CTask* task, bool checked, IDocView* sender);

// "Export tasks to calendar": writes every open task to path as a to-do entry and tells the
// result. True when the file was written.
bool ExportTasksToCalendar(CNewOrvDoc& doc, const std::filesystem::path& path);
} // namespace Edits
