#include "reports/ReportWriter.h"

#include "platform/Language.h"
#include "platform/StringTable.h"
#include "reports/CardDesign.h"
#include "reports/ReportWriters.h"
#include "store/NewOrvDoc.h"

bool PrintsLandscape(EReportKind kind, const SReportOptions& options)
{
    if (IsCardPage(kind))
        return options.pagePerCard;
    if (!IsGuestList(kind))
        return false;
    int columns = 0;
    for (unsigned bits = options.columns & SReportOptions::kAllColumns; bits != 0; bits &= bits - 1)
        ++columns;
    return columns > 8;
}

std::string SReportContext::Text(int id) const
{
    return LoadStringIn(id, hebrew);
}

CReportWriter::CReportWriter(CNewOrvDoc& doc, const SReportOptions& options)
    : CReportWriter(doc, options, IsHebrewUi())
{
}

CReportWriter::CReportWriter(CNewOrvDoc& doc, const SReportOptions& options, bool hebrew)
    : m_doc(doc), m_options(options), m_hebrew(hebrew)
{
}

std::string CReportWriter::Html(EReportKind kind) const
{
    const SReportContext context{m_doc, m_options, m_hebrew};
    switch (kind)
    {
    case EReportKind::GuestsByFirstName:
    case EReportKind::GuestsByLastName:
    case EReportKind::GuestsByGroup:
    case EReportKind::GuestsByView:
        return ReportWriters::GuestList(context, kind, false);
    case EReportKind::TablesById:
    case EReportKind::TablesByHall:
        return ReportWriters::Tables(context, kind == EReportKind::TablesByHall, false);
    case EReportKind::TableCards:
    case EReportKind::AddressCards:
    {
        SCardDesign design =
            SCardDesign::Load(m_doc.GetSettings(), kind == EReportKind::AddressCards);
        design.familyNameFirst = m_options.familyNameFirst;
        return ReportWriters::CardPage(context, design);
    }
    case EReportKind::GiftsByGroup:
    case EReportKind::GiftsByRelation:
        return ReportWriters::Gifts(context, kind == EReportKind::GiftsByGroup);
    case EReportKind::HandForm:
        return ReportWriters::HandForm(context);
    case EReportKind::Expenses:
        return ReportWriters::Expenses(context);
    case EReportKind::Transportation:
        return ReportWriters::Transportation(context);
    case EReportKind::Tasks:
        return ReportWriters::Tasks(context);
    case EReportKind::Approvals:
        return ReportWriters::ApprovalNotes(context);
    case EReportKind::Budget:
        return ReportWriters::Budget(context, m_options.combination);
    }
    return {};
}

std::string CReportWriter::Text(EReportKind kind) const
{
    const SReportContext context{m_doc, m_options, m_hebrew};
    if (IsGuestList(kind))
        return ReportWriters::GuestList(context, kind, true);
    if (IsTableReport(kind))
        return ReportWriters::Tables(context, kind == EReportKind::TablesByHall, true);
    return {};
}

std::vector<const CGuest*> CReportWriter::Guests(EReportKind kind) const
{
    if (!IsGuestList(kind))
        return {};
    const std::vector<CGuest*> guests =
        ReportWriters::OrderedGuests(SReportContext{m_doc, m_options, m_hebrew}, kind);
    return {guests.begin(), guests.end()};
}

std::string CReportWriter::CardPage(const SCardDesign& design) const
{
    const SReportContext context{m_doc, m_options, m_hebrew};
    return ReportWriters::CardPage(context, design);
}

std::string CReportWriter::Introduction(bool hebrew)
{
    return ReportWriters::Introduction(hebrew);
}

std::string CReportWriter::CardPreview(const SCardDesign& design, bool hebrew)
{
    return ReportWriters::CardPreview(design, hebrew);
}
