#pragma once

#include <QString>
#include <string>

// The program's small tooltip and help mark-up as Qt rich text: "<b>"/"</b>" bold, "<br>" a line
// break, "<ct=0x00BBGGRR>"..."</ct>" a text colour (Windows colour order), "<al_l>", "<al_c>",
// "<al_r>" with their closing tags an alignment, "<hr=N%>" a horizontal rule, "<bmp=N>" a bundled
// picture (nothing when there is none). Every other character is shown as text.
QString MarkupToRichText(const std::string& markup);
