#pragma once

#include <string>

// The kinds of event (the event setting "EventType") and the texts each kind gives the Add Event
// wizard and the event's name. A wedding has a bride and a groom; every other kind has one party
// owner, who is entered in and stored as the bride's fields (the groom's fields stay hidden).
// Types outside 0..6 are kept as stored but have no texts.
class CEventTypes
{
public:
    static constexpr int kWedding = 0;
    static constexpr int kCircumcision = 1;
    static constexpr int kBrita = 2;
    static constexpr int kBarMitzvah = 3;
    static constexpr int kBatMitzvah = 4;
    static constexpr int kShabatHatan = 5;
    static constexpr int kHina = 6;
    static constexpr int kTypeCount = 7;

    static bool IsKnown(int type) { return type >= kWedding && type < kTypeCount; }
    // A known type other than the wedding: one party owner, kept in the bride's fields.
    static bool HasPartyOwner(int type) { return IsKnown(type) && type != kWedding; }

    // Texts in the interface language; empty for an unknown type.
    static std::string TypeName(int type);
    // printf style: the wedding's takes the bride's then the groom's first name, the others the
    // party owner's.
    static std::string NameTemplate(int type);
    // The caption of the second person's fields ("Bride" or "Party owner").
    static std::string SecondPersonCaption(int type);
    // The caption of the names group ("Couple detail:" or "Details of party owner:").
    static std::string DetailsCaption(int type);

    // The event name the wizard proposes: the type's template filled with the bride's (or party
    // owner's) first name and, for a wedding, the groom's. Empty for an unknown type.
    static std::string MakeEventName(int type, const std::string& brideFirstName,
                                     const std::string& groomFirstName);
};
