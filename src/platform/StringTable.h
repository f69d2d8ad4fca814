#pragma once

#include "platform/StringIds.h"

#include <cstddef>
#include <initializer_list>
#include <string>

// The text of a string-table entry in the interface language (UTF-8). Texts are exactly as the
// program shows or stores them; placeholders are printf style ("%s", "%d").
// An unknown id gives an empty text (and a trace line).
std::string LoadString(int id);

// The text in a given language, regardless of the interface language.
std::string LoadStringIn(int id, bool hebrew);

// True when the id has an entry.
bool HasString(int id);

// printf-style filling of a string-table text with UTF-8 arguments: each conversion ("%s", "%d",
// "%.0f" ...) takes the next argument, already formatted as text, in the order the conversions
// stand in the text; "%%" is a percent sign. Placeholders beyond the arguments become empty. A "%"
// that starts no conversion (as in "% of regular serving.") stays as it is.
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args);

// One string-table entry; both texts are UTF-8 and never null.
struct SStringEntry
{
    int id;
    const char* english;
    const char* hebrew;
};

// The whole table in its order (sorted by id), for consistency checks and tools; lookups go
// through LoadString. The entries live for the whole run.
struct SStringEntries
{
    const SStringEntry* first;
    const SStringEntry* last;
    const SStringEntry* begin() const { return first; }
    const SStringEntry* end() const { return last; }
    std::size_t size() const { return static_cast<std::size_t>(last - first); }
};
SStringEntries GetStringEntries();
