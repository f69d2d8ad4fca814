// The gift reports (by relation, by group), the expenses report and the budget report of one
// combination.

#include "budget/BudgetPlan.h"
#include "model/Expence.h"
#include "model/Group.h"
#include "model/Guest.h"
#include "model/Offer.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "reports/ReportHtml.h"
#include "reports/ReportWriters.h"
#include "store/NewOrvDoc.h"

#include <unordered_map>

namespace
{
// A row of blue header cells in the interface's order and alignment.
void AppendBlueHeader(std::string& out, const SReportContext& context, std::vector<int> ids)
{
    std::vector<std::string> cells;
    for (int id : ids)
        cells.push_back("<font color=blue>" + context.Text(id) + "</font>");
    AppendAlignedRow(out, cells, context.hebrew);
    out += "\r\n";
}

void AppendHeading(std::string& out, const SReportContext& context, int id)
{
    out += context.hebrew ? "<h3 align=right>" : "<h3 align=left>";
    out += context.Text(id);
    out += "</h3>\r\n";
}

void AppendGiftTable(std::string& out, const SReportContext& context, const std::string& title,
                     const std::vector<const CGuest*>& guests, bool byGroup)
{
    const bool hebrew = context.hebrew;
    out += "<table border=1 width=\"470\" >\r\n";
    out += std::string("<tr><td align=center colspan=") + (hebrew ? "5" : "4") +
           "><font size=5 color=blue>" + title + "</font></td></tr>\r\n";
    std::vector<int> header = {IDS_REPORT_GIFT_NAME, IDS_REPORT_GIFT_GIFT, IDS_REPORT_GIFT_COMMENTS,
                               byGroup ? IDS_REPORT_GIFT_SUM : IDS_REPORT_GIFT_DOLLARS};
    if (hebrew)
        header.push_back(IDS_REPORT_GIFT_SHEKELS);
    AppendBlueHeader(out, context, header);
    double dollars = 0.0;
    double shekels = 0.0;
    for (const CGuest* guest : guests)
    {
        dollars += guest->GetGiftDollars();
        shekels += guest->GetGiftShekels();
        std::vector<std::string> cells = {
            HtmlText(guest->GetFullName()), HtmlText(guest->GetGift()),
            guest->GetGiftDetails().empty() ? std::string("&nbsp")
                                            : HtmlInline(guest->GetGiftDetails()),
            FormatFixed(guest->GetGiftDollars(), 0)};
        if (hebrew)
            cells.push_back(FormatFixed(guest->GetGiftShekels(), 0));
        AppendAlignedRow(out, cells, hebrew);
    }
    const auto green = [](const std::string& text)
    { return "<font color=green>" + text + "</font>"; };
    std::vector<std::string> total = {green(context.Text(IDS_REPORT_GIFT_TOTAL)), "&nbsp;",
                                      "&nbsp;", green(FormatFixed(dollars, 0))};
    if (hebrew)
        total.push_back(green(FormatFixed(shekels, 0)));
    AppendAlignedRow(out, total, hebrew);
    out += "</table><br>\r\n";
}
} // namespace

std::string ReportWriters::Gifts(const SReportContext& context, bool byGroup)
{
    std::string out;
    AppendHtmlStart(out, context.hebrew, true);
    AppendHeading(out, context, byGroup ? IDS_REPORT_GIFTS_BY_GROUP : IDS_REPORT_GIFTS_BY_RELATION);
    const auto& guests = context.doc.GetGuests();
    const auto guestsWhere = [&guests](auto matches)
    {
        std::vector<const CGuest*> chosen;
        for (const auto& guest : guests)
            if (matches(*guest))
                chosen.push_back(guest.get());
        return chosen;
    };
    if (byGroup)
    {
        // One pass over the guests, not one per group.
        std::unordered_map<std::string, std::vector<const CGuest*>> byName;
        for (const auto& guest : guests)
            byName[guest->GetGroupName()].push_back(guest.get());
        static const std::vector<const CGuest*> kNone;
        for (const auto& group : context.doc.GetGroups())
        {
            const auto found = byName.find(group->GetName());
            AppendGiftTable(out, context, HtmlText(group->GetName()),
                            found != byName.end() ? found->second : kNone, true);
        }
    }
    else
    {
        const std::pair<int, int> sides[] = {{IDS_RELATION_BRIDE, IDS_REPORT_SIDE_BRIDE},
                                             {IDS_RELATION_GROOM, IDS_REPORT_SIDE_GROOM},
                                             {IDS_RELATION_MUTUAL, IDS_REPORT_SIDE_MUTUAL}};
        for (const auto& [word, title] : sides)
        {
            const std::string relation = context.Text(word);
            AppendGiftTable(
                out, context, context.Text(title),
                guestsWhere([&relation](const CGuest& g) { return g.GetRelation() == relation; }),
                false);
        }
    }
    AppendHtmlEnd(out);
    return out;
}

std::string ReportWriters::Expenses(const SReportContext& context)
{
    const bool hebrew = context.hebrew;
    std::string out;
    AppendHtmlStart(out, hebrew, true);
    AppendHeading(out, context, IDS_REPORT_EXPENSES);
    out += "<table border=1 width=\"100%\">";
    std::vector<int> header = {IDS_REPORT_EXP_ID,    IDS_REPORT_EXP_PAYMENT,
                               IDS_REPORT_EXP_PAID,  IDS_REPORT_EXP_SUM,
                               IDS_REPORT_EXP_DATE,  IDS_REPORT_EXP_PAYMENTS,
                               IDS_REPORT_EXP_PAYER, IDS_REPORT_EXP_COMMENTS};
    if (hebrew)
        header.insert(header.begin() + 4, IDS_REPORT_EXP_SHEKELS);
    AppendBlueHeader(out, context, header);
    int number = 0;
    for (const auto& expense : context.doc.GetExpenses())
    {
        const int paid = expense->GetPaidState();
        int paidText = IDS_NO;
        if (paid == CPayment::kPaid)
            paidText = IDS_YES;
        else if (paid == CPayment::kPartlyPaid)
            paidText = IDS_REPORT_EXP_PARTLY;
        const SDate& date = expense->GetDate();
        std::vector<std::string> cells = {FormatInt(++number),
                                          HtmlText(expense->GetName()),
                                          context.Text(paidText),
                                          FormatInt(expense->GetDollars()),
                                          date.IsEmpty() ? std::string("&nbsp;")
                                                         : CPayment::FormatDate(date, hebrew),
                                          FormatInt(expense->GetPaymentCount()),
                                          HtmlText(expense->GetPayer()),
                                          HtmlText(expense->GetInfo())};
        if (hebrew)
            cells.insert(cells.begin() + 4, FormatInt(expense->GetShekels()));
        AppendAlignedRow(out, cells, hebrew);
    }
    out += "</table><br><br>\r\n</div>\r\n</body></html>";
    return out;
}

std::string ReportWriters::Budget(const SReportContext& context, int combination)
{
    const bool hebrew = context.hebrew;
    const CBudgetPlan plan(context.doc);
    std::string out;
    AppendHtmlStart(out, hebrew, true);
    out += "<table border=1>\r\n";
    out += "<th colspan=3>" +
           FormatText(context.Text(IDS_REPORT_BUDGET_TITLE), {FormatInt(combination + 1)}) +
           "</th>\r\n";
    AppendAlignedRow(out,
                     {context.Text(IDS_REPORT_BUDGET_SUM), context.Text(IDS_REPORT_BUDGET_OFFER),
                      context.Text(IDS_REPORT_BUDGET_NUMBER)},
                     hebrew);
    long long total = 0;
    int number = 0;
    for (const COffer* offer : plan.OffersIn(combination))
    {
        // The stored sum: for a per-guest offer the price of one guest.
        total += offer->GetShekels();
        AppendAlignedRow(
            out, {FormatInt(offer->GetShekels()), HtmlText(offer->GetName()), FormatInt(++number)},
            hebrew);
    }
    out += "<th colspan=3> <font color=blue>" +
           FormatText(context.Text(IDS_REPORT_BUDGET_TOTAL), {FormatInt(total)}) + "</font></th>";
    out += "</table>";
    AppendHtmlEnd(out);
    return out;
}
