#pragma once

#include "online/CancelToken.h"
#include "online/OnlineConfig.h"
#include "online/UpdateCheck.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

// The online-services thread: after a delay (10 s at start-up, so start-up finishes first) it runs
// CheckForUpdates once on its own copy of the configuration and hands what it found over through
// the hooks. It never touches the document or its records.
//
// Stop() (and the destructor) cancels the wait and every network call and joins: a dead server
// delays it by a fraction of a second, never by its time-outs.
class COnlineServicesThread
{
public:
    static constexpr std::chrono::milliseconds kStartupDelay{10000};

    // finished (may be empty) gets the result on the thread when a check ran to its end.
    COnlineServicesThread(SOnlineConfig config, SUpdateHooks hooks,
                          std::chrono::milliseconds delay = kStartupDelay,
                          std::function<void(int result)> finished = {});
    ~COnlineServicesThread();
    COnlineServicesThread(const COnlineServicesThread&) = delete;
    COnlineServicesThread& operator=(const COnlineServicesThread&) = delete;

    // Cancels and joins; the hooks are never called after it returns.
    void Stop();

    bool IsFinished() const { return m_finished.load(); }
    // The check's result; -1 while it runs and when it was cancelled before it began.
    int Result() const { return m_result.load(); }

private:
    void Run(std::chrono::milliseconds delay);

    SOnlineConfig m_config;
    SUpdateHooks m_hooks;
    std::function<void(int)> m_finishedHook;
    CCancelToken m_cancel;
    std::atomic<bool> m_finished{false};
    std::atomic<int> m_result{-1};
    std::thread m_thread;
};
