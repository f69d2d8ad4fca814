#pragma once

#include <string>
#include <vector>

class CGuest;

// The filter of the check-in desk's guests list. A guest passes when the first-name text is empty
// or occurs anywhere in the first name, the family-name text is empty or occurs anywhere in the
// family name (both case-sensitive, byte for byte in UTF-8), and, with notArrivedOnly, the guest
// has not arrived. Unlike the guests view's filter, the texts match inside a name, not only at its
// start: at the desk a guest says "Levi" and the list holds "Ben Levi".
class CArrivalFilter
{
public:
    std::string firstName;
    std::string familyName;
    bool notArrivedOnly = true;

    bool Matches(const CGuest& guest) const;

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
