#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class CNewOrvDoc;

// The user's commands that back up, replace and hand over the whole event. Each asks and tells
// through the document's prompt; replacing the event's data reloads the document, which
// announces HINT_EVENT_RELOADING and HINT_EVENT_RELOADED to every view.
namespace Edits
{
// Replaces the active event's data by the event data of folder, so that what it replaces can be
// restored: pending in-place edits are committed, the event is saved when it changed (a failed
// or declined save replaces nothing) and backed up (never into folder, which the retention keeps
// too; a failed backup replaces nothing), then RestoreFromFolder copies and reloads. Refused
// while the event is open read-only. No question is asked here. True when the data were replaced.
// The entry point for callers that already know the user wants the data replaced (a download
// from the sharing server, the office hand-over).
bool ReplaceEventData(CNewOrvDoc& doc, const std::filesystem::path& folder);

// "Restore" of "Backup and Restore Data": asks whether to replace the event's data with the
// backup in folder (Yes/No), then ReplaceEventData. True when restored.
bool RestoreBackup(CNewOrvDoc& doc, const std::filesystem::path& folder);

// "Import Data ...": a folder without event data is told and nothing happens; otherwise asks
// (Yes/No), then ReplaceEventData. True when imported.
bool ImportFromFolder(CNewOrvDoc& doc, const std::filesystem::path& folder);

// The timed backup: pending in-place edits are committed, the event is saved when it changed
// (not while it is open read-only; a failed save is told and the backup still made of the files
// as they are on disk), then backed up. Returns the backup folder; empty when it failed (told).
std::filesystem::path TimedBackup(CNewOrvDoc& doc);

// Hands a message with attachments to the mail program; false when it could not be started.
using MailHandOver = std::function<bool(const std::string& subject, const std::string& body,
                                        const std::vector<std::filesystem::path>& attachments)>;

// "Export Data Using Email Message ...": with unsaved changes asks whether to save first (Yes
// saves; a failed save ends the command), then hands the message with the event's files to the
// mail program and says whether that worked. True when handed over.
bool ExportByMail(CNewOrvDoc& doc, const MailHandOver& handOver);

// The desktop's mail program: xdg-email with the subject, the body and each file attached.
bool HandToMailProgram(const std::string& subject, const std::string& body,
                       const std::vector<std::filesystem::path>& attachments);
} // namespace Edits
