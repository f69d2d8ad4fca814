#include "BudgetFixture.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Table.h"
#include "model/Task.h"
#include "platform/ProfileFile.h"
#include "store/EventTypes.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
SNewEvent Details(int type, const std::string& bride, const std::string& groom = {})
{
    SNewEvent details;
    details.type = type;
    details.date = SDate(2026, 6, 15);
    details.brideFirstName = bride;
    details.groomFirstName = groom;
    return details;
}

// A guest with every piece of event-day state set, as a legacy guest section.
const char kBusyGuests[] =
    "[Guest0]\r\nNM=Dan\r\nFM=Levi\r\nGN=Friends\r\nTI=1\r\nCS=3\r\nST=1\r\nGS=500\r\n"
    "GD=100\r\nGI=A vase\r\nGA=Given at the door\r\nIS=\xD7\x9B\xD7\x9F\r\nAN=3\r\n"
    "[Guest1]\r\nNM=Dana\r\nFM=Cohen\r\nTI=1\r\nST=2\r\n";

class AddEventTest : public CBudgetFixture
{
protected:
    std::string Key(const std::string& id, const std::string& key)
    {
        return ReadProfileString(m_root / id / "Settings.ini", "KeySettings", key);
    }
    std::string Gen(const std::string& id, const std::string& key)
    {
        return ReadProfileString(m_root / id / "Settings.ini", "GenSettings", key);
    }
    // Keeps the current event's changes out of the way: the save question is answered No.
    void DeclineSaving()
    {
        m_doc->GetAppSettings().SetAutoSaveOnExit(false);
        m_prompt.Answer(EAnswer::No);
    }
};
} // namespace

TEST_F(AddEventTest, FinishCreatesSavesAndActivatesTheNewEvent)
{
    Open();
    m_spy.hints.clear();
    SNewEvent details = Details(CEventTypes::kWedding, "Dana", "Avi");
    details.brideMiddleName = "R.";
    details.brideFamilyName = "Cohen";
    details.groomMiddleName = "M.";
    details.groomFamilyName = "Levi";
    details.phone = "050-1234567";
    CEventInfo* added = m_doc->AddEvent(details);

    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetId(), "DB1");
    EXPECT_EQ(added->GetFolder(), m_root / "DB1");
    EXPECT_EQ(added->GetName(), "The wedding of Dana and Avi");
    EXPECT_EQ(m_doc->GetActiveEvent(), added);
    ASSERT_EQ(m_doc->GetEvents().size(), 2u);
    EXPECT_EQ(m_doc->GetEvents().back().get(), added);
    EXPECT_EQ(m_folders->ActiveEventFolder(), m_root / "DB1");

    EXPECT_TRUE(fs::exists(EventFile("WeddingData.xml"))) << "the current event was saved first";
    EXPECT_FALSE(Gen("DB", "lastGuestUniqueId").empty()) << "and its settings written";
    EXPECT_TRUE(fs::exists(m_root / "DB1" / "WeddingData.xml")) << "the new event is on disk";
    EXPECT_FALSE(m_doc->IsDataChanged());

    const std::pair<const char*, const char*> keys[] = {
        {"BrideName", "Dana"},          {"BrideMid", "R."},      {"BrideFamily", "Cohen"},
        {"GroumName", "Avi"},           {"GroomMid", "M."},      {"GroumFamily", "Levi"},
        {"CouplePhone", "050-1234567"}, {"WeddingYear", "2026"}, {"WeddingMonth", "6"},
        {"WeddingDay", "15"},
    };
    for (const auto& [key, value] : keys)
        EXPECT_EQ(Key("DB1", key), value) << key;
    EXPECT_EQ(Gen("DB1", "EveName"), "The wedding of Dana and Avi");
    EXPECT_EQ(Gen("DB1", "EventType"), "0");
    EXPECT_TRUE(Key("DB", "BrideName").empty()) << "the previous event keeps its own names";

    ASSERT_EQ(m_doc->GetGroupCount(), 12);
    EXPECT_EQ(m_doc->GetGroupAt(0)->GetName(), "Avi-Childhood friends");
    EXPECT_EQ(m_doc->GetGroupAt(1)->GetName(), "Dana-Childhood friends");
    EXPECT_EQ(m_doc->GetGuestCount(), 0) << "nothing copied";
    EXPECT_EQ(m_doc->GetTableCount(), 2) << "the new event has its default content";

    const auto hints = m_spy.HintNumbers();
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(hints.front(), HINT_EVENT_RELOADING);
    EXPECT_EQ(hints.back(), HINT_EVENT_RELOADED) << "a full refresh after the groups were made";

    SNewEvent party = Details(CEventTypes::kBarMitzvah, "Yoni");
    party.eventName = "Yoni at thirteen";
    CEventInfo* second = m_doc->AddEvent(party);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetId(), "DB2");
    EXPECT_EQ(Gen("DB2", "EveName"), "Yoni at thirteen");
    EXPECT_EQ(Gen("DB2", "EventType"), "3");
    EXPECT_EQ(Gen("DB1", "EveName"), "The wedding of Dana and Avi");

    ASSERT_TRUE(m_doc->WriteShutdownState());
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB2");
}

TEST_F(AddEventTest, TheNewFolderFillsTheFirstGap)
{
    fs::create_directories(m_root / "DB2");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    fs::create_directories(m_root / "DB");
    Open();
    CEventInfo* added = m_doc->AddEvent(Details(CEventTypes::kHina, "Noa"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetId(), "DB1");
    added = m_doc->AddEvent(Details(CEventTypes::kHina, "Tamar"));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetId(), "DB3") << "DB2 is taken on disk although it is not listed";
}

TEST_F(AddEventTest, DecliningTheSaveQuestionChangesNothing)
{
    Open();
    m_doc->GetAppSettings().SetAutoSaveOnExit(false);
    m_doc->AddGuest("Dan", "Levi");
    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_EQ(m_doc->AddEvent(Details(CEventTypes::kWedding, "Dana", "Avi")), nullptr);
    ASSERT_EQ(m_prompt.Asked().size(), 1u);
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNoCancel);
    EXPECT_EQ(m_doc->GetEvents().size(), 1u);
    EXPECT_EQ(m_doc->GetActiveEvent()->GetId(), "DB");
    EXPECT_EQ(m_doc->GetGuestCount(), 1);
    EXPECT_TRUE(m_doc->IsDataChanged());
    EXPECT_FALSE(fs::exists(m_root / "DB1"));
    EXPECT_FALSE(fs::exists(EventFile("Settings.ini"))) << "not even the settings are written";
}

TEST_F(AddEventTest, CopyingKeepsTheGuestsButNoneOfTheirEventDayState)
{
    // An event never saved as XML: its legacy record files are what the copy takes.
    WriteEventFile("Guests.ini", kBusyGuests);
    WriteEventFile("Tables.ini", "[Table0]\r\nName=Unseated Guests\r\nPlaces=0\r\n"
                                 "[Table1]\r\nName=Family\r\nPlaces=12\r\n");
    WriteEventFile("Groups.ini", "[Group0]\r\nGroupName=Friends\r\n");
    WriteEventFile("Tasks.ini", "[Task1]\r\nname=Tasks\r\nchild0=2\r\n[Task2]\r\nname=Book\r\n");
    WriteEventFile("Checkpoint.ini", "[Checkpoint]\r\nCpIndex=9\r\n");
    WriteEventFile("Settings.ini", "[KeySettings]\r\nBrideName=Old\r\n");
    Open();
    ASSERT_EQ(m_doc->GetGuestAt(0)->GetTable(), 1);
    ASSERT_TRUE(m_doc->GetGuestAt(0)->GetInvitationSent());
    DeclineSaving();

    SNewEvent details = Details(CEventTypes::kWedding, "Dana", "Avi");
    details.copyFrom = m_doc->FindEvent("DB");
    details.createGroups = false;
    ASSERT_NE(m_doc->AddEvent(details), nullptr);

    EXPECT_TRUE(fs::exists(EventFile("Guests.ini"))) << "the source event is left as it was";
    ASSERT_EQ(m_doc->GetGuestCount(), 2);
    EXPECT_EQ(m_doc->GetTableCount(), 2);
    ASSERT_EQ(m_doc->GetGroupCount(), 1) << "the copied groups; no default groups asked for";
    for (const auto& guest : m_doc->GetGuests())
    {
        SCOPED_TRACE(guest->GetName());
        EXPECT_EQ(guest->GetTable(), 0);
        EXPECT_EQ(guest->GetArrivedCount(), 0);
        EXPECT_FALSE(guest->IsArrived());
        EXPECT_FALSE(guest->GetInvitationSent());
        EXPECT_EQ(guest->GetStatus(), CGuest::kStatusUnknown);
        EXPECT_EQ(guest->GetGiftDollars(), 0.0f);
        EXPECT_EQ(guest->GetGiftShekels(), 0.0f);
        EXPECT_EQ(guest->GetSmsCount(), 0);
        EXPECT_TRUE(guest->GetGift().empty());
        EXPECT_TRUE(guest->GetGiftDetails().empty());
    }
    const CGuest* dan = m_doc->GetGuestAt(0);
    EXPECT_EQ(dan->GetFullName(), "Dan Levi");
    EXPECT_EQ(dan->GetGroupName(), "Friends") << "what is not event-day state stays";
    EXPECT_EQ(dan->GetComingCount(), 3);

    EXPECT_EQ(m_doc->GetTaskRoot()->GetChildCount(), 0) << "tasks are never copied";
    EXPECT_EQ(m_doc->GetCheckpoint().Get(), 0) << "nor the data version";
    EXPECT_EQ(Key("DB1", "BrideName"), "Dana") << "nor the settings";
    EXPECT_TRUE(fs::exists(m_root / "DB1" / "WeddingData.xml"));
    EXPECT_FALSE(fs::exists(m_root / "DB1" / "Guests.ini")) << "the copy was saved as XML";
}

// Only the data file is copied from an event saved as XML; the reset is the one above.
TEST_F(AddEventTest, CopyingAnXmlEventKeepsItsGuestsUnseated)
{
    Open();
    CGuest* dan = m_doc->AddGuest("Dan", "Levi");
    dan->SetTable(1);
    dan->SetSeatLocked(true);
    ASSERT_TRUE(m_doc->SaveEventData());

    SNewEvent details = Details(CEventTypes::kWedding, "Dana", "Avi");
    details.copyFrom = m_doc->FindEvent("DB");
    ASSERT_NE(m_doc->AddEvent(details), nullptr);
    ASSERT_EQ(m_doc->GetGuestCount(), 1);
    EXPECT_EQ(m_doc->GetGuestAt(0)->GetFullName(), "Dan Levi");
    EXPECT_EQ(m_doc->GetGuestAt(0)->GetTable(), 0);
    EXPECT_FALSE(m_doc->GetGuestAt(0)->IsSeatLocked()) << "the seat it kept is gone";
    EXPECT_EQ(m_doc->GetGroupCount(), 12) << "the copy brought no group, so the defaults are made";
}

TEST_F(AddEventTest, APartyOwnerGetsGroupsAndANameOfTheirOwn)
{
    Open();
    SNewEvent details = Details(CEventTypes::kCircumcision, "Yoni", "Hidden");
    ASSERT_NE(m_doc->AddEvent(details), nullptr);
    EXPECT_EQ(m_doc->GetActiveEvent()->GetName(), "The circumcision of Yoni ");
    ASSERT_EQ(m_doc->GetGroupCount(), 6) << "the groom's fields are hidden for a party";
    EXPECT_EQ(m_doc->GetGroupAt(0)->GetName(), "Yoni-Childhood friends");
    EXPECT_EQ(m_doc->GetGroupAt(5)->GetName(), "Yoni-Other friends");
    EXPECT_EQ(Key("DB1", "BrideName"), "Yoni") << "the owner is kept in the bride's fields";

    details.createGroups = false;
    ASSERT_NE(m_doc->AddEvent(details), nullptr);
    EXPECT_EQ(m_doc->GetGroupCount(), 0);
}

TEST_F(AddEventTest, AReadOnlyDocumentAddsNoEvent)
{
    CProgramFolders folders(m_root.Path(), m_root / "program", false, false);
    CNewOrvDoc doc(folders, m_prompt, true);
    doc.OnNewDocument();
    EXPECT_EQ(doc.AddEvent(Details(CEventTypes::kWedding, "Dana", "Avi")), nullptr);
    EXPECT_FALSE(fs::exists(m_root / "DB1"));
}

TEST(EventTypes, NamesAndCaptionsByType)
{
    EXPECT_EQ(CEventTypes::TypeName(CEventTypes::kHina), "Hina");
    EXPECT_EQ(CEventTypes::MakeEventName(CEventTypes::kWedding, "Dana", "Avi"),
              "The wedding of Dana and Avi");
    // A party has one owner: the second name is left out (the blank stays).
    EXPECT_EQ(CEventTypes::MakeEventName(CEventTypes::kBatMitzvah, "Dana", "Avi"),
              "The Bat Mitzvah of Dana ");
    EXPECT_EQ(CEventTypes::SecondPersonCaption(CEventTypes::kWedding), "Bride");
    EXPECT_EQ(CEventTypes::SecondPersonCaption(CEventTypes::kBrita), "Party owner");
    EXPECT_EQ(CEventTypes::DetailsCaption(CEventTypes::kShabatHatan), "Details of party owner:");
    for (int type : {-1, CEventTypes::kTypeCount, 100})
    {
        SCOPED_TRACE(type);
        EXPECT_TRUE(CEventTypes::TypeName(type).empty());
        EXPECT_TRUE(CEventTypes::MakeEventName(type, "Dana", "Avi").empty());
        EXPECT_TRUE(CEventTypes::SecondPersonCaption(type).empty());
        EXPECT_FALSE(CEventTypes::HasPartyOwner(type));
    }

    SetUiLanguage(ELanguage::Hebrew);
    EXPECT_EQ(CEventTypes::MakeEventName(CEventTypes::kWedding, "דנה", "אבי"),
              "החתונה של דנה ואבי");
    SetUiLanguage(ELanguage::English);
}

// --- Select Event ---------------------------------------------------------------------------

class SelectEventTest : public AddEventTest
{
};

TEST_F(SelectEventTest, SwitchingLeavesNothingOfThePreviousEvent)
{
    WriteEventFile("Settings.ini", "[GenSettings]\r\nlastGuestUniqueId=5000\r\n");
    WriteEventFile("Guests.ini", kBusyGuests);
    WriteEventFile("Groups.ini", "[Group0]\r\nGroupName=Friends\r\n");
    WriteEventFile("Meetings.ini", "[Meeting0]\r\nName=Caterer\r\n");
    WriteEventFile("Tasks.ini", "[Task1]\r\nname=Tasks\r\nchild0=2\r\n[Task2]\r\nname=Book\r\n");
    WriteBytes(m_root / "DB1" / "Settings.ini", "[GenSettings]\r\nlastGuestUniqueId=1200\r\n");
    WriteBytes(m_root / "DB1" / "Guests.ini", "[Guest0]\r\nNM=Rina\r\nFM=Bar\r\n");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    Open();
    ASSERT_EQ(m_doc->GetGuestCount(), 2);
    const int lastOfFirstEvent = m_doc->AddGuest("New", "")->GetUniqueId();
    EXPECT_GT(lastOfFirstEvent, 5000);

    DeclineSaving();
    m_spy.hints.clear();
    ASSERT_TRUE(m_doc->SelectEvent(m_doc->FindEvent("DB1")));
    EXPECT_EQ(m_doc->GetActiveEvent()->GetId(), "DB1");
    ASSERT_EQ(m_doc->GetGuestCount(), 1);
    EXPECT_EQ(m_doc->GetGuestAt(0)->GetFullName(), "Rina Bar");
    EXPECT_EQ(m_doc->GetGroupCount(), 0);
    ASSERT_EQ(m_doc->GetMeetings().size(), 1u);
    EXPECT_NE(m_doc->GetMeetings()[0]->GetName(), "Caterer") << "the example meeting instead";
    EXPECT_EQ(m_doc->GetTaskRoot()->GetChildCount(), 0);
    EXPECT_EQ(m_spy.HintNumbers().front(), HINT_EVENT_RELOADING);
    EXPECT_EQ(m_spy.HintNumbers().back(), HINT_EVENT_RELOADED);

    const int id = m_doc->AddGuest("Later", "")->GetUniqueId();
    EXPECT_GT(id, 1200);
    EXPECT_LT(id, 5000) << "the counter follows the selected event's lastGuestUniqueId";
    EXPECT_EQ(ReadProfileInt(EventFile("Settings.ini"), "GenSettings", "lastGuestUniqueId", -1),
              lastOfFirstEvent)
        << "the previous event's counter was written when it was left";

    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_FALSE(m_doc->SelectEvent(m_doc->FindEvent("DB")));
    EXPECT_EQ(m_doc->GetActiveEvent()->GetId(), "DB1") << "Cancel keeps the current event";
    EXPECT_EQ(m_doc->GetGuestCount(), 2);
    EXPECT_FALSE(m_doc->SelectEvent(m_doc->GetActiveEvent())) << "the active event is no switch";
}
