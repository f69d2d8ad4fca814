#pragma once

#include "model/Date.h"

#include <string>

class CEventInfo;

// What the Add Event wizard gathered: the details a new event is created with. For every type but
// the wedding the party owner is given in the bride's fields (see CEventTypes). Texts are UTF-8.
struct SNewEvent
{
    int type = 0; // "EventType"; 0 a wedding
    SDate date;   // the event date; stored as given
    std::string groomFirstName;
    std::string groomMiddleName;
    std::string groomFamilyName;
    std::string brideFirstName;
    std::string brideMiddleName;
    std::string brideFamilyName;
    std::string phone;
    // The event's display name; when empty, the type's name template fills it.
    std::string eventName;
    // An entry of the document's events list whose data the new event starts from; null for none.
    const CEventInfo* copyFrom = nullptr;
    bool createGroups = true;
};
