// Golden cases: each folder of tests/data/golden holds an event folder as an older installation
// left it ("event/"), the interface language ("lang") and the WeddingData.xml its conversion must
// produce ("expected/"). The conversion runs through the CLI, as a user would script it.

#include "cli/CliApp.h"
#include "platform/Language.h"
#include "support/GoldenCompare.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace fs = std::filesystem;

namespace
{
fs::path GoldenRoot()
{
    const char* data = std::getenv("VELLORAN_TEST_DATA");
    return fs::path(data != nullptr ? data : "tests/data") / "golden";
}

std::vector<fs::path> GoldenCases()
{
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(GoldenRoot()))
        if (entry.is_directory())
            cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    return cases;
}

class CGoldenRun
{
public:
    explicit CGoldenRun(const fs::path& goldenCase)
    {
        fs::create_directories(m_root / "DB");
        for (const auto& entry : fs::directory_iterator(goldenCase / "event"))
            fs::copy_file(entry.path(), m_root / "DB" / entry.path().filename());
        std::string language = ReadBytes(goldenCase / "lang");
        m_language = language.substr(0, 2);
    }
    ~CGoldenRun() { SetUiLanguage(ELanguage::English); }

    int Run(const std::vector<std::string>& command, std::string* out = nullptr)
    {
        std::vector<std::string> arguments = {"--data-root", m_root.Path().string(), "--lang",
                                              m_language};
        arguments.insert(arguments.end(), command.begin(), command.end());
        std::ostringstream output, errors;
        const int status = RunCli(arguments, output, errors);
        if (out != nullptr)
            *out = output.str();
        return status;
    }

    fs::path EventFile(const std::string& name) const { return m_root / "DB" / name; }

private:
    CTempDir m_root;
    std::string m_language;
};

// What must survive a conversion: the dump without flags, indexes and serials.
nlohmann::json Comparable(nlohmann::json dump)
{
    dump.erase("dataChanged");
    std::function<void(nlohmann::json&)> strip = [&](nlohmann::json& value)
    {
        if (value.is_object())
        {
            for (const char* key : {"modified", "isNew", "index", "serial"})
                value.erase(key);
            for (auto& [key, child] : value.items())
                strip(child);
        }
        else if (value.is_array())
            for (auto& child : value)
                strip(child);
    };
    strip(dump);
    // Shape and task ids are numbers of the run, not stored data.
    for (auto& shape : dump["shapes"])
        shape.erase("id");
    std::function<void(nlohmann::json&)> stripTask = [&](nlohmann::json& task)
    {
        task.erase("id");
        for (auto& child : task["children"])
            stripTask(child);
    };
    stripTask(dump["tasks"]);
    return dump;
}
} // namespace

TEST(Golden, LegacyEventsConvertToTheReferenceDataFile)
{
    const auto cases = GoldenCases();
    ASSERT_FALSE(cases.empty());
    for (const fs::path& goldenCase : cases)
    {
        SCOPED_TRACE(goldenCase.filename().string());
        CGoldenRun run(goldenCase);
        ASSERT_EQ(run.Run({"save"}), 0);
        EXPECT_TRUE(MatchesGolden(goldenCase / "expected" / "WeddingData.xml",
                                  ReadBytes(run.EventFile("WeddingData.xml"))));
        EXPECT_FALSE(fs::exists(run.EventFile("Guests.ini")));
    }
}

TEST(Golden, AConversionLosesNothing)
{
    for (const fs::path& goldenCase : GoldenCases())
    {
        SCOPED_TRACE(goldenCase.filename().string());
        CGoldenRun run(goldenCase);
        std::string before, after;
        ASSERT_EQ(run.Run({"dump", "--json"}, &before), 0);
        ASSERT_EQ(run.Run({"save"}), 0);
        ASSERT_EQ(run.Run({"dump", "--json"}, &after), 0);
        const auto first = nlohmann::json::parse(before);
        const auto second = nlohmann::json::parse(after);
        EXPECT_TRUE(first["dataChanged"].get<bool>()) << "read from INI files";
        EXPECT_FALSE(second["dataChanged"].get<bool>()) << "read from the data file";
        EXPECT_EQ(Comparable(first), Comparable(second));
    }
}
