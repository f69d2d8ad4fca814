// velloran-cli saving a large event, killed (SIGKILL) at random moments of its run: the data file
// is always the old file, byte for byte, or the whole new one (it loads, with the new guest), and
// the next run saves again. The binary's path comes from the environment (VELLORAN_CLI), set by
// the build; VELLORAN_KILLS sets how many kills (a short run by default, 1,000 or more for the
// figures) and VELLORAN_KILL_GUESTS the size of the event.

#include "support/CliProcess.h"
#include "support/TempDir.h"

#include <chrono>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <signal.h>
#include <thread>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace
{
constexpr int kDefaultKills = 30;
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultGuests = 2000; // the sanitizer build runs the same campaign, smaller
#else
constexpr int kDefaultGuests = 10000;
#endif
// Longer than writing and renaming the data file of the default event takes.
constexpr long long kWriteWindowMicros = 40000;

int FromEnvironment(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    const int value = text != nullptr ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

// velloran-cli over the data root, its output to out.
pid_t Start(const fs::path& root, const std::vector<std::string>& arguments, const fs::path& out)
{
    std::vector<std::string> words = {"--data-root", root.string(), "--program-dir",
                                      (root / "program").string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return StartCli(words, out);
}

// Whether the process has not ended yet; an ended one is left for WaitCli to collect.
bool IsRunning(pid_t pid)
{
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

// The atomic writer's temporary files of WeddingData.xml in the folder.
std::set<std::string> Temporaries(const fs::path& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        if (it->path().filename().string().rfind(".WeddingData.xml.", 0) == 0)
            names.insert(it->path().filename().string());
    return names;
}

// Whether a temporary file not among the earlier ones is there (killed runs leave theirs until the
// next save removes them).
bool HasNewTemporary(const fs::path& folder, const std::set<std::string>& earlier)
{
    for (const std::string& name : Temporaries(folder))
        if (earlier.count(name) == 0)
            return true;
    return false;
}

std::string EventWithGuests(int guestCount)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n"
                      "<Guests>\r\n";
    static const char* const kFirst[] = {"Noa", "Avi", "Dana", "Yossi", "Tamar", "Eli", "Maya"};
    static const char* const kFamily[] = {"Cohen", "Levi", "Mizrahi", "Peretz", "Biton", "Katz"};
    for (int i = 0; i < guestCount; ++i)
        xml += "<Guest><UniqueId>" + std::to_string(2001 + i) + "</UniqueId><gsName><![CDATA[" +
               kFirst[i % 7] + " " + std::to_string(i) + "]]></gsName><gsFamilyName><![CDATA[" +
               kFamily[i % 6] + "]]></gsFamilyName><gsPhone><![CDATA[03-55" +
               std::to_string(10000 + i) + "]]></gsPhone><Invited>2</Invited><Coming>" +
               std::to_string(i % 3) + "</Coming></Guest>\r\n";
    xml += "</Guests>\r\n<Tables>\r\n"
           "<Table><tName><![CDATA[Unseated Guests]]></tName></Table>\r\n"
           "<Table><tName><![CDATA[Near stage]]></tName><tSeats>12</tSeats>"
           "<tNumHall>1</tNumHall></Table>\r\n</Tables>\r\n</WeddingData>\r\n";
    return xml;
}

// The guests' first names as the CLI loads them; empty when the event does not load whole.
std::vector<std::string> LoadedNames(const fs::path& root, const fs::path& logs)
{
    const fs::path out = logs / "dump";
    if (WaitCli(Start(root, {"dump", "--json"}, out)) != 0)
        return {};
    const auto dump = nlohmann::json::parse(ReadBytes(out), nullptr, false);
    std::vector<std::string> names;
    if (dump.is_discarded() || !dump.contains("guests"))
        return {};
    for (const auto& guest : dump["guests"])
        names.push_back(guest.value("firstName", std::string()));
    return names;
}
} // namespace

TEST(CliKill, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewDataFile)
{
    const int kills = FromEnvironment("VELLORAN_KILLS", kDefaultKills);
    const int guests = FromEnvironment("VELLORAN_KILL_GUESTS", kDefaultGuests);
    CTempDir root;
    const fs::path logs = root / "logs";
    fs::create_directories(logs);
    const fs::path dataFile = root / "DB" / "WeddingData.xml";
    WriteBytes(root / "events.ini", "[Events]\r\nActive=DB\r\n");
    WriteBytes(dataFile, EventWithGuests(guests));

    // How long a whole run takes: the kills fall anywhere from its start to a little after.
    const fs::path out = logs / "out";
    auto started = Clock::now();
    ASSERT_EQ(WaitCli(Start(root.Path(), {"add-guest", "Before"}, out)), 0);
    const auto runTime = Clock::now() - started;
    std::vector<std::string> names = LoadedNames(root.Path(), logs);
    ASSERT_EQ(names.size(), static_cast<std::size_t>(guests) + 1);

    // A third of the kills fall anywhere in the run; the others once the data file's temporary
    // file appears, within the few milliseconds its write and rename take (most of a run is the
    // load, where a kill can do no harm).
    std::mt19937 random(std::random_device{}());
    const long long runMicros =
        std::chrono::duration_cast<std::chrono::microseconds>(runTime).count();
    std::uniform_int_distribution<long long> anywhere(0, runMicros * 11 / 10);
    std::uniform_int_distribution<long long> intoTheWrite(0, kWriteWindowMicros);
    int killed = 0, keptOld = 0, tookNew = 0, finished = 0, checkedNew = 0, inTheWrite = 0;
    for (int i = 0; i < kills && !::testing::Test::HasFailure(); ++i)
    {
        const std::string before = ReadBytes(dataFile);
        const std::set<std::string> earlier = Temporaries(dataFile.parent_path());
        const std::string added = "Kill" + std::to_string(i);
        const pid_t pid = Start(root.Path(), {"add-guest", added}, out);
        ASSERT_GT(pid, 0);
        if (i % 3 == 0)
            std::this_thread::sleep_for(std::chrono::microseconds(anywhere(random)));
        else
        {
            while (!HasNewTemporary(dataFile.parent_path(), earlier) && IsRunning(pid))
                std::this_thread::sleep_for(std::chrono::microseconds(100));
            std::this_thread::sleep_for(std::chrono::microseconds(intoTheWrite(random)));
        }
        ::kill(pid, SIGKILL);
        const int status = WaitCli(pid);
        if (status == -SIGKILL)
            ++killed;
        else
        {
            ++finished;
            ASSERT_EQ(status, 0) << "run " << i << " failed on its own";
        }

        // A temporary file of the data file left: the kill fell into its write.
        if (HasNewTemporary(dataFile.parent_path(), earlier))
            ++inTheWrite;
        const std::string after = ReadBytes(dataFile);
        if (after == before)
        {
            ++keptOld;
            continue;
        }
        // Not the old file: it must be the whole new one. Loading it costs a run of its own, so
        // a long campaign checks every file that changed (all of them: a changed file is rare).
        ++tookNew;
        const std::vector<std::string> loaded = LoadedNames(root.Path(), logs);
        ++checkedNew;
        ASSERT_EQ(loaded.size(), names.size() + 1) << "run " << i << ": a damaged data file";
        EXPECT_EQ(loaded.back(), added);
        names = loaded;
    }
    // The event still takes a save, and the temporary files of the killed runs are gone.
    ASSERT_EQ(WaitCli(Start(root.Path(), {"add-guest", "After"}, out)), 0);
    EXPECT_EQ(LoadedNames(root.Path(), logs).size(), names.size() + 1);
    EXPECT_TRUE(Temporaries(dataFile.parent_path()).empty());

    std::printf("[kill test] %d runs of add-guest on a %d-guest event (a run takes %lld ms): %d "
                "killed (%d in the middle of writing the data file), %d finished first; data "
                "file afterwards: %d old, %d new (%d loaded whole), 0 damaged\n",
                kills, guests, runMicros / 1000, killed, inTheWrite, finished, keptOld, tookNew,
                checkedNew);
}
