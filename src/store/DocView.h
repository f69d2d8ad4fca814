#pragma once

#include "model/UpdateHint.h"

class CRecord;

// A view of the document. The document keeps a list of attached views; its broadcast calls
// OnUpdate of each of them but the sender.
class IDocView
{
public:
    virtual ~IDocView() = default;

    virtual void OnUpdate(IDocView* sender, EUpdateHint hint, CRecord* record) = 0;

    // Turns an in-place edit the view holds into a change of the data (called before every save
    // and before closing).
    virtual void CommitPendingEdit() {}
};
