#include "support/HttpTestServer.h"

#include "support/TempDir.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace
{
constexpr int kStartTimeoutMs = 10000;

// Prints its port, serves the folder given as first argument, logs each request and ends itself
// after the lifetime given as second argument.
constexpr const char* kServerScript = R"PY(
import http.server, os, sys, threading
folder, lifetime = sys.argv[1], int(sys.argv[2])
threading.Timer(lifetime, lambda: os._exit(0)).start()
log = open(os.path.join(folder, "requests.log"), "a", buffering=1)
class Handler(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *args, **kwargs):
        super().__init__(*args, directory=folder, **kwargs)
    def log_message(self, *args):
        pass
    def do_GET(self):
        log.write("%s %s\n" % (self.path, self.headers.get("User-Agent", "")))
        super().do_GET()
server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
)PY";

int ListenOnFreePort(int& port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    {
        ::close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}
} // namespace

CHttpTestServer::CHttpTestServer(std::filesystem::path folder) : m_folder(std::move(folder))
{
    std::filesystem::create_directories(m_folder);
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
    {
        m_error = "pipe failed";
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    const std::string folderText = m_folder.string();
    const std::string lifetime = std::to_string(kLifetimeSeconds);
    std::vector<char*> argv = {
        const_cast<char*>("python3"),        const_cast<char*>("-c"),
        const_cast<char*>(kServerScript),    const_cast<char*>(folderText.c_str()),
        const_cast<char*>(lifetime.c_str()), nullptr};
    const int rc = ::posix_spawnp(&m_pid, "python3", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (rc != 0)
    {
        m_pid = -1;
        ::close(pipeEnds[0]);
        m_error = "python3 could not be started";
        return;
    }
    std::string line;
    pollfd entry{pipeEnds[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && ::poll(&entry, 1, kStartTimeoutMs) > 0)
    {
        char buffer[64];
        const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        line.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    m_port = std::atoi(line.c_str());
    if (m_port <= 0)
        m_error = "the HTTP server did not start: " + line;
}

CHttpTestServer::~CHttpTestServer()
{
    if (m_pid > 0)
    {
        ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR)
        {
        }
    }
}

std::string CHttpTestServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::string CHttpTestServer::Requests() const
{
    return ReadBytes(m_folder / "requests.log");
}

CSilentTestServer::CSilentTestServer()
{
    m_socket = ListenOnFreePort(m_port);
}

CSilentTestServer::~CSilentTestServer()
{
    if (m_socket >= 0)
        ::close(m_socket);
}

std::string CSilentTestServer::Url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}
