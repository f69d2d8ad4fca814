#include "settings/EventSettings.h"

#include "platform/FileFaults.h"
#include "platform/Language.h"
#include "platform/ProfileFile.h"
#include "settings/PasswordStore.h"
#include "support/EnvGuard.h"
#include "support/TempDir.h"

#include <clocale>
#include <gtest/gtest.h>
#include <locale>
#include <optional>
#include <sys/stat.h>

namespace
{
class EventSettingsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        SetUiLanguage(ELanguage::English);
        SetFileFaultHook({});
    }

    CTempDir m_dir;
    std::filesystem::path m_ini = m_dir / "Settings.ini";
};

// A comma decimal separator in both the C library and the C++ global locale, as Qt leaves it in
// a Hebrew or German session.
class CCommaLocale
{
public:
    CCommaLocale()
    {
        struct SComma : std::numpunct<char>
        {
            char do_decimal_point() const override { return ','; }
        };
        m_saved = std::locale::global(std::locale(std::locale::classic(), new SComma));
        for (const char* name : {"de_DE.UTF-8", "he_IL.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
            if (std::setlocale(LC_NUMERIC, name) != nullptr)
                break;
    }
    ~CCommaLocale()
    {
        std::locale::global(m_saved);
        std::setlocale(LC_NUMERIC, "C");
    }

private:
    std::locale m_saved;
};
} // namespace

TEST_F(EventSettingsTest, MissingFileGivesTheDefaults)
{
    CEventSettings settings;
    settings.Load(m_ini);
    EXPECT_EQ(settings.GetLastUiMode(), 3);
    EXPECT_EQ(settings.GetGuestsPerTable(), 10);
    EXPECT_EQ(settings.GetKidsPresent(), 50);
    EXPECT_EQ(settings.GetLastGuestUniqueId(), 1000);
    EXPECT_DOUBLE_EQ(settings.GetDollarRate(), 0.0);
    EXPECT_EQ(settings.GetTableNotes().line1, "Welcome");
    EXPECT_EQ(settings.GetTableNotes().width, 220);
    EXPECT_EQ(settings.GetAddressCards().borderColor, "black");
    EXPECT_FALSE(settings.IsModified());
    EXPECT_FALSE(std::filesystem::exists(m_ini)) << "loading must not create the file";
}

TEST_F(EventSettingsTest, DollarRateRules)
{
    WriteBytes(m_ini, "[GenSettings]\r\nDolarToShekel=-1\r\n");
    CEventSettings settings;
    settings.Load(m_ini);
    EXPECT_DOUBLE_EQ(settings.GetDollarRate(), 4.5) << "a negative rate reads as 4.5";

    WriteBytes(m_ini, "[GenSettings]\r\nDolarToShekel=3.85abc\r\n");
    settings.Load(m_ini);
    EXPECT_DOUBLE_EQ(settings.GetDollarRate(), 3.85);
}

TEST_F(EventSettingsTest, NumbersAreWrittenAndReadWithoutTheLocale)
{
    CCommaLocale comma;
    CEventSettings settings;
    settings.Load(m_ini);
    settings.SetDollarRate(4.5);
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_EQ(CProfileFile(m_ini).GetString("GenSettings", "DolarToShekel"), "4.50");

    WriteBytes(m_ini, "[GenSettings]\r\nDolarToShekel=3.75\r\n");
    settings.Load(m_ini);
    EXPECT_DOUBLE_EQ(settings.GetDollarRate(), 3.75);
}

TEST_F(EventSettingsTest, KidsPresentAtTheDefaultIsNeverStored)
{
    CEventSettings settings;
    settings.Load(m_ini);
    settings.SetKidsPresent(60);
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_EQ(CProfileFile(m_ini).GetInt("GenSettings", "KidsPresent", -1), 60);

    settings.SetKidsPresent(50);
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_FALSE(CProfileFile(m_ini).HasKey("GenSettings", "KidsPresent"))
        << "going back to 50 must remove the stored value, or 60 comes back at the next load";
    settings.Load(m_ini);
    EXPECT_EQ(settings.GetKidsPresent(), 50);
}

TEST_F(EventSettingsTest, PasswordNeverGoesIntoTheSettingsFile)
{
    CEventSettings settings;
    settings.Load(m_ini);
    settings.SetFtpSavePassword(true);
    settings.SetFtpServer("ftp.example");
    settings.SetFtpPassword("secret");
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_FALSE(CProfileFile(m_ini).HasKey("FTPSettings", "FTPP"));
    EXPECT_EQ(ReadBytes(m_ini).find("secret"), std::string::npos);
}

TEST_F(EventSettingsTest, OlderPasswordMovesToTheStoreAtTheNextSave)
{
    CEnvGuard noKeyring("VELLORAN_NO_KEYRING", "1");
    for (const bool savePassword : {true, false})
    {
        CPasswordStore::Remove("ftp.example", "dana");
        WriteBytes(m_ini, std::string("[FTPSettings]\r\nFTPServer=ftp.example\r\nFTPUser=dana\r\n"
                                      "FTPP=s3cret\r\nFtpSavePass=") +
                              (savePassword ? "1" : "0") + "\r\n");
        CEventSettings settings;
        settings.Load(m_ini);
        EXPECT_EQ(settings.GetFtpPassword(), "s3cret") << "usable in this run";
        EXPECT_TRUE(settings.IsModified()) << "so that any save removes it";
        ASSERT_TRUE(settings.Save(m_ini));
        EXPECT_FALSE(CProfileFile(m_ini).HasKey("FTPSettings", "FTPP"));
        EXPECT_EQ(CPasswordStore::Lookup("ftp.example", "dana"),
                  savePassword ? std::optional<std::string>("s3cret") : std::nullopt);
    }
}

TEST_F(EventSettingsTest, SharingConnectionKeysRoundTrip)
{
    CEventSettings settings;
    settings.Load(m_ini);
    EXPECT_EQ(settings.GetFtpProtocol(), 0);
    EXPECT_EQ(settings.GetFtpPort(), 0);
    settings.SetFtpProtocol(2);
    settings.SetFtpPort(8443);
    settings.SetFtpFolder("shared/wedding");
    settings.SetFtpCaFile("/etc/ssl/own.pem");
    ASSERT_TRUE(settings.Save(m_ini));
    const CProfileFile file(m_ini);
    EXPECT_EQ(file.GetString("FtpSettings", "FtpProtocol"), "2");
    EXPECT_EQ(file.GetString("FtpSettings", "FtpPort"), "8443");
    CEventSettings again;
    again.Load(m_ini);
    EXPECT_EQ(again.GetFtpProtocol(), 2);
    EXPECT_EQ(again.GetFtpPort(), 8443);
    EXPECT_EQ(again.GetFtpFolder(), "shared/wedding");
    EXPECT_EQ(again.GetFtpCaFile(), "/etc/ssl/own.pem");
}

TEST_F(EventSettingsTest, FtpFlagsAndServerLiveInTheirOwnSections)
{
    WriteBytes(m_ini, "[FtpSettings]\r\nFtpAutoUpload=1\r\n[FTPSettings]\r\nFTPServer=ftp.x\r\n");
    CEventSettings settings;
    settings.Load(m_ini);
    // Section names compare without case, so both headers name one section: the first wins.
    EXPECT_TRUE(settings.GetFtpAutoUpload());
    EXPECT_EQ(settings.GetFtpServer(), "");
}

TEST_F(EventSettingsTest, KeySettingsNeverGainNames)
{
    CEventSettings settings;
    settings.Load(m_ini);
    EXPECT_FALSE(settings.SetKeySetting("NoSuchKey", "x"));
    EXPECT_FALSE(settings.IsModified());
    EXPECT_TRUE(settings.SetKeySetting("BrideName", "Dana"));
    EXPECT_FALSE(settings.SetKeySetting("BrideName", "Dana")) << "an unchanged value";
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_FALSE(CProfileFile(m_ini).HasKey("KeySettings", "NoSuchKey"));
    EXPECT_EQ(CProfileFile(m_ini).GetString("KeySettings", "BrideName"), "Dana");
}

TEST_F(EventSettingsTest, ColumnWidthDefaultsFollowTheLanguage)
{
    CEventSettings english;
    english.Load(m_ini);
    EXPECT_EQ(english.GetKeySetting("GV_GROUP"), "171");
    EXPECT_EQ(english.GetKeySetting("GV_INVITED"), "0");

    SetUiLanguage(ELanguage::Hebrew);
    CEventSettings hebrew;
    hebrew.Load(m_ini);
    EXPECT_EQ(hebrew.GetKeySetting("GV_GROUP"), "258");
    EXPECT_EQ(hebrew.GetTableNotes().line1, "ברוכים הבאים");
}

TEST_F(EventSettingsTest, SaveWritesOnceAndOnlyWhenModified)
{
    int renames = 0;
    SetFileFaultHook(
        [&](EFileStep step, const std::string&)
        {
            renames += step == EFileStep::Rename;
            return false;
        });
    CEventSettings settings;
    settings.Load(m_ini);
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_EQ(renames, 0) << "nothing changed, nothing written";

    settings.SetEventName("Our wedding");
    settings.SetLastGuestUniqueId(1234);
    ASSERT_TRUE(settings.Save(m_ini));
    EXPECT_EQ(renames, 1) << "one replacement of the file for every key";
    EXPECT_FALSE(settings.IsModified());
}

TEST_F(EventSettingsTest, FailedSaveKeepsTheFileAndTheFlag)
{
    WriteBytes(m_ini, "[GenSettings]\r\nEveName=Before\r\n; a comment\r\n");
    CEventSettings settings;
    settings.Load(m_ini);
    settings.SetEventName("After");
    SetFileFaultHook([](EFileStep step, const std::string&) { return step == EFileStep::Flush; });
    std::string error;
    EXPECT_FALSE(settings.Save(m_ini, &error));
    EXPECT_NE(error.find("Settings.ini"), std::string::npos);
    EXPECT_TRUE(settings.IsModified());
    EXPECT_EQ(ReadBytes(m_ini), "[GenSettings]\r\nEveName=Before\r\n; a comment\r\n");
}

TEST_F(EventSettingsTest, OtherFoldersSettings)
{
    const std::filesystem::path folder = m_dir / "DB1";
    std::filesystem::create_directories(folder);
    ASSERT_TRUE(CEventSettings::WriteEventName(folder, "Bar Mitzvah"));
    EXPECT_EQ(CEventSettings::ReadEventName(folder), "Bar Mitzvah");
    WriteBytes(folder / "Settings.ini",
               ReadBytes(folder / "Settings.ini") + "[KeySettings]\r\nGroumName=Dan\r\n");
    std::string groom, bride = "unset";
    CEventSettings::ReadCoupleNames(folder, groom, bride);
    EXPECT_EQ(groom, "Dan");
    EXPECT_EQ(bride, "");
}

TEST(PasswordStoreTest, TheFileIsPrivateAndKeepsAnyCharacters)
{
    CEnvGuard noKeyring("VELLORAN_NO_KEYRING", "1");
    const std::string odd = "p\tä=ss\r\n ";
    ASSERT_TRUE(CPasswordStore::Store("https://[::1]/dav", "dana\tx", odd));
    ASSERT_TRUE(CPasswordStore::Store("ftp.example", "dana", "other"));
    EXPECT_EQ(CPasswordStore::Lookup("https://[::1]/dav", "dana\tx"), odd);
    EXPECT_EQ(CPasswordStore::Lookup("ftp.example", "dana"), "other");
    EXPECT_EQ(CPasswordStore::Lookup("ftp.example", "yossi"), std::nullopt);
    struct stat info
    {
    };
    ASSERT_EQ(::stat(CPasswordStore::FilePath().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    CPasswordStore::Remove("ftp.example", "dana");
    EXPECT_EQ(CPasswordStore::Lookup("ftp.example", "dana"), std::nullopt);
    EXPECT_EQ(CPasswordStore::Lookup("https://[::1]/dav", "dana\tx"), odd) << "others stay";
}
