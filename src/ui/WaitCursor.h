#pragma once

// Shows the wait cursor over the whole program for the lifetime of the object. Message boxes
// opened meanwhile show the normal arrow (CQtPrompt), so a question asked by the work stays usable.
class CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();

    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
