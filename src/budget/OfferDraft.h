#pragma once

#include <string>

class COffer;

// The values of the offer dialog before they go into an offer: a fixed price, or a price per
// guest for the invited count or for a number of guests of its own.
class COfferDraft
{
public:
    // The largest price (fixed or per guest) and number of guests the dialog takes.
    static constexpr int kMaxAmount = 100000000;
    static constexpr int kMaxGuests = 100000;

    COfferDraft() = default;
    static COfferDraft FromOffer(const COffer& offer);

    // "Total:": the fixed amount; per guest, the price times the invited count, or times the
    // number of guests of its own when "For other number of guests" is chosen.
    long long Total(int invited) const;

    // "For other number of guests": chosen with a number below 1, the number becomes the invited
    // count.
    void ChooseOtherGuests(int invited);

    // Why the draft cannot become an offer: the string id of the message (an empty name after
    // trimming; a total of 0), or 0 when it can.
    int Problem(int invited) const;

    // Gives the offer the trimmed name, the category, the comments, the per-guest flag, the number
    // of guests (0 unless "For other number of guests" is chosen) and as its price the fixed
    // amount or the price per guest.
    void ApplyTo(COffer& offer) const;

    std::string name;
    std::string category;
    std::string comments;
    bool perGuest = false;
    int fixedAmount = 0;
    int pricePerGuest = 0;
    bool otherGuests = false;
    int guests = 0; // the number of guests of its own
};
