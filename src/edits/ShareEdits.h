#pragma once

#include "online/ShareConnection.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class CCancelToken;
class CNewOrvDoc;

// Sharing the active event between computers through an FTP, FTPS or WebDAV server: "DB" on the
// server holds the event's files, the shared settings lie beside it, and Checkpoint.ini carries
// the data version that tells which copy is newer. Questions and messages go through the
// document's prompt on the calling (interface) thread; only the network work runs in the runner.
namespace Edits
{
// What a runner hands the network work: the token to pass on and where to report the steps.
using ShareWork =
    std::function<void(const CCancelToken& cancel, const std::function<void(int done)>& step)>;

// Runs the network work of a transfer and returns when it ended. The GUI runs it on a worker
// thread behind a progress dialog with Cancel (text, steps steps); the work never touches the
// document.
class IShareRunner
{
public:
    virtual ~IShareRunner() = default;
    virtual void Run(const std::string& text, int steps, const ShareWork& work) = 0;
};

// Runs the work in place, never cancelled (the command line, tests).
class CInPlaceShareRunner : public IShareRunner
{
public:
    void Run(const std::string& text, int steps, const ShareWork& work) override;
};

struct SShareHooks
{
    IShareRunner* runner = nullptr;     // null: in place
    std::function<bool()> editSettings; // "Define FTP server properties"; null: none (the CLI)
};

// The server, user and password from the event settings (the password of this
// run, else the one kept by CPasswordStore when "Save password" is on); when one is missing the
// settings dialog opens and they are taken again; still missing: told (59820, 59821), false.
bool GetFtpParameters(CNewOrvDoc& doc, const SShareHooks& hooks, SShareServer& server);

// Downloads the server's Checkpoint.ini into folder (replacing an older copy) through the runner;
// version gets its "CpIndex" when it arrived. Absent (a first upload) is not a failure.
SShareOutcome FetchServerVersionFile(const SShareHooks& hooks, const SShareServer& server,
                                     const std::filesystem::path& folder,
                                     std::optional<int>& version);

// "Upload data to server", and after a save with "FtpAutoUpload" in the GUI. The server's version
// file decides: a newer version on the server asks (59830; No ends); none there (a first upload)
// asks nothing. Every file of the event goes up, Checkpoint.ini with the raised version last, so a
// broken upload never announces a new version; the local version is raised only when all arrived.
// A broken connection is told (59824, 59825, with the cause); a server without TLS for FTPS and a
// plain http address to another computer are refused with their own message. True when uploaded;
// version (when given) gets the version uploaded.
bool Upload(CNewOrvDoc& doc, const SShareHooks& hooks, int* version = nullptr);

// "Download data from server", and the start-up download with "FtpAutoDownload". A server version
// that is not newer asks first (59828; No ends). The files land in a private temporary folder;
// only when every file arrived whole, and the user agrees (59822), does ReplaceEventData save,
// back up and replace the event's data. A broken or cancelled download replaces nothing. True when
// the data were replaced.
bool Download(CNewOrvDoc& doc, const SShareHooks& hooks);

// The values of "Define FTP server properties" (and of share-settings; unset: unchanged).
struct SShareSettings
{
    std::optional<int> protocol;
    std::optional<std::string> server;
    std::optional<int> port;
    std::optional<std::string> user;
    std::optional<std::string> password;
    std::optional<std::string> folder;
    std::optional<std::string> caFile;
    std::optional<bool> savePassword;
    std::optional<bool> autoUpload;
    std::optional<bool> autoDownload;
};

// Stores the values in the event settings. The password serves this run; with "Save password" on
// it is kept by CPasswordStore (a failure is told and the password still serves this run), with it
// off any kept password of that server and user is forgotten.
void ApplyShareSettings(CNewOrvDoc& doc, const SShareSettings& values);
} // namespace Edits
