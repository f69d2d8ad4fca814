#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Replaces a file's content or leaves it exactly as it was: the bytes go to a temporary file in the
// same folder, every write is checked, the file is flushed to disk and renamed over the target,
// and the folder is flushed. Returns false and sets *error (a sentence for the user, naming the
// file and the cause) when any step fails; the temporary file is then removed and the target is
// untouched. Only when the final flush of the folder fails is the new content already in place
// (false all the same: it may not survive a crash).
// An existing target keeps its permissions; a new one gets 0666 less the umask. A symbolic link is
// written through: the file it points at is replaced and the link stays.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error = nullptr);

// Copies a regular file over the target in the same way as WriteFileAtomic (the target is either
// the complete copy or unchanged); the copy takes the source's permissions.
bool CopyFileAtomic(const std::filesystem::path& source, const std::filesystem::path& target,
                    std::string* error = nullptr);

// The whole content of a file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// Removes a file through the fault seam; true when it is gone (also when it never existed).
bool RemoveFileChecked(const std::filesystem::path& path, std::string* error = nullptr);
