#pragma once

#include <string>

class CNewOrvDoc;

// What every event is completed with after a load, and the default groups of a new event. The
// content and its texts belong to budget/ (CDefaultContent); the document reaches them through
// this interface, installed by the application, so store/ never links what lies above it. A
// document without one completes an event with the unseated table only.
class IDefaultContentSource
{
public:
    virtual ~IDefaultContentSource() = default;

    // Fills every collection of the loaded event that is empty with its default records.
    virtual void CompleteEvent(CNewOrvDoc& doc) = 0;

    // The default groups from the couple's names (either may be empty), only when the event has
    // no group. Returns the number of groups made.
    virtual int CreateDefaultGroups(CNewOrvDoc& doc, const std::string& brideName,
                                    const std::string& groomName) = 0;
};
