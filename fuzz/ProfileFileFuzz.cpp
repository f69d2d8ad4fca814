// Fuzz target for the profile-file reader and writer.
//
// Input: the bytes of a profile file, optionally followed by "\0OPS\0" and bytes that choose
// operations (set, set an integer, delete a key, delete a section). The file is parsed, probed,
// changed and rendered again; any broken invariant aborts:
// - bytes that decode to no text (a zero character) give an empty profile;
// - parsing keeps the decoded text byte for byte, and ToText re-parses to the same text and values;
// - a value set reads back as the value trimmed, without one pair of quotes, cut to 255 characters;
// - a name that cannot be stored changes nothing; other keys never change;
// - a deleted key or section is gone, also after a re-parse;
// - every text read is valid UTF-8 of at most 255 characters; the rendered text is valid UTF-8 and
//   never starts with a byte-order mark.

#include "FuzzCheck.h"
#include "platform/NumberText.h"
#include "platform/ProfileFile.h"
#include "platform/TextEncoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

namespace
{
constexpr std::string_view kOpsMarker("\0OPS\0", 5);
constexpr std::size_t kMaxProbes = 64;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The documented name rule, written out independently of the implementation.
std::string NameKey(std::string_view name)
{
    std::string out(TrimBlanks(name));
    while (!out.empty() && (out.back() == '\r' || IsBlank(out.back())))
        out.pop_back();
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// A zero character counts as one: written, it would make the file no text.
bool HasLineBreak(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool StorableSection(std::string_view name)
{
    return !TrimBlanks(name).empty() && !HasLineBreak(name) &&
           name.find(']') == std::string_view::npos;
}

bool StorableKey(std::string_view name)
{
    std::string_view key = TrimBlanks(name);
    return !key.empty() && !HasLineBreak(key) && key.find('=') == std::string_view::npos &&
           key.front() != ';' && key.front() != '[';
}

std::string ExpectedValue(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    std::string_view text = TrimBlanks(value);
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front())
        text = text.substr(1, text.size() - 2);
    return Utf8Left(text, CProfileFile::kMaxValueChars);
}

// Strings in memory are UTF-8; the program never hands the profile anything else.
std::string AsUtf8(std::string text)
{
    return IsValidUtf8(text) ? text : Cp1255ToUtf8(text);
}

struct SProbe
{
    std::string section;
    std::string key;
};

// Names that occur in the text: headers and the words before '=' of each line.
void Harvest(const std::string& text, std::vector<std::string>& sections,
             std::vector<SProbe>& probes)
{
    std::string section;
    std::size_t start = 0;
    while (start < text.size() && probes.size() < kMaxProbes)
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string_view line(text.data() + start, end - start);
        start = end + 1;
        std::string_view trimmed = TrimBlanks(line);
        if (!trimmed.empty() && trimmed.front() == '[')
        {
            std::size_t close = trimmed.find(']');
            section = std::string(trimmed.substr(
                1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            sections.push_back(section);
            continue;
        }
        std::size_t equals = line.find('=');
        if (equals != std::string_view::npos)
            probes.push_back({section, std::string(line.substr(0, equals))});
    }
}

void CheckRead(const CProfileFile& file, const SProbe& probe)
{
    const std::string value = file.GetString(probe.section, probe.key, "a");
    FUZZ_CHECK(IsValidUtf8(value), value);
    FUZZ_CHECK(Utf8Length(value) <= CProfileFile::kMaxValueChars, probe.key);
    const bool hasKey = file.HasKey(probe.section, probe.key);
    const std::string other = file.GetString(probe.section, probe.key, "b");
    FUZZ_CHECK(hasKey ? other == value : value == "a" && other == "b", probe.key);
    FUZZ_CHECK(!hasKey || file.HasSection(probe.section), probe.section);
    const int number = file.GetInt(probe.section, probe.key, -12345);
    FUZZ_CHECK(hasKey ? number == ParseLeadingInt(value) : number == -12345, value);
}

void CheckKeys(const CProfileFile& file, const std::string& section)
{
    const std::vector<std::string> keys = file.GetKeys(section);
    FUZZ_CHECK(keys.empty() || file.HasSection(section), section);
    for (std::size_t i = 0; i < keys.size(); ++i)
    {
        FUZZ_CHECK(file.HasKey(section, keys[i]), keys[i]);
        for (std::size_t j = 0; j < i; ++j)
            FUZZ_CHECK(NameKey(keys[i]) != NameKey(keys[j]), keys[i]);
    }
}

// Everything the two profiles answer about the names must agree.
void CheckSame(const CProfileFile& a, const CProfileFile& b,
               const std::vector<std::string>& sections, const std::vector<SProbe>& probes)
{
    for (const std::string& section : sections)
    {
        FUZZ_CHECK(a.HasSection(section) == b.HasSection(section), section);
        FUZZ_CHECK(a.GetKeys(section) == b.GetKeys(section), section);
    }
    for (const SProbe& probe : probes)
    {
        FUZZ_CHECK(a.HasKey(probe.section, probe.key) == b.HasKey(probe.section, probe.key),
                   probe.key);
        FUZZ_CHECK(a.GetString(probe.section, probe.key) == b.GetString(probe.section, probe.key),
                   probe.key);
    }
}

// The rendered text is what a save writes; reading it back must give the same profile.
void CheckRoundTrip(const CProfileFile& file, const std::vector<std::string>& sections,
                    const std::vector<SProbe>& probes)
{
    const std::string text = file.ToText();
    FUZZ_CHECK(IsValidUtf8(text), "rendered text");
    FUZZ_CHECK(text.compare(0, 3, "\xEF\xBB\xBF") != 0, "rendered text starts with a mark");
    CProfileFile again;
    again.LoadBytes(text);
    FUZZ_CHECK(again.ToText() == text, "second rendering differs");
    CheckSame(file, again, sections, probes);
}

std::string PickName(FuzzedDataProvider& ops, const std::vector<std::string>& known)
{
    if (!known.empty() && ops.ConsumeBool())
        return known[ops.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
    return AsUtf8(ops.ConsumeRandomLengthString(24));
}

void RunOperation(CProfileFile& file, FuzzedDataProvider& ops, std::vector<std::string>& sections,
                  std::vector<SProbe>& probes)
{
    std::vector<std::string> keyNames;
    for (const SProbe& probe : probes)
        keyNames.push_back(probe.key);
    const int operation = ops.ConsumeIntegralInRange(0, 4);
    const std::string section = PickName(ops, sections);
    const std::string key = PickName(ops, keyNames);
    if (sections.size() < kMaxProbes)
        sections.push_back(section);
    if (probes.size() < kMaxProbes)
        probes.push_back({section, key});

    // What every other name reads now; none of it may change.
    std::vector<std::string> before;
    for (const SProbe& probe : probes)
        before.push_back(file.GetString(probe.section, probe.key, "\x01missing"));
    const std::string textBefore = file.ToText();
    const bool changedBefore = file.IsChanged();
    auto isTouched = [&](const SProbe& probe, bool wholeSection)
    {
        return NameKey(probe.section) == NameKey(section) &&
               (wholeSection || NameKey(probe.key) == NameKey(key));
    };
    bool wholeSection = false;

    switch (operation)
    {
    case 0:
    case 1:
    {
        std::string value = AsUtf8(ops.ConsumeRandomLengthString(400));
        if (operation == 1)
            value = FormatInt(ops.ConsumeIntegral<long long>());
        file.SetString(section, key, value);
        if (!StorableSection(section) || !StorableKey(key))
        {
            FUZZ_CHECK(file.ToText() == textBefore, "[" + section + "] " + key);
            FUZZ_CHECK(file.IsChanged() == changedBefore, "[" + section + "] " + key);
            return;
        }
        FUZZ_CHECK(file.HasKey(section, key), key);
        FUZZ_CHECK(file.GetString(section, key) == ExpectedValue(value), value);
        break;
    }
    case 2:
        file.SetInt(section, key, ops.ConsumeIntegral<int>());
        if (StorableSection(section) && StorableKey(key))
            FUZZ_CHECK(file.GetString(section, key) == FormatInt(file.GetInt(section, key, 0)),
                       key);
        break;
    case 3:
        file.DeleteKey(section, key);
        FUZZ_CHECK(!file.HasKey(section, key), key);
        break;
    default:
        file.DeleteSection(section);
        FUZZ_CHECK(!file.HasSection(section), section);
        FUZZ_CHECK(file.GetKeys(section).empty(), section);
        wholeSection = true;
        break;
    }
    FUZZ_CHECK(file.IsChanged() || file.ToText() == textBefore, "change not marked");
    for (std::size_t i = 0; i < probes.size(); ++i)
    {
        if (isTouched(probes[i], wholeSection))
            continue;
        FUZZ_CHECK(file.GetString(probes[i].section, probes[i].key, "\x01missing") == before[i],
                   probes[i].section + "/" + probes[i].key);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t marker = input.find(kOpsMarker);
    const std::string_view fileBytes = input.substr(0, marker);
    const std::string_view opBytes = marker == std::string_view::npos
                                         ? std::string_view()
                                         : input.substr(marker + kOpsMarker.size());

    CProfileFile file;
    file.LoadBytes(fileBytes);
    std::string decoded;
    if (!DecodeFileTextChecked(fileBytes, decoded))
    {
        // No text (a zero character): an empty profile that is never written back.
        FUZZ_CHECK(file.ToText().empty(), "a file that is no text was parsed");
        return 0;
    }
    FUZZ_CHECK(IsValidUtf8(decoded), "decoded text");
    FUZZ_CHECK(file.ToText() == decoded, "parsing did not keep the text");
    FUZZ_CHECK(!file.IsChanged(), "parsing marked a change");

    std::vector<std::string> sections;
    std::vector<SProbe> probes;
    Harvest(decoded, sections, probes);
    for (const SProbe& probe : probes)
        CheckRead(file, probe);
    for (const std::string& section : sections)
        CheckKeys(file, section);
    CheckRoundTrip(file, sections, probes);

    FuzzedDataProvider ops(reinterpret_cast<const std::uint8_t*>(opBytes.data()), opBytes.size());
    for (int i = 0; i < 32 && ops.remaining_bytes() > 0; ++i)
        RunOperation(file, ops, sections, probes);
    for (const SProbe& probe : probes)
        CheckRead(file, probe);
    for (const std::string& section : sections)
        CheckKeys(file, section);
    CheckRoundTrip(file, sections, probes);
    return 0;
}
