#pragma once

#include "model/RecordCounters.h"
#include "platform/FileFaults.h"
#include "platform/Language.h"
#include "store/DocView.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "support/ScriptedPrompt.h"
#include "support/SpyView.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A document over a temporary data root whose active event is DB, with a scripted prompt and a
// spy view attached. Tests write the event's files first, then call Open().
class CDocFixture : public ::testing::Test
{
protected:
    void SetUp() override { CRecordCounters::ResetAllForTests(); }
    void TearDown() override
    {
        if (m_doc)
            m_doc->RemoveView(&m_spy);
        m_doc.reset();
        SetFileFaultHook({});
        SetUiLanguage(ELanguage::English);
    }

    std::filesystem::path EventFile(const std::string& name) const { return m_root / "DB" / name; }
    void WriteEventFile(const std::string& name, const std::string& bytes)
    {
        WriteBytes(EventFile(name), bytes);
    }

    // Constructs the document and runs the new-document handler (loading the event).
    CNewOrvDoc& Open(ELanguage language = ELanguage::English)
    {
        if (m_doc)
            m_doc->RemoveView(&m_spy);
        m_doc.reset();
        SetUiLanguage(language);
        m_folders =
            std::make_unique<CProgramFolders>(m_root.Path(), m_root / "program", false, true);
        m_doc = std::make_unique<CNewOrvDoc>(*m_folders, m_prompt);
        m_doc->SetDefaultContentSource(m_defaultContent);
        if (m_beforeLoad)
            m_beforeLoad(*m_doc);
        EXPECT_TRUE(m_doc->OnNewDocument());
        m_doc->AddView(&m_spy);
        return *m_doc;
    }

    CTempDir m_root;
    // Runs on the new document before it loads its event (a front end's set-up: the event lock).
    std::function<void(CNewOrvDoc&)> m_beforeLoad;
    // What loaded events are completed with (null: only the unseated table); a fixture of a
    // folder above store/ may install the real default content.
    IDefaultContentSource* m_defaultContent = nullptr;
    CScriptedPrompt m_prompt;
    CSpyView m_spy;
    std::unique_ptr<CProgramFolders> m_folders;
    std::unique_ptr<CNewOrvDoc> m_doc;
};
