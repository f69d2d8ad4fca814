#include "settings/GeneralSettings.h"

#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

namespace
{
constexpr const char* kGeneral = "General";

// A key present in the file replaces the value; an absent one keeps it.
void Take(const CProfileFile& file, const char* section, const std::string& key, std::string& value)
{
    if (file.HasKey(section, key))
        value = file.GetString(section, key);
}

void Take(const CProfileFile& file, const char* section, const std::string& key, bool& value)
{
    if (file.HasKey(section, key))
        value = file.GetInt(section, key, 0) == 1;
}

// A factor that is not a positive number keeps the default: the approval page checks the same
// rule, and a zero would give every guest the same verification number.
void Take(const CProfileFile& file, const char* section, const std::string& key, double& value)
{
    if (!file.HasKey(section, key))
        return;
    const double read = ParseLeadingDouble(file.GetString(section, key));
    if (read > 0)
        value = read;
}
} // namespace

CGeneralSettings::CGeneralSettings()
    : webSite("https://velloran.example/"), phoneLink("https://directory.example/"),
      supportPhone("+1 555 0100"), salesPhone("+1 555 0101"),
      salesEmail("support@velloran.example"), commercialName("פרסומת")
{
    SetEditionDefaults(false);
}

void CGeneralSettings::SetEditionDefaults(bool hebrew)
{
    // The two editions talk to different hosts of the vendor's site.
    const std::string host = hebrew ? "il.velloran.example" : "www.velloran.example";
    newVersionUrl = "https://www.velloran.example/version.txt";
    pingHosts = hebrew ? host + ",www.velloran.example" : host;
    connectivityUrl = "https://" + host + "/";
    connectivityAgent = "Velloran";
    versionAgent = "Brivane";
    approvalsUrl = "https://" + host + "/approve-me/%s/approval.txt";
    approvalsAgent = "BrivaneApprovals";
    approvalPageUrl =
        hebrew ? "https://" + host + "/approve.php" : "https://" + host + "/approve.html";
    verificationFactor = 7.3;
}

void CGeneralSettings::Load(const std::filesystem::path& programIni,
                            const std::filesystem::path& userIni)
{
    SetEditionDefaults(IsHebrewUi());
    Read(CProfileFile(programIni));
    Read(CProfileFile(userIni));
}

void CGeneralSettings::Read(const CProfileFile& file)
{
    Take(file, kGeneral, "NewVersionUrl", newVersionUrl);
    Take(file, kGeneral, "IsUsa", isUsa);
    Take(file, kGeneral, "REALTIME", realTime);
    Take(file, kGeneral, "UL", webSite);
    Take(file, kGeneral, "PhoneLink", phoneLink);
    Take(file, kGeneral, "NewsTabName", newsTabName);
    Take(file, kGeneral, "NewsTabUrl", newsTabUrl);
    Take(file, kGeneral, "SupportPhone", supportPhone);
    Take(file, kGeneral, "SalesPhone", salesPhone);
    Take(file, kGeneral, "SalesEmail", salesEmail);
    Take(file, kGeneral, "PingHosts", pingHosts);
    Take(file, kGeneral, "ConnectivityUrl", connectivityUrl);
    Take(file, kGeneral, "ConnectivityAgent", connectivityAgent);
    Take(file, kGeneral, "VersionAgent", versionAgent);
    Take(file, kGeneral, "ApprovalsUrl", approvalsUrl);
    Take(file, kGeneral, "ApprovalsAgent", approvalsAgent);
    Take(file, kGeneral, "ApprovalPageUrl", approvalPageUrl);
    Take(file, kGeneral, "VerificationFactor", verificationFactor);
    Take(file, "Commercial", "Name", commercialName);
    Take(file, "Commercial", "URL", commercialUrl);
    for (int n = 0; n < kSlotCount; ++n)
    {
        const std::string number = FormatInt(n);
        auto& slot = advertisingSlots[static_cast<std::size_t>(n)];
        Take(file, "Advertising", "URL" + number, slot.url);
        Take(file, "Buttons", "Btn" + number, slot.buttonShown);
        Take(file, "Buttons-label", "Lbl" + number, slot.label);
        Take(file, "Buttons-content", "Cnt" + number, slot.content);
    }
}

bool CGeneralSettings::WriteRealTime(const std::filesystem::path& userIni, bool realTime,
                                     std::string* error)
{
    std::error_code ignored;
    std::filesystem::create_directories(userIni.parent_path(), ignored);
    CProfileFile file(userIni);
    file.SetString(kGeneral, "REALTIME", realTime ? "1" : "0");
    return file.SaveIfChanged(error);
}
