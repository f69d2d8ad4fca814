#pragma once

#include <string>
#include <string_view>

// Value conventions shared by the legacy record files (Guests.ini, Expences.ini, Offers.ini,
// Meetings.ini, GanArrangement.ini). The files are decoded to UTF-8 when they are loaded, so the
// Hebrew yes/no words arrive as UTF-8 text whatever code page they were written in.

// Stands for a line break "\r\n" inside a guest's address and info, an expense's comments and a
// shape's name.
inline constexpr const char* kLegacyLineBreak = "..........";

// The stored yes and no words (the Hebrew words, also in English installations).
inline constexpr const char* kLegacyYesWord = "\xD7\x9B\xD7\x9F"; // "כן"
inline constexpr const char* kLegacyNoWord = "\xD7\x9C\xD7\x90";  // "לא"

// Every occurrence of from (non-empty) replaced by to, left to right, without rescanning.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

// Exactly the yes word is true; anything else (also the Latin "yes") is false.
inline bool IsLegacyYes(const std::string& value)
{
    return value == kLegacyYesWord;
}
