#pragma once

#include "online/Approvals.h"

#include <vector>

class CGuest;
class CNewOrvDoc;
class IDocView;

namespace Edits
{
// "Update guests list" of the approvals dialog: every guest whose unique id is an entry's code
// and who does not already have that number coming with an answer takes the entry: a number
// above 0 becomes its coming count with the status approved, 0 makes the coming count 0 with the
// status not coming. Entries whose code or number is no number are skipped. Each changed guest
// is announced with HINT_GUEST_CHANGED; then "Data was updated successfully" is told. Returns the
// changed guests in list order.
std::vector<CGuest*> UpdateGuestsFromApprovals(CNewOrvDoc& doc, const ApprovalMap& approvals,
                                               IDocView* sender);
} // namespace Edits
