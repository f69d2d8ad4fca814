#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A profile (INI) file with the semantics that stored data rely on:
// - section and key names are compared trimmed and without regard to (ASCII) case; when two
//   headers differ only in case ("FtpSettings" and "FTPSettings") they name one section, and the
//   first header in the file is the one read and written; the same holds for a key repeated within
//   a section. A header's name ends at its first ']';
// - a value is the text after the first '=', trimmed of blanks and tabs, with one pair of enclosing
//   quotes (" or ') stripped, and cut to its first 255 characters (code points, never half of one);
// - integers are read as a leading signed decimal, 0 for a non-number;
// - writes keep every other line of the file byte for byte, line ends included (added lines end
//   like the file's first line, "\r\n" in a new file); a missing section is appended at the end, a
//   missing key after the last non-blank line of its section.
// The file is decoded on load (see DecodeFileText) and always written as UTF-8 without a mark, in
// one atomic replacement, by Save. A file whose bytes are no text (DecodeFileTextChecked) reads as
// empty and is never written, so defaults never replace settings that could not be decoded.
class CProfileFile
{
public:
    static constexpr std::size_t kMaxValueChars = 255;
    // A larger file is not read (and so never overwritten): no profile of ours comes near it.
    static constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

    CProfileFile() = default;

    // Loads the file; a missing or unreadable file gives an empty profile bound to that path.
    explicit CProfileFile(std::filesystem::path path);

    // Returns false (and leaves an empty profile bound to the path) when the file does not exist or
    // cannot be read. A path that exists but cannot be read (a folder, a file too large) is never
    // written by Save.
    bool Load(std::filesystem::path path);

    // Takes the content from bytes as Load would read them from the file (decoded, then parsed);
    // the bound path stays, and Save writes to it.
    void LoadBytes(std::string_view bytes);

    // Writes the whole text atomically (see WriteFileAtomic), creating the file when missing.
    // Returns false and sets *error (naming the file) when the write fails; the file on disk is
    // then unchanged (unless only the final flush of its folder failed) and IsChanged stays true.
    bool Save(std::string* error = nullptr);

    // Saves only when something was changed since the load or the last save.
    bool SaveIfChanged(std::string* error = nullptr);

    const std::filesystem::path& GetPath() const { return m_path; }
    bool WasLoaded() const { return m_loaded; }
    bool IsChanged() const { return m_changed; }

    bool HasSection(const std::string& section) const;
    bool HasKey(const std::string& section, const std::string& key) const;

    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue = std::string()) const;
    int GetInt(const std::string& section, const std::string& key, int defaultValue) const;

    // Sets the value, adding the section and the key when missing. Values are stored as given
    // (no quoting); a line break or a zero character in a value is replaced by a blank (it would
    // start a new line, or make the whole file no text to the next load).
    // Names that would not read back as themselves are refused (nothing changes): an empty name, a
    // line break or a zero character in a name, ']' in a section name, '=' in a key or a key
    // starting with ';' or '['.
    void SetString(const std::string& section, const std::string& key, const std::string& value);
    void SetInt(const std::string& section, const std::string& key, long long value);

    // Removes the key's lines (each line of that name in the section); nothing when absent.
    void DeleteKey(const std::string& section, const std::string& key);
    // Removes the header and every line of the section, for each header of that name; nothing when
    // absent.
    void DeleteSection(const std::string& section);

    // The names of the keys of a section, in file order (first spelling of each name).
    std::vector<std::string> GetKeys(const std::string& section) const;

    // The text the file would be written with.
    std::string ToText() const;

private:
    struct SLine
    {
        std::string text;         // the line as it stands in the file, without its line end
        std::string lowerKey;     // for key lines: the trimmed key in lower case; empty otherwise
        std::size_t valuePos = 0; // for key lines: offset of the first character after '='
        std::string eol;          // "\r\n", "\n", or empty for a last line without a line end
    };
    struct SSection
    {
        std::string lowerName;    // empty for the lines before the first header
        std::vector<SLine> lines; // the header line first (when there is one)
    };

    void Parse(const std::string& text);
    const SSection* FindSection(const std::string& section) const;
    SSection* FindSection(const std::string& section);
    SSection& FindOrAddSection(const std::string& section);
    static const SLine* FindKey(const SSection& section, const std::string& lowerKey);
    static SLine* FindKey(SSection& section, const std::string& lowerKey);
    void Reindex();

    std::filesystem::path m_path;
    std::vector<SSection> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex; // lower name -> first section
    bool m_loaded = false;
    bool m_unreadable = false; // the path exists but could not be read: never overwrite it
    bool m_notText = false;    // it was read, but its bytes are no text (see DecodeFileTextChecked)
    bool m_changed = false;
    std::string m_lineEnd = "\r\n"; // the file's first line end, for lines we add
};

// One-shot helpers in the shape of the profile API: each call reads the file, and each write
// call rewrites it atomically. For many keys of one file, use a CProfileFile.
std::string ReadProfileString(const std::filesystem::path& path, const std::string& section,
                              const std::string& key, const std::string& defaultValue = {});
int ReadProfileInt(const std::filesystem::path& path, const std::string& section,
                   const std::string& key, int defaultValue);
bool WriteProfileString(const std::filesystem::path& path, const std::string& section,
                        const std::string& key, const std::string& value);
bool DeleteProfileKey(const std::filesystem::path& path, const std::string& section,
                      const std::string& key);
