#include "platform/SharedProfile.h"

#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(SharedProfile, AWriteWaitsForTheFolderLockAndMergesWithTheFileOnDisk)
{
    CTempDir folder;
    const fs::path ini = folder / "events.ini";
    WriteBytes(ini, "[Events]\r\nActive=DB\r\n[Theirs]\r\nKey=1\r\n");
    WriteBytes(folder / ".events.ini.Zx81Qa", "half a write of a program that died");

    CEventLock other;
    ASSERT_EQ(other.Acquire(folder.Path(), "velloran", 0ms, nullptr, kSharedProfileLockFile),
              CEventLock::EResult::Acquired);
    std::thread release(
        [&]
        {
            std::this_thread::sleep_for(200ms);
            // The other program's own change, written under its lock.
            WriteBytes(ini, "[Events]\r\nActive=DB\r\n[Theirs]\r\nKey=2\r\n");
            other.Release();
        });
    const auto start = std::chrono::steady_clock::now();
    CProfileFile merged;
    std::string error;
    const bool written = UpdateSharedProfile(
        ini, [](CProfileFile& file) { file.SetString("Events", "Active", "DB1"); }, &error,
        &merged);
    release.join();
    ASSERT_TRUE(written) << error;
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_EQ(ReadProfileString(ini, "Events", "Active"), "DB1");
    EXPECT_EQ(ReadProfileString(ini, "Theirs", "Key"), "2");
    EXPECT_EQ(merged.GetString("Theirs", "Key"), "2");
    EXPECT_FALSE(fs::exists(folder / ".events.ini.Zx81Qa"));

    // A lock kept for the whole wait: nothing is written, and the caller is told.
    ASSERT_EQ(other.Acquire(folder.Path(), "velloran", 0ms, nullptr, kSharedProfileLockFile),
              CEventLock::EResult::Acquired);
    EXPECT_FALSE(UpdateSharedProfile(
        ini, [](CProfileFile& file) { file.SetString("Events", "Active", "DB2"); }, &error, nullptr,
        100ms));
    EXPECT_NE(error.find(ini.string()), std::string::npos) << error;
    EXPECT_EQ(ReadProfileString(ini, "Events", "Active"), "DB1");
}
