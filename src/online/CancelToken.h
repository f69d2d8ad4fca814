#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

// A cancellation flag shared between the online-services thread and whoever may stop it: every
// wait and every network call of the online services looks at it, so cancelling ends a check
// within a fraction of a second however slow the server. Thread-safe.
class CCancelToken
{
public:
    // Sets the flag and wakes every WaitFor at once.
    void Cancel();
    bool IsCancelled() const { return m_cancelled.load(); }

    // Sleeps for the duration or until cancelled; false when cancelled.
    bool WaitFor(std::chrono::milliseconds duration) const;

private:
    std::atomic<bool> m_cancelled{false};
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_wake;
};

// True when a token is given and cancelled (a null token never cancels).
inline bool IsCancelled(const CCancelToken* token)
{
    return token != nullptr && token->IsCancelled();
}
