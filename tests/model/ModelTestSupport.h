#pragma once

#include "model/RecordCounters.h"
#include "platform/Language.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

// Fixture for record tests: fresh counters, English unless a test says otherwise, and a private
// temporary folder removed afterwards.
class CModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CRecordCounters::ResetAllForTests();
        m_savedLanguage = GetUiLanguage();
        SetUiLanguage(ELanguage::English);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velloran-model-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }

    void TearDown() override
    {
        SetUiLanguage(m_savedLanguage);
        std::error_code error;
        std::filesystem::remove_all(m_folder, error);
    }

    // Writes bytes as they are (no encoding) and returns the path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = m_folder / name;
        std::ofstream file(path, std::ios::binary);
        file << bytes;
        return path;
    }

    std::string ReadFile(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    std::filesystem::path m_folder;
    ELanguage m_savedLanguage = ELanguage::English;
};
