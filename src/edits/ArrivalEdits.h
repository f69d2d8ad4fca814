#pragma once

#include "seating/ArrivalRules.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;
class IDocView;

// The check-in desk's edits on the day of the event: a guest line arrives, a walk-in is added.
namespace Edits
{
// The "Chose Table" step, answered by the front end (the GUI's dialog, the CLI's --table). Gets
// the list (TableChoiceLines) and the number of people arriving; returns the id of the chosen
// table line, 0 for OK without a table line (a separator, an empty line, an empty list), or
// nothing for Cancel.
using TableChooser =
    std::function<std::optional<int>(const std::vector<STableChoiceLine>& lines, int people)>;

enum class EArrival
{
    Accepted,     // the arrival is recorded
    InvalidCount, // the number was 0 or less; the user was told (the dialog stays open)
    Cancelled,    // the table choice or the "No room left" question was cancelled; nothing changed
};

// Records that `people` of the guest line arrived, by the desk's rules:
// 1. people 0 or less: "Please fill the actual amount of guests that came", InvalidCount.
// 2. An unseated guest (or one whose table's question was answered No) chooses a table first.
// 3. The table (the chosen one, else the guest's own) is accepted when the guest is unseated or
//    the table's free seats on the event day (FreeSeatsForArrival) are at least `people`;
// 4. otherwise "No room left in this table" asks Yes (accept), No (choose a table, then step 3
//    again) or Cancel.
// On acceptance the guest sits at the chosen table (a seat change announces HINT_RECORD_CHANGED),
// is marked arrived, and its arrived, coming and invited counts become `people`;
// HINT_GUEST_CHANGED with the guest goes to every view but the sender. The chosen table takes
// effect only then: a Cancel after a choice leaves the guest where it sat. Null guest: Cancelled.
EArrival GuestArrived(CNewOrvDoc& doc, CGuest* guest, int people, const TableChooser& choose,
                      IDocView* sender);

// A guest who is not in the list: a line with these names (trimmed), invited and coming counts 0,
// not seated. Announces HINT_GUEST_ADDED, then HINT_GUEST_CHANGED for the counts, to every view
// but the sender.
CGuest* AddWalkInGuest(CNewOrvDoc& doc, const std::string& firstName, const std::string& familyName,
                       IDocView* sender);
} // namespace Edits
