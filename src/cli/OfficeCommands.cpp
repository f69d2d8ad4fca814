// The office hand-over on the command line: the tab-separated and .xlsx exports (reading: they
// write only the file named) and the guest import (writing).

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "edits/ImportEdits.h"
#include "office/ImportFile.h"
#include "office/TsvExport.h"
#include "office/XlsxExport.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "store/NewOrvDoc.h"

#include <filesystem>
#include <ostream>
#include <set>

namespace
{
int Written(CCliContext& context, bool written, const std::string& error, int succeeded, int failed,
            const std::string& file)
{
    if (!written)
        return context.Fail(kExitRefused, LoadString(failed) + "\r\n" + error);
    if (context.Json())
        context.PrintJson({{"file", file}});
    else
        context.Out() << LoadString(succeeded) << ": " << file << std::endl;
    return kExitOk;
}

std::string FullName(const SImportedGuest& line)
{
    if (line.firstName.empty() || line.familyName.empty())
        return line.firstName + line.familyName;
    return line.firstName + " " + line.familyName;
}

// "--rows 1,3,5": positions in the offered list, from 1.
std::set<std::size_t> ParseRows(const std::string& text, std::size_t offered)
{
    std::set<std::size_t> rows;
    std::size_t start = 0;
    while (start <= text.size())
    {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos)
            end = text.size();
        const int row = CCliArgs::ParseInt(text.substr(start, end - start), "--rows");
        if (row < 1 || static_cast<std::size_t>(row) > offered)
            throw SCliUsageError{"--rows: no row " + std::to_string(row) + " (1 to " +
                                 std::to_string(offered) + " are offered)"};
        rows.insert(static_cast<std::size_t>(row - 1));
        start = end + 1;
    }
    return rows;
}
} // namespace

int RunExportTsv(CCliContext& context)
{
    CCliArgs args(context.Args());
    const auto positionals = args.Positionals(2);
    const std::string& what = positionals[0];
    const std::string& file = positionals[1];
    std::string error;
    if (what == "guests")
        return Written(context, WriteGuestsTsv(context.Doc(), kAllGuestColumns, file, &error),
                       error, IDS_EXPORT_SUCCEEDED, IDS_EXPORT_FAILED, file);
    if (what == "tables")
        return Written(context, WriteTablesTsv(context.Doc(), file, &error), error,
                       IDS_EXPORT_TABLES_SUCCEEDED, IDS_EXPORT_TABLES_FAILED, file);
    throw SCliUsageError{"export-tsv exports guests or tables, not " + what};
}

int RunExportXlsx(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::string file = args.Positionals(1).front();
    std::string error;
    return Written(context, WriteGuestsXlsx(context.Doc(), file, &error), error,
                   IDS_EXPORT_SUCCEEDED, IDS_EXPORT_FAILED, file);
}

int RunImportGuests(CCliContext& context)
{
    CCliArgs args(context.Args());
    const std::optional<std::string> group = args.Option("--group");
    const bool all = args.Flag("--all");
    const std::optional<std::string> rowsOption = args.Option("--rows");
    const std::string file = args.Positionals(1).front();
    if (all && rowsOption)
        throw SCliUsageError{"--all and --rows choose the rows twice: give one of them"};
    if (group && group->empty())
        throw SCliUsageError{"--group needs a name"};
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return context.Fail(kExitNotFound, "no file " + file);

    CNewOrvDoc& doc = context.Doc();
    SImportRead read = ReadImportFile(file, EImportSource::ByContent, doc.GetPrompt());
    std::vector<SImportedGuest> chosen;
    if (all)
        chosen = read.guests;
    else if (rowsOption)
        for (std::size_t row : ParseRows(*rowsOption, read.guests.size()))
            chosen.push_back(read.guests[row]);

    Edits::SImportResult result;
    if (!chosen.empty())
        result = Edits::AddImportedGuests(doc, chosen, {!group.has_value(), group.value_or("")},
                                          nullptr);
    const bool failed = !read.errors.empty() && read.guests.empty();
    if (context.Json())
    {
        nlohmann::json offered = nlohmann::json::array();
        for (const auto& line : read.guests)
            offered.push_back(FullName(line));
        nlohmann::json json = {
            {"added", result.added}, {"refused", result.refused}, {"errors", read.errors}};
        if (!all && !rowsOption)
            json["offered"] = offered;
        context.PrintJson(json);
    }
    else if (!all && !rowsOption)
    {
        for (std::size_t i = 0; i < read.guests.size(); ++i)
            context.Out() << i + 1 << "\t" << FullName(read.guests[i]) << std::endl;
    }
    else
    {
        context.Out() << FormatText(LoadString(IDS_IMPORT_ADDED_TEXT), {FormatInt(result.added)})
                      << std::endl;
        for (const auto& name : result.refused)
            context.Out() << "refused\t" << name << std::endl;
    }
    return failed || read.stopped ? kExitRefused : kExitOk;
}
