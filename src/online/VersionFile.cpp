#include "online/VersionFile.h"

#include "online/HttpFetch.h"
#include "online/OnlineConfig.h"
#include "platform/NumberText.h"

namespace
{
constexpr std::string_view kVersionMarker = "VerVerVerVer";
constexpr std::string_view kEndMarker = "CurCurCurCur";
constexpr std::size_t kVersionLength = 4;
constexpr std::size_t kFileBytes = 10240;
} // namespace

double ParseVersionFile(std::string_view text)
{
    text = text.substr(0, kFileBytes);
    const std::size_t marker = text.find(kVersionMarker);
    if (marker == std::string_view::npos || text.find(kEndMarker) == std::string_view::npos)
        return -1.0;
    return ParseLeadingDouble(text.substr(marker + kVersionMarker.size(), kVersionLength));
}

double FetchVersionFile(const SOnlineConfig& config, const CCancelToken* cancel)
{
    if (config.newVersionUrl.empty())
        return -1.0;
    SFetchRequest request;
    request.url = config.newVersionUrl;
    request.agent = config.versionAgent;
    request.maxBytes = kFileBytes;
    request.limits = config.limits;
    const SFetchResult result = FetchUrl(request, cancel);
    return result.ok ? ParseVersionFile(result.body) : -1.0;
}
