#include "online/Ping.h"

#include "online/CancelToken.h"
#include "platform/Trace.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
constexpr std::uint8_t kEchoRequest = 8;
constexpr std::uint8_t kFirstDataByte = 0x20;
constexpr std::size_t kIpTtlOffset = 8;
constexpr std::size_t kMinIpHeader = 20;
constexpr int kSliceMs = 100;
constexpr long kResolvePollNs = 50L * 1000 * 1000;

std::atomic<std::uint32_t> g_identifier{1};
std::atomic<std::uint32_t> g_sequence{1};

template <class T>
void Put(CPing::Request& request, std::size_t offset, T value)
{
    std::memcpy(request.data() + offset, &value, sizeof value);
}

// A name lookup that can be given up: the blocking resolver cannot be interrupted, so the lookup
// runs on the C library's resolver thread and is polled. A lookup still running when cancelled
// is left to finish on its own (its memory is then deliberately not reclaimed: the resolver
// thread still writes to it).
struct SLookup
{
    std::string name;
    addrinfo hints{};
    gaicb request{};
};

bool ResolveIPv4(const std::string& host, const CCancelToken* cancel, sockaddr_in& address)
{
    address = {};
    address.sin_family = AF_INET;
    if (::inet_pton(AF_INET, host.c_str(), &address.sin_addr) == 1)
        return true;
    if (host.empty())
        return false;

    auto* lookup = new SLookup;
    lookup->name = host;
    lookup->hints.ai_family = AF_INET;
    lookup->request.ar_name = lookup->name.c_str();
    lookup->request.ar_request = &lookup->hints;
    gaicb* list[1] = {&lookup->request};
    if (::getaddrinfo_a(GAI_NOWAIT, list, 1, nullptr) != 0)
    {
        delete lookup;
        return false;
    }
    while (::gai_error(&lookup->request) == EAI_INPROGRESS)
    {
        if (IsCancelled(cancel))
        {
            if (::gai_cancel(&lookup->request) == EAI_NOTCANCELED)
                return false; // still running: see above
            break;
        }
        const timespec slice{0, kResolvePollNs};
        ::gai_suspend(list, 1, &slice);
    }
    bool found = false;
    if (::gai_error(&lookup->request) == 0 && lookup->request.ar_result != nullptr)
    {
        for (addrinfo* entry = lookup->request.ar_result; entry != nullptr; entry = entry->ai_next)
        {
            if (entry->ai_family == AF_INET && entry->ai_addrlen >= sizeof(sockaddr_in))
            {
                std::memcpy(&address, entry->ai_addr, sizeof(sockaddr_in));
                address.sin_port = 0;
                found = true;
                break;
            }
        }
    }
    if (lookup->request.ar_result != nullptr)
        ::freeaddrinfo(lookup->request.ar_result);
    delete lookup;
    return found;
}
} // namespace

CPing::CPing(const CCancelToken* cancel) : m_cancel(cancel) {}

CPing::~CPing() = default;

std::uint32_t CPing::TickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void CPing::ResetCountersForTests()
{
    g_identifier = 1;
    g_sequence = 1;
}

std::uint16_t CPing::Checksum(const std::uint8_t* data, std::size_t size)
{
    std::uint32_t sum = 0;
    std::size_t i = 0;
    for (; i + 1 < size; i += 2)
    {
        std::uint16_t word;
        std::memcpy(&word, data + i, sizeof word);
        sum += word;
    }
    if (i < size)
    {
        std::uint16_t word = 0;
        std::memcpy(&word, data + i, 1);
        sum += word;
    }
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<std::uint16_t>(~sum);
}

CPing::Request CPing::BuildEchoRequest(std::uint32_t tickCount)
{
    Request request{};
    request[0] = kEchoRequest;
    request[1] = 0;
    Put(request, 4, static_cast<std::uint16_t>(g_identifier.fetch_add(1)));
    Put(request, 6, static_cast<std::uint16_t>(g_sequence.fetch_add(1)));
    request[8] = 0;
    Put(request, kTimeOffset, tickCount);
    for (std::size_t i = 0; i < kDataSize; ++i)
        request[kDataOffset + i] = static_cast<std::uint8_t>(kFirstDataByte + i);
    Put(request, 2, Checksum(request.data(), request.size()));
    return request;
}

int CPing::OpenSocket()
{
    m_datagram = false;
    int fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd >= 0)
        return fd;
    // Unprivileged ICMP ("ping sockets"), allowed by net.ipv4.ping_group_range.
    fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0)
        return -1;
    m_datagram = true;
    const int on = 1;
    ::setsockopt(fd, IPPROTO_IP, IP_RECVTTL, &on, sizeof on);
    return fd;
}

void CPing::ReportError(const char*)
{
    // Failures end in false; nothing is shown to the user.
}

int CPing::SendEchoRequest(int socket, const sockaddr_in& address)
{
    const Request request = BuildEchoRequest(TickCount());
    const ssize_t sent = ::sendto(socket, request.data(), request.size(), 0,
                                  reinterpret_cast<const sockaddr*>(&address), sizeof address);
    if (sent < 0)
    {
        Trace("CPing::SendEchoRequest", " soketError = " + std::to_string(errno));
        ReportError("sendto()");
        return -1;
    }
    return static_cast<int>(sent);
}

bool CPing::WaitReadable(int socket)
{
    for (int waited = 0; waited < kWaitMs; waited += kSliceMs)
    {
        if (IsCancelled(m_cancel))
            return false;
        pollfd entry{socket, POLLIN, 0};
        const int ready = ::poll(&entry, 1, kSliceMs);
        if (ready > 0)
            return true;
        if (ready < 0 && errno != EINTR)
            return false;
    }
    return false;
}

bool CPing::ReceiveReply(int socket, sockaddr_in& source, int& ttl, std::uint32_t& echoedTime)
{
    std::uint8_t buffer[kReplyBufferSize];
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int)) * 2];
    iovec part{buffer, sizeof buffer};
    msghdr message{};
    message.msg_name = &source;
    message.msg_namelen = sizeof source;
    message.msg_iov = &part;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    const ssize_t received = ::recvmsg(socket, &message, 0);
    if (received < 0)
    {
        ReportError("recvfrom()");
        return false;
    }
    const auto size = static_cast<std::size_t>(received);
    ttl = 0;
    std::size_t icmpOffset = 0;
    if (m_datagram)
    {
        for (cmsghdr* entry = CMSG_FIRSTHDR(&message); entry != nullptr;
             entry = CMSG_NXTHDR(&message, entry))
            if (entry->cmsg_level == IPPROTO_IP && entry->cmsg_type == IP_TTL)
                std::memcpy(&ttl, CMSG_DATA(entry), sizeof ttl);
    }
    else
    {
        // A raw socket gives the whole IPv4 packet; its header is usually 20 bytes, longer with
        // options.
        icmpOffset = size > 0 ? static_cast<std::size_t>(buffer[0] & 0x0F) * 4 : kMinIpHeader;
        if (icmpOffset < kMinIpHeader)
            icmpOffset = kMinIpHeader;
        if (size > kIpTtlOffset)
            ttl = buffer[kIpTtlOffset];
    }
    if (size >= icmpOffset + kTimeOffset + sizeof echoedTime)
        std::memcpy(&echoedTime, buffer + icmpOffset + kTimeOffset, sizeof echoedTime);
    else
        echoedTime = TickCount();
    return true;
}

bool CPing::Ping(int attempts, const std::string& host, int owner)
{
    m_owner = owner;
    m_socketRefused = false;
    Trace("Ping", "- Enter");
    const int fd = OpenSocket();
    if (fd < 0)
    {
        Trace("CPing::Ping", "- rawSocket == SOCKET_ERROR");
        ReportError("socket()");
        m_socketRefused = true;
        return false;
    }
    sockaddr_in address{};
    if (!ResolveIPv4(host, m_cancel, address))
    {
        Trace("CPing::Ping", ": lpHost == NULL");
        ::close(fd);
        return false;
    }

    bool connected = false;
    for (int attempt = 0; attempt < attempts && !IsCancelled(m_cancel); ++attempt)
    {
        SendEchoRequest(fd, address);
        if (WaitReadable(fd))
        {
            sockaddr_in source{};
            int ttl = 0;
            std::uint32_t echoed = 0;
            if (ReceiveReply(fd, source, ttl, echoed))
            {
                char dotted[INET_ADDRSTRLEN] = {};
                ::inet_ntop(AF_INET, &source.sin_addr, dotted, sizeof dotted);
                const auto elapsed = static_cast<long>(TickCount() - echoed);
                m_lastReply = "Reply[" + std::to_string(attempt + 1) + "] from: " + dotted +
                              ": bytes=" + std::to_string(kDataSize) +
                              " time=" + std::to_string(elapsed) + "ms TTL=" + std::to_string(ttl);
                Trace("CPing::Ping", m_lastReply);
            }
            Trace("CPing::Ping", " connected = true");
            connected = true;
            break;
        }
        Trace("CPing::Ping", ": Loop iter number = " + std::to_string(attempt));
    }
    ::close(fd);
    return connected;
}
