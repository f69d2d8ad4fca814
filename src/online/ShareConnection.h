#pragma once

#include "online/HttpFetch.h"

#include <filesystem>
#include <string>

class CCancelToken;

// The protocols of "FtpProtocol".
enum EShareProtocol : int
{
    kShareFtp = 0,
    kShareFtps = 1, // explicit TLS (AUTH TLS), required on control and data connections
    kShareWebDav = 2,
};

// Where the shared event lives and how to log in (copied from the event settings on the
// interface thread, so a transfer thread never reads the document).
struct SShareServer
{
    int protocol = kShareFtp;
    // FTP and FTPS: the host name (an "ftp://" in front is allowed). WebDAV: the address of the
    // folder ("https://cloud.example/remote.php/dav/files/dana/wedding").
    std::string server;
    int port = 0; // 0: the protocol's default
    std::string user;
    std::string password;
    std::string folder; // FTP: the folder that holds "DB"; empty: the user's start folder
    std::string caFile; // certificates to trust instead of the system's store
    SNetLimits limits{15000, 0, 1, 30}; // no total limit: an event may be large
};

// How one transfer ended.
enum class EShareResult
{
    Done,
    Absent,    // the server has no such file (or no "DB" folder yet): told apart from a failure
    Failed,    // connection, login, TLS or the transfer broke; see error
    Cancelled, // the token was cancelled
};

struct SShareOutcome
{
    EShareResult result = EShareResult::Failed;
    std::string error;  // libcurl's or the server's words, for the message and the traces
    bool noTls = false; // FTPS: the server offers no TLS
};

// One server of the sharing commands: the event files under "DB" and the shared settings beside
// it, read and written with libcurl. Files always travel byte for byte (binary). A file is
// written under a temporary name and renamed on the server (RNFR/RNTO, WebDAV MOVE), so a broken
// upload never leaves a half file under the real name. FTP uses passive mode. Each call may run on
// any thread; it ends within about 100 ms of the token being cancelled.
class CShareConnection
{
public:
    CShareConnection(SShareServer server, const CCancelToken* cancel);

    // Why the address is refused before anything is sent (empty: it is fine): a WebDAV address
    // that is not http(s), or plain http to another computer.
    enum class EAddressProblem
    {
        None,
        NotWebAddress,
        PlainHttp,
    };
    EAddressProblem CheckAddress() const;

    // name is an event file name of the file set ("Checkpoint.ini"; "../AppSettings.ini" lies
    // beside "DB"). The target is written only when the whole file arrived; a failed or absent
    // file leaves no target behind.
    SShareOutcome Fetch(const std::string& name, const std::filesystem::path& target);
    // Creates "DB" when missing, then uploads under a temporary name and renames.
    SShareOutcome Put(const std::filesystem::path& source, const std::string& name);

    // The address a name has on the server (for traces and tests).
    std::string UrlOf(const std::string& name) const;

private:
    SShareOutcome EnsureDataFolder();
    SShareOutcome Run(void* easy, const char* what) const;
    void Prepare(void* easy) const;
    std::string FolderUrl(bool dataFolder) const;

    SShareServer m_server;
    const CCancelToken* m_cancel;
    bool m_dataFolderMade = false;
};
