// The guest lists (by first name, last name, group, and as the guests view shows them), their
// summary block, and their plain-text form.

#include "model/Guest.h"
#include "platform/NumberText.h"
#include "platform/StringTable.h"
#include "reports/GuestColumns.h"
#include "reports/ReportHtml.h"
#include "reports/ReportWriters.h"
#include "settings/AppSettings.h"
#include "settings/EventSettings.h"
#include "store/NewOrvDoc.h"

#include <algorithm>

const std::vector<SGuestColumn>& GuestColumns()
{
    static const std::vector<SGuestColumn> columns = {
        {0x1, IDS_REPORT_COL_NAME, false},
        {0x2, IDS_REPORT_COL_LAST_NAME, false},
        {0x4, IDS_REPORT_COL_RELATION, false},
        {0x8, IDS_REPORT_COL_GROUP, false},
        {0x10, IDS_REPORT_COL_PHONE, false},
        {0x40000, IDS_REPORT_COL_MOBILE, false},
        {0x20, IDS_REPORT_COL_ADDRESS, false},
        {0x40, IDS_REPORT_COL_GIFT, false},
        {0x80, IDS_REPORT_COL_GIFT_COMMENTS, false},
        {0x200, IDS_REPORT_COL_DOLLARS, false},
        {0x400, IDS_REPORT_COL_STATUS, false},
        {0x800, IDS_REPORT_COL_INVITATION_SENT, false},
        {0x2000, IDS_REPORT_COL_INVITED, false},
        {0x4000, IDS_REPORT_COL_COMING, false},
        {0x1000, IDS_REPORT_COL_KIDS, false},
        {0x8000, IDS_REPORT_COL_TABLE, true},
        {0x10000, IDS_REPORT_COL_HALL_NUMBER, true},
        {0x20000, IDS_REPORT_COL_DETAILS, true},
        {SReportOptions::kShekelColumn, IDS_REPORT_COL_SHEKELS, true},
    };
    return columns;
}

std::vector<CGuest*> ReportWriters::OrderedGuests(const SReportContext& context, EReportKind kind)
{
    const bool hideNonComing = context.doc.GetAppSettings().GetHideNonComingInGuestsReport();
    std::vector<CGuest*> guests;
    guests.reserve(context.doc.GetGuests().size());
    for (const auto& guest : context.doc.GetGuests())
        if (context.options.filter.Matches(*guest) &&
            !(hideNonComing && guest->GetComingCount() == 0))
            guests.push_back(guest.get());
    switch (kind)
    {
    case EReportKind::GuestsByFirstName:
    case EReportKind::GuestsByLastName:
    {
        // Key: one name followed by the other, an empty part counting as one blank; equal
        // keys keep the list order.
        const bool firstName = kind == EReportKind::GuestsByFirstName;
        const auto part = [](const std::string& text)
        { return text.empty() ? std::string(" ") : text; };
        std::vector<std::pair<std::string, CGuest*>> keyed;
        keyed.reserve(guests.size());
        for (CGuest* guest : guests)
            keyed.emplace_back(firstName ? part(guest->GetName()) + part(guest->GetFamilyName())
                                         : part(guest->GetFamilyName()) + part(guest->GetName()),
                               guest);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t i = 0; i < keyed.size(); ++i)
            guests[i] = keyed[i].second;
        break;
    }
    case EReportKind::GuestsByGroup:
    {
        // The group name as a whole first, so that a group is never split by names that
        // share its beginning; inside a group the list order, or the family names.
        const bool abc = context.options.abcInGroup;
        std::stable_sort(guests.begin(), guests.end(),
                         [abc](const CGuest* a, const CGuest* b)
                         {
                             const int byGroup = a->GetGroupName().compare(b->GetGroupName());
                             if (byGroup != 0 || !abc)
                                 return byGroup < 0;
                             return a->GetFamilyName() < b->GetFamilyName();
                         });
        break;
    }
    default:
        break;
    }
    return guests;
}

namespace
{
class CGuestListWriter
{
public:
    CGuestListWriter(const SReportContext& context, EReportKind kind, bool plainText)
        : m_context(context), m_kind(kind), m_plain(plainText), m_hebrew(context.hebrew)
    {
        for (const auto& column : GuestColumns())
        {
            if ((context.options.columns & column.bit) == 0)
                continue;
            if (column.bit == SReportOptions::kShekelColumn && !m_hebrew)
                continue; // a Hebrew column only
            m_columns.push_back(&column);
        }
        if (m_hebrew)
            std::reverse(m_columns.begin(), m_columns.end());
        m_yes = context.Text(IDS_YES);
        m_no = context.Text(IDS_NO);
        m_unknown = context.Text(IDS_UNKNOWN);
    }

    std::string Write()
    {
        const std::vector<CGuest*> guests = OrderedGuests();
        if (m_plain)
            return WriteText(guests);
        m_out.reserve(guests.size() * (64 + 40 * m_columns.size()) + 4096);
        AppendHtmlStart(m_out, m_hebrew, false);
        m_out += "<h2><u>" + m_context.Text(HeadingId()) + "</u></h2>\r\n";
        const bool byView = m_kind == EReportKind::GuestsByView;
        m_out += byView ? "<table frame=\"box\" rules=\"all\" border=\"1\" bordercolor=black "
                          "witdh=\"800\">\r\n"
                        : kTableOpen;
        AppendHeaderRow();
        const int lines = m_context.LinesPerPage();
        const std::string* group = nullptr;
        for (std::size_t row = 0; row < guests.size(); ++row)
        {
            const CGuest& guest = *guests[row];
            const bool pageBreak = row > 0 && row % static_cast<std::size_t>(lines) == 0;
            const bool newGroup = m_kind == EReportKind::GuestsByGroup &&
                                  (group == nullptr || *group != guest.GetGroupName());
            if (byView)
            {
                if (pageBreak)
                {
                    m_out += "</table>\r\n<br>\r\n<p style=\"page-break-before: always\">\r\n"
                             "<table frame=\"box\" rules=\"all\" border=\"2\" bordercolor=black "
                             "witdh=\"800\">\r\n";
                    AppendHeaderRow();
                }
            }
            else if (newGroup && group != nullptr)
            {
                // The group's table closes, and when a page ends here too the break comes
                // before the next group's table.
                m_out += "</table>\r\n<br>\r\n";
                if (pageBreak)
                    AppendPageBreakText();
                m_out += kTableOpen;
                AppendHeaderRow();
            }
            else if (pageBreak)
            {
                m_out += "</table>\r\n";
                AppendPageBreakText();
                m_out += kTableOpen;
                AppendHeaderRow();
            }
            if (newGroup)
            {
                group = &guest.GetGroupName();
                m_out += "<tr><th colspan=" + FormatInt(static_cast<long long>(m_columns.size())) +
                         ">" + HtmlInline(*group) + "</th></tr>";
            }
            AppendGuestRow(guest);
        }
        m_out += "</table>";
        AppendSummary();
        AppendHtmlEnd(m_out);
        return std::move(m_out);
    }

private:
    static constexpr const char* kTableOpen =
        "<table border=1 bordercolor=black witdh=\"800\">\r\n";

    int HeadingId() const
    {
        switch (m_kind)
        {
        case EReportKind::GuestsByFirstName:
            return IDS_REPORT_GUESTS_BY_FIRST_NAME;
        case EReportKind::GuestsByLastName:
            return IDS_REPORT_GUESTS_BY_LAST_NAME;
        case EReportKind::GuestsByGroup:
            return IDS_REPORT_GUESTS_BY_GROUP;
        default:
            return IDS_REPORT_GUESTS_BY_VIEW;
        }
    }

    std::vector<CGuest*> OrderedGuests() const
    {
        return ReportWriters::OrderedGuests(m_context, m_kind);
    }

    void AppendHeaderRow()
    {
        m_out += "<tr>";
        for (const SGuestColumn* column : m_columns)
        {
            m_out += (m_hebrew || column->headerRight) ? "<td align=right>" : "<td align=left>";
            m_out += "<FONT color=blue size=4>";
            m_out += m_context.Text(column->headerId);
            m_out += "</FONT></td>\r\n";
        }
        m_out += "</tr>";
    }

    void AppendPageBreakText()
    {
        m_out += "<p style=\"page-break-before: always\"> ---- ";
        m_out += m_context.Text(IDS_REPORT_PAGE_BREAK);
        m_out += " ----\r\n";
    }

    // The value of a column for a guest, as HTML (escaped) or plain text.
    std::string Cell(const CGuest& guest, unsigned bit, bool html) const
    {
        const auto text = [html](const std::string& value)
        { return html ? HtmlText(value) : PlainLine(value); };
        switch (bit)
        {
        case 0x1:
            return text(guest.GetName());
        case 0x2:
            return text(guest.GetFamilyName());
        case 0x4:
            return text(guest.GetRelation());
        case 0x8:
            return text(guest.GetGroupName());
        case 0x10:
            return text(guest.GetPhone());
        case 0x40000:
            return text(guest.GetMobile());
        case 0x20:
            return text(guest.GetAddress());
        case 0x40:
            return text(guest.GetGift());
        case 0x80:
            return text(guest.GetGiftDetails());
        case 0x200:
            return FormatFixed(guest.GetGiftDollars(), 1);
        case SReportOptions::kShekelColumn:
            return FormatFixed(guest.GetGiftShekels(), 1);
        case 0x400:
            if (guest.GetStatus() == CGuest::kStatusApproved)
                return m_yes;
            return guest.GetStatus() == CGuest::kStatusNotComing ? m_no : m_unknown;
        case 0x800:
            return guest.GetInvitationSent() ? m_yes : m_no;
        case 0x2000:
            return FormatInt(guest.GetInvitedCount());
        case 0x4000:
            return FormatInt(guest.GetComingCount());
        case 0x1000:
            return FormatInt(guest.GetKids());
        case 0x8000:
            return FormatInt(guest.GetTable());
        case 0x10000:
            return FormatInt(m_context.doc.HallNumberOfTable(guest.GetTable()));
        case 0x20000:
            return text(guest.GetInfo());
        default:
            return {};
        }
    }

    void AppendGuestRow(const CGuest& guest)
    {
        m_out += "<tr>\r\n";
        for (const SGuestColumn* column : m_columns)
        {
            m_out += m_hebrew ? "<td align=right>" : "<td>";
            m_out += Cell(guest, column->bit, true);
            m_out += "</td>\r\n";
        }
        m_out += "</tr>";
    }

    struct SSummary
    {
        int invited = 0;
        int coming = 0;
        int kids = 0;
        int kidsChairs = 0;
        double dishes = 0.0;
    };

    SSummary Summary() const
    {
        SSummary summary;
        for (const auto& guest : m_context.doc.GetGuests())
        {
            summary.invited += guest->GetInvitedCount();
            summary.coming += guest->GetComingCount();
            summary.kids += guest->GetKids();
            if (guest->GetChildSeat())
                ++summary.kidsChairs;
        }
        const double kidsPresent = m_context.doc.GetSettings().GetKidsPresent();
        summary.dishes = summary.coming - ((100.0 - kidsPresent) / 100.0) * summary.kids;
        return summary;
    }

    void AppendSummary()
    {
        const SSummary summary = Summary();
        const auto row = [this](int id, const std::string& value)
        { m_out += "<tr><td>" + m_context.Text(id) + "</td><td>" + value + "</td></tr>\r\n"; };
        m_out += "<br><br><div align=\"center\">\r\n";
        m_out += "<center><table border=1 width=\"60%\" >\r\n";
        m_out += "<th colspan=2>" + m_context.Text(IDS_REPORT_SUMMARY) + "</th>\r\n";
        row(IDS_REPORT_SUMMARY_INVITED, FormatInt(summary.invited));
        row(IDS_REPORT_SUMMARY_COMING, FormatInt(summary.coming));
        row(IDS_REPORT_SUMMARY_KIDS, FormatInt(summary.kids));
        row(IDS_REPORT_SUMMARY_DISHES, FormatFixed(summary.dishes, 2));
        row(IDS_REPORT_SUMMARY_CHAIRS, FormatInt(summary.kidsChairs));
        m_out += "</table></center></div>\r\n";
    }

    // One line per guest, the chosen columns separated by tabs, under a heading and a header line;
    // the by-group list names each group on a line of its own.
    std::string WriteText(const std::vector<CGuest*>& guests)
    {
        std::string out;
        out += m_context.Text(HeadingId()) + "\r\n\r\n";
        const auto joinLine = [&](const auto& value)
        {
            for (std::size_t i = 0; i < m_columns.size(); ++i)
            {
                if (i > 0)
                    out += '\t';
                out += value(*m_columns[i]);
            }
            out += "\r\n";
        };
        joinLine([this](const SGuestColumn& column) { return m_context.Text(column.headerId); });
        const std::string* group = nullptr;
        for (const CGuest* guest : guests)
        {
            if (m_kind == EReportKind::GuestsByGroup &&
                (group == nullptr || *group != guest->GetGroupName()))
            {
                group = &guest->GetGroupName();
                out += "\r\n" + PlainLine(*group) + "\r\n";
            }
            joinLine([&](const SGuestColumn& column) { return Cell(*guest, column.bit, false); });
        }
        const SSummary summary = Summary();
        out += "\r\n" + m_context.Text(IDS_REPORT_SUMMARY) + "\r\n";
        const auto line = [&](int id, const std::string& value)
        { out += m_context.Text(id) + "\t" + value + "\r\n"; };
        line(IDS_REPORT_SUMMARY_INVITED, FormatInt(summary.invited));
        line(IDS_REPORT_SUMMARY_COMING, FormatInt(summary.coming));
        line(IDS_REPORT_SUMMARY_KIDS, FormatInt(summary.kids));
        line(IDS_REPORT_SUMMARY_DISHES, FormatFixed(summary.dishes, 2));
        line(IDS_REPORT_SUMMARY_CHAIRS, FormatInt(summary.kidsChairs));
        return out;
    }

    const SReportContext& m_context;
    EReportKind m_kind;
    bool m_plain;
    bool m_hebrew;
    std::vector<const SGuestColumn*> m_columns;
    std::string m_out;
    std::string m_yes, m_no, m_unknown; // the words of the status columns, looked up once
};
} // namespace

std::string ReportWriters::GuestList(const SReportContext& context, EReportKind kind,
                                     bool plainText)
{
    return CGuestListWriter(context, kind, plainText).Write();
}
