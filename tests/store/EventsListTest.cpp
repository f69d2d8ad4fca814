#include "platform/EventLock.h"
#include "platform/ProfileFile.h"
#include "platform/SharedProfile.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "support/ScriptedPrompt.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace
{
class EventsListTest : public ::testing::Test
{
protected:
    // A document over the temporary data root, as the program builds it at start-up.
    std::unique_ptr<CNewOrvDoc> MakeDocument(bool readOnly = false)
    {
        m_folders =
            std::make_unique<CProgramFolders>(m_root.Path(), m_root / "program", false, !readOnly);
        return std::make_unique<CNewOrvDoc>(*m_folders, m_prompt, readOnly);
    }

    void MakeEventFolder(const std::string& id, const std::string& settings = {})
    {
        fs::create_directories(m_root / id);
        if (!settings.empty())
            WriteBytes(m_root / id / "Settings.ini", settings);
    }

    std::vector<std::string> Ids(const CNewOrvDoc& doc)
    {
        std::vector<std::string> ids;
        for (const auto& event : doc.GetEvents())
            ids.push_back(event->GetId());
        return ids;
    }

    CTempDir m_root;
    CScriptedPrompt m_prompt;
    std::unique_ptr<CProgramFolders> m_folders;
};
} // namespace

TEST_F(EventsListTest, TheListEndsAtTheFirstGapAndActiveFallsBackToTheFirstEvent)
{
    struct SCase
    {
        std::vector<std::string> folders;
        std::string active; // empty: no events.ini
        std::vector<std::string> ids;
        std::string expectedActive;
    };
    const SCase cases[] = {
        {{}, "", {"DB"}, "DB"}, // a fresh installation
        {{"DB", "DB1", "DB3"}, "DB1", {"DB", "DB1"}, "DB1"},
        {{"DB", "DB1"}, "DB7", {"DB", "DB1"}, "DB"},
        {{}, "DB", {"DB"}, "DB"}, // Active without any folder starts as the first run
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.active + " over " + std::to_string(c.folders.size()) + " folders");
        CTempDir root;
        for (const std::string& id : c.folders)
            fs::create_directories(root / id);
        if (!c.active.empty())
            WriteBytes(root / "events.ini", "[Events]\r\nActive=" + c.active + "\r\n");
        CProgramFolders folders(root.Path(), root / "program", false, true);
        CNewOrvDoc doc(folders, m_prompt);
        EXPECT_EQ(Ids(doc), c.ids);
        ASSERT_NE(doc.GetActiveEvent(), nullptr);
        EXPECT_EQ(doc.GetActiveEvent()->GetId(), c.expectedActive);
        EXPECT_EQ(doc.GetActiveEvent()->GetFolder(), root / c.expectedActive);
        EXPECT_EQ(folders.ActiveEventFolder(), root / c.expectedActive);
    }
}

TEST_F(EventsListTest, DisplayNames)
{
    MakeEventFolder("DB", "[GenSettings]\r\nEveName=Our Day\r\n");
    MakeEventFolder("DB1");
    MakeEventFolder("DB2");
    MakeEventFolder("DB3", "[KeySettings]\r\nBrideName=Dana\r\nGroumName=Avi\r\n");
    MakeEventFolder("DB4", "[KeySettings]\r\nBrideName=Dana\r\n");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    auto doc = MakeDocument();
    ASSERT_EQ(doc->GetEvents().size(), 5u);
    EXPECT_EQ(doc->GetEvents()[0]->GetName(), "Our Day");
    EXPECT_EQ(doc->GetEvents()[1]->GetName(), "Event 1");
    EXPECT_EQ(doc->GetEvents()[2]->GetName(), "Event 2");
    EXPECT_EQ(doc->GetEvents()[3]->GetName(), "Wedding of Dana and Avi 1");
    EXPECT_EQ(doc->GetEvents()[4]->GetName(), "Event 3") << "one name alone makes no wedding";
}

TEST_F(EventsListTest, FirstRunNamesTheEventFromTheCoupleUnlessItHasAName)
{
    MakeEventFolder("DB", "[KeySettings]\r\nBrideName=Dana\r\nGroumName=Avi\r\n");
    auto doc = MakeDocument();
    EXPECT_EQ(doc->GetActiveEvent()->GetName(), "Wedding of Dana and Avi");
    EXPECT_EQ(doc->GetSettings().GetEventName(), "Wedding of Dana and Avi");

    MakeEventFolder("DB", "[GenSettings]\r\nEveName=Our party\r\n[KeySettings]\r\n"
                          "BrideName=Dana\r\nGroumName=Avi\r\n");
    doc = MakeDocument();
    EXPECT_EQ(doc->GetActiveEvent()->GetName(), "Our party");
    EXPECT_EQ(doc->GetSettings().GetEventName(), "Our party");
}

TEST_F(EventsListTest, ShutdownWritesTheActiveEventAndItsName)
{
    MakeEventFolder("DB");
    MakeEventFolder("DB1");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    {
        auto doc = MakeDocument();
        doc->Activate(doc->FindEvent("DB1"));
        doc->ReloadEventSettings();
        ASSERT_TRUE(doc->WriteShutdownState());
    }
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB1");
    EXPECT_EQ(ReadProfileString(m_root / "DB1" / "Settings.ini", "GenSettings", "EveName"),
              "Event 2");
    EXPECT_EQ(
        ReadProfileInt(m_root / "DB1" / "Settings.ini", "GenSettings", "lastGuestUniqueId", -1),
        1000);
}

TEST_F(EventsListTest, AnEventForThisRunLeavesActiveAsItWas)
{
    MakeEventFolder("DB");
    MakeEventFolder("DB1");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    auto doc = MakeDocument();
    doc->ActivateForRun(doc->FindEvent("DB1"));
    ASSERT_TRUE(doc->WriteShutdownState());
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB");
}

TEST_F(EventsListTest, ReadOnlyDocumentWritesNothing)
{
    const fs::path root = m_root / "fresh";
    CProgramFolders folders(root, m_root / "program", false, false);
    {
        CNewOrvDoc doc(folders, m_prompt, true);
        doc.OnNewDocument();
        doc.GetSettings().SetEventName("changed");
        EXPECT_TRUE(doc.WriteShutdownState());
    }
    EXPECT_FALSE(fs::exists(root));
}

TEST_F(EventsListTest, OldInstallationDataMovesIntoTheActiveEvent)
{
    const fs::path old = m_root / "program" / "Data" / "DB1";
    WriteBytes(old / "Guests.ini", "[Guest0]\r\nNM=Dan\r\n");
    WriteBytes(old / "Settings.ini", "[GenSettings]\r\nEveName=Old wedding\r\n");
    WriteBytes(old.parent_path() / "AppSettings.ini", "[GenSettings]\r\nBACK_UP_EVERY=5\r\n");

    auto doc = MakeDocument();
    ASSERT_TRUE(doc->OnNewDocument());
    EXPECT_TRUE(fs::exists(m_root / "DB" / "Guests.ini"));
    EXPECT_FALSE(fs::exists(old)) << "the emptied old folder is removed";
    EXPECT_EQ(doc->GetSettings().GetEventName(), "Old wedding") << "settings read again";
    EXPECT_EQ(doc->GetAppSettings().GetBackupEvery(), 5) << "shared settings read again";
}

TEST_F(EventsListTest, CloseQuestionBranches)
{
    auto doc = MakeDocument();
    EXPECT_TRUE(doc->SaveModified()) << "nothing changed: close without asking";
    EXPECT_TRUE(m_prompt.Asked().empty());

    doc->GetAppSettings().SetAutoSaveOnExit(false);
    doc->SetDataChanged(true);
    m_prompt.Answer(EAnswer::Cancel);
    EXPECT_FALSE(doc->SaveModified());
    m_prompt.Answer(EAnswer::No);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(doc->IsDataChanged()) << "No closes without saving";
    m_prompt.Answer(EAnswer::Yes);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->IsDataChanged());
    ASSERT_EQ(m_prompt.Asked().size(), 3u);
    EXPECT_EQ(m_prompt.Asked()[0].buttons, EButtons::YesNoCancel);

    doc->GetAppSettings().SetAutoSaveOnExit(true);
    doc->SetDataChanged(true);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_EQ(m_prompt.Asked().size(), 3u) << "AutoSaveOnExit saves without a question";
}

TEST_F(EventsListTest, TheActiveEventIsWrittenUnderTheDataRootsSettingsLock)
{
    MakeEventFolder("DB");
    MakeEventFolder("DB1");
    WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\n");
    auto doc = MakeDocument();
    CEventLock other;
    ASSERT_EQ(other.Acquire(m_root.Path(), "velloran", std::chrono::milliseconds(0), nullptr,
                            kSharedProfileLockFile),
              CEventLock::EResult::Acquired);
    std::thread release(
        [&]
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            // What another program wrote meanwhile stays.
            WriteBytes(m_root / "events.ini", "[Events]\r\nActive=DB\r\nTheirs=1\r\n");
            other.Release();
        });
    const auto start = std::chrono::steady_clock::now();
    const bool written = m_folders->WriteActive(*doc->FindEvent("DB1"), true);
    release.join();
    EXPECT_TRUE(written);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Active"), "DB1");
    EXPECT_EQ(ReadProfileString(m_root / "events.ini", "Events", "Theirs"), "1");
}
