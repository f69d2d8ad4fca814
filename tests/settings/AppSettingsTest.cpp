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

TEST(AppSettings, TwoProgramsKeepEachOthersChanges)
{
    CTempDir dir;
    const auto ini = dir / "AppSettings.ini";
    WriteBytes(ini, "[GenSettings]\r\nBACK_UP_EVERY=10\r\nUpTime=100\r\n[Other]\r\nKept=1\r\n");
    CAppSettings gui;
    CAppSettings cli;
    gui.Load(ini);
    cli.Load(ini);

    gui.SetAutoSaveOnExit(false);
    cli.SetShowTips(false);
    cli.SetKeySetting("TipOfDayItem", "7");
    ASSERT_TRUE(cli.Save(ini));
    ASSERT_TRUE(gui.Save(ini));

    CProfileFile file(ini);
    EXPECT_EQ(file.GetString("GenSettings", "AutoSaveOnExit"), "0");
    EXPECT_EQ(file.GetString("GenSettings", "ShowTips"), "0") << "the other program's change";
    EXPECT_EQ(file.GetString("KeySettings", "TipOfDayItem"), "7");
    EXPECT_EQ(file.GetString("Other", "Kept"), "1");
    // Both runs' time is counted, neither twice.
    const int upTime = file.GetInt("GenSettings", "UpTime", -1);
    EXPECT_GE(upTime, 100);
    EXPECT_LT(upTime, 160);
    // What the other program wrote is what this one holds from now on.
    EXPECT_FALSE(gui.GetShowTips());
    EXPECT_EQ(gui.GetKeySetting("TipOfDayItem"), "7");

    // A value this run set back to what it loaded is no change of this run.
    CAppSettings third;
    third.Load(ini);
    third.SetBackupEvery(5);
    third.SetBackupEvery(10);
    gui.SetBackupEvery(15);
    ASSERT_TRUE(gui.Save(ini));
    ASSERT_TRUE(third.Save(ini));
    EXPECT_EQ(CProfileFile(ini).GetInt("GenSettings", "BACK_UP_EVERY", -1), 15);
}

TEST(AppSettings, SettingsThatCouldNotBeDecodedAreNeverRewritten)
{
    CTempDir dir;
    const auto ini = dir / "AppSettings.ini";
    const std::string text = "[GenSettings]\r\nAutoSaveOnExit=0\r\nShowTips=0\r\n";
    std::string utf16;
    for (char c : text)
        utf16 += std::string{c, '\0'};
    WriteBytes(ini, utf16);
    CAppSettings settings;
    settings.Load(ini);
    EXPECT_FALSE(settings.GetAutoSaveOnExit()) << "UTF-16 without a mark is read";
    EXPECT_FALSE(settings.GetShowTips());

    const std::string damaged("[GenSettings]\r\nAutoSaveOnExit=0\0\0\0\0\x01\r\n", 35);
    WriteBytes(ini, damaged);
    settings.Load(ini);
    settings.SetCheckForUpdates(false);
    std::string error;
    EXPECT_FALSE(settings.Save(ini, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(ini), damaged);
}
