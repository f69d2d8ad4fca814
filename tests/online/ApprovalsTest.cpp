#include "online/Approvals.h"

#include "model/Guest.h"
#include "platform/NumberText.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace
{
struct SParseCase
{
    const char* name;
    std::string text;
    ApprovalMap expected;
};

class ApprovalsParseTest : public ::testing::TestWithParam<SParseCase>
{
};

std::string Named(const ::testing::TestParamInfo<SParseCase>& info)
{
    return info.param.name;
}
} // namespace

TEST_P(ApprovalsParseTest, Parse)
{
    EXPECT_EQ(ParseApprovals(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ApprovalsParseTest,
    ::testing::Values(
        SParseCase{"TwoRecords", "12=2<br>\n13=0<br>\n", {{"12", "2"}, {"13", "0"}}},
        SParseCase{"NoBreakAtAll", "12=2", {}}, SParseCase{"Empty", "", {}},
        SParseCase{"TextAfterLastBreakIgnored", "12=2<br>\n13=0", {{"12", "2"}}},
        SParseCase{"RecordWithoutEqualsSkipped", "hello<br>\n13=1<br>\n", {{"13", "1"}}},
        SParseCase{"EqualsFirstSkipped", "=4<br>\n13=1<br>\n", {{"13", "1"}}},
        SParseCase{"SplitAtFirstEquals", "7=3=4<br>\n", {{"7", "3=4"}}},
        SParseCase{"LaterRecordReplaces", "5=1<br>\n5=3<br>\n", {{"5", "3"}}},
        // Exactly one character after each "<br>" is a separator: a CR LF leaves the LF to the
        // next code, and no separator costs the next code its first character.
        SParseCase{"CrLfKeepsLineFeed", "1=2<br>\r\n3=4<br>\r\n", {{"1", "2"}, {"\n3", "4"}}},
        SParseCase{"NoSeparator", "12=2<br>34=1<br>", {{"12", "2"}, {"4", "1"}}},
        SParseCase{"BreakAtTheVeryEnd", "12=2<br>", {{"12", "2"}}},
        SParseCase{"EmptyRecords", "<br>\n<br>\n9=9<br>\n", {{"9", "9"}}}),
    Named);

TEST(ApprovalsTest, OnlyTheFirst10240BytesAreRead)
{
    std::string text(10240 - 8, 'x');
    text += "1=2<br>\n"; // ends exactly at byte 10 240
    text += "3=4<br>\n";
    EXPECT_EQ(ParseApprovals(text), (ApprovalMap{{"x" + std::string(10240 - 9, 'x') + "1", "2"}}));
}

TEST(ApprovalsTest, NumbersFollowTheAllDigitsRule)
{
    const struct
    {
        const char* text;
        std::optional<int> expected;
    } cases[] = {{"0", 0},
                 {"12", 12},
                 {" 7\n", 7},
                 {"\n3", 3},
                 {"", std::nullopt},
                 {" ", std::nullopt},
                 {"-1", std::nullopt},
                 {"+2", std::nullopt},
                 {"2a", std::nullopt},
                 {"1 2", std::nullopt},
                 {"2147483647", 2147483647},
                 {"2147483648", std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(ParseApprovalNumber(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ApprovalsTest, AddressCarriesTheEventCodeAsOneSegment)
{
    const std::string pattern = "https://site.example/approve-me/%s/approval.txt";
    EXPECT_EQ(ApprovalsAddress(pattern, "A17"), "https://site.example/approve-me/A17/approval.txt");
    EXPECT_EQ(ApprovalsAddress(pattern, "a b/c?d#e%"),
              "https://site.example/approve-me/a%20b%2Fc%3Fd%23e%25/approval.txt");
    // Only the first "%s" stands for the code; a pattern without one is the address itself.
    EXPECT_EQ(ApprovalsAddress("http://h/%s/%s", "X"), "http://h/X/%s");
    EXPECT_EQ(ApprovalsAddress("http://h/fixed.txt", "X"), "http://h/fixed.txt");
}

// Guests Dana (unique id 12, coming 2, no answer), Avi (13, coming 3, approved) and Tal (14,
// coming 0, not coming).
class ApprovalsMatchTest : public CDocFixture
{
protected:
    void SetUp() override
    {
        CDocFixture::SetUp();
        CNewOrvDoc& doc = Open();
        m_dana = Guest(doc, "Dana", 12, 2, CGuest::kStatusUnknown);
        m_avi = Guest(doc, "Avi", 13, 3, CGuest::kStatusApproved);
        m_tal = Guest(doc, "Tal", 14, 0, CGuest::kStatusNotComing);
    }
    static CGuest* Guest(CNewOrvDoc& doc, const char* name, int id, int coming, int status)
    {
        CGuest* guest = doc.AddGuest(name, "Levi");
        guest->SetUniqueId(id);
        guest->SetComingCount(coming);
        guest->SetStatus(status);
        return guest;
    }
    bool Needs(const ApprovalMap& approvals) { return ApprovalsNeedAttention(*m_doc, approvals); }

    CGuest* m_dana = nullptr;
    CGuest* m_avi = nullptr;
    CGuest* m_tal = nullptr;
};

TEST_F(ApprovalsMatchTest, WhetherTheDialogOpens)
{
    // Already recorded with the same number and an answer: nothing to show.
    EXPECT_FALSE(Needs({{"13", "3"}}));
    EXPECT_FALSE(Needs({{"14", "0"}}));
    EXPECT_FALSE(Needs({}));
    // A new answer, a changed number, a change of mind.
    EXPECT_TRUE(Needs({{"12", "2"}}));
    EXPECT_TRUE(Needs({{"13", "4"}}));
    EXPECT_TRUE(Needs({{"13", "0"}}));
    EXPECT_TRUE(Needs({{"14", "1"}}));
    // Codes of no guest, and records that are no numbers, never open it.
    EXPECT_FALSE(Needs({{"99", "2"}}));
    EXPECT_FALSE(Needs({{"12", "abc"}, {"12x", "2"}, {"12", ""}}));
    EXPECT_TRUE(Needs({{"13", "3"}, {"12", "1"}}));
}

TEST_F(ApprovalsMatchTest, GuestAddedThisRunHasNoAnswerYet)
{
    // A guest added in this run carries the new-guest status until the next load; it has not
    // answered, so an approval with its default number must still reach it.
    CGuest* fresh = m_doc->AddGuest("Noa", "Bar");
    fresh->SetUniqueId(20);
    ASSERT_EQ(fresh->GetStatus(), CGuest::kStatusNew);
    EXPECT_TRUE(Needs({{"20", FormatInt(fresh->GetComingCount())}}));
}

TEST_F(ApprovalsMatchTest, EntriesNameTheirGuests)
{
    const auto entries = MatchApprovals(*m_doc, {{"12", "2"}, {"77", "1"}, {" 14", "x"}});
    ASSERT_EQ(entries.size(), 3u);
    // The map's order: " 14", "12", "77".
    EXPECT_EQ(entries[0].guests, std::vector<CGuest*>{m_tal});
    EXPECT_FALSE(entries[0].coming.has_value());
    EXPECT_FALSE(entries[0].needsAttention);
    EXPECT_EQ(entries[1].guests, std::vector<CGuest*>{m_dana});
    EXPECT_EQ(entries[1].coming, 2);
    EXPECT_TRUE(entries[1].needsAttention);
    EXPECT_TRUE(entries[2].guests.empty());
    EXPECT_FALSE(entries[2].needsAttention);
}
