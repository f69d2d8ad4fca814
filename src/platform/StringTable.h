#pragma once

#include <string>

#include "platform/StringIds.h"

// The text of a string-table entry in the interface language (UTF-8). Texts are exactly as the
// program shows or stores them; placeholders are printf style ("%s", "%d").
// An unknown id gives an empty text (and a trace line).
std::string LoadString(int id);

// The text in a given language, regardless of the interface language.
std::string LoadStringIn(int id, bool hebrew);

// True when the id has an entry.
bool HasString(int id);

// printf-style filling of a string-table text with UTF-8 arguments: each "%s" takes the next
// text, each "%d" the next number (in argument order, as they stand in the text); "%%" is a
// percent sign. Extra placeholders stay empty.
std::string FormatText(const std::string& pattern, std::initializer_list<std::string> args);
