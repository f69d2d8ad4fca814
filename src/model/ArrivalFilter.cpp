#include "model/ArrivalFilter.h"

#include "model/Guest.h"

bool CArrivalFilter::Matches(const CGuest& guest) const
{
    if (notArrivedOnly && guest.IsArrived())
        return false;
    return guest.GetName().find(firstName) != std::string::npos &&
           guest.GetFamilyName().find(familyName) != std::string::npos;
}
