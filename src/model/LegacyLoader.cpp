#include "model/LegacyLoader.h"

#include "model/Guest.h"
#include "model/Shape.h"
#include "platform/Trace.h"

#include <algorithm>
#include <system_error>

namespace
{
constexpr int kGuestsFirstPos = 5;
constexpr int kGuestsPosRange = 70;
constexpr int kGuestsLastPos = kGuestsFirstPos + kGuestsPosRange;
} // namespace

int LoadGuestsFromIni(CProfileFile& ini, const CEventSettings* settings, IRecordOwner* owner,
                      std::vector<std::unique_ptr<CGuest>>& guests,
                      const std::function<void(int)>& progress)
{
    const long long count = std::max(1, ini.GetInt("GuestsCount", "GuestsCount", 1));
    int lastPos = -1;
    const auto beforeSection = [&](int n)
    {
        if (!progress)
            return;
        // A count below the real number of sections must not push the bar past its range.
        const long long pos = std::min<long long>(
            kGuestsLastPos, kGuestsFirstPos + (n + 1LL) * kGuestsPosRange / count);
        if (pos != lastPos)
        {
            lastPos = static_cast<int>(pos);
            progress(lastPos);
        }
    };
    const int loaded = LoadRecordsFromIni(
        ini, CGuest::kSectionPrefix, [&](int) { return std::make_unique<CGuest>(settings, owner); },
        guests, beforeSection);
    if (progress)
        progress(kGuestsLastPos);
    return loaded;
}

std::filesystem::path PrepareShapesIni(const std::filesystem::path& iniPath)
{
    std::error_code error;
    if (std::filesystem::exists(iniPath, error))
        return iniPath;
    std::filesystem::path oldPath = iniPath;
    oldPath.replace_extension(".gan");
    if (std::filesystem::is_regular_file(oldPath, error))
    {
        std::filesystem::rename(oldPath, iniPath, error);
        if (error)
            Trace("LoadShapesFromIni",
                  "cannot rename " + oldPath.string() + ": " + error.message());
    }
    return iniPath;
}

int LoadShapesFromIni(CProfileFile& ini, IRecordOwner* owner,
                      std::vector<std::unique_ptr<CShape>>& shapes)
{
    int loaded = 0;
    for (int n = 0;; ++n)
    {
        auto shape = std::make_unique<CShape>(owner);
        if (!shape->LoadFromIni(ini, CShape::kSectionPrefix + FormatInt(n)))
        {
            shape->ReleaseIndex();
            break;
        }
        // A blank section keeps its number: later shapes' indexes still match their sections.
        if (shape->IsBlankLegacyShape())
            continue;
        shapes.push_back(std::move(shape));
        ++loaded;
    }
    return loaded;
}
