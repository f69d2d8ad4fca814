#include "reports/ReportHtml.h"

#include "platform/XmlText.h"

namespace
{
std::string ReplaceLineBreaks(const std::string& text, const char* replacement)
{
    std::string result;
    result.reserve(text.size() + 8);
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue; // the line feed that follows writes the break
        if (c == '\n')
            result += replacement;
        else
            result += c;
    }
    return result;
}
} // namespace

namespace
{
// Plain printable ASCII without mark-up characters needs no work (most names, phones, numbers).
bool IsPlainAscii(std::string_view text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c >= 0x7F || c == '&' || c == '<' || c == '>' || c == '"')
            return false;
    return true;
}
} // namespace

std::string HtmlInline(std::string_view text)
{
    if (IsPlainAscii(text))
        return std::string(text);
    return ReplaceLineBreaks(EscapeMarkupText(text), "<br>");
}

std::string HtmlText(std::string_view text)
{
    return text.empty() ? std::string("&nbsp;") : HtmlInline(text);
}

std::string PlainLine(std::string_view text)
{
    std::string line = ReplaceLineBreaks(std::string(text), " ");
    for (char& c : line)
        if (c == '\t' || c == '\r')
            c = ' ';
    return line;
}

void AppendHtmlHead(std::string& out, bool hebrew)
{
    out += "<html><head>\r\n<meta http-equiv=\"Content-Type\" ";
    out += hebrew ? "content=\"text/html; charset=windows-1255\">" : "content=\"text/html;\">";
}

void AppendHtmlStart(std::string& out, bool hebrew, bool capitalised)
{
    AppendHtmlHead(out, hebrew);
    out += "\r\n</head>\r\n<body>";
    if (capitalised)
        out += hebrew ? "<div align=Right>\r\n" : "<div align=Left>\r\n";
    else
        out += hebrew ? "<div align=right>\r\n" : "<div align=left>\r\n";
}

void AppendHtmlEnd(std::string& out)
{
    out += "</div></body></html>";
}

void AppendAlignedRow(std::string& out, const std::vector<std::string>& cells, bool hebrew)
{
    const char* open = hebrew ? "<td align=right>" : "<td align=left>";
    out += "<tr>";
    const auto write = [&](const std::string& cell)
    {
        out += open;
        out += cell;
        out += "</td>";
    };
    if (hebrew)
        for (auto it = cells.rbegin(); it != cells.rend(); ++it)
            write(*it);
    else
        for (const auto& cell : cells)
            write(cell);
    out += "</tr>";
}
