#pragma once

#include <string>

class CGroup;
class CNewOrvDoc;
class IDocView;

// The user's edits of the group list. Each applies the rules, tells the user through the
// document's prompt when it refuses, and announces the change to every view but the sender.
namespace Edits
{
// Appends a group. Refused ("Group already exists", null returned) when a group has that name
// regardless of case. With withTable a table named after the group is created as well
// (HINT_TABLE_CREATED). Announces HINT_GROUP_ADDED and HINT_GROUPS_CHANGED.
CGroup* AddGroup(CNewOrvDoc& doc, const std::string& name, bool withTable, IDocView* sender);

// Renames the group and every guest's group name with it. Refused (told, false) when another
// group has that name regardless of case; the same name is no change (false, nothing told).
// Announces HINT_GROUPS_CHANGED and HINT_GROUP_RENAMED.
bool RenameGroup(CNewOrvDoc& doc, CGroup* group, const std::string& newName, IDocView* sender);

// Deletes the group (the pointer is then gone). Refused (told, false) while a guest belongs to it.
// Announces HINT_GROUPS_CHANGED.
bool DeleteGroup(CNewOrvDoc& doc, CGroup* group, IDocView* sender);

// Exchanges the groups at positions from and to (a move up or down the list). False for a
// position out of range or equal positions. Announces HINT_GROUPS_CHANGED.
bool MoveGroup(CNewOrvDoc& doc, int from, int to, IDocView* sender);

// A table named after the group with the group's unseated guests (see AddTableForGroup of the
// seating rules): the people seated, -1 when no table was made or nobody was unseated.
int AddTableForGroup(CNewOrvDoc& doc, const CGroup* group);
} // namespace Edits
