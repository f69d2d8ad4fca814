#include "model/Guest.h"

#include "model/LegacyText.h"
#include "platform/EventFiles.h"
#include "platform/Language.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"
#include "platform/XmlText.h"
#include "settings/EventSettings.h"

#include <algorithm>

namespace
{
// The default of "NM" that tells a guest written with the long keys.
const char kShortNameSentinel[] = "BackWordDef";
const char kEmptyAddress[] = "Empty";

std::string JoinFullName(const std::string& firstName, const std::string& familyName)
{
    if (firstName.empty())
        return familyName;
    if (familyName.empty())
        return firstName;
    return firstName + " " + familyName;
}
} // namespace

CGuest::CGuest(const CEventSettings* settings, IRecordOwner* owner)
    : CRecord(owner, ERecordClass::Guest, kSectionPrefix), m_settings(settings)
{
    m_uniqueId = CRecordCounters::TakeUniqueGuestId();
}

int CGuest::GetFileKind() const
{
    return kFileGuestsIni;
}

std::string CGuest::GetFullName() const
{
    return JoinFullName(GetName(), m_familyName);
}

std::string CGuest::GetDisplayName() const
{
    std::string fullName = GetFullName();
    if (fullName.empty())
        return LoadString(IDS_MISSING_GUEST_NAME);
    return fullName;
}

void CGuest::RenameInOthersLists(const std::string& newFullName)
{
    IRecordOwner* owner = GetOwner();
    if (owner == nullptr)
        return;
    const std::string oldFullName = GetFullName();
    // A copy: a guest restricted from itself would change the list being walked.
    const std::vector<std::string> names = m_restricted;
    for (const std::string& name : names)
    {
        CGuest* other = owner->FindGuestByFullName(name);
        if (other != nullptr)
            other->RenameRestricted(oldFullName, newFullName);
    }
}

bool CGuest::SetName(const std::string& name)
{
    if (GetName() == name)
        return false;
    if (!GetName().empty())
        RenameInOthersLists(JoinFullName(name, m_familyName));
    return CRecord::SetName(name);
}

bool CGuest::SetFamilyName(const std::string& familyName)
{
    if (m_familyName == familyName)
        return false;
    if (!m_familyName.empty())
        RenameInOthersLists(JoinFullName(GetName(), familyName));
    return Assign(m_familyName, familyName);
}

std::string CGuest::GetAddressHtml() const
{
    return ReplaceAll(EscapeMarkupText(m_address), "\r\n", "<br>");
}

bool CGuest::SetApproved(bool approved)
{
    return SetStatus(approved ? kStatusApproved : kStatusUnknown);
}

std::string CGuest::GetStatusText() const
{
    switch (m_status)
    {
    case kStatusApproved:
        return LoadString(IDS_STATUS_APPROVED);
    case kStatusNotComing:
        return LoadString(IDS_STATUS_NOT_COMING);
    default:
        return LoadString(IDS_UNKNOWN);
    }
}

std::string CGuest::GetYesNoText(bool value)
{
    return LoadString(value ? IDS_YES : IDS_NO);
}

bool CGuest::SetUniqueId(int id)
{
    CRecordCounters::RaiseUniqueGuestId(id);
    return Assign(m_uniqueId, id);
}

bool CGuest::SetTable(std::int16_t tableId)
{
    if (!Assign(m_tableId, tableId))
        return false;
    if (GetOwner() != nullptr)
        GetOwner()->Broadcast(HINT_RECORD_CHANGED, nullptr);
    return true;
}

double CGuest::GetGiftTotal() const
{
    if (!IsHebrewUi())
        return m_giftDollars;
    if (m_settings == nullptr)
        return 0.0;
    return m_settings->GetDollarRate() * m_giftDollars + m_giftShekels;
}

bool CGuest::AddRestricted(const std::string& fullName, bool mutual)
{
    if (IsRestricted(fullName))
        return false;
    NoteChanging();
    m_restricted.push_back(fullName);
    MarkModified();
    if (mutual && GetOwner() != nullptr)
        GetOwner()->AddMutualRestriction(this, fullName);
    return true;
}

bool CGuest::RemoveRestricted(const std::string& fullName)
{
    auto it = std::find(m_restricted.begin(), m_restricted.end(), fullName);
    if (it == m_restricted.end())
        return false;
    NoteChanging();
    m_restricted.erase(it);
    MarkModified();
    return true;
}

bool CGuest::RenameRestricted(const std::string& oldName, const std::string& newName)
{
    auto it = std::find(m_restricted.begin(), m_restricted.end(), oldName);
    if (it == m_restricted.end())
        return false;
    NoteChanging();
    m_restricted.erase(it);
    m_restricted.push_back(newName);
    MarkModified();
    return true;
}

bool CGuest::IsRestricted(const std::string& fullName) const
{
    return std::find(m_restricted.begin(), m_restricted.end(), fullName) != m_restricted.end();
}

void CGuest::CopyFrom(const CGuest& other)
{
    SetFamilyName(other.m_familyName);
    SetRelation(other.m_relation);
    SetGroupName(other.m_groupName);
    SetChildSeat(other.m_childSeat);
    SetKids(other.m_kids);
    SetComingCount(other.m_comingCount);
    SetInvitedCount(other.m_invitedCount);
    SetInfo(other.GetInfo());
    SetAddress(other.m_address);
    SetStatus(other.m_status);
    SetGiftDollars(other.m_giftDollars);
    SetGiftDetails(other.m_giftDetails);
    SetGiftShekels(other.m_giftShekels);
    SetInvitationSent(other.m_invitationSent);
    SetTable(other.m_tableId);
    SetPhone(other.m_phone);
    SetMobile(other.m_mobile);
    SetEmail(other.m_email);
}

bool CGuest::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    SetNewFlag(false);

    std::string firstName = ini.GetString(section, "NM", kShortNameSentinel);
    if (firstName == kShortNameSentinel)
    {
        firstName = ini.GetString(section, "Name");
        m_shortKeys = false;
    }
    std::string familyNameFound;
    if (firstName.empty())
    {
        m_shortKeys = true;
        familyNameFound = ini.GetString(section, "FM");
        if (familyNameFound.empty())
            familyNameFound = ini.GetString(section, "FamilyName");
        if (familyNameFound.empty())
            return false;
    }
    LoadName(firstName);

    const bool shortKeys = m_shortKeys;
    const auto key = [shortKeys](const char* shortKey, const char* longKey)
    { return std::string(shortKeys ? shortKey : longKey); };
    const auto text = [&](const char* shortKey, const char* longKey)
    { return ini.GetString(section, key(shortKey, longKey)); };
    const auto number = [&](const char* shortKey, const char* longKey, int defaultValue)
    { return ini.GetInt(section, key(shortKey, longKey), defaultValue); };
    // A count is never below 0, whatever a damaged file holds.
    const auto count = [&](const char* shortKey, const char* longKey, int defaultValue)
    { return std::max(0, number(shortKey, longKey, defaultValue)); };
    const auto yesNo = [&](const char* shortKey, const char* longKey)
    { return IsLegacyYes(ini.GetString(section, key(shortKey, longKey), kLegacyNoWord)); };

    m_familyName = text("FM", "FamilyName");
    // A guest found only by "FamilyName" would otherwise lose the one name it has.
    if (m_familyName.empty())
        m_familyName = familyNameFound;

    int status = ini.GetInt(section, "ST", kStatusNew);
    if (status == kStatusNew)
        status = ini.GetInt(section, "Status", kStatusNew);
    m_status = status == kStatusNew ? kStatusUnknown : status;

    m_arrivedCount = count("CS", "CameSum", 0);
    m_invitationSent = yesNo("IS", "InvitationSent");
    const std::string address = ini.GetString(section, key("AD", "Address1"), kEmptyAddress);
    m_address =
        address == kEmptyAddress ? std::string() : ReplaceAll(address, kLegacyLineBreak, "\r\n");
    m_phone = text("TN", "TelNum");
    LoadInfo(ReplaceAll(text("AI", "AdditionalInfo"), kLegacyLineBreak, "\r\n"));
    m_comingCount = count("AN", "ActualNum", 2);
    m_invitedCount = count("PN", "PlanedNum", 2);
    m_groupName = text("GN", "GroupName");
    m_relation = text("RL", "Relation");
    m_gift = text("GI", "GiftInfo");
    m_giftDetails = text("GA", "GiftAddInfo");
    m_email = ini.GetString(section, "EM");
    m_invitations = count("IN", "InvitationsNum", 1);
    m_giftShekels = static_cast<float>(number("GS", "GiftShekel", 0));
    m_giftDollars = static_cast<float>(number("GD", "GiftDolar", 0));
    m_tableId = static_cast<std::int16_t>(number("TI", "TableIndex", 0));
    m_kids = static_cast<std::int16_t>(std::min(count("NK", "NumOfKids", 0), 32767));
    m_childSeat = yesNo("NC", "NeedKidsChair");
    m_transportation = number("TR", "Trans", 0);

    m_arrived = m_arrivedCount > 0;
    // A guest read with the old key set must be written out at the next save.
    SetModifiedFlag(!m_shortKeys);
    return true;
}

std::unique_ptr<CRecord> CGuest::CloneState() const
{
    return std::unique_ptr<CRecord>(new CGuest(*this));
}
