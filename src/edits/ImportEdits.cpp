#include "edits/ImportEdits.h"

#include "edits/GroupEdits.h"
#include "edits/UndoSteps.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

namespace Edits
{
namespace
{
// The event's name for the group, creating it when the event has none of that name.
std::string GroupFor(CNewOrvDoc& doc, const std::string& name, IDocView* sender)
{
    if (name.empty())
        return {};
    for (const auto& group : doc.GetGroups())
        if (EqualsIgnoringCase(group->GetName(), name))
            return group->GetName();
    const CGroup* added = AddGroup(doc, name, false, sender);
    return added != nullptr ? added->GetName() : name;
}

std::string FullName(const SImportedGuest& line)
{
    if (line.firstName.empty() || line.familyName.empty())
        return line.firstName + line.familyName;
    return line.firstName + " " + line.familyName;
}
} // namespace

SImportResult AddImportedGuests(CNewOrvDoc& doc, const std::vector<SImportedGuest>& lines,
                                const SImportOptions& options, IDocView* sender)
{
    NameStep(doc, IDS_STEP_IMPORT_GUESTS);
    SImportResult result;
    std::string forced;
    if (!options.keepGroups)
        forced = GroupFor(doc,
                          options.forcedGroup.empty() ? LoadString(IDS_IMPORT_DEFAULT_GROUP)
                                                      : options.forcedGroup,
                          sender);
    std::string refusedText;
    for (const SImportedGuest& line : lines)
    {
        if (line.uniqueId > 0 && doc.FindGuestByUniqueId(line.uniqueId) != nullptr)
        {
            result.refused.push_back(FullName(line));
            refusedText += FullName(line) + "\r\n";
            continue;
        }
        const std::string group = options.keepGroups ? GroupFor(doc, line.group, sender) : forced;
        // The views refresh once after the operation, so they see the guest with every field.
        CGuest* guest = doc.AddGuest(line.firstName, line.familyName, sender);
        if (line.uniqueId > 0)
            guest->SetUniqueId(line.uniqueId);
        guest->SetRelation(line.relation);
        guest->SetGroupName(group);
        guest->SetAddress(line.address);
        guest->SetPhone(line.phone);
        guest->SetMobile(line.mobile);
        guest->SetEmail(line.email);
        guest->SetInvitedCount(line.invited);
        guest->SetComingCount(line.coming);
        guest->SetInfo(line.info);
        guest->SetKids(static_cast<std::int16_t>(std::clamp(line.kids, 0, 32767)));
        guest->SetInvitationSent(line.invitationSent);
        guest->SetStatus(line.status);
        ++result.added;
    }
    if (!result.refused.empty())
        doc.GetPrompt().Ask(LoadString(IDS_IMPORT_DUPLICATES_TEXT) + refusedText,
                            LoadString(IDS_IMPORT_DUPLICATES_CAPTION), EButtons::Ok);
    return result;
}
} // namespace Edits
