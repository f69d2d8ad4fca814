#include "office/ImportFile.h"

#include "office/DataFileGuests.h"
#include "office/GuestSheet.h"
#include "office/SpreadsheetReader.h"
#include "platform/AtomicFile.h"
#include "platform/Prompt.h"
#include "platform/StringTable.h"

#include <fstream>

namespace
{
bool LooksLikeXml(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    char c = 0;
    int read = 0;
    // After a byte-order mark and white space.
    while (read < 64 && file.get(c))
    {
        ++read;
        if (c == '<')
            return true;
        if (!(c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\xEF' || c == '\xBB' ||
              c == '\xBF'))
            return false;
    }
    return false;
}

void TellReadError(SImportRead& read, IPrompt& prompt, const std::string& reason)
{
    const std::string message = FormatText(LoadString(IDS_IMPORT_READ_FAILED), {reason});
    read.errors.push_back(message);
    prompt.Ask(message, LoadString(IDS_IMPORT_READ_ERROR_CAPTION), EButtons::Ok);
}
} // namespace

SImportRead ReadImportFile(const std::filesystem::path& path, EImportSource source, IPrompt& prompt)
{
    SImportRead read;
    // Never waits on a FIFO or a device: only a regular file is looked into.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
    {
        std::string bytes, reason;
        ReadRegularFile(path, bytes, 0, &reason);
        TellReadError(read, prompt, reason.empty() ? path.string() : reason);
        return read;
    }
    if (source == EImportSource::ByContent)
        source = LooksLikeXml(path) ? EImportSource::DataFile : EImportSource::Spreadsheet;

    if (source == EImportSource::DataFile)
    {
        std::string error;
        if (!ReadGuestsOfDataFile(path, read.guests, error))
            TellReadError(read, prompt, error);
        return read;
    }
    SSheetCells sheet;
    std::string error;
    if (!CSpreadsheetReader::ReadFile(path, kGuestsSheetName, sheet, error))
    {
        TellReadError(read, prompt, error);
        return read;
    }
    SGuestSheetResult result = ReadGuestSheet(sheet, prompt);
    if (result.state == EGuestSheetRead::MissingColumn)
        read.errors.push_back(result.message);
    read.stopped = result.state == EGuestSheetRead::Stopped;
    read.guests = std::move(result.guests);
    return read;
}
