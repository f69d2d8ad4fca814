#pragma once

#include <string>
#include <string_view>

// Text helpers for the XML data file and for HTML written from record text. Input and output are
// UTF-8. Every line the element helpers append ends with CR LF.

// The text with every character XML 1.0 cannot carry left out: control characters other than
// tab, line feed and carriage return, and U+FFFE / U+FFFF. A byte that does not belong to a valid
// UTF-8 sequence becomes U+FFFD, so the file always parses.
std::string FilterXmlChars(std::string_view text);

// Appends "<![CDATA[value]]>" with the value filtered as above. A value that holds "]]>" is
// written as two CDATA sections split between "]]" and ">", which a reader joins back.
void AppendCdata(std::string& out, std::string_view value);

// Appends "<tag><![CDATA[value]]></tag>\r\n".
void AppendCdataElement(std::string& out, std::string_view tag, std::string_view value);

// Appends "<tag>value</tag>\r\n" with the value escaped as character data.
void AppendTextElement(std::string& out, std::string_view tag, std::string_view value);

// Appends "<tag>%d</tag>\r\n", written without regard to the process locale.
void AppendIntElement(std::string& out, std::string_view tag, long long value);

// Appends "<tag>%.<decimals>f</tag>\r\n" with a full stop, whatever the process locale.
void AppendFixedElement(std::string& out, std::string_view tag, double value, int decimals);

// The text with '&', '<', '>' and '"' replaced by their entities (for XML character data and
// attribute values and for HTML), after the filtering above.
std::string EscapeMarkupText(std::string_view text);
