#include "settings/EventSettings.h"

#include "platform/EventFiles.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"
#include "settings/PasswordStore.h"

namespace fs = std::filesystem;

namespace
{
constexpr const char* kGen = "GenSettings";
constexpr const char* kFtpFlags = "FtpSettings";
constexpr const char* kFtpServer = "FTPSettings";
constexpr const char* kTableNotes = "TableNotesSettings";
constexpr const char* kAddressCards = "AddressCardsSettings";
constexpr const char* kKeySettings = "KeySettings";

// The owner details and the other free-form keys of "KeySettings"; the map never gains others.
const char* const kKeyNames[] = {
    "GroumName",          "GroomMid",          "GroumFamily",         "BrideName",
    "BrideMid",           "BrideFamily",       "CouplePhone",         "WeddingYear",
    "WeddingMonth",       "WeddingDay",        "FontColorTableTiket", "FontSizeTableTiket",
    "FontFaceTableTiket", "FontSizeAddress",   "FontFaceAddress",     "ShowSerial",
    "UpperBudgetLimit",   "ShowTablesHelpMsg", "ShowTTInTables",      "EventCode",
    "SmsPassword",        "SmsUserName",       "SmsFromNum",          "SmsMessage",
};

struct SColumnDefault
{
    const char* key;
    const char* hebrew;
    const char* english;
};

// Guests-view column widths; 0 hides a column.
const SColumnDefault kColumnDefaults[] = {
    {"GV_APROVED", "71", "64"},       {"GV_INVITED", "0", "0"},
    {"GV_ACTUAL", "0", "0"},          {"GV_FAMILY_NAME", "129", "153"},
    {"GV_GROUP", "258", "171"},       {"GV_RELATION", "83", "72"},
    {"GV_NAMES", "116", "150"},       {"GV_GUEST_NUM", "32", "47"},
    {"GV_INVITATION_SENT", "0", "0"},
};

bool ReadBool(const CProfileFile& file, const char* section, const char* key)
{
    return file.GetInt(section, key, 0) == 1;
}

const char* BoolText(bool value)
{
    return value ? "1" : "0";
}

fs::path SettingsOf(const fs::path& eventFolder)
{
    return EventFilePath(eventFolder, kFileSettingsIni);
}
} // namespace

bool CEventSettings::STableNotes::operator==(const STableNotes& other) const
{
    return line1 == other.line1 && line2 == other.line2 && line4Start == other.line4Start &&
           line4End == other.line4End && line5 == other.line5 && width == other.width &&
           height == other.height && borderColor == other.borderColor &&
           borderSize == other.borderSize;
}

bool CEventSettings::SAddressCards::operator==(const SAddressCards& other) const
{
    return line1 == other.line1 && line2 == other.line2 && line5 == other.line5 &&
           width == other.width && height == other.height && borderColor == other.borderColor &&
           borderSize == other.borderSize;
}

CEventSettings::CEventSettings()
{
    SetDefaults();
}

void CEventSettings::SetDefaults()
{
    m_eventName.clear();
    m_eventType = 0;
    m_dollarRate = 0.0;
    m_lastUiMode = 3;
    m_guestsPerTable = 10;
    m_arrangeByHallNumber = false;
    m_dontShowNonComing = false;
    m_kidsPresent = kDefaultKidsPresent;
    m_lastGuestUniqueId = kFirstGuestUniqueId;
    m_ftpAutoUpload = m_ftpAutoDownload = m_ftpSavePassword = false;
    m_ftpServer.clear();
    m_ftpUser.clear();
    m_ftpPassword.clear();
    m_tableNotes = STableNotes();
    m_tableNotes.line1 = LoadString(IDS_TABLE_CARD_WELCOME);
    m_tableNotes.line4Start = LoadString(IDS_TABLE_CARD_TABLE);
    m_addressCards = SAddressCards();
    m_addressCards.line1 = LoadString(IDS_ADDRESS_CARD_FOR);

    for (const char* name : kKeyNames)
        DefineKeySetting(name, "");
    const bool hebrew = IsHebrewUi();
    for (const auto& column : kColumnDefaults)
        DefineKeySetting(column.key, hebrew ? column.hebrew : column.english);
}

void CEventSettings::Load(const fs::path& settingsIni)
{
    SetDefaults();
    const CProfileFile file(settingsIni);

    m_eventName = file.GetString(kGen, "EveName");
    m_eventType = file.GetInt(kGen, "EventType", 0);
    m_dollarRate = ParseLeadingDouble(file.GetString(kGen, "DolarToShekel"));
    if (m_dollarRate < 0)
        m_dollarRate = kNegativeRateReplacement;
    m_lastUiMode = file.GetInt(kGen, "LastUIMode", 3);
    m_guestsPerTable = static_cast<short>(file.GetInt(kGen, "NumberOfGuestsInTable", 10));
    m_arrangeByHallNumber = ReadBool(file, kGen, "ArrangeTableByHallNumber");
    m_dontShowNonComing = ReadBool(file, kGen, "DontShowNonComming");
    m_kidsPresent = static_cast<short>(file.GetInt(kGen, "KidsPresent", kDefaultKidsPresent));
    m_lastGuestUniqueId = file.GetInt(kGen, "lastGuestUniqueId", kFirstGuestUniqueId);

    m_ftpAutoUpload = ReadBool(file, kFtpFlags, "FtpAutoUpload");
    m_ftpAutoDownload = ReadBool(file, kFtpFlags, "FtpAutoDownload");
    m_ftpSavePassword = ReadBool(file, kFtpFlags, "FtpSavePass");
    m_ftpServer = file.GetString(kFtpServer, "FTPServer");
    m_ftpUser = file.GetString(kFtpServer, "FTPUser");
    m_ftpPassword = file.GetString(kFtpServer, "FTPP");
    m_passwordInFile = file.HasKey(kFtpServer, "FTPP");
    m_ftpProtocol = file.GetInt(kFtpFlags, "FtpProtocol", 0);
    m_ftpPort = file.GetInt(kFtpFlags, "FtpPort", 0);
    m_ftpFolder = file.GetString(kFtpFlags, "FtpFolder");
    m_ftpCaFile = file.GetString(kFtpFlags, "FtpCaFile");

    m_tableNotes.line1 = file.GetString(kTableNotes, "Line1", m_tableNotes.line1);
    m_tableNotes.line2 = file.GetString(kTableNotes, "Line2");
    m_tableNotes.line4Start = file.GetString(kTableNotes, "Line4Start", m_tableNotes.line4Start);
    m_tableNotes.line4End = file.GetString(kTableNotes, "Line4End");
    m_tableNotes.line5 = file.GetString(kTableNotes, "Line5");
    m_tableNotes.width = file.GetInt(kTableNotes, "Width", 220);
    m_tableNotes.height = file.GetInt(kTableNotes, "Height", 150);
    m_tableNotes.borderColor = file.GetString(kTableNotes, "BorderColor", "black");
    m_tableNotes.borderSize = file.GetInt(kTableNotes, "BorderSize", 1);

    m_addressCards.line1 = file.GetString(kAddressCards, "AC_Line1", m_addressCards.line1);
    m_addressCards.line2 = file.GetString(kAddressCards, "AC_Line2");
    m_addressCards.line5 = file.GetString(kAddressCards, "AC_Line5");
    m_addressCards.width = file.GetInt(kAddressCards, "AC_Width", 220);
    m_addressCards.height = file.GetInt(kAddressCards, "AC_Height", 150);
    m_addressCards.borderColor = file.GetString(kAddressCards, "AC_BorderColor", "black");
    m_addressCards.borderSize = file.GetInt(kAddressCards, "AC_BorderSize", 1);

    for (const char* name : kKeyNames)
        LoadKeySetting(file, name, "");
    const bool hebrew = IsHebrewUi();
    for (const auto& column : kColumnDefaults)
        LoadKeySetting(file, column.key, hebrew ? column.hebrew : column.english);

    ClearModified();
    // The next save takes an older version's password out of the file.
    if (m_passwordInFile)
        SetModified();
}

bool CEventSettings::Save(const fs::path& settingsIni, std::string* error)
{
    if (!IsModified())
        return true;

    CProfileFile file(settingsIni);
    file.SetString(kGen, "DolarToShekel", FormatFixed(m_dollarRate, 2));
    file.SetString(kGen, "DontShowNonComming", BoolText(m_dontShowNonComing));
    file.SetInt(kGen, "LastUIMode", m_lastUiMode);
    file.SetInt(kGen, "NumberOfGuestsInTable", m_guestsPerTable);
    file.SetString(kGen, "ArrangeTableByHallNumber", BoolText(m_arrangeByHallNumber));
    file.SetInt(kGen, "EventType", m_eventType);

    file.SetString(kTableNotes, "Line1", m_tableNotes.line1);
    file.SetString(kTableNotes, "Line2", m_tableNotes.line2);
    file.SetString(kTableNotes, "Line4Start", m_tableNotes.line4Start);
    file.SetString(kTableNotes, "Line4End", m_tableNotes.line4End);
    file.SetString(kTableNotes, "Line5", m_tableNotes.line5);
    file.SetInt(kTableNotes, "Width", m_tableNotes.width);
    file.SetInt(kTableNotes, "Height", m_tableNotes.height);
    file.SetString(kTableNotes, "BorderColor", m_tableNotes.borderColor);
    file.SetInt(kTableNotes, "BorderSize", m_tableNotes.borderSize);

    file.SetInt(kGen, "lastGuestUniqueId", m_lastGuestUniqueId);
    // The default is not written; a stored value that returns to the default is removed, so the
    // change sticks at the next load.
    if (m_kidsPresent != kDefaultKidsPresent)
        file.SetInt(kGen, "KidsPresent", m_kidsPresent);
    else
        file.DeleteKey(kGen, "KidsPresent");

    file.SetString(kAddressCards, "AC_Line1", m_addressCards.line1);
    file.SetString(kAddressCards, "AC_Line2", m_addressCards.line2);
    file.SetString(kAddressCards, "AC_Line5", m_addressCards.line5);
    file.SetInt(kAddressCards, "AC_Width", m_addressCards.width);
    file.SetInt(kAddressCards, "AC_Height", m_addressCards.height);
    file.SetString(kAddressCards, "AC_BorderColor", m_addressCards.borderColor);
    file.SetInt(kAddressCards, "AC_BorderSize", m_addressCards.borderSize);

    file.SetString(kFtpServer, "FTPServer", m_ftpServer);
    file.SetString(kFtpServer, "FTPUser", m_ftpUser);
    file.SetString(kFtpFlags, "FtpAutoUpload", BoolText(m_ftpAutoUpload));
    file.SetString(kFtpFlags, "FtpAutoDownload", BoolText(m_ftpAutoDownload));
    file.SetString(kFtpFlags, "FtpSavePass", BoolText(m_ftpSavePassword));
    file.SetInt(kFtpFlags, "FtpProtocol", m_ftpProtocol);
    file.SetInt(kFtpFlags, "FtpPort", m_ftpPort);
    file.SetString(kFtpFlags, "FtpFolder", m_ftpFolder);
    file.SetString(kFtpFlags, "FtpCaFile", m_ftpCaFile);
    // Settings.ini goes to the server, into backups and mails: the password never stays in it.
    // One an older version wrote there moves to the password store first.
    if (m_passwordInFile && m_ftpSavePassword && !m_ftpPassword.empty())
        CPasswordStore::Store(m_ftpServer, m_ftpUser, m_ftpPassword);
    file.DeleteKey(kFtpServer, "FTPP");

    file.SetString(kGen, "EveName", m_eventName);
    SaveKeySettings(file);

    if (!file.Save(error))
        return false;
    m_passwordInFile = false;
    ClearModified();
    return true;
}

std::string CEventSettings::ReadEventName(const fs::path& eventFolder)
{
    return ReadProfileString(SettingsOf(eventFolder), kGen, "EveName");
}

bool CEventSettings::WriteEventName(const fs::path& eventFolder, const std::string& name)
{
    return WriteProfileString(SettingsOf(eventFolder), kGen, "EveName", name);
}

void CEventSettings::ReadCoupleNames(const fs::path& eventFolder, std::string& groomName,
                                     std::string& brideName)
{
    const CProfileFile file(SettingsOf(eventFolder));
    groomName = file.GetString(kKeySettings, "GroumName");
    brideName = file.GetString(kKeySettings, "BrideName");
}

void CEventSettings::TakeUserSettingsFrom(const CEventSettings& other)
{
    const int lastUiMode = m_lastUiMode;
    const int lastGuestUniqueId = m_lastGuestUniqueId;
    const std::string password = m_ftpPassword;
    const bool passwordInFile = m_passwordInFile;
    *this = other;
    m_lastUiMode = lastUiMode;
    m_lastGuestUniqueId = lastGuestUniqueId;
    m_ftpPassword = password;
    m_passwordInFile = passwordInFile;
    SetModified();
}
