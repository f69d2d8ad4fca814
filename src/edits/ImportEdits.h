#pragma once

#include "office/ImportedGuest.h"

#include <string>
#include <vector>

class CNewOrvDoc;
class IDocView;

// Adding the guests an import offers ("Add" of the import dialog, velloran-cli import-guests).
namespace Edits
{
struct SImportOptions
{
    // true: each guest keeps its own group, created when the event has none of that name;
    // false: every guest goes into forcedGroup (created when missing).
    bool keepGroups = true;
    std::string forcedGroup; // empty: "Imported Guests" in the interface language
};

struct SImportResult
{
    int added = 0;
    std::vector<std::string> refused; // full names of the lines already in the list
};

// Adds the lines, unseated, in their order. A line whose unique id a guest of the event already
// has is not added: its name goes into the message "Some of the selected guests were already in
// the list", told once after the loop (caption "Guests already in list"). An added line keeps its
// unique id when it has one. A group is matched regardless of case (the event's spelling is
// kept); a missing one is created (HINT_GROUP_ADDED, HINT_GROUPS_CHANGED). Each guest announces
// HINT_GUEST_ADDED.
SImportResult AddImportedGuests(CNewOrvDoc& doc, const std::vector<SImportedGuest>& lines,
                                const SImportOptions& options, IDocView* sender);
} // namespace Edits
