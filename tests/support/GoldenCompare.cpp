#include "support/GoldenCompare.h"

#include "support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace
{
std::string Visible(const std::string& text)
{
    std::string out;
    for (char c : text)
    {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}
} // namespace

::testing::AssertionResult MatchesGolden(const std::filesystem::path& reference,
                                         const std::string& actual)
{
    const char* update = std::getenv("VELLORAN_UPDATE_GOLDEN");
    if (update != nullptr && std::strcmp(update, "1") == 0)
    {
        WriteBytes(reference, actual);
        return ::testing::AssertionSuccess() << "reference written";
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(reference, error))
        return ::testing::AssertionFailure() << "no reference file " << reference;
    const std::string expected = ReadBytes(reference);
    const auto mismatch =
        std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
    if (mismatch.first == expected.end() && mismatch.second == actual.end())
        return ::testing::AssertionSuccess();

    const std::size_t at = static_cast<std::size_t>(mismatch.first - expected.begin());
    const std::size_t line =
        static_cast<std::size_t>(std::count(expected.begin(), mismatch.first, '\n')) + 1;
    const std::size_t from = at > 40 ? at - 40 : 0;
    auto failure = ::testing::AssertionFailure();
    if (expected.size() != actual.size())
        failure << "length " << actual.size() << ", reference " << expected.size() << "; ";
    failure << "first difference at byte " << at << " (line " << line << ") of " << reference
            << "\n  reference: ..." << Visible(expected.substr(from, 80)) << "\n  produced:  ..."
            << Visible(actual.substr(from, 80));
    return failure;
}
