#pragma once

#include "settings/SettingsBase.h"

#include <filesystem>
#include <string>

// The settings of one event: Settings.ini in the event folder.
class CEventSettings : public CSettingsBase
{
public:
    static constexpr int kDefaultKidsPresent = 50;
    // The unique guest id counter of a new event; the first guest gets the next one.
    static constexpr int kFirstGuestUniqueId = 1000;
    static constexpr double kNegativeRateReplacement = 4.5;

    CEventSettings();

    // Takes every value of other that the user chose (an undo going back to them): all but the
    // last view, the unique guest id counter and the password of this run, which stay. Marks the
    // settings modified.
    void TakeUserSettingsFrom(const CEventSettings& other);

    // Reads every section; a missing file or key gives the defaults. Clears the modified flag.
    void Load(const std::filesystem::path& settingsIni);

    // When modified: loads the file, changes every key and replaces the file once, atomically;
    // then clears the flag. Nothing is written when not modified. Returns false (flag kept, file
    // unchanged, *error set) when the write fails.
    bool Save(const std::filesystem::path& settingsIni, std::string* error = nullptr);

    // Operations on the Settings.ini of another folder, without a loaded object.
    static std::string ReadEventName(const std::filesystem::path& eventFolder);
    static bool WriteEventName(const std::filesystem::path& eventFolder, const std::string& name);
    static void ReadCoupleNames(const std::filesystem::path& eventFolder, std::string& groomName,
                                std::string& brideName);

    // "GenSettings"
    const std::string& GetEventName() const { return m_eventName; }
    bool SetEventName(const std::string& value) { return Assign(m_eventName, value); }
    int GetEventType() const { return m_eventType; }
    bool SetEventType(int value) { return Assign(m_eventType, value); }
    double GetDollarRate() const { return m_dollarRate; }
    bool SetDollarRate(double value) { return Assign(m_dollarRate, value); }
    int GetLastUiMode() const { return m_lastUiMode; }
    bool SetLastUiMode(int value) { return AssignState(m_lastUiMode, value); }
    short GetGuestsPerTable() const { return m_guestsPerTable; }
    bool SetGuestsPerTable(short value) { return Assign(m_guestsPerTable, value); }
    bool GetArrangeTablesByHallNumber() const { return m_arrangeByHallNumber; }
    bool SetArrangeTablesByHallNumber(bool value) { return Assign(m_arrangeByHallNumber, value); }
    bool GetDontShowNonComing() const { return m_dontShowNonComing; }
    bool SetDontShowNonComing(bool value) { return Assign(m_dontShowNonComing, value); }
    short GetKidsPresent() const { return m_kidsPresent; }
    bool SetKidsPresent(short value) { return Assign(m_kidsPresent, value); }
    int GetLastGuestUniqueId() const { return m_lastGuestUniqueId; }
    bool SetLastGuestUniqueId(int value) { return AssignState(m_lastGuestUniqueId, value); }

    // "FtpSettings"
    bool GetFtpAutoUpload() const { return m_ftpAutoUpload; }
    bool SetFtpAutoUpload(bool value) { return Assign(m_ftpAutoUpload, value); }
    bool GetFtpAutoDownload() const { return m_ftpAutoDownload; }
    bool SetFtpAutoDownload(bool value) { return Assign(m_ftpAutoDownload, value); }
    bool GetFtpSavePassword() const { return m_ftpSavePassword; }
    bool SetFtpSavePassword(bool value) { return Assign(m_ftpSavePassword, value); }
    // 0 FTP, 1 FTPS (explicit TLS), 2 WebDAV.
    int GetFtpProtocol() const { return m_ftpProtocol; }
    bool SetFtpProtocol(int value) { return Assign(m_ftpProtocol, value); }
    // 0: the protocol's default port.
    int GetFtpPort() const { return m_ftpPort; }
    bool SetFtpPort(int value) { return Assign(m_ftpPort, value); }
    // The folder on the server that holds "DB"; empty: the user's start folder.
    const std::string& GetFtpFolder() const { return m_ftpFolder; }
    bool SetFtpFolder(const std::string& value) { return Assign(m_ftpFolder, value); }
    // A certificate file for a server with a certificate of its own; empty: the system's store.
    const std::string& GetFtpCaFile() const { return m_ftpCaFile; }
    bool SetFtpCaFile(const std::string& value) { return Assign(m_ftpCaFile, value); }

    // "FTPSettings"
    const std::string& GetFtpServer() const { return m_ftpServer; }
    bool SetFtpServer(const std::string& value) { return Assign(m_ftpServer, value); }
    const std::string& GetFtpUser() const { return m_ftpUser; }
    bool SetFtpUser(const std::string& value) { return Assign(m_ftpUser, value); }
    // The password of this run. It is never written to Settings.ini (which travels with the
    // event): a password found there ("FTPP" of older versions) is read once, handed to
    // CPasswordStore at the next save when "Save password" is on, and the key removed.
    const std::string& GetFtpPassword() const { return m_ftpPassword; }
    void SetFtpPassword(const std::string& value) { m_ftpPassword = value; }

    // "TableNotesSettings" (table cards)
    struct STableNotes
    {
        std::string line1, line2, line4Start, line4End, line5;
        int width = 220;
        int height = 150;
        std::string borderColor = "black";
        int borderSize = 1;
        bool operator==(const STableNotes& other) const;
    };
    const STableNotes& GetTableNotes() const { return m_tableNotes; }
    bool SetTableNotes(const STableNotes& value) { return Assign(m_tableNotes, value); }

    // "AddressCardsSettings" (address cards)
    struct SAddressCards
    {
        std::string line1, line2, line5;
        int width = 220;
        int height = 150;
        std::string borderColor = "black";
        int borderSize = 1;
        bool operator==(const SAddressCards& other) const;
    };
    const SAddressCards& GetAddressCards() const { return m_addressCards; }
    bool SetAddressCards(const SAddressCards& value) { return Assign(m_addressCards, value); }

private:
    void SetDefaults();

    std::string m_eventName;
    int m_eventType = 0;
    double m_dollarRate = 0.0;
    int m_lastUiMode = 3;
    short m_guestsPerTable = 10;
    bool m_arrangeByHallNumber = false;
    bool m_dontShowNonComing = false;
    short m_kidsPresent = kDefaultKidsPresent;
    int m_lastGuestUniqueId = kFirstGuestUniqueId;

    bool m_ftpAutoUpload = false;
    bool m_ftpAutoDownload = false;
    bool m_ftpSavePassword = false;
    std::string m_ftpServer;
    std::string m_ftpUser;
    std::string m_ftpPassword;
    bool m_passwordInFile = false; // "FTPP" still in Settings.ini
    int m_ftpProtocol = 0;
    int m_ftpPort = 0;
    std::string m_ftpFolder;
    std::string m_ftpCaFile;

    STableNotes m_tableNotes;
    SAddressCards m_addressCards;
};
