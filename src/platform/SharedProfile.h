#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

class CProfileFile;

// The lock file of a folder whose profile files several programs write (the data root's
// events.ini and AppSettings.ini).
constexpr const char* kSharedProfileLockFile = ".velloran-settings.lock";
constexpr std::chrono::milliseconds kSharedProfileWait{5000};

// Changes a profile file that other programs may be writing at the same time: under a short lock
// of its folder (kSharedProfileLockFile), the file is read again, change is applied to what is on
// disk now, and the file is replaced atomically, so two programs never lose each other's keys.
// Our own temporary files of that name left behind by a program that died are removed under the
// same lock. Returns false with *error set (a sentence for the user naming the file) when the lock
// was held by another for the whole wait or the write failed; the file is then as it was. With
// merged given, it receives the file as written. A folder that cannot be locked at all (no lock
// file can be made) is written without the lock.
bool UpdateSharedProfile(const std::filesystem::path& path,
                         const std::function<void(CProfileFile&)>& change,
                         std::string* error = nullptr, CProfileFile* merged = nullptr,
                         std::chrono::milliseconds wait = kSharedProfileWait);
