#pragma once

#include "model/Date.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CCategory;
class CExpence;
class CGroup;
class CGuest;
class CMeeting;
class COffer;
class CPayment;
class CShape;
class CTable;

// The element names of the XML data file (WeddingData.xml) and of hall draft files, and for every
// field of every record kind how its value is written and read. The writer (CXmlDataWriter) and
// the reader (CXmlDataReader) both work from these tables, so each name is spelled once.
//
// A data file, every line ending in CR LF:
//
//   <?xml version="1.0" encoding="UTF-8" ?>
//   <WeddingData>
//   <Guests>                    a collection per record kind, in the writer's fixed order
//   <Guest>                     a record: its fields in table order, one element a line
//   <UniqueId>7</UniqueId>
//   ...
//   </Guest>                    most record kinds leave an empty line after their end tag
//   ...
//   </Guests>
//   </WeddingData>
//
// A hall draft file is the declaration and the shape collection alone. The reader matches names
// without regard to case and knows record and field elements only; collection and list elements
// are layout.

constexpr std::string_view kXmlDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n";
constexpr std::string_view kXmlDataRoot = "WeddingData";

// How a field's value is written and read. Every value read is first trimmed.
enum class EXmlForm
{
    // Written in decimal. Read as a run of decimal digits: anything else (a sign too) or a value
    // beyond the int range reads as -1, an empty value as 0.
    Integer,
    // Hall-plan geometry: written in decimal, read like Integer with a leading minus allowed,
    // bounded to plus or minus a million.
    Coordinate,
    // Written "1" or "0"; only "1" reads as set.
    Flag,
    // Written with one decimal and a full stop; read as a decimal number, 0 when it is not
    // finite or does not fit a float.
    Amount,
    // Written as a CDATA section (characters XML cannot carry left out, "]]>" split between two
    // sections); read with CR LF line breaks.
    Text,
    // Written as escaped character data "day.month.year", month first with the English
    // interface; read in the same order.
    Date,
    // Each entry written as a Text element of the field's name, all of them inside the field's
    // list element. The entries read are kept in order without empty ones and repeats, and given
    // to the record at its end.
    TextList,
};

// One field of a record kind: its element and the accessors its form uses (the others are null).
// Setters run on a record detached from its owner, so they reach nothing but the record.
template <class R>
struct SXmlField
{
    std::string_view element;
    EXmlForm form = EXmlForm::Integer;
    // A Text field added after the layout was fixed: written only when the value is not empty,
    // so a record that has none keeps the bytes older installations wrote and read.
    bool onlyWhenSet = false;

    long long (*getInteger)(const R&) = nullptr; // Integer, Coordinate
    void (*setInteger)(R&, int) = nullptr;
    bool (*getFlag)(const R&) = nullptr;
    void (*setFlag)(R&, bool) = nullptr;
    double (*getAmount)(const R&) = nullptr;
    void (*setAmount)(R&, float) = nullptr;
    const std::string& (*getText)(const R&) = nullptr;
    void (*setText)(R&, const std::string&) = nullptr;
    SDate (*getDate)(const R&) = nullptr;
    void (*setDate)(R&, const SDate&) = nullptr;
    std::string_view listElement; // TextList
    const std::vector<std::string>& (*getList)(const R&) = nullptr;
    void (*setList)(R&, const std::vector<std::string>&) = nullptr;
};

// One record kind: the element of its collection, of each record and its fields in the order they
// are written.
template <class R>
struct SXmlRecordNames
{
    std::string_view collection;
    std::string_view record;
    const SXmlField<R>* fields = nullptr;
    std::size_t fieldCount = 0;
    // An Integer field written as an attribute of the record's start tag (the shape's type);
    // null when the kind has none.
    const SXmlField<R>* attribute = nullptr;
    // Whether an empty line follows the record's end tag.
    bool blankLineAfter = true;

    const SXmlField<R>* begin() const { return fields; }
    const SXmlField<R>* end() const { return fields + fieldCount; }
};

extern const SXmlRecordNames<CGuest> kGuestXml;
// An expense writes its payments after its own fields, as a collection of kPaymentXml records.
extern const SXmlRecordNames<CExpence> kExpenseXml;
extern const SXmlRecordNames<CPayment> kPaymentXml;
extern const SXmlRecordNames<CTable> kTableXml;
extern const SXmlRecordNames<CGroup> kGroupXml;
extern const SXmlRecordNames<CMeeting> kMeetingXml;
extern const SXmlRecordNames<CCategory> kCategoryXml;
extern const SXmlRecordNames<COffer> kOfferXml;
extern const SXmlRecordNames<CShape> kShapeXml;
