// The online commands against a real HTTP server on 127.0.0.1: what they print, what they save,
// and that the reading ones write nothing.

#include "CliTestSupport.h"
#include "online/Connectivity.h"
#include "online/Ping.h"
#include "support/HttpTestServer.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace fs = std::filesystem;

namespace
{
// Dana Levi (no answer, 2 coming, dana@mail.example), Avi Cohen (approved, 3, avi@mail.example),
// Tal Or (no answer, 4, no address); the event code "E7". Saved once, so the unique ids stay.
class OnlineCommandsTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(m_root / "DB" / "Settings.ini", "[KeySettings]\r\nEventCode=E7\r\n");
        WriteBytes(m_root / "DB" / "Guests.ini",
                   "[Guest0]\r\nNM=Dana\r\nFM=Levi\r\nAN=2\r\nST=0\r\nEM=dana@mail.example\r\n"
                   "[Guest1]\r\nNM=Avi\r\nFM=Cohen\r\nAN=3\r\nST=1\r\nEM=avi@mail.example\r\n"
                   "[Guest2]\r\nNM=Tal\r\nFM=Or\r\nAN=4\r\nST=0\r\n");
        ASSERT_EQ(Run({"save"}).status, 0);
        const nlohmann::json dump = Dump();
        for (const auto& guest : dump["guests"])
            m_ids[guest["firstName"].get<std::string>()] = guest["uniqueId"].get<int>();
        m_server = std::make_unique<CHttpTestServer>(m_site.Path());
        if (!m_server->IsRunning())
            GTEST_SKIP() << m_server->Error();
    }
    void Serve(const std::string& path, const std::string& text)
    {
        WriteBytes(m_site / path, text);
    }
    std::string Id(const std::string& name) { return std::to_string(m_ids.at(name)); }
    std::string ApprovalsUrl() { return m_server->Url("/approve-me/%s/approval.txt"); }
    nlohmann::json GuestNamed(const std::string& name)
    {
        const nlohmann::json dump = Dump();
        for (const auto& guest : dump["guests"])
            if (guest["firstName"] == name)
                return guest;
        return {};
    }

    std::map<std::string, int> m_ids;
    CTempDir m_site; // outside the data root, whose files must stay as they are
    std::unique_ptr<CHttpTestServer> m_server;
};
} // namespace

TEST_F(OnlineCommandsTest, ApprovalsListsAndApplyWrites)
{
    Serve("approve-me/E7/approval.txt", Id("Dana") + "=5<br>\n" + Id("Avi") + "=3<br>\n" +
                                            "999=1<br>\n" + Id("Tal") + "=x<br>\n");
    const auto before = Snapshot();
    SCliRun run = Run({"approvals", "--url", ApprovalsUrl(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(Snapshot() == before) << "approvals only reads";
    const auto list = nlohmann::json::parse(run.out)["approvals"];
    nlohmann::json expected = nlohmann::json::array();
    for (const auto& [code, coming, uniqueId, needs] :
         std::vector<std::tuple<std::string, nlohmann::json, nlohmann::json, bool>>{
             {Id("Dana"), 5, m_ids["Dana"], true},
             {Id("Avi"), 3, m_ids["Avi"], false},
             {Id("Tal"), nullptr, m_ids["Tal"], false},
             {"999", 1, nullptr, false}})
        expected.push_back({{"code", code},
                            {"coming", coming},
                            {"uniqueId", uniqueId},
                            {"needsAttention", needs}});
    // The map's order is the codes' text order.
    std::sort(expected.begin(), expected.end(),
              [](const nlohmann::json& a, const nlohmann::json& b)
              { return a["code"] < b["code"]; });
    EXPECT_EQ(list, expected);
    EXPECT_NE(m_server->Requests().find("/approve-me/E7/approval.txt BrivaneApprovals"),
              std::string::npos);

    run = Run({"apply-approvals", "--url", ApprovalsUrl()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Data was updated successfully"), std::string::npos) << run.err;
    EXPECT_EQ(GuestNamed("Dana")["coming"], 5);
    EXPECT_EQ(GuestNamed("Dana")["status"], 1);
    EXPECT_EQ(GuestNamed("Tal")["status"], 0);

    // A second run finds nothing new and tells nothing.
    run = Run({"apply-approvals", "--url", ApprovalsUrl(), "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["updated"], nlohmann::json::array());
    EXPECT_TRUE(run.err.empty()) << run.err;
}

TEST_F(OnlineCommandsTest, ApprovalsFailures)
{
    // No file on the server.
    EXPECT_EQ(Run({"approvals", "--url", ApprovalsUrl()}).status, 1);
    EXPECT_EQ(Run({"apply-approvals", "--url", ApprovalsUrl()}).status, 1);
    EXPECT_EQ(GuestNamed("Dana")["status"], 0);
    WriteBytes(m_root / "DB" / "Settings.ini", "[KeySettings]\r\nEventCode=\r\n");
    const SCliRun run = Run({"approvals", "--url", ApprovalsUrl()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no event code"), std::string::npos) << run.err;
}

TEST_F(OnlineCommandsTest, CheckUpdates)
{
    WriteBytes(m_root / "program" / "General.ini",
               "[General]\r\nPingHosts=127.0.0.1\r\nConnectivityUrl=" + m_server->Url("/") +
                   "\r\nUL=https://www.velloran.example/download\r\n");
    Serve("version.txt", "VerVerVerVer2.60CurCurCurCur");
    Serve("same.txt", "VerVerVerVer2.52CurCurCurCur");
    const auto before = Snapshot();

    if ((CConnectivityCheck::ReadSystemState().flags & kConnectionLan) == 0 &&
        !CPing().Ping(1, "127.0.0.1"))
        GTEST_SKIP() << "no network interface and no ICMP: the check cannot succeed here";

    SCliRun run = Run({"check-updates", "--url", m_server->Url("/same.txt"), "--json"});
    auto answer = nlohmann::json::parse(run.out);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(answer, nlohmann::json({{"result", 2}, {"version", 2.52}}));

    // Without a display "Yes" prints the vendor's address.
    const char* display = std::getenv("DISPLAY");
    const std::string savedDisplay = display != nullptr ? display : "";
    ::unsetenv("DISPLAY");
    ::unsetenv("WAYLAND_DISPLAY");
    run = Run({"check-updates", "--url", m_server->Url("/version.txt"), "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "result: 1\nversion: 2.6\nhttps://www.velloran.example/download\n");
    EXPECT_NE(run.err.find("New version exists!"), std::string::npos) << run.err;
    run = Run({"check-updates", "--url", m_server->Url("/version.txt"), "--no", "--json"});
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json({{"result", 1}, {"version", 2.6}}));
    if (!savedDisplay.empty())
        ::setenv("DISPLAY", savedDisplay.c_str(), 1);

    run = Run({"check-updates", "--url", m_server->Url("/missing.txt"), "--json"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(nlohmann::json::parse(run.out), nlohmann::json({{"result", 0}, {"version", -1}}));
    EXPECT_TRUE(Snapshot() == before) << "check-updates only reads";
}

TEST_F(OnlineCommandsTest, OnlineCheckAnswersEitherWay)
{
    WriteBytes(m_root / "program" / "General.ini",
               "[General]\r\nPingHosts=\r\nConnectivityUrl=http://127.0.0.1:1/\r\n");
    const SCliRun run = Run({"online-check", "--json"});
    EXPECT_EQ(run.status, 0) << run.err;
    const auto answer = nlohmann::json::parse(run.out);
    EXPECT_EQ(answer["connected"], false);
    EXPECT_EQ(answer["ping"], false);
    EXPECT_EQ(answer["page"], false);
    EXPECT_TRUE(answer["localNetwork"].is_boolean());
}

TEST_F(OnlineCommandsTest, MailLinks)
{
    SCliRun run = Run({"mailto", "all", "--print"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "mailto:?bcc=dana@mail.example,avi@mail.example\n");
    run = Run({"mailto", "unanswered", "--print"});
    EXPECT_EQ(run.out, "mailto:?bcc=dana@mail.example\n");

    run = Run({"mailto", "requests", "--print", "--no"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("1 email windows"), std::string::npos) << run.err;
    run = Run({"mailto", "requests", "--print", "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "mailto:dana@mail.example?Subject=%20Please%20approve%20your%20attendance"
                       "%20in%20our%20event%20&Body=https://www.velloran.example/approve.html"
                       "%0D%0AEvent%20Code:%20E7%0D%0AGuest%20Code:%20" +
                           Id("Dana") + "\n");

    EXPECT_EQ(Run({"mailto", "nobody"}).status, 2);
}
