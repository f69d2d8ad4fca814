#include "online/ShareConnection.h"

#include "online/CancelToken.h"
#include "support/ShareTestServer.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace
{
using EKind = CShareTestServer::EKind;

// Bytes an ASCII transfer would damage: CR LF and lone LF, a UTF-16 text with its byte-order
// mark, zero bytes, UTF-8 Hebrew.
std::string TrickyBytes()
{
    std::string bytes = "line one\r\nline two\nthird\r";
    const char utf16[] = {'\xFF', '\xFE', 'a', '\0', 'b', '\0', '\n', '\0', '\r', '\0'};
    bytes.append(utf16, sizeof utf16);
    bytes += std::string(3, '\0') + "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D";
    for (int i = 0; i < 100000; ++i)
        bytes += static_cast<char>(i * 7);
    return bytes;
}

SShareServer ServerOf(const CShareTestServer& server, EKind kind)
{
    SShareServer settings;
    settings.protocol = kind == EKind::Ftp    ? kShareFtp
                        : kind == EKind::Ftps ? kShareFtps
                                              : kShareWebDav;
    settings.server = server.ServerText();
    settings.port = kind == EKind::WebDav ? 0 : server.Port();
    settings.user = server.User();
    settings.password = server.Password();
    settings.caFile = server.Certificate().string();
    return settings;
}

class ShareConnectionTest : public ::testing::TestWithParam<EKind>
{
};

TEST_P(ShareConnectionTest, FilesTravelByteForByteUnderTemporaryNames)
{
    CTempDir temp;
    CShareTestServer server(GetParam(), temp / "server");
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    CShareConnection connection(ServerOf(server, GetParam()), nullptr);

    EXPECT_EQ(connection.Fetch("Checkpoint.ini", temp / "cp").result, EShareResult::Absent)
        << "no DB folder yet: a first upload, not a failure";
    EXPECT_FALSE(fs::exists(temp / "cp"));
    EXPECT_FALSE(fs::exists(temp / "cp.part"));

    const std::string bytes = TrickyBytes();
    WriteBytes(temp / "local" / "WeddingData.xml", bytes);
    WriteBytes(temp / "local" / "AppSettings.ini", "[x]\r\ny=1\r\n");
    SShareOutcome put = connection.Put(temp / "local" / "WeddingData.xml", "WeddingData.xml");
    ASSERT_EQ(put.result, EShareResult::Done) << put.error;
    put = connection.Put(temp / "local" / "AppSettings.ini", "../AppSettings.ini");
    ASSERT_EQ(put.result, EShareResult::Done) << put.error;
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "WeddingData.xml"), bytes);
    EXPECT_EQ(ReadBytes(server.Home() / "AppSettings.ini"), "[x]\r\ny=1\r\n") << "beside DB";
    EXPECT_EQ(FolderEntries(server.Home() / "DB"), std::set<std::string>{"WeddingData.xml"})
        << "no temporary file stays behind";

    // A second upload replaces the file.
    WriteBytes(temp / "local" / "WeddingData.xml", "v2");
    ASSERT_EQ(connection.Put(temp / "local" / "WeddingData.xml", "WeddingData.xml").result,
              EShareResult::Done);
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "WeddingData.xml"), "v2");

    WriteBytes(server.Home() / "DB" / "Tasks.ini", bytes);
    const SShareOutcome got = connection.Fetch("Tasks.ini", temp / "Tasks.ini");
    ASSERT_EQ(got.result, EShareResult::Done) << got.error;
    EXPECT_EQ(ReadBytes(temp / "Tasks.ini"), bytes);
    EXPECT_EQ(connection.Fetch("Guests.ini", temp / "Guests.ini").result, EShareResult::Absent);
    EXPECT_FALSE(fs::exists(temp / "Guests.ini"));
}

TEST_P(ShareConnectionTest, AWrongPasswordFailsAndACancelledTokenStops)
{
    CTempDir temp;
    CShareTestServer server(GetParam(), temp / "server");
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    SShareServer settings = ServerOf(server, GetParam());
    settings.password = "wrong";
    EXPECT_EQ(CShareConnection(settings, nullptr).Fetch("Checkpoint.ini", temp / "cp").result,
              EShareResult::Failed);

    CCancelToken cancel;
    cancel.Cancel();
    EXPECT_EQ(CShareConnection(ServerOf(server, GetParam()), &cancel)
                  .Fetch("Checkpoint.ini", temp / "cp")
                  .result,
              EShareResult::Cancelled);
}

INSTANTIATE_TEST_SUITE_P(Servers, ShareConnectionTest,
                         ::testing::Values(EKind::Ftp, EKind::Ftps, EKind::WebDav),
                         [](const ::testing::TestParamInfo<EKind>& param)
                         {
                             return param.param == EKind::Ftp    ? std::string("Ftp")
                                    : param.param == EKind::Ftps ? std::string("Ftps")
                                                                 : std::string("WebDav");
                         });

TEST(ShareConnection, FtpsRefusesAServerWithoutTls)
{
    CTempDir temp;
    CShareTestServer server(EKind::Ftp, temp / "server");
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    SShareServer settings = ServerOf(server, EKind::Ftp);
    settings.protocol = kShareFtps;
    const SShareOutcome outcome =
        CShareConnection(settings, nullptr).Fetch("Checkpoint.ini", temp / "cp");
    EXPECT_EQ(outcome.result, EShareResult::Failed);
    EXPECT_TRUE(outcome.noTls) << outcome.error;
}

TEST(ShareConnection, PlainHttpOnlyToThisComputer)
{
    using EProblem = CShareConnection::EAddressProblem;
    const struct
    {
        const char* address;
        EProblem problem;
    } cases[] = {
        {"https://cloud.example/remote.php/dav/files/dana/", EProblem::None},
        {"HTTPS://cloud.example/dav", EProblem::None},
        {"http://127.0.0.1:8080/", EProblem::None},
        {"http://localhost/dav", EProblem::None},
        {"http://[::1]:81/dav", EProblem::None},
        {"http://cloud.example/dav", EProblem::PlainHttp},
        {"http://127.0.0.1.evil.example/dav", EProblem::PlainHttp},
        {"http://localhost@cloud.example/dav", EProblem::PlainHttp},
        {"ftp://cloud.example/", EProblem::NotWebAddress},
        {"cloud.example/dav", EProblem::NotWebAddress},
    };
    for (const auto& c : cases)
    {
        SShareServer settings;
        settings.protocol = kShareWebDav;
        settings.server = c.address;
        EXPECT_EQ(CShareConnection(settings, nullptr).CheckAddress(), c.problem) << c.address;
    }
}

TEST(ShareConnection, FtpAddressesNameTheFolderAndEncodeIt)
{
    SShareServer settings;
    settings.server = "ftp://files.example/";
    EXPECT_EQ(CShareConnection(settings, nullptr).UrlOf("Checkpoint.ini"),
              "ftp://files.example/DB/Checkpoint.ini");
    EXPECT_EQ(CShareConnection(settings, nullptr).UrlOf("../AppSettings.ini"),
              "ftp://files.example/AppSettings.ini");
    settings.folder = "/srv/our wedding";
    EXPECT_EQ(CShareConnection(settings, nullptr).UrlOf("Tasks.ini"),
              "ftp://files.example/%2Fsrv/our%20wedding/DB/Tasks.ini");
}
} // namespace
