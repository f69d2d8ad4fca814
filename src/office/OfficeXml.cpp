#include "office/OfficeXml.h"

#include <new>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/parsers/SAXParser.hpp>
#include <xercesc/sax/AttributeList.hpp>
#include <xercesc/sax/HandlerBase.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>

namespace xml = XERCES_CPP_NAMESPACE;

namespace
{
constexpr int kMaxDepth = 256;

struct SParseStopped
{
    std::string reason;
};

void AppendUtf8(std::string& out, const XMLCh* text, XMLSize_t length)
{
    for (XMLSize_t i = 0; i < length; ++i)
    {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF)
        {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD; // a lone surrogate
        if (c < 0x80)
            out += static_cast<char>(c);
        else if (c < 0x800)
        {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else if (c < 0x10000)
        {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
        else
        {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

std::string LocalName(const XMLCh* name)
{
    std::string utf8;
    AppendUtf8(utf8, name, xml::XMLString::stringLen(name));
    const auto colon = utf8.rfind(':');
    return colon == std::string::npos ? utf8 : utf8.substr(colon + 1);
}

class CBridge : public xml::HandlerBase
{
public:
    explicit CBridge(IOfficeXmlHandler& handler) : m_handler(handler) {}

    void startElement(const XMLCh* const name, xml::AttributeList& attributes) override
    {
        if (++m_depth > kMaxDepth)
            throw SParseStopped{"the elements nest too deep"};
        IOfficeXmlHandler::Attributes list;
        const XMLSize_t count = attributes.getLength();
        list.reserve(count);
        for (XMLSize_t i = 0; i < count; ++i)
        {
            std::string value;
            const XMLCh* raw = attributes.getValue(i);
            AppendUtf8(value, raw, xml::XMLString::stringLen(raw));
            list.emplace_back(LocalName(attributes.getName(i)), std::move(value));
        }
        m_handler.Start(LocalName(name), list);
        CheckStopped();
    }
    void endElement(const XMLCh* const name) override
    {
        --m_depth;
        m_handler.End(LocalName(name));
        CheckStopped();
    }
    void characters(const XMLCh* const chars, const XMLSize_t length) override
    {
        m_text.clear();
        AppendUtf8(m_text, chars, length);
        m_handler.Text(m_text);
        CheckStopped();
    }
    void fatalError(const xml::SAXParseException& exception) override
    {
        std::string message;
        const XMLCh* raw = exception.getMessage();
        if (raw != nullptr)
            AppendUtf8(message, raw, xml::XMLString::stringLen(raw));
        throw SParseStopped{"line " + std::to_string(exception.getLineNumber()) + ": " + message};
    }
    xml::InputSource* resolveEntity(const XMLCh* const, const XMLCh* const) override
    {
        throw SParseStopped{"the part refers to an outside entity"};
    }

private:
    void CheckStopped()
    {
        std::string reason;
        if (m_handler.Stopped(&reason))
            throw SParseStopped{reason};
    }

    IOfficeXmlHandler& m_handler;
    int m_depth = 0;
    std::string m_text;
};

// The scanner tells its document type handler about a declaration before reading either subset;
// the plain SAX parser registers itself only when a DTD handler is set.
class CNoDocTypeParser : public xml::SAXParser
{
public:
    CNoDocTypeParser() { const_cast<xml::XMLScanner&>(getScanner()).setDocTypeHandler(this); }
    void doctypeDecl(const xml::DTDElementDecl&, const XMLCh* const, const XMLCh* const, const bool,
                     const bool) override
    {
        throw SParseStopped{"the part declares a document type"};
    }
};

class CXercesPlatform
{
public:
    CXercesPlatform() { xml::XMLPlatformUtils::Initialize(); }
    ~CXercesPlatform() { xml::XMLPlatformUtils::Terminate(); }
    CXercesPlatform(const CXercesPlatform&) = delete;
    CXercesPlatform& operator=(const CXercesPlatform&) = delete;
};
} // namespace

std::string AttributeValue(const IOfficeXmlHandler::Attributes& attributes, std::string_view name)
{
    for (const auto& [key, value] : attributes)
        if (key == name)
            return value;
    return {};
}

bool ParseOfficeXml(std::string_view bytes, IOfficeXmlHandler& handler, std::string& error)
{
    try
    {
        // Initialise is counted by Xerces, so this and the data file reader may both hold it.
        static CXercesPlatform platform;
        CBridge bridge(handler);
        xml::SecurityManager security;
        CNoDocTypeParser parser;
        parser.setValidationScheme(xml::SAXParser::Val_Never);
        parser.setDoNamespaces(false);
        parser.setDoSchema(false);
        parser.setLoadExternalDTD(false);
        parser.setSecurityManager(&security);
        parser.setDisableDefaultEntityResolution(true);
        parser.setDocumentHandler(&bridge);
        parser.setErrorHandler(&bridge);
        parser.setEntityResolver(&bridge);
        xml::MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(),
                                      "part");
        parser.parse(source);
        return true;
    }
    catch (const SParseStopped& stopped)
    {
        error = stopped.reason;
    }
    catch (const xml::XMLException&)
    {
        error = "the part is not readable XML";
    }
    catch (const xml::OutOfMemoryException&)
    {
        error = "not enough memory to read the file";
    }
    catch (const std::bad_alloc&)
    {
        error = "not enough memory to read the file";
    }
    return false;
}
