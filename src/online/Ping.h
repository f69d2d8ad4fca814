#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class CCancelToken;
struct sockaddr_in;

// An ICMP echo ("ping") of one IPv4 host. It opens a raw ICMP socket and, where raw sockets are
// not permitted, an unprivileged ICMP datagram socket; the kernel hands the datagram socket's
// replies over without their IP header, so a reply is read by the kind of socket it came on.
//
// The echo request is 45 bytes in the host's byte order: type 8, code 0, the checksum, the
// identifier and the sequence (the low 16 bits of two process-wide counters, each starting at 1),
// a pad byte, the tick count (milliseconds) and the 32 data bytes 0x20 to 0x3F. Any datagram that
// arrives within a second of a request counts as the reply; its type, identifier and sequence are
// not examined.
class CPing
{
public:
    static constexpr std::size_t kRequestSize = 45;
    static constexpr std::size_t kReplyBufferSize = 321;
    static constexpr std::size_t kDataSize = 32;
    static constexpr std::size_t kTimeOffset = 9;
    static constexpr std::size_t kDataOffset = 13;
    static constexpr int kWaitMs = 1000;
    using Request = std::array<std::uint8_t, kRequestSize>;

    // The cancel token (may be null) cuts every wait short.
    explicit CPing(const CCancelToken* cancel = nullptr);
    ~CPing();
    CPing(const CPing&) = delete;
    CPing& operator=(const CPing&) = delete;

    // Up to attempts requests, one second each; true as soon as one reply arrives. The owner is
    // kept for error reports only.
    bool Ping(int attempts, const std::string& host, int owner = 0);

    // The next request: the counters go up by one, the time is the tick count given.
    static Request BuildEchoRequest(std::uint32_t tickCount);
    // The Internet checksum (RFC 1071): the ones' complement of the ones' complement sum of the
    // 16-bit words in host order, an odd last byte padded with zero.
    static std::uint16_t Checksum(const std::uint8_t* data, std::size_t size);
    // Milliseconds since an arbitrary start, wrapping at 2^32.
    static std::uint32_t TickCount();
    // Tests only: both counters start again at 1.
    static void ResetCountersForTests();

    // Bytes sent, or -1.
    int SendEchoRequest(int socket, const sockaddr_in& address);
    // Whether the socket became readable within a second (false at once when cancelled).
    bool WaitReadable(int socket);
    // Receives one datagram: its sender, its TTL (0 when the socket does not tell it) and the
    // time field it echoes (the current tick count when the datagram is too short to hold one).
    // False on a receive error.
    bool ReceiveReply(int socket, sockaddr_in& source, int& ttl, std::uint32_t& echoedTime);

    // "Reply[n] from: a.b.c.d: bytes=32 time=Nms TTL=n" of the last reply.
    const std::string& LastReply() const { return m_lastReply; }
    // True when the last Ping could open no ICMP socket at all.
    bool SocketRefused() const { return m_socketRefused; }

private:
    int OpenSocket();
    void ReportError(const char* operation);

    const CCancelToken* m_cancel;
    int m_owner = 0;
    bool m_datagram = false;
    bool m_socketRefused = false;
    std::string m_lastReply;
};
