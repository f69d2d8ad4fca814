#pragma once

#include <string>
#include <vector>

class CGuest;

// The filter of the guest list (the guests view shows what it lets through; the reports use the
// same filter). A guest passes when all five rules hold:
// 1. the group filter is empty or "*", or equals the guest's group name exactly;
// 2. the relation filter is empty or "*", or equals the guest's relation text exactly;
// 3. the first-name filter is empty, or the first name begins with it (case-sensitive);
// 4. the family-name filter is empty, or the family name begins with it in the same way;
// 5. the status choice is all, or approved and the guest is approved, or not coming and the guest
//    does not come, or neither and the guest is neither.
class CGuestFilter
{
public:
    enum EStatusChoice : int
    {
        kAllStatuses = 0,
        kApprovedOnly = 1,
        kNotComingOnly = 2,
        kNoAnswerOnly = 3,
    };

    static constexpr const char* kAny = "*";

    std::string group;
    std::string relation;
    std::string firstNamePrefix;
    std::string familyNamePrefix;
    int status = kAllStatuses;

    bool Matches(const CGuest& guest) const;
    bool IsEmpty() const;
    // Back to showing every guest.
    void Clear();

    // The guests that pass, in the given order.
    template <class Guests>
    std::vector<CGuest*> Apply(const Guests& guests) const
    {
        std::vector<CGuest*> shown;
        shown.reserve(guests.size());
        for (const auto& guest : guests)
            if (Matches(*guest))
                shown.push_back(&*guest);
        return shown;
    }
};
