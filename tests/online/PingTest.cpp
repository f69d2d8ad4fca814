#include "online/Ping.h"

#include <cstring>
#include <gtest/gtest.h>

namespace
{
template <class T>
T Read(const CPing::Request& request, std::size_t offset)
{
    T value;
    std::memcpy(&value, request.data() + offset, sizeof value);
    return value;
}
} // namespace

TEST(PingTest, EchoRequestLayout)
{
    CPing::ResetCountersForTests();
    const CPing::Request request = CPing::BuildEchoRequest(0x12345678u);
    ASSERT_EQ(request.size(), 45u);
    EXPECT_EQ(request[0], 8); // echo request
    EXPECT_EQ(request[1], 0); // code
    EXPECT_EQ(request[8], 0); // pad
    EXPECT_EQ(Read<std::uint32_t>(request, 9), 0x12345678u);
    for (std::size_t i = 0; i < 32; ++i)
        EXPECT_EQ(request[13 + i], 0x20 + i) << "data byte " << i;
}

TEST(PingTest, ChecksumOfAFinishedRequestIsZero)
{
    CPing::ResetCountersForTests();
    // Several tick values, so carries of the ones' complement sum are exercised.
    for (std::uint32_t tick : {0u, 1u, 0xFFFFu, 0xFFFFFFFFu, 0x80008000u, 123456789u})
    {
        const CPing::Request request = CPing::BuildEchoRequest(tick);
        EXPECT_EQ(CPing::Checksum(request.data(), request.size()), 0) << "tick " << tick;
        EXPECT_NE(Read<std::uint16_t>(request, 2), 0) << "tick " << tick;
    }
}

TEST(PingTest, ChecksumOfKnownWords)
{
    // RFC 1071's example words 0x0001, 0xF203, 0xF4F5, 0xF6F7 sum to 0x2DDF0, folded 0xDDF2,
    // complemented 0x220D; an odd last byte counts as a word padded with zero.
    const std::uint16_t words[] = {0x0001, 0xF203, 0xF4F5, 0xF6F7};
    EXPECT_EQ(CPing::Checksum(reinterpret_cast<const std::uint8_t*>(words), sizeof words), 0x220D);
    const std::uint8_t odd[] = {0xFF};
    EXPECT_EQ(CPing::Checksum(odd, 1), static_cast<std::uint16_t>(~std::uint16_t{0x00FF}));
}

TEST(PingTest, CountersGrowByOneInBothFields)
{
    CPing::ResetCountersForTests();
    for (std::uint16_t expected = 1; expected <= 3; ++expected)
    {
        const CPing::Request request = CPing::BuildEchoRequest(0);
        EXPECT_EQ(Read<std::uint16_t>(request, 4), expected);
        EXPECT_EQ(Read<std::uint16_t>(request, 6), expected);
    }
}

TEST(PingTest, LoopbackAnswers)
{
    CPing ping;
    const bool answered = ping.Ping(3, "127.0.0.1");
    if (ping.SocketRefused())
        GTEST_SKIP() << "neither raw nor datagram ICMP sockets are allowed to this user";
    EXPECT_TRUE(answered);
    EXPECT_EQ(ping.LastReply().rfind("Reply[1] from: 127.0.0.1: bytes=32 time=", 0), 0u)
        << ping.LastReply();
}

TEST(PingTest, UnresolvableHostFails)
{
    CPing ping;
    EXPECT_FALSE(ping.Ping(1, "no-such-host.invalid"));
}
