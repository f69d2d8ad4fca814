#pragma once

#include <filesystem>
#include <string>

class CNewOrvDoc;

// The list of guests who have not answered the invitation, for a spreadsheet program: a header
// line, then one line per guest whose approval status is "no answer yet" and who has a name:
// the name, the phone, an empty second phone and the number invited. UTF-8 with a byte-order
// mark (so spreadsheet programs read Hebrew right), CR LF line ends, fields holding a comma, a
// quote or a line break quoted as RFC 4180 has it.

// The file's text and the number of guest lines in it (the header alone when nobody qualifies).
std::string BuildUnansweredCsv(const CNewOrvDoc& doc, int* lines = nullptr);

enum class EUnansweredCsvResult
{
    Written,
    Nobody, // every guest answered (or has no name): no file is written
    Failed, // *error says why; the file is as it was
};

// Writes the list to path (replaced atomically; anything but a regular file is refused).
EUnansweredCsvResult WriteUnansweredCsv(const CNewOrvDoc& doc, const std::filesystem::path& path,
                                        int* lines = nullptr, std::string* error = nullptr);
