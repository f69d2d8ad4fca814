// Report golden cases: each folder of tests/data/reports holds an event as an older installation
// left it ("event/"), its interface language ("lang"), and "runs": one line per expected file,
// "<file> <command and options>". Each command runs through the CLI and must write its file in
// "expected/" byte for byte.

#include "cli/CliApp.h"
#include "platform/Language.h"
#include "support/GoldenCompare.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
fs::path ReportCasesRoot()
{
    const char* data = std::getenv("VELLORAN_TEST_DATA");
    return fs::path(data != nullptr ? data : "tests/data") / "reports";
}

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

TEST(ReportGoldenTest, EveryRunWritesItsExpectedFile)
{
    int runs = 0;
    for (const auto& entry : fs::directory_iterator(ReportCasesRoot()))
    {
        const fs::path goldenCase = entry.path();
        CTempDir root;
        fs::create_directories(root / "DB");
        for (const auto& file : fs::directory_iterator(goldenCase / "event"))
            fs::copy_file(file.path(), root / "DB" / file.path().filename());
        const std::string language = ReadBytes(goldenCase / "lang").substr(0, 2);
        std::ifstream lines(goldenCase / "runs");
        for (std::string line; std::getline(lines, line);)
        {
            std::vector<std::string> words = Words(line);
            if (words.empty())
                continue;
            SCOPED_TRACE(goldenCase.filename().string() + ": " + line);
            const fs::path output = root / words.front();
            std::vector<std::string> arguments = {"--data-root", root.Path().string(), "--lang",
                                                  language};
            arguments.insert(arguments.end(), words.begin() + 1, words.end());
            arguments.insert(arguments.end(), {"-o", output.string()});
            std::ostringstream out, err;
            ASSERT_EQ(RunCli(arguments, out, err), 0) << err.str();
            EXPECT_TRUE(MatchesGolden(goldenCase / "expected" / words.front(), ReadBytes(output)));
            ++runs;
        }
        SetUiLanguage(ELanguage::English);
    }
    EXPECT_GE(runs, 10);
}
} // namespace
