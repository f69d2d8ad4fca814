#include "edits/GroupEdits.h"

#include "edits/UndoSteps.h"
#include "model/Group.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "seating/SeatingRules.h"
#include "store/NewOrvDoc.h"

namespace Edits
{
CGroup* AddGroup(CNewOrvDoc& doc, const std::string& name, bool withTable, IDocView* sender)
{
    NameStep(doc, IDS_STEP_ADD_GROUP);
    if (doc.IsGroupNameTaken(name))
    {
        AskString(doc.GetPrompt(), IDS_GROUP_EXISTS_CAPTION, IDS_GROUP_EXISTS_CAPTION,
                  EButtons::Ok);
        return nullptr;
    }
    CGroup* group = doc.AddGroup(name, sender);
    doc.UpdateAllViews(sender, HINT_GROUPS_CHANGED);
    if (withTable)
        doc.CreateTable(name);
    return group;
}

bool RenameGroup(CNewOrvDoc& doc, CGroup* group, const std::string& newName, IDocView* sender)
{
    NameStep(doc, IDS_STEP_RENAME_GROUP);
    if (group == nullptr)
        return false;
    if (doc.IsGroupNameTaken(newName, group))
    {
        doc.GetPrompt().Ask(FormatText(LoadString(IDS_GROUP_NAME_EXISTS_TEXT), {newName}),
                            LoadString(IDS_GROUP_EXISTS_CAPTION), EButtons::Ok);
        return false;
    }
    const std::string oldName = group->GetName();
    if (oldName == newName)
        return false;
    group->SetName(newName);
    doc.RenameGroupInGuests(oldName, newName);
    doc.UpdateAllViews(sender, HINT_GROUPS_CHANGED);
    doc.UpdateAllViews(sender, HINT_GROUP_RENAMED);
    return true;
}

bool DeleteGroup(CNewOrvDoc& doc, CGroup* group, IDocView* sender)
{
    NameStep(doc, IDS_STEP_DELETE_GROUP);
    if (group == nullptr)
        return false;
    if (doc.IsGroupUsed(group))
    {
        AskString(doc.GetPrompt(), IDS_GROUP_NOT_EMPTY_TEXT, IDS_GROUP_NOT_EMPTY_CAPTION,
                  EButtons::Ok);
        return false;
    }
    if (!doc.RemoveGroup(group)) // destroyed here
        return false;
    doc.UpdateAllViews(sender, HINT_GROUPS_CHANGED);
    return true;
}

bool MoveGroup(CNewOrvDoc& doc, int from, int to, IDocView* sender)
{
    NameStep(doc, IDS_STEP_MOVE_GROUP);
    CGroup* a = doc.GetGroupAt(from);
    CGroup* b = doc.GetGroupAt(to);
    if (a == nullptr || b == nullptr || a == b)
        return false;
    doc.SwapGroups(a, b);
    doc.UpdateAllViews(sender, HINT_GROUPS_CHANGED);
    return true;
}

int AddTableForGroup(CNewOrvDoc& doc, const CGroup* group)
{
    NameStep(doc, IDS_STEP_ADD_TABLE);
    return ::AddTableForGroup(doc, group);
}
} // namespace Edits
