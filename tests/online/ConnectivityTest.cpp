#include "online/Connectivity.h"

#include <gtest/gtest.h>

namespace
{
// The system state, the ping and the page as a test wants them; counts what was tried.
class CScriptedCheck : public CConnectivityCheck
{
public:
    CScriptedCheck(const SOnlineConfig& config, SConnectionState state, bool pingAnswers,
                   bool pageReads)
        : CConnectivityCheck(config, nullptr), m_state(state), m_pingAnswers(pingAnswers),
          m_pageReads(pageReads)
    {
    }
    int pings = 0;
    int pages = 0;

protected:
    SConnectionState SystemState() override { return m_state; }
    bool PingHosts() override
    {
        ++pings;
        return m_pingAnswers;
    }
    bool ReadTestPage() override
    {
        ++pages;
        return m_pageReads;
    }

private:
    SConnectionState m_state;
    bool m_pingAnswers;
    bool m_pageReads;
};
} // namespace

TEST(ConnectivityTest, Decisions)
{
    const SConnectionState lan{kConnectionLan, true};
    const SConnectionState modem{kConnectionModem, true};
    const SConnectionState none{0, false};
    const struct
    {
        const char* name;
        SConnectionState state;
        bool ping, page;
        bool connected;
        int pings, pages;
    } cases[] = {
        {"local network, ping answers", lan, true, false, true, 1, 0},
        {"local network, ping blocked, page read", lan, false, true, true, 1, 1},
        {"local network, nothing answers", lan, false, false, false, 1, 1},
        {"dial-up counts without a reply", modem, false, false, true, 1, 0},
        {"no connection, ping answers", none, true, false, true, 1, 0},
        {"no connection, nothing answers", none, false, true, false, 1, 0},
    };
    SOnlineConfig config;
    config.connectivityUrl = "http://127.0.0.1:1/";
    for (const auto& c : cases)
    {
        CScriptedCheck check(config, c.state, c.ping, c.page);
        SConnectivityResult details;
        EXPECT_EQ(check.IsInternetConnected(&details), c.connected) << c.name;
        EXPECT_EQ(details.connected, c.connected) << c.name;
        EXPECT_EQ(details.localNetwork, c.state.flags == kConnectionLan) << c.name;
        EXPECT_EQ(details.ping, c.ping) << c.name;
        EXPECT_EQ(details.page, c.pages > 0 && c.page) << c.name;
        EXPECT_EQ(check.pings, c.pings) << c.name;
        EXPECT_EQ(check.pages, c.pages) << c.name;
    }
}

TEST(ConnectivityTest, HostListIsSplitAtCommas)
{
    EXPECT_EQ(SplitHostList(" a.example , b.example,,c "),
              (std::vector<std::string>{"a.example", "b.example", "c"}));
    EXPECT_TRUE(SplitHostList(" , ").empty());
}

TEST(ConnectivityTest, SystemStateSeesNoLoopbackAsConnection)
{
    // Whatever the machine has, a state that says connected names how.
    const SConnectionState state = CConnectivityCheck::ReadSystemState();
    EXPECT_EQ(state.connected, state.flags != 0);
}
