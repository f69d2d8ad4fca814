#include "reports/ReportFiles.h"

#include "reports/ReportHtml.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace
{
TEST(ReportFilesTest, TextsFromRecordsAreEscapedAndKeepTheirLineBreaks)
{
    const struct
    {
        const char* text;
        const char* html;
        const char* plain;
    } cases[] = {
        {"", "&nbsp;", ""},
        {"<b>Tom & Jerry</b>", "&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;", "<b>Tom & Jerry</b>"},
        {"say \"hi\"", "say &quot;hi&quot;", "say \"hi\""},
        {"12 Rose st.\r\nHaifa", "12 Rose st.<br>Haifa", "12 Rose st. Haifa"},
        {"a\nb\r\n\r\nc", "a<br>b<br><br>c", "a b  c"},
        {"tab\there", "tab\there", "tab here"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(HtmlText(c.text), c.html) << c.text;
        EXPECT_EQ(PlainLine(c.text), c.plain) << c.text;
    }
    EXPECT_EQ(HtmlInline(""), "");
}

TEST(ReportFilesTest, FilesAreUtf16LittleEndianWithTheMark)
{
    // "A", alef (U+05D0), an emoji outside the basic plane, then a byte that is not UTF-8.
    const std::string bytes = EncodeReportBytes("A\xD7\x90\xF0\x9F\x98\x80\xFF");
    const std::string expected("\xFF\xFE"
                               "A\x00"
                               "\xD0\x05"
                               "\x3D\xD8\x00\xDE"
                               "\xFD\xFF",
                               12);
    EXPECT_EQ(bytes, expected);

    CTempDir folder;
    ASSERT_TRUE(WriteReportFile(folder / "r.html", "A"));
    EXPECT_EQ(ReadBytes(folder / "r.html"), std::string("\xFF\xFE"
                                                        "A\x00",
                                                        4));
    std::string error;
    EXPECT_FALSE(WriteReportFile(folder / "missing" / "r.html", "A", &error));
    EXPECT_FALSE(error.empty());
}

TEST(ReportFilesTest, UniqueNamesCountUpFromOneUnderTheReportsFolder)
{
    CTempDir root;
    const auto folder = ReportsFolder(root.Path());
    ASSERT_EQ(folder, root / "Reports");
    EXPECT_EQ(UniqueReportPath(folder, "report", "txt"), folder / "report1.txt");
    WriteBytes(folder / "report1.txt", "x");
    WriteBytes(folder / "report2.txt", "x");
    EXPECT_EQ(UniqueReportPath(folder, "report", "txt"), folder / "report3.txt");
    EXPECT_EQ(UniqueReportPath(folder, "Offer", "Html"), folder / "Offer1.Html");
}
} // namespace

#include "reports/ReportWriter.h"

namespace
{
TEST(ReportFilesTest, OneCardPerPageAndWideGuestListsPrintAcross)
{
    SReportOptions options;
    EXPECT_TRUE(PrintsLandscape(EReportKind::GuestsByGroup, options)); // every column
    options.columns = 0xFF;                                            // eight columns
    EXPECT_FALSE(PrintsLandscape(EReportKind::GuestsByView, options));
    options.columns = 0x1FF;
    EXPECT_TRUE(PrintsLandscape(EReportKind::GuestsByView, options));
    EXPECT_FALSE(PrintsLandscape(EReportKind::TablesById, options));
    EXPECT_FALSE(PrintsLandscape(EReportKind::AddressCards, options));
    options.pagePerCard = true;
    EXPECT_TRUE(PrintsLandscape(EReportKind::AddressCards, options));
    EXPECT_TRUE(PrintsLandscape(EReportKind::TableCards, options));
}
} // namespace
