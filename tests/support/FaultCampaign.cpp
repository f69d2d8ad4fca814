#include "support/FaultCampaign.h"

#include "support/FaultHookGuard.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>

namespace fs = std::filesystem;

namespace
{
constexpr const char* kMissing = CFaultCampaign::kAbsent;
// Far more steps than any save takes: a run that keeps asking for steps is a loop.
constexpr int kMaxSteps = 100000;

std::vector<std::string>& FigureLines()
{
    // Never destroyed: the figures are printed at exit, after the statics are gone.
    static auto* lines = new std::vector<std::string>;
    return *lines;
}

const char* StepName(EFileStep step)
{
    switch (step)
    {
    case EFileStep::CreateTemp:
        return "create";
    case EFileStep::Write:
        return "write";
    case EFileStep::Flush:
        return "flush";
    case EFileStep::Close:
        return "close";
    case EFileStep::Rename:
        return "rename";
    case EFileStep::SyncFolder:
        return "folder flush";
    case EFileStep::Remove:
        return "remove";
    case EFileStep::Copy:
        return "copy";
    }
    return "?";
}

// ".<name>.<6 letters or digits>": what the atomic writer leaves when it does not clean up.
bool IsAtomicTemporary(const std::string& file)
{
    if (file.size() < 9 || file[0] != '.' || file[file.size() - 7] != '.')
        return false;
    for (std::size_t i = file.size() - 6; i < file.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(file[i])))
            return false;
    return true;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A short text file in a failure message; nothing for a long or binary one.
std::string Shown(const char* label, const std::string& bytes)
{
    if (bytes.size() > 600 || bytes.find('\0') != std::string::npos)
        return {};
    return std::string("\n--- ") + label + ":\n" + bytes;
}

std::string Describe(const CFaultCampaign::SCase& c)
{
    std::ostringstream text;
    text << (c.mode == EFaultMode::FailOnce ? "fail once" : "keep failing") << " from step "
         << c.failAt << " (" << StepName(c.step) << " " << c.path << ")";
    return text.str();
}
} // namespace

CFaultCampaign::CFaultCampaign(std::string name, fs::path folder)
    : m_name(std::move(name)), m_folder(std::move(folder))
{
}

CFaultCampaign::CSnapshot CFaultCampaign::Snapshot() const
{
    CSnapshot files;
    std::error_code error;
    for (fs::recursive_directory_iterator it(m_folder, error), end; !error && it != end;
         it.increment(error))
    {
        if (!it->is_regular_file())
            continue;
        const std::string file = it->path().filename().string();
        // The lock files name their holder's process: not data.
        if (file.rfind(".velloran", 0) == 0)
            continue;
        const fs::path relative = it->path().lexically_relative(m_folder);
        const std::string key = name ? name(relative) : relative.generic_string();
        if (key.empty())
            continue;
        if (IsAtomicTemporary(file))
            files[key] = "\x01<temporary>";
        else
            files[key] = content ? content(key, ReadAll(*it)) : ReadAll(*it);
    }
    return files;
}

void CFaultCampaign::CompareWithOldAndNew(const std::string& label) const
{
    const CSnapshot now = Snapshot();
    std::map<std::string, int> keys;
    for (const auto* snapshot : {&m_old, &m_new, &now})
        for (const auto& entry : *snapshot)
            keys[entry.first] = 0;
    for (const auto& entry : keys)
    {
        auto state = [&](const CSnapshot& snapshot)
        {
            auto it = snapshot.find(entry.first);
            return it == snapshot.end() ? std::string(kMissing) : it->second;
        };
        const std::string current = state(now);
        EXPECT_NE(current, "\x01<temporary>")
            << m_name << ", " << label << ": " << entry.first << " is a temporary file left behind";
        EXPECT_TRUE(current == state(m_old) || current == state(m_new))
            << m_name << ", " << label << ": " << entry.first
            << " is neither the old nor the new data ("
            << (current == kMissing ? std::string("missing")
                                    : std::to_string(current.size()) + " bytes")
            << ")" << Shown("now", current) << Shown("old", state(m_old))
            << Shown("new", state(m_new));
    }
}

int CFaultCampaign::Run()
{
    // A run without faults counts the steps and gives the new data.
    prepare();
    m_old = Snapshot();
    int counted = 0;
    SFaultOutcome clean;
    {
        // VELLORAN_FAULT_TRACE=1 lists the steps of each operation.
        const bool trace = std::getenv("VELLORAN_FAULT_TRACE") != nullptr;
        CFaultHookGuard guard(
            [&](EFileStep step, const std::string& path)
            {
                ++counted;
                if (trace)
                    std::printf("[fault injection] %s: step %d: %s %s\n", m_name.c_str(), counted,
                                StepName(step), path.c_str());
                return false;
            });
        clean = operation();
    }
    EXPECT_FALSE(clean.failed) << m_name << " fails without a fault: " << clean.message;
    if (check)
        check(std::nullopt, clean);
    m_new = Snapshot();
    m_steps = counted;
    EXPECT_GT(m_steps, 0) << m_name << " takes no step through the file-fault seam";

    for (EFaultMode mode : {EFaultMode::FailOnce, EFaultMode::KeepFailing})
    {
        for (int failAt = 1; failAt < kMaxSteps; ++failAt)
        {
            prepare();
            int step = 0;
            std::optional<SCase> fired;
            SFaultOutcome outcome;
            {
                CFaultHookGuard guard(
                    [&](EFileStep at, const std::string& path)
                    {
                        ++step;
                        if (step < failAt || (mode == EFaultMode::FailOnce && step > failAt))
                            return false;
                        if (!fired)
                            fired = SCase{mode, failAt, at, path};
                        return true;
                    });
                outcome = operation();
            }
            if (!fired)
            {
                // Fewer steps than failAt: the operation passed; the campaign of this mode ends.
                EXPECT_FALSE(outcome.failed) << m_name << ": " << outcome.message;
                break;
            }
            ++m_cases;
            const std::string label = Describe(*fired);
            const bool madeUpFor = !outcome.failed && Snapshot() == m_new;
            if (!madeUpFor)
            {
                EXPECT_TRUE(outcome.failed && !outcome.message.empty())
                    << m_name << ", " << label << ": the failure was not told";
            }
            CompareWithOldAndNew(label);
            if (check)
                check(fired, outcome);
            if (::testing::Test::HasFailure())
                return m_cases; // the first broken case says enough
        }
    }
    std::ostringstream line;
    line << m_name << ": " << m_steps << " steps, " << m_cases << " cases";
    FigureLines().push_back(line.str());
    std::printf("[fault injection] %s\n", line.str().c_str());
    return m_cases;
}

const std::vector<std::string>& CFaultCampaign::Figures()
{
    return FigureLines();
}

void PrintFaultFiguresAtExit()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    std::atexit(
        []
        {
            int total = 0;
            for (const std::string& line : FigureLines())
            {
                std::printf("[fault injection] %s\n", line.c_str());
                total += std::atoi(line.substr(line.find("steps, ") + 7).c_str());
            }
            if (!FigureLines().empty())
                std::printf("[fault injection] %d cases in all\n", total);
        });
}
