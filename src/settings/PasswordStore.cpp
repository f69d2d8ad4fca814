#include "settings/PasswordStore.h"

#include "platform/AtomicFile.h"
#include "platform/Environment.h"
#include "platform/Trace.h"

#include <cstdlib>
#include <fcntl.h>
#include <libsecret/secret.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
const SecretSchema* Schema()
{
    static const SecretSchema schema = []
    {
        SecretSchema made{};
        made.name = "org.velloran.SharingPassword";
        made.flags = SECRET_SCHEMA_NONE;
        made.attributes[0] = {"server", SECRET_SCHEMA_ATTRIBUTE_STRING};
        made.attributes[1] = {"user", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return made; // the zeroed entry after them ends the list
    }();
    return &schema;
}

void Forget(GError*& error, const char* what)
{
    if (error == nullptr)
        return;
    Trace("CPasswordStore", std::string(what) + ": " + error->message);
    g_error_free(error);
    error = nullptr;
}

// The file holds one line per password: server, user and password, each as hexadecimal bytes
// (so no character of theirs can break the line), separated by tabs.
std::string ToHex(const std::string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : text)
    {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

bool FromHex(const std::string& hex, std::string& text)
{
    if (hex.size() % 2 != 0)
        return false;
    text.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2)
    {
        auto value = [](char c) -> int
        {
            if (c >= '0' && c <= '9')
                return c - '0';
            if (c >= 'a' && c <= 'f')
                return c - 'a' + 10;
            return -1;
        };
        const int high = value(hex[i]), low = value(hex[i + 1]);
        if (high < 0 || low < 0)
            return false;
        text += static_cast<char>(high * 16 + low);
    }
    return true;
}

struct SEntry
{
    std::string server, user, password;
};

std::vector<SEntry> ReadEntries()
{
    std::vector<SEntry> entries;
    std::string bytes;
    if (!ReadWholeFile(CPasswordStore::FilePath(), bytes))
        return entries;
    std::istringstream lines(bytes);
    std::string line;
    while (std::getline(lines, line))
    {
        const std::size_t first = line.find('\t');
        const std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos)
            continue;
        SEntry entry;
        if (FromHex(line.substr(0, first), entry.server) &&
            FromHex(line.substr(first + 1, second - first - 1), entry.user) &&
            FromHex(line.substr(second + 1), entry.password))
            entries.push_back(std::move(entry));
    }
    return entries;
}

bool WriteEntries(const std::vector<SEntry>& entries, std::string* error)
{
    const fs::path path = CPasswordStore::FilePath();
    std::error_code ignored;
    fs::create_directories(path.parent_path(), ignored);
    // Made private before the first byte goes in; the atomic write keeps an existing file's mode.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0)
    {
        ::fchmod(fd, 0600);
        ::close(fd);
    }
    std::string bytes;
    for (const SEntry& entry : entries)
        bytes +=
            ToHex(entry.server) + '\t' + ToHex(entry.user) + '\t' + ToHex(entry.password) + '\n';
    return WriteFileAtomic(path, bytes, error);
}

// Rewrites the file without the entry of server and user, adding password when given.
bool ReplaceInFile(const std::string& server, const std::string& user, const std::string* password,
                   std::string* error)
{
    std::vector<SEntry> entries = ReadEntries();
    std::vector<SEntry> kept;
    bool found = false;
    for (SEntry& entry : entries)
    {
        if (entry.server == server && entry.user == user)
            found = true;
        else
            kept.push_back(std::move(entry));
    }
    if (password == nullptr && !found)
        return true; // nothing to forget: the file is not even made
    if (password != nullptr)
        kept.push_back({server, user, *password});
    return WriteEntries(kept, error);
}
} // namespace

fs::path CPasswordStore::FilePath()
{
    return XdgConfigHome() / "Velloran" / "sharing-passwords";
}

bool CPasswordStore::KeyringWanted()
{
    const char* bus = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    const char* off = std::getenv("VELLORAN_NO_KEYRING");
    return bus != nullptr && *bus != '\0' && (off == nullptr || *off == '\0');
}

bool CPasswordStore::Store(const std::string& server, const std::string& user,
                           const std::string& password, std::string* error)
{
    if (KeyringWanted())
    {
        GError* failure = nullptr;
        const std::string label = "Velloran sharing: " + user + " at " + server;
        if (secret_password_store_sync(Schema(), SECRET_COLLECTION_DEFAULT, label.c_str(),
                                       password.c_str(), nullptr, &failure, "server",
                                       server.c_str(), "user", user.c_str(), nullptr))
        {
            ReplaceInFile(server, user, nullptr, nullptr); // no second copy left behind
            return true;
        }
        Forget(failure, "keyring store");
    }
    return ReplaceInFile(server, user, &password, error);
}

std::optional<std::string> CPasswordStore::Lookup(const std::string& server,
                                                  const std::string& user)
{
    if (KeyringWanted())
    {
        GError* failure = nullptr;
        gchar* found = secret_password_lookup_sync(Schema(), nullptr, &failure, "server",
                                                   server.c_str(), "user", user.c_str(), nullptr);
        Forget(failure, "keyring lookup");
        if (found != nullptr)
        {
            std::string password(found);
            secret_password_free(found);
            return password;
        }
    }
    for (const SEntry& entry : ReadEntries())
        if (entry.server == server && entry.user == user)
            return entry.password;
    return std::nullopt;
}

void CPasswordStore::Remove(const std::string& server, const std::string& user)
{
    if (KeyringWanted())
    {
        GError* failure = nullptr;
        secret_password_clear_sync(Schema(), nullptr, &failure, "server", server.c_str(), "user",
                                   user.c_str(), nullptr);
        Forget(failure, "keyring clear");
    }
    ReplaceInFile(server, user, nullptr, nullptr);
}
