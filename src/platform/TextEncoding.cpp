#include "platform/TextEncoding.h"

#include <array>
#include <iconv.h>

namespace
{
void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80)
        out += static_cast<char>(cp);
    else if (cp < 0x800)
    {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else if (cp < 0x10000)
    {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    else
    {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at pos, or 0 when it is not one (overlong forms, surrogates
// and code points above U+10FFFF are invalid).
std::size_t Utf8SequenceLength(std::string_view s, std::size_t pos)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char c = byte(pos);
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    char32_t cp = 0;
    if (c >= 0xC2 && c <= 0xDF)
    {
        length = 2;
        cp = c & 0x1F;
    }
    else if (c >= 0xE0 && c <= 0xEF)
    {
        length = 3;
        cp = c & 0x0F;
    }
    else if (c >= 0xF0 && c <= 0xF4)
    {
        length = 4;
        cp = c & 0x07;
    }
    else
        return 0;
    if (pos + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
    {
        unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    if ((length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    auto unit = [&](std::size_t at)
    {
        const auto first = static_cast<unsigned char>(bytes[at]);
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : first | (second << 8));
    };
    while (i + 1 < bytes.size())
    {
        char16_t u = unit(i);
        i += 2;
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < bytes.size())
        {
            char16_t low = unit(i);
            if (low >= 0xDC00 && low <= 0xDFFF)
            {
                i += 2;
                AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            AppendUtf8(out, 0xFFFD);
        else
            AppendUtf8(out, u);
    }
    return out;
}

enum class EUtf16
{
    None,
    LittleEndian,
    BigEndian,
};

// UTF-16 without a mark, told by its zero bytes: settings text is mostly ASCII, whose every
// character has a zero high byte, so a good share of the pairs have a zero on one side and
// (nearly) none on the other. Other text has no zero bytes at all.
EUtf16 GuessUtf16(std::string_view bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return EUtf16::None;
    std::size_t evenZeros = 0;
    std::size_t oddZeros = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 2)
    {
        evenZeros += bytes[i] == '\0';
        oddZeros += bytes[i + 1] == '\0';
    }
    const std::size_t pairs = bytes.size() / 2;
    if (oddZeros * 4 >= pairs && evenZeros * 10 <= oddZeros)
        return EUtf16::LittleEndian;
    if (evenZeros * 4 >= pairs && oddZeros * 10 <= evenZeros)
        return EUtf16::BigEndian;
    return EUtf16::None;
}
} // namespace

bool IsValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();)
    {
        std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

std::string Cp1255ToUtf8(std::string_view bytes)
{
    // The upper half of the code page, taken once from iconv (which keeps the table) one byte at a
    // time, so that an undefined byte costs one replacement character and never the rest of the
    // text, and a letter is never composed with a following point.
    static const std::array<std::string, 128> kUpper = []
    {
        std::array<std::string, 128> table;
        iconv_t converter = iconv_open("UTF-8", "CP1255");
        for (std::size_t i = 0; i < table.size(); ++i)
        {
            char in[1] = {static_cast<char>(0x80 + i)};
            char buffer[8];
            char* inPtr = in;
            std::size_t inLeft = 1;
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = static_cast<std::size_t>(-1);
            if (converter != reinterpret_cast<iconv_t>(-1))
            {
                iconv(converter, nullptr, nullptr, nullptr, nullptr);
                rc = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
                // glibc's CP1255 holds back a base letter that a point might follow; flush it.
                if (rc != static_cast<std::size_t>(-1))
                    iconv(converter, nullptr, nullptr, &outPtr, &outLeft);
            }
            if (rc == static_cast<std::size_t>(-1) || outPtr == buffer)
                AppendUtf8(table[i], 0xFFFD);
            else
                table[i].assign(buffer, outPtr);
        }
        if (converter != reinterpret_cast<iconv_t>(-1))
            iconv_close(converter);
        return table;
    }();

    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
    {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else
            out += kUpper[byte - 0x80];
    }
    return out;
}

bool DecodeFileTextChecked(std::string_view bytes, std::string& text)
{
    text = DecodeFileText(bytes);
    // A zero character is in no text file: what is left of one is binary or damaged.
    return text.find('\0') == std::string::npos;
}

std::string DecodeFileText(std::string_view bytes)
{
    std::string text;
    const EUtf16 guess = GuessUtf16(bytes);
    if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFF\xFE")
        text = Utf16ToUtf8(bytes.substr(2), false);
    else if (bytes.size() >= 2 && bytes.substr(0, 2) == "\xFE\xFF")
        text = Utf16ToUtf8(bytes.substr(2), true);
    else if (guess != EUtf16::None)
        text = Utf16ToUtf8(bytes, guess == EUtf16::BigEndian);
    else
    {
        if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF")
            bytes.remove_prefix(3);
        text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1255ToUtf8(bytes);
    }
    // A mark repeated after the first is no content either; left in, it would hide the first
    // header and be written back as the mark the file must not start with.
    std::size_t marks = 0;
    while (text.compare(marks, 3, "\xEF\xBB\xBF") == 0)
        marks += 3;
    text.erase(0, marks);
    return text;
}

std::size_t Utf8Length(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

std::string Utf8Left(std::string_view text, std::size_t maxChars)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
        {
            if (count == maxChars)
                return std::string(text.substr(0, i));
            ++count;
        }
    }
    return std::string(text);
}

namespace
{
// The code point of the valid sequence at pos and its length; length 0 for an invalid byte.
char32_t DecodeAt(std::string_view text, std::size_t pos, std::size_t& length)
{
    length = Utf8SequenceLength(text, pos);
    if (length == 0)
        return 0;
    auto c = static_cast<unsigned char>(text[pos]);
    char32_t cp = length == 1 ? c : c & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    return cp;
}

bool IsSpaceCodePoint(char32_t cp)
{
    return cp == ' ' || (cp >= 0x09 && cp <= 0x0D) || cp == 0x85 || cp == 0xA0 || cp == 0x1680 ||
           (cp >= 0x2000 && cp <= 0x200A) || cp == 0x2028 || cp == 0x2029 || cp == 0x202F ||
           cp == 0x205F || cp == 0x3000;
}

char32_t LowerCodePoint(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 0x20;
    if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)) // Latin-1 capitals, not the sign ×
        return cp + 0x20;
    // Latin Extended-A: capitals at even points, their small letters right after (0x130-0x131
    // and 0x138 stand alone); from 0x139 to 0x148 and 0x179 to 0x17E the pairs start odd.
    if (cp >= 0x100 && cp <= 0x137 && cp != 0x130 && cp % 2 == 0)
        return cp + 1;
    if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E))
        return cp % 2 == 1 ? cp + 1 : cp;
    if (cp >= 0x14A && cp <= 0x177 && cp % 2 == 0)
        return cp + 1;
    if (cp == 0x178)
        return 0xFF;
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2) // Greek capitals
        return cp + 0x20;
    if (cp >= 0x410 && cp <= 0x42F) // Cyrillic capitals
        return cp + 0x20;
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 0x50;
    return cp;
}
} // namespace

std::string TrimSpaces(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size())
    {
        std::size_t length = 0;
        const char32_t cp = DecodeAt(text, begin, length);
        if (length == 0 || !IsSpaceCodePoint(cp))
            break;
        begin += length;
    }
    // From the end: step back to the start of each sequence.
    std::size_t end = text.size();
    while (end > begin)
    {
        std::size_t start = end - 1;
        while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
        std::size_t length = 0;
        const char32_t cp = DecodeAt(text, start, length);
        if (length == 0 || start + length != end || !IsSpaceCodePoint(cp))
            break;
        end = start;
    }
    return std::string(text.substr(begin, end - begin));
}

std::string FoldCase(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
    {
        std::size_t length = 0;
        const char32_t cp = DecodeAt(text, i, length);
        if (length == 0)
        {
            out += text[i++];
            continue;
        }
        AppendUtf8(out, LowerCodePoint(cp));
        i += length;
    }
    return out;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return FoldCase(a) == FoldCase(b);
}
