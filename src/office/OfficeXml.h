#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small SAX front end over Xerces-C for the XML parts of office files (workbook parts of .xlsx,
// content.xml of .ods). Names are given without their namespace prefix ("c", "table-cell"), texts
// and attribute values as UTF-8. The parts are hostile input: a document type declaration ends the
// parse as damage before either subset is read, no entity is ever resolved or fetched, and the
// element depth is bounded.
class IOfficeXmlHandler
{
public:
    using Attributes = std::vector<std::pair<std::string, std::string>>; // local name, value

    virtual ~IOfficeXmlHandler() = default;
    virtual void Start(const std::string& name, const Attributes& attributes) = 0;
    virtual void End(const std::string& name) = 0;
    virtual void Text(std::string_view utf8) = 0;
    // A handler may stop the parse (a limit was reached): the reason is then the parse's error.
    virtual bool Stopped(std::string* reason) const = 0;
};

// The value of the attribute with that local name, or empty.
std::string AttributeValue(const IOfficeXmlHandler::Attributes& attributes, std::string_view name);

// False with a short English reason in error when the part is not well-formed XML, declares a
// document type, nests too deep or the handler stopped it.
bool ParseOfficeXml(std::string_view bytes, IOfficeXmlHandler& handler, std::string& error);
