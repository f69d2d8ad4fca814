// The online services against real HTTP servers on 127.0.0.1: the downloads, the whole update
// check with its hand-over, the thread and its cancellation.

#include "online/CancelToken.h"
#include "online/Connectivity.h"
#include "online/OnlineServicesThread.h"
#include "online/Ping.h"
#include "online/UpdateCheck.h"
#include "support/HttpTestServer.h"
#include "support/TempDir.h"

#include <future>
#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
// Whether the connectivity check can answer yes with the local server as its test page: a local
// network makes it read the page, and without one a ping of 127.0.0.1 must answer.
bool CanReachLoopback()
{
    if ((CConnectivityCheck::ReadSystemState().flags & kConnectionLan) != 0)
        return true;
    CPing ping;
    return ping.Ping(1, "127.0.0.1");
}

// A connectivity check whose answer is fixed (the real one is tested on its own).
class CFixedConnectivity : public CConnectivityCheck
{
public:
    CFixedConnectivity(const SOnlineConfig& config, bool online)
        : CConnectivityCheck(config, nullptr), m_online(online)
    {
    }

protected:
    SConnectionState SystemState() override { return {kConnectionLan, m_online}; }
    bool PingHosts() override { return m_online; }
    bool ReadTestPage() override { return m_online; }

private:
    bool m_online;
};

class OnlineFlowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_server = std::make_unique<CHttpTestServer>(m_dir / "site");
        if (!m_server->IsRunning())
            GTEST_SKIP() << m_server->Error();
        m_config.newVersionUrl = m_server->Url("/version.txt");
        m_config.versionAgent = "Brivane";
        m_config.approvalsUrl = m_server->Url("/approve-me/%s/approval.txt");
        m_config.approvalsAgent = "BrivaneApprovals";
        m_config.connectivityUrl = m_server->Url("/");
        m_config.connectivityAgent = "Velloran";
        m_config.pingHosts = {"127.0.0.1"};
        m_config.eventCode = "E7";
        m_config.programVersion = 2.52;
    }
    void Serve(const std::string& path, const std::string& text)
    {
        WriteBytes(m_dir / "site" / path, text);
    }

    // Runs the check with a fixed connectivity answer; records the hand-over.
    int Check(bool online = true)
    {
        CFixedConnectivity connectivity(m_config, online);
        SUpdateHooks hooks;
        hooks.approvalsArrived = [this](ApprovalMap approvals)
        { m_approvals.push_back(approvals); };
        hooks.newerVersion = [this](double version) { m_announced.push_back(version); };
        return CheckForUpdates(m_config, hooks, nullptr, &m_version, &connectivity);
    }

    CTempDir m_dir;
    std::unique_ptr<CHttpTestServer> m_server;
    SOnlineConfig m_config;
    std::vector<ApprovalMap> m_approvals;
    std::vector<double> m_announced;
    double m_version = 0;
};
} // namespace

TEST_F(OnlineFlowTest, FetchReadsTheFirstBytesAndSendsTheAgent)
{
    Serve("big.txt", std::string(20000, 'a'));
    SFetchRequest request;
    request.url = m_server->Url("/big.txt");
    request.agent = "TestAgent";
    const SFetchResult result = FetchUrl(request, nullptr);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.body, std::string(10240, 'a'));
    EXPECT_NE(m_server->Requests().find("/big.txt TestAgent"), std::string::npos);

    // An error page is no file; the connectivity check takes any answer.
    request.url = m_server->Url("/missing.txt");
    EXPECT_FALSE(FetchUrl(request, nullptr).ok);
    request.failOnHttpError = false;
    EXPECT_TRUE(FetchUrl(request, nullptr).ok);

    // Only http and https.
    request.url = "file:///etc/hostname";
    const SFetchResult refused = FetchUrl(request, nullptr);
    EXPECT_FALSE(refused.ok);
    EXPECT_TRUE(refused.body.empty());
}

TEST_F(OnlineFlowTest, WholeCheckAnnouncesANewerVersionAndHandsOverTheApprovals)
{
    Serve("version.txt", "Latest: VerVerVerVer2.6CurCurCurCur\n");
    Serve("approve-me/E7/approval.txt", "12=2<br>\n13=0<br>\n");
    EXPECT_EQ(Check(), kUpdateNewer);
    EXPECT_DOUBLE_EQ(m_version, 2.6);
    EXPECT_EQ(m_announced, std::vector<double>{2.6});
    ASSERT_EQ(m_approvals.size(), 1u);
    EXPECT_EQ(m_approvals[0], (ApprovalMap{{"12", "2"}, {"13", "0"}}));
    const std::string requests = m_server->Requests();
    EXPECT_NE(requests.find("/approve-me/E7/approval.txt BrivaneApprovals"), std::string::npos);
    EXPECT_NE(requests.find("/version.txt Brivane\n"), std::string::npos);
}

TEST_F(OnlineFlowTest, ResultCodes)
{
    // Equal version: nothing announced.
    Serve("version.txt", "VerVerVerVer2.52CurCurCurCur");
    EXPECT_EQ(Check(), kUpdateNone);
    EXPECT_DOUBLE_EQ(m_version, 2.52);

    // No end marker, then no file at all: no valid version.
    Serve("version.txt", "VerVerVerVer9.99");
    EXPECT_EQ(Check(), kUpdateOffline);
    std::filesystem::remove(m_dir / "site" / "version.txt");
    EXPECT_EQ(Check(), kUpdateOffline);
    EXPECT_DOUBLE_EQ(m_version, -1.0);
    EXPECT_TRUE(m_announced.empty());
    // No approvals file, an empty one: nothing handed over.
    Serve("approve-me/E7/approval.txt", "");
    EXPECT_EQ(Check(), kUpdateOffline);
    EXPECT_TRUE(m_approvals.empty());

    // Offline: nothing is fetched.
    const std::string before = m_server->Requests();
    EXPECT_EQ(Check(false), kUpdateOffline);
    EXPECT_EQ(m_server->Requests(), before);

    // No event code: no approvals download.
    Serve("version.txt", "VerVerVerVer3.00CurCurCurCur");
    m_config.eventCode.clear();
    EXPECT_EQ(Check(), kUpdateNewer);
    EXPECT_EQ(m_server->Requests().find("approve-me", before.size()), std::string::npos);

    // An exception in a step is caught.
    CFixedConnectivity connectivity(m_config, true);
    SUpdateHooks throwing;
    throwing.newerVersion = [](double) { throw std::runtime_error("boom"); };
    EXPECT_EQ(CheckForUpdates(m_config, throwing, nullptr, nullptr, &connectivity),
              kUpdateException);
}

TEST_F(OnlineFlowTest, ConnectivityCheckAgainstTheLocalServer)
{
    // The local page stands in for the public one; 127.0.0.1 answers a ping where ICMP is allowed.
    if (!CanReachLoopback())
        GTEST_SKIP() << "no network interface and no ICMP: the check cannot succeed here";
    CConnectivityCheck check(m_config, nullptr);
    SConnectivityResult details;
    EXPECT_TRUE(check.IsInternetConnected(&details));
    EXPECT_TRUE(details.ping || details.page);
    // Without a host that answers, a local network still connects through the page.
    m_config.pingHosts = {"no-such-host.invalid"};
    if (details.localNetwork)
    {
        CConnectivityCheck pageOnly(m_config, nullptr);
        EXPECT_TRUE(pageOnly.IsInternetConnected(&details));
        EXPECT_FALSE(details.ping);
        EXPECT_TRUE(details.page);
    }

    m_config.connectivityUrl = m_server->Url("/no-such-page");
    CConnectivityCheck pageOnly(m_config, nullptr);
    EXPECT_TRUE(pageOnly.TestGoogleSite()); // an error page is an answer
    m_config.connectivityUrl = "http://127.0.0.1:1/";
    CConnectivityCheck nothing(m_config, nullptr);
    EXPECT_FALSE(nothing.TestGoogleSite());
}

TEST_F(OnlineFlowTest, ThreadRunsTheCheckOnce)
{
    Serve("version.txt", "VerVerVerVer2.60CurCurCurCur");
    Serve("approve-me/E7/approval.txt", "12=2<br>\n");
    std::promise<ApprovalMap> arrived;
    SUpdateHooks hooks;
    hooks.approvalsArrived = [&arrived](ApprovalMap approvals)
    { arrived.set_value(std::move(approvals)); };
    if (!CanReachLoopback())
        GTEST_SKIP() << "no network interface and no ICMP: the check cannot succeed here";
    m_config.pingHosts = {"127.0.0.1"};
    COnlineServicesThread thread(m_config, hooks, std::chrono::milliseconds(0));
    auto future = arrived.get_future();
    ASSERT_EQ(future.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    for (int i = 0; i < 600 && !thread.IsFinished(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    thread.Stop();
    EXPECT_EQ(future.get(), (ApprovalMap{{"12", "2"}}));
    EXPECT_TRUE(thread.IsFinished());
    EXPECT_EQ(thread.Result(), kUpdateNewer);
}

TEST_F(OnlineFlowTest, StopBeforeTheDelayRunsNothing)
{
    bool called = false;
    SUpdateHooks hooks;
    hooks.approvalsArrived = [&called](ApprovalMap) { called = true; };
    {
        COnlineServicesThread thread(m_config, hooks); // the 10-second start-up delay
        thread.Stop();
        EXPECT_TRUE(thread.IsFinished());
        EXPECT_EQ(thread.Result(), -1);
    }
    EXPECT_FALSE(called);
    EXPECT_TRUE(m_server->Requests().empty());
}

TEST(OnlineCancelTest, ADeadServerNeverHoldsTheCaller)
{
    CSilentTestServer silent;
    ASSERT_GT(silent.Port(), 0);
    // Limits far beyond the test's own time limit: only the cancellation can end the read.
    SFetchRequest request;
    request.url = silent.Url("/version.txt");
    request.limits.connectTimeoutMs = 600000;
    request.limits.totalTimeoutMs = 600000;
    request.limits.lowSpeedSeconds = 600;
    CCancelToken cancel;
    auto reading = std::async(std::launch::async, [&] { return FetchUrl(request, &cancel); });
    EXPECT_EQ(reading.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    cancel.Cancel();
    const SFetchResult result = reading.get();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "cancelled");

    // Without a cancellation the time-outs end it.
    request.limits.totalTimeoutMs = 300;
    const SFetchResult timedOut = FetchUrl(request, nullptr);
    EXPECT_FALSE(timedOut.ok);
    EXPECT_NE(timedOut.error, "cancelled");
}

TEST(OnlineCancelTest, StoppingTheThreadCutsTheCheckShort)
{
    CSilentTestServer silent;
    SOnlineConfig config;
    config.pingHosts.clear();
    config.connectivityUrl = silent.Url("/");
    config.newVersionUrl = silent.Url("/version.txt");
    config.limits.connectTimeoutMs = 600000;
    config.limits.totalTimeoutMs = 600000;
    config.limits.lowSpeedSeconds = 600;
    bool announced = false;
    SUpdateHooks hooks;
    hooks.newerVersion = [&announced](double) { announced = true; };
    COnlineServicesThread thread(config, hooks, std::chrono::milliseconds(0));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    thread.Stop(); // the test's time limit fails it if this waits for the server
    EXPECT_TRUE(thread.IsFinished());
    EXPECT_EQ(thread.Result(), kUpdateOffline);
    EXPECT_FALSE(announced);
}
