#include "platform/TextEncoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(TextEncodingUtf8, ValidAndInvalidSequences)
{
    for (const char* valid : {"", "plain", "\xD7\x90", "\xE2\x82\xAC", "\xF0\x9F\x8E\x89",
                              "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF", "\xEE\x80\x80"})
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;

    const std::vector<std::string> invalid = {
        "\xC0\x80",         // overlong NUL
        "\xC1\xBF",         // overlong two-byte form
        "\xE0\x80\x80",     // overlong three-byte form
        "\xE0\x9F\xBF",     // overlong three-byte form, highest
        "\xF0\x8F\xBF\xBF", // overlong four-byte form
        "\xED\xA0\x80",     // high surrogate
        "\xED\xBF\xBF",     // low surrogate
        "\xF4\x90\x80\x80", // above U+10FFFF
        "\xF5\x80\x80\x80", // lead byte never used
        "\xFF",
        "\x80",          // lone continuation byte
        "\xD7",          // truncated at the end
        "\xE2\x82",      // truncated at the end
        "\xD7x",         // truncated before an ASCII letter
        "a\xF0\x9F\x8E", // truncated four-byte form
    };
    for (const std::string& text : invalid)
        EXPECT_FALSE(IsValidUtf8(text)) << testing::PrintToString(text);
}

TEST(TextEncodingDecode, InvalidUtf8IsReadAsWindows1255)
{
    // Each of these is one invalid UTF-8 sequence, which makes the whole text windows-1255.
    EXPECT_EQ(DecodeFileText("\xC0\x80"), "\xD6\xB0€");      // sheva, euro sign
    EXPECT_EQ(DecodeFileText("\xED\xA0\x80"), "ם\xC2\xA0€"); // final mem, no-break space
    EXPECT_EQ(DecodeFileText("x\xD7"), "x\xD7\xB3");         // geresh
    // A text with valid UTF-8 in it is decoded as windows-1255 as a whole.
    EXPECT_EQ(DecodeFileText("\xD7\x90 \xE0"), "\xD7\xB3\xEF\xBF\xBD א");
}

TEST(TextEncodingDecode, Windows1255LettersAndUndefinedBytes)
{
    EXPECT_EQ(Cp1255ToUtf8("\xF9\xEC\xE5\xED"), "שלום");
    EXPECT_EQ(Cp1255ToUtf8("\xEB\xEF"), "כן");
    EXPECT_EQ(Cp1255ToUtf8("\xEC\xE0"), "לא");
    // A letter followed by a point stays two characters (no composition into one).
    EXPECT_EQ(Cp1255ToUtf8("\xE0\xC8"), "א\xD6\xB8");
    // Undefined bytes cost one replacement character each, the rest is kept.
    EXPECT_EQ(Cp1255ToUtf8("a\x81"
                           "b\xFF"
                           "c\xFB"),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD"
              "c\xEF\xBF\xBD");
    std::string all;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        all += static_cast<char>(byte);
    const std::string decoded = Cp1255ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(decoded));
    EXPECT_EQ(Utf8Length(decoded), 128u);
}

TEST(TextEncodingDecode, MarksSelectTheEncoding)
{
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBFש"), "ש");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF"), "");
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xEF\xBB\xBF[S]"), "[S]");
    EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE\xFF\xFE[\0", 6)), "[");
    // A mark followed by bytes that are no UTF-8 after all: the rest is windows-1255.
    EXPECT_EQ(DecodeFileText("\xEF\xBB\xBF\xE0"), "א");

    EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE"
                                         "a\0\xE9\x05",
                                         6)),
              "aש");
    // A surrogate pair, a lone high surrogate and an odd byte at the end.
    EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE\x3C\xD8\x89\xDF"
                                         "\x3C\xD8"
                                         "b\0"
                                         "c",
                                         11)),
              "\xF0\x9F\x8E\x89\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(DecodeFileText("\xFF\xFE"), "");
    // Plain UTF-8 stays as it is, NUL bytes included.
    EXPECT_EQ(DecodeFileText(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncodingCut, CountsAndCutsWholeCharacters)
{
    const std::string text = "aש€\xF0\x9F\x8E\x89z"; // 1, 2, 3, 4 and 1 bytes
    EXPECT_EQ(Utf8Length(text), 5u);
    EXPECT_EQ(Utf8Left(text, 0), "");
    EXPECT_EQ(Utf8Left(text, 1), "a");
    EXPECT_EQ(Utf8Left(text, 2), "aש");
    EXPECT_EQ(Utf8Left(text, 3), "aש€");
    EXPECT_EQ(Utf8Left(text, 4), "aש€\xF0\x9F\x8E\x89");
    EXPECT_EQ(Utf8Left(text, 5), text);
    EXPECT_EQ(Utf8Left(text, 100), text);
    for (std::size_t n = 0; n <= 6; ++n)
        EXPECT_TRUE(IsValidUtf8(Utf8Left(text, n))) << n;
}

TEST(TextEncodingNames, TrimmingAndCaseFoldingAsTheInterfaceDoes)
{
    struct SCase
    {
        std::string text, trimmed, folded;
    };
    const SCase cases[] = {
        {"  Dana \t", "Dana", "  dana \t"},
        {"\xC2\xA0"
         "Noa"
         "\xE2\x80\x83",
         "Noa", "\xC2\xA0noa\xE2\x80\x83"}, // no-break, em space
        {"\r\n", "", "\r\n"},
        {"ÉLODIE Ærø", "ÉLODIE Ærø", "élodie ærø"},
        {"ŁUKASZ Ÿ", "ŁUKASZ Ÿ", "łukasz ÿ"},
        {"ΣΟΦΙΑ Андрей Ёж", "ΣΟΦΙΑ Андрей Ёж", "σοφια андрей ёж"},
        {"דנה כהן", "דנה כהן", "דנה כהן"},
        {"× ß", "× ß", "× ß"}, // the sign and sharp s have no capital here
        {" \xFF"
         "A ",
         "\xFF"
         "A",
         " \xFF"
         "a "}, // an invalid byte is kept as it is
    };
    for (const SCase& c : cases)
    {
        EXPECT_EQ(TrimSpaces(c.text), c.trimmed) << c.text;
        EXPECT_EQ(FoldCase(c.text), c.folded) << c.text;
    }
    EXPECT_TRUE(EqualsIgnoringCase("New GROUP", "new group"));
    EXPECT_FALSE(EqualsIgnoringCase("Group", "Group "));
}

namespace
{
// The text as UTF-16 code units, little- or big-endian, without a mark (ASCII and Hebrew only).
std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes;
    for (char16_t unit : text)
    {
        const char low = static_cast<char>(unit & 0xFF);
        const char high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}
} // namespace

TEST(TextEncodingDecode, Utf16WithoutAMarkIsRecognisedByItsZeroBytes)
{
    const std::u16string text =
        u"[GenSettings]\r\nAutoSaveOnExit=0\r\nEveName=\u05D3\u05E0\u05D4\r\n";
    const std::string expected = "[GenSettings]\r\nAutoSaveOnExit=0\r\nEveName=דנה\r\n";
    for (bool bigEndian : {false, true})
    {
        std::string decoded;
        EXPECT_TRUE(DecodeFileTextChecked(Utf16(text, bigEndian), decoded)) << bigEndian;
        EXPECT_EQ(decoded, expected) << bigEndian;
        EXPECT_EQ(DecodeFileText(Utf16(text, bigEndian)), expected) << bigEndian;
    }
    std::string decoded;
    EXPECT_TRUE(DecodeFileTextChecked("\xFE\xFF" + Utf16(text, true), decoded));
    EXPECT_EQ(decoded, expected);
}

TEST(TextEncodingDecode, BytesThatAreNoTextAreReportedAsSuch)
{
    std::string decoded;
    EXPECT_TRUE(DecodeFileTextChecked("[S]\r\nK=v\r\n", decoded));
    EXPECT_TRUE(DecodeFileTextChecked("", decoded));
    EXPECT_EQ(decoded, "");
    // Zero bytes without the pattern of UTF-16: a damaged or binary file.
    EXPECT_FALSE(DecodeFileTextChecked(std::string("[S]\r\nK=v\0\0\0\0\0\0\0\0\r\n", 17), decoded));
    EXPECT_FALSE(DecodeFileTextChecked(std::string("\x7F"
                                                   "ELF\x02\x01\x01\0\0\0\0\0",
                                                   12),
                                       decoded));
    // UTF-16 that carries a zero character is no settings text either.
    EXPECT_FALSE(DecodeFileTextChecked(std::string("\xFF\xFE"
                                                   "a\0\0\0b\0",
                                                   8),
                                       decoded));
}
