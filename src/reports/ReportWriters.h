#pragma once

// The writers behind CReportWriter, one source file per family. Internal to the reports library.

#include "reports/ReportKind.h"
#include "reports/ReportOptions.h"

#include <string>
#include <vector>

class CGuest;
class CNewOrvDoc;
struct SCardDesign;

struct SReportContext
{
    CNewOrvDoc& doc;
    const SReportOptions& options;
    bool hebrew;

    // A string-table text in the report's language.
    std::string Text(int id) const;
    int LinesPerPage() const { return options.linesPerPage < 1 ? 1 : options.linesPerPage; }
};

namespace ReportWriters
{
// GuestListReports.cpp
std::string GuestList(const SReportContext& context, EReportKind kind, bool plainText);
// The guests a guest list shows (the filter applied), in its order.
std::vector<CGuest*> OrderedGuests(const SReportContext& context, EReportKind kind);
// TableReports.cpp
std::string Tables(const SReportContext& context, bool byHall, bool plainText);
// MoneyReports.cpp
std::string Gifts(const SReportContext& context, bool byGroup);
std::string Expenses(const SReportContext& context);
std::string Budget(const SReportContext& context, int combination);
// EventReports.cpp
std::string Transportation(const SReportContext& context);
std::string Tasks(const SReportContext& context);
std::string ApprovalNotes(const SReportContext& context);
std::string HandForm(const SReportContext& context);
std::string Introduction(bool hebrew);
// CardPages.cpp
std::string CardPage(const SReportContext& context, const SCardDesign& design);
std::string CardPreview(const SCardDesign& design, bool hebrew);
} // namespace ReportWriters
