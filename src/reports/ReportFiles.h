#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Report and card files on disk: UTF-16 little-endian with the byte-order mark FF FE, whatever
// the page's content-type line says.

// The bytes of a report file for a UTF-8 text (a byte that is not UTF-8 becomes U+FFFD).
std::string EncodeReportBytes(std::string_view utf8);
// Replaces the file with the text's bytes, atomically; false with *error set on failure.
bool WriteReportFile(const std::filesystem::path& path, std::string_view utf8,
                     std::string* error = nullptr);

// The "Reports" folder under the data root (the program's own folder is read-only once
// installed); created when missing. Empty when it cannot be created.
std::filesystem::path ReportsFolder(const std::filesystem::path& dataRoot);
// The first "<folder>/<base><n>.<extension>", n = 1, 2, 3 ..., that does not exist yet.
std::filesystem::path UniqueReportPath(const std::filesystem::path& folder, const std::string& base,
                                       const std::string& extension);
