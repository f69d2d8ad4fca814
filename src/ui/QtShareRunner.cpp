#include "ui/QtShareRunner.h"

#include "online/CancelToken.h"
#include "ui/DialogButtons.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <thread>

namespace
{
constexpr int kPollMs = 50;
constexpr int kShowAfterMs = 500;
} // namespace

void CQtShareRunner::Run(const std::string& text, int steps, const Edits::ShareWork& work)
{
    CCancelToken cancel;
    std::atomic<int> done{0};
    std::atomic<bool> finished{false};
    std::thread worker(
        [&]
        {
            work(cancel, [&](int step) { done = step; });
            finished = true;
        });

    QProgressDialog progress(ToQt(text), UiText(IDS_BUTTON_CANCEL), 0, steps, m_parent);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowAfterMs);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setValue(0);
    QObject::connect(&progress, &QProgressDialog::canceled, [&cancel] { cancel.Cancel(); });

    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout,
                     [&]
                     {
                         if (finished)
                         {
                             loop.quit();
                             return;
                         }
                         if (!progress.wasCanceled())
                             progress.setValue(done.load());
                     });
    poll.start(kPollMs);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    loop.exec();
    QApplication::restoreOverrideCursor();
    worker.join();
}
