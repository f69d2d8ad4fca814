#pragma once

#include <memory>
#include <string>
#include <vector>

class CCategory;
class CExpence;
class CGroup;
class CGuest;
class CMeeting;
class COffer;
class CShape;
class CTable;

// Writes the event's XML data file (WeddingData.xml) and hall draft files from the element
// tables of store/XmlDataNames.h, which the reader reads by. The text is UTF-8 with CR LF line
// ends; values are written as the records hold them (see EXmlForm for each form), so a file
// written and read back gives the same records.
class CXmlDataWriter
{
public:
    // The records of one event, each collection in its list order.
    struct SRecords
    {
        const std::vector<std::unique_ptr<CGuest>>& guests;
        const std::vector<std::unique_ptr<CExpence>>& expenses;
        const std::vector<std::unique_ptr<CTable>>& tables;
        const std::vector<std::unique_ptr<CGroup>>& groups;
        const std::vector<std::unique_ptr<CMeeting>>& meetings;
        const std::vector<std::unique_ptr<CCategory>>& categories;
        const std::vector<std::unique_ptr<COffer>>& offers;
        const std::vector<std::unique_ptr<CShape>>& shapes;
    };

    // The whole data file: the collections in the order of SRecords.
    static std::string DataFileText(const SRecords& records);

    // A hall draft file: the shape collection alone.
    static std::string HallDraftText(const std::vector<std::unique_ptr<CShape>>& shapes);

    // Appends one record's element as the files hold it (with the empty line after it where the
    // kind has one). An expense's element holds its payments.
    static void AppendRecord(std::string& out, const CGuest& guest);
    static void AppendRecord(std::string& out, const CExpence& expense);
    static void AppendRecord(std::string& out, const CTable& table);
    static void AppendRecord(std::string& out, const CGroup& group);
    static void AppendRecord(std::string& out, const CMeeting& meeting);
    static void AppendRecord(std::string& out, const CCategory& category);
    static void AppendRecord(std::string& out, const COffer& offer);
    static void AppendRecord(std::string& out, const CShape& shape);
};
