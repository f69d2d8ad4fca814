#pragma once

#include <string>
#include <vector>

class CEventSettings;

// The design of the table cards or of the address cards as the designer dialogs edit it and the
// card pages use it. Table cards keep their lines in "TableNotesSettings" and their font in
// "KeySettings" (FontFaceTableTiket, FontSizeTableTiket, FontColorTableTiket); address cards in
// "AddressCardsSettings" and FontFaceAddress, FontSizeAddress (no colour key: black).
struct SCardDesign
{
    static constexpr int kMinWidth = 150;
    static constexpr int kMaxWidth = 400;
    static constexpr int kMinHeight = 100;
    static constexpr int kMaxHeight = 400;
    static constexpr int kBorderSizes = 6; // "Border Size:" offers 0 to 5 pixels
    // A stored size of 0 or less (an event whose cards were never designed) would print invisible
    // text; 12 points is used instead.
    static constexpr int kDefaultFontSize = 120;

    bool addressCard = false;
    std::string line1, line2, line4Start, line4End, line5; // line4*: table cards only
    int width = 220;
    int height = 150;
    std::string borderColor = "black";
    int borderSize = 1;
    std::string fontFace = "Arial";
    int fontSize = kDefaultFontSize; // tenths of a point
    int fontColor = 0;               // written as a decimal number
    bool familyNameFirst = false;

    static SCardDesign Load(const CEventSettings& settings, bool addressCard);
    // Stores every value under its key; returns whether anything changed.
    bool Store(CEventSettings& settings) const;
};

// The "Border Color" list in its order: the stored CSS names and their captions.
struct SBorderColour
{
    const char* css;
    int textId;
};
const std::vector<SBorderColour>& BorderColours();
// The place of a stored name in the list; older names are recognised ("violet" and
// "mediumvioletred" as purple, "hotpink" as pink); -1 for an unknown name.
int BorderColourIndex(const std::string& stored);
