#include "platform/SharedProfile.h"

#include "platform/AtomicFile.h"
#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"

#include <utility>

namespace fs = std::filesystem;

bool UpdateSharedProfile(const fs::path& path, const std::function<void(CProfileFile&)>& change,
                         std::string* error, CProfileFile* merged, std::chrono::milliseconds wait)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    CEventLock lock;
    std::string lockError;
    switch (lock.Acquire(folder, "velloran", wait, &lockError, kSharedProfileLockFile))
    {
    case CEventLock::EResult::Acquired:
        RemoveStaleTemporaryFiles(folder, {path.filename().string()});
        break;
    case CEventLock::EResult::Busy:
        if (error != nullptr)
            *error = FormatText(LoadString(IDS_SETTINGS_LOCK_BUSY), {path.string()});
        return false;
    case CEventLock::EResult::Failed:
        // Failing the write would lose the settings for certain; an unguarded write only may.
        Trace("UpdateSharedProfile", lockError);
        break;
    }

    CProfileFile file(path);
    change(file);
    if (!file.SaveIfChanged(error))
        return false;
    if (merged != nullptr)
        *merged = std::move(file);
    return true;
}
