#include "edits/MeetingEdits.h"

#include "EditsFixture.h"
#include "model/Meeting.h"
#include "office/CalendarExport.h"
#include "platform/AtomicFile.h"
#include "platform/Shell.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace
{
// A view that checks, when it hears a meeting is about to go, that the meeting is still there.
class CRemovalWatcher : public IDocView
{
public:
    explicit CRemovalWatcher(CNewOrvDoc& doc) : m_doc(doc) {}
    void OnUpdate(IDocView*, EUpdateHint hint, CRecord* record) override
    {
        if (hint != HINT_MEETING_REMOVING)
            return;
        const auto& meetings = m_doc.GetMeetings();
        stillThere = std::any_of(meetings.begin(), meetings.end(),
                                 [&](const auto& meeting) { return meeting.get() == record; });
    }
    bool stillThere = false;

private:
    CNewOrvDoc& m_doc;
};

// Stands in for the desktop's file handler while a test runs.
class CShellOpenGuard
{
public:
    explicit CShellOpenGuard(bool answer)
    {
        SetShellOpenHandler(
            [this, answer](const std::string& target)
            {
                opened.push_back(target);
                return answer;
            });
    }
    ~CShellOpenGuard()
    {
        SetShellOpenHandler({});
        for (const std::string& path : opened)
            RemoveFileChecked(path);
    }
    std::vector<std::string> opened;
};
} // namespace

class MeetingEditsTest : public CEditsFixture
{
};

TEST_F(MeetingEditsTest, AddingGivesNewMeetingsWithCalendarUidsOfTheirOwn)
{
    CNewOrvDoc& doc = OpenEvent();
    Clear();
    doc.SetDataChanged(false);
    CMeeting* first = Edits::AddMeeting(doc, &m_sender);
    CMeeting* second = Edits::AddMeeting(doc, &m_sender);
    ASSERT_EQ(doc.GetMeetings().size(), 2u);
    EXPECT_EQ(first->GetName(), "New meeting");
    EXPECT_EQ(second->GetName(), "New meeting");
    EXPECT_FALSE(first->GetCalendarUid().empty());
    EXPECT_NE(first->GetCalendarUid(), second->GetCalendarUid());
    EXPECT_TRUE(doc.IsDataChanged());
    ASSERT_EQ(m_spy.hints.size(), 2u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_MEETING_ADDED);
    EXPECT_EQ(m_spy.hints[1].record, second);
    EXPECT_TRUE(m_sender.hints.empty());
}

TEST_F(MeetingEditsTest, DeletingAsksAndAnnouncesWhileTheMeetingIsStillThere)
{
    CNewOrvDoc& doc = OpenEvent();
    CMeeting* meeting = Edits::AddMeeting(doc, &m_sender);
    CRemovalWatcher watcher(doc);
    doc.AddView(&watcher);
    Clear();

    m_prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::DeleteMeetingWithQuestion(doc, meeting, &m_sender));
    EXPECT_EQ(Captions(), std::vector<std::string>{"Delete this meeting?"});
    EXPECT_EQ(m_prompt.Asked()[0].text, "Are you sure you want to delete this meeting?");
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNo);
    EXPECT_TRUE(m_spy.hints.empty());
    EXPECT_EQ(doc.GetMeetings().size(), 1u);

    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(Edits::DeleteMeetingWithQuestion(doc, meeting, &m_sender));
    EXPECT_TRUE(doc.GetMeetings().empty());
    EXPECT_TRUE(watcher.stillThere);
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_MEETING_REMOVING});
    EXPECT_TRUE(m_sender.hints.empty());
    doc.RemoveView(&watcher);
}

TEST_F(MeetingEditsTest, DetailsAreStoredWithRecordLineBreaksAndAnnouncedOnChange)
{
    CNewOrvDoc& doc = OpenEvent();
    CMeeting* meeting = Edits::AddMeeting(doc, &m_sender);
    Edits::SMeetingDetails details;
    details.name = "Tasting";
    details.info = "Bring the menu\nAsk about wine\r\nand cake\rdone";
    details.contactName = "Sam Carter";
    details.contactJob = "Chef";
    details.contactPhone = "415-1234567";
    details.contactAddress = "Cakes avenue 9\nSan Francisco";
    details.date = SDate(2025, 3, 4);
    Clear();
    EXPECT_TRUE(Edits::SetMeetingDetails(doc, meeting, details, &m_sender));
    EXPECT_EQ(meeting->GetInfo(), "Bring the menu\r\nAsk about wine\r\nand cake\r\ndone");
    EXPECT_EQ(meeting->GetContactAddress(), "Cakes avenue 9\r\nSan Francisco");
    EXPECT_EQ(meeting->GetDate(), SDate(2025, 3, 4));
    EXPECT_EQ(Edits::DetailsOf(*meeting).contactJob, "Chef");
    ASSERT_EQ(m_spy.hints.size(), 1u);
    EXPECT_EQ(m_spy.hints[0].hint, HINT_MEETING_CHANGED);
    EXPECT_EQ(m_spy.hints[0].record, meeting);

    Clear();
    EXPECT_FALSE(Edits::SetMeetingDetails(doc, meeting, Edits::DetailsOf(*meeting), &m_sender));
    EXPECT_TRUE(m_spy.hints.empty()) << "nothing changed, nothing announced";
}

TEST_F(MeetingEditsTest, AnAppointmentIsAFileHandedToTheDesktop)
{
    CNewOrvDoc& doc = OpenEvent();
    CMeeting* meeting = doc.AddMeeting();
    meeting->SetDate(SDate(2025, 7, 1));
    const std::string exportedSoFar = MeetingCalendarUid(doc, *meeting);
    Clear();
    {
        CShellOpenGuard desktop(true);
        EXPECT_TRUE(Edits::AddMeetingToCalendar(doc, meeting, &m_sender));
        EXPECT_EQ(Captions(), std::vector<std::string>{"Added appointment successfully"});
        ASSERT_EQ(desktop.opened.size(), 1u);
        std::string text;
        ASSERT_TRUE(ReadWholeFile(desktop.opened[0], text));
        EXPECT_NE(text.find("UID:" + exportedSoFar), std::string::npos) << text;
        EXPECT_NE(text.find("DTSTART;VALUE=DATE:20250701"), std::string::npos) << text;
    }
    EXPECT_EQ(meeting->GetCalendarUid(), exportedSoFar) << "kept, so later edits keep it";
    EXPECT_EQ(m_spy.HintNumbers(), std::vector<EUpdateHint>{HINT_MEETING_CHANGED});

    Clear();
    {
        CShellOpenGuard desktop(false);
        EXPECT_FALSE(Edits::AddMeetingToCalendar(doc, meeting, &m_sender));
        EXPECT_EQ(Captions(), std::vector<std::string>{"Failed to add new appointment"});
    }

    Clear();
    meeting->SetDate(SDate(2025, 2, 30));
    CMeeting* undated = doc.AddMeeting();
    undated->SetDate(SDate());
    for (CMeeting* notADay : {meeting, undated})
    {
        CShellOpenGuard desktop(true);
        EXPECT_FALSE(Edits::AddMeetingToCalendar(doc, notADay, &m_sender));
        EXPECT_TRUE(desktop.opened.empty());
    }
    EXPECT_EQ(m_prompt.Asked()[0].text, "The date of this meeting is not a valid calendar date.");
    EXPECT_EQ(undated->GetCalendarUid(), "");
}

TEST_F(MeetingEditsTest, ExportingAllKeepsTheUidsAndTellsWhatWasLeftOut)
{
    CNewOrvDoc& doc = OpenEvent();
    const auto path = m_root / "Meetings.ics";
    Clear();
    EXPECT_FALSE(Edits::ExportMeetingsToCalendar(doc, path, &m_sender));
    EXPECT_EQ(m_prompt.Asked().at(0).text, "No meeting has a valid date; nothing was written.");

    CMeeting* dated = doc.AddMeeting();
    dated->SetDate(SDate(2025, 1, 2));
    CMeeting* undated = doc.AddMeeting();
    undated->SetDate(SDate());
    const std::string uid = MeetingCalendarUid(doc, *dated);
    Clear();
    EXPECT_TRUE(Edits::ExportMeetingsToCalendar(doc, path, &m_sender));
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].text, "1 calendar entries written to " + path.string() +
                                            "\r\n1 meetings without a valid date were left out.");
    EXPECT_EQ(dated->GetCalendarUid(), uid);
    EXPECT_EQ(undated->GetCalendarUid(), "") << "not in the file, so not given one";
}
