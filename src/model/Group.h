#pragma once

#include "model/Record.h"

#include <string>

// A named set of guests; guests belong to it by carrying its exact name. Renaming a group renames
// only the group: the document moves its guests.
class CGroup : public CRecord
{
public:
    static constexpr const char* kSectionPrefix = "Group";

    // Takes the next group index. The owner is not owned and may be null.
    explicit CGroup(IRecordOwner* owner);

    int GetFileKind() const override;
    // Reads "GroupName"; false when it is empty. The group stays marked modified.
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;

    // True when some guest of the owner carries the group's name; false when detached.
    bool IsUsed() const;
    // Sets other's name to this group's name (through the setter).
    void CopyNameTo(CGroup& other) const;

protected:
    // For CloneState only.
    CGroup(const CGroup&) = default;
};
