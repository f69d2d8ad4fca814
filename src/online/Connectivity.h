#pragma once

#include "online/OnlineConfig.h"

class CCancelToken;

// The system's connection state, read from the network interfaces: an interface other than the
// loopback that is up and has an IPv4 or IPv6 address is a connection; a point-to-point one
// (a modem, a tunnel) sets kConnectionModem, any other kConnectionLan.
enum EConnectionFlags : int
{
    kConnectionModem = 1,
    kConnectionLan = 2,
};

struct SConnectionState
{
    int flags = 0;
    bool connected = false;
};

// The answer of a check and the steps that gave it (for the command line).
struct SConnectivityResult
{
    bool connected = false;
    bool localNetwork = false; // the system reported a local network
    bool ping = false;         // a pinged host answered
    bool page = false;         // the test page was read
};

// Whether the computer is on the Internet: the system state, a ping of the configured hosts and,
// on a local network whose ping found no answer, the test page. On a local network a ping reply
// or a readable page answers yes; without one, a ping reply answers yes and otherwise the
// system's own answer stands (a modem connection counts without a reply). Every step is traced;
// nothing is shown to the user. The ping and page steps can be replaced in tests.
class CConnectivityCheck
{
public:
    static constexpr int kPingAttempts = 5;

    CConnectivityCheck(const SOnlineConfig& config, const CCancelToken* cancel);
    virtual ~CConnectivityCheck() = default;

    bool IsInternetConnected(SConnectivityResult* details = nullptr);

    // One read of up to 10 240 bytes of the test page; any answer, even an error page or an empty
    // one, means connected.
    bool TestGoogleSite();

    static SConnectionState ReadSystemState();

protected:
    virtual SConnectionState SystemState();
    // Each configured host in turn, kPingAttempts each, until one answers.
    virtual bool PingHosts();
    virtual bool ReadTestPage();

private:
    const SOnlineConfig& m_config;
    const CCancelToken* m_cancel;
};
