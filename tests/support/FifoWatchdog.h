#pragma once

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <filesystem>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <utility>

// Keeps a test from hanging on a FIFO: should the code under test wait on it after all, the
// watchdog opens it for writing now and then and closes it again, which ends the wait with an
// empty read. Ends (at once) with its scope.
class CFifoWatchdog
{
public:
    explicit CFifoWatchdog(std::filesystem::path fifo) : m_fifo(std::move(fifo))
    {
        m_thread = std::thread(
            [this]
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                while (!m_done)
                {
                    if (m_wake.wait_for(lock, std::chrono::seconds(2)) == std::cv_status::timeout)
                    {
                        const int fd = ::open(m_fifo.c_str(), O_WRONLY | O_NONBLOCK);
                        if (fd >= 0)
                            ::close(fd);
                    }
                }
            });
    }
    ~CFifoWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    CFifoWatchdog(const CFifoWatchdog&) = delete;
    CFifoWatchdog& operator=(const CFifoWatchdog&) = delete;

private:
    std::filesystem::path m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::thread m_thread;
};
