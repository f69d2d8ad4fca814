#pragma once

#include "cli/CliApp.h"
#include "platform/Language.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

// What one run of velloran-cli gave.
struct SCliRun
{
    int status;
    std::string out;
    std::string err;
};

// Runs velloran-cli in-process over a temporary data root (and program folder beside it).
class CCliTest : public ::testing::Test
{
protected:
    void TearDown() override { SetUiLanguage(ELanguage::English); }

    SCliRun Run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"--data-root", m_root.Path().string(), "--program-dir",
                                             (m_root / "program").string()});
        std::ostringstream out, err;
        const int status = RunCli(arguments, out, err);
        return {status, out.str(), err.str()};
    }

    // The active event as "dump --json" shows it.
    nlohmann::json Dump()
    {
        const SCliRun run = Run({"dump", "--json"});
        EXPECT_EQ(run.status, 0) << run.err;
        return nlohmann::json::parse(run.out);
    }

    // Every file under the data root with its content, to prove a command wrote nothing.
    std::map<std::string, std::string> Snapshot()
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root.Path()))
            files[entry.path().string()] =
                entry.is_regular_file() ? ReadBytes(entry.path()) : std::string("<dir>");
        return files;
    }

    CTempDir m_root;
};
