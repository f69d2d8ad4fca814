#pragma once

#include <string>
#include <vector>

class CCliContext;

// One command of velloran-cli.
struct SCliCommand
{
    const char* name;
    bool writes;          // writing commands save what they change and run the shutdown writes
    const char* synopsis; // the usage line after the command's name
    int (*run)(CCliContext& context);
};

// Every command, in the order the usage lists them.
const std::vector<SCliCommand>& CliCommands();

// Commands, by area.
int RunVersion(CCliContext& context);
int RunEvents(CCliContext& context);
int RunSelectEvent(CCliContext& context);
int RunAddEvent(CCliContext& context);
int RunExportHallDraft(CCliContext& context);
int RunImportHallDraft(CCliContext& context);
int RunDump(CCliContext& context);
int RunSave(CCliContext& context);
int RunTables(CCliContext& context);
int RunSeat(CCliContext& context);
int RunLockSeat(CCliContext& context);
int RunCreateTable(CCliContext& context);
int RunDeleteTable(CCliContext& context);
int RunSwapTables(CCliContext& context);
int RunMoveTable(CCliContext& context);
int RunTableForGroup(CCliContext& context);
int RunArrange(CCliContext& context);
int RunMeetings(CCliContext& context);
int RunAddMeeting(CCliContext& context);
int RunTasks(CCliContext& context);
int RunAddTask(CCliContext& context);
int RunCheckTask(CCliContext& context);
int RunExportIcs(CCliContext& context);
int RunOnlineCheck(CCliContext& context);
int RunCheckUpdates(CCliContext& context);
int RunApprovals(CCliContext& context);
int RunApplyApprovals(CCliContext& context);
int RunMailto(CCliContext& context);
int RunExpenses(CCliContext& context);
int RunAddExpense(CCliContext& context);
int RunAddPayment(CCliContext& context);
int RunPayExpense(CCliContext& context);
int RunBudget(CCliContext& context);
int RunAddOffer(CCliContext& context);
int RunGifts(CCliContext& context);
int RunSetGift(CCliContext& context);
int RunArrive(CCliContext& context);
int RunArrivals(CCliContext& context);
int RunCheckinCodes(CCliContext& context);
int RunBackup(CCliContext& context);
int RunBackups(CCliContext& context);
int RunRestore(CCliContext& context);
int RunExportFolder(CCliContext& context);
int RunImportFolder(CCliContext& context);
int RunCsvUnanswered(CCliContext& context);
int RunAddGuest(CCliContext& context);
int RunSetGuest(CCliContext& context);
int RunDeleteGuest(CCliContext& context);
int RunUpdateGuests(CCliContext& context);
int RunReport(CCliContext& context);
int RunExportTsv(CCliContext& context);
int RunExportXlsx(CCliContext& context);
int RunImportGuests(CCliContext& context);
int RunShareUpload(CCliContext& context);
int RunShareDownload(CCliContext& context);
int RunShareSettings(CCliContext& context);
