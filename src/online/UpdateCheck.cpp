#include "online/UpdateCheck.h"

#include "online/CancelToken.h"
#include "online/Connectivity.h"
#include "online/HttpFetch.h"
#include "online/OnlineConfig.h"
#include "online/VersionFile.h"
#include "platform/Trace.h"

#include <exception>

namespace
{
constexpr const char* kWhere = "CNewOrvDoc::CheckForUpdates";
constexpr std::size_t kVersionFileBytes = 10240;

int RunCheck(const SOnlineConfig& config, const SUpdateHooks& hooks, const CCancelToken* cancel,
             double& version, CConnectivityCheck* connectivity)
{
    Trace(kWhere, "Enter");
    Trace(kWhere, "Before IsInternetConnected");
    CConnectivityCheck ownCheck(config, cancel);
    CConnectivityCheck& check = connectivity != nullptr ? *connectivity : ownCheck;
    if (!check.IsInternetConnected())
        return kUpdateOffline;
    Trace(kWhere, "After IsInternetConnected");

    if (!config.eventCode.empty() && !IsCancelled(cancel))
    {
        ApprovalMap approvals;
        DownloadApprovals(config, approvals, cancel);
        if (!approvals.empty() && hooks.approvalsArrived)
            hooks.approvalsArrived(std::move(approvals));
    }

    version = IsCancelled(cancel) ? -1.0 : FetchVersionFile(config, cancel);
    if (version < 0)
    {
        Trace(kWhere, "Ver < 0");
        return kUpdateOffline;
    }
    if (config.programVersion >= version)
    {
        Trace(kWhere, "No Updates");
        return kUpdateNone;
    }
    if (hooks.newerVersion)
        hooks.newerVersion(version);
    return kUpdateNewer;
}
} // namespace

double FetchVersionFile(const SOnlineConfig& config, const CCancelToken* cancel)
{
    if (config.newVersionUrl.empty())
        return -1.0;
    SFetchRequest request;
    request.url = config.newVersionUrl;
    request.agent = config.versionAgent;
    request.maxBytes = kVersionFileBytes;
    request.limits = config.limits;
    const SFetchResult result = FetchUrl(request, cancel);
    return result.ok ? ParseVersionFile(result.body) : -1.0;
}

int CheckForUpdates(const SOnlineConfig& config, const SUpdateHooks& hooks,
                    const CCancelToken* cancel, double* versionRead,
                    CConnectivityCheck* connectivity)
{
    double version = -1.0;
    int result = kUpdateException;
    try
    {
        result = RunCheck(config, hooks, cancel, version, connectivity);
    }
    catch (const std::exception& error)
    {
        Trace(kWhere, std::string("exception: ") + error.what());
    }
    catch (...)
    {
        Trace(kWhere, "exception");
    }
    if (versionRead != nullptr)
        *versionRead = version;
    return result;
}
