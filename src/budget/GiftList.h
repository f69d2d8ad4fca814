#pragma once

#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;

// The gifts screen's rules over the guest list: a guest's gift, its total by the interface's money
// rule, the totals of the event and the search by name. The gift is part of the guest record;
// this adds no record of its own.
class CGiftList
{
public:
    // The largest amount the screen takes in either currency.
    static constexpr int kMaxAmount = 100000000;

    // The four values of a guest's gift.
    struct SGift
    {
        std::string description;
        std::string comments;
        int dollars = 0;
        int shekels = 0;

        // Empty texts and both amounts 0.
        bool IsEmpty() const;
        bool operator==(const SGift& other) const;
        bool operator!=(const SGift& other) const { return !(*this == other); }
    };

    // The sums of the screen: shekels and dollars as whole numbers, and what was received in
    // shekels (rate x dollars + shekels, per guest), whatever the interface.
    struct STotals
    {
        long long shekels = 0;
        long long dollars = 0;
        double received = 0.0;
    };

    static SGift GiftOf(const CGuest& guest);
    // "Total for guest": the dollars in English; rate x dollars + shekels in Hebrew.
    static double TotalForGuest(const CGuest& guest);
    static STotals Totals(const CNewOrvDoc& doc);

    // Whether a row's name matches the search text: the name contains the text or the text
    // contains the name, regardless of letter case. An empty text or name matches nothing.
    static bool NameMatches(const std::string& name, const std::string& text);
    // The next row after current whose name matches, going down (up when backwards) and around
    // the ends, current itself last; -1 when none does. current -1: from the first row (the last
    // when backwards).
    static int FindRow(const std::vector<std::string>& names, int current, const std::string& text,
                       bool backwards);
};
