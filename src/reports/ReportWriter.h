#pragma once

#include "reports/ReportKind.h"
#include "reports/ReportOptions.h"

#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;
struct SCardDesign;

// Whether a kind prints across the page: one card per page, and guest lists of more than eight
// columns (they do not fit the width of a portrait page).
bool PrintsLandscape(EReportKind kind, const SReportOptions& options);

// Writes the reports and card pages of an event as text (UTF-8 in memory; ReportFiles.h writes
// the files). The same writer serves the printouts screen, the budget screen and the command line,
// so each kind comes out byte for byte the same from all of them.
//
// The language is fixed at construction (the interface's by default): the headings, the column
// order and the alignment follow it.
class CReportWriter
{
public:
    CReportWriter(CNewOrvDoc& doc, const SReportOptions& options);
    CReportWriter(CNewOrvDoc& doc, const SReportOptions& options, bool hebrew);

    // The HTML of a kind. Card pages use the event's stored designs; the budget report the
    // options' combination.
    std::string Html(EReportKind kind) const;
    // The plain-text form of a guest list or a table report; empty for the other kinds.
    std::string Text(EReportKind kind) const;
    // The guests a guest list shows, in its order (what "Open in EXCEL" hands over); empty for
    // the other kinds.
    std::vector<const CGuest*> Guests(EReportKind kind) const;
    // The HTML of a card page with a design that is not (yet) stored.
    std::string CardPage(const SCardDesign& design) const;

    // The page shown before any report is chosen.
    static std::string Introduction(bool hebrew);
    // The designer's preview: one card with a sample name.
    static std::string CardPreview(const SCardDesign& design, bool hebrew);

private:
    CNewOrvDoc& m_doc;
    SReportOptions m_options;
    bool m_hebrew;
};
