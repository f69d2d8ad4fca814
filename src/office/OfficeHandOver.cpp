#include "office/OfficeHandOver.h"

#include "office/OfficeOpener.h"
#include "office/TsvExport.h"
#include "office/XlsxExport.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"
#include "platform/Trace.h"
#include "store/NewOrvDoc.h"

namespace
{
bool Open(CNewOrvDoc& doc, EOfficeProgram program, const std::filesystem::path& file,
          bool tabSeparated)
{
    if (OpenInOfficeProgram(program, file, tabSeparated))
        return true;
    doc.GetPrompt().Ask(FormatText(LoadString(IDS_OPEN_NO_PROGRAM_TEXT), {file.string()}),
                        LoadString(IDS_OPEN_NO_PROGRAM_CAPTION), EButtons::Ok);
    return false;
}

// The write's own reason goes to the trace; the user gets the program's message.
bool Told(CNewOrvDoc& doc, bool written, const std::string& error, int succeeded, int failed,
          int caption)
{
    if (!written)
        Trace("OfficeHandOver", error);
    AskString(doc.GetPrompt(), written ? succeeded : failed, caption, EButtons::Ok);
    return written;
}
} // namespace

bool OpenFileInSpreadsheet(CNewOrvDoc& doc, const std::filesystem::path& file, bool askFirst,
                           bool tabSeparated)
{
    if (askFirst && AskString(doc.GetPrompt(), IDS_OPEN_IN_EXCEL_QUESTION,
                              IDS_OPEN_IN_EXCEL_CAPTION, EButtons::YesNo) != EAnswer::Yes)
        return false;
    return Open(doc, EOfficeProgram::Spreadsheet, file, tabSeparated);
}

bool OpenReportInWordProcessor(CNewOrvDoc& doc, const std::filesystem::path& report)
{
    return Open(doc, EOfficeProgram::WordProcessor, report, false);
}

bool ExportGuestListToSpreadsheet(CNewOrvDoc& doc, const std::filesystem::path& file)
{
    std::string error;
    const bool written = WriteGuestsTsv(doc, kAllGuestColumns, file, &error);
    if (Told(doc, written, error, IDS_EXPORT_SUCCEEDED, IDS_EXPORT_FAILED, IDS_EXPORT_CAPTION))
        Open(doc, EOfficeProgram::Spreadsheet, file, true);
    return written;
}

bool ExportTableListToSpreadsheet(CNewOrvDoc& doc, const std::filesystem::path& file)
{
    std::string error;
    const bool written = WriteTablesTsv(doc, file, &error);
    if (Told(doc, written, error, IDS_EXPORT_TABLES_SUCCEEDED, IDS_EXPORT_TABLES_FAILED,
             IDS_EXPORT_TABLES_CAPTION))
        Open(doc, EOfficeProgram::Spreadsheet, file, true);
    return written;
}

bool ExportGuestsWorkbook(CNewOrvDoc& doc, const std::filesystem::path& file, bool open)
{
    std::string error;
    const bool written = WriteGuestsXlsx(doc, file, &error);
    if (Told(doc, written, error, IDS_EXPORT_SUCCEEDED, IDS_EXPORT_FAILED, IDS_EXPORT_CAPTION) &&
        open)
        Open(doc, EOfficeProgram::Spreadsheet, file, false);
    return written;
}

bool OpenPrintoutInSpreadsheet(CNewOrvDoc& doc, EPrintoutTab tab,
                               const std::vector<const CGuest*>& guests, unsigned columns,
                               const std::filesystem::path& file, bool openDirectly)
{
    std::string error;
    const bool written = tab == EPrintoutTab::Guests ? WriteGuestsTsv(guests, columns, file, &error)
                                                     : WriteTablesTsv(doc, file, &error);
    if (!written)
    {
        Trace("OfficeHandOver", error);
        AskString(doc.GetPrompt(), IDS_EXPORT_FAILED, IDS_EXPORT_CAPTION, EButtons::Ok);
        return false;
    }
    OpenFileInSpreadsheet(doc, file, !openDirectly, true);
    return true;
}
