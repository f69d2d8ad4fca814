#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file's content or leaves it exactly as it was: the bytes go to a temporary file in the
// same folder, every write is checked, the file is flushed to disk and renamed over the target,
// and the folder is flushed. Returns false and sets *error (a sentence for the user, naming the
// file and the cause) when any step fails; the temporary file is then removed.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error = nullptr);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Removes a file through the fault seam; true when it is gone (also when it never existed).
bool RemoveFileChecked(const std::filesystem::path& path, std::string* error = nullptr);
