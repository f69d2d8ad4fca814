// The command line and data safety: the event lock of writing commands, a data file changed
// meanwhile, damaged files, special files, and usage errors that must not become an empty event.

#include "CliTestSupport.h"
#include "platform/EventLock.h"
#include "platform/FileFaults.h"
#include "platform/ProfileFile.h"
#include "support/FaultHookGuard.h"
#include "support/FifoWatchdog.h"

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace
{
const char kEvent[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n"
                      "<Guests>\r\n<Guest><UniqueId>1001</UniqueId><gsName><![CDATA[Dan]]>"
                      "</gsName><Coming>2</Coming></Guest>\r\n</Guests>\r\n<Tables>\r\n"
                      "<Table><tName><![CDATA[Unseated Guests]]></tName></Table>\r\n"
                      "<Table><tName><![CDATA[Near stage]]></tName><tSeats>10</tSeats>"
                      "<tNumHall>1</tNumHall></Table>\r\n</Tables>\r\n</WeddingData>\r\n";

class CliSafetyTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(DataFile(), kEvent);
    }
    fs::path DataFile() const { return m_root / "DB" / "WeddingData.xml"; }

    CEventLock m_other;
};
} // namespace

TEST_F(CliSafetyTest, AWritingCommandWaitsForTheEventAndGivesUpNamingItsHolder)
{
    ASSERT_EQ(m_other.Acquire(m_root / "DB", "velloran", 0ms), CEventLock::EResult::Acquired);
    // Reading commands take no lock.
    EXPECT_EQ(Run({"tables"}).status, 0);

    // The holder lets go while the command waits: it goes ahead, with what the holder saved.
    std::thread release(
        [this]
        {
            std::this_thread::sleep_for(300ms);
            WriteBytes(m_root / "DB" / "Settings.ini", "[GenSettings]\r\nDolarToShekel=3.75\r\n");
            m_other.Release();
        });
    SCliRun run = Run({"seat", "1001", "1"});
    release.join();
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Dump()["guests"][0]["tableId"], 1);
    EXPECT_EQ(ReadProfileString(m_root / "DB" / "Settings.ini", "GenSettings", "DolarToShekel"),
              "3.75");

    // The holder keeps it: after five seconds the command gives up, naming the holder.
    ASSERT_EQ(m_other.Acquire(m_root / "DB", "velloran", 0ms), CEventLock::EResult::Acquired);
    const std::string before = ReadBytes(DataFile());
    const auto start = std::chrono::steady_clock::now();
    run = Run({"seat", "1001", "0"});
    EXPECT_GE(std::chrono::steady_clock::now() - start, 5s);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("velloran (process " + std::to_string(::getpid())), std::string::npos)
        << run.err;
    EXPECT_EQ(ReadBytes(DataFile()), before);
}

TEST_F(CliSafetyTest, ADataFileChangedDuringTheRunIsNotOverwritten)
{
    // Another program (one that takes no lock) replaces the file while the command runs: here
    // right when the run writes its checkpoint, just before the data file.
    std::string theirs = kEvent;
    theirs.replace(theirs.find("Dan"), 3, "Ron");
    CFaultHookGuard guard(
        [&](EFileStep step, const std::string& path)
        {
            if (step == EFileStep::CreateTemp && path.find("Checkpoint.ini") != std::string::npos)
                WriteBytes(DataFile(), theirs);
            return false;
        });
    const SCliRun run = Run({"--yes", "create-table", "Garden"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("changed by another program"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("Created table"), std::string::npos) << "told only once it is saved";
    EXPECT_EQ(ReadBytes(DataFile()), theirs);
}

TEST_F(CliSafetyTest, ResultsArePrintedOnlyOnceTheyAreSaved)
{
    fs::permissions(DataFile(),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    SCliRun run = Run({"create-table", "Garden"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(DataFile()), kEvent);

    fs::permissions(DataFile(), fs::perms::owner_read | fs::perms::owner_write);
    run = Run({"create-table", "Garden"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Created table 2"), std::string::npos) << run.out;
}

TEST_F(CliSafetyTest, ADamagedFileIsReplacedOnlyWhenTheAnswerIsYes)
{
    std::string damaged = kEvent;
    damaged.resize(damaged.find("<Tables>"));
    WriteBytes(DataFile(), damaged);

    SCliRun run = Run({"--no", "create-table", "Garden"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Save now?"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(DataFile()), damaged);

    run = Run({"--yes", "create-table", "Garden"});
    EXPECT_EQ(run.status, 0) << run.err;
    std::size_t copies = 0;
    for (const auto& entry : fs::directory_iterator(m_root / "DB"))
        copies += entry.path().filename().string().rfind("WeddingData.xml.damaged-", 0) == 0;
    EXPECT_EQ(copies, 1u);
}

TEST_F(CliSafetyTest, SpecialFilesAreRefusedAndNeverWaitedOn)
{
    ASSERT_EQ(::mkfifo((m_root / "pipe").c_str(), 0644), 0);
    SCliRun run = Run({"export-hall-draft", (m_root / "pipe").string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::is_fifo(m_root / "pipe"));
    // Our own device node (root only), never a system one.
    if (::mknod((m_root / "device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0)
    {
        EXPECT_EQ(Run({"export-hall-draft", (m_root / "device").string()}).status, 1);
        EXPECT_TRUE(fs::is_character_file(m_root / "device"));
    }

    fs::remove(DataFile());
    ASSERT_EQ(::mkfifo(DataFile().c_str(), 0644), 0);
    CFifoWatchdog watchdog(DataFile());
    const auto start = std::chrono::steady_clock::now();
    run = Run({"dump", "--json"});
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    EXPECT_EQ(Run({"--yes", "create-table", "Garden"}).status, 1);
    EXPECT_TRUE(fs::is_fifo(DataFile()));
}

TEST_F(CliSafetyTest, ADataRootThatIsNoFolderAndOptionsWithoutValuesAreUsageErrors)
{
    WriteBytes(m_root / "plain.txt", "not a folder");
    const std::vector<std::vector<std::string>> cases = {
        {"--data-root", (m_root / "plain.txt").string(), "create-table", "Garden"},
        {"--data-root", "", "create-table", "Garden"},
        {"--data-root", "--json", "events"},
        {"--event", "--json", "dump"},
        {"--program-dir", "--yes", "events"},
        {"events", "--lang"},
    };
    for (const auto& arguments : cases)
    {
        std::ostringstream out, err;
        EXPECT_EQ(RunCli(arguments, out, err), 2) << arguments[0] << " " << arguments[1];
        EXPECT_NE(err.str().find("usage:"), std::string::npos) << err.str();
    }
    EXPECT_EQ(ReadBytes(m_root / "plain.txt"), "not a folder");
    EXPECT_FALSE(fs::exists("--json"));
}
