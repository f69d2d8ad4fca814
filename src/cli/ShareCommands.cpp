// The commands that share the event through an FTP, FTPS or WebDAV server: the upload, the
// download and the connection settings. The GUI uploads after a save on its own; these run only
// when named.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "edits/ShareEdits.h"
#include "store/NewOrvDoc.h"

#include <iostream>
#include <ostream>

namespace
{
constexpr int kMaxPort = 65535;

std::optional<bool> FlagValue(CCliArgs& args, const std::string& name)
{
    const std::optional<int> value = args.IntOption(name, 0, 1);
    if (!value)
        return std::nullopt;
    return *value == 1;
}

const char* ProtocolWord(int protocol)
{
    switch (protocol)
    {
    case kShareFtps:
        return "ftps";
    case kShareWebDav:
        return "webdav";
    default:
        return "ftp";
    }
}
} // namespace

int RunShareUpload(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    int version = 0;
    if (!Edits::Upload(context.Doc(), {}, &version))
        return kExitRefused;
    if (context.Json())
        context.PrintJson({{"upload", {{"version", version}}}});
    else
        context.Out() << "Uploaded version " << version << std::endl;
    return kExitOk;
}

int RunShareDownload(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    CNewOrvDoc& doc = context.Doc();
    if (!Edits::Download(doc, {}))
        return kExitRefused;
    const int version = doc.GetCheckpoint().Get();
    if (context.Json())
        context.PrintJson({{"download", {{"version", version}, {"guests", doc.GetGuestCount()}}}});
    else
        context.Out() << "Downloaded version " << version << ": " << doc.GetGuestCount()
                      << " guests" << std::endl;
    return kExitOk;
}

int RunShareSettings(CCliContext& context)
{
    CCliArgs args(context.Args());
    Edits::SShareSettings values;
    if (const std::optional<std::string> protocol = args.Option("--protocol"))
    {
        if (*protocol == "ftp")
            values.protocol = kShareFtp;
        else if (*protocol == "ftps")
            values.protocol = kShareFtps;
        else if (*protocol == "webdav")
            values.protocol = kShareWebDav;
        else
            throw SCliUsageError{"--protocol must be ftp, ftps or webdav"};
    }
    values.server = args.Option("--host");
    values.port = args.IntOption("--port", 0, kMaxPort);
    values.user = args.Option("--user");
    values.folder = args.Option("--folder");
    values.caFile = args.Option("--ca-file");
    values.autoUpload = FlagValue(args, "--auto-upload");
    values.autoDownload = FlagValue(args, "--auto-download");
    values.savePassword = FlagValue(args, "--save-password");
    // Never from the command line, where other users and the shell's history would see it.
    if (args.Flag("--password-stdin"))
    {
        std::string password;
        std::getline(std::cin, password);
        if (!password.empty() && password.back() == '\r')
            password.pop_back();
        values.password = password;
    }
    args.Positionals(0);

    CNewOrvDoc& doc = context.Doc();
    Edits::ApplyShareSettings(doc, values);
    const CEventSettings& settings = doc.GetSettings();
    if (context.Json())
        context.PrintJson({{"shareSettings",
                            {{"protocol", ProtocolWord(settings.GetFtpProtocol())},
                             {"host", settings.GetFtpServer()},
                             {"port", settings.GetFtpPort()},
                             {"user", settings.GetFtpUser()},
                             {"folder", settings.GetFtpFolder()},
                             {"caFile", settings.GetFtpCaFile()},
                             {"savePassword", settings.GetFtpSavePassword()},
                             {"autoUpload", settings.GetFtpAutoUpload()},
                             {"autoDownload", settings.GetFtpAutoDownload()}}}});
    else
        context.Out() << ProtocolWord(settings.GetFtpProtocol()) << "\t" << settings.GetFtpServer()
                      << "\t" << settings.GetFtpUser() << std::endl;
    return kExitOk;
}
