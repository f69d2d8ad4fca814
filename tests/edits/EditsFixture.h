#pragma once

#include "platform/Prompt.h"
#include "support/DocFixture.h"
#include "support/SpyView.h"

// A document with a second spy that sends the edits: an edit announces its change to every view
// but its sender, so m_spy must hear it and m_sender never.
class CEditsFixture : public CDocFixture
{
protected:
    CNewOrvDoc& OpenEvent()
    {
        CNewOrvDoc& doc = Open();
        doc.AddView(&m_sender);
        return doc;
    }
    void TearDown() override
    {
        if (m_doc)
            m_doc->RemoveView(&m_sender);
        CDocFixture::TearDown();
    }
    void Clear()
    {
        m_spy.hints.clear();
        m_sender.hints.clear();
        m_prompt.Clear();
    }
    // The captions of the questions and notices shown since the last Clear.
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const auto& asked : m_prompt.Asked())
            captions.push_back(asked.caption);
        return captions;
    }

    CSpyView m_sender;
};
