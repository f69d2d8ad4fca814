#include "online/OnlineConfig.h"

#include "settings/GeneralSettings.h"
#include "store/NewOrvDoc.h"

std::vector<std::string> SplitHostList(const std::string& list)
{
    std::vector<std::string> hosts;
    std::size_t start = 0;
    while (start <= list.size())
    {
        std::size_t end = list.find(',', start);
        if (end == std::string::npos)
            end = list.size();
        std::string host = list.substr(start, end - start);
        const std::size_t first = host.find_first_not_of(" \t");
        const std::size_t last = host.find_last_not_of(" \t");
        if (first != std::string::npos)
            hosts.push_back(host.substr(first, last - first + 1));
        start = end + 1;
    }
    return hosts;
}

SOnlineConfig MakeOnlineConfig(const CGeneralSettings& general, const CNewOrvDoc& doc)
{
    SOnlineConfig config;
    config.pingHosts = SplitHostList(general.pingHosts);
    config.connectivityUrl = general.connectivityUrl;
    config.connectivityAgent = general.connectivityAgent;
    config.newVersionUrl = general.newVersionUrl;
    config.versionAgent = general.versionAgent;
    config.approvalsUrl = general.approvalsUrl;
    config.approvalsAgent = general.approvalsAgent;
    config.webSite = general.webSite;
    config.eventCode = doc.GetEventSettings()->GetKeySetting("EventCode");
    config.programVersion = CNewOrvDoc::kProgramVersion;
    return config;
}
