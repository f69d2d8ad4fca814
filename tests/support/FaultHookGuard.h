#pragma once

#include "platform/FileFaults.h"

#include <functional>
#include <string>
#include <utility>

// Installs a file fault hook for the scope and removes it when the test ends, however it ends.
class CFaultHookGuard
{
public:
    explicit CFaultHookGuard(std::function<bool(EFileStep, const std::string&)> hook)
    {
        SetFileFaultHook(std::move(hook));
    }
    ~CFaultHookGuard() { SetFileFaultHook({}); }
    CFaultHookGuard(const CFaultHookGuard&) = delete;
    CFaultHookGuard& operator=(const CFaultHookGuard&) = delete;
};
