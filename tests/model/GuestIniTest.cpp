#include "FakeOwner.h"
#include "ModelTestSupport.h"
#include "model/Guest.h"
#include "model/LegacyLoader.h"
#include "platform/ProfileFile.h"
#include "settings/EventSettings.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

class GuestIniTest : public CModelTest
{
protected:
    // Loads the guest list from a Guests.ini holding text.
    std::vector<std::unique_ptr<CGuest>> Load(const std::string& text,
                                              std::vector<int>* positions = nullptr)
    {
        CProfileFile ini(WriteFile("Guests.ini", text));
        std::vector<std::unique_ptr<CGuest>> guests;
        std::function<void(int)> progress;
        if (positions != nullptr)
            progress = [positions](int pos) { positions->push_back(pos); };
        LoadGuestsFromIni(ini, nullptr, &m_owner, guests, progress);
        return guests;
    }

    CFakeOwner m_owner;
};

// Every long key is read in the English golden conversion; here, what the data file does not show.
TEST_F(GuestIniTest, LongKeyGuestIsModifiedAndArrivesByItsCount)
{
    const auto guests = Load("[Guest0]\r\nName=Dan\r\nFamilyName=Levi\r\nCameSum=2\r\n"
                             "[Guest1]\r\nName=Ruth\r\nCameSum=0\r\n");
    ASSERT_EQ(guests.size(), 2u);
    EXPECT_TRUE(guests[0]->IsArrived());
    EXPECT_FALSE(guests[1]->IsArrived());
    EXPECT_FALSE(guests[0]->WasReadWithShortKeys());
    EXPECT_TRUE(guests[0]->IsModified());
    EXPECT_FALSE(guests[0]->IsNew());
    // Loading never reaches the document.
    EXPECT_EQ(m_owner.dataChangedCalls, 0);
}

TEST_F(GuestIniTest, ShortKeyGuestLoadsUnmodifiedWithDefaults)
{
    const auto guests = Load("[Guest0]\r\nNM=Ruth\r\nFM=Cohen\r\nAN=5\r\nTI=2\r\n"
                             "Name=Ignored\r\nActualNum=9\r\n");
    ASSERT_EQ(guests.size(), 1u);
    const CGuest& ruth = *guests[0];
    EXPECT_EQ(ruth.GetFullName(), "Ruth Cohen");
    EXPECT_EQ(ruth.GetComingCount(), 5);
    EXPECT_EQ(ruth.GetTable(), 2);
    EXPECT_EQ(ruth.GetInvitedCount(), 2);
    EXPECT_EQ(ruth.GetInvitations(), 1);
    EXPECT_EQ(ruth.GetAddress(), "");
    EXPECT_EQ(ruth.GetStatus(), CGuest::kStatusUnknown);
    EXPECT_TRUE(ruth.WasReadWithShortKeys());
    EXPECT_FALSE(ruth.IsModified());
}

TEST_F(GuestIniTest, EmptyNameWithFamilyNameFallsBackToShortKeys)
{
    const auto guests =
        Load("[Guest0]\r\nName=\r\nFamilyName=Levi\r\nActualNum=7\r\nGroupName=Army\r\n");
    ASSERT_EQ(guests.size(), 1u);
    const CGuest& levi = *guests[0];
    EXPECT_EQ(levi.GetName(), "");
    // The one name the guest has is kept.
    EXPECT_EQ(levi.GetFamilyName(), "Levi");
    // The other fields were read with the short keys and took their defaults.
    EXPECT_EQ(levi.GetComingCount(), 2);
    EXPECT_EQ(levi.GetGroupName(), "");
    EXPECT_TRUE(levi.WasReadWithShortKeys());
    EXPECT_FALSE(levi.IsModified());
}

TEST_F(GuestIniTest, StatusKeysAndValueConventions)
{
    const auto guests = Load("[Guest0]\r\nNM=A\r\n"
                             "[Guest1]\r\nNM=B\r\nST=3\r\nStatus=1\r\n"
                             "[Guest2]\r\nNM=C\r\nST=2\r\nStatus=1\r\n"
                             "[Guest3]\r\nNM=D\r\nST=3\r\nStatus=3\r\nAD=Empty\r\n"
                             "AI=first..........second\r\n"
                             "[Guest4]\r\nNM=E\r\nAD=Emptyish\r\nIS=yes\r\nNC=\xD7\x9C\xD7\x90\r\n"
                             "TI=70000\r\n");
    ASSERT_EQ(guests.size(), 5u);
    EXPECT_EQ(guests[0]->GetStatus(), 0);
    EXPECT_EQ(guests[1]->GetStatus(), 1);
    EXPECT_EQ(guests[2]->GetStatus(), 2);
    EXPECT_EQ(guests[3]->GetStatus(), 0);
    EXPECT_EQ(guests[3]->GetAddress(), "");
    EXPECT_EQ(guests[3]->GetInfo(), "first\r\nsecond");
    EXPECT_EQ(guests[4]->GetAddress(), "Emptyish");
    // Only the Hebrew yes word is yes.
    EXPECT_FALSE(guests[4]->GetInvitationSent());
    EXPECT_FALSE(guests[4]->GetChildSeat());
    // The table id is kept in 16 bits.
    EXPECT_EQ(guests[4]->GetTable(), static_cast<std::int16_t>(70000));
}

TEST_F(GuestIniTest, Windows1255FileReadsHebrewWords)
{
    const auto guests = Load("[GuestsCount]\r\nGuestsCount=1\r\n"
                             "[Guest0]\r\nNM=\xE3\xEF\r\nFM=\xEC\xE5\xE9\r\nIS=\xEB\xEF\r\n"
                             "NC=\xEC\xE0\r\nRL=\xEB\xEC\xE4\r\n");
    ASSERT_EQ(guests.size(), 1u);
    EXPECT_EQ(guests[0]->GetFullName(), "\xD7\x93\xD7\x9F \xD7\x9C\xD7\x95\xD7\x99");
    EXPECT_TRUE(guests[0]->GetInvitationSent());
    EXPECT_FALSE(guests[0]->GetChildSeat());
    EXPECT_EQ(guests[0]->GetRelation(), "\xD7\x9B\xD7\x9C\xD7\x94");
}

TEST_F(GuestIniTest, ListEndsAtFirstMissingSectionAndGivesItsIndexBack)
{
    const auto guests = Load("[Guest0]\r\nNM=A\r\n[Guest1]\r\nFamilyName=B\r\n"
                             "[Guest3]\r\nNM=D\r\n");
    ASSERT_EQ(guests.size(), 2u);
    EXPECT_EQ(guests[1]->GetFullName(), "B");
    EXPECT_EQ(guests[1]->GetSection(), "Guest1");
    EXPECT_EQ(CRecordCounters::PeekIndex(ERecordClass::Guest), 1);
    // The failed attempt still used up a unique id.
    CGuest next(nullptr, nullptr);
    EXPECT_EQ(next.GetUniqueId(), CEventSettings::kFirstGuestUniqueId + 4);

    EXPECT_TRUE(Load("").empty());
}

TEST_F(GuestIniTest, ValuesAreCutAt255Characters)
{
    const std::string longInfo(300, 'x');
    const std::string hebrew300(300, '\xE0'); // windows-1255 alef
    const auto guests = Load("[Guest0]\r\nNM=A\r\nAI=" + longInfo + "\r\nAD=" + hebrew300 + "\r\n");
    ASSERT_EQ(guests.size(), 1u);
    EXPECT_EQ(guests[0]->GetInfo(), std::string(255, 'x'));
    std::string alefs;
    for (int i = 0; i < 255; ++i)
        alefs += "\xD7\x90";
    EXPECT_EQ(guests[0]->GetAddress(), alefs);
}

TEST_F(GuestIniTest, ProgressFollowsTheStoredCount)
{
    std::vector<int> positions;
    Load("[GuestsCount]\r\nGuestsCount=2\r\n[Guest0]\r\nNM=A\r\n[Guest1]\r\nNM=B\r\n", &positions);
    EXPECT_EQ(positions, (std::vector<int>{40, 75, 75}));

    // A count below the real number of guests must not push the bar past 75.
    positions.clear();
    Load("[GuestsCount]\r\nGuestsCount=0\r\n[Guest0]\r\nNM=A\r\n[Guest1]\r\nNM=B\r\n", &positions);
    EXPECT_EQ(positions, (std::vector<int>{75, 75}));
}

TEST_F(GuestIniTest, NegativeCountsReadAsZero)
{
    const auto guests = Load("[Guest0]\r\nNM=Dan\r\nCS=-2\r\nAN=-3\r\nPN=-1\r\nIN=-4\r\nNK=-2\r\n");
    ASSERT_EQ(guests.size(), 1u);
    EXPECT_EQ(guests[0]->GetArrivedCount(), 0);
    EXPECT_FALSE(guests[0]->IsArrived());
    EXPECT_EQ(guests[0]->GetComingCount(), 0);
    EXPECT_EQ(guests[0]->GetInvitedCount(), 0);
    EXPECT_EQ(guests[0]->GetInvitations(), 0);
    EXPECT_EQ(guests[0]->GetKids(), 0);
}
