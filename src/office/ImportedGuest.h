#pragma once

#include <string>

// One guest line offered by an import (a spreadsheet row or a guest of another event's data
// file), before it is added to the event. Texts are UTF-8 with "\r\n" line breaks.
struct SImportedGuest
{
    // The guest's unique id in the file it came from; 0 when the source has none (a spreadsheet
    // without the "Unique ID" column): such a line gets a new id and is never a duplicate.
    int uniqueId = 0;
    std::string firstName;
    std::string familyName;
    std::string relation; // the stored relation word, or empty
    std::string group;
    std::string address;
    std::string phone;
    std::string mobile;
    std::string email;
    int invited = 0;
    int coming = 0;
    // Only a data file of another event carries these; a spreadsheet leaves them as they are.
    std::string info;
    int kids = 0;
    bool invitationSent = false;
    int status = 0;
};
