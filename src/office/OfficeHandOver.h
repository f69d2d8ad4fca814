#pragma once

#include <filesystem>
#include <vector>

class CGuest;
class CNewOrvDoc;

// The hand-over commands with their questions and messages, told through the document's prompt.
// The caller chooses the file (a save dialog, the command line); these write it and open it.
// Reading only: the document's records are not changed.

// "Open this report in Excel?" (Yes/No) when askFirst, then opens the file in the spreadsheet
// program (tabSeparated: read as tab-separated text). When nothing can open it the user is told.
// True when a program was started.
bool OpenFileInSpreadsheet(CNewOrvDoc& doc, const std::filesystem::path& file, bool askFirst,
                           bool tabSeparated);

// "Open in WORD" of the printouts screen: opens the report shown in the word processor, without
// a question; when nothing can open it the user is told. True when a program was started.
bool OpenReportInWordProcessor(CNewOrvDoc& doc, const std::filesystem::path& report);

// "Export guest list to Excel" of the main menu: every column as tab-separated text, then the
// result message ("Exporting guests finished successfully" or the write error) and, on success,
// the file opened in the spreadsheet program. True when the file was written.
bool ExportGuestListToSpreadsheet(CNewOrvDoc& doc, const std::filesystem::path& file);

// "Export table list to Excel": the same for the tables.
bool ExportTableListToSpreadsheet(CNewOrvDoc& doc, const std::filesystem::path& file);

// The guests as an .xlsx workbook, with the export's result message; opened in the spreadsheet
// program when open is set. True when the file was written.
bool ExportGuestsWorkbook(CNewOrvDoc& doc, const std::filesystem::path& file, bool open);

// "Open in EXCEL" of the printouts screen, after the caller proposed "report.xls" in the report
// folder and the user confirmed the name. The guests tab writes the guests shown with the columns
// chosen, the tables tab the table export. Then the file is opened: without a question when
// openDirectly, otherwise after "Open this report in Excel?". A failed write is told. True when
// written.
enum class EPrintoutTab
{
    Guests,
    Tables,
};
bool OpenPrintoutInSpreadsheet(CNewOrvDoc& doc, EPrintoutTab tab,
                               const std::vector<const CGuest*>& guests, unsigned columns,
                               const std::filesystem::path& file, bool openDirectly);
