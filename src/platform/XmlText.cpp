#include "platform/XmlText.h"

#include "platform/NumberText.h"

#include <cstdint>

namespace
{
const char kReplacementChar[] = "\xEF\xBF\xBD"; // U+FFFD

// Length of the valid UTF-8 sequence at pos and its code point; 0 when the bytes there are not
// a valid (shortest-form, non-surrogate) sequence.
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, std::uint32_t& codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead < 0x80)
    {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF)
    {
        length = 2;
        codePoint = lead & 0x1Fu;
        minimum = 0x80;
    }
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        codePoint = lead & 0x0Fu;
        minimum = 0x800;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        codePoint = lead & 0x07u;
        minimum = 0x10000;
    }
    else
    {
        return 0;
    }
    if (pos + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
    {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0u) != 0x80u)
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

bool IsXmlChar(std::uint32_t codePoint)
{
    if (codePoint < 0x20)
        return codePoint == '\t' || codePoint == '\n' || codePoint == '\r';
    return codePoint != 0xFFFE && codePoint != 0xFFFF;
}

void AppendElementStart(std::string& out, std::string_view tag)
{
    out += '<';
    out += tag;
    out += '>';
}

void AppendElementEnd(std::string& out, std::string_view tag)
{
    out += "</";
    out += tag;
    out += ">\r\n";
}
} // namespace

std::string FilterXmlChars(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size())
    {
        std::uint32_t codePoint = 0;
        const std::size_t length = DecodeUtf8(text, pos, codePoint);
        if (length == 0)
        {
            result += kReplacementChar;
            ++pos;
            continue;
        }
        if (IsXmlChar(codePoint))
            result.append(text.substr(pos, length));
        pos += length;
    }
    return result;
}

void AppendCdata(std::string& out, std::string_view value)
{
    const std::string filtered = FilterXmlChars(value);
    std::string_view rest = filtered;
    out += "<![CDATA[";
    for (std::size_t end = rest.find("]]>"); end != std::string_view::npos; end = rest.find("]]>"))
    {
        // "]]" closes the first section's content; ">" opens the next one.
        out.append(rest.substr(0, end + 2));
        out += "]]><![CDATA[";
        rest.remove_prefix(end + 2);
    }
    out.append(rest);
    out += "]]>";
}

void AppendCdataElement(std::string& out, std::string_view tag, std::string_view value)
{
    AppendElementStart(out, tag);
    AppendCdata(out, value);
    AppendElementEnd(out, tag);
}

void AppendTextElement(std::string& out, std::string_view tag, std::string_view value)
{
    AppendElementStart(out, tag);
    out += EscapeMarkupText(value);
    AppendElementEnd(out, tag);
}

void AppendIntElement(std::string& out, std::string_view tag, long long value)
{
    AppendElementStart(out, tag);
    out += FormatInt(value);
    AppendElementEnd(out, tag);
}

void AppendFixedElement(std::string& out, std::string_view tag, double value, int decimals)
{
    AppendElementStart(out, tag);
    out += FormatFixed(value, decimals);
    AppendElementEnd(out, tag);
}

std::string EscapeMarkupText(std::string_view text)
{
    const std::string filtered = FilterXmlChars(text);
    std::string result;
    result.reserve(filtered.size());
    for (char c : filtered)
    {
        switch (c)
        {
        case '&':
            result += "&amp;";
            break;
        case '<':
            result += "&lt;";
            break;
        case '>':
            result += "&gt;";
            break;
        case '"':
            result += "&quot;";
            break;
        default:
            result += c;
            break;
        }
    }
    return result;
}
