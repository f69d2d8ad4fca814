#include "CliTestSupport.h"
#include "platform/ProfileFile.h"
#include "support/ShareTestServer.h"

#include <iostream>
#include <sstream>

namespace
{
using EKind = CShareTestServer::EKind;

class ShareCommandsTest : public CCliTest
{
protected:
    // Runs with standard input reading text.
    SCliRun RunWithInput(const std::string& text, std::vector<std::string> arguments)
    {
        std::istringstream input(text);
        std::streambuf* old = std::cin.rdbuf(input.rdbuf());
        const SCliRun run = Run(std::move(arguments));
        std::cin.rdbuf(old);
        return run;
    }
};

TEST_F(ShareCommandsTest, SettingsThenUploadsAndADownloadThatAsks)
{
    CTempDir temp;
    CShareTestServer server(EKind::WebDav, temp / "server");
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    ASSERT_EQ(Run({"add-task", "Book the hall"}).status, 0);

    SCliRun run = RunWithInput(server.Password() + "\n",
                               {"share-settings", "--protocol", "webdav", "--host",
                                server.ServerText(), "--user", server.User(), "--password-stdin",
                                "--save-password", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["shareSettings"]["protocol"], "webdav");
    const std::string settings = ReadBytes(m_root / "DB" / "Settings.ini");
    EXPECT_NE(settings.find("FtpProtocol=2"), std::string::npos) << settings;
    EXPECT_EQ(settings.find(server.Password()), std::string::npos);

    run = Run({"share-upload"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "Uploaded version 1\n");
    run = Run({"share-upload", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["upload"]["version"], 2);
    EXPECT_EQ(ReadProfileInt(m_root / "DB" / "Checkpoint.ini", "Checkpoint", "CpIndex", -1), 2);
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "Tasks.ini"),
              ReadBytes(m_root / "DB" / "Tasks.ini"));

    run = Run({"share-download", "--no"});
    EXPECT_EQ(run.status, 1) << "equal versions ask, and --no declines";
    EXPECT_NE(run.err.find("Same date or older data"), std::string::npos) << run.err;
    run = Run({"share-download", "--yes"});
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(ShareCommandsTest, BadValuesAreUsageErrorsAndMissingDetailsRefuse)
{
    EXPECT_EQ(Run({"share-settings", "--protocol", "gopher"}).status, 2);
    EXPECT_EQ(Run({"share-settings", "--port", "70000"}).status, 2);
    EXPECT_EQ(Run({"share-settings", "--auto-upload", "2"}).status, 2);
    const SCliRun run = Run({"share-upload"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Missing connection parameters"), std::string::npos) << run.err;
}
} // namespace
