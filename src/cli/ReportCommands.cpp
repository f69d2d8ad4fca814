// The report command: any report or card page of the printouts screen, as HTML, text or PDF.

#include "app/NewOrvApp.h"
#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "cli/Commands.h"
#include "platform/Language.h"
#include "reports/ReportFiles.h"
#include "reports/ReportWriter.h"
#include "store/NewOrvDoc.h"

#ifdef VELLORAN_HAVE_PDF
#include "cli/ReportPdf.h"
#endif

#include <cstdlib>
#include <ostream>

namespace
{
unsigned ParseMask(const std::string& text)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text.c_str(), &end, 0);
    if (text.empty() || text[0] == '-' || end == nullptr || *end != '\0' || errno != 0 ||
        value > SReportOptions::kAllColumns)
        throw SCliUsageError{"--columns takes a mask of up to 0x7FFFF (decimal or 0x...): " + text};
    return static_cast<unsigned>(value);
}

int ParseStatus(const std::string& text)
{
    if (text == "all")
        return CGuestFilter::kAllStatuses;
    if (text == "unknown")
        return CGuestFilter::kNoAnswerOnly;
    if (text == "approved")
        return CGuestFilter::kApprovedOnly;
    if (text == "not-coming")
        return CGuestFilter::kNotComingOnly;
    throw SCliUsageError{"--filter-status takes all, unknown, approved or not-coming: " + text};
}

std::string DefaultFileName(const SReportKindInfo& info, bool text, bool pdf)
{
    std::string name = info.file;
    if (text || pdf)
        name = name.substr(0, name.rfind('.')) + (text ? ".txt" : ".pdf");
    return name;
}
} // namespace

int RunReport(CCliContext& context)
{
    CCliArgs args(context.Args());
    const bool hebrew = IsHebrewUi();
    SReportOptions options;
    options.columns = SReportOptions::DefaultColumns(hebrew);
    std::optional<std::string> output = args.Option("-o");
    const bool text = args.Flag("--text");
    const bool pdf = args.Flag("--pdf");
    if (auto mask = args.Option("--columns"))
        options.columns = ParseMask(*mask);
    if (auto lines = args.IntOption("--lines-per-page", 1, 100000))
        options.linesPerPage = *lines;
    options.abcInGroup = args.Flag("--abc-in-group");
    if (auto combination = args.IntOption("--combination", 1, 3))
        options.combination = *combination - 1;
    if (auto perLine = args.IntOption("--cards-per-line", 1, 100))
        options.cardsPerLine = *perLine;
    options.pagePerCard = args.Flag("--page-per-card");
    if (auto group = args.Option("--filter-group"))
        options.filter.group = *group;
    if (auto relation = args.Option("--filter-relation"))
        options.filter.relation = *relation;
    if (auto first = args.Option("--filter-first"))
        options.filter.firstNamePrefix = *first;
    if (auto family = args.Option("--filter-family"))
        options.filter.familyNamePrefix = *family;
    if (auto status = args.Option("--filter-status"))
        options.filter.status = ParseStatus(*status);
    const std::string kindName = args.Positionals(1).front();
    const SReportKindInfo* info = FindReportKind(kindName);
    if (info == nullptr)
        throw SCliUsageError{"unknown report kind: " + kindName};
    if (text && pdf)
        throw SCliUsageError{"--text and --pdf write different files: give one of them"};
    if (text && !HasTextForm(info->kind))
        throw SCliUsageError{"only the guest lists and the table reports have a text form"};
    options.approvalPageUrl = context.App().GetGeneral().approvalPageUrl;

    const CReportWriter writer(context.Doc(), options, hebrew);
    const std::filesystem::path file = output ? *output : DefaultFileName(*info, text, pdf);
    std::string error;
    bool written = false;
    if (pdf)
    {
#ifdef VELLORAN_HAVE_PDF
        written = WriteReportPdf(writer.Html(info->kind), file,
                                 PrintsLandscape(info->kind, options), &error);
#else
        return context.Fail(kExitRefused, "this build writes no PDF (Qt was not found)");
#endif
    }
    else
    {
        written =
            WriteReportFile(file, text ? writer.Text(info->kind) : writer.Html(info->kind), &error);
    }
    if (!written)
        return context.Fail(kExitRefused, error);
    if (context.Json())
        context.PrintJson({{"report", {{"kind", info->cli}, {"file", file.string()}}}});
    else
        context.Out() << file.string() << std::endl;
    return kExitOk;
}
