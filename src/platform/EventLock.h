#pragma once

#include <chrono>
#include <filesystem>
#include <string>

// One writer per event: an advisory lock (flock) on the file ".velloran.lock" in the event
// folder. The system lets go of it when its holder ends in any way, a crash included, so a lock
// is never left behind; the file itself stays (removing it would let two processes lock two
// different files). Whoever takes the lock writes its program, process id and host into the
// file, so a program that finds the event locked can name the holder.
//
// The lock binds processes only as far as they ask for it: readers never do. Two CEventLock
// objects of one process exclude each other as two processes would. The file is opened
// close-on-exec, so programs started meanwhile (a calculator, a browser) never inherit the lock.
// Files that copy an event (backups, exports, uploads) never take the lock file along.
class CEventLock
{
public:
    static constexpr const char* kFileName = ".velloran.lock";

    // What a lock file says about its holder; empty fields (pid 0) when it does not say.
    struct SHolder
    {
        std::string program;
        long pid = 0;
        std::string host;
    };

    enum class EResult
    {
        Acquired,
        Busy,   // another holder kept it for the whole wait
        Failed, // the lock file cannot be made or opened, or is not a regular file
    };

    CEventLock() = default;
    ~CEventLock();
    CEventLock(const CEventLock&) = delete;
    CEventLock& operator=(const CEventLock&) = delete;

    // Takes the lock of folder (its lock file named fileName is created when missing), trying
    // again for up to wait while another holds it. A lock this object held before is let go
    // first. On Failed, *error (when given) gets a sentence for the user. The folder must exist.
    EResult Acquire(const std::filesystem::path& folder, const std::string& program,
                    std::chrono::milliseconds wait, std::string* error = nullptr,
                    const char* fileName = kFileName);
    void Release();

    bool IsHeld() const { return m_fd >= 0; }
    // The folder of the lock held; empty when none is.
    const std::filesystem::path& GetFolder() const { return m_folder; }

    // What the folder's lock file says about its holder (meaningful while it is held).
    static SHolder ReadHolder(const std::filesystem::path& folder,
                              const char* fileName = kFileName);
    // "velloran-cli (process 4242 on planner)", or "another program" when the file names none.
    static std::string Describe(const SHolder& holder);
    // True when no process (this one included) holds the folder's lock right now.
    static bool IsFree(const std::filesystem::path& folder, const char* fileName = kFileName);

private:
    int m_fd = -1;
    std::filesystem::path m_folder;
};
