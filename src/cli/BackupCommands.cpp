// The commands that back up, restore, export and import the event, and the CSV list of guests
// without an answer.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/CliPrompt.h"
#include "cli/Commands.h"
#include "edits/BackupEdits.h"
#include "office/UnansweredCsv.h"
#include "platform/StringTable.h"
#include "store/EventBackup.h"
#include "store/NewOrvDoc.h"
#include "store/ProgramFolders.h"

#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace
{
// A folder named on the command line that must exist.
bool IsFolder(const std::string& path)
{
    std::error_code ignored;
    return !path.empty() && fs::is_directory(path, ignored);
}
} // namespace

int RunBackup(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    const fs::path folder = MakeBackup(context.Doc());
    if (folder.empty())
        return kExitRefused;
    if (context.Json())
        context.PrintJson(
            {{"backup", {{"folder", folder.filename().string()}, {"path", folder.string()}}}});
    else
        context.Out() << folder.string() << std::endl;
    return kExitOk;
}

int RunBackups(CCliContext& context)
{
    CCliArgs(context.Args()).Positionals(0);
    // The root as a path only: a reading run creates nothing.
    const fs::path root = context.Doc().GetFolders().DataRoot() / "BackUp";
    const std::vector<SBackupInfo> backups = ListBackups(root);
    if (context.Json())
    {
        nlohmann::json list = nlohmann::json::array();
        for (const SBackupInfo& backup : backups)
            list.push_back({{"folder", backup.folder},
                            {"date", backup.folder},
                            {"guests", backup.guests},
                            {"event", backup.eventName}});
        context.PrintJson({{"backups", list}});
        return kExitOk;
    }
    for (const SBackupInfo& backup : backups)
        context.Out() << backup.folder << "\t" << backup.guests << "\t" << backup.eventName
                      << std::endl;
    return kExitOk;
}

int RunRestore(CCliContext& context)
{
    const std::string name = CCliArgs(context.Args()).Positionals(1).front();
    CNewOrvDoc& doc = context.Doc();
    const std::optional<SBackupInfo> backup = FindBackup(doc.GetFolders().BackupRoot(), name);
    if (!backup)
        return context.Fail(kExitNotFound, "no backup " + name);
    if (!Edits::RestoreBackup(doc, backup->path))
        return kExitRefused;
    context.Out() << "Restored " << backup->folder << ": " << doc.GetGuestCount() << " guests"
                  << std::endl;
    return kExitOk;
}

int RunExportFolder(CCliContext& context)
{
    const std::string target = CCliArgs(context.Args()).Positionals(1).front();
    if (target.empty())
        throw SCliUsageError{"the folder name is empty"};
    if (!ExportToFolder(context.Doc(), target))
        return kExitRefused;
    context.Out() << "Exported to " << target << std::endl;
    return kExitOk;
}

int RunImportFolder(CCliContext& context)
{
    const std::string source = CCliArgs(context.Args()).Positionals(1).front();
    if (!IsFolder(source))
        return context.Fail(kExitNotFound, "no folder " + source);
    CNewOrvDoc& doc = context.Doc();
    if (!Edits::ImportFromFolder(doc, source))
        return kExitRefused;
    context.Out() << "Imported " << source << ": " << doc.GetGuestCount() << " guests" << std::endl;
    return kExitOk;
}

int RunCsvUnanswered(CCliContext& context)
{
    const std::string file = CCliArgs(context.Args()).Positionals(1).front();
    if (file.empty())
        throw SCliUsageError{"the file name is empty"};
    int lines = 0;
    std::string error;
    switch (WriteUnansweredCsv(context.Doc(), file, &lines, &error))
    {
    case EUnansweredCsvResult::Nobody:
        AskString(context.Prompt(), IDS_CSV_NOBODY, IDS_CSV_CAPTION, EButtons::Ok);
        return kExitOk;
    case EUnansweredCsvResult::Failed:
        return context.Fail(kExitRefused, error);
    case EUnansweredCsvResult::Written:
        break;
    }
    context.Out() << lines << " guests written to " << file << std::endl;
    return kExitOk;
}
