#include "online/MailLinks.h"

#include "model/Guest.h"
#include "platform/StringTable.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

TEST(MailLinksTest, PercentEncoding)
{
    EXPECT_EQ(PercentEncode("a b&c?d#e%f=g", EUrlPart::MailValue), "a%20b%26c%3Fd%23e%25f=g");
    EXPECT_EQ(PercentEncode("a b&c?d#e%f=g", EUrlPart::MailAddress), "a%20b%26c%3Fd%23e%25f%3Dg");
    EXPECT_EQ(PercentEncode("https://x.example/a.html", EUrlPart::MailValue),
              "https://x.example/a.html");
    EXPECT_EQ(PercentEncode("a/b", EUrlPart::PathSegment), "a%2Fb");
    EXPECT_EQ(PercentEncode("a+b=c", EUrlPart::QueryValue), "a%2Bb%3Dc");
    EXPECT_EQ(PercentEncode("dana+tag@mail.example", EUrlPart::MailAddress),
              "dana+tag@mail.example");
    EXPECT_EQ(PercentEncode("x,y", EUrlPart::MailAddress), "x%2Cy");
    // UTF-8 byte by byte, controls too.
    EXPECT_EQ(PercentEncode("\xD7\x90\r\n", EUrlPart::MailValue), "%D7%90%0D%0A");
    EXPECT_EQ(PercentEncode(std::string_view("\0", 1), EUrlPart::MailValue), "%00");
}

TEST(MailLinksTest, VerificationNumberDropsTheFraction)
{
    EXPECT_EQ(VerificationNumber(12, 7.3), 87); // 87.6
    EXPECT_EQ(VerificationNumber(10, 7.3), 73);
    EXPECT_EQ(VerificationNumber(0, 7.3), 0);
    EXPECT_EQ(VerificationNumber(2147483647, 1e300), 9200000000000000000LL);
    EXPECT_EQ(VerificationNumber(-3, 1e300), -9200000000000000000LL);
}

TEST(MailLinksTest, BccLink)
{
    EXPECT_EQ(BccMailLink({}), "");
    EXPECT_EQ(BccMailLink({"a@x.example", "b c&d@y.example"}),
              "mailto:?bcc=a@x.example,b%20c%26d@y.example");
}

// Dana (12, no answer, with address), Avi (13, approved, with address), Tal (14, no answer,
// without address), Noa (15, not coming, with address).
class MailCommandsTest : public CDocFixture
{
protected:
    void SetUp() override
    {
        CDocFixture::SetUp();
        CNewOrvDoc& doc = Open();
        Guest(doc, "Dana", 12, CGuest::kStatusUnknown, " dana@mail.example ");
        Guest(doc, "Avi", 13, CGuest::kStatusApproved, "avi@mail.example");
        Guest(doc, "Tal", 14, CGuest::kStatusUnknown, "  ");
        Guest(doc, "Noa", 15, CGuest::kStatusNotComing, "noa@mail.example");
        doc.GetSettings().SetKeySetting("EventCode", "E&7");
        m_info.eventCode = "E&7";
        m_info.eventName = "Dana & Avi";
        m_info.approvalPageUrl = "https://www.velloran.example/approve.html";
        m_info.verificationFactor = 7.3;
    }
    static void Guest(CNewOrvDoc& doc, const char* name, int id, int status, const char* email)
    {
        CGuest* guest = doc.AddGuest(name, "Levi");
        guest->SetUniqueId(id);
        guest->SetStatus(status);
        guest->SetEmail(email);
    }
    LinkOpener Collect()
    {
        return [this](const std::string& link) { m_links.push_back(link); };
    }

    SApprovalMailInfo m_info;
    std::vector<std::string> m_links;
};

TEST_F(MailCommandsTest, AllGuestsAndUnanswered)
{
    EXPECT_TRUE(SendMailToAllGuests(*m_doc, Collect()));
    EXPECT_TRUE(SendMailToUnansweredGuests(*m_doc, Collect()));
    EXPECT_EQ(m_links, (std::vector<std::string>{
                           "mailto:?bcc=dana@mail.example,avi@mail.example,noa@mail.example",
                           "mailto:?bcc=dana@mail.example"}));
    EXPECT_TRUE(m_prompt.Asked().empty());
}

TEST_F(MailCommandsTest, NobodyToWrite)
{
    for (const auto& guest : m_doc->GetGuests())
        guest->SetEmail("");
    EXPECT_FALSE(SendMailToAllGuests(*m_doc, Collect()));
    EXPECT_TRUE(m_prompt.Asked().empty()); // all guests: nothing happens
    EXPECT_FALSE(SendMailToUnansweredGuests(*m_doc, Collect()));
    EXPECT_EQ(SendApprovalRequests(*m_doc, m_info, Collect()), 0);
    EXPECT_TRUE(m_links.empty());
    ASSERT_EQ(m_prompt.Asked().size(), 2u);
    for (const auto& asked : m_prompt.Asked())
    {
        EXPECT_EQ(asked.text, LoadString(IDS_NO_MATCHING_GUESTS_TEXT));
        EXPECT_EQ(asked.caption, LoadString(IDS_NO_GUESTS_FOUND_CAPTION));
    }
}

TEST_F(MailCommandsTest, ApprovalRequestsAskFirst)
{
    m_prompt.Answer(EAnswer::No);
    EXPECT_EQ(SendApprovalRequests(*m_doc, m_info, Collect()), 0);
    EXPECT_TRUE(m_links.empty());
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].text,
              "The program will opne now 1 email windows.\r\nDo you want to continue?");
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);

    m_prompt.Answer(EAnswer::Yes);
    EXPECT_EQ(SendApprovalRequests(*m_doc, m_info, Collect()), 1);
    EXPECT_EQ(m_links, std::vector<std::string>{
                           "mailto:dana@mail.example?Subject=%20Please%20approve%20your%20"
                           "attendance%20in%20our%20event%20&Body=https://www.velloran.example/"
                           "approve.html%0D%0AEvent%20Code:%20E%267%0D%0AGuest%20Code:%2012"});
}

TEST_F(MailCommandsTest, HebrewApprovalLink)
{
    Open(ELanguage::Hebrew);
    CGuest* guest = m_doc->AddGuest("דנה", "לוי");
    guest->SetUniqueId(12);
    guest->SetEmail("dana@mail.example");
    m_info.approvalPageUrl = "https://il.velloran.example/approve.php";
    m_info.eventName = "החתונה";
    const std::string link = ApprovalMailLink(*guest, m_info);
    const std::string subject =
        PercentEncode("החתונה - אנא אשרו הגעתכם לארוע ", EUrlPart::MailValue);
    EXPECT_EQ(link, "mailto:dana@mail.example?Subject=" + subject +
                        "&Body=https://il.velloran.example/approve.php?event=E%25267%26gid=12"
                        "%26aid=87%0D%0A" +
                        PercentEncode(":קוד ארוע E&7", EUrlPart::MailValue) + "%0D%0A" +
                        PercentEncode(":קוד מוזמן 12", EUrlPart::MailValue) + "%0D%0A" +
                        PercentEncode(":אימות מוזמן 87", EUrlPart::MailValue));
    // One "&" only, before the body: the body survives as one parameter.
    EXPECT_EQ(std::count(link.begin(), link.end(), '&'), 1);
    EXPECT_EQ(link.find(' '), std::string::npos);
}
