#pragma once

#include "model/Record.h"

#include <string>

// A heading of the budget under which suppliers' offers are collected; offers name it by its
// exact name.
class CCategory : public CRecord
{
public:
    static constexpr const char* kSectionPrefix = "Categories";

    // Takes the next category index. The owner is not owned and may be null.
    explicit CCategory(IRecordOwner* owner);

    int GetFileKind() const override;
    // Reads "CategoryName"; false when it is empty.
    bool LoadFromIni(CProfileFile& ini, const std::string& section) override;
    std::unique_ptr<CRecord> CloneState() const override;

protected:
    // For CloneState only.
    CCategory(const CCategory&) = default;
};
