#pragma once

#include <string>
#include <string_view>
#include <vector>

// The pieces every report and card page is built from. All text is UTF-8 until the file is
// written (ReportFiles.h turns it into UTF-16).

// Text of a record for HTML: '&', '<', '>' and '"' escaped, then every line break ("\r\n" or a
// lone "\n") written as "<br>"; an empty text is "&nbsp;". So a guest called "<b>Tom</b>" shows
// those characters instead of bold text.
std::string HtmlText(std::string_view text);
// As HtmlText, but an empty text stays empty (inside fixed wording).
std::string HtmlInline(std::string_view text);
// Text of a record for a one-line plain-text form: line breaks become blanks.
std::string PlainLine(std::string_view text);

// The skeleton: "<html><head>" ... "<body>" and the block of the interface's alignment.
// capitalised: "Right" / "Left" (the table and other reports); otherwise "right" / "left".
void AppendHtmlStart(std::string& out, bool hebrew, bool capitalised);
// "<html><head>" and the content-type line only, for pages that add a style sheet before
// "</head>".
void AppendHtmlHead(std::string& out, bool hebrew);
void AppendHtmlEnd(std::string& out);

// "<tr>" + one "<td align=X>cell</td>" per cell + "</tr>": left-aligned in the English order,
// right-aligned in reverse order in Hebrew.
void AppendAlignedRow(std::string& out, const std::vector<std::string>& cells, bool hebrew);
// "align=left" or "align=right".
inline const char* AlignAttribute(bool hebrew)
{
    return hebrew ? "align=right" : "align=left";
}
