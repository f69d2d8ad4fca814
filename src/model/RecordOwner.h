#pragma once

#include "model/UpdateHint.h"

#include <string>
#include <vector>

class CRecord;
class CGuest;
class CGroup;
class CEventSettings;

// What records need of the document that owns them. The document (store/NewOrvDoc) implements it;
// records hold a pointer to it, or none when detached (imports, temporary copies).
class IRecordOwner
{
public:
    // Counting modes of the tables' people counts.
    enum ECountMode : int
    {
        kCountPlanned = 0,
        kCountComing = 1,
        kCountArrived = 2,
    };

    virtual ~IRecordOwner() = default;

    // Sets the document's unsaved-changes flag (every changing setter of an owned record calls it).
    virtual void SetDataChanged(bool changed) = 0;

    // Called by an owned record before it changes (the undo history keeps its state before the
    // change). Owners without a history ignore it.
    virtual void RecordChanging(CRecord& /*record*/) {}

    // Broadcasts a hint to every view.
    virtual void Broadcast(EUpdateHint hint, CRecord* record) = 0;

    virtual CGuest* FindGuestByFullName(const std::string& fullName) = 0;
    virtual void AddMutualRestriction(CGuest* guest, const std::string& fullName) = 0;
    virtual bool IsGroupUsed(const CGroup* group) = 0;

    // Table counts by table id (see ECountMode).
    virtual int CountAtTable(int tableId, int mode) = 0;
    virtual bool TableHasGuests(int tableId, bool peopleOnly) = 0;
    virtual void GetGuestsAtTable(int tableId, std::vector<CGuest*>& guests, bool sortedByName) = 0;

    virtual const CEventSettings* GetEventSettings() const = 0;
};
