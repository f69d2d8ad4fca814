// Real velloran-cli processes at the same time on one event: one writer at a time, and every
// command either applied its change or exited 1 saying why. The binary's path comes from the
// environment (VELLORAN_CLI), set by the build.

#include "support/CliProcess.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace
{
struct SProcess
{
    pid_t pid = -1;
    fs::path out;
    fs::path err;
};

// Starts velloran-cli with the arguments; its output and errors go to files beside each other.
SProcess Start(const std::vector<std::string>& arguments, const fs::path& logs, int number)
{
    SProcess process;
    process.out = logs / ("out" + std::to_string(number));
    process.err = logs / ("err" + std::to_string(number));
    process.pid = StartCli(arguments, process.out, process.err);
    return process;
}

// An event of guestCount guest lines (unique ids from 2001, one person each) and two tables of
// plenty of seats.
std::string EventWithGuests(int guestCount)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n"
                      "<Guests>\r\n";
    for (int i = 0; i < guestCount; ++i)
        xml += "<Guest><UniqueId>" + std::to_string(2001 + i) +
               "</UniqueId><gsName><![CDATA[Guest " + std::to_string(i) +
               "]]></gsName><Coming>1</Coming></Guest>\r\n";
    xml += "</Guests>\r\n<Tables>\r\n"
           "<Table><tName><![CDATA[Unseated Guests]]></tName></Table>\r\n"
           "<Table><tName><![CDATA[Near stage]]></tName><tSeats>100</tSeats>"
           "<tNumHall>1</tNumHall></Table>\r\n"
           "<Table><tName><![CDATA[Garden]]></tName><tSeats>100</tSeats>"
           "<tNumHall>2</tNumHall></Table>\r\n</Tables>\r\n</WeddingData>\r\n";
    return xml;
}
} // namespace

TEST(CliProcesses, ConcurrentWritingCommandsLoseNothing)
{
    ASSERT_NE(std::getenv("VELLORAN_CLI"), nullptr) << "the build sets VELLORAN_CLI";
    constexpr int kPairs = 20;
    constexpr int kPairsAtOnce = 4;
    CTempDir root;
    const fs::path data = root / "data";
    const fs::path logs = root / "logs";
    fs::create_directories(logs);
    WriteBytes(data / "events.ini", "[Events]\r\nActive=DB\r\n");
    WriteBytes(data / "DB" / "WeddingData.xml", EventWithGuests(2 * kPairs));

    // Each pair seats two different guests at two different tables at the same moment.
    struct SCommand
    {
        int guest;
        int table;
        SProcess process;
        int status = -1;
    };
    std::vector<SCommand> commands;
    for (int pair = 0; pair < kPairs; pair += kPairsAtOnce)
    {
        const std::size_t first = commands.size();
        for (int p = pair; p < pair + kPairsAtOnce && p < kPairs; ++p)
            for (int side = 0; side < 2; ++side)
            {
                SCommand command;
                command.guest = 2001 + 2 * p + side;
                command.table = 1 + side;
                command.process =
                    Start({"--data-root", data.string(), "--yes", "seat",
                           std::to_string(command.guest), std::to_string(command.table)},
                          logs, static_cast<int>(commands.size()));
                ASSERT_GT(command.process.pid, 0);
                commands.push_back(command);
            }
        for (std::size_t i = first; i < commands.size(); ++i)
            commands[i].status = WaitCli(commands[i].process.pid);
    }

    const SProcess dump = Start({"--data-root", data.string(), "dump", "--json"}, logs, 1000);
    ASSERT_EQ(WaitCli(dump.pid), 0) << ReadBytes(dump.err);
    const nlohmann::json event = nlohmann::json::parse(ReadBytes(dump.out));
    std::map<int, int> tableOf;
    for (const auto& guest : event["guests"])
        tableOf[guest["uniqueId"].get<int>()] = guest["tableId"].get<int>();
    ASSERT_EQ(tableOf.size(), static_cast<std::size_t>(2 * kPairs)) << "no guest was lost";

    int applied = 0;
    for (const SCommand& command : commands)
    {
        SCOPED_TRACE("seat " + std::to_string(command.guest) + " " + std::to_string(command.table) +
                     ": " + ReadBytes(command.process.err));
        if (command.status == 0)
        {
            ++applied;
            EXPECT_EQ(tableOf[command.guest], command.table) << "a change reported done was lost";
        }
        else
        {
            EXPECT_EQ(command.status, 1);
            EXPECT_NE(ReadBytes(command.process.err).find("in use"), std::string::npos);
        }
    }
    EXPECT_GT(applied, 0);
    // Nothing half-written was left behind.
    for (const auto& entry : fs::directory_iterator(data / "DB"))
        EXPECT_NE(entry.path().filename().string().rfind(".WeddingData.xml.", 0), 0u)
            << entry.path();
}
