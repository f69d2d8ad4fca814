#include "online/CancelToken.h"

void CCancelToken::Cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_cancelled = true;
    }
    m_wake.notify_all();
}

bool CCancelToken::WaitFor(std::chrono::milliseconds duration) const
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return !m_wake.wait_for(lock, duration, [this] { return m_cancelled.load(); });
}
