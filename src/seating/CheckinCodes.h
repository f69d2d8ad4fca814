#pragma once

#include <string>
#include <string_view>
#include <vector>

class CGuest;
class CNewOrvDoc;

// Check-in codes: each guest line's unique id written in decimal digits only, printed as a QR code
// with the name and the table and sent with the invitation. At the desk a scanner types the code
// and Enter into the name filter; digits are the same keys under every keyboard layout (Hebrew
// included), so the code arrives as it was printed.

// What one code on the page shows. Texts are UTF-8 in the interface language.
struct SCheckinCode
{
    std::string code;  // the digits the QR code holds
    std::string name;  // the guest line's display name
    std::string table; // "Table 7: Family" (place in the hall and name), or that it has none
};

// The table line of a guest: "Table 7: Family" (place in the hall and name), "Table: Family" for a
// table not placed in the hall, or that it has none.
std::string TableTextOf(const CNewOrvDoc& doc, const CGuest& guest);

// One code per guest line, in list order.
std::vector<SCheckinCode> CollectCheckinCodes(CNewOrvDoc& doc);

// True for a text of 1 to 9 decimal digits and nothing else (a scanned code; 9 digits always fit
// an int).
bool IsCheckinCode(std::string_view text);

// The guest line whose unique id the code names; null when the text is no code or no guest has it.
CGuest* FindGuestByCheckinCode(const CNewOrvDoc& doc, std::string_view text);
