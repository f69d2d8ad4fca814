#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "model/Task.h"
#include "platform/ProfileFile.h"
#include "support/DocFixture.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
class DocumentLoadSaveTest : public CDocFixture
{
protected:
    // One section of every legacy record file, plus the task tree and the data version.
    void WriteLegacy()
    {
        WriteEventFile("Guests.ini", "[GuestsCount]\r\nGuestsCount=2\r\n[Guest0]\r\nNM=Dan\r\n"
                                     "FM=Levi\r\nGN=Friends\r\nTI=1\r\nAN=3\r\n[Guest1]\r\n"
                                     "Name=Dana\r\nFamilyName=Cohen\r\n");
        WriteEventFile("Groups.ini", "[Group0]\r\nGroupName=Friends\r\n");
        WriteEventFile("Tables.ini", "[Table0]\r\nName=Unseated Guests\r\nPlaces=0\r\n[Table1]\r\n"
                                     "Name=Near stage\r\nPlaces=12\r\nInHall=4\r\n");
        WriteEventFile("Expences.ini", "[Expences0]\r\nMoneyItem=Hall\r\nDolars=900\r\n"
                                       "PDolar0=900\r\nPShekel0=0\r\nPPaid0=1\r\n");
        WriteEventFile("Meetings.ini", "[Meeting0]\r\nName=Photographer\r\nDay=3\r\n");
        WriteEventFile("Category.ini", "[Categories0]\r\nCategoryName=Flowers\r\n");
        WriteEventFile("Offers.ini", "[Offer0]\r\nMoneyItem=Roses\r\nCategoryE=Flowers\r\n"
                                     "IsInOffer=1\r\n");
        WriteEventFile("GanArrangement.ini", "[Shapes0]\r\nShapeType=2\r\nShapeName=Dance\r\n");
        WriteEventFile("Tasks.ini", "[Task1]\r\nname=Tasks\r\nchild0=2\r\n[Task2]\r\n"
                                    "name=Book the hall\r\n");
        WriteEventFile("Checkpoint.ini", "[Checkpoint]\r\nCpIndex=7\r\n");
    }
};
} // namespace

TEST_F(DocumentLoadSaveTest, LegacyEventLoadsAndConvertsOnTheFirstSave)
{
    WriteLegacy();
    CNewOrvDoc& doc = Open();
    EXPECT_TRUE(doc.IsDataChanged())
        << "an event read from INI files is converted at the next save";
    ASSERT_EQ(doc.GetGuestCount(), 2);
    EXPECT_EQ(doc.GetGuestAt(0)->GetFullName(), "Dan Levi");
    ASSERT_EQ(doc.GetTableCount(), 2);
    EXPECT_EQ(doc.GetTableAt(1)->GetName(), "Near stage");
    EXPECT_EQ(doc.GetOffers().size(), 1u) << "an event with a category gets no example offers";
    EXPECT_EQ(doc.GetExpenses().size(), 1u);
    EXPECT_EQ(doc.GetShapes().size(), 1u);
    EXPECT_EQ(doc.GetCheckpoint().Get(), 7);
    EXPECT_EQ(doc.GetTaskRoot()->GetChildCount(), 1);
    EXPECT_EQ(doc.GetTaskRoot()->GetName(), "Tasks");
    // The one migration write to a legacy file.
    EXPECT_EQ(ReadProfileString(EventFile("Offers.ini"), "Offer0", "IsInPlan0"), "1");

    ASSERT_TRUE(doc.SaveEventData());
    EXPECT_FALSE(doc.IsDataChanged());
    EXPECT_TRUE(fs::exists(EventFile("WeddingData.xml")));
    for (const char* legacy : {"Guests.ini", "Groups.ini", "Tables.ini", "Expences.ini",
                               "Meetings.ini", "Category.ini", "Offers.ini", "GanArrangement.ini"})
        EXPECT_FALSE(fs::exists(EventFile(legacy))) << legacy;
    EXPECT_TRUE(fs::exists(EventFile("Tasks.ini")));
    EXPECT_EQ(ReadProfileInt(EventFile("Checkpoint.ini"), "Checkpoint", "CpIndex", -1), 7);
    EXPECT_EQ(ReadProfileInt(EventFile("Settings.ini"), "GuestsCount", "GuestsCount", -1), 2);
}

TEST_F(DocumentLoadSaveTest, EveryFailingWriteStepLeavesTheFilesAsTheyWere)
{
    for (EFileStep failing : {EFileStep::CreateTemp, EFileStep::Write, EFileStep::Flush,
                              EFileStep::Close, EFileStep::Rename})
    {
        SCOPED_TRACE(static_cast<int>(failing));
        WriteLegacy();
        CNewOrvDoc& doc = Open();
        const std::string guestsBefore = ReadBytes(EventFile("Guests.ini"));
        m_prompt.Clear();

        SetFileFaultHook(
            [failing](EFileStep step, const std::string& path)
            { return step == failing && path.find("WeddingData.xml") != std::string::npos; });
        EXPECT_FALSE(doc.SaveEventData());
        SetFileFaultHook({});

        EXPECT_TRUE(doc.IsDataChanged()) << "nothing may look saved";
        EXPECT_FALSE(fs::exists(EventFile("WeddingData.xml")));
        EXPECT_EQ(ReadBytes(EventFile("Guests.ini")), guestsBefore)
            << "the legacy files stay until the data file is in place";
        ASSERT_FALSE(m_prompt.Asked().empty()) << "the user is told";
        EXPECT_EQ(m_prompt.Asked().back().caption, "Saving failed");
        EXPECT_NE(m_prompt.Asked().back().text.find("WeddingData.xml"), std::string::npos);
        for (const auto& entry : fs::directory_iterator(m_root / "DB"))
            EXPECT_EQ(entry.path().filename().string().rfind(".WeddingData", 0), std::string::npos)
                << "no temporary file left behind";

        ASSERT_TRUE(doc.SaveEventData()) << "the next save succeeds";
        EXPECT_FALSE(fs::exists(EventFile("Guests.ini")));
        fs::remove_all(m_root / "DB");
    }
}

TEST_F(DocumentLoadSaveTest, NothingChangedWritesNoDataFile)
{
    Open();
    ASSERT_TRUE(m_doc->SaveEventData());
    int dataWrites = 0;
    SetFileFaultHook(
        [&](EFileStep step, const std::string& path)
        {
            dataWrites +=
                step == EFileStep::Rename && path.find("WeddingData.xml") != std::string::npos;
            return false;
        });
    ASSERT_TRUE(m_doc->SaveEventData());
    EXPECT_EQ(dataWrites, 0);
    EXPECT_TRUE(fs::exists(EventFile("Checkpoint.ini"))) << "the data version is always written";

    // A pending in-place edit is committed by the save, so it is saved too.
    m_spy.pendingEdit = [this] { m_doc->GetGuestAt(0)->SetPhone("03-5555555"); };
    m_doc->AddGuest("Dan", "Levi");
    ASSERT_TRUE(m_doc->SaveEventData());
    m_spy.pendingEdit = [this] { m_doc->GetGuestAt(0)->SetPhone("03-6666666"); };
    ASSERT_TRUE(m_doc->SaveEventData());
    EXPECT_EQ(dataWrites, 2);
    EXPECT_NE(ReadBytes(EventFile("WeddingData.xml")).find("03-6666666"), std::string::npos);
}

TEST_F(DocumentLoadSaveTest, ReloadBroadcastsAroundTheLoadAndRestartsTheIndexes)
{
    WriteLegacy();
    Open();
    m_spy.hints.clear();
    m_doc->ReloadEvent();
    const auto hints = m_spy.HintNumbers();
    ASSERT_GE(hints.size(), 2u);
    EXPECT_EQ(hints.front(), HINT_EVENT_RELOADING);
    EXPECT_EQ(hints.back(), HINT_EVENT_RELOADED);
    EXPECT_EQ(m_doc->GetGuestAt(0)->GetIndex(), 0);
    EXPECT_EQ(m_doc->GetGuestAt(1)->GetIndex(), 1);
    EXPECT_EQ(m_doc->GetGroupAt(0)->GetIndex(), 0);
    EXPECT_EQ(m_doc->GetTaskRoot()->GetChildCount(), 1) << "no task of the previous load stays";
}

TEST_F(DocumentLoadSaveTest, UniqueIdsStayAboveEveryStoredOne)
{
    WriteEventFile("Settings.ini", "[GenSettings]\r\nlastGuestUniqueId=1500\r\n");
    Open();
    CGuest* guest = m_doc->AddGuest("Dan", "Levi");
    // The legacy loader's probe of the missing Guest0 took an id too; ids are never given back.
    EXPECT_GT(guest->GetUniqueId(), 1500);
    ASSERT_TRUE(m_doc->SaveEventData());
    EXPECT_EQ(ReadProfileInt(EventFile("Settings.ini"), "GenSettings", "lastGuestUniqueId", -1),
              guest->GetUniqueId());
}

TEST_F(DocumentLoadSaveTest, AShapeOfAnUnknownTypeSurvivesLoadAndSave)
{
    // A type this program does not know, as a newer program may write it, between two known ones.
    const std::string unknown =
        "<Shape sType=\"7\">\r\n<spName><![CDATA[Stage\r\nleft]]></spName>\r\n"
        "<sColor>255</sColor>\r\n<sClass><![CDATA[Stage]]></sClass>\r\n"
        "<sLocX>-20</sLocX>\r\n<sLocY>30</sLocY>\r\n<sSizeX>200</sSizeX>\r\n"
        "<sSizeY>60</sSizeY>\r\n</Shape>\r\n\r\n";
    WriteEventFile("WeddingData.xml",
                   "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Shapes>\r\n"
                   "<Shape sType=\"2\">\r\n<spName><![CDATA[Dance]]></spName>\r\n</Shape>\r\n\r\n" +
                       unknown + "<Shape sType=\"3\"></Shape>\r\n</Shapes>\r\n</WeddingData>\r\n");
    for (int load = 0; load < 2; ++load)
    {
        SCOPED_TRACE(load == 0 ? "the file as given" : "the file as saved");
        CNewOrvDoc& doc = Open();
        EXPECT_FALSE(doc.IsDataFileDamaged());
        ASSERT_EQ(doc.GetShapes().size(), 3u);
        const CShape& stage = *doc.GetShapes()[1];
        EXPECT_EQ(stage.GetType(), 7);
        EXPECT_FALSE(CShape::IsKnownType(stage.GetType()));
        EXPECT_EQ(stage.GetName(), "Stage\r\nleft");
        EXPECT_EQ(stage.GetClass(), "Stage");
        EXPECT_EQ(stage.GetColour(), 255);
        EXPECT_EQ(stage.GetRect(), SRect::FromSize(-20, 30, 200, 60));
        EXPECT_EQ(doc.GetShapes()[2]->GetType(), CShape::kShapeSpeaker);

        doc.SetDataChanged(true);
        ASSERT_TRUE(doc.SaveEventData());
        EXPECT_NE(ReadBytes(EventFile("WeddingData.xml")).find(unknown), std::string::npos)
            << "written back as it was read";
    }
}
