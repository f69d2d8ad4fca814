// Table cards and address cards: their style sheets, one card, the designers' preview and the
// printed page of cards (a grid, or one card per page).

#include "model/Guest.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "reports/CardDesign.h"
#include "reports/ReportHtml.h"
#include "reports/ReportWriters.h"
#include "store/NewOrvDoc.h"

#include <cctype>

namespace
{
// Only a plain colour name goes into the style sheet; anything else (a hand-edited settings file)
// could close the rule and inject mark-up.
std::string CssColour(const std::string& stored)
{
    if (stored.empty())
        return "black";
    for (unsigned char c : stored)
        if (!std::isalnum(c))
            return "black";
    return stored;
}

std::string CssFontFace(const std::string& face)
{
    std::string safe;
    for (char c : face)
        if (c != ';' && c != '{' && c != '}' && c != '<' && c != '>' && c != '"')
            safe += c;
    return safe.empty() ? std::string("Arial") : safe;
}

std::string StyleSheet(const SCardDesign& design, bool printed)
{
    const char* tab = printed ? "\t" : "";
    const std::string cls = design.addressCard ? "singleAddress" : "tableCard";
    std::string out = "<style type=\"text/css\">\r\n<!--\r\ntable." + cls;
    out += design.addressCard ? "\r\n{\r\n" : " \r\n{\r\n";
    out += tab + std::string("border: solid ") + CssColour(design.borderColor) + " " +
           FormatInt(design.borderSize) + "px; \r\n";
    const char* colon = design.addressCard ? " :" : ": ";
    out += tab + std::string("width") + colon + FormatInt(design.width) + "px;\r\n";
    out += tab + std::string("height") + colon + FormatInt(design.height) + "px;\r\n";
    out += "}\r\ntable." + cls + " td\r\n{\r\n";
    out += tab + std::string("font-size: ") + FormatInt(design.fontSize / 10) + ";\r\n";
    out += tab + std::string("font-family: ") + CssFontFace(design.fontFace) + ";\r\n";
    out += tab + std::string("color: ") + FormatInt(design.fontColor) + ";\r\n}";
    if (printed)
        out += "\r\n#sideWidth1\r\n{\r\n\twidth: 10;\r\n}\r\n#sideWidth2\r\n{\r\n\twidth: "
               "10;\r\n}\r\n";
    out += "-->\r\n</style>\r\n</head>";
    return out;
}

// One card; name and second are already HTML (the table number, or the address).
std::string Card(const SCardDesign& design, bool hebrew, const std::string& name,
                 const std::string& second)
{
    const char* lineOpen = hebrew ? "<tr><td align=right>" : "<tr><td>";
    const auto line = [&](const std::string& text)
    { return lineOpen + HtmlInline(text) + "</td></tr>"; };
    std::string out = design.addressCard ? "<table class=\"singleAddress\" ><tr><td align=center>"
                                         : "<table class=\"tableCard\" ><tr><td align=center>";
    out += "<table border=0>";
    out += line(design.line1);
    if (!design.line2.empty())
        out += line(design.line2);
    out += "<tr><td align=center><b>" + name + "</b></td></tr>";
    if (design.addressCard)
        out += "<tr><td align=center><b>" + second + "</b></td></tr>";
    else
        out += "<tr><td align=center>" + HtmlInline(design.line4Start) + " <b>" + second + "</b> " +
               HtmlInline(design.line4End) + "</td></tr>";
    if (!design.line5.empty())
        out += line(design.line5);
    out += "<tr><td>&nbsp;</td></tr>";
    out += "</table>";
    out += "</td></tr></table>";
    return out;
}

std::string GuestCardName(const CGuest& guest, bool familyNameFirst)
{
    if (!familyNameFirst)
        return HtmlText(guest.GetFullName());
    std::string name = guest.GetFamilyName();
    if (!name.empty() && !guest.GetName().empty())
        name += ' ';
    name += guest.GetName();
    return HtmlText(name);
}

void AppendPageStart(std::string& out, const SCardDesign& design, bool hebrew)
{
    AppendHtmlHead(out, hebrew);
    out += "\r\n";
    out += StyleSheet(design, true);
    out += "\r\n<body>";
    if (design.addressCard)
        out += "<div align=\"Right\">\r\n";
    else
        out += hebrew ? "<div align=right>\r\n" : "<div align=left>\r\n";
}
} // namespace

std::string ReportWriters::CardPreview(const SCardDesign& design, bool hebrew)
{
    std::string out;
    AppendHtmlHead(out, hebrew);
    out += "\r\n";
    out += StyleSheet(design, false);
    out += "\r\n<body>";
    out += hebrew ? "<div align=right>\r\n" : "<div align=left>\r\n";
    out += Card(design, hebrew, HtmlText(LoadStringIn(IDS_CARD_SAMPLE_NAME, hebrew)),
                HtmlInline(LoadStringIn(
                    design.addressCard ? IDS_CARD_SAMPLE_ADDRESS : IDS_CARD_SAMPLE_TABLE, hebrew)));
    AppendHtmlEnd(out);
    return out;
}

std::string ReportWriters::CardPage(const SReportContext& context, const SCardDesign& design)
{
    const bool hebrew = context.hebrew;
    const auto& guests = context.doc.GetGuests();
    std::string out;
    out.reserve(guests.size() * 420 + 2048);
    AppendPageStart(out, design, hebrew);
    const auto card = [&](const CGuest& guest)
    {
        const std::string second =
            design.addressCard ? HtmlText(guest.GetAddress()) : FormatInt(guest.GetTable());
        return Card(design, hebrew, GuestCardName(guest, design.familyNameFirst), second);
    };
    if (context.options.pagePerCard)
    {
        bool first = true;
        for (const auto& guest : guests)
        {
            if (!first)
                out += "<p style=\"page-break-before: always\">";
            first = false;
            out += hebrew ? "<table dir=\"RTL\"><tr><td "
                            "width=\"200\">&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>\r\n<td>"
                          : "<table><tr><td>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;</td>\r\n<td>";
            out += card(*guest);
            out += "</td></tr></table>\r\n";
        }
        out += "</div>\r\n</body></html>";
        return out;
    }
    const std::size_t perLine = static_cast<std::size_t>(
        context.options.cardsPerLine < 1 ? 1 : context.options.cardsPerLine);
    const std::size_t linesPerPage = static_cast<std::size_t>(context.LinesPerPage());
    out += "<table><tr><td id='sideWidth1'></td><td>\r\n<table width=\"100%\"><tr>\r\n";
    std::size_t rows = 0;
    for (std::size_t i = 0; i < guests.size(); ++i)
    {
        out += "<td>" + card(*guests[i]) + "</td>";
        if ((i + 1) % perLine != 0)
            continue;
        out += "</tr>\r\n";
        ++rows;
        // A new page only when a card follows, so that no empty page ends the printout.
        if (rows % linesPerPage == 0 && i + 1 < guests.size())
            out += "</table><p style=\"page-break-before: always\"></p><hr><table "
                   "width=\"100%\">\r\n";
        out += "<tr>\r\n";
    }
    out += design.addressCard ? "</tr></table><br>\r\n" : "</tr></table>\r\n";
    out += "</td><td id='sideWidth2'></td></tr></table>\r\n";
    out += "</div>\r\n";
    out += "</body></html>";
    return out;
}
