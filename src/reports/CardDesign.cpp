#include "reports/CardDesign.h"

#include "platform/NumberText.h"
#include "platform/StringIds.h"
#include "settings/EventSettings.h"

#include <algorithm>

namespace
{
constexpr const char* kTableFace = "FontFaceTableTiket";
constexpr const char* kTableSize = "FontSizeTableTiket";
constexpr const char* kTableColour = "FontColorTableTiket";
constexpr const char* kAddressFace = "FontFaceAddress";
constexpr const char* kAddressSize = "FontSizeAddress";

int StoredSize(const std::string& text)
{
    const int size = ParseLeadingInt(text);
    return size > 0 ? size : SCardDesign::kDefaultFontSize;
}
} // namespace

SCardDesign SCardDesign::Load(const CEventSettings& settings, bool addressCard)
{
    SCardDesign design;
    design.addressCard = addressCard;
    if (addressCard)
    {
        const auto& stored = settings.GetAddressCards();
        design.line1 = stored.line1;
        design.line2 = stored.line2;
        design.line5 = stored.line5;
        design.width = stored.width;
        design.height = stored.height;
        design.borderColor = stored.borderColor;
        design.borderSize = stored.borderSize;
        const std::string face = settings.GetKeySetting(kAddressFace);
        design.fontFace = face.empty() ? "Arial" : face;
        design.fontSize = StoredSize(settings.GetKeySetting(kAddressSize));
    }
    else
    {
        const auto& stored = settings.GetTableNotes();
        design.line1 = stored.line1;
        design.line2 = stored.line2;
        design.line4Start = stored.line4Start;
        design.line4End = stored.line4End;
        design.line5 = stored.line5;
        design.width = stored.width;
        design.height = stored.height;
        design.borderColor = stored.borderColor;
        design.borderSize = stored.borderSize;
        const std::string face = settings.GetKeySetting(kTableFace);
        design.fontFace = face.empty() ? "Arial" : face;
        design.fontSize = StoredSize(settings.GetKeySetting(kTableSize));
        design.fontColor = ParseLeadingInt(settings.GetKeySetting(kTableColour));
    }
    if (design.borderColor.empty())
        design.borderColor = "black";
    return design;
}

bool SCardDesign::Store(CEventSettings& settings) const
{
    bool changed = false;
    if (addressCard)
    {
        CEventSettings::SAddressCards cards = settings.GetAddressCards();
        cards.line1 = line1;
        cards.line2 = line2;
        cards.line5 = line5;
        cards.width = width;
        cards.height = height;
        cards.borderColor = borderColor;
        cards.borderSize = borderSize;
        changed |= settings.SetAddressCards(cards);
        changed |= settings.SetKeySetting(kAddressFace, fontFace);
        changed |= settings.SetKeySetting(kAddressSize, FormatInt(fontSize));
    }
    else
    {
        CEventSettings::STableNotes notes = settings.GetTableNotes();
        notes.line1 = line1;
        notes.line2 = line2;
        notes.line4Start = line4Start;
        notes.line4End = line4End;
        notes.line5 = line5;
        notes.width = width;
        notes.height = height;
        notes.borderColor = borderColor;
        notes.borderSize = borderSize;
        changed |= settings.SetTableNotes(notes);
        changed |= settings.SetKeySetting(kTableFace, fontFace);
        changed |= settings.SetKeySetting(kTableSize, FormatInt(fontSize));
        changed |= settings.SetKeySetting(kTableColour, FormatInt(fontColor));
    }
    return changed;
}

const std::vector<SBorderColour>& BorderColours()
{
    static const std::vector<SBorderColour> colours = {
        {"red", IDS_CARD_COLOUR_RED},       {"blue", IDS_CARD_COLOUR_BLUE},
        {"green", IDS_CARD_COLOUR_GREEN},   {"black", IDS_CARD_COLOUR_BLACK},
        {"pink", IDS_CARD_COLOUR_PINK},     {"orange", IDS_CARD_COLOUR_ORANGE},
        {"yellow", IDS_CARD_COLOUR_YELLOW}, {"purple", IDS_CARD_COLOUR_PURPLE},
        {"gray", IDS_CARD_COLOUR_GRAY},     {"springgreen", IDS_CARD_COLOUR_SPRINGGREEN},
    };
    return colours;
}

int BorderColourIndex(const std::string& stored)
{
    std::string name = stored;
    if (name == "violet" || name == "mediumvioletred")
        name = "purple";
    else if (name == "hotpink")
        name = "pink";
    const auto& colours = BorderColours();
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (name == colours[i].css)
            return static_cast<int>(i);
    return -1;
}
