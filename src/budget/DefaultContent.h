#pragma once

#include "store/DefaultContentSource.h"

// The content every event starts with, in the interface language: budget categories with example
// offers, the list of common expenses, the unseated and an example table, an example meeting, and
// the guest groups of the couple. Each filler works only on an empty collection, so it also
// refills a collection the user emptied.
class CDefaultContent : public IDefaultContentSource
{
public:
    void CompleteEvent(CNewOrvDoc& doc) override;

    // Six patterns, each with the groom's then the bride's name; equal names are told apart by
    // the relation words. Broadcasts HINT_GROUPS_CHANGED.
    int CreateDefaultGroups(CNewOrvDoc& doc, const std::string& brideName,
                            const std::string& groomName) override;
};
