// The seating reports: every table with its guests, by table id or by the table's number in the
// hall, as HTML and as plain text.

#include "model/Guest.h"
#include "model/Table.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "reports/ReportHtml.h"
#include "reports/ReportWriters.h"
#include "settings/AppSettings.h"
#include "store/NewOrvDoc.h"

#include <algorithm>
#include <unordered_map>

namespace
{
const std::string kDashes(70, '-');

// The guests of every table id in guest-list order, found in one pass over the list.
std::unordered_map<int, std::vector<const CGuest*>> GuestsByTable(const SReportContext& context)
{
    const bool hideNonComing = context.doc.GetAppSettings().GetHideNonComingInTableReport();
    std::unordered_map<int, std::vector<const CGuest*>> byTable;
    for (const auto& guest : context.doc.GetGuests())
        if (!(hideNonComing && guest->GetComingCount() == 0))
            byTable[guest->GetTable()].push_back(guest.get());
    return byTable;
}
} // namespace

std::string ReportWriters::Tables(const SReportContext& context, bool byHall, bool plainText)
{
    const bool hebrew = context.hebrew;
    std::vector<const CTable*> tables;
    for (const auto& table : context.doc.GetTables())
        tables.push_back(table.get());
    if (byHall)
        std::stable_sort(tables.begin(), tables.end(),
                         [](const CTable* a, const CTable* b)
                         { return a->GetHallNumber() < b->GetHallNumber(); });
    const auto byTable = GuestsByTable(context);
    static const std::vector<const CGuest*> kNone;

    std::string out;
    out.reserve(context.doc.GetGuests().size() * 160 + tables.size() * 400 + 1024);
    if (!plainText)
    {
        AppendHtmlStart(out, hebrew, true);
        out += hebrew ? "<h3 align=right>" : "<h3 align=left>";
        out += context.Text(byHall ? IDS_REPORT_TABLES_BY_HALL : IDS_REPORT_TABLES_BY_ID);
        out += "</h3>\r\n";
    }
    for (const CTable* table : tables)
    {
        const auto found = byTable.find(table->GetId());
        const auto& guests = found != byTable.end() ? found->second : kNone;
        const std::string id = FormatInt(table->GetId());
        const std::string hall = FormatInt(table->GetHallNumber());
        int people = 0;
        if (plainText)
        {
            out += kDashes + "\r\n\r\n";
            out +=
                byHall
                    ? std::string(18, ' ') + FormatText(context.Text(IDS_REPORT_TEXT_HALL_TITLE),
                                                        {hall, id, PlainLine(table->GetName())})
                    : std::string(22, ' ') + FormatText(context.Text(IDS_REPORT_TEXT_TABLE_TITLE),
                                                        {id, PlainLine(table->GetName())});
            out += "\r\n" + kDashes + "\r\n";
            int number = 0;
            for (const CGuest* guest : guests)
            {
                people += guest->GetComingCount();
                out += FormatInt(++number) + ". " + PlainLine(guest->GetFullName()) + "\r\n";
            }
            out += FormatText(context.Text(IDS_REPORT_TEXT_TABLE_TOTAL), {FormatInt(people)});
            out += "\r\n\r\n";
            continue;
        }
        out += "<table border=1 width=\"60%\" >\r\n";
        if (byHall)
            out += "<th colspan=4><font color=blue> " +
                   FormatText(context.Text(IDS_REPORT_HALL_TITLE),
                              {hall, HtmlInline(table->GetName()), id}) +
                   " </font></th>\r\n";
        else
            out += std::string("<th colspan=4 ") + AlignAttribute(hebrew) + "><font color=blue>" +
                   FormatText(context.Text(IDS_REPORT_TABLE_TITLE),
                              {id, HtmlInline(table->GetName())}) +
                   "</font></th>\r\n";
        int number = 0;
        for (const CGuest* guest : guests)
        {
            people += guest->GetComingCount();
            const std::string kids = guest->GetKids() > 0
                                         ? "<font color=red>" +
                                               FormatText(context.Text(IDS_REPORT_KIDS_NOTE),
                                                          {FormatInt(guest->GetKids())}) +
                                               "</font>"
                                         : std::string("&nbsp;");
            const std::string seat =
                guest->GetChildSeat()
                    ? "<font color=red>" + context.Text(IDS_REPORT_BABY_SEAT) + "</font>"
                    : std::string("&nbsp;");
            AppendAlignedRow(
                out,
                {FormatInt(++number),
                 FormatInt(guest->GetComingCount()) + " - " + HtmlText(guest->GetFullName()), kids,
                 seat},
                hebrew);
            out += "\r\n";
        }
        out += std::string("<th colspan=4 ") + AlignAttribute(hebrew) + ">" +
               FormatText(context.Text(IDS_REPORT_TABLE_TOTAL), {FormatInt(people)}) + "</th>\r\n";
        out += "</table>\r\n<br>";
    }
    if (!plainText)
        AppendHtmlEnd(out);
    return out;
}
