#pragma once

#include "model/RecordCounters.h"
#include "platform/Language.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

// Fixture for record tests: fresh counters, English unless a test says otherwise, and a private
// temporary folder removed afterwards.
class CModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CRecordCounters::ResetAllForTests();
        SetUiLanguage(ELanguage::English);
    }
    void TearDown() override { SetUiLanguage(ELanguage::English); }

    // Writes bytes as they are (no encoding) and returns the path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes)
    {
        WriteBytes(m_dir / name, bytes);
        return m_dir / name;
    }

    CTempDir m_dir;
    const std::filesystem::path& m_folder = m_dir.Path();
};
