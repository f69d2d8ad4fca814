#pragma once

#include "model/Guest.h"
#include "model/RecordOwner.h"

#include <string>
#include <utility>
#include <vector>

// A document stand-in for record tests: counts the data-changed calls, records the broadcasts
// and answers the guest lookups from a plain list (not owned).
class CFakeOwner : public IRecordOwner
{
public:
    void SetDataChanged(bool changed) override
    {
        ++dataChangedCalls;
        dataChanged = changed;
    }

    void Broadcast(EUpdateHint hint, CRecord* record) override
    {
        broadcasts.emplace_back(hint, record);
    }

    CGuest* FindGuestByFullName(const std::string& fullName) override
    {
        for (CGuest* guest : guests)
        {
            if (guest->GetFullName() == fullName)
                return guest;
        }
        return nullptr;
    }

    void AddMutualRestriction(CGuest* guest, const std::string& fullName) override
    {
        CGuest* other = FindGuestByFullName(fullName);
        if (other != nullptr)
            other->AddRestricted(guest->GetFullName(), false);
    }

    bool IsGroupUsed(const CGroup*) override { return false; }
    int CountAtTable(int, int mode) override { return mode == kCountComing ? coming : arrived; }
    bool TableHasGuests(int, bool) override { return coming > 0; }
    void GetGuestsAtTable(int, std::vector<CGuest*>&, bool) override {}
    const CEventSettings* GetEventSettings() const override { return nullptr; }

    void ResetCalls()
    {
        dataChangedCalls = 0;
        dataChanged = false;
        broadcasts.clear();
    }

    int dataChangedCalls = 0;
    bool dataChanged = false;
    std::vector<std::pair<EUpdateHint, CRecord*>> broadcasts;
    std::vector<CGuest*> guests;
    int coming = 0;
    int arrived = 0;
};
