#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

// A real file-sharing server on 127.0.0.1 for the tests of the sharing commands, serving a
// temporary folder on a free port: pyftpdlib for FTP, vsftpd for FTPS (root only: it logs in a
// temporary system user, removed again), rclone for WebDAV. Each ends on its own after
// kLifetimeSeconds and is always stopped by the destructor (or Kill), even when a test fails.
class CShareTestServer
{
public:
    enum class EKind
    {
        Ftp,
        Ftps,
        WebDav,
    };
    static constexpr int kLifetimeSeconds = 120;

    // throttleBytesPerSecond (FTP only): the server sends no faster, so a test can stop it in
    // the middle of a transfer.
    CShareTestServer(EKind kind, std::filesystem::path home, int throttleBytesPerSecond = 0);
    ~CShareTestServer();
    CShareTestServer(const CShareTestServer&) = delete;
    CShareTestServer& operator=(const CShareTestServer&) = delete;

    // Why the server is not running (empty when it is): a missing program, not root for FTPS.
    const std::string& Problem() const { return m_problem; }
    int Port() const { return m_port; }
    const std::string& User() const { return m_user; }
    const std::string& Password() const { return m_password; }
    // The folder the user sees as its start folder.
    const std::filesystem::path& Home() const { return m_home; }
    // FTPS: the certificate to trust.
    const std::filesystem::path& Certificate() const { return m_certificate; }
    // "FTPServer" for the event settings: the host (FTP, FTPS) or the folder's address (WebDAV).
    std::string ServerText() const;

    // Ends the server at once (a server that dies in the middle of a transfer).
    void Kill();

private:
    bool Spawn(const std::vector<std::string>& argv, bool readPort);
    bool WaitUntilListening();

    EKind m_kind;
    std::filesystem::path m_home;
    std::filesystem::path m_work; // configuration and certificate
    std::filesystem::path m_certificate;
    std::string m_user = "dana";
    std::string m_password = "Pa55-word";
    std::string m_systemUser; // FTPS: the temporary system user to remove
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_problem;
};
