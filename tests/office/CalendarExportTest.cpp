// Calendar files are read back with libical, as a calendar program would read them.

#include "office/CalendarExport.h"

#include "model/Meeting.h"
#include "model/Task.h"
#include "office/CalendarWriter.h"
#include "platform/AtomicFile.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <map>
#include <memory>
#include <set>

namespace
{
struct SParsedEntry
{
    icalcomponent_kind kind = ICAL_NO_COMPONENT;
    std::string uid;
    std::string summary;
    std::string description;
    std::string location;
    std::string parent;
    icaltimetype start = icaltime_null_time();
    icaltimetype end = icaltime_null_time();
    bool hasStamp = false;
};

// Every entry of the file, in file order; a file libical does not take as one calendar fails.
std::vector<SParsedEntry> Parse(const std::string& text)
{
    std::vector<SParsedEntry> entries;
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar(
        icalparser_parse_string(text.c_str()), icalcomponent_free);
    EXPECT_NE(calendar, nullptr);
    if (!calendar)
        return entries;
    EXPECT_EQ(icalcomponent_isa(calendar.get()), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0) << text;
    const auto text_of = [](icalcomponent* entry, icalproperty_kind kind) -> std::string
    {
        icalproperty* property = icalcomponent_get_first_property(entry, kind);
        if (property == nullptr)
            return {};
        // The value decoded from its escapes, as a calendar program shows it.
        const char* value = icalvalue_get_text(icalproperty_get_value(property));
        return value != nullptr ? value : "";
    };
    for (icalcomponent* entry =
             icalcomponent_get_first_component(calendar.get(), ICAL_ANY_COMPONENT);
         entry != nullptr;
         entry = icalcomponent_get_next_component(calendar.get(), ICAL_ANY_COMPONENT))
    {
        SParsedEntry parsed;
        parsed.kind = icalcomponent_isa(entry);
        parsed.uid = text_of(entry, ICAL_UID_PROPERTY);
        parsed.summary = text_of(entry, ICAL_SUMMARY_PROPERTY);
        parsed.description = text_of(entry, ICAL_DESCRIPTION_PROPERTY);
        parsed.location = text_of(entry, ICAL_LOCATION_PROPERTY);
        parsed.parent = text_of(entry, ICAL_RELATEDTO_PROPERTY);
        parsed.hasStamp = icalcomponent_get_first_property(entry, ICAL_DTSTAMP_PROPERTY) != nullptr;
        if (parsed.kind == ICAL_VEVENT_COMPONENT)
        {
            parsed.start = icalcomponent_get_dtstart(entry);
            parsed.end = icalcomponent_get_dtend(entry);
        }
        entries.push_back(parsed);
    }
    return entries;
}

class CalendarExportTest : public CDocFixture
{
protected:
    CMeeting* AddMeeting(const std::string& subject, const SDate& date, const std::string& name,
                         const std::string& address)
    {
        CMeeting* meeting = m_doc->AddMeeting();
        meeting->SetName(subject);
        meeting->SetDate(date);
        meeting->SetContactName(name);
        meeting->SetContactAddress(address);
        return meeting;
    }
    std::vector<const CMeeting*> AllMeetings() const
    {
        std::vector<const CMeeting*> meetings;
        for (const auto& meeting : m_doc->GetMeetings())
            meetings.push_back(meeting.get());
        return meetings;
    }
    std::string ReadFile(const std::filesystem::path& path) const
    {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(path, bytes));
        return bytes;
    }
};
} // namespace

TEST_F(CalendarExportTest, EveryMeetingIsAnAllDayEventWithItsSummaryAndUid)
{
    Open();
    CMeeting* caterer = AddMeeting("Tasting", SDate(2025, 2, 28), "Sam Carter", "Cakes avenue 9");
    caterer->SetInfo("Bring the menu\r\nAsk about wine");
    caterer->SetCalendarUid("kept-uid-1");
    AddMeeting("Florist", SDate(2024, 12, 31), "Dana", "");
    AddMeeting("Hall visit", SDate(2024, 2, 29), "", "Herzl 1\r\nHaifa");
    AddMeeting("Think", SDate(2025, 1, 1), "", "");
    AddMeeting("Damaged", SDate(2023, 2, 29), "Nobody", "Nowhere");
    AddMeeting("No date", SDate(), "Nobody", "Nowhere");

    SCalendarCounts counts;
    std::string error;
    EXPECT_FALSE(WriteMeetingsCalendar(*m_doc, AllMeetings(), m_root / "none" / "Meetings.ics",
                                       counts, &error));
    EXPECT_NE(error.find("could not be written"), std::string::npos) << error;
    EXPECT_EQ(counts.written, 0);

    const auto path = m_root / "Meetings.ics";
    ASSERT_TRUE(WriteMeetingsCalendar(*m_doc, AllMeetings(), path, counts, &error)) << error;
    EXPECT_EQ(counts.written, 4);
    EXPECT_EQ(counts.skipped, 2) << "29.2.2023 and no date are no calendar days";

    const std::string text = ReadFile(path);
    std::size_t lineFeeds = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    {
        ++lineFeeds;
        EXPECT_TRUE(at > 0 && text[at - 1] == '\r') << "every line ends in CR LF";
    }
    EXPECT_GT(lineFeeds, 20u);
    const auto entries = Parse(text);
    ASSERT_EQ(entries.size(), 4u);
    struct SExpected
    {
        const char* summary;
        SDate date;
        SDate end;
        const char* description;
        const char* location;
    };
    const SExpected expected[] = {
        {"Meeting with Sam Carter at Cakes avenue 9", SDate(2025, 2, 28), SDate(2025, 3, 1),
         "Tasting\nBring the menu\nAsk about wine", "Cakes avenue 9"},
        {"Meeting with Dana", SDate(2024, 12, 31), SDate(2025, 1, 1), "Florist", ""},
        {"Meeting at Herzl 1, Haifa", SDate(2024, 2, 29), SDate(2024, 3, 1), "Hall visit",
         "Herzl 1, Haifa"},
        {"Think", SDate(2025, 1, 1), SDate(2025, 1, 2), "Think", ""},
    };
    std::set<std::string> uids;
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        SCOPED_TRACE(expected[i].summary);
        const SParsedEntry& entry = entries[i];
        EXPECT_EQ(entry.kind, ICAL_VEVENT_COMPONENT);
        EXPECT_EQ(entry.summary, expected[i].summary);
        EXPECT_EQ(entry.description, expected[i].description);
        EXPECT_EQ(entry.location, expected[i].location);
        EXPECT_TRUE(entry.start.is_date) << "an all-day event";
        EXPECT_EQ(SDate(entry.start.year, entry.start.month, entry.start.day), expected[i].date);
        EXPECT_EQ(SDate(entry.end.year, entry.end.month, entry.end.day), expected[i].end);
        EXPECT_TRUE(entry.hasStamp);
        EXPECT_TRUE(uids.insert(entry.uid).second) << "every entry has a UID of its own";
    }
    EXPECT_EQ(entries[0].uid, "kept-uid-1");
}

TEST_F(CalendarExportTest, TextsSurviveTheRoundTrip)
{
    Open(ELanguage::Hebrew);
    // Commas, semicolons, quotes, a backslash, markup, line breaks and a control character.
    const std::string tricky = "Levi, Cohen; \"Ruth\\\" & <b>\r\nsecond line\r\n\x01third";
    const std::string hebrew = "\xD7\x93\xD7\xA0\xD7\x94 \xD7\x9C\xD7\x95\xD7\x99"; // Dana Levi
    // Long enough to be folded, with Hebrew letters on the folds.
    std::string longName;
    for (int i = 0; i < 20; ++i)
        longName += hebrew + " ";
    CMeeting* meeting = AddMeeting(tricky, SDate(2025, 6, 1), tricky, "");
    meeting->SetInfo("notes, with; both\r\nlines");
    AddMeeting("x", SDate(2025, 6, 2), longName, hebrew);

    const auto path = m_root / "Meetings.ics";
    SCalendarCounts counts;
    ASSERT_TRUE(WriteMeetingsCalendar(*m_doc, AllMeetings(), path, counts));
    const auto entries = Parse(ReadFile(path));
    ASSERT_EQ(entries.size(), 2u);
    const std::string meetingWith = "\xD7\xA4\xD7\x92\xD7\x99\xD7\xA9\xD7\x94 \xD7\xA2\xD7\x9D ";
    EXPECT_EQ(entries[0].summary, meetingWith + "Levi, Cohen; \"Ruth\\\" & <b>, second line, third")
        << "\"Meeting with\" in Hebrew, on one line";
    EXPECT_EQ(entries[0].description,
              "Levi, Cohen; \"Ruth\\\" & <b>\nsecond line\nthird\nnotes, with; both\nlines")
        << "the subject, then the notes";
    EXPECT_EQ(entries[1].summary,
              meetingWith + longName.substr(0, longName.size() - 1) + " \xD7\x91-" + hebrew);
    EXPECT_EQ(entries[1].location, hebrew);
}

TEST_F(CalendarExportTest, UidsOfMeetingsNeverGivenOneAreStableAndDistinct)
{
    Open();
    CMeeting* first = AddMeeting("New meeting", SDate(2025, 5, 5), "", "");
    CMeeting* twin = AddMeeting("New meeting", SDate(2025, 5, 5), "", "");
    const std::string uid = MeetingCalendarUid(*m_doc, *first);
    EXPECT_EQ(MeetingCalendarUid(*m_doc, *first), uid) << "the same while the meeting stays";
    EXPECT_NE(MeetingCalendarUid(*m_doc, *twin), uid) << "an identical meeting elsewhere differs";
    first->SetContactName("Sam");
    EXPECT_NE(MeetingCalendarUid(*m_doc, *first), uid) << "a changed meeting is not the old entry";

    first->SetCalendarUid("given");
    EXPECT_EQ(MeetingCalendarUid(*m_doc, *first), "given");
    first->SetContactName("Dana");
    EXPECT_EQ(MeetingCalendarUid(*m_doc, *first), "given") << "a given UID survives edits";

    std::set<std::string> fresh;
    for (int i = 0; i < 50; ++i)
    {
        const std::string next = NewCalendarUid();
        ASSERT_EQ(next.size(), 36u) << next;
        EXPECT_EQ(next[14], '4') << "a version 4 UUID";
        EXPECT_TRUE(fresh.insert(next).second);
    }
}

TEST_F(CalendarExportTest, OpenTasksAreToDoEntriesUnderTheirParents)
{
    Open();
    CTask* root = m_doc->GetTaskRoot();
    const auto add = [](CTask& parent, const std::string& name, bool checked) -> CTask*
    {
        auto task = std::make_unique<CTask>();
        task->SetName(name);
        task->SetChecked(checked);
        CTask* raw = task.get();
        EXPECT_TRUE(parent.AddChild(std::move(task)));
        return raw;
    };
    const auto path = m_root / "Tasks.ics";
    SCalendarCounts counts;
    std::string error;
    EXPECT_FALSE(WriteTasksCalendar(*m_doc, path, counts, &error)) << "the root alone is no task";
    EXPECT_EQ(error, "Every task is done; nothing was written.");
    EXPECT_FALSE(std::filesystem::exists(path));

    CTask* hall = add(*root, "Book the hall", false);
    hall->SetInfo("Deposit; 10%\r\nBy May");
    CTask* music = add(*root, "Music", true);
    add(*music, "Band", false);
    add(*hall, "Sign the contract", false);
    add(*hall, "Pay", true);

    ASSERT_TRUE(WriteTasksCalendar(*m_doc, path, counts, &error)) << error;
    EXPECT_EQ(counts.written, 3);
    const auto entries = Parse(ReadFile(path));
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].kind, ICAL_VTODO_COMPONENT);
    EXPECT_EQ(entries[0].summary, "Book the hall");
    EXPECT_EQ(entries[0].description, "Deposit; 10%\nBy May");
    EXPECT_EQ(entries[0].parent, "");
    EXPECT_EQ(entries[1].summary, "Sign the contract");
    EXPECT_EQ(entries[1].parent, entries[0].uid);
    EXPECT_EQ(entries[2].summary, "Band");
    EXPECT_EQ(entries[2].parent, "") << "its parent is done and not in the file";
    EXPECT_EQ(entries[0].uid, TaskCalendarUid(*m_doc, *hall)) << "the same at every export";
}
