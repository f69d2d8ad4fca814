// The guest import's reading side: the same small workbook in every format a user may bring
// (made with LibreOffice Calc from reordered.csv), the sheet rules, and files made hostile on
// purpose.

#include "office/GuestSheet.h"
#include "office/SpreadsheetReader.h"
#include "platform/Language.h"
#include "platform/StringTable.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <zip.h>

namespace
{
std::filesystem::path DataFile(const std::string& name)
{
    const char* root = std::getenv("VELLORAN_TEST_DATA");
    return std::filesystem::path(root != nullptr ? root : "tests/data") / "office" / name;
}

// A zip archive of the given parts, built in memory.
std::string MakeZip(const std::vector<std::pair<std::string, std::string>>& parts)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_source_keep(buffer);
    zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    for (const auto& [name, bytes] : parts)
    {
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    }
    zip_close(archive); // writes into buffer (the part sources must live until here)
    zip_source_open(buffer);
    zip_source_seek(buffer, 0, SEEK_END);
    const zip_int64_t size = zip_source_tell(buffer);
    zip_source_seek(buffer, 0, SEEK_SET);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    zip_source_read(buffer, bytes.data(), static_cast<zip_uint64_t>(size));
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

const std::string kWorkbook =
    R"(<?xml version="1.0"?><workbook xmlns:r="r"><sheets><sheet name="Guests" sheetId="1" r:id="rId1"/></sheets></workbook>)";
const std::string kRelations =
    R"(<?xml version="1.0"?><Relationships><Relationship Id="rId1" Target="worksheets/sheet1.xml"/></Relationships>)";

std::string Xlsx(const std::string& sheetData, const std::string& shared = {})
{
    std::vector<std::pair<std::string, std::string>> parts = {
        {"xl/workbook.xml", kWorkbook},
        {"xl/_rels/workbook.xml.rels", kRelations},
        {"xl/worksheets/sheet1.xml",
         "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"}};
    if (!shared.empty())
        parts.push_back({"xl/sharedStrings.xml", "<sst>" + shared + "</sst>"});
    return MakeZip(parts);
}

std::string Ods(const std::string& rows)
{
    return MakeZip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                    {"content.xml", "<office:document-content><office:body><office:spreadsheet>"
                                    "<table:table table:name=\"Guests\">" +
                                        rows +
                                        "</table:table></office:spreadsheet></office:body>"
                                        "</office:document-content>"}});
}

class CGuestsWorkbookTest : public ::testing::TestWithParam<const char*>
{
protected:
    void TearDown() override { SetUiLanguage(ELanguage::English); }
};

// Headers in another order, "Common" asking, a Hebrew name, an empty name ending the data.
TEST_P(CGuestsWorkbookTest, ReadsTheGuestsOfEveryFormatAlike)
{
    SSheetCells sheet;
    std::string error;
    ASSERT_TRUE(CSpreadsheetReader::ReadFile(DataFile(GetParam()), kGuestsSheetName, sheet, error))
        << error;
    CScriptedPrompt prompt;
    prompt.Answer(EAnswer::Yes);
    const SGuestSheetResult result = ReadGuestSheet(sheet, prompt);
    ASSERT_EQ(result.state, EGuestSheetRead::Read);
    ASSERT_EQ(result.guests.size(), 3u); // "Hidden After" stands below the row without a name
    const SImportedGuest& dana = result.guests[0];
    EXPECT_EQ(dana.firstName, "Dana");
    EXPECT_EQ(dana.familyName, "Cohen");
    EXPECT_EQ(dana.relation, "Bride");
    EXPECT_EQ(dana.group, "Family");
    EXPECT_EQ(dana.invited, 4);
    EXPECT_EQ(dana.coming, 3);
    EXPECT_EQ(dana.phone, "03-555-1234");
    EXPECT_EQ(dana.mobile, "050-1234567");
    EXPECT_EQ(dana.email, "dana@example.com");
    EXPECT_EQ(dana.address, "1 Herzl St, Haifa");
    EXPECT_EQ(dana.uniqueId, 0);
    EXPECT_EQ(result.guests[1].relation, "Mutual");
    EXPECT_EQ(result.guests[2].firstName, "יעל");
    EXPECT_EQ(result.guests[2].familyName, "שמואלי");
    ASSERT_EQ(prompt.Asked().size(), 1u);
    EXPECT_NE(prompt.Asked()[0].text.find("Avi Levi"), std::string::npos);
    EXPECT_EQ(prompt.Asked()[0].caption, "Error reading file");
    EXPECT_EQ(prompt.Asked()[0].buttons, EButtons::YesNo);

    // No ends the reading; the lines before the question stay.
    CScriptedPrompt declining;
    declining.Answer(EAnswer::No);
    const SGuestSheetResult stopped = ReadGuestSheet(sheet, declining);
    EXPECT_EQ(stopped.state, EGuestSheetRead::Stopped);
    EXPECT_EQ(stopped.guests.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Formats, CGuestsWorkbookTest,
                         ::testing::Values("reordered.csv", "reordered.xlsx", "reordered.ods",
                                           "reordered.xls"));

TEST(GuestSheetTest, RequiredColumnsAreCheckedRelationFirst)
{
    struct SCase
    {
        std::string header;
        std::string message;
    };
    const SCase cases[] = {
        {"Name,Last Name,Group", "'Relation' column is missing"},
        {"Group,Address", "'Relation' column is missing"},
        {"Relation,Name", "'Last Name' column is missing"},
        {"Relation,Last Name,name", "'Name' column is missing"}, // the text must be exact
    };
    for (const SCase& c : cases)
    {
        SSheetCells sheet;
        std::string error;
        ASSERT_TRUE(CSpreadsheetReader::ReadBytes(c.header + "\r\nBride,Dana,Cohen\r\n", "Guests",
                                                  sheet, error));
        CScriptedPrompt prompt;
        const SGuestSheetResult result = ReadGuestSheet(sheet, prompt);
        EXPECT_EQ(result.state, EGuestSheetRead::MissingColumn) << c.header;
        EXPECT_TRUE(result.guests.empty());
        ASSERT_EQ(prompt.Asked().size(), 1u) << c.header;
        EXPECT_EQ(prompt.Asked()[0].text, c.message) << c.header;
        EXPECT_EQ(prompt.Asked()[0].caption, "Error reading file");
        EXPECT_EQ(prompt.Asked()[0].buttons, EButtons::Ok);
    }
}

TEST(GuestSheetTest, HebrewInterfaceTakesItsOwnWordsAndTheEnglishHeaders)
{
    SetUiLanguage(ELanguage::Hebrew);
    SSheetCells sheet;
    std::string error;
    ASSERT_TRUE(CSpreadsheetReader::ReadBytes(
        "Name\tשם משפחה\tקרבה\tGuests amount\r\nדנה\tכהן\tכלה\t-3\r\nAvi\tLevi\tBride\tabc\r\n",
        "Guests", sheet, error));
    CScriptedPrompt prompt;
    prompt.Answer(EAnswer::Yes);
    const SGuestSheetResult result = ReadGuestSheet(sheet, prompt);
    SetUiLanguage(ELanguage::English);
    ASSERT_EQ(result.guests.size(), 2u);
    EXPECT_EQ(result.guests[0].relation, "כלה");
    EXPECT_EQ(result.guests[0].invited, 0);        // below 0 counts 0
    EXPECT_EQ(result.guests[1].relation, "משותף"); // "Bride" is no Hebrew word: asked
    EXPECT_EQ(result.guests[1].invited, 0);        // no number
    EXPECT_EQ(prompt.Asked().size(), 1u);
}

// A workbook on which libfreexl writes out of bounds (found by the fuzz target): the library runs
// in a child process, so this process survives whatever the child does with it.
TEST(SpreadsheetReaderTest, XlsTheLibraryStumblesOnLeavesThisProcessWhole)
{
    SSheetCells sheet;
    std::string error;
    if (!CSpreadsheetReader::ReadFile(DataFile("freexl-out-of-bounds.xls"), "Guests", sheet, error))
    {
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(sheet.rows.empty());
    }
    // And a sound workbook still reads after it.
    ASSERT_TRUE(CSpreadsheetReader::ReadFile(DataFile("reordered.xls"), "Guests", sheet, error))
        << error;
    EXPECT_EQ(sheet.Cell(1, 3), "Dana");
}

TEST(SpreadsheetReaderTest, DelimitedTextFindsItsSeparatorQuotesAndEncoding)
{
    struct SCase
    {
        std::string bytes;
        std::vector<std::vector<std::string>> rows;
    };
    const SCase cases[] = {
        {"a;b;\"c;d\"\nx;\"multi\r\nline\";\"say \"\"hi\"\"\"",
         {{"a", "b", "c;d"}, {"x", "multi\nline", "say \"hi\""}}},
        {"a,b\tc\td\r\n1,2\t3\r\n", {{"a,b", "c", "d"}, {"1,2", "3"}}},
        {"\xEF\xBB\xBFName,x\r\n", {{"Name", "x"}}},
        // windows-1255: "שם"
        {"\xF9\xED,b\n", {{"שם", "b"}}},
        {"a,,c\n\n,e", {{"a", "", "c"}, {}, {"", "e"}}},
    };
    for (const SCase& c : cases)
    {
        SSheetCells sheet;
        std::string error;
        ASSERT_TRUE(CSpreadsheetReader::ReadBytes(c.bytes, "", sheet, error)) << error;
        ASSERT_EQ(sheet.rows.size(), c.rows.size()) << c.bytes;
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            for (std::size_t col = 0; col < c.rows[r].size(); ++col)
                EXPECT_EQ(sheet.Cell(r, col), c.rows[r][col]) << c.bytes;
    }
}

TEST(SpreadsheetReaderTest, XlsxCellsOfEveryKind)
{
    const std::string data =
        R"(<row r="1"><c r="A1" t="s"><v>1</v></c><c r="C1" t="inlineStr"><is><t>in</t><r><t>line</t></r></is></c></row>)"
        R"(<row r="3"><c r="B3"><f>1+2</f><v>3</v></c><c r="C3"><v>12.5</v></c><c r="D3" t="b"><v>1</v></c><c t="str"><f>A1</f><v>text</v></c></row>)";
    const std::string shared = "<si><t>zero</t></si><si><r><t>Da</t></r><r><t>na</t></r>"
                               "<rPh><t>phonetic</t></rPh></si>";
    SSheetCells sheet;
    std::string error;
    ASSERT_TRUE(CSpreadsheetReader::ReadBytes(Xlsx(data, shared), "guests", sheet, error)) << error;
    EXPECT_EQ(sheet.sheetName, "Guests");
    EXPECT_EQ(sheet.Cell(0, 0), "Dana");
    EXPECT_EQ(sheet.Cell(0, 1), "");
    EXPECT_EQ(sheet.Cell(0, 2), "inline");
    EXPECT_EQ(sheet.Cell(2, 1), "3"); // a formula is read by its stored value
    EXPECT_EQ(sheet.Cell(2, 2), "12.5");
    EXPECT_EQ(sheet.Cell(2, 3), "1");
    EXPECT_EQ(sheet.Cell(2, 4), "text"); // a cell without a reference follows the one before
}

TEST(SpreadsheetReaderTest, OdsRepeatsAndParagraphs)
{
    const std::string rows =
        R"(<table:table-row><table:table-cell office:value-type="string"><text:p>Da<text:s text:c="2"/>na</text:p><text:p>line 2</text:p></table:table-cell>)"
        R"(<table:table-cell table:number-columns-repeated="2" office:value-type="float" office:value="4"><text:p>4.00</text:p></table:table-cell>)"
        R"(<table:table-cell><office:annotation><text:p>note</text:p></office:annotation></table:table-cell></table:table-row>)"
        R"(<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="16384"/></table:table-row>)"
        R"(<table:table-row><table:table-cell office:value-type="string"><text:p>last</text:p></table:table-cell></table:table-row>)";
    SSheetCells sheet;
    std::string error;
    ASSERT_FALSE(CSpreadsheetReader::ReadBytes(Ods(rows), "Guests", sheet, error));
    EXPECT_NE(error.find("100000 rows"), std::string::npos) << error; // "last" is row 1,048,572

    const std::string shortRows = rows.substr(0, rows.find("<table:table-row table:number-rows"));
    ASSERT_TRUE(CSpreadsheetReader::ReadBytes(Ods(shortRows), "Guests", sheet, error)) << error;
    EXPECT_EQ(sheet.Cell(0, 0), "Da  na\nline 2");
    EXPECT_EQ(sheet.Cell(0, 1), "4");
    EXPECT_EQ(sheet.Cell(0, 2), "4");
    EXPECT_EQ(sheet.Cell(0, 3), ""); // a comment is no content
}

TEST(SpreadsheetReaderTest, HostileFilesAreRefusedWithAReason)
{
    const std::string bigZeros((CSpreadsheetReader::kMaxPartBytes) + 1, '\0');
    std::string manyRows;
    for (int r = 1; r <= 3; ++r)
    {
        const std::string row = std::to_string(r == 3 ? 100001 : r);
        manyRows += "<row r=\"" + row + "\"><c r=\"A" + row +
                    "\" t=\"inlineStr\"><is><t>x</t></is></c></row>";
    }
    struct SCase
    {
        const char* what;
        std::string bytes;
        const char* reason; // a part of the reason
    };
    const SCase cases[] = {
        {"shared text out of range",
         Xlsx(R"(<row><c r="A1" t="s"><v>7</v></c></row>)", "<si><t>only</t></si>"),
         "shared text 7"},
        {"shared text without any", Xlsx(R"(<row><c r="A1" t="s"><v>0</v></c></row>)"),
         "shared text 0"},
        {"zip bomb", MakeZip({{"xl/workbook.xml", bigZeros}}), "MiB"},
        {"huge sheet", Xlsx(manyRows), "100000 rows"},
        {"document type", MakeZip({{"xl/workbook.xml", "<!DOCTYPE x [<!ENTITY a \"b\">]><x/>"}}),
         "document type"},
        {"not XML", MakeZip({{"xl/workbook.xml", "<workbook><sheets>"}}), "line"},
        {"no sheet Guests",
         MakeZip({{"xl/workbook.xml",
                   R"(<workbook><sheets><sheet name="Sheet1"/></sheets></workbook>)"}}),
         "no sheet named \"Guests\""},
        {"damaged archive", std::string("PK\x03\x04garbage", 11), "damaged archive"},
        {"damaged xls", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, 'x'),
         "Excel workbook"},
        {"binary", std::string("ab\0cd", 5), "neither"},
    };
    for (const SCase& c : cases)
    {
        const auto start = std::chrono::steady_clock::now();
        SSheetCells sheet;
        std::string error;
        EXPECT_FALSE(CSpreadsheetReader::ReadBytes(c.bytes, "Guests", sheet, error)) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
        EXPECT_TRUE(sheet.rows.empty()) << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.what;
    }
}
} // namespace
