#pragma once

#include "platform/FileFaults.h"

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What an operation said when it ran under injected faults.
struct SFaultOutcome
{
    bool failed = false;
    std::string message; // what the user was told; empty when nothing
};

enum class EFaultMode
{
    FailOnce,    // only the Nth step fails
    KeepFailing, // the Nth step and every later one fail
};

// Runs one save operation again and again with the file-fault seam failing its Nth step (write,
// flush, close, rename, folder flush, remove, copy, creating the temporary file), for N = 1, 2,
// ... until the operation takes fewer than N steps and passes, in both modes. Before every case
// the folder is set up afresh; after it, every file under the folder must be as it was before
// (the old data) or as a run without faults left it (the new data), byte for byte, no temporary
// file of the atomic writer may be left, and an operation whose step failed must have said so
// with a message, unless nothing was lost: it went on and the folder holds the new data whole
// (a later write of the same file made up for the failed one). The test adds its own check of the
// data (parsing it) through check.
class CFaultCampaign
{
public:
    struct SCase
    {
        EFaultMode mode;
        int failAt;       // 1-based index of the first failing step
        EFileStep step;   // that step
        std::string path; // and its file
    };

    // name: the save path in the figures. folder: what the operation may change.
    CFaultCampaign(std::string name, std::filesystem::path folder);

    // Sets up the old state; runs before every case with no faults installed.
    std::function<void()> prepare;
    // The operation under test.
    std::function<SFaultOutcome()> operation;
    // Optional: checks the data after a case (outcome of a case without a fault: case empty).
    std::function<void(const std::optional<SCase>&, const SFaultOutcome&)> check;
    // Optional: maps a file's path below the folder to the name it is compared under (a backup
    // folder named after the time gets one name), or "" to leave the file out.
    std::function<std::string(const std::filesystem::path& relative)> name;
    // Optional: what a file's bytes are compared as (a PDF that carries its creation time: whole
    // or not); kAbsent compares it as a missing file.
    static constexpr const char* kAbsent = "\x01<missing>";
    std::function<std::string(const std::string& name, std::string bytes)> content;

    // Runs every case (gtest failures for broken rules); returns the number of cases injected.
    int Run();

    int Steps() const { return m_steps; }
    int Cases() const { return m_cases; }

    // One line per campaign run in this process, for the figures.
    static const std::vector<std::string>& Figures();

private:
    using CSnapshot = std::map<std::string, std::string>;
    CSnapshot Snapshot() const;
    void CompareWithOldAndNew(const std::string& label) const;

    std::string m_name;
    std::filesystem::path m_folder;
    CSnapshot m_old;
    CSnapshot m_new;
    int m_steps = 0;
    int m_cases = 0;
};

// Prints the figures of every campaign of the test program when it ends.
void PrintFaultFiguresAtExit();
