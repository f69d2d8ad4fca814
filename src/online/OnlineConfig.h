#pragma once

#include "online/HttpFetch.h"

#include <string>
#include <vector>

class CGeneralSettings;
class CNewOrvDoc;

// What the online services need, copied on the interface thread before a check starts, so the
// online-services thread never reads the document or the settings while the user works.
struct SOnlineConfig
{
    std::vector<std::string> pingHosts;
    std::string connectivityUrl;
    std::string connectivityAgent;
    std::string newVersionUrl;
    std::string versionAgent;
    std::string approvalsUrl; // "%s" stands for the event code
    std::string approvalsAgent;
    std::string webSite; // "UL": opened when the user wants the newer version
    std::string eventCode;
    double programVersion = 0;
    SNetLimits limits;
};

// The addresses of General.ini, the active event's "EventCode" and the program's version.
SOnlineConfig MakeOnlineConfig(const CGeneralSettings& general, const CNewOrvDoc& doc);

// The host names of a comma-separated list, trimmed, empty names dropped.
std::vector<std::string> SplitHostList(const std::string& list);
