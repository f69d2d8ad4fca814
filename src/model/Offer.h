#pragma once

#include "model/Expence.h"

#include <string>

// A supplier's price for a budget category, taking part in up to three budget combinations. It
// uses the expense's name, info, shekels (the price) and category (the budget category's exact
// name). A new offer has no payment and an empty payer.
class COffer : public CExpence
{
public:
    static constexpr const char* kSectionPrefix = "Offer";
    static constexpr int kCombinationCount = 3;

    // Takes the next offer index (not an expense index). The owner is not owned and may be null.
    explicit COffer(IRecordOwner* owner);

    int GetFileKind() const override;
    // Reads an Offers.ini section (an expense section with the offer's keys). An old "IsInOffer"
    // key is migrated inside ini: deleted, and "IsInPlan0" written instead; the caller saves ini.
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;

    // i from 0 to 2 (combinations 1 to 3); other values are ignored (false).
    bool SetInCombination(int i, bool inCombination);
    bool IsInCombination(int i) const;

    bool IsPerGuest() const { return m_perGuest; }
    bool SetPerGuest(bool perGuest) { return Assign(m_perGuest, perGuest); }
    // Below 1: the price is for the event's number of guests.
    int GetGuestsForOffer() const { return m_guestsForOffer; }
    bool SetGuestsForOffer(int guests) { return Assign(m_guestsForOffer, guests); }

    // In shekels: the price, or per guest the price times the guests for offer (times
    // eventGuests when that is below 1).
    long long GetPrice(int eventGuests) const;

protected:
    // For CloneState only.
    COffer(const COffer&) = default;

private:
    bool m_inCombination[kCombinationCount] = {false, false, false};
    bool m_perGuest = false;
    int m_guestsForOffer = 0;
};
