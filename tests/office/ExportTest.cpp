// The exports are read back as the other side reads them: the tab-separated files split at tabs
// and line ends, the workbook through our own spreadsheet reader and the import's rules.

#include "model/Guest.h"
#include "model/RecordCounters.h"
#include "model/Table.h"
#include "office/DataFileGuests.h"
#include "office/GuestSheet.h"
#include "office/OfficeHandOver.h"
#include "office/OfficeOpener.h"
#include "office/SpreadsheetReader.h"
#include "office/TsvExport.h"
#include "office/XlsxExport.h"
#include "platform/AtomicFile.h"
#include "platform/Shell.h"
#include "support/DocFixture.h"
#include "support/EnvGuard.h"

#include <sys/stat.h>
#include <zip.h>

namespace
{
std::vector<std::vector<std::string>> SplitTsv(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = text.substr(start, end - start);
        EXPECT_EQ(line.find('\n'), std::string::npos);
        std::vector<std::string> fields;
        std::size_t from = 0;
        std::size_t tab;
        while ((tab = line.find('\t', from)) != std::string::npos)
        {
            fields.push_back(line.substr(from, tab - from));
            from = tab + 1;
        }
        EXPECT_EQ(from, line.size()) << "every field is followed by a tab";
        lines.push_back(fields);
        start = end + 2;
    }
    return lines;
}

std::string ZipPart(const std::filesystem::path& file, const char* name)
{
    int error = 0;
    zip_t* archive = zip_open(file.c_str(), ZIP_RDONLY, &error);
    if (archive == nullptr)
        return {};
    std::string bytes;
    if (zip_file_t* part = zip_fopen(archive, name, 0))
    {
        char buffer[4096];
        zip_int64_t got;
        while ((got = zip_fread(part, buffer, sizeof buffer)) > 0)
            bytes.append(buffer, static_cast<std::size_t>(got));
        zip_fclose(part);
    }
    zip_close(archive);
    return bytes;
}

class CExportTest : public CDocFixture
{
protected:
    // Three guests with the awkward cases: a tab and a line break in fields, Hebrew, a gift with
    // a fraction, a seat at a table.
    CNewOrvDoc& OpenWithGuests(ELanguage language = ELanguage::English)
    {
        CNewOrvDoc& doc = Open(language);
        CTable* table = doc.CreateTable("Family\ttable", 7, 12);
        CGuest* dana = doc.AddGuest("Dana", "Cohen");
        dana->SetRelation("Bride");
        dana->SetGroupName("Family");
        dana->SetAddress("1 Herzl St\r\nHaifa");
        dana->SetPhone("03-555\t1234");
        dana->SetInvitedCount(4);
        dana->SetComingCount(3);
        dana->SetGiftDollars(12.1f);
        dana->SetGiftShekels(300.5f);
        dana->SetStatus(CGuest::kStatusApproved);
        dana->SetTable(static_cast<std::int16_t>(table->GetId()));
        CGuest* yael = doc.AddGuest("יעל", "שמואלי");
        yael->SetRelation("Groom");
        yael->SetEmail("yael@example.com");
        yael->SetInvitationSent(true);
        doc.AddGuest("Avi", "");
        return doc;
    }
};

TEST_F(CExportTest, GuestTsvHasTheHeadersInOrderAndParsesBack)
{
    for (ELanguage language : {ELanguage::English, ELanguage::Hebrew})
    {
        CNewOrvDoc& doc = OpenWithGuests(language);
        const auto path = m_root / "guests.xls";
        ASSERT_TRUE(WriteGuestsTsv(doc, kAllGuestColumns, path));
        const std::string text = ReadBytes(path);
        ASSERT_EQ(text.compare(0, 3, "\xEF\xBB\xBF"), 0);
        const auto lines = SplitTsv(text.substr(3));
        ASSERT_EQ(lines.size(), 4u);
        if (language == ELanguage::English)
            EXPECT_EQ(lines[0], (std::vector<std::string>{"Name", "Last name", "Relation", "Group",
                                                          "Phone", "Mobile", "Address", "Gift",
                                                          "Gift comments", "Dolars", "Status",
                                                          "Invitation sent", "Number of guests",
                                                          "How many will come", "Table number"}));
        else
            EXPECT_EQ(lines[0].size(), 16u); // the shekel column only in Hebrew
        const std::size_t shift = language == ELanguage::Hebrew ? 1 : 0;
        for (const auto& line : lines)
            EXPECT_EQ(line.size(), lines[0].size());
        EXPECT_EQ(lines[1][0], "Dana");
        EXPECT_EQ(lines[1][4], "03-555 1234");
        EXPECT_EQ(lines[1][6], "1 Herzl St  Haifa");
        if (shift == 1)
        {
            EXPECT_EQ(lines[1][9], "300.5");
        }
        EXPECT_EQ(lines[1][9 + shift], "12.1");
        EXPECT_EQ(lines[1][12 + shift], "4");
        EXPECT_EQ(lines[1][13 + shift], "3");
        EXPECT_EQ(lines[1][14 + shift], "1");
        EXPECT_EQ(lines[2][0], "יעל");
        EXPECT_EQ(lines[3][1], "");
    }

    // The printouts' column choice: only the chosen columns, in the file's order.
    CNewOrvDoc& doc = OpenWithGuests();
    const auto text =
        BuildGuestsTsv({doc.GetGuestAt(0)}, kColumnBitTable | kColumnBitName | kColumnBitShekels);
    EXPECT_EQ(SplitTsv(text.substr(3)),
              (std::vector<std::vector<std::string>>{{"Name", "Table number"}, {"Dana", "1"}}));
}

TEST_F(CExportTest, TableTsvListsTheHallTablesWithTheirCounts)
{
    CNewOrvDoc& doc = OpenWithGuests();
    const auto lines = SplitTsv(BuildTablesTsv(doc).substr(3));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(doc.GetTableCount()));
    EXPECT_EQ(lines[0], (std::vector<std::string>{"Table I.D.", "Table name", "Number in hall",
                                                  "Seats", "People coming", "Guests"}));
    EXPECT_EQ(lines.back(), (std::vector<std::string>{"1", "Family table", "7", "12", "3", "1"}));
}

TEST_F(CExportTest, WorkbookReadsBackCellForCellAndImportsBack)
{
    for (ELanguage language : {ELanguage::English, ELanguage::Hebrew})
    {
        CNewOrvDoc& doc = OpenWithGuests(language);
        const auto path = m_root / "guests.xlsx";
        std::string error;
        ASSERT_TRUE(WriteGuestsXlsx(doc, path, &error)) << error;

        const auto written = BuildGuestsSheet(doc);
        SSheetCells sheet;
        ASSERT_TRUE(CSpreadsheetReader::ReadFile(path, kGuestsSheetName, sheet, error)) << error;
        ASSERT_EQ(sheet.rows.size(), written.size());
        for (std::size_t r = 0; r < written.size(); ++r)
            for (std::size_t c = 0; c < written[r].size(); ++c)
                EXPECT_EQ(sheet.Cell(r, c), written[r][c].text) << r << "," << c;
        EXPECT_EQ(sheet.Cell(1, 4), "1 Herzl St\nHaifa");

        CScriptedPrompt prompt;
        for (int i = 0; i < 3; ++i) // Avi has no relation; in Hebrew the English words ask too
            prompt.Answer(EAnswer::Yes);
        const SGuestSheetResult back = ReadGuestSheet(sheet, prompt);
        ASSERT_EQ(back.guests.size(), 3u);
        EXPECT_EQ(back.guests[0].address, "1 Herzl St\r\nHaifa");
        EXPECT_EQ(back.guests[0].invited, 4);
        EXPECT_EQ(back.guests[0].uniqueId, doc.GetGuestAt(0)->GetUniqueId());
        EXPECT_EQ(back.guests[1].email, "yael@example.com");

        const std::string sheetXml = ZipPart(path, "xl/worksheets/sheet1.xml");
        EXPECT_NE(sheetXml.find("state=\"frozen\""), std::string::npos);
        EXPECT_NE(sheetXml.find("<autoFilter ref=\"A1:"), std::string::npos);
        EXPECT_EQ(sheetXml.find("rightToLeft=\"1\"") != std::string::npos,
                  language == ELanguage::Hebrew);
        const std::size_t count = sheetXml.find("<c r=\"I2\"");
        const std::string countCell = sheetXml.substr(count, sheetXml.find("</c>", count) - count);
        EXPECT_NE(countCell.find("<v>4</v>"), std::string::npos) << countCell;
        EXPECT_EQ(countCell.find(" t=\""), std::string::npos)
            << "counts are numbers: " << countCell;
    }
}

// Where LibreOffice is installed, it converts the workbook to CSV and every cell is what we wrote,
// the Hebrew included. Elsewhere the check is skipped (it is made by hand then).
TEST_F(CExportTest, LibreOfficeReadsTheWorkbookCellForCell)
{
    const std::string soffice = FindFirstOnPath({"soffice"});
    if (soffice.empty())
        GTEST_SKIP() << "LibreOffice (soffice) is not installed: the workbook was not opened in it";
    CNewOrvDoc& doc = OpenWithGuests(ELanguage::Hebrew);
    const auto workbook = m_root / "guests.xlsx";
    ASSERT_TRUE(WriteGuestsXlsx(doc, workbook));
    // A profile of its own, so a running LibreOffice of the user is never involved.
    const std::string command =
        "'" + soffice + "' -env:UserInstallation=file://" + (m_root / "lo-profile").string() +
        " --headless --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1'"
        " --outdir '" +
        m_root.Path().string() + "' '" + workbook.string() + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    SSheetCells sheet;
    std::string error;
    ASSERT_TRUE(CSpreadsheetReader::ReadFile(m_root / "guests.csv", "", sheet, error)) << error;
    const auto written = BuildGuestsSheet(doc);
    ASSERT_EQ(sheet.rows.size(), written.size());
    for (std::size_t r = 0; r < written.size(); ++r)
        for (std::size_t c = 0; c < written[r].size(); ++c)
            EXPECT_EQ(sheet.Cell(r, c), written[r][c].text) << r << "," << c;
}

TEST_F(CExportTest, FailedWritesLeaveTheFileAndAreTold)
{
    CNewOrvDoc& doc = OpenWithGuests();
    const auto fifo = m_root / "fifo.xlsx";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ExportGuestsWorkbook(doc, fifo, false));
    EXPECT_FALSE(ExportGuestListToSpreadsheet(doc, m_root / "missing" / "guests.xls"));
    ASSERT_EQ(m_prompt.Asked().size(), 2u);
    for (const auto& asked : m_prompt.Asked())
    {
        EXPECT_EQ(asked.caption, "Exporting guests finished");
        EXPECT_NE(asked.text.find("An error occurred"), std::string::npos);
    }
}

TEST_F(CExportTest, AnotherEventsGuestsKeepTheirIdsAndLeaveOurCounters)
{
    CNewOrvDoc& doc = OpenWithGuests();
    const auto file = m_root / "other.xml";
    WriteBytes(file, doc.BuildDataFileText());
    const int lastId = CRecordCounters::GetLastUniqueGuestId();
    const int lastIndex = CRecordCounters::PeekIndex(ERecordClass::Guest);
    const int tableIndex = CRecordCounters::PeekIndex(ERecordClass::Table);
    std::vector<SImportedGuest> guests;
    std::string error;
    ASSERT_TRUE(ReadGuestsOfDataFile(file, guests, error)) << error;
    EXPECT_EQ(CRecordCounters::GetLastUniqueGuestId(), lastId);
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Guest), lastIndex);
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Table), tableIndex);
    ASSERT_EQ(guests.size(), 3u);
    EXPECT_EQ(guests[0].uniqueId, doc.GetGuestAt(0)->GetUniqueId());
    EXPECT_EQ(guests[0].address, "1 Herzl St\r\nHaifa");
    EXPECT_EQ(guests[0].status, CGuest::kStatusApproved);
    EXPECT_TRUE(guests[1].invitationSent);

    WriteBytes(file, "<WeddingData><Guests><Guest><gsName>Half");
    EXPECT_FALSE(ReadGuestsOfDataFile(file, guests, error));
    EXPECT_EQ(guests.size(), 1u); // what came before the damage
}

// Fake programs on a PATH of our own: nothing is started, the launcher records the command.
class COpenerTest : public CExportTest
{
protected:
    void SetUp() override
    {
        CExportTest::SetUp();
        SetOfficeLauncher(
            [this](const std::string& program, const std::vector<std::string>& arguments)
            {
                m_started.push_back(program);
                m_started.insert(m_started.end(), arguments.begin(), arguments.end());
                return true;
            });
    }
    void TearDown() override
    {
        SetOfficeLauncher({});
        CExportTest::TearDown();
    }
    std::string FakeProgram(const std::string& folder, const std::string& name)
    {
        std::filesystem::create_directories(m_root / folder);
        const auto path = m_root / folder / name;
        WriteBytes(path, "#!/bin/sh\nexit 0\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        return path.string();
    }
    std::vector<std::string> m_started;
};

TEST_F(COpenerTest, LibreOfficeThenTheDesktopThenAMessage)
{
    CNewOrvDoc& doc = OpenWithGuests();
    const std::string soffice = FakeProgram("office", "soffice");
    const std::string xdgOpen = FakeProgram("desktop", "xdg-open");
    std::filesystem::create_directories(m_root / "empty");
    const std::filesystem::path relative = "guests.xls";
    const std::string absolute = std::filesystem::absolute(relative).string();
    {
        CEnvGuard path(
            "PATH", ((m_root / "office").string() + ":" + (m_root / "desktop").string()).c_str());
        EXPECT_TRUE(OpenFileInSpreadsheet(doc, relative, false, true));
        EXPECT_EQ(m_started, (std::vector<std::string>{
                                 soffice, "--calc",
                                 "--infilter=Text - txt - csv (StarCalc):9,34,76,1", absolute}));
        m_started.clear();
        EXPECT_TRUE(OpenReportInWordProcessor(doc, "/reports/GuestsList.html"));
        EXPECT_EQ(m_started,
                  (std::vector<std::string>{soffice, "--writer", "/reports/GuestsList.html"}));
        m_started.clear();
        m_prompt.Answer(EAnswer::No);
        EXPECT_FALSE(OpenFileInSpreadsheet(doc, relative, true, false));
        EXPECT_TRUE(m_started.empty());
        ASSERT_EQ(m_prompt.Asked().size(), 1u);
        EXPECT_EQ(m_prompt.Asked()[0].text, "Open this report in Excel?");
        EXPECT_EQ(m_prompt.Asked()[0].caption, "Open in Excel?");
    }
    {
        CEnvGuard path("PATH", (m_root / "desktop").string().c_str());
        EXPECT_TRUE(OpenFileInSpreadsheet(doc, "-x.xls", false, true));
        EXPECT_EQ(m_started, (std::vector<std::string>{
                                 xdgOpen, std::filesystem::absolute("-x.xls").string()}));
        m_started.clear();
    }
    {
        CEnvGuard path("PATH", (m_root / "empty").string().c_str());
        m_prompt.Clear();
        EXPECT_FALSE(OpenFileInSpreadsheet(doc, relative, false, true));
        EXPECT_TRUE(m_started.empty());
        ASSERT_EQ(m_prompt.Asked().size(), 1u);
        EXPECT_EQ(m_prompt.Asked()[0].caption, "Open in office program");
        EXPECT_NE(m_prompt.Asked()[0].text.find(relative.string()), std::string::npos);

        // The main menu's export: written, told, and the failed opening told as well.
        m_prompt.Clear();
        EXPECT_TRUE(ExportGuestListToSpreadsheet(doc, m_root / "all.xls"));
        ASSERT_EQ(m_prompt.Asked().size(), 2u);
        EXPECT_EQ(m_prompt.Asked()[0].text, "Exporting guests finished successfully");
        EXPECT_EQ(m_prompt.Asked()[1].caption, "Open in office program");
    }
}
} // namespace
