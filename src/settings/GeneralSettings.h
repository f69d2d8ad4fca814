#pragma once

#include <array>
#include <filesystem>
#include <string>

// General.ini: branding, links and the real-time switch of the installation. It is read from the
// program folder and then from the user's configuration folder, whose keys win; the program folder
// is read-only after installation, so "REALTIME" is written to the user's file.
class CGeneralSettings
{
public:
    static constexpr int kSlotCount = 6;

    struct SAdvertisingSlot
    {
        std::string url;
        bool buttonShown = true;
        std::string label;
        std::string content;
    };

    CGeneralSettings();

    // Missing files or keys keep the defaults.
    void Load(const std::filesystem::path& programIni, const std::filesystem::path& userIni);

    // Writes "REALTIME" ("1"/"0") to the given file; false when the write failed.
    static bool WriteRealTime(const std::filesystem::path& userIni, bool realTime,
                              std::string* error = nullptr);

    std::string newVersionUrl;
    bool isUsa = false;
    bool realTime = false;
    std::string webSite;
    std::string phoneLink;
    std::string newsTabName;
    std::string newsTabUrl;
    std::string supportPhone;
    std::string salesPhone;
    std::string salesEmail;
    std::string commercialName;
    std::string commercialUrl;
    std::array<SAdvertisingSlot, kSlotCount> advertisingSlots;

    // The online services. The defaults depend on the edition (the interface language at Load)
    // and are all on the vendor's reserved ".example" hosts, so nothing reaches a third party
    // until the vendor's General.ini or the user sets real addresses.
    std::string pingHosts;         // "PingHosts": host names separated by commas, pinged in turn
    std::string connectivityUrl;   // "ConnectivityUrl": the page the connectivity check loads
    std::string connectivityAgent; // "ConnectivityAgent"
    std::string versionAgent;      // "VersionAgent": the agent of the version file download
    std::string approvalsUrl;      // "ApprovalsUrl": "%s" stands for the event code
    std::string approvalsAgent;    // "ApprovalsAgent"
    std::string approvalPageUrl;   // "ApprovalPageUrl": the page guests approve on
    double verificationFactor = 0; // "VerificationFactor": guest code times this, fraction dropped

private:
    void SetEditionDefaults(bool hebrew);
    void Read(const class CProfileFile& file);
};
