#include "CliTestSupport.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace
{
std::string DataFile(const std::string& name)
{
    const char* root = std::getenv("VELLORAN_TEST_DATA");
    return (fs::path(root != nullptr ? root : "tests/data") / "office" / name).string();
}
} // namespace

class OfficeCommandsTest : public CCliTest
{
};

// The exported workbook imports back: into the same event every line is a duplicate.
TEST_F(OfficeCommandsTest, ImportExportAndImportBack)
{
    SCliRun run = Run({"import-guests", DataFile("reordered.csv"), "--json", "--yes"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["added"], 0) << "without --all or --rows nothing is added";
    EXPECT_EQ(json["offered"], (nlohmann::json{"Dana Cohen", "Avi Levi", "יעל שמואלי"}));
    ASSERT_EQ(Dump()["guests"].size(), 0u);

    run = Run(
        {"import-guests", DataFile("reordered.xls"), "--rows", "1,3", "--group", "Excel", "--yes"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 guests were added to the list.\n");
    auto guests = Dump()["guests"];
    ASSERT_EQ(guests.size(), 2u);
    EXPECT_EQ(guests[1]["familyName"], "שמואלי");

    const fs::path workbook = m_root / "out.xlsx";
    const auto before = Snapshot();
    ASSERT_EQ(Run({"export-xlsx", workbook.string()}).status, 0);
    ASSERT_EQ(Run({"export-tsv", "tables", (m_root / "t.xls").string()}).status, 0);
    ASSERT_EQ(Run({"export-tsv", "guests", (m_root / "g.xls").string()}).status, 0);
    fs::remove(workbook);
    fs::remove(m_root / "t.xls");
    fs::remove(m_root / "g.xls");
    EXPECT_EQ(Snapshot(), before) << "an export writes only its file";
    ASSERT_EQ(Run({"export-xlsx", workbook.string()}).status, 0);

    run = Run({"import-guests", workbook.string(), "--all", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["added"], 0);
    EXPECT_EQ(json["refused"], (nlohmann::json{"Dana Cohen", "יעל שמואלי"}));
    EXPECT_NE(run.err.find("Guests already in list"), std::string::npos);

    // A missing column, a file that is no workbook, usage.
    const fs::path bad = m_root / "bad.csv";
    WriteBytes(bad, "Name,Last Name\r\nDana,Cohen\r\n");
    run = Run({"import-guests", bad.string(), "--all", "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(nlohmann::json::parse(run.out)["errors"],
              (nlohmann::json{"'Relation' column is missing"}));
    WriteBytes(bad, std::string("PK\x03\x04xx", 6));
    run = Run({"import-guests", bad.string(), "--all"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The file could not be read"), std::string::npos);
    EXPECT_EQ(Run({"import-guests", (m_root / "none.csv").string()}).status, 3);
    EXPECT_EQ(Run({"import-guests", bad.string(), "--all", "--rows", "1"}).status, 2);
    EXPECT_EQ(Run({"export-tsv", "meetings", bad.string()}).status, 2);
    EXPECT_EQ(Run({"export-tsv", "guests", (m_root / "no" / "g.xls").string()}).status, 1);
    EXPECT_EQ(Dump()["guests"].size(), 2u);
}
