#pragma once

#include "model/GuestFilter.h"

#include <string>

// What the printouts screen (or the command line) chooses for a report besides its kind.
struct SReportOptions
{
    // Column bits of the guest lists (see GuestColumns.h). kAllColumns: the interface's every
    // column (the shekel bit is a Hebrew column only).
    static constexpr unsigned kAllColumns = 0x7FFFF;
    static constexpr unsigned kShekelColumn = 0x100;
    // The printouts screen's starting value of "Number of lines per page:".
    static constexpr int kDefaultLinesPerPage = 25;
    static constexpr int kDefaultCardsPerLine = 3;

    unsigned columns = kAllColumns;
    int linesPerPage = kDefaultLinesPerPage; // below 1 counts as 1
    bool abcInGroup = false;                 // "Order by ABC inside group"
    CGuestFilter filter;                     // the guests view's filter; empty: every guest
    int combination = 0;                     // the budget report's combination, 0 to 2
    int cardsPerLine = kDefaultCardsPerLine; // "Number of entries per line:", below 1 counts as 1
    bool pagePerCard = false;                // "Create page for each sticker"
    bool familyNameFirst = false;            // the card designers' name order
    std::string approvalPageUrl;             // General.ini "ApprovalPageUrl"

    // The column mask the interface offers: every column, less the shekel column in English.
    static unsigned DefaultColumns(bool hebrew)
    {
        return hebrew ? kAllColumns : kAllColumns & ~kShekelColumn;
    }
};
