#include "platform/EventLock.h"

#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(EventLock, OneHolderAtATimeNamedInTheLockFile)
{
    CTempDir folder;
    CEventLock first;
    ASSERT_EQ(first.Acquire(folder.Path(), "velloran", 0ms), CEventLock::EResult::Acquired);
    EXPECT_TRUE(first.IsHeld());
    EXPECT_TRUE(fs::is_regular_file(folder / CEventLock::kFileName));

    const CEventLock::SHolder holder = CEventLock::ReadHolder(folder.Path());
    EXPECT_EQ(holder.program, "velloran");
    EXPECT_EQ(holder.pid, static_cast<long>(::getpid()));
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    EXPECT_EQ(holder.host, host);
    EXPECT_FALSE(CEventLock::IsFree(folder.Path()));
    EXPECT_EQ(CEventLock::Describe(holder),
              "velloran (process " + std::to_string(::getpid()) + " on " + host + ")");
    EXPECT_EQ(CEventLock::Describe({}), "another program");

    // A second lock (another open of the file, as another process would have) waits, then gives up.
    CEventLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(second.Acquire(folder.Path(), "velloran-cli", 150ms), CEventLock::EResult::Busy);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
    EXPECT_FALSE(second.IsHeld());

    first.Release();
    EXPECT_TRUE(CEventLock::IsFree(folder.Path()));
    EXPECT_EQ(second.Acquire(folder.Path(), "velloran-cli", 0ms), CEventLock::EResult::Acquired);
    EXPECT_EQ(CEventLock::ReadHolder(folder.Path()).program, "velloran-cli");
    // The file stays when its holder lets go: removing it would let two processes lock two files.
    second.Release();
    EXPECT_TRUE(fs::exists(folder / CEventLock::kFileName));
}

TEST(EventLock, AWaiterGetsTheLockWhenTheHolderLetsGo)
{
    CTempDir folder;
    CEventLock holder;
    ASSERT_EQ(holder.Acquire(folder.Path(), "velloran", 0ms), CEventLock::EResult::Acquired);
    std::thread release(
        [&holder]
        {
            std::this_thread::sleep_for(200ms);
            holder.Release();
        });
    CEventLock waiter;
    EXPECT_EQ(waiter.Acquire(folder.Path(), "velloran-cli", 5s), CEventLock::EResult::Acquired);
    release.join();
}

TEST(EventLock, AProcessThatDiesLeavesNoLockBehind)
{
    CTempDir folder;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
    {
        CEventLock lock;
        const char result =
            lock.Acquire(folder.Path(), "velloran", 0ms) == CEventLock::EResult::Acquired ? 'y'
                                                                                          : 'n';
        (void)!::write(ready[1], &result, 1);
        ::pause();
        ::_exit(0);
    }
    char result = 0;
    ASSERT_EQ(::read(ready[0], &result, 1), 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ASSERT_EQ(result, 'y');

    EXPECT_EQ(CEventLock::ReadHolder(folder.Path()).pid, static_cast<long>(child));
    CEventLock lock;
    EXPECT_EQ(lock.Acquire(folder.Path(), "velloran-cli", 0ms), CEventLock::EResult::Busy);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(lock.Acquire(folder.Path(), "velloran-cli", 0ms), CEventLock::EResult::Acquired);
}

TEST(EventLock, ALockFileThatIsNoFileOrAMissingFolderFails)
{
    CTempDir folder;
    ASSERT_EQ(::mkfifo((folder / CEventLock::kFileName).c_str(), 0644), 0);
    CEventLock lock;
    std::string error;
    EXPECT_EQ(lock.Acquire(folder.Path(), "velloran", 0ms, &error), CEventLock::EResult::Failed);
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_fifo(folder / CEventLock::kFileName));

    fs::create_directory(folder / "linked");
    fs::create_symlink("elsewhere", folder / "linked" / CEventLock::kFileName);
    EXPECT_EQ(lock.Acquire(folder / "linked", "velloran", 0ms, &error),
              CEventLock::EResult::Failed);
    EXPECT_FALSE(fs::exists(folder / "linked" / "elsewhere"));

    EXPECT_EQ(lock.Acquire(folder / "missing", "velloran", 0ms, &error),
              CEventLock::EResult::Failed);
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(lock.IsHeld());
}
