#include "budget/GiftList.h"

#include "model/Guest.h"
#include "store/NewOrvDoc.h"

#include <cmath>

namespace
{
// ASCII letters folded; other bytes (Hebrew included) compare as they are.
std::string Folded(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

int WholeAmount(float amount)
{
    return static_cast<int>(std::lround(amount));
}
} // namespace

bool CGiftList::SGift::IsEmpty() const
{
    return description.empty() && comments.empty() && dollars == 0 && shekels == 0;
}

bool CGiftList::SGift::operator==(const SGift& other) const
{
    return description == other.description && comments == other.comments &&
           dollars == other.dollars && shekels == other.shekels;
}

CGiftList::SGift CGiftList::GiftOf(const CGuest& guest)
{
    SGift gift;
    gift.description = guest.GetGift();
    gift.comments = guest.GetGiftDetails();
    gift.dollars = WholeAmount(guest.GetGiftDollars());
    gift.shekels = WholeAmount(guest.GetGiftShekels());
    return gift;
}

double CGiftList::TotalForGuest(const CGuest& guest)
{
    return guest.GetGiftTotal();
}

CGiftList::STotals CGiftList::Totals(const CNewOrvDoc& doc)
{
    const CNewOrvDoc::SGiftTotals sums = doc.GetGiftTotals();
    STotals totals;
    totals.shekels = sums.shekels;
    totals.dollars = sums.dollars;
    totals.received = sums.totalShekels;
    return totals;
}

bool CGiftList::NameMatches(const std::string& name, const std::string& text)
{
    if (name.empty() || text.empty())
        return false;
    const std::string foldedName = Folded(name);
    const std::string foldedText = Folded(text);
    return foldedName.find(foldedText) != std::string::npos ||
           foldedText.find(foldedName) != std::string::npos;
}

int CGiftList::FindRow(const std::vector<std::string>& names, int current, const std::string& text,
                       bool backwards)
{
    const int count = static_cast<int>(names.size());
    if (count == 0)
        return -1;
    if (current < 0 || current >= count)
        current = backwards ? 0 : count - 1;    // so the first step lands on the first (last) row
    const int step = backwards ? count - 1 : 1; // one row up, around the top
    int row = current;
    for (int i = 0; i < count; ++i)
    {
        row = (row + step) % count;
        if (NameMatches(names[static_cast<std::size_t>(row)], text))
            return row;
    }
    return -1;
}
