// Profile files, read and written with the Windows semantics that stored data rely on.
//
// The file is held as sections of raw lines, so that a write changes only the line it concerns
// and every other line (comments, unknown keys, odd spacing) is written back as it was. Lookups
// go through an index of lower-case section names that points at the first section of a name;
// keys are found by a short walk of their section (sections hold tens of keys, files tens of
// thousands of sections).

#include "platform/ProfileFile.h"

#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "platform/Trace.h"

#include <algorithm>
#include <utility>

namespace fs = std::filesystem;

namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// For a header line "[name]", the lower-case trimmed name; false for any other line.
bool ParseHeader(std::string_view line, std::string& lowerName)
{
    std::string_view text = Trim(line);
    if (text.empty() || text.front() != '[')
        return false;
    // The name ends at the first ']'; whatever follows it on the line is ignored.
    std::size_t close = text.find(']');
    if (close == std::string_view::npos)
        return false;
    lowerName = Lower(Trim(text.substr(1, close - 1)));
    return true;
}

// Names are looked up trimmed and in lower case, as the parser stores them.
std::string NameKey(std::string_view name)
{
    return Lower(Trim(name));
}

// A line break would start a new line; a zero character would make the file no text, so the next
// load would read none of it (see DecodeFileTextChecked).
bool HasLineBreak(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A name that the parser would read back as the same name.
bool IsStorableSection(std::string_view name)
{
    return !Trim(name).empty() && !HasLineBreak(name) && name.find(']') == std::string_view::npos;
}

bool IsStorableKey(std::string_view name)
{
    std::string_view key = Trim(name);
    return !key.empty() && !HasLineBreak(name) && key.find('=') == std::string_view::npos &&
           key.front() != ';' && key.front() != '[';
}

std::string CleanValue(const std::string& value)
{
    std::string out = value;
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}
} // namespace

CProfileFile::CProfileFile(fs::path path)
{
    Load(std::move(path));
}

bool CProfileFile::Load(fs::path path)
{
    m_path = std::move(path);
    m_changed = false;
    std::string bytes;
    std::string text;
    std::error_code error;
    const bool exists = fs::exists(m_path, error);
    m_loaded = exists && ReadRegularFile(m_path, bytes, kMaxFileBytes);
    m_notText = m_loaded && !DecodeFileTextChecked(bytes, text);
    if (m_notText)
    {
        Trace("CProfileFile::Load", m_path.string() + " is no text; it is never rewritten");
        m_loaded = false;
        text.clear();
    }
    m_unreadable = exists && !m_loaded;
    Parse(text);
    return m_loaded;
}

void CProfileFile::LoadBytes(std::string_view bytes)
{
    m_changed = false;
    // As Load: bytes that decode to no text give an empty profile that Save never writes.
    std::string text;
    m_notText = !DecodeFileTextChecked(bytes, text);
    if (m_notText)
        text.clear();
    m_loaded = !m_notText;
    m_unreadable = m_notText;
    Parse(text);
}

void CProfileFile::Parse(const std::string& text)
{
    m_sections.clear();
    m_sections.emplace_back(); // the lines before the first header
    m_lineEnd = "\r\n";

    std::size_t start = 0;
    bool firstEnd = true;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        const bool ended = end != std::string::npos;
        if (!ended)
            end = text.size();
        std::string_view raw(text.data() + start, end - start);
        SLine line;
        if (ended && !raw.empty() && raw.back() == '\r')
        {
            raw.remove_suffix(1);
            line.eol = "\r\n";
        }
        else if (ended)
            line.eol = "\n";
        if (ended && firstEnd)
        {
            m_lineEnd = line.eol; // lines added later end like the file's own lines
            firstEnd = false;
        }
        start = end + 1;

        line.text = std::string(raw);
        std::string lowerName;
        if (ParseHeader(raw, lowerName))
        {
            SSection section;
            section.lowerName = std::move(lowerName);
            section.lines.push_back(std::move(line));
            m_sections.push_back(std::move(section));
            continue;
        }
        std::size_t equals = raw.find('=');
        std::string_view key = Trim(raw.substr(0, equals == std::string_view::npos ? 0 : equals));
        if (equals != std::string_view::npos && !key.empty() && key.front() != ';')
        {
            line.lowerKey = Lower(key);
            line.valuePos = equals + 1;
        }
        m_sections.back().lines.push_back(std::move(line));
    }
    Reindex();
}

void CProfileFile::Reindex()
{
    m_sectionIndex.clear();
    for (std::size_t i = 1; i < m_sections.size(); ++i)
        m_sectionIndex.emplace(m_sections[i].lowerName, i); // keeps the first of a name
}

const CProfileFile::SSection* CProfileFile::FindSection(const std::string& section) const
{
    auto it = m_sectionIndex.find(NameKey(section));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

CProfileFile::SSection* CProfileFile::FindSection(const std::string& section)
{
    auto it = m_sectionIndex.find(NameKey(section));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

CProfileFile::SSection& CProfileFile::FindOrAddSection(const std::string& section)
{
    if (SSection* found = FindSection(section))
        return *found;
    SSection added;
    added.lowerName = NameKey(section);
    SLine header;
    header.text = "[" + std::string(Trim(section)) + "]";
    header.eol = m_lineEnd;
    added.lines.push_back(std::move(header));
    m_sections.push_back(std::move(added));
    m_sectionIndex.emplace(m_sections.back().lowerName, m_sections.size() - 1);
    return m_sections.back();
}

const CProfileFile::SLine* CProfileFile::FindKey(const SSection& section,
                                                 const std::string& lowerKey)
{
    for (const SLine& line : section.lines)
        if (!line.lowerKey.empty() && line.lowerKey == lowerKey)
            return &line;
    return nullptr;
}

CProfileFile::SLine* CProfileFile::FindKey(SSection& section, const std::string& lowerKey)
{
    for (SLine& line : section.lines)
        if (!line.lowerKey.empty() && line.lowerKey == lowerKey)
            return &line;
    return nullptr;
}

bool CProfileFile::HasSection(const std::string& section) const
{
    return FindSection(section) != nullptr;
}

bool CProfileFile::HasKey(const std::string& section, const std::string& key) const
{
    const SSection* found = FindSection(section);
    return found != nullptr && FindKey(*found, NameKey(key)) != nullptr;
}

std::string CProfileFile::GetString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue) const
{
    const SSection* found = FindSection(section);
    const SLine* line = found != nullptr ? FindKey(*found, NameKey(key)) : nullptr;
    if (line == nullptr)
        return Utf8Left(defaultValue, kMaxValueChars);

    std::string_view value = Trim(std::string_view(line->text).substr(line->valuePos));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return Utf8Left(value, kMaxValueChars);
}

int CProfileFile::GetInt(const std::string& section, const std::string& key, int defaultValue) const
{
    if (!HasKey(section, key))
        return defaultValue;
    return ParseLeadingInt(GetString(section, key));
}

void CProfileFile::SetString(const std::string& section, const std::string& key,
                             const std::string& value)
{
    if (!IsStorableSection(section) || !IsStorableKey(key))
    {
        Trace("CProfileFile::SetString", "name cannot be stored: [" + section + "] " + key);
        return;
    }
    const std::string lowerKey = NameKey(key);
    SSection& target = FindOrAddSection(section);
    const std::string clean = CleanValue(value);
    if (SLine* line = FindKey(target, lowerKey))
    {
        std::string keyText(Trim(std::string_view(line->text).substr(0, line->valuePos - 1)));
        std::string text = keyText + "=" + clean;
        if (text != line->text)
        {
            line->text = std::move(text);
            line->valuePos = keyText.size() + 1;
            m_changed = true;
        }
        return;
    }

    // After the last line of the section that is not blank, so blank separators stay in front of
    // the next header.
    std::size_t insertAt = target.lines.size();
    while (insertAt > 1 && Trim(target.lines[insertAt - 1].text).empty())
        --insertAt;
    const std::string keyText(Trim(key));
    SLine line;
    line.text = keyText + "=" + clean;
    line.lowerKey = lowerKey;
    line.valuePos = keyText.size() + 1;
    line.eol = m_lineEnd;
    target.lines.insert(target.lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                        std::move(line));
    m_changed = true;
}

void CProfileFile::SetInt(const std::string& section, const std::string& key, long long value)
{
    SetString(section, key, FormatInt(value));
}

void CProfileFile::DeleteKey(const std::string& section, const std::string& key)
{
    SSection* found = FindSection(section);
    if (found == nullptr)
        return;
    // Every line of the name goes, so that a repeated key does not come back from a later line.
    const std::string lowerKey = NameKey(key);
    if (lowerKey.empty())
        return;
    const auto end = std::remove_if(found->lines.begin(), found->lines.end(),
                                    [&](const SLine& line) { return line.lowerKey == lowerKey; });
    if (end == found->lines.end())
        return;
    found->lines.erase(end, found->lines.end());
    m_changed = true;
}

void CProfileFile::DeleteSection(const std::string& section)
{
    // Every header of the name goes, so that the section does not come back from a later header.
    const std::string lowerName = NameKey(section);
    if (m_sectionIndex.find(lowerName) == m_sectionIndex.end())
        return;
    m_sections.erase(std::remove_if(m_sections.begin() + 1, m_sections.end(),
                                    [&](const SSection& s) { return s.lowerName == lowerName; }),
                     m_sections.end());
    Reindex();
    m_changed = true;
}

std::vector<std::string> CProfileFile::GetKeys(const std::string& section) const
{
    std::vector<std::string> keys;
    const SSection* found = FindSection(section);
    if (found == nullptr)
        return keys;
    for (const SLine& line : found->lines)
    {
        if (line.lowerKey.empty())
            continue;
        bool seen = false;
        for (const auto& key : keys)
            seen = seen || Lower(key) == line.lowerKey;
        if (!seen)
            keys.emplace_back(Trim(std::string_view(line.text).substr(0, line.valuePos - 1)));
    }
    return keys;
}

std::string CProfileFile::ToText() const
{
    // Each line keeps its own line end; a last line without one gets one when lines follow it.
    std::string text;
    const SLine* previous = nullptr;
    for (const SSection& section : m_sections)
    {
        for (const SLine& line : section.lines)
        {
            if (previous != nullptr)
                text += previous->eol.empty() ? m_lineEnd : previous->eol;
            text += line.text;
            previous = &line;
        }
    }
    if (previous != nullptr)
        text += previous->eol;
    return text;
}

bool CProfileFile::Save(std::string* error)
{
    // Writing what we could not read would replace the file with only our own keys.
    if (m_unreadable)
    {
        if (error != nullptr)
            *error = m_notText ? FormatText(LoadString(IDS_FILE_NOT_TEXT), {m_path.string()})
                               : FormatText(LoadString(IDS_FILE_SAVE_FAILED),
                                            {m_path.string(), "unreadable"});
        return false;
    }
    if (!WriteFileAtomic(m_path, ToText(), error))
        return false;
    m_loaded = true;
    m_changed = false;
    return true;
}

bool CProfileFile::SaveIfChanged(std::string* error)
{
    return !m_changed || Save(error);
}

std::string ReadProfileString(const fs::path& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue)
{
    return CProfileFile(path).GetString(section, key, defaultValue);
}

int ReadProfileInt(const fs::path& path, const std::string& section, const std::string& key,
                   int defaultValue)
{
    return CProfileFile(path).GetInt(section, key, defaultValue);
}

bool WriteProfileString(const fs::path& path, const std::string& section, const std::string& key,
                        const std::string& value)
{
    CProfileFile file(path);
    file.SetString(section, key, value);
    return file.SaveIfChanged();
}

bool DeleteProfileKey(const fs::path& path, const std::string& section, const std::string& key)
{
    CProfileFile file(path);
    file.DeleteKey(section, key);
    return file.SaveIfChanged();
}
