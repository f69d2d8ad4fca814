#pragma once

#include <vector>

// The columns of the guest lists in their English left-to-right order (Hebrew writes them in
// reverse), with their bits in the column mask and their header texts.
struct SGuestColumn
{
    unsigned bit;
    int headerId;
    bool headerRight; // the English header is right-aligned
};
const std::vector<SGuestColumn>& GuestColumns();
