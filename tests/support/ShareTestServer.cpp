#include "support/ShareTestServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace
{
constexpr int kStartTimeoutMs = 15000;

// Serves home to one user in passive mode, prints its port, ends itself after the lifetime.
constexpr const char* kFtpScript = R"PY(
import os, sys, threading
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer
home, user, password, lifetime, throttle = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), int(sys.argv[5])
threading.Timer(lifetime, lambda: os._exit(0)).start()
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, home, perm="elradfmwMT")
handler = FTPHandler
handler.authorizer = authorizer
handler.passive_ports = range(40000, 60000)
if throttle > 0:
    dtp = ThrottledDTPHandler
    dtp.read_limit = throttle
    dtp.write_limit = throttle
    handler.dtp_handler = dtp
import logging
logging.getLogger("pyftpdlib").setLevel(logging.ERROR)
server = FTPServer(("127.0.0.1", 0), handler)
print(server.address[1], flush=True)
server.serve_forever()
)PY";

int FreePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        ::close(fd);
    return port;
}

bool OnPath(const char* program)
{
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool Quiet(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

// Debian's python3-pyftpdlib belongs to the system's Python, which another python3 on the PATH
// (a pyenv shim) would not see.
std::string SystemPython()
{
    return fs::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
}

std::string Lifetime()
{
    return std::to_string(CShareTestServer::kLifetimeSeconds);
}
} // namespace

CShareTestServer::CShareTestServer(EKind kind, fs::path home, int throttleBytesPerSecond)
    : m_kind(kind), m_home(std::move(home))
{
    fs::create_directories(m_home);
    m_work = m_home.string() + "-server";
    fs::create_directories(m_work);
    switch (kind)
    {
    case EKind::Ftp:
        if (!Quiet(SystemPython() + " -c 'import pyftpdlib'"))
        {
            m_problem = "python3-pyftpdlib is not installed";
            return;
        }
        Spawn({SystemPython(), "-c", kFtpScript, m_home.string(), m_user, m_password, Lifetime(),
               std::to_string(throttleBytesPerSecond)},
              true);
        break;
    case EKind::WebDav:
        if (!OnPath("rclone"))
        {
            m_problem = "rclone is not installed";
            return;
        }
        m_port = FreePort();
        Spawn({"timeout", "-s", "KILL", Lifetime(), "rclone", "serve", "webdav", "--addr",
               "127.0.0.1:" + std::to_string(m_port), "--user", m_user, "--pass", m_password,
               "--dir-cache-time", "0s", "--config", (m_work / "rclone.conf").string(),
               m_home.string()},
              false);
        break;
    case EKind::Ftps:
    {
        if (::geteuid() != 0)
        {
            m_problem = "FTPS tests need root (vsftpd logs in a system user)";
            return;
        }
        if (!OnPath("vsftpd") || !OnPath("openssl"))
        {
            m_problem = "vsftpd or openssl is not installed";
            return;
        }
        m_systemUser = "velftp" + std::to_string(::getpid() % 100000);
        m_user = m_systemUser;
        Quiet("userdel -r " + m_systemUser);
        // The folders above the home must let the user through; PAM wants a shell of /etc/shells.
        fs::permissions(m_home.parent_path(),
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        if (!Quiet("useradd -M -d " + m_home.string() + " -s /bin/sh " + m_systemUser) ||
            !Quiet("echo '" + m_systemUser + ":" + m_password + "' | chpasswd"))
        {
            m_problem = "the temporary system user could not be made";
            return;
        }
        Quiet("chown " + m_systemUser + " " + m_home.string());
        m_certificate = m_work / "cert.pem";
        const fs::path key = m_work / "key.pem";
        if (!Quiet("openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 "
                   "-addext subjectAltName=IP:127.0.0.1 -keyout " +
                   key.string() + " -out " + m_certificate.string()))
        {
            m_problem = "the certificate could not be made";
            return;
        }
        fs::create_directories(m_work / "empty");
        m_port = FreePort();
        const fs::path config = m_work / "vsftpd.conf";
        std::ofstream(config) << "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\n"
                              << "listen_port=" << m_port << "\n"
                              << "anonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\n"
                              << "local_umask=022\npasv_enable=YES\n"
                              << "pasv_min_port=40000\npasv_max_port=60000\n"
                              << "ssl_enable=YES\nforce_local_logins_ssl=YES\n"
                              << "force_local_data_ssl=YES\nrequire_ssl_reuse=NO\n"
                              << "rsa_cert_file=" << m_certificate.string() << "\n"
                              << "rsa_private_key_file=" << key.string() << "\n"
                              << "secure_chroot_dir=" << (m_work / "empty").string() << "\n"
                              << "seccomp_sandbox=NO\nbackground=NO\ncheck_shell=NO\n"
                              << "pam_service_name=vsftpd\nuserlist_enable=NO\n";
        Spawn({"timeout", "-s", "KILL", Lifetime(), "vsftpd", config.string()}, false);
        break;
    }
    }
}

bool CShareTestServer::Spawn(const std::vector<std::string>& arguments, bool readPort)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
    {
        m_problem = "pipe failed";
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    // The servers log every command; the test's own output stays readable.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A group of its own, so Kill ends "timeout" and the server it started together.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int rc = ::posix_spawnp(&m_pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    ::close(pipeEnds[1]);
    if (rc != 0)
    {
        m_pid = -1;
        ::close(pipeEnds[0]);
        m_problem = arguments[0] + " could not be started";
        return false;
    }
    if (readPort)
    {
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
        m_port = std::atoi(line.c_str());
    }
    ::close(pipeEnds[0]);
    if (m_port <= 0 || !WaitUntilListening())
    {
        m_problem = "the server did not start";
        Kill();
        return false;
    }
    return true;
}

bool CShareTestServer::WaitUntilListening()
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartTimeoutMs);
    while (std::chrono::steady_clock::now() < end)
    {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<uint16_t>(m_port));
        const bool up = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        ::close(fd);
        if (up)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void CShareTestServer::Kill()
{
    if (m_pid > 0)
    {
        ::kill(-m_pid, SIGKILL);
        ::kill(m_pid, SIGKILL);
        int status = 0;
        while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR)
        {
        }
        m_pid = -1;
    }
}

CShareTestServer::~CShareTestServer()
{
    Kill();
    if (!m_systemUser.empty())
        Quiet("userdel " + m_systemUser);
    std::error_code ignored;
    fs::remove_all(m_work, ignored);
}

std::string CShareTestServer::ServerText() const
{
    if (m_kind == EKind::WebDav)
        return "http://127.0.0.1:" + std::to_string(m_port) + "/";
    return "127.0.0.1";
}
