#include "edits/ApprovalEdits.h"

#include "edits/UndoSteps.h"
#include "model/Guest.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

namespace Edits
{
std::vector<CGuest*> UpdateGuestsFromApprovals(CNewOrvDoc& doc, const ApprovalMap& approvals,
                                               IDocView* sender)
{
    NameStep(doc, IDS_STEP_UPDATE_FROM_APPROVALS);
    std::vector<CGuest*> changed;
    for (const SApprovalEntry& entry : MatchApprovals(doc, approvals))
    {
        if (!entry.guestCode || !entry.coming)
            continue;
        const int coming = *entry.coming;
        for (CGuest* guest : entry.guests)
        {
            if (!ApprovalChangesGuest(*guest, *entry.guestCode, coming))
                continue;
            bool guestChanged = guest->SetComingCount(coming);
            guestChanged |=
                guest->SetStatus(coming > 0 ? CGuest::kStatusApproved : CGuest::kStatusNotComing);
            if (guestChanged && std::find(changed.begin(), changed.end(), guest) == changed.end())
                changed.push_back(guest);
        }
    }
    // In list order, whatever the order of the codes in the file.
    std::sort(changed.begin(), changed.end(),
              [&doc](const CGuest* a, const CGuest* b)
              { return doc.IndexOfGuest(a) < doc.IndexOfGuest(b); });
    for (CGuest* guest : changed)
        doc.UpdateAllViews(sender, HINT_GUEST_CHANGED, guest);
    AskString(doc.GetPrompt(), IDS_APPROVALS_UPDATED_TEXT, IDS_APPROVALS_UPDATED_CAPTION,
              EButtons::Ok);
    return changed;
}
} // namespace Edits
