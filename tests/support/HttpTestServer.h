#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

// A small HTTP server on 127.0.0.1 for the tests of the online services: Python's
// ThreadingHTTPServer serving the files of a folder on a free port. Each request is logged to
// "requests.log" in that folder as "<path> <User-Agent>". The server ends on its own after
// kLifetimeSeconds and is always stopped by the destructor.
class CHttpTestServer
{
public:
    static constexpr int kLifetimeSeconds = 120;

    explicit CHttpTestServer(std::filesystem::path folder);
    ~CHttpTestServer();
    CHttpTestServer(const CHttpTestServer&) = delete;
    CHttpTestServer& operator=(const CHttpTestServer&) = delete;

    // False (with Error()) when the server did not come up.
    bool IsRunning() const { return m_port > 0; }
    const std::string& Error() const { return m_error; }
    int Port() const { return m_port; }
    // "http://127.0.0.1:<port>" followed by path (which starts with "/").
    std::string Url(const std::string& path) const;
    // The logged requests so far.
    std::string Requests() const;

private:
    std::filesystem::path m_folder;
    pid_t m_pid = -1;
    int m_port = 0;
    std::string m_error;
};

// A server that accepts connections and never answers: what a dead or hanging server looks like
// to a client. Stopped by the destructor.
class CSilentTestServer
{
public:
    CSilentTestServer();
    ~CSilentTestServer();
    CSilentTestServer(const CSilentTestServer&) = delete;
    CSilentTestServer& operator=(const CSilentTestServer&) = delete;

    int Port() const { return m_port; }
    std::string Url(const std::string& path) const;

private:
    int m_socket = -1;
    int m_port = 0;
};
