#include "edits/ShareEdits.h"

#include "edits/BackupEdits.h"
#include "online/CancelToken.h"
#include "platform/Environment.h"
#include "platform/EventFiles.h"
#include "platform/ProfileFile.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "settings/PasswordStore.h"
#include "store/EventBackup.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"

#include <cstdlib>

namespace fs = std::filesystem;

namespace Edits
{
namespace
{
constexpr int kFileKinds = 13;

// A folder of its own under the private temporary folder for one transfer, removed at the end.
class CWorkFolder
{
public:
    CWorkFolder()
    {
        const fs::path base = PrivateTempFolder();
        if (base.empty())
            return;
        std::string pattern = (base / "share-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
    }
    ~CWorkFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }
    CWorkFolder(const CWorkFolder&) = delete;
    CWorkFolder& operator=(const CWorkFolder&) = delete;
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

void Tell(CNewOrvDoc& doc, const std::string& text, int captionId)
{
    doc.GetPrompt().Ask(text, LoadString(captionId), EButtons::Ok);
}

void TellFailure(CNewOrvDoc& doc, const SShareServer& server, const SShareOutcome& outcome,
                 bool upload)
{
    if (outcome.result == EShareResult::Cancelled)
        Tell(doc, LoadString(upload ? IDS_SHARE_UPLOAD_CANCELLED : IDS_SHARE_DOWNLOAD_CANCELLED),
             IDS_SHARE_CAPTION);
    else if (outcome.noTls)
        Tell(doc, FormatText(LoadString(IDS_SHARE_NO_TLS), {server.server}),
             IDS_FTP_CONNECT_FAILED_CAPTION);
    else
        Tell(doc,
             FormatText(LoadString(IDS_SHARE_FAILED_DETAIL),
                        {LoadString(IDS_FTP_CONNECT_FAILED_TEXT), outcome.error}),
             IDS_FTP_CONNECT_FAILED_CAPTION);
}

bool CheckAddress(CNewOrvDoc& doc, const SShareServer& server)
{
    switch (CShareConnection(server, nullptr).CheckAddress())
    {
    case CShareConnection::EAddressProblem::None:
        return true;
    case CShareConnection::EAddressProblem::PlainHttp:
        Tell(doc, FormatText(LoadString(IDS_SHARE_PLAIN_HTTP), {server.server}),
             IDS_FTP_CONNECT_FAILED_CAPTION);
        return false;
    case CShareConnection::EAddressProblem::NotWebAddress:
        Tell(doc, FormatText(LoadString(IDS_SHARE_NOT_WEB_ADDRESS), {server.server}),
             IDS_FTP_CONNECT_FAILED_CAPTION);
        return false;
    }
    return false;
}

void RunWork(const SShareHooks& hooks, int textId, int steps, const ShareWork& work)
{
    CInPlaceShareRunner inPlace;
    IShareRunner& runner = hooks.runner != nullptr ? *hooks.runner : inPlace;
    runner.Run(LoadString(textId), steps, work);
}

int ReadVersion(const fs::path& checkpointIni)
{
    return ReadProfileInt(checkpointIni, "Checkpoint", "CpIndex", 0);
}

bool RefusedReadOnly(CNewOrvDoc& doc)
{
    if (!doc.IsReadOnly() && !doc.IsEventReadOnly())
        return false;
    AskString(doc.GetPrompt(), IDS_SHARE_READ_ONLY, IDS_SHARE_CAPTION, EButtons::Ok);
    return true;
}
} // namespace

SShareOutcome FetchServerVersionFile(const SShareHooks& hooks, const SShareServer& server,
                                     const fs::path& folder, std::optional<int>& version)
{
    SShareOutcome outcome;
    const std::string name = EventFileName(kFileCheckpointIni);
    RunWork(hooks, IDS_FTP_DOWNLOADING, 1,
            [&](const CCancelToken& cancel, const std::function<void(int)>& step)
            {
                outcome = CShareConnection(server, &cancel).Fetch(name, folder / name);
                step(1);
            });
    if (outcome.result == EShareResult::Done)
        version = ReadVersion(folder / name);
    return outcome;
}

void CInPlaceShareRunner::Run(const std::string&, int, const ShareWork& work)
{
    const CCancelToken never;
    work(never, [](int) {});
}

bool GetFtpParameters(CNewOrvDoc& doc, const SShareHooks& hooks, SShareServer& server)
{
    auto take = [&]
    {
        const CEventSettings& settings = doc.GetSettings();
        server.protocol = settings.GetFtpProtocol();
        server.server = settings.GetFtpServer();
        server.port = settings.GetFtpPort();
        server.user = settings.GetFtpUser();
        server.folder = settings.GetFtpFolder();
        server.caFile = settings.GetFtpCaFile();
        server.password = settings.GetFtpPassword();
        if (server.password.empty() && settings.GetFtpSavePassword() && !server.server.empty())
            server.password =
                CPasswordStore::Lookup(server.server, server.user).value_or(std::string());
        return !server.server.empty() && !server.user.empty() && !server.password.empty();
    };
    if (take())
        return true;
    if (hooks.editSettings && hooks.editSettings() && take())
        return true;
    AskString(doc.GetPrompt(), IDS_FTP_MISSING_PARAMETERS_TEXT, IDS_FTP_MISSING_PARAMETERS_CAPTION,
              EButtons::Ok);
    return false;
}

void ApplyShareSettings(CNewOrvDoc& doc, const SShareSettings& values)
{
    CEventSettings& settings = doc.GetSettings();
    if (values.protocol)
        settings.SetFtpProtocol(*values.protocol);
    if (values.server)
        settings.SetFtpServer(*values.server);
    if (values.port)
        settings.SetFtpPort(*values.port);
    if (values.user)
        settings.SetFtpUser(*values.user);
    if (values.folder)
        settings.SetFtpFolder(*values.folder);
    if (values.caFile)
        settings.SetFtpCaFile(*values.caFile);
    if (values.savePassword)
        settings.SetFtpSavePassword(*values.savePassword);
    if (values.autoUpload)
        settings.SetFtpAutoUpload(*values.autoUpload);
    if (values.autoDownload)
        settings.SetFtpAutoDownload(*values.autoDownload);
    if (values.password)
        settings.SetFtpPassword(*values.password);

    const std::string& server = settings.GetFtpServer();
    const std::string& user = settings.GetFtpUser();
    if (!settings.GetFtpSavePassword())
    {
        CPasswordStore::Remove(server, user);
        return;
    }
    if (settings.GetFtpPassword().empty())
        return; // a kept password stays kept
    std::string error;
    if (!CPasswordStore::Store(server, user, settings.GetFtpPassword(), &error))
        Tell(doc, FormatText(LoadString(IDS_SHARE_PASSWORD_NOT_KEPT), {error}), IDS_SHARE_CAPTION);
}

bool Upload(CNewOrvDoc& doc, const SShareHooks& hooks, int* uploadedVersion)
{
    if (RefusedReadOnly(doc))
        return false;
    SShareServer server;
    if (!GetFtpParameters(doc, hooks, server) || !CheckAddress(doc, server))
        return false;
    const fs::path eventFolder = doc.GetFolders().ActiveEventFolder();
    // Settings.ini is about to travel: a password an older version left in it goes first.
    if (CProfileFile(EventFilePath(eventFolder, kFileSettingsIni)).HasKey("FTPSettings", "FTPP"))
    {
        doc.GetSettings().SetModified();
        doc.SaveEventSettings();
    }

    CWorkFolder work;
    if (work.Path().empty())
    {
        TellFailure(doc, server, {EShareResult::Failed, "no private temporary folder"}, true);
        return false;
    }
    std::optional<int> serverVersion;
    const SShareOutcome versionOutcome =
        FetchServerVersionFile(hooks, server, work.Path(), serverVersion);
    if (versionOutcome.result == EShareResult::Failed ||
        versionOutcome.result == EShareResult::Cancelled)
    {
        TellFailure(doc, server, versionOutcome, true);
        return false;
    }
    int version = doc.GetCheckpoint().Get();
    if (serverVersion && *serverVersion > version)
    {
        const std::string question =
            FormatText(LoadString(IDS_FTP_SERVER_NEWER_QUESTION),
                       {std::to_string(*serverVersion), std::to_string(version)});
        if (doc.GetPrompt().Ask(question, LoadString(IDS_FTP_SERVER_NEWER_CAPTION),
                                EButtons::YesNo) != EAnswer::Yes)
            return false;
        version = *serverVersion;
    }
    const int newVersion = version + 1;

    // The version file that goes up last: the event's own with the raised version.
    const std::string checkpointName = EventFileName(kFileCheckpointIni);
    const fs::path outgoingCheckpoint = work.Path() / "outgoing" / checkpointName;
    fs::create_directories(outgoingCheckpoint.parent_path());
    {
        std::error_code ignored;
        fs::copy_file(EventFilePath(eventFolder, kFileCheckpointIni), outgoingCheckpoint, ignored);
        CProfileFile file(outgoingCheckpoint);
        file.SetInt("Checkpoint", "CpIndex", newVersion);
        std::string error;
        if (!file.Save(&error))
        {
            TellFailure(doc, server, {EShareResult::Failed, error}, true);
            return false;
        }
    }

    SShareOutcome outcome{EShareResult::Done, {}};
    RunWork(hooks, IDS_FTP_UPLOADING, kFileKinds,
            [&](const CCancelToken& cancel, const std::function<void(int)>& step)
            {
                CShareConnection connection(server, &cancel);
                int done = 0;
                for (int kind = 0; kind < kFileKinds && outcome.result == EShareResult::Done;
                     ++kind)
                {
                    if (kind == kFileCheckpointIni)
                        continue;
                    const fs::path local = EventFilePath(eventFolder, kind);
                    std::error_code ignored;
                    // A file the event does not have is not sent (the server keeps its copy).
                    if (fs::is_regular_file(local, ignored))
                        outcome = connection.Put(local, EventFileName(kind));
                    step(++done);
                }
                if (outcome.result == EShareResult::Done)
                    outcome = connection.Put(outgoingCheckpoint, checkpointName);
                step(kFileKinds);
            });
    if (outcome.result != EShareResult::Done)
    {
        TellFailure(doc, server, outcome, true);
        return false;
    }
    doc.GetCheckpoint().Set(newVersion);
    std::string error;
    if (!doc.GetCheckpoint().Save(&error))
        Tell(doc, error, IDS_SHARE_CAPTION);
    Trace("Edits::Upload", "version " + std::to_string(newVersion));
    if (uploadedVersion != nullptr)
        *uploadedVersion = newVersion;
    return true;
}

bool Download(CNewOrvDoc& doc, const SShareHooks& hooks)
{
    if (RefusedReadOnly(doc))
        return false;
    SShareServer server;
    if (!GetFtpParameters(doc, hooks, server) || !CheckAddress(doc, server))
        return false;
    CWorkFolder work;
    if (work.Path().empty())
    {
        TellFailure(doc, server, {EShareResult::Failed, "no private temporary folder"}, false);
        return false;
    }
    const fs::path received = work.Path() / "event";
    fs::create_directories(received);

    std::optional<int> serverVersion;
    SShareOutcome outcome = FetchServerVersionFile(hooks, server, received, serverVersion);
    if (outcome.result == EShareResult::Failed || outcome.result == EShareResult::Cancelled)
    {
        TellFailure(doc, server, outcome, false);
        return false;
    }
    if (serverVersion && *serverVersion <= doc.GetCheckpoint().Get() &&
        AskString(doc.GetPrompt(), IDS_FTP_SERVER_NOT_NEWER_QUESTION,
                  IDS_FTP_SERVER_NOT_NEWER_CAPTION, EButtons::YesNo) != EAnswer::Yes)
        return false;

    outcome = {EShareResult::Done, {}};
    RunWork(hooks, IDS_FTP_DOWNLOADING, kFileKinds,
            [&](const CCancelToken& cancel, const std::function<void(int)>& step)
            {
                CShareConnection connection(server, &cancel);
                for (int kind = 0; kind < kFileKinds && outcome.result != EShareResult::Failed &&
                                   outcome.result != EShareResult::Cancelled;
                     ++kind)
                {
                    // The version file came first; the shared settings are never taken over.
                    if (kind != kFileCheckpointIni && kind != kFileAppSettingsIni)
                        outcome =
                            connection.Fetch(EventFileName(kind), received / EventFileName(kind));
                    step(kind + 1);
                }
            });
    if (outcome.result == EShareResult::Failed || outcome.result == EShareResult::Cancelled)
    {
        TellFailure(doc, server, outcome, false);
        return false;
    }
    if (!HoldsEventData(received))
    {
        AskString(doc.GetPrompt(), IDS_SHARE_NO_DATA_ON_SERVER, IDS_SHARE_CAPTION, EButtons::Ok);
        return false;
    }
    if (AskString(doc.GetPrompt(), IDS_FTP_REPLACE_DATA_QUESTION, IDS_FTP_REPLACE_DATA_CAPTION,
                  EButtons::YesNo) != EAnswer::Yes)
        return false;
    if (!ReplaceEventData(doc, received))
        return false;
    // The received Settings.ini was read in its place; the password of this run stays usable.
    CEventSettings& settings = doc.GetSettings();
    if (settings.GetFtpPassword().empty() && settings.GetFtpServer() == server.server &&
        settings.GetFtpUser() == server.user)
        settings.SetFtpPassword(server.password);
    return true;
}
} // namespace Edits
