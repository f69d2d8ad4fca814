#include "edits/BackupEdits.h"

#include "platform/Prompt.h"
#include "platform/Shell.h"
#include "platform/StringTable.h"
#include "store/EventBackup.h"
#include "store/EventInfo.h"
#include "store/NewOrvDoc.h"

namespace fs = std::filesystem;

namespace Edits
{
namespace
{
std::string ActiveEventName(CNewOrvDoc& doc)
{
    const CEventInfo* event = doc.GetActiveEvent();
    if (event == nullptr)
        return {};
    return event->GetName().empty() ? event->GetId() : event->GetName();
}

// Mail programs take plain line feeds.
std::string WithLineFeeds(std::string text)
{
    std::string::size_type at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos)
        text.erase(at, 1);
    return text;
}
} // namespace

bool ReplaceEventData(CNewOrvDoc& doc, const fs::path& folder)
{
    IPrompt& prompt = doc.GetPrompt();
    if (doc.IsReadOnly() || doc.IsEventReadOnly())
    {
        AskString(prompt, IDS_RESTORE_READ_ONLY, IDS_RESTORE_CAPTION, EButtons::Ok);
        return false;
    }
    doc.CommitPendingEdits();
    if (doc.IsDataChanged() && !doc.SaveEventData())
    {
        AskString(prompt, IDS_RESTORE_NOT_SAVED, IDS_RESTORE_CAPTION, EButtons::Ok);
        return false;
    }
    SBackupOptions options;
    options.keep = folder;
    const fs::path previous = MakeBackup(doc, options);
    if (previous.empty())
    {
        AskString(prompt, IDS_RESTORE_NOT_SAVED, IDS_RESTORE_CAPTION, EButtons::Ok);
        return false;
    }
    return RestoreFromFolder(doc, folder, previous);
}

bool RestoreBackup(CNewOrvDoc& doc, const fs::path& folder)
{
    const std::string text = FormatText(LoadString(IDS_RESTORE_QUESTION),
                                        {ActiveEventName(doc), folder.filename().string()});
    if (doc.GetPrompt().Ask(text, LoadString(IDS_RESTORE_CAPTION), EButtons::YesNo) != EAnswer::Yes)
        return false;
    return ReplaceEventData(doc, folder);
}

bool ImportFromFolder(CNewOrvDoc& doc, const fs::path& folder)
{
    IPrompt& prompt = doc.GetPrompt();
    const std::string caption = LoadString(IDS_IMPORT_CAPTION);
    if (!HoldsEventData(folder))
    {
        prompt.Ask(FormatText(LoadString(IDS_IMPORT_NO_DATA), {folder.string()}), caption,
                   EButtons::Ok);
        return false;
    }
    const std::string text =
        FormatText(LoadString(IDS_IMPORT_QUESTION), {ActiveEventName(doc), folder.string()});
    if (prompt.Ask(text, caption, EButtons::YesNo) != EAnswer::Yes)
        return false;
    return ReplaceEventData(doc, folder);
}

fs::path TimedBackup(CNewOrvDoc& doc)
{
    // An unchanged event is on disk as it is; rewriting it adds nothing to the backup.
    if (!doc.IsReadOnly() && !doc.IsEventReadOnly())
    {
        doc.CommitPendingEdits();
        if (doc.IsDataChanged())
            doc.SaveEventData();
    }
    return MakeBackup(doc);
}

bool ExportByMail(CNewOrvDoc& doc, const MailHandOver& handOver)
{
    IPrompt& prompt = doc.GetPrompt();
    doc.CommitPendingEdits();
    if (doc.IsDataChanged() && !doc.IsEventReadOnly() &&
        AskString(prompt, IDS_SAVE_BEFORE_EXPORT_QUESTION, IDS_SAVE_BEFORE_EXPORT_CAPTION,
                  EButtons::YesNo) == EAnswer::Yes &&
        !doc.SaveEventData())
        return false;
    const bool handed =
        handOver && handOver(LoadString(IDS_EXPORT_MAIL_SUBJECT), LoadString(IDS_EXPORT_MAIL_BODY),
                             MailAttachments(doc));
    if (handed)
        AskString(prompt, IDS_EXPORT_MAIL_HANDED_OVER, IDS_EXPORT_MAIL_CREATED_CAPTION,
                  EButtons::Ok);
    else
        AskString(prompt, IDS_EXPORT_MAIL_FAILED_TEXT, IDS_EXPORT_MAIL_FAILED_CAPTION,
                  EButtons::Ok);
    return handed;
}

bool HandToMailProgram(const std::string& subject, const std::string& body,
                       const std::vector<fs::path>& attachments)
{
    const std::string program = FindFirstOnPath({"xdg-email"});
    if (program.empty())
        return false;
    std::vector<std::string> arguments = {"--utf8", "--subject", subject, "--body",
                                          WithLineFeeds(body)};
    for (const fs::path& file : attachments)
    {
        arguments.push_back("--attach");
        arguments.push_back(file.string());
    }
    return StartProgram(program, arguments);
}
} // namespace Edits
