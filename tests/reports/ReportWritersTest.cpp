// The report writers' rules as invariants over generated events; the byte-exact forms are the
// golden cases of tests/cli (ReportGoldenTest).

#include "model/Group.h"
#include "model/Guest.h"
#include "model/Offer.h"
#include "model/Table.h"
#include "model/Task.h"
#include "reports/CardDesign.h"
#include "reports/ReportWriter.h"
#include "settings/AppSettings.h"
#include "settings/EventSettings.h"
#include "support/DocFixture.h"

#include <regex>

namespace
{
std::size_t Count(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class ReportWritersTest : public CDocFixture
{
protected:
    CNewOrvDoc& Event(int guests, int tables = 3)
    {
        CNewOrvDoc& doc = Open();
        for (int t = 1; t <= tables; ++t)
            doc.CreateTable("Table " + std::to_string(t));
        for (int i = 0; i < guests; ++i)
        {
            CGuest* guest = doc.AddGuest("First" + std::to_string(i), "Family");
            guest->SetComingCount(1);
            guest->SetTable(static_cast<std::int16_t>(i % (tables + 1)));
        }
        return doc;
    }

    std::string Html(EReportKind kind, const SReportOptions& options = {}, bool hebrew = false)
    {
        return CReportWriter(*m_doc, options, hebrew).Html(kind);
    }
};

TEST_F(ReportWritersTest, PageBreaksFallBetweenPagesNeverAfterTheLast)
{
    const struct
    {
        int guests;
        int lines;
    } cases[] = {{0, 5}, {1, 1}, {5, 5}, {6, 5}, {11, 5}, {7, 0}, {7, -3}, {30, 7}};
    for (const auto& c : cases)
    {
        Event(c.guests);
        SReportOptions options;
        options.linesPerPage = c.lines;
        const int lines = c.lines < 1 ? 1 : c.lines; // 0 and below count as 1
        const std::size_t pages = c.guests == 0 ? 1 : (c.guests + lines - 1) / lines;
        SCOPED_TRACE(std::to_string(c.guests) + " guests, " + std::to_string(c.lines) + " lines");
        for (EReportKind kind : {EReportKind::GuestsByFirstName, EReportKind::GuestsByLastName,
                                 EReportKind::GuestsByView})
        {
            const std::string html = Html(kind, options);
            EXPECT_EQ(Count(html, "page-break-before"), pages - 1);
            EXPECT_EQ(Count(html, "<tr>\r\n<td>"), static_cast<std::size_t>(c.guests));
            EXPECT_EQ(Count(html, "<table"), pages + 1); // and the summary's
        }
        EXPECT_EQ(Count(Html(EReportKind::HandForm, options), "<td align=left width=85"),
                  static_cast<std::size_t>(lines * 8));
    }
}

TEST_F(ReportWritersTest, TheSummaryCountsKidsAsAShareOfADish)
{
    CNewOrvDoc& doc = Event(0);
    for (int i = 0; i < 10; ++i)
    {
        CGuest* guest = doc.AddGuest("G" + std::to_string(i), "");
        guest->SetComingCount(10);
        guest->SetInvitedCount(11);
        guest->SetKids(i < 4 ? 1 : 0);
        guest->SetChildSeat(i == 0);
    }
    const auto dishes = [&]
    {
        std::smatch match;
        const std::string html = Html(EReportKind::GuestsByView);
        std::regex_search(html, match, std::regex("catering</td><td>([^<]*)<"));
        return match[1].str();
    };
    EXPECT_EQ(dishes(), "98.00"); // KidsPresent 50: 4 kids among 100 coming
    doc.GetSettings().SetKidsPresent(25);
    EXPECT_EQ(dishes(), "97.00");
    const std::string html = Html(EReportKind::GuestsByGroup);
    EXPECT_NE(html.find("invited</td><td>110</td>"), std::string::npos);
    EXPECT_NE(html.find("kids chairs</td><td>1</td>"), std::string::npos);
    for (auto& guest : doc.GetGuests())
        guest->SetKids(0);
    EXPECT_EQ(dishes(), "100.00"); // no kids: as many dishes as people coming
}

TEST_F(ReportWritersTest, GroupsKeepTheirGuestsTogetherWhateverTheirNames)
{
    CNewOrvDoc& doc = Event(0);
    // "A" and "A-b": a key of the group name followed by dots would put the first guest of "A"
    // before "A-b" and the others after it.
    const char* groups[] = {"A", "A-b", "A", "B", "A", "A-b", "A"};
    const char* families[] = {"Zur", "Cohen", "Adams", "Levi", "Katz", "Bar", "Adams"};
    for (int i = 0; i < 7; ++i)
    {
        CGuest* guest = doc.AddGuest("N" + std::to_string(i), families[i]);
        guest->SetGroupName(groups[i]);
    }
    doc.AddGroup("Empty group");
    for (bool abc : {false, true})
    {
        SReportOptions options;
        options.abcInGroup = abc;
        options.columns = 0x3; // first and family name
        const std::string html = Html(EReportKind::GuestsByGroup, options);
        EXPECT_EQ(Count(html, ">A</th>"), 1u);
        EXPECT_EQ(Count(html, ">A-b</th>"), 1u);
        EXPECT_EQ(Count(html, "Empty group"), 0u); // a group without guests writes no heading
        EXPECT_NE(html.find("<th colspan=2>"), std::string::npos);
        std::vector<std::string> order;
        const std::regex first("<td>(N[0-9])</td>");
        for (auto it = std::sregex_iterator(html.begin(), html.end(), first);
             it != std::sregex_iterator(); ++it)
            order.push_back((*it)[1]);
        // Inside "A": list order, or by family name with ties in list order.
        const std::vector<std::string> expected =
            abc ? std::vector<std::string>{"N2", "N6", "N4", "N0", "N5", "N1", "N3"}
                : std::vector<std::string>{"N0", "N2", "N4", "N6", "N1", "N5", "N3"};
        EXPECT_EQ(order, expected) << "abc " << abc;
    }
}

TEST_F(ReportWritersTest, NamesSortWithABlankForAnEmptyPartAndTiesInListOrder)
{
    CNewOrvDoc& doc = Event(0);
    const std::pair<const char*, const char*> names[] = {
        {"Ann", "Lee"}, {"Ann", ""}, {"Ann", "Lee"}, {"", "Lee"}, {"Anna", "Bell"}};
    for (const auto& [first, family] : names)
        doc.AddGuest(first, family)->SetInfo(std::to_string(doc.GetGuestCount()));
    SReportOptions options;
    options.columns = 0x20000; // the details column holds the list position
    const auto order = [&](EReportKind kind)
    {
        std::string result;
        const std::string html = Html(kind, options);
        const std::regex cell("<td>([0-9])</td>\r\n");
        for (auto it = std::sregex_iterator(html.begin(), html.end(), cell);
             it != std::sregex_iterator(); ++it)
            result += (*it)[1];
        return result;
    };
    // "Ann " < "AnnLee" (twice, in list order) < "AnnaBell"; " Lee" first of all.
    EXPECT_EQ(order(EReportKind::GuestsByFirstName), "42135");
    // "Bell..." < "Lee " < "LeeAnn" x2; " Ann" first.
    EXPECT_EQ(order(EReportKind::GuestsByLastName), "25413");
    EXPECT_EQ(order(EReportKind::GuestsByView), "12345");
}

TEST_F(ReportWritersTest, TheFilterAndTheHiddenNonComingChooseTheGuests)
{
    CNewOrvDoc& doc = Event(0);
    for (int i = 0; i < 6; ++i)
    {
        CGuest* guest = doc.AddGuest("G" + std::to_string(i), "");
        guest->SetGroupName(i % 2 == 0 ? "Even" : "Odd");
        guest->SetComingCount(i < 2 ? 0 : 2);
    }
    SReportOptions options;
    options.filter.group = "Even";
    EXPECT_EQ(Count(Html(EReportKind::GuestsByView, options), "<tr>\r\n<td>"), 3u);
    EXPECT_EQ(Count(Html(EReportKind::Approvals, options), "Guest ID:"), 3u);
    doc.GetAppSettings().SetHideNonComingInGuestsReport(true);
    EXPECT_EQ(Count(Html(EReportKind::GuestsByView, options), "<tr>\r\n<td>"), 2u);
    EXPECT_EQ(Count(Html(EReportKind::TablesById), " - G"), 6u);
    doc.GetAppSettings().SetHideNonComingInTableReport(true);
    EXPECT_EQ(Count(Html(EReportKind::TablesById), " - G"), 4u);
}

TEST_F(ReportWritersTest, TableReportsListEveryTableWithItsPeople)
{
    CNewOrvDoc& doc = Event(12, 3);
    CGuest* guest = doc.GetGuestAt(1);
    guest->SetKids(2);
    guest->SetChildSeat(true);
    doc.GetTableAt(3)->SetHallNumber(1);
    doc.GetTableAt(1)->SetHallNumber(7);
    doc.CreateTable("Empty");
    const std::string byId = Html(EReportKind::TablesById);
    EXPECT_EQ(Count(byId, "<font color=blue>Table "), 5u); // the unseated table and the empty one
    EXPECT_EQ(Count(byId, "Number of guests in this table - 3"), 4u);
    EXPECT_EQ(Count(byId, "Number of guests in this table - 0"), 1u);
    EXPECT_NE(byId.find("From them 2 kid(s)</font></td><td align=left><font color=red>[Need baby "
                        "seat]</font>"),
              std::string::npos);
    const std::string byHall = Html(EReportKind::TablesByHall);
    EXPECT_LT(byHall.find("(Id 3)"), byHall.find("(Id 1)"));
    const std::string text = CReportWriter(doc, {}, false).Text(EReportKind::TablesById);
    EXPECT_EQ(Count(text, std::string(70, '-') + "\r\n"), 10u);
    EXPECT_NE(text.find("\r\n                      Table 1 ( Table 1 )\r\n"), std::string::npos);
    EXPECT_NE(text.find("1. First1 Family\r\n"), std::string::npos);
    const std::string hebrew = CReportWriter(doc, {}, true).Html(EReportKind::TablesById);
    EXPECT_NE(hebrew.find("<td align=right><font color=red>צריך כסא תינוק</font></td>"
                          "<td align=right><font color=red>"),
              std::string::npos); // reversed: the baby seat first
}

TEST_F(ReportWritersTest, HebrewWritesTheColumnsInReverseWithTheShekels)
{
    Event(1);
    SReportOptions options;
    options.columns = 0x1 | 0x100 | 0x200;
    const std::string english = Html(EReportKind::GuestsByView, options, false);
    EXPECT_EQ(Count(english, "<FONT color=blue"), 2u); // no shekel column in English
    const std::string hebrew = Html(EReportKind::GuestsByView, options, true);
    EXPECT_LT(hebrew.find(">שקלים<"), hebrew.find(">דולרים<"));
    EXPECT_LT(hebrew.find(">דולרים<"), hebrew.find(">שם<"));
    EXPECT_NE(hebrew.find("charset=windows-1255"), std::string::npos);
}

TEST_F(ReportWritersTest, CardGridsStartAPageAfterEachFullPageOfRows)
{
    for (int guests : {0, 1, 6, 7, 12, 13})
    {
        Event(guests);
        SReportOptions options;
        options.cardsPerLine = 3;
        options.linesPerPage = 2;
        const std::string html = Html(EReportKind::TableCards, options);
        const std::size_t rows = (guests + 2) / 3;
        const std::size_t pages = rows == 0 ? 1 : (rows + 1) / 2;
        EXPECT_EQ(Count(html, "page-break-before"), pages - 1) << guests;
        EXPECT_EQ(Count(html, "class=\"tableCard\""), static_cast<std::size_t>(guests));
        if (guests == 7)
        {
            EXPECT_GT(html.find("First6"), html.find("page-break-before"));
        }
        options.pagePerCard = true;
        const std::string single = Html(EReportKind::AddressCards, options);
        EXPECT_EQ(Count(single, "page-break-before"), guests > 0 ? guests - 1u : 0u);
    }
}

TEST_F(ReportWritersTest, CardDesignsLeaveOutEmptyLinesAndWriteTheFontInPoints)
{
    CNewOrvDoc& doc = Event(1);
    SCardDesign design = SCardDesign::Load(doc.GetSettings(), false);
    EXPECT_EQ(design.fontSize, SCardDesign::kDefaultFontSize); // never designed: not invisible
    design.line1 = "Hello";
    design.line2 = "";
    design.line5 = "";
    design.fontSize = 120;
    design.borderColor = "red;}</style><script>";
    const std::string preview = CReportWriter::CardPreview(design, false);
    EXPECT_NE(preview.find("font-size: 12;\r\n"), std::string::npos);
    EXPECT_NE(preview.find("border: solid black 1px"), std::string::npos);
    EXPECT_EQ(Count(preview, "<tr><td>"), 2u); // the first line and the empty row
    EXPECT_NE(preview.find("Adler Family"), std::string::npos);
    design.borderColor = "springgreen";
    EXPECT_TRUE(design.Store(doc.GetSettings()));
    EXPECT_FALSE(design.Store(doc.GetSettings()));
    const SCardDesign stored = SCardDesign::Load(doc.GetSettings(), false);
    EXPECT_EQ(stored.borderColor, "springgreen");
    EXPECT_EQ(stored.fontSize, 120);
    EXPECT_EQ(BorderColourIndex("violet"), BorderColourIndex("purple"));
    EXPECT_EQ(BorderColourIndex("hotpink"), BorderColourIndex("pink"));
    EXPECT_EQ(BorderColourIndex("beige"), -1);
}

TEST_F(ReportWritersTest, OtherReportsFollowTheirData)
{
    CNewOrvDoc& doc = Event(4);
    COffer* perGuest = doc.AddOffer("Food", "Catering", 120, "");
    perGuest->SetPerGuest(true);
    perGuest->SetInCombination(1, true);
    doc.AddOffer("Band", "Music", 6000, "")->SetInCombination(1, true);
    SReportOptions options;
    options.combination = 1;
    const std::string budget = Html(EReportKind::Budget, options);
    EXPECT_NE(budget.find("<td align=left>120</td><td align=left>Food</td>"), std::string::npos);
    EXPECT_NE(budget.find("Total 6120"), std::string::npos);
    EXPECT_NE(budget.find("Offer number 2"), std::string::npos);

    doc.GetGuestAt(0)->SetTransportation(2);
    const std::string transport = Html(EReportKind::Transportation);
    EXPECT_EQ(Count(transport, "<tr><td></td></tr>"), 4u); // the empty ones keep their table
    EXPECT_EQ(Count(transport, "transportation : 0</th>"), 4u);
    EXPECT_EQ(Count(transport, "transportation : 1</th>"), 1u);

    auto task = std::make_unique<CTask>();
    task->SetName("Book <the> hall");
    doc.GetTaskRoot()->AddChild(std::move(task));
    EXPECT_NE(Html(EReportKind::Tasks).find("Book &lt;the&gt; hall"), std::string::npos);

    options.approvalPageUrl = "https://example.test/approve.html?a=1&b=2";
    const std::string notes = Html(EReportKind::Approvals, options);
    EXPECT_EQ(Count(notes, "<tr>\r\n"), 2u); // two notes per row
    EXPECT_EQ(Count(notes, "</tr>\r\n"), 2u);
    EXPECT_NE(notes.find("approve.html?a=1&amp;b=2"), std::string::npos);
}
} // namespace
