#include "model/GuestFilter.h"

#include "model/Guest.h"

namespace
{
bool AnyOrEqual(const std::string& filter, const std::string& value)
{
    return filter.empty() || filter == CGuestFilter::kAny || filter == value;
}

bool StartsWith(const std::string& value, const std::string& prefix)
{
    return value.compare(0, prefix.size(), prefix) == 0;
}
} // namespace

bool CGuestFilter::Matches(const CGuest& guest) const
{
    if (!AnyOrEqual(group, guest.GetGroupName()) || !AnyOrEqual(relation, guest.GetRelation()))
        return false;
    if (!StartsWith(guest.GetName(), firstNamePrefix) ||
        !StartsWith(guest.GetFamilyName(), familyNamePrefix))
        return false;
    switch (status)
    {
    case kApprovedOnly:
        return guest.IsApproved();
    case kNotComingOnly:
        return guest.IsNotComing();
    case kNoAnswerOnly:
        return !guest.IsApproved() && !guest.IsNotComing();
    default:
        return true;
    }
}

bool CGuestFilter::IsEmpty() const
{
    return (group.empty() || group == kAny) && (relation.empty() || relation == kAny) &&
           firstNamePrefix.empty() && familyNamePrefix.empty() && status == kAllStatuses;
}

void CGuestFilter::Clear()
{
    group = kAny;
    relation = kAny;
    firstNamePrefix.clear();
    familyNamePrefix.clear();
    status = kAllStatuses;
}
