#include "platform/NumberText.h"

#include "platform/ProfileFile.h"
#include "support/EnvGuard.h"
#include "support/TempDir.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <locale>
#include <string>
#include <unistd.h>

namespace
{
// What every number conversion must give whatever the locale.
void ExpectLocaleFreeNumbers()
{
    EXPECT_EQ(FormatFixed(4.5, 2), "4.50");
    EXPECT_EQ(FormatFixed(-1234.5, 1), "-1234.5");
    EXPECT_EQ(FormatInt(1234567), "1234567");
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("4.50"), 4.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("4,50"), 4.0);
    EXPECT_EQ(ParseLeadingInt("1.234"), 1);

    CProfileFile file;
    file.SetString("GenSettings", "DollarRate", FormatFixed(3.75, 2));
    file.SetInt("GenSettings", "Count", 1234567);
    EXPECT_EQ(file.ToText(), "[GenSettings]\r\nDollarRate=3.75\r\nCount=1234567\r\n");
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(file.GetString("GenSettings", "DollarRate")), 3.75);
}

// Puts the C and C++ global locales back at the end of a test.
class CLocaleGuard
{
public:
    CLocaleGuard() : m_cpp(std::locale()), m_c(std::setlocale(LC_ALL, nullptr)) {}
    ~CLocaleGuard()
    {
        std::locale::global(m_cpp);
        std::setlocale(LC_ALL, m_c.c_str());
    }
    CLocaleGuard(const CLocaleGuard&) = delete;
    CLocaleGuard& operator=(const CLocaleGuard&) = delete;

private:
    std::locale m_cpp;
    std::string m_c;
};

struct SCommaPunct : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

bool SetCommaLocale()
{
    for (const char* name :
         {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "ru_RU.UTF-8", "he_IL.UTF-8"})
    {
        if (std::setlocale(LC_ALL, name) != nullptr && *std::localeconv()->decimal_point == ',')
            return true;
    }
    return false;
}
} // namespace

TEST(NumberTextFormat, IntegersAsPlainDecimal)
{
    EXPECT_EQ(FormatInt(0), "0");
    EXPECT_EQ(FormatInt(-42), "-42");
    EXPECT_EQ(FormatInt(std::numeric_limits<long long>::min()), "-9223372036854775808");
    EXPECT_EQ(FormatInt(std::numeric_limits<long long>::max()), "9223372036854775807");
}

TEST(NumberTextFormat, FixedDecimalsRoundHalfAwayFromZero)
{
    EXPECT_EQ(FormatFixed(4.5, 2), "4.50");
    EXPECT_EQ(FormatFixed(0, 2), "0.00");
    EXPECT_EQ(FormatFixed(3.14159, 0), "3");
    EXPECT_EQ(FormatFixed(1e20, 2), "100000000000000000000.00");
    // Exact binary halves round away from zero.
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(-0.125, 2), "-0.13");
    EXPECT_EQ(FormatFixed(2.5, 0), "3");
    EXPECT_EQ(FormatFixed(0.5, 0), "1");
    EXPECT_EQ(FormatFixed(-2.5, 0), "-3");
    EXPECT_EQ(FormatFixed(9.995, 2), "9.99"); // 9.99499999... in binary
    EXPECT_EQ(FormatFixed(99.5, 0), "100");
    // Just below a half stays below.
    EXPECT_EQ(FormatFixed(std::nextafter(0.125, 0.0), 2), "0.12");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::max(), 0).size(), 309u);
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::max(), 2).size(), 312u);
    // Non-finite numbers and odd decimal counts still give numbers.
    EXPECT_EQ(FormatFixed(std::nan(""), 2), "0.00");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 1), "0.0");
    EXPECT_EQ(FormatFixed(1.25, -3), "1");
    EXPECT_EQ(FormatFixed(1.25, 400).substr(0, 6), "1.2500");
}

TEST(NumberTextFormat, ShortestFloatReadsBackAsTheSameValue)
{
    EXPECT_EQ(FormatShortest(4360.0f), "4360");
    EXPECT_EQ(FormatShortest(0.1f), "0.1");
    EXPECT_EQ(FormatShortest(1234.5f), "1234.5");
    EXPECT_EQ(FormatShortest(16777217.0f), "16777216") << "what the float holds";
    EXPECT_EQ(FormatShortest(-2.25f), "-2.25");
    EXPECT_EQ(FormatShortest(std::numeric_limits<float>::infinity()), "0");
}

TEST(NumberTextParse, LeadingNumberOrZeroAndNeverInfinite)
{
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("4.5abc"), 4.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("  -1.25"), -1.25);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("+2.5"), 2.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("5."), 5.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("+-2"), 0.0);
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("- 2"), 0.0);
    // No infinity or not-a-number comes from text.
    for (const char* text : {"inf", "-infinity", "nan", "NAN(123)", "1e400", "-1e400"})
    {
        const double value = ParseLeadingDouble(text);
        EXPECT_TRUE(std::isfinite(value)) << text;
        EXPECT_DOUBLE_EQ(value, 0.0) << text;
    }

    EXPECT_EQ(ParseLeadingInt("\t 12abc"), 12);
    EXPECT_EQ(ParseLeadingInt("-"), 0);
    EXPECT_EQ(ParseLeadingInt("2147483648"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseLeadingInt("-2147483649"), std::numeric_limits<int>::min());
    EXPECT_EQ(ParseLeadingInt(std::string(5000, '9')), std::numeric_limits<int>::max());
}

TEST(NumberTextLocale, CppGlobalLocaleWithDecimalComma)
{
    CLocaleGuard guard;
    std::locale::global(std::locale(std::locale::classic(), new SCommaPunct));
    ExpectLocaleFreeNumbers();
}

TEST(NumberTextLocale, CLibraryLocaleWithDecimalComma)
{
    CLocaleGuard guard;
    CTempDir folder;
    CEnvGuard locpath("LOCPATH", nullptr);
    if (!SetCommaLocale() && ::access("/usr/bin/localedef", X_OK) == 0)
    {
        // No comma locale installed: compile one for this test only.
        const std::string command = "/usr/bin/localedef -i de_DE -f UTF-8 '" +
                                    (folder / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == 0)
            ::setenv("LOCPATH", folder.Path().c_str(), 1);
    }
    if (!SetCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma is available";

    // The hazard is real in this process.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.2f", 4.5);
    ASSERT_STREQ(buffer, "4,50");
    ExpectLocaleFreeNumbers();
}
