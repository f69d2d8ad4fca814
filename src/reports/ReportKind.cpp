#include "reports/ReportKind.h"

#include "platform/StringIds.h"

#include <stdexcept>

const std::vector<SReportKindInfo>& ReportKinds()
{
    using K = EReportKind;
    static const std::vector<SReportKindInfo> kinds = {
        {K::Expenses, REPORT_TAB_MISC, 0, "Expences.html", "expenses", IDS_REPORT_KIND_EXPENSES},
        {K::Transportation, REPORT_TAB_MISC, 1, "Trasportation.html", "transportation",
         IDS_REPORT_KIND_TRANSPORTATION},
        {K::Tasks, REPORT_TAB_MISC, 2, "Tasks.html", "tasks", IDS_REPORT_KIND_TASKS},
        {K::Approvals, REPORT_TAB_MISC, 3, "ApprovalNotes.html", "approvals",
         IDS_REPORT_KIND_APPROVALS},
        {K::HandForm, REPORT_TAB_FORMS, 0, "SimpleHandForm.html", "hand-form",
         IDS_REPORT_KIND_HAND_FORM},
        {K::GiftsByGroup, REPORT_TAB_GIFTS, 0, "GiftsGroupHtml.html", "gifts-by-group",
         IDS_REPORT_KIND_GIFTS_BY_GROUP},
        {K::GiftsByRelation, REPORT_TAB_GIFTS, 1, "GiftsHtml.html", "gifts-by-relation",
         IDS_REPORT_KIND_GIFTS_BY_RELATION},
        {K::TableCards, REPORT_TAB_STICKERS, 0, "PitkaotHtml.html", "table-cards",
         IDS_REPORT_KIND_TABLE_CARDS},
        {K::AddressCards, REPORT_TAB_STICKERS, 1, "AddressHtml.html", "address-cards",
         IDS_REPORT_KIND_ADDRESS_CARDS},
        {K::TablesById, REPORT_TAB_TABLES, 0, "Tables123.html", "tables-by-id",
         IDS_REPORT_KIND_TABLES_BY_ID},
        {K::TablesByHall, REPORT_TAB_TABLES, 1, "Tables321.html", "tables-by-hall",
         IDS_REPORT_KIND_TABLES_BY_HALL},
        {K::GuestsByFirstName, REPORT_TAB_GUESTS, 0, "GuestsByPrivateName.html",
         "guests-by-first-name", IDS_REPORT_KIND_BY_FIRST_NAME},
        {K::GuestsByLastName, REPORT_TAB_GUESTS, 1, "GuestsByFamilyName.html",
         "guests-by-last-name", IDS_REPORT_KIND_BY_LAST_NAME},
        {K::GuestsByGroup, REPORT_TAB_GUESTS, 2, "GuestsByGroupName.html", "guests-by-group",
         IDS_REPORT_KIND_BY_GROUP},
        {K::GuestsByView, REPORT_TAB_GUESTS, 3, "GuestsByGuestsView.html", "guests-by-view",
         IDS_REPORT_KIND_BY_VIEW},
        {K::Budget, -1, 0, "Offer.Html", "budget", IDS_REPORT_KIND_BUDGET},
    };
    return kinds;
}

const SReportKindInfo& ReportKindInfo(EReportKind kind)
{
    for (const auto& info : ReportKinds())
        if (info.kind == kind)
            return info;
    throw std::logic_error("report kind without an entry");
}

const SReportKindInfo* FindReportKind(const std::string& cliName)
{
    for (const auto& info : ReportKinds())
        if (cliName == info.cli)
            return &info;
    return nullptr;
}

std::vector<const SReportKindInfo*> ReportKindsOfTab(int tab)
{
    std::vector<const SReportKindInfo*> kinds;
    for (const auto& info : ReportKinds())
        if (info.tab == tab)
            kinds.push_back(&info);
    return kinds;
}

int ReportTabTextId(int tab)
{
    static const int ids[REPORT_TAB_COUNT] = {IDS_REPORT_TAB_MISC,   IDS_REPORT_TAB_FORMS,
                                              IDS_REPORT_TAB_GIFTS,  IDS_REPORT_TAB_STICKERS,
                                              IDS_REPORT_TAB_TABLES, IDS_REPORT_TAB_GUESTS};
    return tab >= 0 && tab < REPORT_TAB_COUNT ? ids[tab] : IDS_REPORT_TAB_MISC;
}
