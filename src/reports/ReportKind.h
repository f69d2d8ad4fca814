#pragma once

#include <string>
#include <vector>

// The reports and card pages of the printouts screen. Each kind sits on a tab (by its index) at a
// place in that tab's list of kinds, and writes one fixed file name.
enum class EReportKind : int
{
    GuestsByFirstName,
    GuestsByLastName,
    GuestsByGroup,
    GuestsByView,
    TablesById,
    TablesByHall,
    TableCards,
    AddressCards,
    GiftsByGroup,
    GiftsByRelation,
    HandForm,
    Expenses,
    Transportation,
    Tasks,
    Approvals,
    Budget, // printed from the budget screen; on no tab
};

// The tabs of the printouts screen by index.
enum EReportTab : int
{
    REPORT_TAB_MISC = 0,
    REPORT_TAB_FORMS = 1,
    REPORT_TAB_GIFTS = 2,
    REPORT_TAB_STICKERS = 3,
    REPORT_TAB_TABLES = 4,
    REPORT_TAB_GUESTS = 5,
    REPORT_TAB_COUNT = 6,
};

struct SReportKindInfo
{
    EReportKind kind;
    int tab;          // EReportTab; -1 for the budget report
    int place;        // position in the tab's list of kinds
    const char* file; // the file name the kind writes
    const char* cli;  // the kind's word on the command line
    int textId;       // the kind's caption in the list
};

// Every kind, tab by tab, each tab's kinds in their list order, the budget report last.
const std::vector<SReportKindInfo>& ReportKinds();
const SReportKindInfo& ReportKindInfo(EReportKind kind);
// Null when no kind has that word.
const SReportKindInfo* FindReportKind(const std::string& cliName);
// The kinds of a tab in list order.
std::vector<const SReportKindInfo*> ReportKindsOfTab(int tab);
// The caption of a tab.
int ReportTabTextId(int tab);

inline bool IsGuestList(EReportKind kind)
{
    return kind == EReportKind::GuestsByFirstName || kind == EReportKind::GuestsByLastName ||
           kind == EReportKind::GuestsByGroup || kind == EReportKind::GuestsByView;
}
inline bool IsTableReport(EReportKind kind)
{
    return kind == EReportKind::TablesById || kind == EReportKind::TablesByHall;
}
inline bool IsCardPage(EReportKind kind)
{
    return kind == EReportKind::TableCards || kind == EReportKind::AddressCards;
}
// Only the guest lists and the table reports have a plain-text form.
inline bool HasTextForm(EReportKind kind)
{
    return IsGuestList(kind) || IsTableReport(kind);
}
