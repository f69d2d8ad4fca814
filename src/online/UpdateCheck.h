#pragma once

#include "online/Approvals.h"

#include <functional>

class CCancelToken;
class CConnectivityCheck;
struct SOnlineConfig;

// Results of CheckForUpdates.
enum EUpdateResult : int
{
    kUpdateOffline = 0,   // no connection, or no valid version in the file
    kUpdateNewer = 1,     // a newer version was announced
    kUpdateNone = 2,      // no newer version
    kUpdateException = 3, // an exception was caught
};

// How a check hands over what it found. Both may be called from the online-services thread: the
// GUI passes each on to the interface thread; the command line acts at once.
struct SUpdateHooks
{
    // The approvals of the event, when the download gave at least one entry.
    std::function<void(ApprovalMap approvals)> approvalsArrived;
    // A newer version exists: ask the user (59710, 59711) and open "UL" on Yes.
    std::function<void(double version)> newerVersion;
};

// Reads "NewVersionUrl" with the version agent (the first 10 240 bytes) and parses it; -1 when
// the file cannot be read or holds no version.
double FetchVersionFile(const SOnlineConfig& config, const CCancelToken* cancel);

// The update check: the connectivity check, then (when online) the approvals of the event (when
// it has an event code), then the version file; a version above the program's own is announced
// through the hook. versionRead (when given) gets the version read, -1 for none. Any exception
// is caught and answers kUpdateException. connectivity may be null (the real check is made).
int CheckForUpdates(const SOnlineConfig& config, const SUpdateHooks& hooks,
                    const CCancelToken* cancel, double* versionRead = nullptr,
                    CConnectivityCheck* connectivity = nullptr);
