#pragma once

#include <array>
#include <string>
#include <vector>

class CGuest;

// The statistics table of the guest list over the guests a filter lets through: rows "Bride",
// "Groom", "Mutual" (the relation compared as text with the interface-language words) and
// "Total" (every line); columns actual, planned, won't come, invitations sent, approved.
class CGuestStatistics
{
public:
    enum ERow : int
    {
        kBride,
        kGroom,
        kMutual,
        kTotal,
        kRowCount,
    };

    struct SRow
    {
        int actual = 0;        // sum of coming counts
        int planned = 0;       // sum of invited counts
        int wontCome = 0;      // sum of invited counts of the lines that do not come
        int invitations = 0;   // invitations of the lines whose invitation was sent
        int invitedPeople = 0; // coming counts of those lines
        int approved = 0;      // coming counts of the approved lines
    };

    static CGuestStatistics Compute(const std::vector<CGuest*>& guests);

    const SRow& Row(ERow row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // The "Invitation Sent" cell: "%d%s[%d Guests]" from the string table.
    static std::string InvitationsCell(const SRow& row);

private:
    std::array<SRow, kRowCount> m_rows{};
};
