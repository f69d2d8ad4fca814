#include "online/VersionFile.h"

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
