#include "edits/TaskEdits.h"

#include "edits/UndoSteps.h"
#include "model/Task.h"
#include "office/CalendarExport.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

namespace
{
constexpr std::size_t kStoredChars = CProfileFile::kMaxValueChars;
// A line break of the information takes "<..>" in the file.
constexpr std::size_t kStoredLineBreakChars = 4;

// The information with its line breaks as "\r\n", trimmed of blanks and cut where the file's
// form of it would pass kStoredChars.
std::string InfoToStore(const std::string& info)
{
    const std::string trimmed = TrimSpaces(info);
    std::string out;
    std::size_t stored = 0;
    for (std::size_t i = 0; i < trimmed.size();)
    {
        const char c = trimmed[i];
        if (c == '\r' || c == '\n')
        {
            if (stored + kStoredLineBreakChars > kStoredChars)
                break;
            out += "\r\n";
            stored += kStoredLineBreakChars;
            i += (c == '\r' && i + 1 < trimmed.size() && trimmed[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        // One whole UTF-8 character.
        std::size_t length = 1;
        while (i + length < trimmed.size() &&
               (static_cast<unsigned char>(trimmed[i + length]) & 0xC0) == 0x80)
            ++length;
        if (stored + 1 > kStoredChars)
            break;
        out.append(trimmed, i, length);
        ++stored;
        i += length;
    }
    // The file's reader trims what a cut left at the end.
    return TrimSpaces(out);
}

void Announce(CNewOrvDoc& doc, IDocView* sender)
{
    doc.SetDataChanged(true);
    doc.UpdateAllViews(sender, HINT_TASKS_CHANGED);
}
} // namespace

namespace Edits
{
STaskPlace PlaceForNewTask(CTask* root, CTask* selected, bool asChild)
{
    if (selected == nullptr)
        selected = root;
    CTask* parent = selected->GetParent();
    if (asChild || parent == nullptr)
        return {selected, selected->GetChildCount()};
    return {parent, parent->IndexOfChild(selected) + 1};
}

std::string TaskNameToStore(const std::string& name)
{
    // A name is one line: the file would turn a line break into a blank anyway.
    std::string line = name;
    for (char& c : line)
        if (c == '\r' || c == '\n')
            c = ' ';
    return TrimSpaces(Utf8Left(TrimSpaces(line), kStoredChars));
}

bool CheckTaskName(CNewOrvDoc& doc, const std::string& name)
{
    if (!TaskNameToStore(name).empty())
        return true;
    doc.GetPrompt().Ask(LoadString(IDS_TASK_EMPTY_NAME), LoadString(IDS_TASK_INFO_TITLE),
                        EButtons::Ok);
    return false;
}

CTask* AddTask(CNewOrvDoc& doc, const STaskPlace& place, const std::string& name,
               const std::string& info, IDocView* sender)
{
    NameStep(doc, IDS_STEP_TASKS);
    if (place.parent == nullptr || !CheckTaskName(doc, name))
        return nullptr;
    auto task = std::make_unique<CTask>();
    task->SetName(TaskNameToStore(name));
    task->SetInfo(InfoToStore(info));
    CTask* added = task.get();
    doc.TasksChanging();
    if (!place.parent->InsertChild(place.position, std::move(task)))
        return nullptr;
    Announce(doc, sender);
    return added;
}

bool DeleteTask(CNewOrvDoc& doc, CTask* task, IDocView* sender)
{
    NameStep(doc, IDS_STEP_TASKS);
    if (task == nullptr || task->GetParent() == nullptr)
        return false;
    doc.TasksChanging();
    task->DeleteSubtree(); // destroyed here
    Announce(doc, sender);
    return true;
}

bool SetTaskName(CNewOrvDoc& doc, CTask* task, const std::string& name, IDocView* sender)
{
    NameStep(doc, IDS_STEP_TASKS);
    const std::string stored = TaskNameToStore(name);
    if (task == nullptr || stored.empty() || stored == task->GetName())
        return false;
    doc.TasksChanging();
    task->SetName(stored);
    Announce(doc, sender);
    return true;
}

bool SetTaskInfo(CNewOrvDoc& doc, CTask* task, const std::string& info, IDocView* sender)
{
    NameStep(doc, IDS_STEP_TASKS);
    const std::string stored = InfoToStore(info);
    if (task == nullptr || stored == task->GetInfo())
        return false;
    doc.TasksChanging();
    task->SetInfo(stored);
    Announce(doc, sender);
    return true;
}

bool SetTaskChecked(CNewOrvDoc& doc, CTask* task, bool checked, IDocView* sender)
{
    NameStep(doc, IDS_STEP_TASKS);
    if (task == nullptr || task->IsChecked() == checked)
        return false;
    doc.TasksChanging();
    task->SetChecked(checked);
    Announce(doc, sender);
    return true;
}

bool ExportTasksToCalendar(CNewOrvDoc& doc, const std::filesystem::path& path)
{
    SCalendarCounts counts;
    std::string error;
    const bool written = WriteTasksCalendar(doc, path, counts, &error);
    doc.GetPrompt().Ask(written ? FormatText(LoadString(IDS_CALENDAR_WRITTEN),
                                             {FormatInt(counts.written), path.string()})
                                : error,
                        LoadString(IDS_CALENDAR_EXPORT_CAPTION), EButtons::Ok);
    return written;
}
} // namespace Edits
