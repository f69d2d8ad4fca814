// Sharing an event between two computers through real FTP, FTPS and WebDAV servers on 127.0.0.1.

#include "edits/ShareEdits.h"

#include "model/Guest.h"
#include "platform/Environment.h"
#include "platform/Language.h"
#include "platform/ProfileFile.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"
#include "support/EnvGuard.h"
#include "support/ScriptedPrompt.h"
#include "support/ShareTestServer.h"
#include "support/TempDir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace fs = std::filesystem;

namespace
{
using EKind = CShareTestServer::EKind;

std::string GuestsXml(const std::string& name, std::size_t padding = 0)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n<WeddingData>\r\n<Guests>\r\n<Guest>"
           "<UniqueId>1001</UniqueId><gsName><![CDATA[" +
           name + "]]></gsName><gsInfo><![CDATA[" + std::string(padding, 'x') +
           "]]></gsInfo></Guest>\r\n</Guests>\r\n</WeddingData>\r\n";
}

// One computer: its own data root with the event DB, a scripted prompt and a document.
struct SComputer
{
    CTempDir root;
    CScriptedPrompt prompt;
    std::unique_ptr<CProgramFolders> folders;
    std::unique_ptr<CNewOrvDoc> doc;

    fs::path File(const std::string& name) const { return root / "DB" / name; }
    CNewOrvDoc& Open()
    {
        doc.reset();
        folders = std::make_unique<CProgramFolders>(root.Path(), root / "program", false, true);
        doc = std::make_unique<CNewOrvDoc>(*folders, prompt);
        EXPECT_TRUE(doc->OnNewDocument());
        return *doc;
    }
    // What a restart keeps: the shutdown writes, then a new document.
    CNewOrvDoc& Restart()
    {
        EXPECT_TRUE(doc->WriteShutdownState());
        return Open();
    }
    void Connect(const CShareTestServer& server, EKind kind, bool savePassword = false)
    {
        Edits::SShareSettings values;
        values.protocol = kind == EKind::Ftp    ? kShareFtp
                          : kind == EKind::Ftps ? kShareFtps
                                                : kShareWebDav;
        values.server = server.ServerText();
        values.port = kind == EKind::WebDav ? 0 : server.Port();
        values.user = server.User();
        values.password = server.Password();
        values.caFile = server.Certificate().string();
        values.savePassword = savePassword;
        Edits::ApplyShareSettings(*doc, values);
    }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const auto& asked : prompt.Asked())
            captions.push_back(asked.caption);
        return captions;
    }
};

std::string Caption(int id)
{
    return LoadString(id);
}

int ServerVersion(const CShareTestServer& server)
{
    return ReadProfileInt(server.Home() / "DB" / "Checkpoint.ini", "Checkpoint", "CpIndex", -1);
}

class ShareEditsTest : public ::testing::TestWithParam<EKind>
{
protected:
    void SetUp() override { SetUiLanguage(ELanguage::English); }
};

TEST_P(ShareEditsTest, UploadsRaiseTheVersionAndADownloadBringsTheSameBytes)
{
    CTempDir temp;
    CShareTestServer server(GetParam(), temp / "server");
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();

    SComputer ours;
    const std::string data = GuestsXml("\xD7\x93\xD7\xA0\xD7\x94 Levi");
    const std::string tasks("\xFF\xFE[\0T\0]\0\r\0\n\0", 12); // UTF-16 with CR LF
    WriteBytes(ours.File("WeddingData.xml"), data);
    WriteBytes(ours.File("Tasks.ini"), tasks);
    CNewOrvDoc& doc = ours.Open();
    ours.Connect(server, GetParam());
    ASSERT_TRUE(doc.SaveEventSettings());

    int version = 0;
    ASSERT_TRUE(Edits::Upload(doc, {}, &version)) << ::testing::PrintToString(ours.Captions());
    EXPECT_EQ(version, 1) << "the first upload to an empty server: version 1 from 0";
    EXPECT_TRUE(ours.prompt.Asked().empty()) << "no version on the server: nothing to ask";
    EXPECT_EQ(ServerVersion(server), 1);
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "WeddingData.xml"), data);
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "Tasks.ini"), tasks);
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "Settings.ini"),
              ReadBytes(ours.File("Settings.ini")));
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "Settings.ini").find(server.Password()),
              std::string::npos)
        << "the password never travels";
    EXPECT_EQ(doc.GetCheckpoint().Get(), 1);

    ASSERT_TRUE(Edits::Upload(doc, {}, &version));
    EXPECT_EQ(version, 2);
    EXPECT_TRUE(ours.prompt.Asked().empty()) << "equal versions before the raise: no question";
    EXPECT_EQ(ServerVersion(server), 2);
    EXPECT_EQ(ReadProfileInt(ours.File("Checkpoint.ini"), "Checkpoint", "CpIndex", -1), 2);

    SComputer theirs;
    CNewOrvDoc& other = theirs.Open();
    theirs.Connect(server, GetParam());
    theirs.prompt.Answer(EAnswer::Yes); // replace the data
    ASSERT_TRUE(Edits::Download(other, {})) << ::testing::PrintToString(theirs.Captions());
    EXPECT_EQ(theirs.Captions(), std::vector<std::string>{Caption(IDS_FTP_REPLACE_DATA_CAPTION)})
        << "a newer server asks only whether to replace";
    EXPECT_EQ(ReadBytes(theirs.File("WeddingData.xml")), data);
    EXPECT_EQ(ReadBytes(theirs.File("Tasks.ini")), tasks);
    EXPECT_EQ(other.GetCheckpoint().Get(), 2);
    ASSERT_EQ(other.GetGuestCount(), 1);
    EXPECT_EQ(other.GetGuestAt(0)->GetFullName().rfind("\xD7\x93\xD7\xA0\xD7\x94 Levi", 0), 0u);

    theirs.prompt.Clear();
    theirs.prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::Download(other, {}));
    EXPECT_EQ(theirs.Captions(),
              std::vector<std::string>{Caption(IDS_FTP_SERVER_NOT_NEWER_CAPTION)})
        << "equal versions ask 59828 first, and No ends the download";

    // The other side uploads without having downloaded: the server's newer version asks.
    SComputer third;
    WriteBytes(third.File("WeddingData.xml"), GuestsXml("Stranger"));
    CNewOrvDoc& stranger = third.Open();
    third.Connect(server, GetParam());
    third.prompt.Answer(EAnswer::No);
    EXPECT_FALSE(Edits::Upload(stranger, {}));
    EXPECT_EQ(third.Captions(), std::vector<std::string>{Caption(IDS_FTP_SERVER_NEWER_CAPTION)});
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "WeddingData.xml"), data) << "No sends nothing";
    third.prompt.Answer(EAnswer::Yes);
    ASSERT_TRUE(Edits::Upload(stranger, {}, &version));
    EXPECT_EQ(version, 3) << "Yes takes the server's version, then raises it";
}

INSTANTIATE_TEST_SUITE_P(Servers, ShareEditsTest,
                         ::testing::Values(EKind::Ftp, EKind::Ftps, EKind::WebDav),
                         [](const ::testing::TestParamInfo<EKind>& param)
                         {
                             return param.param == EKind::Ftp    ? std::string("Ftp")
                                    : param.param == EKind::Ftps ? std::string("Ftps")
                                                                 : std::string("WebDav");
                         });

// Runs the call on a thread of its own and kills the server once it had time to start sending.
template <class Call>
bool KillServerDuring(CShareTestServer& server, Call call)
{
    bool result = true;
    std::thread transfer([&] { result = call(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    server.Kill();
    transfer.join();
    return result;
}

TEST(ShareEdits, AServerThatDiesInADownloadLeavesTheEventUntouched)
{
    CTempDir temp;
    CShareTestServer server(EKind::Ftp, temp / "server", 200000);
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    WriteBytes(server.Home() / "DB" / "Checkpoint.ini", "[Checkpoint]\r\nCpIndex=7\r\n");
    WriteBytes(server.Home() / "DB" / "Guests.ini", "[Guest0]\r\n");
    WriteBytes(server.Home() / "DB" / "WeddingData.xml", GuestsXml("Remote", 3000000));

    // A temporary folder of this test alone, so other test programs' transfers do not show.
    CTempDir privateTemp;
    CEnvGuard tmpdir("TMPDIR", privateTemp.Path().c_str());
    SComputer ours;
    const std::string data = GuestsXml("Local");
    WriteBytes(ours.File("WeddingData.xml"), data);
    CNewOrvDoc& doc = ours.Open();
    ours.Connect(server, EKind::Ftp);
    EXPECT_FALSE(KillServerDuring(server, [&] { return Edits::Download(doc, {}); }));
    EXPECT_EQ(ours.Captions(), std::vector<std::string>{Caption(IDS_FTP_CONNECT_FAILED_CAPTION)});
    EXPECT_EQ(ReadBytes(ours.File("WeddingData.xml")), data);
    EXPECT_FALSE(fs::exists(ours.File("Guests.ini"))) << "a file that did arrive is not taken";
    EXPECT_EQ(doc.GetCheckpoint().Get(), 0);
    ASSERT_EQ(doc.GetGuestCount(), 1);
    EXPECT_EQ(doc.GetGuestAt(0)->GetFullName().rfind("Local", 0), 0u);
    for (const auto& entry : fs::directory_iterator(PrivateTempFolder()))
        EXPECT_NE(entry.path().filename().string().rfind("share-", 0), 0u)
            << "the received files are removed: " << entry.path();
}

TEST(ShareEdits, AServerThatDiesInAnUploadKeepsItsFilesAndVersion)
{
    CTempDir temp;
    CShareTestServer server(EKind::Ftp, temp / "server", 200000);
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    const std::string before = GuestsXml("Before");
    WriteBytes(server.Home() / "DB" / "Checkpoint.ini", "[Checkpoint]\r\nCpIndex=3\r\n");
    WriteBytes(server.Home() / "DB" / "WeddingData.xml", before);

    SComputer ours;
    WriteBytes(ours.File("WeddingData.xml"), GuestsXml("Big", 3000000));
    WriteBytes(ours.File("Checkpoint.ini"), "[Checkpoint]\r\nCpIndex=3\r\n");
    CNewOrvDoc& doc = ours.Open();
    ours.Connect(server, EKind::Ftp);
    EXPECT_FALSE(KillServerDuring(server, [&] { return Edits::Upload(doc, {}); }));
    EXPECT_EQ(ReadBytes(server.Home() / "DB" / "WeddingData.xml"), before)
        << "the half file never took the real name";
    EXPECT_EQ(ServerVersion(server), 3) << "no new version announced";
    EXPECT_EQ(doc.GetCheckpoint().Get(), 3);
    EXPECT_EQ(ReadProfileInt(ours.File("Checkpoint.ini"), "Checkpoint", "CpIndex", -1), 3);
}

TEST(ShareEdits, WithoutSavePasswordTheDialogOpensAfterARestart)
{
    for (const bool savePassword : {false, true})
    {
        CTempDir temp;
        CShareTestServer server(EKind::Ftp, temp / "server");
        if (!server.Problem().empty())
            GTEST_SKIP() << server.Problem();
        SComputer ours;
        CNewOrvDoc& doc = ours.Open();
        ours.Connect(server, EKind::Ftp, savePassword);
        int dialogs = 0;
        Edits::SShareHooks hooks;
        hooks.editSettings = [&]
        {
            ++dialogs;
            return false; // the user cancels the dialog
        };
        EXPECT_TRUE(Edits::Upload(doc, hooks)) << "the password serves this run";
        EXPECT_EQ(dialogs, 0);

        CNewOrvDoc& again = ours.Restart();
        EXPECT_EQ(ReadBytes(ours.File("Settings.ini")).find(server.Password()), std::string::npos);
        EXPECT_EQ(Edits::Upload(again, hooks), savePassword);
        EXPECT_EQ(dialogs, savePassword ? 0 : 1) << "save password " << savePassword;
        if (!savePassword)
        {
            EXPECT_EQ(ours.Captions().back(), Caption(IDS_FTP_MISSING_PARAMETERS_CAPTION));
        }
    }
}

TEST(ShareEdits, FtpsToAServerWithoutTlsIsRefusedClearly)
{
    CTempDir temp;
    CShareTestServer server(EKind::Ftp, temp / "server");
    if (!server.Problem().empty())
        GTEST_SKIP() << server.Problem();
    SComputer ours;
    CNewOrvDoc& doc = ours.Open();
    ours.Connect(server, EKind::Ftps);
    EXPECT_FALSE(Edits::Upload(doc, {}));
    ASSERT_EQ(ours.prompt.Asked().size(), 1u);
    EXPECT_NE(ours.prompt.Asked()[0].text.find("TLS"), std::string::npos);
    EXPECT_FALSE(fs::exists(server.Home() / "DB")) << "nothing was sent";
}
} // namespace
