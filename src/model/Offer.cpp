#include "model/Offer.h"

#include "platform/EventFiles.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"

namespace
{
// "IsInOffer" default: the key is absent.
constexpr int kNoOldCombinationKey = 7;
} // namespace

COffer::COffer(IRecordOwner* owner)
    : CExpence(owner, ERecordClass::Offer, kSectionPrefix, false, std::string())
{
}

int COffer::GetFileKind() const
{
    return kFileOffersIni;
}

bool COffer::SetInCombination(int i, bool inCombination)
{
    if (i < 0 || i >= kCombinationCount)
        return false;
    return Assign(m_inCombination[i], inCombination);
}

bool COffer::IsInCombination(int i) const
{
    if (i < 0 || i >= kCombinationCount)
        return false;
    return m_inCombination[i];
}

long long COffer::GetPrice(int eventGuests) const
{
    const long long shekels = GetShekels();
    if (!m_perGuest)
        return shekels;
    if (m_guestsForOffer >= 1)
        return shekels * m_guestsForOffer;
    return shekels * eventGuests;
}

bool COffer::LoadFromIni(CProfileFile& ini, const std::string& section)
{
    if (!CExpence::LoadFromIni(ini, section))
        return false;
    for (int i = 0; i < kCombinationCount; ++i)
        m_inCombination[i] = ini.GetInt(section, "IsInPlan" + FormatInt(i), 0) == 1;

    const int oldKey = ini.GetInt(section, "IsInOffer", kNoOldCombinationKey);
    if (oldKey != kNoOldCombinationKey)
    {
        m_inCombination[0] = oldKey == 1;
        ini.DeleteKey(section, "IsInOffer");
        ini.SetString(section, "IsInPlan0", m_inCombination[0] ? "1" : "0");
    }
    m_perGuest = ini.GetInt(section, "IsPerGuest", 0) == 1;
    m_guestsForOffer = ini.GetInt(section, "number_of_guests_for_offers", 0);
    ClearModified();
    return true;
}

std::unique_ptr<CRecord> COffer::CloneState() const
{
    return std::unique_ptr<CRecord>(new COffer(*this));
}
