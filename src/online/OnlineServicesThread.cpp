#include "online/OnlineServicesThread.h"

#include "platform/Trace.h"

COnlineServicesThread::COnlineServicesThread(SOnlineConfig config, SUpdateHooks hooks,
                                             std::chrono::milliseconds delay,
                                             std::function<void(int result)> finished)
    : m_config(std::move(config)), m_hooks(std::move(hooks)), m_finishedHook(std::move(finished)),
      m_thread([this, delay] { Run(delay); })
{
}

COnlineServicesThread::~COnlineServicesThread()
{
    Stop();
}

void COnlineServicesThread::Stop()
{
    m_cancel.Cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void COnlineServicesThread::Run(std::chrono::milliseconds delay)
{
    if (m_cancel.WaitFor(delay))
    {
        // A hook is only called while the check is not cancelled: once Stop began, whatever
        // the hooks would reach may be going away.
        SUpdateHooks guarded;
        if (m_hooks.approvalsArrived)
            guarded.approvalsArrived = [this](ApprovalMap approvals)
            {
                if (!m_cancel.IsCancelled())
                    m_hooks.approvalsArrived(std::move(approvals));
            };
        if (m_hooks.newerVersion)
            guarded.newerVersion = [this](double version)
            {
                if (!m_cancel.IsCancelled())
                    m_hooks.newerVersion(version);
            };
        m_result = CheckForUpdates(m_config, guarded, &m_cancel);
        Trace("COnlineServicesThread", "result " + std::to_string(m_result.load()));
    }
    m_finished = true;
    if (m_finishedHook && m_result.load() >= 0 && !m_cancel.IsCancelled())
        m_finishedHook(m_result.load());
}
