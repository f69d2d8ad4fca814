// The meeting and task rules are tested in the core; these cases prove that every command
// reaches them, names meetings by their place in the list and tasks by their id, reports in its
// exit status and output, and that the reading ones write nothing but the file they are given.

#include "CliTestSupport.h"

#include <libical/ical.h>

namespace fs = std::filesystem;
using nlohmann::json;

namespace
{
// An event of an older installation: three meetings (stored out of date order) and a task tree.
class MeetingCommandsTest : public CCliTest
{
protected:
    void SetUp() override
    {
        WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
        WriteBytes(m_root / "DB" / "Meetings.ini",
                   "[Meeting0]\r\nName=Florist\r\nContactName=Noa\r\nDay=9\r\nMonth=5\r\n"
                   "Year=2025\r\n"
                   "[Meeting1]\r\nName=Caterer\r\nContactName=Sam Carter\r\nContactAddress=Cakes "
                   "avenue 9\r\nAdditionalInfo=menuNewLineSepwine\r\nDay=2\r\nMonth=3\r\n"
                   "Year=2025\r\n"
                   "[Meeting2]\r\nName=Hall\r\nDay=30\r\nMonth=2\r\nYear=2025\r\n");
        WriteBytes(m_root / "DB" / "Tasks.ini",
                   "[Task1]\r\nname=Tasks\r\nchild0=4\r\nchild1=7\r\n"
                   "[Task4]\r\nname=Hall\r\ninfo=deposit<..>contract\r\nchecked=1\r\nchild0=5\r\n"
                   "[Task5]\r\nname=Pay\r\n"
                   "[Task7]\r\nname=Music\r\n");
    }

    json Json(const std::vector<std::string>& arguments)
    {
        std::vector<std::string> withJson = arguments;
        withJson.insert(withJson.begin(), "--json");
        const SCliRun run = Run(withJson);
        EXPECT_EQ(run.status, 0) << run.err;
        return json::parse(run.out);
    }

    // The entries of a calendar file: kind, UID and summary of each.
    std::vector<std::string> Entries(const fs::path& file)
    {
        std::vector<std::string> entries;
        icalcomponent* calendar = icalparser_parse_string(ReadBytes(file).c_str());
        EXPECT_NE(calendar, nullptr);
        if (calendar == nullptr)
            return entries;
        for (icalcomponent* entry = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT);
             entry != nullptr;
             entry = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT))
            entries.push_back(std::string(icalcomponent_kind_to_string(icalcomponent_isa(entry))) +
                              " " + icalcomponent_get_uid(entry) + " " +
                              icalcomponent_get_summary(entry));
        icalcomponent_free(calendar);
        return entries;
    }
};
} // namespace

TEST_F(MeetingCommandsTest, ListsNameMeetingsByTheirPlaceInDateOrder)
{
    const auto before = Snapshot();
    const json meetings = Json({"meetings"})["meetings"];
    ASSERT_EQ(meetings.size(), 3u);
    EXPECT_EQ(meetings[0], json({{"index", 0},
                                 {"name", "Hall"},
                                 {"date", "2025-02-30"},
                                 {"contactName", ""},
                                 {"contactJob", ""},
                                 {"contactPhone", ""},
                                 {"contactAddress", ""},
                                 {"info", ""},
                                 {"calendarUid", ""}}))
        << "a damaged date is shown as stored";
    EXPECT_EQ(meetings[1]["name"], "Caterer");
    EXPECT_EQ(meetings[1]["info"], "menu\r\nwine");
    EXPECT_EQ(meetings[2]["index"], 2);
    EXPECT_EQ(Dump()["meetings"][2]["index"], 2) << "dump names meetings the same way";

    const SCliRun text = Run({"meetings"});
    EXPECT_NE(text.out.find("1\t03.02.2025\tCaterer\tSam Carter\n"), std::string::npos) << text.out;

    const json tasks = Json({"tasks"})["tasks"];
    EXPECT_EQ(tasks["name"], "Tasks");
    ASSERT_EQ(tasks["children"].size(), 2u);
    EXPECT_EQ(tasks["children"][0],
              json({{"id", 4},
                    {"name", "Hall"},
                    {"checked", true},
                    {"info", "deposit\r\ncontract"},
                    {"children", json::array({{{"id", 5},
                                               {"name", "Pay"},
                                               {"checked", false},
                                               {"info", ""},
                                               {"children", json::array()}}})}}));
    EXPECT_EQ(Run({"tasks"}).out, "[ ] 1 Tasks\n  [x] 4 Hall\n    [ ] 5 Pay\n  [ ] 7 Music\n");
    EXPECT_EQ(Snapshot(), before) << "reading commands write nothing";
}

TEST_F(MeetingCommandsTest, AddingAndTickingSaveTheEvent)
{
    const SCliRun added =
        Run({"add-meeting", "Band", "--date", "2025-04-01", "--contact-name", "Dana",
             "--contact-phone", "050-1", "--info", "set list\nfirst dance"});
    ASSERT_EQ(added.status, 0) << added.err;
    EXPECT_EQ(added.out, "3\n");
    json meetings = Json({"meetings"})["meetings"];
    ASSERT_EQ(meetings.size(), 4u);
    EXPECT_EQ(meetings[2]["name"], "Band") << "the next load puts it in date order";
    EXPECT_EQ(meetings[2]["info"], "set list\r\nfirst dance");
    EXPECT_EQ(meetings[2]["contactPhone"], "050-1");
    EXPECT_FALSE(meetings[2]["calendarUid"].get<std::string>().empty());

    const json task = Json({"add-task", "Flowers", "--parent", "7"})["task"];
    EXPECT_EQ(task["name"], "Flowers");
    EXPECT_EQ(Run({"check-task", task["id"].dump()}).status, 0);
    EXPECT_EQ(Run({"check-task", "4", "--off"}).status, 0);
    EXPECT_EQ(Run({"tasks"}).out,
              "[ ] 1 Tasks\n  [ ] 4 Hall\n    [ ] 5 Pay\n  [ ] 7 Music\n    [x] " +
                  task["id"].dump() + " Flowers\n");

    struct SCase
    {
        std::vector<std::string> arguments;
        int status;
        std::string told;
    };
    const std::vector<SCase> refusals = {
        {{"add-meeting", "X"}, 2, "--date is required"},
        {{"add-meeting", "X", "--date", "2025-02-29"}, 2, "calendar date"},
        {{"add-meeting", "--date", "2025-02-28"}, 2, "missing argument"},
        {{"add-task", "  "}, 1, "Can not create empty task"},
        {{"add-task", "X", "--parent", "999999"}, 3, "no task 999999"},
        {{"check-task", "999999"}, 3, ""},
        {{"check-task", "x"}, 2, ""},
    };
    const auto before = Snapshot();
    for (const SCase& c : refusals)
    {
        const SCliRun run = Run(c.arguments);
        SCOPED_TRACE(testing::PrintToString(c.arguments) + "\n" + run.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.told), std::string::npos);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(MeetingCommandsTest, CalendarFilesAreTheOnlyThingAnExportWrites)
{
    const fs::path file = m_root / "out.ics";
    const auto before = Snapshot();
    SCliRun run = Run({"export-ics", file.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 calendar entries written to " + file.string() + "\n");
    EXPECT_NE(run.err.find("1 meetings without a valid date were left out."), std::string::npos);
    const std::vector<std::string> first = Entries(file);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].find(" Meeting with Sam Carter at Cakes avenue 9"),
              first[0].size() - std::string(" Meeting with Sam Carter at Cakes avenue 9").size())
        << first[0];
    EXPECT_EQ(first[0].rfind("VEVENT velloran-meeting-", 0), 0u) << first[0];
    ASSERT_TRUE(fs::remove(file));
    EXPECT_EQ(Snapshot(), before);

    // A meeting never given a UID keeps the same one from run to run while it stays the same.
    ASSERT_EQ(Run({"export-ics", file.string(), "--meeting", "1"}).status, 0);
    EXPECT_EQ(Entries(file), std::vector<std::string>{first[0]});

    ASSERT_EQ(Run({"export-ics", file.string(), "--tasks"}).status, 0);
    const std::vector<std::string> tasks = Entries(file);
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_NE(tasks[0].find(" Pay"), std::string::npos);
    EXPECT_NE(tasks[1].find(" Music"), std::string::npos);
    EXPECT_EQ(tasks[0].rfind("VTODO ", 0), 0u);

    for (const auto& [arguments, status] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{"export-ics", file.string(), "--meeting", "3"}, 3},
             {{"export-ics", file.string(), "--meeting", "0"}, 1},
             {{"export-ics", file.string(), "--meeting", "0", "--tasks"}, 2},
             {{"export-ics", (m_root / "no" / "x.ics").string()}, 1},
             {{"export-ics"}, 2}})
    {
        run = Run(arguments);
        EXPECT_EQ(run.status, status) << testing::PrintToString(arguments) << run.err;
    }
}
