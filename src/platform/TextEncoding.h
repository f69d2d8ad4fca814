#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// All strings in memory are UTF-8. Files written by older installations are windows-1255.

// Text of a file's bytes as UTF-8: UTF-8 with or without a byte-order mark, UTF-16 with its mark
// (either byte order) or without one (told by the pattern of its zero bytes), otherwise
// windows-1255 when the bytes are not valid UTF-8. The text never starts with a mark (repeated
// marks at the start are dropped as well).
std::string DecodeFileText(std::string_view bytes);

// As DecodeFileText; false when the bytes are not text at all (what they decode to holds a zero
// character: a binary or damaged file, which must never be rewritten from what was read of it).
bool DecodeFileTextChecked(std::string_view bytes, std::string& text);

bool IsValidUtf8(std::string_view bytes);

// windows-1255 bytes to UTF-8; a byte the code page leaves undefined becomes U+FFFD.
std::string Cp1255ToUtf8(std::string_view bytes);

// Number of code points of a UTF-8 text.
std::size_t Utf8Length(std::string_view text);

// The first maxChars code points of a UTF-8 text (never cuts a character in two).
std::string Utf8Left(std::string_view text, std::size_t maxChars);

// The text without leading and trailing white space: ASCII blanks, tabs and line breaks and the
// Unicode spaces (no-break space, the typographic spaces, line and paragraph separators), as the
// interface trims what is typed into a field.
std::string TrimSpaces(std::string_view text);

// The text with its letters in lower case, for comparing names regardless of case: ASCII, Latin-1,
// Latin Extended-A, Greek and Cyrillic capitals are folded; everything else (Hebrew has no case)
// and invalid bytes stay as they are.
std::string FoldCase(std::string_view text);

// True when two names are the same regardless of case (see FoldCase).
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
