#pragma once

#include <memory>

class CCategory;
class CEventSettings;
class CExpence;
class CGroup;
class CGuest;
class CMeeting;
class COffer;
class CShape;
class CTable;
class IRecordOwner;

// Where the XML reader puts the records it reads. Each record is handed over (with its ownership)
// as soon as its start element is read and is then filled by the following field elements, so a
// damaged file keeps every record read before the damage. The document is the usual sink; the
// import of guests from another event's file uses one of its own.
class IXmlDataSink
{
public:
    virtual ~IXmlDataSink() = default;

    // The owner and settings that new records are built with (either may be null).
    virtual IRecordOwner* RecordOwner() = 0;
    virtual const CEventSettings* RecordSettings() = 0;

    virtual void AddGuest(std::unique_ptr<CGuest> guest) = 0;
    virtual void AddExpense(std::unique_ptr<CExpence> expense) = 0;
    // The sink gives the table its id (its position in the sink's table collection).
    virtual void AddTable(std::unique_ptr<CTable> table) = 0;
    virtual void AddGroup(std::unique_ptr<CGroup> group) = 0;
    virtual void AddMeeting(std::unique_ptr<CMeeting> meeting) = 0;
    virtual void AddCategory(std::unique_ptr<CCategory> category) = 0;
    virtual void AddOffer(std::unique_ptr<COffer> offer) = 0;
    virtual void AddShape(std::unique_ptr<CShape> shape) = 0;

    // Called once after the whole file was read (also after a damaged one).
    virtual void Complete() {}
};
