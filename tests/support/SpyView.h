#pragma once

#include "store/DocView.h"

#include <functional>
#include <utility>
#include <vector>

// A view that records every hint it receives, to assert exactly what an operation broadcast.
class CSpyView : public IDocView
{
public:
    struct SHint
    {
        EUpdateHint hint;
        CRecord* record;
    };

    void OnUpdate(IDocView*, EUpdateHint hint, CRecord* record) override
    {
        hints.push_back({hint, record});
    }
    void CommitPendingEdit() override
    {
        if (pendingEdit)
            std::exchange(pendingEdit, {})();
    }

    std::vector<EUpdateHint> HintNumbers() const
    {
        std::vector<EUpdateHint> numbers;
        for (const auto& entry : hints)
            numbers.push_back(entry.hint);
        return numbers;
    }
    int Count(EUpdateHint hint) const
    {
        int count = 0;
        for (const auto& entry : hints)
            count += entry.hint == hint;
        return count;
    }

    std::vector<SHint> hints;
    std::function<void()> pendingEdit; // run once by CommitPendingEdit
};
