#include "online/Connectivity.h"

#include "online/CancelToken.h"
#include "online/HttpFetch.h"
#include "online/Ping.h"
#include "platform/Trace.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <sys/socket.h>

namespace
{
constexpr std::size_t kTestPageBytes = 10240;

std::string Flag(bool value)
{
    return value ? "1" : "0";
}
} // namespace

CConnectivityCheck::CConnectivityCheck(const SOnlineConfig& config, const CCancelToken* cancel)
    : m_config(config), m_cancel(cancel)
{
}

SConnectionState CConnectivityCheck::ReadSystemState()
{
    SConnectionState state;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) != 0)
        return state;
    for (ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next)
    {
        if (entry->ifa_addr == nullptr || (entry->ifa_flags & IFF_UP) == 0 ||
            (entry->ifa_flags & IFF_LOOPBACK) != 0)
            continue;
        const int family = entry->ifa_addr->sa_family;
        if (family != AF_INET && family != AF_INET6)
            continue;
        state.connected = true;
        state.flags |=
            (entry->ifa_flags & IFF_POINTOPOINT) != 0 ? kConnectionModem : kConnectionLan;
    }
    ::freeifaddrs(list);
    return state;
}

SConnectionState CConnectivityCheck::SystemState()
{
    return ReadSystemState();
}

bool CConnectivityCheck::PingHosts()
{
    for (const std::string& host : m_config.pingHosts)
    {
        if (IsCancelled(m_cancel))
            return false;
        CPing ping(m_cancel);
        if (ping.Ping(kPingAttempts, host))
            return true;
    }
    return false;
}

bool CConnectivityCheck::ReadTestPage()
{
    SFetchRequest request;
    request.url = m_config.connectivityUrl;
    request.agent = m_config.connectivityAgent;
    request.maxBytes = kTestPageBytes;
    request.failOnHttpError = false; // any answer of the site proves the connection
    request.limits = m_config.limits;
    const SFetchResult result = FetchUrl(request, m_cancel);
    Trace("", "hNet=1  hUrlFile=" + std::string(result.httpStatus != 0 ? "1" : "0"));
    if (result.httpStatus != 0 || result.ok)
        Trace("", "hUrlFile ok");
    Trace("", result.ok ? "Read remote site ok" : "Read remote site failed");
    return result.ok;
}

bool CConnectivityCheck::TestGoogleSite()
{
    Trace("CNewOrvApp::TestGoogleSite", "Enter");
    const bool connected = !m_config.connectivityUrl.empty() && ReadTestPage();
    Trace("CNewOrvApp::TestGoogleSite",
          std::string("Exit bConnected=") + (connected ? "TRUE" : "FALSE") + "\n");
    return connected;
}

bool CConnectivityCheck::IsInternetConnected(SConnectivityResult* details)
{
    SConnectivityResult result;
    Trace("CNewOrvApp::IsInternetConnected", "");
    Trace("CNewOrvApp::IsInternetConnected", "Enter");
    const SConnectionState state = SystemState();
    bool connection = state.connected;
    Trace("", "Flags=" + std::to_string(state.flags) + "  bThereIsConnection=" + Flag(connection));
    result.localNetwork = connection && (state.flags & kConnectionLan) != 0;

    if (result.localNetwork)
    {
        result.ping = PingHosts();
        if (result.ping)
        {
            Trace("", "Connected using ping");
            result.connected = true;
        }
        else
        {
            Trace("", "Before TestSite");
            result.page = TestGoogleSite();
            result.connected = result.page;
        }
    }
    else
    {
        Trace("CNewOrvApp::IsInternetConnected", "- Check Usinf Ping");
        result.ping = PingHosts();
        if (result.ping)
        {
            Trace("CNewOrvApp::IsInternetConnected", "- connected using ping!");
            connection = true;
        }
        Trace("CNewOrvApp::IsInternetConnected", "Exit bThereIsConnection=" + Flag(connection));
        result.connected = connection;
    }
    if (details != nullptr)
        *details = result;
    return result.connected;
}
