#include "model/GuestStatistics.h"

#include "model/Guest.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"

namespace
{
void Add(CGuestStatistics::SRow& row, const CGuest& guest)
{
    row.actual += guest.GetComingCount();
    row.planned += guest.GetInvitedCount();
    if (guest.IsNotComing())
        row.wontCome += guest.GetInvitedCount();
    if (guest.GetInvitationSent())
    {
        row.invitations += guest.GetInvitations();
        row.invitedPeople += guest.GetComingCount();
    }
    if (guest.IsApproved())
        row.approved += guest.GetComingCount();
}
} // namespace

CGuestStatistics CGuestStatistics::Compute(const std::vector<CGuest*>& guests)
{
    CGuestStatistics statistics;
    const std::string bride = LoadString(IDS_RELATION_BRIDE);
    const std::string groom = LoadString(IDS_RELATION_GROOM);
    const std::string mutual = LoadString(IDS_RELATION_MUTUAL);
    for (const CGuest* guest : guests)
    {
        const std::string& relation = guest->GetRelation();
        if (relation == bride)
            Add(statistics.m_rows[kBride], *guest);
        else if (relation == groom)
            Add(statistics.m_rows[kGroom], *guest);
        else if (relation == mutual)
            Add(statistics.m_rows[kMutual], *guest);
        Add(statistics.m_rows[kTotal], *guest);
    }
    return statistics;
}

std::string CGuestStatistics::InvitationsCell(const SRow& row)
{
    return FormatText(LoadString(IDS_STAT_INVITATIONS_SENT),
                      {FormatInt(row.invitations), " ", FormatInt(row.invitedPeople)});
}
