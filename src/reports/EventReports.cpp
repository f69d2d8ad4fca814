// The transportation report, the task list, the approval notes, the empty guest form and the
// introduction page.

#include "model/Guest.h"
#include "model/Task.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "reports/ReportHtml.h"
#include "reports/ReportWriters.h"
#include "settings/EventSettings.h"
#include "store/NewOrvDoc.h"

namespace
{
void AppendHeading(std::string& out, const SReportContext& context, int id)
{
    out += context.hebrew ? "<h3 align=right>" : "<h3 align=left>";
    out += context.Text(id);
    out += "</h3>\r\n";
}

// A task and its sub-tasks, each a row: the name indented by its depth, whether it is done, and
// its information.
void AppendTaskRows(std::string& out, const SReportContext& context, const CTask& task, int depth)
{
    std::string name;
    for (int i = 1; i < depth; ++i)
        name += "&nbsp;&nbsp;&nbsp;&nbsp;";
    name += HtmlText(task.GetName());
    AppendAlignedRow(
        out, {name, context.Text(task.IsChecked() ? IDS_YES : IDS_NO), HtmlText(task.GetInfo())},
        context.hebrew);
    out += "\r\n";
    for (int i = 0; i < task.GetChildCount(); ++i)
        AppendTaskRows(out, context, *task.GetChild(i), depth + 1);
}
} // namespace

std::string ReportWriters::Transportation(const SReportContext& context)
{
    const bool hebrew = context.hebrew;
    std::string out;
    AppendHtmlStart(out, hebrew, true);
    AppendHeading(out, context, IDS_REPORT_TRANSPORTATION);
    const int titles[] = {IDS_REPORT_TRANSPORT_1, IDS_REPORT_TRANSPORT_2, IDS_REPORT_TRANSPORT_3,
                          IDS_REPORT_TRANSPORT_4, IDS_REPORT_TRANSPORT_5};
    for (int transport = 1; transport <= 5; ++transport)
    {
        out += "<table border=1 width=\"100%\"><th colspan=3><font color=blue>\r\n";
        out += context.Text(titles[transport - 1]) + "</font></th>";
        int number = 0;
        int people = 0;
        for (const auto& guest : context.doc.GetGuests())
        {
            if (guest->GetTransportation() != transport)
                continue;
            people += guest->GetComingCount();
            AppendAlignedRow(out,
                             {FormatInt(++number), HtmlText(guest->GetFullName()),
                              FormatInt(guest->GetComingCount())},
                             hebrew);
        }
        if (number == 0)
            out += "<tr><td></td></tr>";
        out += "<th colspan=3>" + context.Text(IDS_REPORT_TRANSPORT_TOTAL) + FormatInt(people) +
               "</th>";
        out += "</table><br><br>\r\n";
    }
    AppendHtmlEnd(out);
    return out;
}

std::string ReportWriters::Tasks(const SReportContext& context)
{
    std::string out;
    AppendHtmlStart(out, context.hebrew, true);
    AppendHeading(out, context, IDS_REPORT_TASKS);
    out += "<table border=1 width=\"80%\">\r\n";
    // The root is the tree's anchor, not a task of the user's.
    if (const CTask* root = context.doc.GetTaskRoot())
        for (int i = 0; i < root->GetChildCount(); ++i)
            AppendTaskRows(out, context, *root->GetChild(i), 1);
    out += "</table><br>\r\n";
    AppendHtmlEnd(out);
    return out;
}

std::string ReportWriters::ApprovalNotes(const SReportContext& context)
{
    const bool hebrew = context.hebrew;
    std::string out;
    AppendHtmlStart(out, hebrew, true);
    out += hebrew ? "<h3 align=right>" : "<h3 align=left>";
    out += context.Text(IDS_REPORT_APPROVALS_HEADING);
    out += "</h3>\r\n";
    out += "<table border=1 cellpadding=\"10\" cellspacing=\"10\" width=\"90%\" >\r\n";
    const std::string url = HtmlInline(context.options.approvalPageUrl);
    const std::string code = HtmlInline(context.doc.GetEventSettings()->GetKeySetting("EventCode"));
    int written = 0;
    for (const auto& guest : context.doc.GetGuests())
    {
        if (!context.options.filter.Matches(*guest))
            continue;
        if (written % 2 == 0)
            out += "<tr>\r\n";
        out += hebrew ? "<td dir=\"rtl\" align=right>\r\n" : "<td dir=\"ltr\" align=left>\r\n";
        out += FormatText(
            context.Text(IDS_REPORT_APPROVAL_NOTE),
            {HtmlInline(guest->GetFullName()), url, code, FormatInt(guest->GetUniqueId())});
        out += "</td>\r\n";
        if (++written % 2 == 0)
            out += "</tr>\r\n";
    }
    if (written % 2 == 1)
        out += "</tr>\r\n";
    out += "</table>\r\n";
    AppendHtmlEnd(out);
    return out;
}

std::string ReportWriters::HandForm(const SReportContext& context)
{
    const bool hebrew = context.hebrew;
    std::string out;
    AppendHtmlStart(out, hebrew, true);
    AppendHeading(out, context, IDS_REPORT_HAND_FORM);
    out += "<table border=1 cellspacing=0 cellpadding=0>";
    const int headers[] = {IDS_REPORT_FORM_NAME,     IDS_REPORT_FORM_FAMILY,
                           IDS_REPORT_FORM_RELATION, IDS_REPORT_FORM_GROUP,
                           IDS_REPORT_FORM_PHONE,    IDS_REPORT_FORM_ADDRESS,
                           IDS_REPORT_FORM_GUESTS,   IDS_REPORT_FORM_WILL_COME};
    out += "<tr>";
    for (int i = 0; i < 8; ++i)
        out += "<td align=center width=85 valign=top><font color=blue size=4>" +
               context.Text(headers[hebrew ? 7 - i : i]) + "</font></td>";
    out += "</tr>";
    const std::string cell = hebrew ? "<td align=right width=85 valign=top>&nbsp;</td>"
                                    : "<td align=left width=85 valign=top>&nbsp;</td>";
    for (int row = 0; row < context.LinesPerPage(); ++row)
    {
        out += "<tr>";
        for (int i = 0; i < 8; ++i)
            out += cell;
        out += "</tr>";
    }
    out += "</table>";
    AppendHtmlEnd(out);
    return out;
}

std::string ReportWriters::Introduction(bool hebrew)
{
    std::string out;
    AppendHtmlStart(out, hebrew, false);
    if (hebrew)
        out += "<div align=right>\r\n";
    out += LoadStringIn(IDS_REPORT_INTRODUCTION, hebrew);
    if (hebrew)
        out += "</div>\r\n";
    AppendHtmlEnd(out);
    return out;
}
