#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Replaces a file's content or leaves it exactly as it was: the bytes go to a temporary file in the
// same folder, every write is checked, the file is flushed to disk and renamed over the target,
// and the folder is flushed. Returns false and sets *error (a sentence for the user, naming the
// file and the cause) when any step fails; the temporary file is then removed and the target is
// untouched. Only when the final flush of the folder fails is the new content already in place
// (false all the same: it may not survive a crash).
// An existing target keeps its permissions; a new one gets 0666 less the umask. A symbolic link is
// written through: the file it points at is replaced and the link stays.
// Only regular files are replaced: a target that is anything else (a device, a FIFO, a folder, a
// link to one of them or to nothing) is refused, and so is a file without write permission (its
// mode grants writing to no one, or this user may not write it), even for root. The temporary
// file is named ".<name>.<6 letters or digits>" (see RemoveStaleTemporaryFiles).
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes,
                     std::string* error = nullptr);

// Copies a regular file over the target in the same way as WriteFileAtomic (the target is either
// the complete copy or unchanged); the copy takes the source's permissions.
bool CopyFileAtomic(const std::filesystem::path& source, const std::filesystem::path& target,
                    std::string* error = nullptr);

// The whole content of a regular file (through a link); false when it cannot be read or is not a
// regular file. Never waits: a FIFO or a device is refused without being read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

// As ReadWholeFile, and false for a file larger than maxBytes. *error (when given) gets a sentence
// for the user naming the file and the cause; bytes are left alone on failure.
bool ReadRegularFile(const std::filesystem::path& path, std::string& bytes, std::uintmax_t maxBytes,
                     std::string* error = nullptr);

// Removes the temporary files that WriteFileAtomic leaves behind when the process dies in the
// middle of a write: ".<name>.<6 letters or digits>" in folder, for each of names. The caller
// makes sure no other process is writing there (it holds the folder's lock). Returns how many
// were removed.
int RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                              const std::vector<std::string>& names);

// Removes a file through the fault seam; true when it is gone (also when it never existed).
bool RemoveFileChecked(const std::filesystem::path& path, std::string* error = nullptr);
