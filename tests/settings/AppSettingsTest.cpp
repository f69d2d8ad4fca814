#include "settings/AppSettings.h"

#include "platform/Language.h"
#include "platform/ProfileFile.h"
#include "settings/GeneralSettings.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

TEST(AppSettings, DefaultsAndRoundTrip)
{
    CTempDir dir;
    const auto ini = dir / "AppSettings.ini";
    CAppSettings settings;
    settings.Load(ini);
    EXPECT_TRUE(settings.GetAutoSaveOnExit());
    EXPECT_TRUE(settings.GetCheckForUpdates());
    EXPECT_FALSE(settings.GetTermsAccepted());
    EXPECT_EQ(settings.GetBackupEvery(), 10);

    EXPECT_FALSE(settings.SetShowTips(true)) << "the current value changes nothing";
    EXPECT_FALSE(settings.IsModified());
    settings.SetBackupEvery(10);
    EXPECT_TRUE(settings.IsModified()) << "the backup interval always marks modified";

    settings.SetAutoSaveOnExit(false);
    settings.SetKeySetting("ShowTipOfDay", "0");
    ASSERT_TRUE(settings.Save(ini));
    CAppSettings reread;
    reread.Load(ini);
    EXPECT_FALSE(reread.GetAutoSaveOnExit());
    EXPECT_EQ(reread.GetKeySetting("ShowTipOfDay"), "0");
    EXPECT_EQ(CProfileFile(ini).GetString("GenSettings", "AutoSaveOnExit"), "0");
}

TEST(AppSettings, UpTimeGrowsFromTheStoredValueOnce)
{
    CTempDir dir;
    const auto ini = dir / "AppSettings.ini";
    WriteBytes(ini, "[GenSettings]\r\nUpTime=100\r\n");
    CAppSettings settings;
    settings.Load(ini);
    settings.SetModified();
    ASSERT_TRUE(settings.Save(ini));
    settings.SetModified();
    ASSERT_TRUE(settings.Save(ini));
    const int stored = CProfileFile(ini).GetInt("GenSettings", "UpTime", -1);
    EXPECT_GE(stored, 100);
    EXPECT_LT(stored, 160) << "a second save in one run must not add the run's seconds again";
}

TEST(GeneralSettings, UserFileWinsAndRealTimeGoesThere)
{
    CTempDir dir;
    const auto program = dir / "program" / "General.ini";
    const auto user = dir / "config" / "Velloran" / "General.ini";
    WriteBytes(program, "[General]\r\nUL=http://program\r\nREALTIME=1\r\n[Buttons]\r\nBtn2=0\r\n");
    WriteBytes(user, "[General]\r\nREALTIME=0\r\n");

    const std::string programBefore = ReadBytes(program);
    CGeneralSettings general;
    general.Load(program, user);
    EXPECT_EQ(general.webSite, "http://program");
    EXPECT_FALSE(general.realTime) << "the user's file wins";
    EXPECT_FALSE(general.advertisingSlots[2].buttonShown);
    EXPECT_TRUE(general.advertisingSlots[3].buttonShown);
    EXPECT_EQ(general.commercialName, "פרסומת");

    ASSERT_TRUE(CGeneralSettings::WriteRealTime(user, true));
    general.Load(program, user);
    EXPECT_TRUE(general.realTime);
    EXPECT_EQ(ReadBytes(program), programBefore) << "the program folder's file is never written";
}

TEST(GeneralSettings, OnlineAddressesByEditionAndFromTheFiles)
{
    CTempDir dir;
    const auto program = dir / "program" / "General.ini";
    const auto user = dir / "user" / "General.ini";
    for (const ELanguage language : {ELanguage::English, ELanguage::Hebrew})
    {
        SetUiLanguage(language);
        CGeneralSettings general;
        general.Load(program, user);
        const std::string host =
            language == ELanguage::Hebrew ? "il.velloran.example" : "www.velloran.example";
        EXPECT_EQ(general.approvalsUrl, "https://" + host + "/approve-me/%s/approval.txt");
        EXPECT_EQ(general.connectivityUrl, "https://" + host + "/");
        EXPECT_EQ(general.approvalPageUrl.rfind("https://" + host + "/approve.", 0), 0u);
        // Nothing reaches a third party by default.
        for (const std::string* address :
             {&general.newVersionUrl, &general.pingHosts, &general.connectivityUrl,
              &general.approvalsUrl, &general.approvalPageUrl, &general.webSite})
            EXPECT_NE(address->find(".example"), std::string::npos) << *address;
        EXPECT_GT(general.verificationFactor, 0);
    }
    SetUiLanguage(ELanguage::English);

    WriteBytes(program, "[General]\r\nPingHosts=a.example,b.example\r\nVerificationFactor=2.5\r\n"
                        "ApprovalsUrl=http://p/%s.txt\r\n");
    WriteBytes(user, "[General]\r\nApprovalsUrl=http://u/%s.txt\r\nApprovalsAgent=Agent\r\n");
    CGeneralSettings general;
    general.Load(program, user);
    EXPECT_EQ(general.pingHosts, "a.example,b.example");
    EXPECT_EQ(general.approvalsUrl, "http://u/%s.txt");
    EXPECT_EQ(general.approvalsAgent, "Agent");
    EXPECT_EQ(general.versionAgent, "Brivane");
    EXPECT_DOUBLE_EQ(general.verificationFactor, 2.5);

    // A factor that is no positive number keeps the default.
    const double byDefault = CGeneralSettings().verificationFactor;
    for (const char* factor : {"0", "-3", "abc"})
    {
        WriteBytes(user, std::string("[General]\r\nVerificationFactor=") + factor + "\r\n");
        WriteBytes(program, "");
        CGeneralSettings other;
        other.Load(program, user);
        EXPECT_DOUBLE_EQ(other.verificationFactor, byDefault) << factor;
    }
}
