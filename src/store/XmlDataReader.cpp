#include "store/XmlDataReader.h"

#include "model/Category.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Meeting.h"
#include "model/Offer.h"
#include "model/Shape.h"
#include "model/Table.h"
#include "platform/AtomicFile.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/XmlDataNames.h"
#include "store/XmlDataSink.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/sax/AttributeList.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/sax/Locator.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/TransService.hpp>
#include <xercesc/util/XMLException.hpp>

// How the reader works
//
// One SAX handler (CDataHandler) knows every record and field element of the data file, from the
// tables the writer writes by (store/XmlDataNames.h). It keeps a stack of the open elements; each
// entry says what the element started: a record, a payment of the current expense, a field of the
// current record, or nothing the reader knows (collections, unknown elements). Names are compared
// without regard to case, and a record element starts a record wherever it stands (a record start
// inside another record ends the outer one).
//
// - A record start creates the record with the sink's owner and settings and hands it to the
//   sink at once, so a damaged file keeps everything read before the damage. The record is then
//   filled detached from its owner, so no setter reaches into the document during the load (no
//   data-changed marks, no table broadcasts, no renames in other guests' restriction lists); its
//   end (or the end of the read) gives the owner back and clears the flags.
// - A field collects every piece of character data the parser delivers (the writer splits a
//   value holding "]]>" into two CDATA sections; the parser may cut long text anywhere) until
//   its end tag, up to kMaxFieldChars. Only then is the text converted to UTF-8, trimmed and
//   given its CR LF line breaks back (the parser turns every stored CR LF into LF), and stored
//   through the setter of the field's table entry, read in the entry's form. A field without any
//   character data leaves the record alone; an empty CDATA section counts as data (an empty
//   value).
// - Expenses are filled without the whole-and-instalment sync of CExpence's setters (their table
//   entries call the CPayment:: base setters), so the payments read are exactly the payments
//   written.
// - A shape keeps the type its attribute gives, known to this program or not.
//
// Xerces drops an element whose end tag does not match (after a fatal error, which does not stop
// the parse) without telling the handler; an end tag therefore closes the nearest open element
// of its name and everything above it.
//
// Hostile input: the parser is made to report the document type declaration to us, and the
// read stops right there, before any internal or external subset is processed (Xerces-C 3.2 has
// known faults in DTD handling, and entities are the way to billion-laughs and external-entity
// attacks). No entity is ever resolved, a security manager caps expansions should one get
// through, and the depth, the number of element names (each costs the parser a declaration),
// the number of records, the length of a field and the number of fatal errors (the parse goes
// on after one) are bounded.

namespace
{
namespace xml = xercesc;

static_assert(sizeof(XMLCh) == sizeof(char16_t), "XMLCh is a UTF-16 code unit");

// A data file is six levels deep.
constexpr std::size_t kMaxDepth = 256;
// A data file uses about ninety element names.
constexpr std::size_t kMaxElementNames = 10000;
// The parse goes on after a fatal error, and some errors repeat for every piece of the input
// that follows (every expansion beyond the security manager's limit, for one): a file this
// broken has nothing more to give.
constexpr int kMaxFatalErrors = 100;
// Hall-plan coordinates beyond this are damage; bounding them keeps left + width in range.
constexpr int kMaxCoordinate = 1000000;
constexpr int kAbsentLine = -1;

const char kDocTypeRefused[] =
    "the file declares a document type, which a data file never does (damaged file)";
const char kEntityRefused[] = "the file refers to an outside entity, which is not read";

// Stops the parse from inside a callback (Xerces passes it through to the parse call).
struct SReadStopped
{
    std::string reason;
};

// UTF-16 from the parser to UTF-8. A surrogate without its partner (cut off by the field limit,
// or from a damaged UTF-16 file) becomes U+FFFD: Xerces' encoder would throw or write bytes that
// are not UTF-8.
// UTF-16 from the parser to UTF-8, appended to out. A surrogate without its partner (cut off by
// the field limit, or from a damaged UTF-16 file) becomes U+FFFD. Our own conversion: the loader
// runs it for every field, and Xerces' transcoder allocates twice per call.
void AppendUtf8(std::string& out, const XMLCh* text, XMLSize_t length)
{
    const std::size_t start = out.size();
    out.resize(start + length * 3);
    char* write = out.data() + start;
    const auto isHigh = [](char32_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto isLow = [](char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    for (XMLSize_t i = 0; i < length; ++i)
    {
        char32_t cp = static_cast<char16_t>(text[i]);
        if (cp < 0x80)
        {
            *write++ = static_cast<char>(cp);
            continue;
        }
        if (isHigh(cp) && i + 1 < length && isLow(static_cast<char16_t>(text[i + 1])))
            cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<char16_t>(text[++i]) - 0xDC00);
        else if (isHigh(cp) || isLow(cp))
            cp = 0xFFFD;
        if (cp < 0x800)
        {
            *write++ = static_cast<char>(0xC0 | (cp >> 6));
            *write++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
        else if (cp < 0x10000)
        {
            *write++ = static_cast<char>(0xE0 | (cp >> 12));
            *write++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *write++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
        else
        {
            // A surrogate pair took two units of the three bytes each reserved.
            *write++ = static_cast<char>(0xF0 | (cp >> 18));
            *write++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *write++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *write++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(write - out.data()));
}

std::string Transcode(xml::XMLTranscoder&, const XMLCh* text, XMLSize_t length)
{
    std::string out;
    AppendUtf8(out, text, length);
    return out;
}

std::string LinePrefix(long long line)
{
    if (line <= 0)
        return std::string();
    return "line " + FormatInt(line) + ": ";
}

// The lower-case ASCII form of a name; empty for a name that cannot be one of ours.
std::string AsciiLower(const XMLCh* name)
{
    constexpr std::size_t kLongestName = 32;
    std::string result;
    for (const XMLCh* c = name; *c != 0; ++c)
    {
        if (*c >= 0x80 || result.size() == kLongestName)
            return std::string();
        char ascii = static_cast<char>(*c);
        if (ascii >= 'A' && ascii <= 'Z')
            ascii = static_cast<char>(ascii - 'A' + 'a');
        result += ascii;
    }
    return result;
}

// FNV-1a over the UTF-16 units: element names are short, and this runs twice per element.
std::size_t HashName(const XMLCh* name)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const XMLCh* c = name; *c != 0; ++c)
    {
        hash ^= static_cast<std::uint64_t>(*c);
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

bool SameName(const XMLCh* name, const std::u16string& known)
{
    std::size_t i = 0;
    for (; name[i] != 0; ++i)
        if (i >= known.size() || static_cast<char16_t>(name[i]) != known[i])
            return false;
    return i == known.size();
}

// ---- Values ------------------------------------------------------------------------------

std::string_view Trim(std::string_view text)
{
    const char* const kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return std::string_view();
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Every line feed not already preceded by a carriage return gets one.
std::string WithCrLf(std::string_view text)
{
    std::size_t lineFeed = text.find('\n');
    if (lineFeed == std::string_view::npos)
        return std::string(text); // most values are one line
    std::string result;
    result.reserve(text.size() + 16);
    std::size_t from = 0;
    while (lineFeed != std::string_view::npos)
    {
        result.append(text, from, lineFeed - from);
        if (lineFeed == 0 || text[lineFeed - 1] != '\r')
            result += '\r';
        result += '\n';
        from = lineFeed + 1;
        lineFeed = text.find('\n', from);
    }
    result.append(text, from, std::string_view::npos);
    return result;
}

// Only a run of decimal digits (with a leading minus where allowed) is a number: anything else,
// or a value beyond the int range, gives -1. Empty gives 0. The text is trimmed already.
int ParseIntField(std::string_view text, bool signedValue = false)
{
    if (text.empty())
        return 0;
    bool negative = false;
    if (signedValue && text.front() == '-')
    {
        negative = true;
        text.remove_prefix(1);
        if (text.empty())
            return -1;
    }
    long long value = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return -1;
    }
    return static_cast<int>(negative ? -value : value);
}

// bounded: set when the value was beyond a million and had to be bounded.
int ParseCoordinate(std::string_view text, bool& bounded)
{
    const int value = ParseIntField(text, true);
    bounded = value > kMaxCoordinate || value < -kMaxCoordinate;
    return std::max(-kMaxCoordinate, std::min(kMaxCoordinate, value));
}

// A number that is not finite or does not fit a float reads as 0; bounded is set for a number
// too large for a float.
float ParseFloatField(std::string_view text, bool& bounded)
{
    const double value = ParseLeadingDouble(text);
    bounded = std::isfinite(value) && std::fabs(value) > FLT_MAX;
    if (!std::isfinite(value) || bounded)
        return 0.0f;
    return static_cast<float>(value);
}

bool ParseBoolField(std::string_view text)
{
    return text == "1";
}

// ---- Element names -------------------------------------------------------------------------

enum class EKind
{
    None,
    Guest,
    Expence,
    Table,
    Group,
    Meeting,
    Category,
    Offer,
    Shape,
};

enum class ERole
{
    Other,
    Record,
    Payment,
    Field,
    PaymentField,
};

// What a record or field element means. field: the position in its kind's table (the payment's
// for a payment field), -1 for a record.
struct SElementInfo
{
    ERole role;
    EKind kind;
    int field;
};

std::string LowerCase(std::string_view name)
{
    std::string lower(name);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

using CElementMap = std::unordered_map<std::string, SElementInfo>;

template <class R>
void AddElements(CElementMap& elements, const SXmlRecordNames<R>& names, EKind kind,
                 ERole recordRole, ERole fieldRole)
{
    elements.emplace(LowerCase(names.record), SElementInfo{recordRole, kind, -1});
    for (std::size_t i = 0; i < names.fieldCount; ++i)
        elements.emplace(LowerCase(names.fields[i].element),
                         SElementInfo{fieldRole, kind, static_cast<int>(i)});
}

// The record and field elements of the shared tables by their lower-case names; collection and
// list elements are not among them (they only arrange the file).
const SElementInfo* FindElement(const std::string& lowerName)
{
    static const CElementMap kElements = []
    {
        CElementMap elements;
        AddElements(elements, kGuestXml, EKind::Guest, ERole::Record, ERole::Field);
        AddElements(elements, kExpenseXml, EKind::Expence, ERole::Record, ERole::Field);
        AddElements(elements, kPaymentXml, EKind::Expence, ERole::Payment, ERole::PaymentField);
        AddElements(elements, kTableXml, EKind::Table, ERole::Record, ERole::Field);
        AddElements(elements, kGroupXml, EKind::Group, ERole::Record, ERole::Field);
        AddElements(elements, kMeetingXml, EKind::Meeting, ERole::Record, ERole::Field);
        AddElements(elements, kCategoryXml, EKind::Category, ERole::Record, ERole::Field);
        AddElements(elements, kOfferXml, EKind::Offer, ERole::Record, ERole::Field);
        AddElements(elements, kShapeXml, EKind::Shape, ERole::Record, ERole::Field);
        return elements;
    }();
    const auto found = kElements.find(lowerName);
    return found == kElements.end() ? nullptr : &found->second;
}

// ---- The handler -------------------------------------------------------------------------

// What an element name met in the file means: its exact spelling, its role (null for names the
// reader does not know) and its hash.
struct SNameEntry
{
    std::u16string name;
    const SElementInfo* info = nullptr;
    std::size_t hash = 0;
};

class CDataHandler : public xml::HandlerBase
{
public:
    CDataHandler(IXmlDataSink& sink, ERecordFilter filter)
        : m_sink(sink), m_filter(filter), m_owner(sink.RecordOwner()),
          m_settings(sink.RecordSettings())
    {
        xml::XMLTransService::Codes result = xml::XMLTransService::Ok;
        m_utf8.reset(xml::XMLPlatformUtils::fgTransService->makeNewTranscoderFor("UTF-8", result,
                                                                                 16 * 1024));
        if (m_utf8 == nullptr)
            throw SReadStopped{"the XML parser cannot write UTF-8"};
    }

    bool Failed() const { return m_failed; }
    const std::string& Error() const { return m_error; }

    void Fail(const std::string& reason)
    {
        if (!m_failed)
            m_error = reason;
        m_failed = true;
    }

    long long CurrentLine() const
    {
        return m_locator != nullptr ? static_cast<long long>(m_locator->getLineNumber())
                                    : kAbsentLine;
    }

    // Ends what is still open (a truncated or refused file): the open record is finished, an
    // unfinished field is dropped.
    void EndOfRead()
    {
        m_fieldOpen = false;
        m_paymentIndex = -1;
        FinishRecord();
        m_stack.clear();
    }

    // DocumentHandler
    void setDocumentLocator(const xml::Locator* const locator) override { m_locator = locator; }

    void startElement(const XMLCh* const name, xml::AttributeList& attributes) override
    {
        if (m_stack.size() >= kMaxDepth)
            Stop("the elements are nested too deeply (damaged file)");
        const SNameEntry& entry = Lookup(name);
        SOpen& open = m_stack.emplace_back();
        open.nameHash = entry.hash;
        open.name = &entry.name;
        if (const SElementInfo* info = entry.info)
        {
            switch (info->role)
            {
            case ERole::Record:
                if (BeginRecord(info->kind, attributes))
                {
                    m_stack.back().role = ERole::Record;
                    m_stack.back().record = m_record;
                }
                break;
            case ERole::Payment:
                if (BeginPayment())
                {
                    m_stack.back().role = ERole::Payment;
                    m_stack.back().payment = m_paymentIndex;
                }
                break;
            case ERole::Field:
            case ERole::PaymentField:
                if (BeginField(*info))
                    m_stack.back().role = ERole::Field;
                break;
            case ERole::Other:
                break;
            }
        }
    }

    // The entry of an element name. The parser hands over the same name pointer for every element
    // of one spelling (it belongs to the element's declaration), so a small cache by pointer,
    // checked against the spelling, saves hashing the name for nearly every element.
    const SNameEntry& Lookup(const XMLCh* name)
    {
        SPointerSlot& slot =
            m_byPointer[(reinterpret_cast<std::uintptr_t>(name) >> 4) % kPointerSlots];
        if (slot.pointer == name && SameName(name, slot.entry->name))
            return *slot.entry;
        const std::size_t hash = HashName(name);
        const SNameEntry& entry = KnownElement(name, hash);
        slot.pointer = name;
        slot.entry = &entry;
        return entry;
    }

    const SNameEntry& KnownElement(const XMLCh* name, std::size_t hash)
    {
        auto found = m_names.find(hash);
        if (found != m_names.end())
        {
            if (SameName(name, found->second.name))
                return found->second;
            // A different spelling of the same hash: looked up in full, not cached.
            m_collision = SNameEntry{std::u16string(reinterpret_cast<const char16_t*>(name)),
                                     FindElement(AsciiLower(name)), hash};
            return m_collision;
        }
        if (m_names.size() >= kMaxElementNames)
            Stop("the file uses too many different element names (damaged file)");
        auto added = m_names.emplace(
            hash, SNameEntry{std::u16string(reinterpret_cast<const char16_t*>(name)),
                             FindElement(AsciiLower(name)), hash});
        return added.first->second;
    }

    void endElement(const XMLCh* const name) override
    {
        // In a well-formed file the end tag closes the innermost element: no hash needed.
        if (!m_stack.empty() && m_stack.back().name != nullptr &&
            SameName(name, *m_stack.back().name))
        {
            Close(m_stack.back());
            m_stack.pop_back();
            return;
        }
        const std::size_t hash = HashName(name);
        for (std::size_t i = m_stack.size(); i-- > 0;)
        {
            if (m_stack[i].nameHash != hash)
                continue;
            while (m_stack.size() > i)
            {
                Close(m_stack.back());
                m_stack.pop_back();
            }
            return;
        }
    }

    void characters(const XMLCh* const chars, const XMLSize_t length) override
    {
        if (!m_fieldOpen)
            return;
        // An empty CDATA section arrives as an empty call: the value is empty, not absent.
        m_hasText = true;
        const std::size_t room = CXmlDataReader::kMaxFieldChars -
                                 std::min(m_text.size(), CXmlDataReader::kMaxFieldChars);
        m_textCut = m_textCut || length > room;
        m_text.append(reinterpret_cast<const char16_t*>(chars),
                      std::min<std::size_t>(length, room));
    }

    // ErrorHandler: warnings and errors (validity) are ignored; a fatal error fails the read,
    // which goes on as far as the parser can.
    void warning(const xml::SAXParseException&) override {}
    void error(const xml::SAXParseException&) override {}
    void fatalError(const xml::SAXParseException& exception) override
    {
        Fail(LinePrefix(static_cast<long long>(exception.getLineNumber())) +
             Transcode(*m_utf8, exception.getMessage(),
                       xml::XMLString::stringLen(exception.getMessage())));
        if (++m_fatalErrors >= kMaxFatalErrors)
            throw SReadStopped{m_error};
    }

    // EntityResolver: nothing outside the file is ever read.
    xml::InputSource* resolveEntity(const XMLCh* const, const XMLCh* const) override
    {
        Stop(kEntityRefused);
        return nullptr;
    }

    [[noreturn]] void Stop(const std::string& reason)
    {
        throw SReadStopped{LinePrefix(CurrentLine()) + reason};
    }

private:
    struct SOpen
    {
        std::size_t nameHash = 0;
        ERole role = ERole::Other;
        CRecord* record = nullptr;
        int payment = -1;
        const std::u16string* name = nullptr; // the spelling met at the start
    };

    bool BeginRecord(EKind kind, xml::AttributeList& attributes)
    {
        if (m_filter == ERecordFilter::ShapesOnly && kind != EKind::Shape)
            return false;
        FinishRecord();
        m_fieldOpen = false;
        m_paymentIndex = -1;
        m_list.clear();
        m_listSeen.clear();
        if (++m_recordCount > CXmlDataReader::kMaxRecords)
            Stop("the file holds too many records (damaged file)");

        switch (kind)
        {
        case EKind::Guest:
        {
            auto guest = std::make_unique<CGuest>(m_settings, m_owner);
            m_record = guest.get();
            m_sink.AddGuest(std::move(guest));
            break;
        }
        case EKind::Expence:
        {
            auto expense = std::make_unique<CExpence>(m_owner);
            // Only the payments of the file, not the empty one a new expense starts with.
            expense->ClearPayments();
            m_record = expense.get();
            m_sink.AddExpense(std::move(expense));
            break;
        }
        case EKind::Table:
        {
            auto table = std::make_unique<CTable>(m_owner);
            m_record = table.get();
            m_sink.AddTable(std::move(table));
            break;
        }
        case EKind::Group:
        {
            auto group = std::make_unique<CGroup>(m_owner);
            m_record = group.get();
            m_sink.AddGroup(std::move(group));
            break;
        }
        case EKind::Meeting:
        {
            auto meeting = std::make_unique<CMeeting>(m_owner);
            m_record = meeting.get();
            m_sink.AddMeeting(std::move(meeting));
            break;
        }
        case EKind::Category:
        {
            auto category = std::make_unique<CCategory>(m_owner);
            m_record = category.get();
            m_sink.AddCategory(std::move(category));
            break;
        }
        case EKind::Offer:
        {
            auto offer = std::make_unique<COffer>(m_owner);
            m_record = offer.get();
            m_sink.AddOffer(std::move(offer));
            break;
        }
        case EKind::Shape:
        {
            // Its type comes from the attribute; a shape without one has none.
            auto shape = std::make_unique<CShape>(m_owner, CShape::kShapeNone);
            m_record = shape.get();
            m_sink.AddShape(std::move(shape));
            break;
        }
        case EKind::None:
            return false;
        }
        m_kind = kind;
        m_record->SetOwner(nullptr);
        if (kind == EKind::Shape)
            ReadAttribute(static_cast<CShape&>(*m_record), kShapeXml, attributes);
        return true;
    }

    template <class R>
    void ReadAttribute(R& record, const SXmlRecordNames<R>& names, xml::AttributeList& attributes)
    {
        if (names.attribute == nullptr)
            return;
        const std::string name = LowerCase(names.attribute->element);
        for (XMLSize_t i = 0; i < attributes.getLength(); ++i)
        {
            if (AsciiLower(attributes.getName(i)) != name)
                continue;
            const XMLCh* value = attributes.getValue(i);
            const std::string text = Transcode(*m_utf8, value, xml::XMLString::stringLen(value));
            ReadField(record, *names.attribute, std::string(Trim(text)));
            return;
        }
    }

    bool BeginPayment()
    {
        if (m_kind != EKind::Expence || m_fieldOpen)
            return false;
        auto& expense = static_cast<CExpence&>(*m_record);
        m_payment.Reset();
        m_paymentIndex = expense.GetPaymentCount();
        expense.SetPayment(m_paymentIndex, m_payment);
        return true;
    }

    bool BeginField(const SElementInfo& info)
    {
        if (m_fieldOpen || m_kind != info.kind)
            return false;
        if (info.role == ERole::PaymentField && m_paymentIndex < 0)
            return false;
        m_fieldOpen = true;
        m_field = info;
        m_text.clear();
        m_hasText = false;
        m_textCut = false;
        return true;
    }

    void Close(const SOpen& open)
    {
        switch (open.role)
        {
        case ERole::Field:
        case ERole::PaymentField:
            if (m_fieldOpen)
            {
                m_fieldOpen = false;
                if (m_textCut)
                    Fail(LinePrefix(CurrentLine()) + "a text longer than " +
                         FormatInt(CXmlDataReader::kMaxFieldChars) +
                         " characters was cut (damaged file)");
                if (m_hasText)
                {
                    m_textUtf8.clear(); // reused: one allocation less for every field
                    AppendUtf8(m_textUtf8, reinterpret_cast<const XMLCh*>(m_text.data()),
                               m_text.size());
                    const std::string text = WithCrLf(Trim(m_textUtf8));
                    Apply(m_field, text);
                }
            }
            break;
        case ERole::Payment:
            if (open.payment == m_paymentIndex)
                m_paymentIndex = -1;
            break;
        case ERole::Record:
            if (open.record == m_record)
                FinishRecord();
            break;
        case ERole::Other:
            break;
        }
    }

    void FinishRecord()
    {
        if (m_record == nullptr)
            return;
        switch (m_kind)
        {
        case EKind::Guest:
            GiveLists(static_cast<CGuest&>(*m_record), kGuestXml);
            break;
        case EKind::Expence:
        {
            auto& expense = static_cast<CExpence&>(*m_record);
            if (expense.GetPaymentCount() > 0)
                expense.CPayment::SetDate(expense.GetPayment(0)->GetDate());
            break;
        }
        case EKind::Shape:
            static_cast<CShape&>(*m_record).KeepRectAsOriginal();
            break;
        default:
            break;
        }
        m_record->SetOwner(m_owner);
        // A group read stays marked modified, as one read from the legacy file does.
        if (m_kind != EKind::Group)
            m_record->ClearModified();
        m_record = nullptr;
        m_kind = EKind::None;
        m_paymentIndex = -1;
    }

    template <class R>
    void GiveLists(R& record, const SXmlRecordNames<R>& names)
    {
        if (m_list.empty())
            return;
        // A kind has one list at most, so everything collected belongs to it.
        for (const SXmlField<R>& field : names)
            if (field.form == EXmlForm::TextList)
                field.setList(record, m_list);
    }

    void Apply(const SElementInfo& field, const std::string& text)
    {
        if (field.role == ERole::PaymentField)
        {
            // The payment is built aside and copied into its place after every field.
            ReadField(m_payment, kPaymentXml.fields[field.field], text);
            static_cast<CExpence&>(*m_record).SetPayment(m_paymentIndex, m_payment);
            return;
        }
        switch (m_kind)
        {
        case EKind::Guest:
            ReadField(static_cast<CGuest&>(*m_record), kGuestXml.fields[field.field], text);
            break;
        case EKind::Expence:
            ReadField(static_cast<CExpence&>(*m_record), kExpenseXml.fields[field.field], text);
            break;
        case EKind::Table:
            ReadField(static_cast<CTable&>(*m_record), kTableXml.fields[field.field], text);
            break;
        case EKind::Group:
            ReadField(static_cast<CGroup&>(*m_record), kGroupXml.fields[field.field], text);
            break;
        case EKind::Meeting:
            ReadField(static_cast<CMeeting&>(*m_record), kMeetingXml.fields[field.field], text);
            break;
        case EKind::Category:
            ReadField(static_cast<CCategory&>(*m_record), kCategoryXml.fields[field.field], text);
            break;
        case EKind::Offer:
            ReadField(static_cast<COffer&>(*m_record), kOfferXml.fields[field.field], text);
            break;
        case EKind::Shape:
            ReadField(static_cast<CShape&>(*m_record), kShapeXml.fields[field.field], text);
            break;
        case EKind::None:
            break;
        }
    }

    template <class R>
    void ReadField(R& record, const SXmlField<R>& field, const std::string& text)
    {
        switch (field.form)
        {
        case EXmlForm::Integer:
            field.setInteger(record, ParseIntField(text));
            break;
        case EXmlForm::Coordinate:
        {
            bool bounded = false;
            field.setInteger(record, ParseCoordinate(text, bounded));
            if (bounded)
                Fail(LinePrefix(CurrentLine()) + "a hall plan position beyond " +
                     FormatInt(kMaxCoordinate) + " was bounded (damaged file)");
            break;
        }
        case EXmlForm::Flag:
        case EXmlForm::FlagWhenSet:
            field.setFlag(record, ParseBoolField(text));
            break;
        case EXmlForm::Amount:
        {
            bool bounded = false;
            field.setAmount(record, ParseFloatField(text, bounded));
            if (bounded)
                Fail(LinePrefix(CurrentLine()) +
                     "an amount too large to keep was read as 0 (damaged file)");
            break;
        }
        case EXmlForm::Text:
            field.setText(record, text);
            break;
        case EXmlForm::Date:
            field.setDate(record, CPayment::ParseDate(text, IsHebrewUi()));
            break;
        case EXmlForm::TextList:
            // Kept aside and given at the record's end: the record's own add is linear per entry.
            if (!text.empty() && m_listSeen.insert(text).second)
                m_list.push_back(text);
            break;
        }
    }

    IXmlDataSink& m_sink;
    ERecordFilter m_filter;
    IRecordOwner* m_owner;
    const CEventSettings* m_settings;
    std::unique_ptr<xml::XMLTranscoder> m_utf8;
    const xml::Locator* m_locator = nullptr;

    bool m_failed = false;
    std::string m_error;
    int m_fatalErrors = 0;

    std::vector<SOpen> m_stack;
    // What each element name met so far means, by the hash of its exact spelling (a file uses
    // a few dozen names; looking each one up again for every element was a fifth of the load).
    std::unordered_map<std::size_t, SNameEntry> m_names;
    SNameEntry m_collision;
    struct SPointerSlot
    {
        const XMLCh* pointer = nullptr;
        const SNameEntry* entry = nullptr;
    };
    static constexpr std::size_t kPointerSlots = 64;
    SPointerSlot m_byPointer[kPointerSlots];
    int m_recordCount = 0;

    CRecord* m_record = nullptr;
    EKind m_kind = EKind::None;

    bool m_fieldOpen = false;
    SElementInfo m_field{ERole::Other, EKind::None, -1};
    std::u16string m_text;
    std::string m_textUtf8;
    bool m_hasText = false;
    bool m_textCut = false; // the field's text went beyond kMaxFieldChars

    int m_paymentIndex = -1;
    CPayment m_payment;

    // The entries of the record's list field read so far.
    std::vector<std::string> m_list;
    std::unordered_set<std::string> m_listSeen;
};

// SAXParser implements the scanner's document type handler but registers itself with the
// scanner only when a DTD handler is set, and offers no switch that refuses a declaration. This
// parser always registers and stops the parse at the declaration, before either subset is read.
class CNoDocTypeParser : public xml::SAXParser
{
public:
    CNoDocTypeParser()
    {
        // The scanner belongs to this parser; only the accessor is const.
        const_cast<xml::XMLScanner&>(getScanner()).setDocTypeHandler(this);
    }

    void doctypeDecl(const xml::DTDElementDecl&, const XMLCh* const, const XMLCh* const, const bool,
                     const bool) override
    {
        const xml::Locator* locator = getScanner().getLocator();
        const long long line =
            locator != nullptr ? static_cast<long long>(locator->getLineNumber()) : kAbsentLine;
        throw SReadStopped{LinePrefix(line) + kDocTypeRefused};
    }
};

// Xerces is initialised at the first read and terminated when the program ends: setting it up
// again for every read would cost a small event's load as much again.
class CXmlPlatform
{
public:
    CXmlPlatform() { xml::XMLPlatformUtils::Initialize(); }
    ~CXmlPlatform() { xml::XMLPlatformUtils::Terminate(); }
    CXmlPlatform(const CXmlPlatform&) = delete;
    CXmlPlatform& operator=(const CXmlPlatform&) = delete;
};

bool ReadWithParser(std::string_view bytes, IXmlDataSink& sink, ERecordFilter filter,
                    std::string& error)
{
    CDataHandler handler(sink, filter);
    {
        xml::SecurityManager security;
        CNoDocTypeParser parser;
        parser.setValidationScheme(xml::SAXParser::Val_Auto);
        parser.setDoNamespaces(false);
        parser.setDoSchema(false);
        parser.setValidationSchemaFullChecking(false);
        parser.setExitOnFirstFatalError(false);
        parser.setLoadExternalDTD(false);
        parser.setSecurityManager(&security);
        parser.setDisableDefaultEntityResolution(true);
        parser.setDocumentHandler(&handler);
        parser.setErrorHandler(&handler);
        parser.setEntityResolver(&handler);

        xml::MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(),
                                      "WeddingData.xml");
        try
        {
            parser.parse(source);
        }
        catch (const SReadStopped& stopped)
        {
            handler.Fail(stopped.reason);
        }
        catch (const xml::SAXParseException& exception)
        {
            handler.fatalError(exception);
        }
        catch (const xml::XMLException&)
        {
            handler.Fail(LinePrefix(handler.CurrentLine()) + "the file cannot be read");
        }
        catch (const xml::OutOfMemoryException&)
        {
            handler.Fail("not enough memory to read the file");
        }
        catch (const std::bad_alloc&)
        {
            handler.Fail("not enough memory to read the file");
        }
        handler.EndOfRead();
    }
    if (handler.Failed())
        error = handler.Error();
    return !handler.Failed();
}
} // namespace

bool CXmlDataReader::ReadText(std::string_view bytes, IXmlDataSink& sink, std::string* error,
                              ERecordFilter filter)
{
    std::string reason;
    bool ok = false;
    try
    {
        static CXmlPlatform platform;
        ok = ReadWithParser(bytes, sink, filter, reason);
    }
    catch (const SReadStopped& stopped)
    {
        reason = stopped.reason;
    }
    catch (const xml::XMLException&)
    {
        reason = "the XML parser cannot start";
    }
    catch (const std::bad_alloc&)
    {
        reason = "not enough memory to read the file";
    }
    sink.Complete();
    if (error != nullptr)
        *error = ok ? std::string() : reason;
    return ok;
}

bool CXmlDataReader::ReadFile(const std::filesystem::path& path, IXmlDataSink& sink,
                              std::string* error, ERecordFilter filter)
{
    const auto fail = [&](const std::string& reason)
    {
        sink.Complete();
        if (error != nullptr)
            *error = reason;
        return false;
    };

    // Never waits on a FIFO or a device: a data file is a regular file or damaged.
    struct stat info
    {
    };
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return fail("not a regular file");
    std::string bytes;
    std::string reason;
    if (!ReadRegularFile(path, bytes, kMaxFileBytes, &reason))
    {
        if (::stat(path.c_str(), &info) != 0)
            return fail("the file cannot be opened");
        if (!S_ISREG(info.st_mode))
            return fail("not a regular file");
        if (static_cast<unsigned long long>(info.st_size) > kMaxFileBytes)
            return fail("the file is too large to be a data file");
        return fail("the file cannot be read");
    }
    return ReadText(bytes, sink, error, filter);
}

namespace
{
// The characters of a value as the parser hands them over: UTF-16 units, a CR LF (or a lone CR)
// becoming one line feed.
std::size_t ParsedLength(std::string_view value)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < value.size(); ++i)
    {
        const auto byte = static_cast<unsigned char>(value[i]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte
        if (byte == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            continue; // counted with its line feed
        units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}
} // namespace

bool CXmlDataReader::IsReadable(std::string_view text, std::size_t records, std::string* reason)
{
    const auto tell = [reason](int stringId, std::initializer_list<std::string> args)
    {
        if (reason != nullptr)
            *reason = FormatText(LoadString(stringId), args);
        return false;
    };
    constexpr std::size_t kMegabyte = 1u << 20;
    if (text.size() > kMaxFileBytes)
        return tell(IDS_LIMIT_FILE_SIZE, {FormatInt((text.size() + kMegabyte - 1) / kMegabyte),
                                          FormatInt(kMaxFileBytes / kMegabyte)});
    if (records > static_cast<std::size_t>(kMaxRecords))
        return tell(IDS_LIMIT_RECORDS, {FormatInt(records), FormatInt(kMaxRecords)});

    // Every text value is one CDATA section, or several back to back where the writer split a
    // "]]>": measure each whole value. Only a value of more bytes than the limit can be over it.
    constexpr std::string_view kOpen = "<![CDATA[";
    constexpr std::string_view kClose = "]]>";
    std::size_t at = text.find(kOpen);
    while (at != std::string_view::npos)
    {
        const std::size_t start = at + kOpen.size();
        std::size_t end = text.find(kClose, start);
        if (end == std::string_view::npos)
            break;
        std::size_t bytes = end - start;
        while (text.compare(end + kClose.size(), kOpen.size(), kOpen) == 0)
        {
            const std::size_t next = end + kClose.size() + kOpen.size();
            const std::size_t nextEnd = text.find(kClose, next);
            if (nextEnd == std::string_view::npos)
                break;
            bytes += nextEnd - next;
            end = nextEnd;
        }
        if (bytes > kMaxFieldChars)
        {
            // The markup between the sections has no characters of the value.
            std::size_t length = ParsedLength(text.substr(start, end - start));
            const std::size_t splits = (end - start - bytes) / (kClose.size() + kOpen.size());
            length -= splits * ParsedLength(std::string(kClose) + std::string(kOpen));
            if (length > kMaxFieldChars)
                return tell(IDS_LIMIT_FIELD, {FormatInt(length), FormatInt(kMaxFieldChars)});
        }
        at = text.find(kOpen, end + kClose.size());
    }
    return true;
}
