// The CSV list of guests without an answer, read back as RFC 4180 reads it.

#include "office/UnansweredCsv.h"

#include "model/Guest.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
// The records of an RFC 4180 text: fields split at commas outside quotes, quotes doubled inside
// quoted fields, records ended by CR LF outside quotes.
std::vector<std::vector<std::string>> ParseCsv(const std::string& text)
{
    std::vector<std::vector<std::string>> records(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        std::string& field = records.back().back();
        if (quoted)
        {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        }
        else if (c == '"')
            quoted = true;
        else if (c == ',')
            records.back().emplace_back();
        else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
        {
            ++i;
            records.emplace_back(1);
        }
        else
            field += c;
    }
    if (records.back() == std::vector<std::string>(1))
        records.pop_back();
    return records;
}

class UnansweredCsvTest : public CDocFixture
{
};
} // namespace

TEST_F(UnansweredCsvTest, NamesWithCommasQuotesAndLineBreaksStayInTheirColumn)
{
    CNewOrvDoc& doc = Open();
    const struct
    {
        const char* first;
        const char* family;
        const char* phone;
        int status;
        int invited;
    } guests[] = {
        {"Dana", "Levi, Jr.", "03-5551234", CGuest::kStatusUnknown, 2},
        {"Moshe \"Moshiko\"", "Cohen", "", CGuest::kStatusUnknown, 4},
        {"Line\r\nBreak", "", "050,1", CGuest::kStatusNew, 1},
        {"Approved", "Guest", "", CGuest::kStatusApproved, 2},
        {"Not", "Coming", "", CGuest::kStatusNotComing, 2},
        {"", "", "", CGuest::kStatusUnknown, 3},
        {"שרה", "", "", CGuest::kStatusUnknown, 5},
    };
    for (const auto& g : guests)
    {
        CGuest* guest = doc.AddGuest(g.first, g.family);
        guest->SetPhone(g.phone);
        guest->SetStatus(g.status);
        guest->SetInvitedCount(g.invited);
    }

    const fs::path file = m_root / "Guests.csv";
    int lines = 0;
    ASSERT_EQ(WriteUnansweredCsv(doc, file, &lines), EUnansweredCsvResult::Written);
    EXPECT_EQ(lines, 4);
    const std::string text = ReadBytes(file);
    ASSERT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 with a byte-order mark";
    const auto records = ParseCsv(text.substr(3));
    const std::vector<std::vector<std::string>> expected = {
        {"שם האורח", "מס' טלפון ראשי", "מס' טלפון נוסף", "מס' אורחים משוער"},
        {"Dana Levi, Jr.", "03-5551234", "", "2"},
        {"Moshe \"Moshiko\" Cohen", "", "", "4"},
        {"Line\r\nBreak", "050,1", "", "1"},
        {"שרה", "", "", "5"},
    };
    EXPECT_EQ(records, expected);
}

TEST_F(UnansweredCsvTest, NobodyUnansweredWritesNoFile)
{
    CNewOrvDoc& doc = Open();
    doc.AddGuest("Dan", "Levi")->SetStatus(CGuest::kStatusApproved);
    const fs::path file = m_root / "Guests.csv";
    EXPECT_EQ(WriteUnansweredCsv(doc, file), EUnansweredCsvResult::Nobody);
    EXPECT_FALSE(fs::exists(file));
    std::string error;
    doc.AddGuest("Dana", "");
    EXPECT_EQ(WriteUnansweredCsv(doc, m_root / "no-folder" / "Guests.csv", nullptr, &error),
              EUnansweredCsvResult::Failed);
    EXPECT_FALSE(error.empty());
}
