#include "store/EventTypes.h"

#include "platform/StringTable.h"

namespace
{
// Per type, in the order of the type list.
struct STypeTexts
{
    int typeName;
    int nameTemplate;
};

const STypeTexts kTexts[CEventTypes::kTypeCount] = {
    {IDS_EVENT_TYPE_WEDDING, IDS_EVENT_NAME_WEDDING},
    {IDS_EVENT_TYPE_CIRCUMCISION, IDS_EVENT_NAME_CIRCUMCISION},
    {IDS_EVENT_TYPE_BRITA, IDS_EVENT_NAME_BRITA},
    {IDS_EVENT_TYPE_BAR_MITZVAH, IDS_EVENT_NAME_BAR_MITZVAH},
    {IDS_EVENT_TYPE_BAT_MITZVAH, IDS_EVENT_NAME_BAT_MITZVAH},
    {IDS_EVENT_TYPE_SHABAT_HATAN, IDS_EVENT_NAME_SHABAT_HATAN},
    {IDS_EVENT_TYPE_HINA, IDS_EVENT_NAME_HINA},
};
} // namespace

std::string CEventTypes::TypeName(int type)
{
    return IsKnown(type) ? LoadString(kTexts[type].typeName) : std::string();
}

std::string CEventTypes::NameTemplate(int type)
{
    return IsKnown(type) ? LoadString(kTexts[type].nameTemplate) : std::string();
}

std::string CEventTypes::SecondPersonCaption(int type)
{
    if (!IsKnown(type))
        return {};
    return LoadString(type == kWedding ? IDS_SECOND_PERSON_BRIDE : IDS_SECOND_PERSON_PARTY_OWNER);
}

std::string CEventTypes::DetailsCaption(int type)
{
    if (!IsKnown(type))
        return {};
    return LoadString(type == kWedding ? IDS_DETAILS_COUPLE : IDS_DETAILS_PARTY_OWNER);
}

std::string CEventTypes::MakeEventName(int type, const std::string& brideFirstName,
                                       const std::string& groomFirstName)
{
    if (!IsKnown(type))
        return {};
    if (type == kWedding)
        return FormatText(NameTemplate(type), {brideFirstName, groomFirstName});
    return FormatText(NameTemplate(type), {brideFirstName});
}
