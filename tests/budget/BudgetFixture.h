#pragma once

#include "budget/DefaultContent.h"
#include "support/DocFixture.h"

// A document whose events are completed with the default content of a new event.
class CBudgetFixture : public CDocFixture
{
protected:
    CBudgetFixture() { m_defaultContent = &m_defaults; }

private:
    CDefaultContent m_defaults;
};
