#include "platform/FileFaults.h"

#include <utility>

namespace
{
std::function<bool(EFileStep, const std::string&)>& Hook()
{
    static std::function<bool(EFileStep, const std::string&)> hook;
    return hook;
}
} // namespace

void SetFileFaultHook(std::function<bool(EFileStep step, const std::string& path)> hook)
{
    Hook() = std::move(hook);
}

bool FileStepFails(EFileStep step, const std::string& path)
{
    const auto& hook = Hook();
    return hook && hook(step, path);
}
