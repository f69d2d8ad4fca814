#pragma once

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/CliApp.h"
#include "platform/Language.h"
#include "support/TempDir.h"

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
        arguments.insert(arguments.begin(), {"--data-root", m_root.Path().string(),
                                             "--program-dir", (m_root / "program").string()});
        std::ostringstream out, err;
        const int status = RunCli(arguments, out, err);
        return {status, out.str(), err.str()};
    }

    CTempDir m_root;
};
