#pragma once

#include <filesystem>
#include <optional>
#include <string>

// Where the password of a sharing server is kept when the user asks to save it: never in the
// event's settings, which travel with the event (uploads, backups, exports by mail). A password is
// kept per server and user name, in the desktop's keyring (libsecret) when one answers on the
// session bus, otherwise in a private file of this user (mode 0600) under the configuration
// folder. Thread-safe only in the sense that libsecret is; call it from one thread.
class CPasswordStore
{
public:
    // Keeps the password; false (with *error) when neither the keyring nor the file took it.
    static bool Store(const std::string& server, const std::string& user,
                      const std::string& password, std::string* error = nullptr);
    // The kept password; none when nothing is kept for that server and user.
    static std::optional<std::string> Lookup(const std::string& server, const std::string& user);
    // Forgets the password in both places (nothing kept is no failure).
    static void Remove(const std::string& server, const std::string& user);

    // The private file used where no keyring runs.
    static std::filesystem::path FilePath();
    // True when the keyring is tried at all: a session bus is announced and
    // VELLORAN_NO_KEYRING is not set.
    static bool KeyringWanted();
};
